#include "journal/journal_names.h"

#include <string_view>

namespace journal {
namespace {

constexpr std::wstring_view kJournalSuffix = L".journal";
constexpr std::wstring_view kTemporarySuffix = L".journal.tmp";
constexpr std::wstring_view kLockSuffix = L".journal.lock";

// The number the text spells as we write numbers (no sign, no leading zero);
// nothing for any other text or above `limit`.
std::optional<unsigned long long> Number(std::wstring_view text, unsigned long long limit) {
  if (text.empty() || text.size() > 10 || (text.size() > 1 && text.front() == L'0'))
    return {};
  unsigned long long value = 0;
  for (wchar_t digit : text) {
    if (digit < L'0' || digit > L'9')
      return {};
    value = value * 10 + static_cast<unsigned>(digit - L'0');
  }
  if (value > limit)
    return {};
  return value;
}

} // namespace

TJournalNames JournalNames(const std::wstring& logName, TJournalInstance instance) {
  std::wstring stem = logName + L"." + std::to_wstring(instance.Process);
  if (instance.Serial > 0)
    stem += L"-" + std::to_wstring(instance.Serial);
  return {stem + std::wstring(kJournalSuffix), stem + std::wstring(kTemporarySuffix),
          stem + std::wstring(kLockSuffix)};
}

std::optional<TJournalInstance> JournalInstance(const std::wstring& logName,
                                                const std::wstring& fileName) {
  std::wstring_view name = fileName;
  if (!name.starts_with(logName) || name.substr(logName.size(), 1) != L".")
    return {};
  name.remove_prefix(logName.size() + 1);
  const std::size_t end = name.find(L'.');
  if (end == std::wstring_view::npos)
    return {};
  const std::wstring_view suffix = name.substr(end);
  if (suffix != kJournalSuffix && suffix != kTemporarySuffix && suffix != kLockSuffix)
    return {};
  const std::wstring_view id = name.substr(0, end);
  const std::size_t dash = id.find(L'-');
  // Process ids are 32-bit; a longer number, or a serial of 0, was not written by us.
  const auto process = Number(id.substr(0, dash), 0xFFFFFFFFull);
  if (!process)
    return {};
  if (dash == std::wstring_view::npos)
    return TJournalInstance{static_cast<unsigned long>(*process), 0};
  const auto serial = Number(id.substr(dash + 1), kMaxJournalSerial);
  if (!serial || *serial == 0)
    return {};
  return TJournalInstance{static_cast<unsigned long>(*process), static_cast<unsigned>(*serial)};
}

std::wstring SetAsideName(const std::wstring& journal, int attempt) {
  return journal + L".bad" + (attempt > 1 ? std::to_wstring(attempt) : std::wstring());
}

} // namespace journal
