#pragma once
// Menu items as components: a tree of captions and click handlers from which the real menus are
// made on demand. "&" in a caption marks the access letter.
#include "ui/component.h"
#include "ui/events.h"
#include "ui/handles.h"

#include <string>
#include <vector>

#include <windows.h>

namespace ui {

class TForm;

class TMenuItem : public TComponent {
public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { caption_ = caption; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked) { checked_ = checked; }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index) { imageIndex_ = index; }

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(index); }
  TMenuItem* Parent() const { return parent_; }
  void Add(TMenuItem* item);
  void Remove(TMenuItem* item);
  void Clear(); // frees the sub-items

  unsigned Command() const { return command_; }
  // The letter after the first single "&", compared without regard to case.
  bool MatchesAccelerator(wchar_t character) const;

  virtual void Click();
  TNotifyEvent OnClick;

  // Appends this item's sub-items to a Windows menu (sub-menus made recursively).
  void AppendTo(HMENU menu) const;

private:
  std::string caption_;
  bool visible_ = true;
  bool enabled_ = true;
  bool checked_ = false;
  int imageIndex_ = -1;
  unsigned command_;
  TMenuItem* parent_ = nullptr;
  std::vector<TMenuItem*> items_;
};

class TMenu : public TComponent {
public:
  explicit TMenu(TComponent* owner);
  TMenuItem* Items() const { return items_; }

private:
  TMenuItem* items_;
};

// A form's main menu. This program shows it on a toolbar, not as a menu bar; the form answers
// the items' access letters all the same.
class TMainMenu : public TMenu {
public:
  explicit TMainMenu(TComponent* owner);
  ~TMainMenu() override;
  void AttachTo(TForm* form);

private:
  bool attached_ = false;
};

class TPopupMenu : public TMenu {
public:
  explicit TPopupMenu(TComponent* owner);
  // Shows the menu at a screen position and runs the chosen item's click, if any.
  virtual void Popup(int x, int y);
  // The Windows menu while it is shown; 0 otherwise.
  HMENU Handle() const { return shown_; }
  TNotifyEvent OnPopup;
  // The window that owns the menu while it is shown (the control that popped it up).
  HWND OwnerWindow = nullptr;

private:
  HMENU shown_ = nullptr;
};

} // namespace ui
