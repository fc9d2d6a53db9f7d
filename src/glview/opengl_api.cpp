#include "glview/opengl_api.h"

#include <string>

#include "glview/gl_error.h"

namespace glview {
namespace {

HMODULE LoadSystemOpenGL() {
  HMODULE module = LoadLibraryExW(L"opengl32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module || GetLastError() != ERROR_INVALID_PARAMETER)
    return module;
  // A system without the search flags (Windows 7 before KB2533623): name the file by its full
  // path in the system folder, which is never searched for.
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return nullptr;
  return LoadLibraryW((std::wstring(folder, length) + L"\\opengl32.dll").c_str());
}

} // namespace

std::shared_ptr<const TOpenGLApi> TOpenGLApi::Load() {
  HMODULE module = LoadSystemOpenGL();
  if (!module)
    throw EOpenGLError("Библиотека opengl32.dll не загружена");
  std::shared_ptr<TOpenGLApi> api(new TOpenGLApi(module));
#define GLVIEW_LOAD_ENTRY(member, exported)                                                        \
  api->member = reinterpret_cast<decltype(api->member)>(                                           \
      reinterpret_cast<void (*)()>(GetProcAddress(module, #exported)));                            \
  if (!api->member)                                                                                \
    throw EOpenGLError("В opengl32.dll нет функции " #exported);
  GLVIEW_OPENGL_ENTRY_POINTS(GLVIEW_LOAD_ENTRY)
#undef GLVIEW_LOAD_ENTRY
  return api;
}

TOpenGLApi::~TOpenGLApi() {
  FreeLibrary(FModule);
}

} // namespace glview
