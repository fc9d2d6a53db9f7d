#pragma once
// For tests: a profile store held in memory, keeping sections and keys in the order they were first
// written, as the INI file does. It can be told to refuse writes, and counts the reads asked of it.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "toolbar/profile_store.h"

namespace toolbar {

class TMemoryProfileStore : public TProfileStore {
public:
  using TKeys = std::vector<std::pair<std::string, std::string>>;

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& fallback) override;
  std::optional<TProfileEntries> ReadSection(const std::string& section) override;
  bool WriteString(const std::string& section, const std::string& key,
                   const std::string& value) override;
  bool DeleteSection(const std::string& section) override;

  // The keys of a section in file order; empty when there is no such section.
  TKeys Section(const std::string& section) const;
  bool HasSection(const std::string& section) const;

  bool RefuseWrites = false;
  bool RefuseSectionReads = false; // as a store that cannot hand over a section whole
  int WriteCount = 0;              // accepted writes and deletions
  int ReadCount = 0;               // reads of a key or of a whole section

private:
  std::vector<std::pair<std::string, TKeys>> sections_;
};

} // namespace toolbar
