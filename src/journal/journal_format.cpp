#include "journal/journal_format.h"

#include "journal/crc32.h"

#include <algorithm>
#include <cstdint>

namespace journal {
namespace {

constexpr std::string_view kMagic = "TRVJ";

void PutLittleEndian(std::string& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out += static_cast<char>((value >> (8 * i)) & 0xFFu);
}

std::uint64_t GetLittleEndian(std::string_view in, std::size_t at, int bytes) {
  std::uint64_t value = 0;
  for (int i = bytes - 1; i >= 0; --i)
    value = value << 8 | static_cast<unsigned char>(in[at + i]);
  return value;
}

// A log record is the date-time line (which never holds a line break) and the conversation,
// each ended by CR LF; the first CR LF ends the date-time line.
bool IsLogRecord(std::string_view record) {
  const std::size_t head = record.find("\r\n");
  return head != std::string_view::npos && record.size() >= head + 4 && record.ends_with("\r\n");
}

} // namespace

std::string FrameJournal(std::string_view record) {
  std::string bytes;
  bytes.reserve(kJournalHeaderSize + record.size());
  bytes += kMagic;
  PutLittleEndian(bytes, kJournalVersion, 4);
  PutLittleEndian(bytes, record.size(), 8);
  PutLittleEndian(bytes, Crc32(record), 4);
  bytes += record;
  return bytes;
}

TJournalStatus CheckJournalHeader(std::string_view header, unsigned long long fileSize) {
  header = header.substr(0, std::min<unsigned long long>(kJournalHeaderSize, fileSize));
  if (!kMagic.starts_with(header.substr(0, kMagic.size())))
    return TJournalStatus::Foreign;
  if (header.size() < kJournalHeaderSize)
    return TJournalStatus::WrongLength; // torn inside the header
  if (GetLittleEndian(header, 4, 4) != kJournalVersion)
    return TJournalStatus::WrongVersion;
  if (GetLittleEndian(header, 8, 8) != fileSize - kJournalHeaderSize)
    return TJournalStatus::WrongLength;
  return TJournalStatus::Good;
}

TJournalContents ParseJournal(std::string_view bytes) {
  if (const TJournalStatus status = CheckJournalHeader(bytes, bytes.size());
      status != TJournalStatus::Good)
    return {status, {}};
  const std::string_view record = bytes.substr(kJournalHeaderSize);
  if (GetLittleEndian(bytes, 16, 4) != Crc32(record))
    return {TJournalStatus::WrongChecksum, {}};
  if (!IsLogRecord(record))
    return {TJournalStatus::Malformed, {}};
  return {TJournalStatus::Good, std::string(record)};
}

bool HasEmptyConversation(std::string_view record) {
  const std::size_t head = record.find("\r\n");
  return head != std::string_view::npos && head + 4 == record.size();
}

std::string JournalProblemText(TJournalStatus status) {
  switch (status) {
  case TJournalStatus::Good:
    return "журнал цел";
  case TJournalStatus::Foreign:
    return "это не журнал разговора";
  case TJournalStatus::WrongVersion:
    return "журнал другой версии программы";
  case TJournalStatus::WrongLength:
    return "журнал оборван";
  case TJournalStatus::WrongChecksum:
    return "контрольная сумма журнала не сходится";
  case TJournalStatus::Malformed:
    return "в журнале нет записи разговора";
  }
  return {};
}

} // namespace journal
