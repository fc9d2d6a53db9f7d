#pragma once
// What the Windows benchmarks share: the performance counter as seconds and milliseconds, the
// median of a series, and a conversation of a given size as the area holds it.
#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include <windows.h>

namespace bench {

inline double NowSeconds() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double NowMs() {
  return 1000.0 * NowSeconds();
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Answer-like lines with their line breaks, cut to exactly `bytes` bytes.
inline std::string AnswerLines(std::size_t bytes) {
  std::string text;
  while (text.size() < bytes)
    text += "35418A99 - Не спеши с выводами. Всё решится само собой.\r\n";
  text.resize(bytes);
  return text;
}

} // namespace bench
