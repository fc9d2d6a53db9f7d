#include "toolbar/ini_profile_store_win.h"

#include "ui/win_text.h"

#include <string_view>
#include <vector>

#include <windows.h>

namespace toolbar {
using ui::ToWide;

std::string TIniProfileStore::ReadString(const std::string& section, const std::string& key,
                                         const std::string& fallback) {
  wchar_t buffer[2048];
  const DWORD length =
      GetPrivateProfileStringW(ToWide(section).c_str(), ToWide(key).c_str(),
                               ToWide(fallback).c_str(), buffer, 2048, ToWide(fileName_).c_str());
  return ui::FromWide(std::wstring(buffer, length));
}

namespace {

// The longest value a read gives, as with ReadString's buffer.
constexpr std::size_t kLongestValue = 2047;
// A section larger than this (in characters) is read key by key instead.
constexpr DWORD kLargestSection = 1u << 26;

std::wstring_view Trimmed(std::wstring_view text) {
  const auto blank = [](wchar_t c) { return c == L' ' || c == L'\t'; };
  while (!text.empty() && blank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && blank(text.back()))
    text.remove_suffix(1);
  return text;
}

// A value as the profile functions hand out one key's value.
std::wstring_view AsRead(std::wstring_view value) {
  value = Trimmed(value);
  if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') &&
      value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return value.substr(0, kLongestValue);
}

} // namespace

std::optional<TProfileEntries> TIniProfileStore::ReadSection(const std::string& section) {
  const std::wstring name = ToWide(section);
  const std::wstring file = ToWide(fileName_);
  std::vector<wchar_t> buffer(32768);
  DWORD length;
  // A buffer too small gives its size less two; a larger one is tried until all fits.
  while ((length = GetPrivateProfileSectionW(name.c_str(), buffer.data(),
                                             static_cast<DWORD>(buffer.size()), file.c_str())) +
             2 >=
         buffer.size()) {
    if (buffer.size() >= kLargestSection)
      return std::nullopt;
    buffer.resize(buffer.size() * 2);
  }
  // "key=value" strings, each ending in a null; a line without "=" has no value.
  TProfileEntries entries;
  for (std::size_t at = 0; at < length;) {
    const std::wstring_view entry(buffer.data() + at);
    at += entry.size() + 1;
    const std::size_t equals = entry.find(L'=');
    if (equals == std::wstring_view::npos)
      continue;
    entries.emplace_back(ui::FromWide(std::wstring(Trimmed(entry.substr(0, equals)))),
                         ui::FromWide(std::wstring(AsRead(entry.substr(equals + 1)))));
  }
  return entries;
}

bool TIniProfileStore::WriteString(const std::string& section, const std::string& key,
                                   const std::string& value) {
  return WritePrivateProfileStringW(ToWide(section).c_str(), ToWide(key).c_str(),
                                    ToWide(value).c_str(), ToWide(fileName_).c_str()) != 0;
}

bool TIniProfileStore::DeleteSection(const std::string& section) {
  return WritePrivateProfileStringW(ToWide(section).c_str(), nullptr, nullptr,
                                    ToWide(fileName_).c_str()) != 0;
}

} // namespace toolbar
