#include "glview/speed_text.h"

#include "ui/exception.h"

#include <gtest/gtest.h>

namespace glview {
namespace {

TEST(SpeedFromText, ReadsSignedDecimalNumbers) {
  EXPECT_EQ(SpeedFromText("0"), 0);
  EXPECT_EQ(SpeedFromText("1"), 1);
  EXPECT_EQ(SpeedFromText("-2"), -2);
  EXPECT_EQ(SpeedFromText("+7"), 7);
  EXPECT_EQ(SpeedFromText("  12"), 12);
  EXPECT_EQ(SpeedFromText("007"), 7);
  EXPECT_EQ(SpeedFromText("2147483647"), 2147483647);
  EXPECT_EQ(SpeedFromText("-2147483648"), -2147483647 - 1);
}

TEST(SpeedFromText, RejectsAnythingElseWithTheTextInTheMessage) {
  for (const char* text : {"abc", "", " ", "-", "1.5", "12 ", "1e3", "2147483648", "-2147483649",
                           "99999999999999999999999", "\xEF\xFF"}) {
    try {
      SpeedFromText(text);
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const ui::EConvertError& e) {
      EXPECT_EQ(e.Message(), std::string("'") + text + "' is not a valid integer value");
    }
  }
}

} // namespace
} // namespace glview
