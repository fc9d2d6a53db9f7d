#pragma once
// Event types. A handler is a member function of the window class that owns the component,
// bound with Bind(this, &TForm1::Memo1KeyDown).
#include <cstdint>
#include <functional>

namespace ui {

class TComponent;

enum TShiftFlag : unsigned {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
  ssDouble = 64,
};
using TShiftState = unsigned;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

enum class TCloseAction { caNone, caHide, caFree, caMinimize };

using TNotifyEvent = std::function<void(TComponent* Sender)>;
using TKeyEvent = std::function<void(TComponent* Sender, std::uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TComponent* Sender, char& Key)>;
using TMouseEvent =
    std::function<void(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TComponent* Sender, TShiftState Shift, int X, int Y)>;
using TCloseEvent = std::function<void(TComponent* Sender, TCloseAction& Action)>;

template <typename Object, typename Result, typename... Args>
auto Bind(Object* object, Result (Object::*method)(Args...)) {
  return [object, method](Args... args) { return (object->*method)(args...); };
}

} // namespace ui
