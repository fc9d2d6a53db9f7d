#include "ui/gdi_bookkeeping.h"

#include <algorithm>
#include <vector>

namespace ui {
namespace {

// The framework uses GDI from its one user-interface thread only.
struct TBookkeeping {
  std::vector<HDC> held;
  TGdiDeleteReport report;
};

TBookkeeping& Bookkeeping() {
  static TBookkeeping bookkeeping;
  return bookkeeping;
}

} // namespace

void DeleteGdiObject(HGDIOBJ object) {
  TBookkeeping& books = Bookkeeping();
  const DWORD type = GetObjectType(object);
  const bool selectable = type == OBJ_FONT || type == OBJ_BRUSH || type == OBJ_PEN ||
                          type == OBJ_EXTPEN || type == OBJ_BITMAP;
  if (selectable)
    for (HDC dc : books.held)
      if (GetCurrentObject(dc, type == OBJ_EXTPEN ? OBJ_PEN : type) == object) {
        ++books.report.SelectedAtDelete;
        break;
      }
  if (!DeleteObject(object))
    ++books.report.FailedDeletes;
}

void HoldDC(HDC dc) {
  if (dc)
    Bookkeeping().held.push_back(dc);
}

void LetGoDC(HDC dc) {
  std::vector<HDC>& held = Bookkeeping().held;
  const auto at = std::find(held.begin(), held.end(), dc);
  if (at != held.end())
    held.erase(at);
}

const TGdiDeleteReport& GdiDeleteReport() {
  return Bookkeeping().report;
}

} // namespace ui
