#include "ui/face_replacement.h"

#include <cwchar>
#include <cwctype>
#include <map>
#include <mutex>
#include <string>
#include <utility>

#include "ui/face_choice.h"
#include "ui/under_wine.h"

namespace ui {

namespace {

int CALLBACK StopAtFirst(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool AskGdi(const std::wstring& face, BYTE charset) {
  LOGFONTW wanted{};
  wanted.lfCharSet = charset;
  wcsncpy(wanted.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &wanted, StopAtFirst, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

} // namespace

bool FaceInstalled(std::wstring_view face, BYTE charset) {
  std::wstring key(face.substr(0, LF_FACESIZE - 1));
  for (wchar_t& c : key)
    c = static_cast<wchar_t>(std::towlower(c));
  static std::mutex guard;
  static std::map<std::pair<std::wstring, BYTE>, bool> known;
  const std::lock_guard<std::mutex> lock(guard);
  const auto [entry, added] = known.try_emplace({key, charset}, false);
  if (added)
    entry->second = AskGdi(key, charset);
  return entry->second;
}

std::wstring FaceForFont(std::wstring_view face, BYTE charset, bool underWine) {
  return FaceToUse(face, underWine,
                   [charset](std::wstring_view name) { return FaceInstalled(name, charset); });
}

void UseInstalledFace(LOGFONTW& font) {
  if (!RunningUnderWine())
    return; // not even asked: on Windows nothing changes
  const std::wstring face = FaceForFont(font.lfFaceName, font.lfCharSet, true);
  wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  font.lfFaceName[LF_FACESIZE - 1] = L'\0';
}

} // namespace ui
