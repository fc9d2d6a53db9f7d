#include "toolbar/ini_profile_store_win.h"

#include "ui/win_text.h"

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
