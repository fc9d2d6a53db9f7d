#include "toolbar/ini_profile_store_win.h"

#include "ui/cp1251.h"

#include <windows.h>

namespace toolbar {
namespace {

std::wstring Wide(const std::string& text) {
  const std::u16string units = ui::Cp1251ToUtf16(text);
  return std::wstring(units.begin(), units.end());
}

std::string Narrow(const wchar_t* text, std::size_t length) {
  return ui::Utf16ToCp1251(std::u16string(text, text + length));
}

} // namespace

std::string TIniProfileStore::ReadString(const std::string& section, const std::string& key,
                                         const std::string& fallback) {
  wchar_t buffer[2048];
  const DWORD length =
      GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(fallback).c_str(),
                               buffer, 2048, Wide(fileName_).c_str());
  return Narrow(buffer, length);
}

bool TIniProfileStore::WriteString(const std::string& section, const std::string& key,
                                   const std::string& value) {
  return WritePrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(value).c_str(),
                                    Wide(fileName_).c_str()) != 0;
}

bool TIniProfileStore::DeleteSection(const std::string& section) {
  return WritePrivateProfileStringW(Wide(section).c_str(), nullptr, nullptr,
                                    Wide(fileName_).c_str()) != 0;
}

} // namespace toolbar
