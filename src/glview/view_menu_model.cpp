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
    const TObjectMenuOptions options = object.MenuOptions;
    if (options.Empty())
      continue;
    TViewMenuItem item;
    item.Caption = object.Visible ? object.Name : object.Name + " (скрыт)";
    if (options.Contains(moColor))
      item.Items.push_back(Command("Цвет", TViewMenuCommand::ObjectColor, i));
    if (options.Contains(moMaterial))
      item.Items.push_back(Command("Материал", TViewMenuCommand::ObjectMaterial, i));
    if (options.Contains(moVisibility))
      item.Items.push_back(
          Command(object.Visible ? "Скрыть" : "Показать", TViewMenuCommand::ObjectVisible, i));
    if (options.Contains(moFillMode))
      item.Items.push_back(
          Command(object.Wireframe ? "Сплошной" : "Каркас", TViewMenuCommand::ObjectWireframe, i));
    menu.push_back(std::move(item));
  }
  const TOptionsPossibility possibility = view.OptionsPossibility;
  if (!possibility.Empty()) {
    TViewMenuItem options;
    options.Caption = "Опции";
    if (possibility.Contains(opBackground))
      options.Items.push_back(Command("Цвет фона", TViewMenuCommand::BGColor));
    if (possibility.Contains(opLight))
      options.Items.push_back(
          Command(view.Lighting ? "Выкл. свет" : "Вкл. свет", TViewMenuCommand::Light));
    if (possibility.Contains(opAnimation))
      options.Items.push_back(Command("Анимация", TViewMenuCommand::Animation));
    menu.push_back(std::move(options));
  }
  return menu;
}

} // namespace glview
