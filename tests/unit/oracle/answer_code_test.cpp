#include "oracle/answer_code.h"

#include <gtest/gtest.h>

namespace oracle {
namespace {

TEST(CodeToText, WritesEightBase12DigitsMostSignificantFirst) {
  EXPECT_EQ(CodeToText(0), "00000000");
  EXPECT_EQ(CodeToText(1), "00000001");
  EXPECT_EQ(CodeToText(11), "0000000B");
  EXPECT_EQ(CodeToText(12), "00000010");
  EXPECT_EQ(CodeToText(123456789), "35418A99");
  EXPECT_EQ(CodeToText(kAnswerCodeRange - 1), "BBBBBBBB");
}

TEST(CodeToText, EveryDigitPositionCarriesItsOwnValue) {
  std::uint32_t power = 1;
  for (int k = 0; k < 8; ++k, power *= 12) {
    std::string expected(8, '0');
    expected[7 - k] = 'A';
    EXPECT_EQ(CodeToText(10 * power), expected) << "digit " << k;
    EXPECT_EQ(AnswerDigit(10 * power, k), 10);
    EXPECT_EQ(AnswerDigit(10 * power, (k + 1) % 8), 0);
  }
}

TEST(DrawAnswerCode, DropsTheTwoLowBitsAndReducesModulo12To8) {
  EXPECT_EQ(DrawAnswerCode(0), 0u);
  EXPECT_EQ(DrawAnswerCode(4ull * 429981696 + 4 * 5 + 3), 5u);
  EXPECT_EQ(DrawAnswerCode(3), 0u);
  EXPECT_EQ(DrawAnswerCode(~0ull), 240517119u);
  EXPECT_EQ(CodeToText(DrawAnswerCode(~0ull)), "68670193");
}

} // namespace
} // namespace oracle
