#include "glview/material_chooser.h"

#include <memory>
#include <string>
#include <vector>

#include "glview/materials.h"

namespace glview {

TMaterialChooser::TMaterialChooser(ui::TComponent* AOwner) : ui::TForm(AOwner) {
  FMaterialList = new ui::TListBox(this);
  FMaterialList->SetParent(this);
  FMaterialList->SetAlign(ui::TAlign::alClient);
  FMaterialList->SetColumns(2);
  FMaterialList->OnDblClick = ui::Bind(this, &TMaterialChooser::MaterialListDblClick);
  FMaterialList->OnKeyDown = ui::Bind(this, &TMaterialChooser::MaterialListKeyDown);
  FMaterialList->SetItems(std::vector<std::string>(MaterialNames.begin(), MaterialNames.end()));
  SetActiveControl(FMaterialList);

  SetCaption("Выбор материала");

  // Shown at its monitor's DPI. Its bounds come from the screen's size, which is in the screen's
  // own pixels already, so they are set once the form is at that DPI.
  ScaleToWindowDpi();
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  SetBounds(screenWidth / 3, screenHeight / 3, screenWidth / 3, screenHeight / 3);
}

void TMaterialChooser::ChooseSelected() {
  FMaterialList->SetTag(FMaterialList->ItemIndex() + 1); // no selection (-1) gives 0
  Close();
}

void TMaterialChooser::MaterialListDblClick(ui::TComponent*) {
  ChooseSelected();
}

void TMaterialChooser::MaterialListKeyDown(ui::TComponent*, std::uint16_t& Key, ui::TShiftState) {
  if (Key == VK_RETURN)
    ChooseSelected();
}

std::uint8_t ChooseMaterial() {
  const auto chooser = std::make_unique<TMaterialChooser>(nullptr);
  chooser->ShowModal();
  return chooser->Chosen();
}

} // namespace glview
