#pragma once
// Whether this process runs under Wine rather than Windows. A few choices differ there: Wine's
// own faults are worked around, never Windows' behaviour changed.

namespace ui {

// Wine's ntdll exports its version; Windows' own never does. Asked once per process.
bool RunningUnderWine();

} // namespace ui
