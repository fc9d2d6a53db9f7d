#pragma once
// The About window made as start-up makes it (owned by the application, loaded, hidden), with
// the error box and the link opener replaced by recorders, and helpers that read back what the
// real windows show.
#include "../client_pixels.h"
#include "about/about_form.h"
#include "ui/application.h"
#include "ui/gdi_bookkeeping.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include <windows.h>

namespace about::test {

struct TLinkCall {
  HWND owner;
  std::string address;
};

// Every pixel of a window's client area as the screen shows it (0x00BBGGRR), row by row.
struct TShot {
  int width = 0, height = 0;
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  int Count(COLORREF colour) const {
    int n = 0;
    for (COLORREF p : pixels)
      n += p == colour;
    return n;
  }
};

inline TShot Shoot(HWND window) {
  UpdateWindow(window);
  RECT client;
  GetClientRect(window, &client);
  TShot shot;
  shot.width = client.right;
  shot.height = client.bottom;
  for (const std::uint32_t q : testing_support::ReadClientPixels(window, client))
    shot.pixels.push_back(RGB((q >> 16) & 0xFF, (q >> 8) & 0xFF, q & 0xFF)); // 0x00RRGGBB
  return shot;
}

// A child's rectangle in its parent's client coordinates.
inline RECT RectIn(HWND child, HWND parent) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

class AboutTest : public ::testing::Test {
protected:
  void SetUp() override {
    gdiBefore_ = ui::GdiDeleteReport();
    saved_ = ui::Application().Seams();
    ui::Application().Seams().ErrorBox = [this](HWND, const std::string& text, const std::string&) {
      errors.push_back(text);
    };
    ui::Application().Seams().OpenLink = [this](HWND owner, const std::string& address) {
      links.push_back({owner, address});
    };
    // The real mouse out of the way: a pointer left over a link (by an earlier test, or an
    // earlier run of these tests) would recolour it as soon as the window shows.
    SetCursorPos(1, 1);
    // As start-up makes it, but not as the main form: the conversation window is that.
    about = new TAboutFrm(&ui::Application());
    about->AfterConstruction();
    // The pulse ticks from the test from here on; no message has been dispatched yet, so no
    // real tick has come.
    timerEnabledAtCreation = about->Timer1->Enabled();
    about->Timer1->SetEnabled(false);
  }

  void TearDown() override {
    delete about;
    ui::Application().ProcessMessages();
    ui::Application().Seams() = saved_;
    EXPECT_TRUE(errors.empty()) << errors.front();
    // No GDI object went while still selected, and every delete succeeded.
    EXPECT_EQ(ui::GdiDeleteReport().SelectedAtDelete, gdiBefore_.SelectedAtDelete);
    EXPECT_EQ(ui::GdiDeleteReport().FailedDeletes, gdiBefore_.FailedDeletes);
  }

  // As the Help item shows it, with its paints done.
  void ShowAbout() {
    about->Show();
    Pump();
  }

  static void Pump() {
    for (int i = 0; i < 3; ++i)
      ui::Application().ProcessMessages();
  }

  // The view's animation timer: the one timer the view owns.
  ui::TTimer* AnimationTimer() const {
    for (int i = 0; i < about->OpenGL1->ComponentCount(); ++i)
      if (auto* timer = dynamic_cast<ui::TTimer*>(about->OpenGL1->Components(i)))
        return timer;
    return nullptr;
  }

  // The view's frame as OpenGL drew it in a paint now, rows from the bottom: from the buffer it
  // draws on, its back buffer natively (under Wine the swap leaves it as it was, and a child
  // window's front buffer cannot be read), the off-screen buffer in the GDI way. (On the screen
  // the memo covers the view's first column.)
  std::vector<std::array<int, 3>> ViewFrame() {
    glview::TOpenGL& view = *about->OpenGL1;
    view.Invalidate();
    view.Update();
    const int width = view.ClientWidth(), height = view.ClientHeight();
    std::vector<std::uint8_t> bytes(static_cast<size_t>(width) * height * 3);
    const glview::TOpenGLApi& gl = view.GL();
    gl.wglMakeCurrent(view.DrawDC(), view.GetContext());
    GLint drawn = GL_BACK;
    gl.GetIntegerv(GL_DRAW_BUFFER, &drawn);
    gl.ReadBuffer(static_cast<GLenum>(drawn));
    gl.PixelStorei(GL_PACK_ALIGNMENT, 1);
    gl.ReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bytes.data());
    gl.wglMakeCurrent(nullptr, nullptr);
    std::vector<std::array<int, 3>> pixels;
    for (size_t i = 0; i + 2 < bytes.size(); i += 3)
      pixels.push_back({bytes[i], bytes[i + 1], bytes[i + 2]});
    return pixels;
  }

  // A left click as the mouse delivers it, at a client point of a control.
  static void ClickAt(HWND window, int x, int y) {
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    Pump();
  }

  TAboutFrm* about = nullptr;
  bool timerEnabledAtCreation = false;
  std::vector<std::string> errors;
  std::vector<TLinkCall> links;

private:
  ui::TSeams saved_;
  ui::TGdiDeleteReport gdiBefore_;
};

// Degrees of a rotation from its cosine and sine, in (-180, 180].
inline double Degrees(double cosine, double sine) {
  return std::atan2(sine, cosine) * 180.0 / 3.14159265358979323846;
}

// The same angle, brought into (-180, 180].
inline double Wrapped(double degrees) {
  return std::remainder(degrees, 360.0);
}

} // namespace about::test
