#include "memory_profile_store.h"

#include <algorithm>

namespace toolbar {
namespace {

template <typename Pairs> auto Find(Pairs& pairs, const std::string& name) {
  return std::find_if(pairs.begin(), pairs.end(),
                      [&](const auto& entry) { return SameName(entry.first, name); });
}

} // namespace

std::string TMemoryProfileStore::ReadString(const std::string& section, const std::string& key,
                                            const std::string& fallback) {
  ++ReadCount;
  const auto s = Find(sections_, section);
  if (s == sections_.end())
    return fallback;
  const auto k = Find(s->second, key);
  return k == s->second.end() ? fallback : k->second;
}

std::optional<TProfileEntries> TMemoryProfileStore::ReadSection(const std::string& section) {
  ++ReadCount;
  if (RefuseSectionReads)
    return std::nullopt;
  return Section(section);
}

bool TMemoryProfileStore::WriteString(const std::string& section, const std::string& key,
                                      const std::string& value) {
  if (RefuseWrites)
    return false;
  ++WriteCount;
  auto s = Find(sections_, section);
  if (s == sections_.end()) {
    sections_.push_back({section, {}});
    s = std::prev(sections_.end());
  }
  const auto k = Find(s->second, key);
  if (k == s->second.end())
    s->second.push_back({key, value});
  else
    k->second = value;
  return true;
}

bool TMemoryProfileStore::DeleteSection(const std::string& section) {
  if (RefuseWrites)
    return false;
  ++WriteCount;
  const auto s = Find(sections_, section);
  if (s != sections_.end())
    sections_.erase(s);
  return true;
}

TMemoryProfileStore::TKeys TMemoryProfileStore::Section(const std::string& section) const {
  const auto s = Find(sections_, section);
  return s == sections_.end() ? TKeys{} : s->second;
}

bool TMemoryProfileStore::HasSection(const std::string& section) const {
  return Find(sections_, section) != sections_.end();
}

} // namespace toolbar
