#include "ui/menus.h"

#include "ui/accel_text.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/win_text.h"

#include <algorithm>

namespace ui {

TMenuItem::TMenuItem(TComponent* owner)
    : TComponent(owner), command_(Application().RegisterCommand(this)) {}

TMenuItem::~TMenuItem() {
  Application().UnregisterCommand(command_);
  if (parent_)
    parent_->Remove(this);
  for (TMenuItem* item : items_)
    item->parent_ = nullptr;
}

void TMenuItem::Add(TMenuItem* item) {
  if (item->parent_)
    item->parent_->Remove(item);
  item->parent_ = this;
  items_.push_back(item);
}

void TMenuItem::Remove(TMenuItem* item) {
  items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
  item->parent_ = nullptr;
}

void TMenuItem::Clear() {
  while (!items_.empty()) {
    TMenuItem* item = items_.back();
    items_.pop_back();
    item->parent_ = nullptr;
    delete item;
  }
}

bool TMenuItem::MatchesAccelerator(wchar_t character) const {
  const std::string key = FromWide(std::wstring(1, character));
  return key.size() == 1 && key[0] != '?' && IsAccelerator(key[0], caption_);
}

void TMenuItem::Click() {
  if (OnClick)
    OnClick(this);
}

void TMenuItem::AppendTo(HMENU menu) const {
  for (const TMenuItem* item : items_) {
    if (!item->visible_)
      continue;
    const std::wstring text = ToWide(item->caption_);
    UINT flags = MF_STRING;
    if (!item->enabled_)
      flags |= MF_GRAYED;
    if (item->checked_)
      flags |= MF_CHECKED;
    if (item->items_.empty()) {
      AppendMenuW(menu, flags, item->command_, text.c_str());
    } else {
      HMENU sub = CreatePopupMenu();
      item->AppendTo(sub);
      AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), text.c_str());
    }
  }
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this)) {}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

TMainMenu::~TMainMenu() {
  if (attached_)
    Application().UnregisterMenu(Items());
}

void TMainMenu::AttachTo(TForm* form) {
  Application().RegisterMenu(form, Items());
  attached_ = true;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup)
    OnPopup(this);
  UniqueMenu menu(CreatePopupMenu());
  Items()->AppendTo(menu.get());
  HWND owner = OwnerWindow ? OwnerWindow : GetActiveWindow();
  shown_ = menu.get();
  const UINT chosen = static_cast<UINT>(TrackPopupMenuEx(
      menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, x, y, owner, nullptr));
  shown_ = nullptr;
  menu.reset();
  if (chosen != 0)
    Application().DispatchCommand(chosen);
}

} // namespace ui
