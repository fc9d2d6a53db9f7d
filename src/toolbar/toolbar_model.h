#pragma once
// The items of a toolbar, kept apart from their windows so that the layout file can save and
// apply them and tests can check the result without a screen.
#include <string>
#include <vector>

namespace toolbar {

enum class TToolBarItemKind { MenuButton, Button, Separator };

struct TToolBarItem {
  TToolBarItemKind Kind = TToolBarItemKind::Button;
  std::string Name;    // component name; empty for an unnamed item
  std::string Caption; // Windows-1251; "&" marks the access letter
  std::string Hint;
  int ImageIndex = -1;
  bool Visible = true;
  bool ShowCaption = true;
  int GlyphPosition = 0; // 0 left, 1 top, 2 right, 3 bottom
  int CommandID = -1;    // customizer command the button was made from, -1 for none
  int MenuItemId = 0;    // for a menu button: the command its click sends to the form
};

struct TToolBarModel {
  std::string Caption;
  bool Locked = true;
  bool LargeIcons = false;
  std::vector<TToolBarItem> Items;    // on the toolbar, in order
  std::vector<TToolBarItem> SetAside; // taken off by an applied layout, kept for a reset
};

} // namespace toolbar
