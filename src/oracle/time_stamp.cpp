#include "oracle/time_stamp.h"

#include <chrono>

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#include <x86intrin.h>
#endif

namespace oracle {
namespace {

#if defined(__i386__) || defined(__x86_64__)
bool HasTimeStampCounter() {
  static const bool has = [] {
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    return __get_cpuid(1, &eax, &ebx, &ecx, &edx) && (edx & (1u << 4)) != 0; // EDX bit 4: TSC;
  }();
  return has;
}
#endif

// steady_clock is QueryPerformanceCounter under MinGW and CLOCK_MONOTONIC on Linux.
std::uint64_t PerformanceCounter() {
  return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

} // namespace

std::uint64_t ReadTimeStamp() {
#if defined(__i386__) || defined(__x86_64__)
  if (HasTimeStampCounter())
    return __rdtsc();
#endif
  return PerformanceCounter();
}

} // namespace oracle
