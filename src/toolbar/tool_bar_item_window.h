#pragma once
// A see-through child window over one toolbar item. The toolbar draws and clicks its items
// itself; this window only carries the item's caption as its window text, so that screen readers
// and UI automation find the button by name. It paints nothing and passes the mouse through.
#include "ui/win_control.h"

namespace toolbar {

class TToolBarItemWindow : public ui::TWinControl {
public:
  using ui::TWinControl::TWinControl;

  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
  void CreateParams(ui::TCreateParams& params) override;
};

} // namespace toolbar
