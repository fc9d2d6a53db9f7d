#include "toolbar/profile_section.h"

#include <cstdint>
#include <utility>

namespace toolbar {

std::size_t TProfileSection::TKeyHash::operator()(const std::string& key) const {
  std::uint64_t hash = 14695981039346656037ull; // FNV-1a over the lower-case bytes
  for (char c : key) {
    hash ^= static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    hash *= 1099511628211ull;
  }
  return static_cast<std::size_t>(hash);
}

TProfileSection::TProfileSection(TProfileStore& store, std::string section)
    : store_(store), section_(std::move(section)) {
  std::optional<TProfileEntries> entries = store_.ReadSection(section_);
  if (!entries)
    return;
  values_.emplace();
  for (auto& [key, value] : *entries)
    values_->emplace(std::move(key), std::move(value)); // a later duplicate is not taken
}

std::string TProfileSection::ReadString(const std::string& key, const std::string& fallback) const {
  if (!values_)
    return store_.ReadString(section_, key, fallback);
  const auto found = values_->find(key);
  return found == values_->end() ? fallback : found->second;
}

} // namespace toolbar
