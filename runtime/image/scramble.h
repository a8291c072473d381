// Record bodies are scrambled as one chain: each record's key comes from the
// previous record's last plain byte, its class id and its number.
#pragma once
#include <cstddef>
#include <cstdint>

#include "image/image_format.h"

uint8_t FirstChainKey(int32_t recordCount, ImageForm form);
// The key for record number (1-based) with that class id.
uint8_t RecordChainKey(uint8_t key, int32_t classId, int32_t number);
// Descrambles a body in place; returns the key for the next record.
uint8_t DescrambleRecord(uint8_t* body, std::size_t size, uint8_t key, ImageForm form);
