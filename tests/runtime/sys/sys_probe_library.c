/* Exports for the library tests: one name only with the "W" suffix, one with
   and without, and a way to learn when the library is unloaded. */
#ifdef _WIN32
#define PROBE_EXPORT __declspec(dllexport)
#else
#define PROBE_EXPORT __attribute__((visibility("default")))
#endif

static int* unloaded;

PROBE_EXPORT int QelProbeW(void) { return 2; }
PROBE_EXPORT int QelBoth(void) { return 1; }
PROBE_EXPORT int QelBothW(void) { return 3; }
PROBE_EXPORT void QelProbeWatch(int* flag) { unloaded = flag; }

__attribute__((destructor)) static void Unloading(void) {
  if (unloaded) *unloaded = 1;
}
