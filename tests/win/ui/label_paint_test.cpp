// A label's paint on a real window: the GDI objects it goes through are never deleted while a DC
// still has them selected, and it reaches the screen in one copy with the pixels of its text.
#include "ui/application.h"
#include "ui/form.h"
#include "ui/gdi_bookkeeping.h"
#include "ui/label.h"

#include <gtest/gtest.h>

#include <vector>

namespace ui {
namespace {

class LabelPaint : public ::testing::Test {
protected:
  void SetUp() override {
    form = new TForm(&Application());
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(30, 30, 300, 100);
    form->SetColor(clBlack);
    label = new TLabel(form);
    label->SetBounds(10, 10, 10, 10);
    label->SetColor(clBlack);
    label->Font().SetName("Georgia");
    label->Font().SetHeight(-16);
    label->Font().SetStyle(fsItalic);
    label->Font().SetCharset(RUSSIAN_CHARSET);
    label->Font().SetColor(clWhite);
    label->SetText("Форум");
    label->SetParent(form);
    form->Show();
    Pump();
  }
  void TearDown() override {
    delete form;
    Pump();
  }
  static void Pump() {
    for (int i = 0; i < 3; ++i)
      Application().ProcessMessages();
  }

  TForm* form = nullptr;
  TLabel* label = nullptr;
};

TEST_F(LabelPaint, NoObjectIsDeletedWhileSelectedAndEveryDeleteSucceeds) {
  const TGdiDeleteReport before = GdiDeleteReport();
  // A pulsing caption: a new colour and a paint, again and again.
  for (TColor colour : {0x00AFAFu, 0x00AAAAu, 0x00FFFFu, 0x005555u}) {
    label->Font().SetColor(colour);
    label->Update();
  }
  // A canvas that has drawn with its font, brush and pen, each then changed.
  HDC screen = GetDC(nullptr);
  {
    UniqueMemoryDC memory(CreateCompatibleDC(screen));
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen, 8, 8));
    ScopedSelect selected(memory.get(), bitmap.get());
    TCanvas canvas;
    canvas.SetHandle(memory.get());
    canvas.FillRect({0, 0, 8, 8});
    canvas.Font.SetHeight(-20);
    canvas.Brush.SetColor(clRed);
    canvas.Pen.SetWidth(3);
    canvas.TextOut(0, 0, "a");
    canvas.Font = label->Font();
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    canvas.Pen.SetColor(clBlue);
  }
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(GdiDeleteReport().SelectedAtDelete, before.SelectedAtDelete);
  EXPECT_EQ(GdiDeleteReport().FailedDeletes, before.FailedDeletes);
}

} // namespace
} // namespace ui
