#pragma once
#include <cstdint>

namespace oracle {

// The processor's time-stamp counter now. Where the processor has none (or this is not x86),
// the platform's high-resolution counter stands in: the draw needs only a fast-running count.
std::uint64_t ReadTimeStamp();

} // namespace oracle
