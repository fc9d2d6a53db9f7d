#include "glview/offscreen_frame.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <utility>

#include "glview/extension_list.h"
#include "ui/handles.h"

namespace glview {

struct TOffscreenFrame::TEntries {
  PFNWGLCHOOSEPIXELFORMATARBPROC ChoosePixelFormat = nullptr;
  PFNWGLGETPIXELFORMATATTRIBIVARBPROC GetPixelFormatAttribiv = nullptr; // optional
  PFNWGLCREATEPBUFFERARBPROC CreatePbuffer = nullptr;
  PFNWGLGETPBUFFERDCARBPROC GetPbufferDC = nullptr;
  PFNWGLRELEASEPBUFFERDCARBPROC ReleasePbufferDC = nullptr;
  PFNWGLDESTROYPBUFFERARBPROC DestroyPbuffer = nullptr;
  PFNWGLQUERYPBUFFERARBPROC QueryPbuffer = nullptr; // for the lost flag; never lost without it

  bool Complete() const {
    return ChoosePixelFormat && CreatePbuffer && GetPbufferDC && ReleasePbufferDC && DestroyPbuffer;
  }
};

namespace {

struct WindowTraits {
  static HWND Invalid() { return nullptr; }
  static void Close(HWND window) { DestroyWindow(window); }
};
using UniqueWindow = ui::UniqueHandle<HWND, WindowTraits>;

// Extension entry points can be asked for only while a context is current, and a pixel buffer's
// format is chosen on some device context: a throwaway context on a window that is never shown
// lends both, and is gone (with nothing current) when this goes.
class THelperContext {
public:
  explicit THelperContext(const TOpenGLApi& gl)
      : FGL(gl), FWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                         GetModuleHandleW(nullptr), nullptr)) {
    if (!FWindow)
      return;
    FDC = GetDC(FWindow.get());
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = 24;
    const int index = FDC ? ChoosePixelFormat(FDC, &format) : 0;
    if (index == 0 || !SetPixelFormat(FDC, index, &format))
      return;
    FContext = gl.wglCreateContext(FDC);
    if (FContext && !gl.wglMakeCurrent(FDC, FContext)) {
      gl.wglDeleteContext(FContext);
      FContext = nullptr;
    }
  }
  ~THelperContext() {
    if (FContext) {
      FGL.wglMakeCurrent(nullptr, nullptr);
      FGL.wglDeleteContext(FContext);
    }
    if (FDC)
      ReleaseDC(FWindow.get(), FDC);
  }
  THelperContext(const THelperContext&) = delete;
  THelperContext& operator=(const THelperContext&) = delete;

  bool Current() const { return FContext != nullptr; }
  HDC DC() const { return FDC; }

  // Some drivers answer an unknown name with 1, 2, 3 or -1 instead of null.
  template <typename Entry> Entry Find(const char* name) const {
    const PROC found = FGL.wglGetProcAddress(name);
    const auto value = reinterpret_cast<std::intptr_t>(found);
    if (value >= -1 && value <= 3)
      return nullptr;
    return reinterpret_cast<Entry>(reinterpret_cast<void (*)()>(found));
  }

private:
  const TOpenGLApi& FGL;
  UniqueWindow FWindow;
  HDC FDC = nullptr;
  HGLRC FContext = nullptr;
};

bool OffersPbuffers(const THelperContext& helper) {
  const char* extensions = nullptr;
  if (auto arb = helper.Find<PFNWGLGETEXTENSIONSSTRINGARBPROC>("wglGetExtensionsStringARB"))
    extensions = arb(helper.DC());
  else if (auto ext = helper.Find<PFNWGLGETEXTENSIONSSTRINGEXTPROC>("wglGetExtensionsStringEXT"))
    extensions = ext();
  return extensions && ListsExtension(extensions, "WGL_ARB_pbuffer") &&
         ListsExtension(extensions, "WGL_ARB_pixel_format");
}

// The alpha bits of a format; -1 when the driver cannot tell.
int AlphaBits(const TOffscreenFrame::TEntries& entries, HDC dc, int format) {
  const int attribute = WGL_ALPHA_BITS_ARB;
  int bits = -1;
  if (!entries.GetPixelFormatAttribiv ||
      !entries.GetPixelFormatAttribiv(dc, format, 0, 1, &attribute, &bits))
    return -1;
  return bits;
}

// A single-buffered RGBA format for pixel buffers with the colour bits asked for and the most
// depth bits up to those asked for, without alpha bits wherever the driver has such a format
// (else the driver's best match); 0 when there is none. The frame is read back as colour only,
// so alpha is never needed, and it is harmful under Wine 10 with Mesa: releasing a context from
// a pixel buffer with alpha bits ends in an X error (BadMatch in X_ShmPutImage) that kills the
// process.
int ChooseBufferFormat(const TOffscreenFrame::TEntries& entries, HDC dc,
                       const PIXELFORMATDESCRIPTOR& wanted) {
  int withAlpha = 0;
  for (int depth : {static_cast<int>(wanted.cDepthBits), 24, 16}) {
    if (depth > wanted.cDepthBits)
      continue;
    const int attributes[] = {WGL_DRAW_TO_PBUFFER_ARB,
                              TRUE,
                              WGL_SUPPORT_OPENGL_ARB,
                              TRUE,
                              WGL_PIXEL_TYPE_ARB,
                              WGL_TYPE_RGBA_ARB,
                              WGL_DOUBLE_BUFFER_ARB,
                              FALSE,
                              WGL_COLOR_BITS_ARB,
                              wanted.cColorBits,
                              WGL_DEPTH_BITS_ARB,
                              depth,
                              0};
    int formats[64] = {};
    UINT count = 0;
    if (!entries.ChoosePixelFormat(dc, attributes, nullptr, std::size(formats), formats, &count))
      continue;
    count = std::min<UINT>(count, std::size(formats));
    for (UINT i = 0; i < count; ++i)
      if (formats[i] > 0 && AlphaBits(entries, dc, formats[i]) == 0)
        return formats[i];
    if (count > 0 && formats[0] > 0 && withAlpha == 0)
      withAlpha = formats[0];
  }
  return withAlpha;
}

} // namespace

TOffscreenFrame::TOffscreenFrame(const TOpenGLApi& gl, std::unique_ptr<TEntries> entries,
                                 int pixelFormat)
    : FGL(&gl), FEntries(std::move(entries)), FPixelFormat(pixelFormat) {}

TOffscreenFrame::TOffscreenFrame(TOffscreenFrame&& made) noexcept
    : FGL(made.FGL), FEntries(std::move(made.FEntries)), FPixelFormat(made.FPixelFormat),
      FBuffer(std::exchange(made.FBuffer, nullptr)), FDC(std::exchange(made.FDC, nullptr)),
      FWidth(made.FWidth), FHeight(made.FHeight), FPixels(std::move(made.FPixels)) {}

TOffscreenFrame::~TOffscreenFrame() {
  FreeBuffer(FBuffer, FDC);
}

std::unique_ptr<TOffscreenFrame> TOffscreenFrame::Create(const TOpenGLApi& gl,
                                                         const PIXELFORMATDESCRIPTOR& wanted,
                                                         HDC device, int width, int height) {
  THelperContext helper(gl);
  if (!helper.Current() || !OffersPbuffers(helper))
    return nullptr;
  auto entries = std::make_unique<TEntries>();
  entries->ChoosePixelFormat =
      helper.Find<PFNWGLCHOOSEPIXELFORMATARBPROC>("wglChoosePixelFormatARB");
  entries->GetPixelFormatAttribiv =
      helper.Find<PFNWGLGETPIXELFORMATATTRIBIVARBPROC>("wglGetPixelFormatAttribivARB");
  entries->CreatePbuffer = helper.Find<PFNWGLCREATEPBUFFERARBPROC>("wglCreatePbufferARB");
  entries->GetPbufferDC = helper.Find<PFNWGLGETPBUFFERDCARBPROC>("wglGetPbufferDCARB");
  entries->ReleasePbufferDC = helper.Find<PFNWGLRELEASEPBUFFERDCARBPROC>("wglReleasePbufferDCARB");
  entries->DestroyPbuffer = helper.Find<PFNWGLDESTROYPBUFFERARBPROC>("wglDestroyPbufferARB");
  entries->QueryPbuffer = helper.Find<PFNWGLQUERYPBUFFERARBPROC>("wglQueryPbufferARB");
  if (!entries->Complete())
    return nullptr;
  const int format = ChooseBufferFormat(*entries, helper.DC(), wanted);
  if (format == 0)
    return nullptr;
  std::unique_ptr<TOffscreenFrame> frame(new TOffscreenFrame(gl, std::move(entries), format));
  frame->FWidth = std::max(width, 1);
  frame->FHeight = std::max(height, 1);
  // On the window's device, not the helper's: the buffer outlives the helper window.
  if (!frame->MakeBuffer(device ? device : helper.DC(), frame->FWidth, frame->FHeight,
                         frame->FBuffer, frame->FDC))
    return nullptr;
  return frame;
}

bool TOffscreenFrame::MakeBuffer(HDC device, int width, int height, HPBUFFERARB& buffer,
                                 HDC& dc) const {
  buffer = FEntries->CreatePbuffer(device, FPixelFormat, width, height, nullptr);
  if (!buffer)
    return false;
  dc = FEntries->GetPbufferDC(buffer);
  if (dc)
    return true;
  FEntries->DestroyPbuffer(buffer);
  return false;
}

void TOffscreenFrame::FreeBuffer(HPBUFFERARB buffer, HDC dc) const {
  if (!buffer)
    return;
  FEntries->ReleasePbufferDC(buffer, dc);
  FEntries->DestroyPbuffer(buffer);
}

bool TOffscreenFrame::Resize(HDC device, int width, int height, HGLRC context) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (width == FWidth && height == FHeight)
    return true;
  return Replace(device, width, height, context);
}

bool TOffscreenFrame::Lost() const {
  int lost = 0;
  return FEntries->QueryPbuffer && FBuffer &&
         FEntries->QueryPbuffer(FBuffer, WGL_PBUFFER_LOST_ARB, &lost) && lost != 0;
}

bool TOffscreenFrame::Renew(HDC device, HGLRC context) {
  return Replace(device, FWidth, FHeight, context);
}

bool TOffscreenFrame::Replace(HDC device, int width, int height, HGLRC context) {
  // The new buffer is made and drawn on before the old one goes, so the context is never left
  // current on a destroyed drawable, and a failure leaves the old one in use. It is made on the
  // window's device: the old buffer's DC is no device to make one on, least of all once lost.
  HPBUFFERARB buffer = nullptr;
  HDC dc = nullptr;
  if (!MakeBuffer(device, width, height, buffer, dc))
    return false;
  if (!FGL->wglMakeCurrent(dc, context)) {
    FreeBuffer(buffer, dc);
    return false;
  }
  FreeBuffer(FBuffer, FDC);
  FBuffer = buffer;
  FDC = dc;
  FWidth = width;
  FHeight = height;
  return true;
}

void TOffscreenFrame::PaintInto(HDC window) {
  FPixels.resize(static_cast<size_t>(FWidth) * FHeight);
  const TOpenGLApi& gl = *FGL;
  // Whatever the client set for its own reads, these rows are packed exactly into FPixels.
  GLint drawBuffer = GL_FRONT;
  gl.GetIntegerv(GL_DRAW_BUFFER, &drawBuffer);
  gl.ReadBuffer(static_cast<GLenum>(drawBuffer));
  gl.PixelStorei(GL_PACK_ALIGNMENT, 4);
  gl.PixelStorei(GL_PACK_ROW_LENGTH, 0);
  gl.PixelStorei(GL_PACK_SKIP_ROWS, 0);
  gl.PixelStorei(GL_PACK_SKIP_PIXELS, 0);
  gl.ReadPixels(0, 0, FWidth, FHeight, GL_BGRA_EXT, GL_UNSIGNED_BYTE, FPixels.data());

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = FWidth;
  info.bmiHeader.biHeight = FHeight; // bottom-up, as OpenGL counts rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(window, 0, 0, FWidth, FHeight, 0, 0, 0, FHeight, FPixels.data(), &info,
                    DIB_RGB_COLORS);
}

} // namespace glview
