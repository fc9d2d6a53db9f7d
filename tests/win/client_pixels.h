#pragma once
// What the screen shows of a rectangle of a window's client area, read back with GDI as a person
// sees it: one 0x00RRGGBB value per pixel, rows from the top.
#include <cstdint>
#include <vector>

#include <windows.h>

namespace testing_support {

inline std::vector<std::uint32_t> ReadClientPixels(HWND window, const RECT& area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height; // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(window);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  GdiFlush();
  const auto* quads = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> pixels(quads, quads + static_cast<size_t>(width) * height);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, screen);
  return pixels;
}

} // namespace testing_support
