#pragma once
// Where a toolbar layout is kept: named sections of key=value strings, as in an INI file. The
// program uses the platform's profile-string functions; tests use a store in memory.
#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace toolbar {

// The keys of a section with their values, in file order.
using TProfileEntries = std::vector<std::pair<std::string, std::string>>;

class TProfileStore {
public:
  virtual ~TProfileStore() = default;

  // The value of key in section, or fallback when either is missing. Section and key names are
  // compared without regard to letter case.
  virtual std::string ReadString(const std::string& section, const std::string& key,
                                 const std::string& fallback) = 0;
  // Every key of a section with its value as ReadString gives it; empty for a missing section or
  // file. Nothing when the store cannot hand the section over whole.
  virtual std::optional<TProfileEntries> ReadSection(const std::string& section) = 0;
  // Replaces the value in place, or adds the key (and the section) at the end. False when the
  // store refused the write.
  virtual bool WriteString(const std::string& section, const std::string& key,
                           const std::string& value) = 0;
  // Removes the section with all its keys; false when the store refused.
  virtual bool DeleteSection(const std::string& section) = 0;
};

// Section, key and component names are compared without regard to ASCII letter case.
inline bool SameName(const std::string& a, const std::string& b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace toolbar
