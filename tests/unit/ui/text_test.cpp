#include "ui/accel_text.h"
#include "ui/cp1251.h"
#include "ui/error_text.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(ErrorBoxText, AddsAFullStopOnlyAfterCharactersAboveIt) {
  EXPECT_EQ(ErrorBoxText("File access denied"), "File access denied.");
  EXPECT_EQ(ErrorBoxText("I/O error 32"), "I/O error 32.");
  EXPECT_EQ(ErrorBoxText("Вырожденная матрица"), "Вырожденная матрица.");
  EXPECT_EQ(ErrorBoxText("Really?"), "Really?.");
  EXPECT_EQ(ErrorBoxText("Done."), "Done.");
  EXPECT_EQ(ErrorBoxText("Stop!"), "Stop!");
  EXPECT_EQ(ErrorBoxText("(Недопустимая операция)"), "(Недопустимая операция)");
  EXPECT_EQ(ErrorBoxText("a-"), "a-");
  EXPECT_EQ(ErrorBoxText(""), "");
}

TEST(Cp1251, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b)
    all.push_back(static_cast<char>(b));
  const std::u16string wide = Cp1251ToUtf16(all);
  ASSERT_EQ(wide.size(), all.size());
  EXPECT_EQ(Utf16ToCp1251(wide), all);
  EXPECT_EQ(Cp1251ToUtf16("Я")[0], u'Я');
  EXPECT_EQ(Cp1251ToUtf16("ё")[0], u'ё');
  EXPECT_EQ(Cp1251ToUtf16("№")[0], u'№');
}

TEST(Cp1251, CharactersWindows1251CannotHoldBecomeOneQuestionMarkEach) {
  // Outside a macro argument: the macro's stringified text must itself be Windows-1251.
  const std::u16string foreign = u"Zo\u00EB \u03A9 \u4E2D";
  EXPECT_EQ(Utf16ToCp1251(foreign), "Zo? ? ?");
  const std::u16string pair = u"a\U0001F600b"; // a surrogate pair is one character
  EXPECT_EQ(Utf16ToCp1251(pair), "a?b");
  EXPECT_EQ(Utf16ToCp1251(std::u16string(u"x") + char16_t(0xD800) + u"y"), "x?y");
  EXPECT_EQ(Utf16ToCp1251(u"Привет\r\n"), "Привет\r\n");
  EXPECT_EQ(Utf16ToCp1251(std::u16string(1, u'\0')), std::string(1, '\0'));
}

TEST(AcceleratorText, ShownTextAndAccelerator) {
  EXPECT_EQ(StripAccelerators("&Закрыть"), "Закрыть");
  EXPECT_EQ(StripAccelerators("Tom && Jerry"), "Tom & Jerry");
  EXPECT_EQ(StripAccelerators("a&&&b&"), "a&b");
  EXPECT_EQ(StripAccelerators("plain"), "plain");
  EXPECT_EQ(AcceleratorOf("&Закрыть"), 'З');
  EXPECT_EQ(AcceleratorOf("Tom && &Jerry"), 'J');
  EXPECT_EQ(AcceleratorOf("Tom && Jerry"), '\0');
  EXPECT_EQ(AcceleratorOf("end&"), '\0');
  EXPECT_TRUE(IsAccelerator('з', "&Закрыть"));
  EXPECT_TRUE(IsAccelerator('З', "&Закрыть"));
  EXPECT_TRUE(IsAccelerator('J', "Tom && &jerry"));
  EXPECT_TRUE(IsAccelerator('ё', "&Ёлка"));
  EXPECT_FALSE(IsAccelerator('a', "&Закрыть"));
  EXPECT_FALSE(IsAccelerator('&', "a && b"));
}

} // namespace
} // namespace ui
