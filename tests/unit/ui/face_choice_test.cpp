#include "ui/face_choice.h"

#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace ui {
namespace {

// A system with these faces; every face asked about is noted.
struct TSystem {
  std::set<std::wstring> faces;
  std::vector<std::wstring> asked;

  std::wstring Use(std::wstring_view face, bool underWine) {
    return FaceToUse(face, underWine, [this](std::wstring_view name) {
      asked.emplace_back(name);
      return faces.count(std::wstring(name)) > 0;
    });
  }
};

TEST(FaceChoice, OnlyUnderWineIsAMissingFaceReplacedAndNeverOneThatIsThere) {
  TSystem debian{{L"Liberation Serif", L"DejaVu Serif", L"Tahoma", L"Georgia Pro"}, {}};
  EXPECT_EQ(debian.Use(L"Georgia", false), L"Georgia");
  EXPECT_TRUE(debian.asked.empty()); // outside Wine the system is not even asked
  EXPECT_EQ(debian.Use(L"Georgia", true), L"DejaVu Serif");
  EXPECT_EQ(debian.Use(L"Georgia Pro", true), L"Georgia Pro");
  EXPECT_EQ(debian.Use(L"Tahoma", true), L"Tahoma");
  EXPECT_EQ(debian.Use(L"", true), L""); // the system's own choice stays its own
}

TEST(FaceChoice, StandInsComeInTheirOrderAndOfTheFaceKind) {
  TSystem liberationOnly{{L"Liberation Serif", L"Tahoma"}, {}};
  EXPECT_EQ(liberationOnly.Use(L"Georgia", true), L"Liberation Serif");
  EXPECT_EQ(liberationOnly.asked,
            (std::vector<std::wstring>{L"Georgia", L"DejaVu Serif", L"Liberation Serif"}));
  // A sans-serif face is not replaced by a serif one.
  EXPECT_EQ(liberationOnly.Use(L"Microsoft Sans Serif", true), L"Tahoma");
  EXPECT_EQ(liberationOnly.Use(L"SOME SANS", true), L"Tahoma");

  TSystem bare{{L"Tahoma"}, {}};
  EXPECT_EQ(bare.Use(L"Georgia", true), L"Georgia"); // nothing better: Wine's own mapping
}

} // namespace
} // namespace ui
