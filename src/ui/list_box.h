#pragma once
// A single-selection list, optionally in several columns.
#include "ui/win_control.h"

#include <string>
#include <vector>

namespace ui {

class TListBox : public TWinControl {
public:
  explicit TListBox(TComponent* owner);

  void SetItems(const std::vector<std::string>& items);
  int Count();
  std::string Item(int index);
  int ItemIndex();
  void SetItemIndex(int index);
  int Columns() const { return columns_; }
  void SetColumns(int columns);

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  bool CommandNotify(WORD code) override;
  void Resize() override; // the columns follow the width

private:
  void ApplyColumnWidth();

  std::vector<std::string> items_;
  int columns_ = 0;
};

} // namespace ui
