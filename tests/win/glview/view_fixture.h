#pragma once
// A form with one 3D view on it, shown, with the error box replaced by a recorder.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../client_pixels.h"
#include "glview/opengl_control.h"
#include "ui/application.h"
#include "ui/form.h"

namespace glview::test {

// Opens the control's internals that a test watches.
class TTestView : public TOpenGL {
public:
  using TCustomOpenGL::AnimationTimer;
  using TCustomOpenGL::MakeCurrent;
  using TOpenGL::TOpenGL;
  const TViewMatrix& ProjectionStep() const { return FProjectionStep; }
  const TOffscreenFrame* Offscreen() const { return FOffscreen.get(); }
};

using TRGB = std::array<int, 3>;

// The client rectangle (x, y, width, height) of a window as GDI reads it back, y upwards as
// OpenGL counts: RGB rows from the bottom.
inline std::vector<std::uint8_t> ReadWindowRGB(HWND window, int x, int y, int width, int height) {
  RECT client;
  GetClientRect(window, &client);
  const int top = client.bottom - y - height;
  const std::vector<std::uint32_t> pixels =
      testing_support::ReadClientPixels(window, {x, top, x + width, top + height});
  std::vector<std::uint8_t> bytes;
  for (int row = height - 1; row >= 0; --row) // bottom-up
    for (int column = 0; column < width; ++column) {
      const std::uint32_t q = pixels[static_cast<size_t>(row) * width + column]; // 0x00RRGGBB
      bytes.insert(bytes.end(), {static_cast<std::uint8_t>(q >> 16),
                                 static_cast<std::uint8_t>(q >> 8), static_cast<std::uint8_t>(q)});
    }
  return bytes;
}

// The client rectangle (x, y, width, height) after the last paint, RGB rows from the bottom as
// OpenGL counts them. Through GDI, the frame is read back from the visible window, as a person
// would see it. Natively, from what OpenGL drew: under Wine the swap copies the back buffer out
// to the window and leaves it as it was, while a child window's front buffer is not readable; a
// single-buffered format has only the front one.
inline std::vector<std::uint8_t> ReadRGB(TOpenGL* target, int x, int y, int width, int height) {
  if (target->PresentWay() == TPresentWay::Gdi)
    return ReadWindowRGB(target->Handle(), x, y, width, height);
  std::vector<std::uint8_t> bytes(static_cast<size_t>(width) * height * 3);
  const TOpenGLApi& gl = target->GL();
  gl.wglMakeCurrent(target->DrawDC(), target->GetContext());
  gl.ReadBuffer(target->IsSwapBuffers() ? GL_BACK : GL_FRONT);
  gl.PixelStorei(GL_PACK_ALIGNMENT, 1);
  gl.ReadPixels(x, y, width, height, GL_RGB, GL_UNSIGNED_BYTE, bytes.data());
  gl.wglMakeCurrent(nullptr, nullptr);
  return bytes;
}

// The colour at client pixel (x, y), y downwards.
inline TRGB PixelAt(TOpenGL* target, int x, int y) {
  const std::vector<std::uint8_t> rgb = ReadRGB(target, x, target->ClientHeight() - 1 - y, 1, 1);
  return {rgb[0], rgb[1], rgb[2]};
}

// Every pixel of the view's last frame, row by row from the top.
inline std::vector<TRGB> Frame(TOpenGL* target) {
  const int width = target->ClientWidth(), height = target->ClientHeight();
  const std::vector<std::uint8_t> bytes = ReadRGB(target, 0, 0, width, height);
  std::vector<TRGB> pixels;
  for (int y = height - 1; y >= 0; --y)
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* p = &bytes[(static_cast<size_t>(y) * width + x) * 3];
      pixels.push_back({p[0], p[1], p[2]});
    }
  return pixels;
}

class ViewTest : public ::testing::Test {
protected:
  // One form for the whole suite: under Wine, destroying a top-level window that has held
  // OpenGL child windows takes about two seconds.
  static void SetUpTestSuite() {
    form = new ui::TForm(nullptr);
    form->SetBounds(40, 40, 320, 240);
    form->Show();
  }
  static void TearDownTestSuite() {
    delete form;
    form = nullptr;
  }

  void SetUp() override {
    savedSeams = ui::Application().Seams();
    ui::Application().Seams().ErrorBox = [this](HWND, const std::string& text, const std::string&) {
      errors.push_back(text);
    };
    view = AddView(0, 0, 100, 50); // its first paint waits for the test: PaintNow
  }
  void TearDown() override {
    for (TTestView* added : views)
      delete added;
    ui::Application().ProcessMessages();
    ui::Application().Seams() = savedSeams;
  }

  // A further view on the form, freed after the test; View picks the class that opens it.
  template <typename View = TTestView> View* AddView(int left, int top, int width, int height) {
    auto* added = new View(form);
    added->SetBounds(left, top, width, height);
    added->SetParent(form);
    views.push_back(added);
    return added;
  }

  // A paint now, as the window system would send it.
  static void PaintNow(TTestView* target) {
    target->Invalidate();
    target->Update();
  }
  void PaintNow() { PaintNow(view); }

  static TRGB PixelAt(TOpenGL* target, int x, int y) { return test::PixelAt(target, x, y); }
  TRGB PixelAt(int x, int y) const { return PixelAt(view, x, y); }
  TRGB Centre() const { return PixelAt(view->ClientWidth() / 2, view->ClientHeight() / 2); }

  // Whether a repaint is pending, and forgetting it.
  static bool RepaintPending(TTestView* target) {
    return GetUpdateRect(target->Handle(), nullptr, FALSE) != FALSE;
  }
  static void ForgetRepaint(TTestView* target) { ValidateRect(target->Handle(), nullptr); }
  bool RepaintPending() const { return RepaintPending(view); }
  void ForgetRepaint() const { ForgetRepaint(view); }

  static inline ui::TForm* form = nullptr;
  ui::TSeams savedSeams;
  std::vector<std::string> errors;
  std::vector<TTestView*> views;
  TTestView* view = nullptr;
};

// A square from -s to s in the plane z = 0, recorded into the current list.
inline void Square(const TOpenGLApi& gl, float s) {
  gl.Begin(GL_QUADS);
  gl.Vertex3f(-s, -s, 0);
  gl.Vertex3f(s, -s, 0);
  gl.Vertex3f(s, s, 0);
  gl.Vertex3f(-s, s, 0);
  gl.End();
}

// An object made of one square, as client code builds it.
inline int AddSquare(TTestView* target, const std::string& name, ui::TColor color, float s = 0.5f) {
  const int index = target->BeginObject(name, color);
  Square(target->GL(), s);
  target->EndObject(index);
  return index;
}

} // namespace glview::test

namespace glview::test {

inline int CountOf(const std::vector<TRGB>& pixels, TRGB colour) {
  int n = 0;
  for (const TRGB& p : pixels)
    n += p == colour;
  return n;
}

// GDI objects of this process: GetGuiResources, or where it reports none (Wine), the live entries
// of the process's GDI handle table, which also answers to a bare entry number.
inline DWORD GdiObjects() {
  DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (count != 0)
    return count;
  for (UINT_PTR entry = 1; entry < 0x10000; ++entry)
    count += GetObjectType(reinterpret_cast<HGDIOBJ>(entry)) != 0 ? 1 : 0;
  return count;
}

// Windows of this thread, children and message-only windows included (Wine's GetGuiResources
// counts no USER objects either).
inline BOOL CALLBACK CountWindow(HWND, LPARAM counter) {
  ++*reinterpret_cast<int*>(counter);
  return TRUE;
}
inline BOOL CALLBACK CountWindowAndChildren(HWND window, LPARAM counter) {
  CountWindow(window, counter);
  EnumChildWindows(window, CountWindow, counter);
  return TRUE;
}
inline int ThreadWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindowAndChildren, reinterpret_cast<LPARAM>(&count));
  for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
       window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr))
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId())
      ++count;
  return count;
}

} // namespace glview::test
