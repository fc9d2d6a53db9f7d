// The faces fonts are made with, on the real system: a face it has is used as asked, a face it
// lacks is replaced under Wine by an installed stand-in and kept as asked outside Wine.
#include "ui/face_replacement.h"
#include "ui/graphics.h"
#include "ui/under_wine.h"
#include "ui/win_text.h"

#include <gtest/gtest.h>

#include <string>

namespace ui {
namespace {

constexpr wchar_t kMissing[] = L"Tarvel Missing Face";

int CALLBACK TakeFirst(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM face) {
  *reinterpret_cast<std::wstring*>(face) = font->lfFaceName;
  return 0;
}

// A face the system has with the Cyrillic set, as GDI lists it.
std::wstring SomeCyrillicFace() {
  LOGFONTW any{};
  any.lfCharSet = RUSSIAN_CHARSET;
  std::wstring face;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &any, TakeFirst, reinterpret_cast<LPARAM>(&face), 0);
  ReleaseDC(nullptr, screen);
  return face;
}

std::wstring FaceOf(const TFont& font) {
  LOGFONTW made{};
  GetObjectW(font.Handle(), sizeof made, &made);
  return made.lfFaceName;
}

TEST(FaceReplacement, AFaceTheSystemHasIsUsedAsAskedEverywhere) {
  const std::wstring present = SomeCyrillicFace();
  ASSERT_FALSE(present.empty());
  EXPECT_TRUE(FaceInstalled(present, RUSSIAN_CHARSET));
  EXPECT_TRUE(FaceInstalled(present, DEFAULT_CHARSET));
  std::wstring shouted = present;
  for (wchar_t& c : shouted)
    c = static_cast<wchar_t>(towupper(c));
  EXPECT_TRUE(FaceInstalled(shouted, RUSSIAN_CHARSET));
  EXPECT_EQ(FaceForFont(present, RUSSIAN_CHARSET, true), present);
  EXPECT_EQ(FaceForFont(present, RUSSIAN_CHARSET, false), present);

  TFont font;
  font.SetName(FromWide(present));
  font.SetCharset(RUSSIAN_CHARSET);
  EXPECT_EQ(FaceOf(font), present);
}

TEST(FaceReplacement, AMissingFaceIsReplacedUnderWineOnlyByAnInstalledOneOfItsSet) {
  EXPECT_FALSE(FaceInstalled(kMissing, RUSSIAN_CHARSET));
  EXPECT_EQ(FaceForFont(kMissing, RUSSIAN_CHARSET, false), kMissing);
  const std::wstring standIn = FaceForFont(kMissing, RUSSIAN_CHARSET, true);
  EXPECT_NE(standIn, kMissing);
  EXPECT_TRUE(FaceInstalled(standIn, RUSSIAN_CHARSET)) << "no stand-in installed";

  // What the windows' fonts are made with: the stand-in under Wine, the face asked for on
  // Windows (where the system maps it as it always has).
  TFont font;
  font.SetName(FromWide(kMissing));
  font.SetCharset(RUSSIAN_CHARSET);
  font.SetStyle(fsItalic);
  EXPECT_EQ(FaceOf(font), RunningUnderWine() ? standIn : kMissing);
  EXPECT_EQ(font.LogFont().lfFaceName, std::wstring(kMissing)); // the description is untouched

  LOGFONTW description = font.LogFont();
  UseInstalledFace(description);
  EXPECT_EQ(description.lfFaceName, RunningUnderWine() ? standIn : kMissing);
}

} // namespace
} // namespace ui
