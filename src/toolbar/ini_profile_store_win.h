#pragma once
// The profile store of the program: an INI file read and written key by key through the
// platform's profile-string functions, which create the file and its sections on first write
// and rewrite values in place.
#include <optional>
#include <string>
#include <utility>

#include "toolbar/profile_store.h"

namespace toolbar {

class TIniProfileStore : public TProfileStore {
public:
  // A name with a directory part (".\untitled.ini") resolves against the current directory.
  explicit TIniProfileStore(std::string fileName) : fileName_(std::move(fileName)) {}

  const std::string& FileName() const { return fileName_; }

  // At most 2,047 characters of a value are read.
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& fallback) override;
  // One read of the whole section; the values come as ReadString gives them (blanks around the
  // key and the value dropped, one pair of enclosing quotes taken off, at most 2,047 characters).
  std::optional<TProfileEntries> ReadSection(const std::string& section) override;
  bool WriteString(const std::string& section, const std::string& key,
                   const std::string& value) override;
  bool DeleteSection(const std::string& section) override;

private:
  std::string fileName_;
};

} // namespace toolbar
