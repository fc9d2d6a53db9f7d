#include "glview/extension_list.h"
#include "glview/present_way.h"

#include <gtest/gtest.h>

namespace glview {
namespace {

TEST(PresentWay, TheEnvironmentOverridesThePlatformsDefault) {
  struct Case {
    const char* override;
    bool underWine;
    TPresentWay expected;
  };
  const Case cases[] = {
      {"", true, TPresentWay::Gdi},          {"", false, TPresentWay::Native},
      {"native", true, TPresentWay::Native}, {"NATIVE", true, TPresentWay::Native},
      {"gdi", false, TPresentWay::Gdi},      {"Gdi", false, TPresentWay::Gdi},
      {"opengl", true, TPresentWay::Gdi},    {"gdi ", false, TPresentWay::Native},
      {"nat", false, TPresentWay::Native},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ChoosePresentWay(c.override, c.underWine), c.expected)
        << "'" << c.override << "' under Wine " << c.underWine;
}

TEST(ExtensionList, FindsWholeNamesOnly) {
  const char* list = "WGL_ARB_pixel_format_float WGL_ARB_pbuffer_x WGL_EXT_swap_control";
  EXPECT_FALSE(ListsExtension(list, "WGL_ARB_pbuffer"));
  EXPECT_FALSE(ListsExtension(list, "WGL_ARB_pixel_format"));
  EXPECT_FALSE(ListsExtension(list, "ARB_pbuffer_x"));
  EXPECT_TRUE(ListsExtension(list, "WGL_EXT_swap_control"));
  EXPECT_TRUE(ListsExtension("WGL_ARB_pbuffer_x WGL_ARB_pbuffer ", "WGL_ARB_pbuffer"));
  EXPECT_TRUE(ListsExtension("WGL_ARB_pbuffer", "WGL_ARB_pbuffer"));
  EXPECT_FALSE(ListsExtension("", "WGL_ARB_pbuffer"));
  EXPECT_FALSE(ListsExtension("WGL_ARB_pbuffer", ""));
}

} // namespace
} // namespace glview
