#include "glview/view_menu_model.h"

namespace glview {
namespace {

TViewMenuItem Command(const char* caption, TViewMenuCommand command, int tag = 0) {
  return TViewMenuItem{caption, command, tag, {}};
}

} // namespace

std::vector<TViewMenuItem> BuildViewMenu(const TMenuView& view) {
  std::vector<TViewMenuItem> menu;
  for (int i = 0; i < static_cast<int>(view.Objects.size()); ++i) {
    const TMenuObject& object = view.Objects[i];
    if (!object.OfferColor && !object.OfferMaterial && !object.OfferVisibility &&
        !object.OfferFillMode)
      continue;
    TViewMenuItem item;
    item.Caption = object.Visible ? object.Name : object.Name + " (скрыт)";
    if (object.OfferColor)
      item.Items.push_back(Command("Цвет", TViewMenuCommand::ObjectColor, i));
    if (object.OfferMaterial)
      item.Items.push_back(Command("Материал", TViewMenuCommand::ObjectMaterial, i));
    if (object.OfferVisibility)
      item.Items.push_back(
          Command(object.Visible ? "Скрыть" : "Показать", TViewMenuCommand::ObjectVisible, i));
    if (object.OfferFillMode)
      item.Items.push_back(
          Command(object.Wireframe ? "Сплошной" : "Каркас", TViewMenuCommand::ObjectWireframe, i));
    menu.push_back(std::move(item));
  }
  if (view.OfferBackground || view.OfferLight || view.OfferAnimation) {
    TViewMenuItem options;
    options.Caption = "Опции";
    if (view.OfferBackground)
      options.Items.push_back(Command("Цвет фона", TViewMenuCommand::BGColor));
    if (view.OfferLight)
      options.Items.push_back(
          Command(view.Lighting ? "Выкл. свет" : "Вкл. свет", TViewMenuCommand::Light));
    if (view.OfferAnimation)
      options.Items.push_back(Command("Анимация", TViewMenuCommand::Animation));
    menu.push_back(std::move(options));
  }
  return menu;
}

} // namespace glview
