// Milliseconds of the steps that verbose runs report.
#pragma once
#include <cstdint>

class CRunTimer {
public:
  void Start();
  // Milliseconds since the last start; starts again.
  uint32_t ElapsedMs();

private:
  uint32_t started_ = 0;
};
