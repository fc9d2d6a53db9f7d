#pragma once
// The modal "Выбор материала" window of the view's popup menu: the 25 named materials in a
// two-column list; Enter or a double click chooses, any other close chooses none.
#include <cstdint>

#include "ui/form.h"
#include "ui/list_box.h"

namespace glview {

class TMaterialChooser : public ui::TForm {
public:
  // A third of the screen in each dimension, a third of the way in from its top-left corner.
  explicit TMaterialChooser(ui::TComponent* AOwner);

  ui::TListBox* MaterialList() const { return FMaterialList; }
  // The row of the material table chosen, 1 to 25, or 0 when the window closed without a choice.
  // Kept in the list's Tag, which only the choosing handlers set.
  std::uint8_t Chosen() const { return static_cast<std::uint8_t>(FMaterialList->Tag() & 0xFF); }

  void MaterialListDblClick(ui::TComponent* Sender);
  void MaterialListKeyDown(ui::TComponent* Sender, std::uint16_t& Key, ui::TShiftState Shift);

private:
  void ChooseSelected();

  ui::TListBox* FMaterialList;
};

// Shows the chooser modally and frees it, also when an exception passes: 1 to 25 for the chosen
// material, 0 for none (back to colour mode). Messages keep flowing while it is open, so an
// animated view keeps turning behind it.
std::uint8_t ChooseMaterial();

} // namespace glview
