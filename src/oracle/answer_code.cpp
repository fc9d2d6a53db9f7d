#include "oracle/answer_code.h"

namespace oracle {

std::string CodeToText(std::uint32_t answerCode) {
  static constexpr char kDigits[] = "0123456789AB";
  std::string text(8, '0');
  std::uint32_t m = answerCode;
  for (int i = 7; i >= 0; --i) {
    text[i] = kDigits[m % 12];
    m /= 12;
  }
  return text;
}

} // namespace oracle
