#pragma once
// The answer draw: one number per Enter press, straight from the processor's clock counter.
#include <cstdint>
#include <string>

namespace oracle {

// 12^8: the answer code runs through eight base-12 digits.
inline constexpr std::uint32_t kAnswerCodeRange = 429981696u;

// Reduces a time stamp to an answer code: drop the two lowest bits, then modulo 12^8.
constexpr std::uint32_t DrawAnswerCode(std::uint64_t timeStamp) {
  return static_cast<std::uint32_t>((timeStamp >> 2) % kAnswerCodeRange);
}

// Digit k (0 = least significant) of an answer code, 0..11.
constexpr int AnswerDigit(std::uint32_t answerCode, int k) {
  std::uint32_t m = answerCode;
  for (int i = 0; i < k; ++i)
    m /= 12;
  return static_cast<int>(m % 12);
}

// The eight base-12 digits, most significant first, "0".."9", "A", "B".
std::string CodeToText(std::uint32_t answerCode);

} // namespace oracle
