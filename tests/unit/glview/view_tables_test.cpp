#include "glview/gl_error.h"
#include "glview/materials.h"
#include "glview/scale_color.h"
#include "glview/view_options.h"
#include "glview/window_fit.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace glview {
namespace {

TEST(Materials, RowsHoldTheTableValues) {
  const TMaterial& standard = Materials[0];
  EXPECT_FLOAT_EQ(standard.Ambient[0], 0.2f);
  EXPECT_FLOAT_EQ(standard.Diffuse[1], 0.8f);
  EXPECT_FLOAT_EQ(standard.Specular[2], 0.5f);
  EXPECT_FLOAT_EQ(standard.Shininess * 128, 64.0f);

  const TMaterial& emerald = Materials[1];
  EXPECT_FLOAT_EQ(emerald.Ambient[1], 0.1745f);
  EXPECT_FLOAT_EQ(emerald.Specular[1], 0.727811f);

  const TMaterial& steel = Materials[8];
  EXPECT_FLOAT_EQ(steel.Ambient[0], 0.323512f);
  EXPECT_FLOAT_EQ(steel.Diffuse[2], 0.513725f);
  EXPECT_FLOAT_EQ(steel.Specular[2], 0.907843f);
  EXPECT_FLOAT_EQ(steel.Shininess, 0.21794872f);

  const TMaterial& bronze = Materials[9];
  EXPECT_FLOAT_EQ(bronze.Diffuse[2], 0.18144f);
  EXPECT_FLOAT_EQ(Materials[15].Specular[0], 0.50196075f);
  EXPECT_FLOAT_EQ(Materials[21].Specular[0], 0.04f);

  const TMaterial& yellowRubber = Materials[25];
  EXPECT_FLOAT_EQ(yellowRubber.Ambient[1], 0.05f);
  EXPECT_FLOAT_EQ(yellowRubber.Ambient[2], 0.0f);
  EXPECT_FLOAT_EQ(yellowRubber.Specular[2], 0.04f);
  EXPECT_FLOAT_EQ(yellowRubber.Shininess * 128, 10.0f);
}

TEST(Materials, NamesAreTheWindows1251TextsInTableOrder) {
  EXPECT_EQ(MaterialNames[0], "Изумруд");
  EXPECT_EQ(MaterialNames[7], "Сталь");
  EXPECT_EQ(MaterialNames[8], "Бронза"); // the ninth entry selects row 9
  EXPECT_EQ(MaterialNames[13], "Черный пластик");
  EXPECT_EQ(MaterialNames[24], "Желтый каучук");
  // "Медь" in Windows-1251: one byte per letter.
  EXPECT_EQ(MaterialNames[10], std::string_view("\xCC\xE5\xE4\xFC"));
}

TEST(ScaleColor, ScalesEachByteOfThePulseColours) {
  // The About window's three pulse bases at the pulse factors (sin(a) + 2) / 3 it uses.
  EXPECT_EQ(ScaleColor(0xFFFF00, 2.0 / 3.0), 0xAAAA00u);           // aqua, sin 0
  EXPECT_EQ(ScaleColor(0xFFFF00, 1.0), 0xFFFF00u);                 // aqua at its peak
  EXPECT_EQ(ScaleColor(0xFFFF00, 1.0 / 3.0), 0x555500u);           // aqua at its trough
  EXPECT_EQ(ScaleColor(0x00FF00, 0.9587688933479545), 0x00F400u);  // lime, 244.486
  EXPECT_EQ(ScaleColor(0x00FFFF, 0.37456443998537886), 0x006060u); // yellow, 95.514
  EXPECT_EQ(ScaleColor(0x00FFFF, 0.5060821086327616), 0x008181u);  // yellow, 129.05
}

TEST(ScaleColor, RoundsHalvesToEvenAndKeepsTheHighByte) {
  EXPECT_EQ(ScaleColor(0x0301FF, 0.5), 0x020080u); // 1.5 -> 2, 0.5 -> 0, 127.5 -> 128
  EXPECT_EQ(ScaleColor(0x050705, 0.5), 0x020402u); // 2.5 -> 2, 3.5 -> 4
  EXPECT_EQ(ScaleColor(0x80000005, 2.0), 0x8000000Au);
  EXPECT_EQ(ScaleColor(0x1FFFFFFF, 0.0), 0x1F000000u);
  // Products beyond a byte keep their low 8 bits.
  EXPECT_EQ(ScaleColor(0x0000FF, 2.0), 0x0000FEu);
  EXPECT_EQ(ScaleColor(0x000001, -1.0), 0x0000FFu);
  EXPECT_EQ(ScaleColor(0x123456, std::numeric_limits<double>::quiet_NaN()), 0u);
}

TEST(FitFactors, ShrinkTheLongerSide) {
  EXPECT_EQ(FitFactors(400, 200), (TAspect{0.5f, 1.0f}));
  EXPECT_EQ(FitFactors(200, 400), (TAspect{1.0f, 0.5f}));
  EXPECT_EQ(FitFactors(300, 300), (TAspect{1.0f, 1.0f}));
  EXPECT_EQ(FitFactors(455, 361), (TAspect{static_cast<float>(361.0 / 455.0), 1.0f}));
}

TEST(FitFactors, WaitForAClientArea) {
  EXPECT_FALSE(FitFactors(0, 200).has_value());
  EXPECT_FALSE(FitFactors(200, 0).has_value());
  EXPECT_FALSE(FitFactors(0, 0).has_value());
  EXPECT_FALSE(FitFactors(-5, 10).has_value());
}

TEST(RefitScale, ChangesTheFitRelativeToThePreviousOne) {
  EXPECT_EQ(RefitScale({0.5f, 1.0f}, {1.0f, 0.5f}), (TAspect{2.0f, 0.5f}));
  EXPECT_EQ(RefitScale({1.0f, 1.0f}, {1.0f, 1.0f}), (TAspect{1.0f, 1.0f}));
  // Nothing fitted yet: the whole fit.
  EXPECT_EQ(RefitScale({0.0f, 0.0f}, {0.25f, 1.0f}), (TAspect{0.25f, 1.0f}));
  for (TAspect from : {TAspect{0.5f, 1.0f}, TAspect{1.0f, 1e-3f}, TAspect{}}) {
    const TAspect scale = RefitScale(from, {1.0f, 1.0f / 4000});
    EXPECT_TRUE(std::isfinite(scale.X) && std::isfinite(scale.Y));
  }
}

TEST(GLErrorText, NamesEveryOpenGLErrorAfterTheStage) {
  const std::pair<unsigned, const char*> cases[] = {
      {0x0500, "Ошибка матрицы проекций (Недопустимое значение)"},
      {0x0501, "Ошибка матрицы проекций (Значение вне диапазона)"},
      {0x0502, "Ошибка матрицы проекций (Недопустимая операция)"},
      {0x0503, "Ошибка матрицы проекций (Стек переполнен)"},
      {0x0504, "Ошибка матрицы проекций (Стек недополнен)"},
      {0x0505, "Ошибка матрицы проекций (Не хватает памяти)"},
  };
  for (const auto& [code, message] : cases) {
    try {
      RaiseGLError(code, "Ошибка матрицы проекций");
      ADD_FAILURE() << "no exception for " << code;
    } catch (const EOpenGLError& e) {
      EXPECT_EQ(e.Message(), message);
    }
  }
  for (unsigned quiet : {0x0000u, 0x0506u, 0x04FFu, 0x8031u})
    EXPECT_NO_THROW(RaiseGLError(quiet, "Ошибка прорисовки"));
}

TEST(OptionSets, HoldTheirMembersInDeclarationBits) {
  TPossibility possibility{pPopupMenu, pMouseControl};
  EXPECT_EQ(possibility.Bits(), 3);
  possibility.Exclude(pPopupMenu);
  EXPECT_FALSE(possibility.Contains(pPopupMenu));
  EXPECT_TRUE(possibility.Contains(pMouseControl));
  EXPECT_EQ((TOptionsPossibility{opBackground, opLight}).Bits(), 3);
  EXPECT_EQ((TObjectMenuOptions{moColor, moMaterial, moFillMode, moVisibility}).Bits(), 15);
  EXPECT_TRUE(TObjectMenuOptions{}.Empty());
}

} // namespace
} // namespace glview
