#pragma once
// A frame that OpenGL draws off-screen and GDI paints into a window: the view control's way of
// presenting where OpenGL drawn into a child window would not reach the screen.
//
// The off-screen target is a pixel buffer (WGL_ARB_pbuffer), OpenGL's own drawable with no window
// behind it. A hidden helper window would do under Wine too, but on Windows the pixels of a window
// that is not on the screen fail OpenGL's pixel ownership test and are undefined; a pixel buffer's
// pixels always belong to it. Its size is the view's, so the frame needs no scaling, and a new
// size means a new buffer of the same pixel format, on which the same rendering context (and so
// every display list) goes on drawing.
//
// The finished frame is read back with glReadPixels as 32-bit BGRA rows from the bottom, which is
// exactly a bottom-up 32-bit DIB, and painted with one SetDIBitsToDevice: no GDI object is needed
// per view or per frame.
#include <cstdint>
#include <memory>
#include <vector>

#include "glview/opengl_api.h"
// After opengl_api.h, which brings the Windows and OpenGL headers it needs.
#include <GL/wglext.h>

namespace glview {

class TOffscreenFrame {
public:
  // A buffer of the given size (at least 1 x 1) in an RGBA format with at least the colour bits
  // of `wanted`, as many of its depth bits as the driver offers, up to them (32, else 24, else
  // 16), and no alpha bits where the driver has such a format; nullptr when the driver has no pixel
  // buffers or cannot make one. Leaves no rendering context current.
  // The buffer is made on `device`, the DC of the window the frame is painted into.
  static std::unique_ptr<TOffscreenFrame> Create(const TOpenGLApi& gl,
                                                 const PIXELFORMATDESCRIPTOR& wanted, HDC device,
                                                 int width, int height);
  virtual ~TOffscreenFrame();
  TOffscreenFrame(const TOffscreenFrame&) = delete;
  TOffscreenFrame& operator=(const TOffscreenFrame&) = delete;

  // The buffer's device context, for wglCreateContext and wglMakeCurrent.
  HDC DC() const { return FDC; }
  int PixelFormat() const { return FPixelFormat; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  // A new buffer on `device` for a new size (at least 1 x 1) in the same pixel format, with
  // `context` made current on it. False, with the old buffer kept and nothing else changed, when
  // the new one cannot be made or the context cannot draw on it.
  bool Resize(HDC device, int width, int height, HGLRC context);

  // Whether the driver has taken the buffer's memory (a display-mode change can): it must then
  // be made anew. Renew does that, at the same size, on the same terms as Resize.
  virtual bool Lost() const;
  bool Renew(HDC device, HGLRC context);

  // Reads the finished frame back (the rendering context current on DC()) and paints it with its
  // bottom-left corner at the bottom-left of the buffer's size, from (0, 0) of `window`.
  void PaintInto(HDC window);

  // The WGL_ARB_pbuffer entry points, taken with a helper context (they are the driver's).
  struct TEntries;

protected:
  // Takes over a made frame, buffer and all (for frames that watch or change what it reports).
  TOffscreenFrame(TOffscreenFrame&& made) noexcept;

private:
  TOffscreenFrame(const TOpenGLApi& gl, std::unique_ptr<TEntries> entries, int pixelFormat);
  bool Replace(HDC device, int width, int height, HGLRC context);
  // A buffer and its DC in this frame's pixel format; false (nothing made) when it cannot be made.
  bool MakeBuffer(HDC device, int width, int height, HPBUFFERARB& buffer, HDC& dc) const;
  void FreeBuffer(HPBUFFERARB buffer, HDC dc) const;

  const TOpenGLApi* FGL;
  std::unique_ptr<TEntries> FEntries;
  int FPixelFormat;
  HPBUFFERARB FBuffer = nullptr;
  HDC FDC = nullptr;
  int FWidth = 0, FHeight = 0;
  std::vector<std::uint32_t> FPixels; // the last frame read back, reused from frame to frame
};

} // namespace glview
