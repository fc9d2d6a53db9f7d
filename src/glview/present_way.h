#pragma once
// How the view control brings a finished frame to the screen.
//   native: OpenGL draws into the view's own window, and the buffer swap (or glFinish) shows it;
//   gdi:    OpenGL draws off-screen, and the frame is read back and painted into the window with
//           plain GDI, so the window itself never gets an OpenGL pixel format.
// Some Wine builds never show OpenGL drawn into a child window (the copy to the screen at the
// buffer swap fails silently), while GDI drawing always shows; so the GDI way is the default
// under Wine and the native one everywhere else. TARVEL_GL_PRESENT=native|gdi overrides it.
#include <string_view>

namespace glview {

enum class TPresentWay { Native, Gdi };

// The environment variable that overrides the choice.
inline constexpr const char* kPresentWayVariable = "TARVEL_GL_PRESENT";

// The override when it names a way ("native" or "gdi", in any case), else the platform's
// default: through GDI under Wine, native otherwise.
TPresentWay ChoosePresentWay(std::string_view override, bool underWine);

// The choice for this process, asked again at each call: the override from the environment and
// whether Wine's ntdll is underneath (Windows part).
TPresentWay PresentWayForThisProcess();

} // namespace glview
