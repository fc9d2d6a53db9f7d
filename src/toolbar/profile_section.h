#pragma once
// One section of a profile store read once, its keys then looked up in memory: a layout that
// names tens of thousands of keys costs one read of the file, not one per key. Keys compare
// without regard to letter case and the first of a key written twice counts, as with the store's
// own reads. A section the store cannot hand over whole is read key by key instead.
#include "toolbar/profile_store.h"

#include <optional>
#include <string>
#include <unordered_map>

namespace toolbar {

class TProfileSection {
public:
  TProfileSection(TProfileStore& store, std::string section);

  std::string ReadString(const std::string& key, const std::string& fallback) const;

private:
  // Keys hashed and compared without regard to ASCII letter case, as SameName compares them.
  struct TKeyHash {
    std::size_t operator()(const std::string& key) const;
  };
  struct TKeyEqual {
    bool operator()(const std::string& a, const std::string& b) const { return SameName(a, b); }
  };

  TProfileStore& store_;
  std::string section_;
  std::optional<std::unordered_map<std::string, std::string, TKeyHash, TKeyEqual>> values_;
};

} // namespace toolbar
