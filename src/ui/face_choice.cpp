#include "ui/face_choice.h"

#include <algorithm>
#include <span>

namespace ui {

namespace {

constexpr std::wstring_view kSerifStandIns[] = {L"DejaVu Serif", L"Liberation Serif"};
constexpr std::wstring_view kSansStandIns[] = {L"Tahoma"};

bool NamesSans(std::wstring_view face) {
  constexpr std::wstring_view sans = L"sans";
  return std::search(face.begin(), face.end(), sans.begin(), sans.end(), [](wchar_t a, wchar_t b) {
           return (a >= L'A' && a <= L'Z' ? a - L'A' + L'a' : a) == b;
         }) != face.end();
}

} // namespace

std::wstring FaceToUse(std::wstring_view asked, bool underWine,
                       const std::function<bool(std::wstring_view face)>& installed) {
  if (!underWine || asked.empty() || installed(asked))
    return std::wstring(asked);
  const std::span<const std::wstring_view> standIns =
      NamesSans(asked) ? std::span<const std::wstring_view>(kSansStandIns) : kSerifStandIns;
  for (std::wstring_view standIn : standIns)
    if (installed(standIn))
      return std::wstring(standIn);
  return std::wstring(asked);
}

} // namespace ui
