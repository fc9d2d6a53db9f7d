#pragma once
// The toolbar: draws the items of its model in a row and runs them when clicked. A menu button
// clicks the menu item it carries; a locked toolbar cannot be dragged off its dock strip. The
// toolbar's window text is its caption, and each item with a caption has a window named by it.
#include "toolbar/tool_bar_item_window.h"
#include "toolbar/toolbar_model.h"
#include "ui/custom_control.h"
#include "ui/menus.h"

#include <vector>

namespace toolbar {

class TToolBar : public ui::TCustomControl {
public:
  explicit TToolBar(ui::TComponent* owner);

  TToolBarModel& Model() { return model_; }
  // Adds a menu button for a menu item (its caption, its click).
  void AddMenuButton(ui::TMenuItem* item);
  // Lays the items out again after the model changed.
  void ModelChanged();

  // Item rectangles in client coordinates, in model order (hidden items get an empty one).
  const std::vector<RECT>& ItemRects() const { return itemRects_; }
  int HotItem() const { return hotItem_; }

protected:
  void Paint() override;
  void MouseMove(ui::TShiftState shift, int x, int y) override;
  void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
  void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
  void MouseLeave() override;
  void CreateWnd() override;

private:
  int ItemAt(int x, int y) const;
  void Layout();
  void NameItems();
  void RunItem(int index);

  TToolBarModel model_;
  std::vector<RECT> itemRects_;
  std::vector<TToolBarItemWindow*> itemWindows_; // in model order; none for a separator
  int hotItem_ = -1;
  int pressedItem_ = -1;
};

} // namespace toolbar
