// The view's popup menu: rebuilt from the scene's state at every right click (the item model is
// view_menu_model.h), and the commands its items run.
#include <string>
#include <utility>

#include "glview/material_chooser.h"
#include "glview/opengl_control.h"
#include "glview/view_menu_model.h"
#include "ui/application.h"

namespace glview {
namespace {

// Copies the model's items under parent. Each item is owned by its parent item, so clearing the
// menu's top level frees the whole tree.
template <typename HandlerFor>
void AppendItems(ui::TMenuItem& parent, const std::vector<TViewMenuItem>& items,
                 const HandlerFor& handlerFor) {
  for (const TViewMenuItem& model : items) {
    auto* item = new ui::TMenuItem(&parent);
    item->SetCaption(model.Caption);
    item->SetTag(model.Tag);
    if (model.Command != TViewMenuCommand::None)
      item->OnClick = handlerFor(model.Command);
    parent.Add(item);
    AppendItems(*item, model.Items, handlerFor);
  }
}

// The colour chooser is owned by the view's top-level window, which it keeps modal.
HWND ChooserOwner(ui::TWinControl& view) {
  return GetAncestor(view.Handle(), GA_ROOT);
}

} // namespace

void TCustomOpenGL::BuildPopupMenu() {
  TMenuView state;
  for (const TObjectEntry& entry : FObjectList)
    state.Objects.push_back({entry.Name, entry.Object->Visible(), entry.Object->Wireframe(),
                             entry.Object->MenuOptions()});
  state.OptionsPossibility = FOptionsPossibility;
  state.Lighting = FLighting;

  using THandler = void (TCustomOpenGL::*)(ui::TComponent*);
  static constexpr std::pair<TViewMenuCommand, THandler> kHandlers[] = {
      {TViewMenuCommand::ObjectColor, &TCustomOpenGL::ObjectColorClick},
      {TViewMenuCommand::ObjectMaterial, &TCustomOpenGL::ObjectMaterialClick},
      {TViewMenuCommand::ObjectVisible, &TCustomOpenGL::ObjectVisibleClick},
      {TViewMenuCommand::ObjectWireframe, &TCustomOpenGL::ObjectWireframeClick},
      {TViewMenuCommand::BGColor, &TCustomOpenGL::BGColorClick},
      {TViewMenuCommand::Light, &TCustomOpenGL::LightClick},
      {TViewMenuCommand::Animation, &TCustomOpenGL::AnimationClick},
  };
  const auto handlerFor = [this](TViewMenuCommand command) -> ui::TNotifyEvent {
    for (const auto& [each, handler] : kHandlers)
      if (each == command)
        return ui::Bind(this, handler);
    return {};
  };

  ui::TMenuItem& root = *FViewMenu->Items();
  root.Clear();
  AppendItems(root, BuildViewMenu(state), handlerFor);
}

// The choosers are modal, but the view paints behind them, and a context failing there frees
// every object and builds the scene anew: the object is looked up by its index after the answer.
void TCustomOpenGL::ObjectColorClick(ui::TComponent* Sender) {
  const int index = Sender->Tag();
  ui::TColor color = GetVisualObject(index).Color();
  if (!ui::Application().Seams().PickColor(ChooserOwner(*this), color))
    return;
  TVisualObject& object = GetVisualObject(index);
  object.SetColor(color);
  object.StoreMaterial(0); // colour mode; SetColor has asked for the repaint
}

void TCustomOpenGL::ObjectMaterialClick(ui::TComponent* Sender) {
  const int index = Sender->Tag();
  GetVisualObject(index); // an index out of bounds raises before the chooser opens
  const std::uint8_t material = ChooseMaterial();
  GetVisualObject(index).SetMaterial(material);
}

void TCustomOpenGL::ObjectVisibleClick(ui::TComponent* Sender) {
  TVisualObject& object = GetVisualObject(Sender->Tag());
  object.SetVisible(!object.Visible());
}

void TCustomOpenGL::ObjectWireframeClick(ui::TComponent* Sender) {
  TVisualObject& object = GetVisualObject(Sender->Tag());
  object.SetWireframe(!object.Wireframe());
}

void TCustomOpenGL::BGColorClick(ui::TComponent*) {
  ui::TColor color = FBGColor;
  if (ui::Application().Seams().PickColor(ChooserOwner(*this), color))
    SetBGColor(color);
}

void TCustomOpenGL::LightClick(ui::TComponent*) {
  SetLighting(!FLighting);
}

void TCustomOpenGL::AnimationClick(ui::TComponent*) {
  FSpeedEdit->SetText(std::to_string(FAnimationSpeed));
  FSpeedForm->Show();
}

} // namespace glview
