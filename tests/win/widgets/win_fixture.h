#pragma once
// A visible, active test form on the real desktop, with every error box recorded instead of
// shown, and helpers to read back what the screen shows.
#include "ui/application.h"
#include "ui/form.h"
#include "ui/gdi_bookkeeping.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <windows.h>

namespace widgets::test {

// One form for the whole suite: creating and destroying a visible top-level window costs Wine
// seconds each time without a window manager. Each test starts with an empty, active form.
class TWinFixture : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    sharedForm = new ui::TForm(&ui::Application());
    sharedForm->SetBorderStyle(ui::TFormBorderStyle::bsNone);
    sharedForm->SetBounds(40, 40, 400, 200);
  }

  static void TearDownTestSuite() {
    delete sharedForm;
    sharedForm = nullptr;
  }

  void SetUp() override {
    gdiBefore = ui::GdiDeleteReport();
    savedErrorBox = ui::Application().Seams().ErrorBox;
    ui::Application().Seams().ErrorBox = [this](HWND, const std::string& text, const std::string&) {
      errors.push_back(text);
    };
    form = sharedForm;
    form->SetColor(ui::clBlack);
    form->SetModalResult(0);
    form->OnMouseDown = nullptr;
    if (form->HandleAllocated()) {
      HWND w = form->Handle();
      SetWindowLongW(w, GWL_STYLE, GetWindowLongW(w, GWL_STYLE) | WS_CLIPCHILDREN);
    }
  }

  void TearDown() override {
    form->DestroyComponents();
    Pump();
    ui::Application().Seams().ErrorBox = savedErrorBox;
    EXPECT_TRUE(errors.empty()) << errors.front();
    // No GDI object went while still selected, and every delete succeeded.
    EXPECT_EQ(ui::GdiDeleteReport().SelectedAtDelete, gdiBefore.SelectedAtDelete);
    EXPECT_EQ(ui::GdiDeleteReport().FailedDeletes, gdiBefore.FailedDeletes);
  }

  // Loads the components (as the end of a window description does), shows and activates.
  void ShowForm() {
    form->AfterConstruction();
    form->Show();
    SetActiveWindow(form->Handle());
    InvalidateRect(form->Handle(), nullptr, TRUE);
    Pump();
    ASSERT_EQ(GetActiveWindow(), form->Handle());
  }

  static void Pump() {
    for (int i = 0; i < 3; ++i)
      ui::Application().ProcessMessages();
  }

  // What the screen shows at a client point of a window.
  static COLORREF ScreenPixel(HWND window, int x, int y) {
    UpdateWindow(window);
    HDC dc = GetDC(window);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
  }

  // Moves the mouse pointer and waits until the system reports it there steadily: on a display
  // the pointer's move arrives asynchronously, and a late report of the old position can move it
  // back. Hover tests read GetCursorPos.
  static void MoveCursor(int x, int y) {
    int steady = 0;
    for (int attempt = 0; attempt < 100 && steady < 3; ++attempt) {
      POINT at;
      GetCursorPos(&at);
      if (at.x == x && at.y == y) {
        ++steady;
      } else {
        steady = 0;
        SetCursorPos(x, y);
      }
      Sleep(20);
      Pump();
    }
  }

  static POINT ScreenPoint(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    return p;
  }

  ui::TForm* form = nullptr;
  std::vector<std::string> errors;

private:
  static inline ui::TForm* sharedForm = nullptr;
  decltype(ui::TSeams::ErrorBox) savedErrorBox;
  ui::TGdiDeleteReport gdiBefore;
};

} // namespace widgets::test
