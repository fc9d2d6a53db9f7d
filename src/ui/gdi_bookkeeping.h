#pragma once
// Every GDI object the framework deletes goes through DeleteGdiObject, which checks that the
// object is not selected into any device context the framework holds (a canvas's, a memory DC,
// a window DC of ours) and that the delete succeeded. Windows refuses to delete a selected
// object, so either fault would leak one object per occurrence; a paint that repeats ten times a
// second would exhaust the process's GDI handles within minutes. The check is always on: it
// costs a few GDI queries per delete, and tests read the counts.
#include <windows.h>

namespace ui {

struct TGdiDeleteReport {
  int SelectedAtDelete = 0; // objects deleted while still selected into a held DC
  int FailedDeletes = 0;    // DeleteObject answered FALSE
};

void DeleteGdiObject(HGDIOBJ object);

// A device context the framework now holds, and lets go of again (counted: a DC held twice is
// let go of twice).
void HoldDC(HDC dc);
void LetGoDC(HDC dc);

const TGdiDeleteReport& GdiDeleteReport();

} // namespace ui
