// What describes a kind of hosted ActiveX control: its class, its event
// interface and the table of events it handles. One record per kind, shared
// by all its controls; the handler slots are per control.
#pragma once
#include <windows.h>
#include <ole2.h>

#include <cstdint>
#include <vector>

namespace host::activex {

class TOleControl;

// Stock properties the control has; the site keeps the kit's copies in step.
enum TOleStockFlags : uint32_t {
  kStockBackColor = 1,
  kStockForeColor = 2,
  kStockFont = 4,
  kStockEnabled = 8,
  kStockCaption = 0x10,
  kStockText = 0x20,
};

// When the client site is handed over.
enum TOleCreationOptions : uint32_t {
  kSiteAtCreation = 1,
  kSiteAtPersistence = 2,
};

// A control event: the handler gets its user data, the control and one word
// taken from the event's parameters (see FireControlEvent).
using TOleEventHandler = void (*)(void* data, TOleControl& control, uintptr_t word);

struct TOleEventSlot {
  TOleEventHandler code = nullptr;
  void* data = nullptr;
  // Code addresses below 64 KB are never code: such a slot is empty.
  bool Empty() const { return reinterpret_cast<uintptr_t>(code) < 0x10000; }
};

// Event handlers of this version and above take one word; older kinds used
// an argument block that no kind of ours needs.
constexpr int kOneWordEventsVersion = 300;

struct TOleControlData {
  CLSID classId;
  IID eventsId;
  uint32_t stockFlags = 0;
  uint32_t creationOptions = 0;
  int fontCount = 0;
  int version = 0;
  // The event DISPIDs; each control has one handler slot per entry.
  std::vector<DISPID> eventIds;
  // Live controls of the kind.
  int instanceCount = 0;
};

}  // namespace host::activex
