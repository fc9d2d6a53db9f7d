#include "journal/journal_names.h"

#include <string_view>

namespace journal {
namespace {

constexpr std::wstring_view kJournalSuffix = L".journal";
constexpr std::wstring_view kTemporarySuffix = L".journal.tmp";
constexpr std::wstring_view kLockSuffix = L".journal.lock";

} // namespace

TJournalNames JournalNames(const std::wstring& logName, unsigned long instance) {
  const std::wstring stem = logName + L"." + std::to_wstring(instance);
  return {stem + std::wstring(kJournalSuffix), stem + std::wstring(kTemporarySuffix),
          stem + std::wstring(kLockSuffix)};
}

std::optional<unsigned long> JournalInstance(const std::wstring& logName,
                                             const std::wstring& fileName) {
  std::wstring_view name = fileName;
  if (!name.starts_with(logName) || name.substr(logName.size(), 1) != L".")
    return {};
  name.remove_prefix(logName.size() + 1);
  const std::size_t digits = name.find_first_not_of(L"0123456789");
  if (digits == 0 || digits == std::wstring_view::npos || digits > 10)
    return {};
  if (digits > 1 && name.front() == L'0')
    return {}; // not a number we write: its journal would have another name

  const std::wstring_view suffix = name.substr(digits);
  if (suffix != kJournalSuffix && suffix != kTemporarySuffix && suffix != kLockSuffix)
    return {};
  unsigned long long instance = 0;
  for (wchar_t digit : name.substr(0, digits))
    instance = instance * 10 + static_cast<unsigned>(digit - L'0');
  if (instance > 0xFFFFFFFFull)
    return {}; // process ids are 32-bit; a longer number was not written by us
  return static_cast<unsigned long>(instance);
}

std::wstring SetAsideName(const std::wstring& journal, int attempt) {
  return journal + L".bad" + (attempt > 1 ? std::to_wstring(attempt) : std::wstring());
}

} // namespace journal
