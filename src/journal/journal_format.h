#pragma once
// The conversation journal's bytes: a header of 20 bytes (the magic word "TRVJ", the format
// version, the record's length and its CRC-32, little-endian) and then the exact log record a
// close would append. Reading checks every header field against the bytes, so a torn, damaged
// or foreign file is never taken for a record.
#include <cstddef>
#include <string>
#include <string_view>

namespace journal {

inline constexpr std::size_t kJournalHeaderSize = 20;
inline constexpr unsigned kJournalVersion = 1;

// The journal's whole content for one log record.
std::string FrameJournal(std::string_view record);

enum class TJournalStatus {
  Good,
  Foreign,       // does not begin with the magic word
  WrongVersion,  // a format this program does not know
  WrongLength,   // shorter or longer than its header says: torn, or something added
  WrongChecksum, // the record's bytes are not those that were written
  Malformed,     // checks out, yet is no log record (no date-time line, no final line break)
};

struct TJournalContents {
  TJournalStatus Status = TJournalStatus::Foreign;
  std::string Record; // only when Good
};

TJournalContents ParseJournal(std::string_view bytes);

// What the first bytes of a file of that size tell (up to kJournalHeaderSize of them): Good
// when the rest is worth reading, for the record's CRC-32 and form are still to be checked.
// A file whose size is not the one its header gives is refused here, unread.
TJournalStatus CheckJournalHeader(std::string_view header, unsigned long long fileSize);

// True when the record's conversation text is empty: the date-time line and an empty line.
bool HasEmptyConversation(std::string_view record);

// What is wrong with a journal of that status, for the error box.
std::string JournalProblemText(TJournalStatus status);

} // namespace journal
