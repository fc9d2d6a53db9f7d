#pragma once
// The few platform actions that tests must be able to watch or answer: the error boxes, opening
// a web link, the colour chooser and modal forms. The program uses the real ones; a test replaces
// a member and restores it afterwards.
#include "ui/color.h"

#include <functional>
#include <string>

#include <windows.h>

namespace ui {

class TForm;

struct TSeams {
  // The error box: the text, the caption, the error icon and one OK.
  std::function<void(HWND owner, const std::string& text, const std::string& caption)> ErrorBox;
  // The fatal box of a start-up that cannot go on, titled "Application Error".
  std::function<void(const std::string& text)> FatalErrorBox;
  // Hands a web address to the shell ("open", SW_SHOW); the outcome is not examined.
  std::function<void(HWND owner, const std::string& address)> OpenLink;
  // The standard colour chooser; false when cancelled.
  std::function<bool(HWND owner, TColor& color)> PickColor;
  // Runs a modal form; empty means the form's own modal loop. Returns the modal result.
  std::function<int(TForm& form)> RunModal;
  // The local time now.
  std::function<SYSTEMTIME()> LocalTime;

  static TSeams Real();
};

} // namespace ui
