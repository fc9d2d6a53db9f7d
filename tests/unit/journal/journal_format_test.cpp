#include "journal/crc32.h"
#include "journal/journal_format.h"
#include "journal/journal_names.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace journal {
namespace {

const std::string kRecord = "05.03.2024 13:04:05\r\nЧто меня ждёт?\r\n35418A99 - Ответ.\r\n\r\n";

// The CRC one bit at a time, as the polynomial defines it.
std::uint32_t BitwiseCrc32(const std::string& bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit)
      crc = (crc >> 1) ^ ((crc & 1u) ? 0xEDB88320u : 0u);
  }
  return ~crc;
}

TEST(Crc32, KnownValuesAndEveryLengthAroundTheEightByteSteps) {
  EXPECT_EQ(Crc32(""), 0u);
  EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
  EXPECT_EQ(Crc32("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
  std::string bytes;
  for (int i = 0; i < 70; ++i) {
    EXPECT_EQ(Crc32(bytes), BitwiseCrc32(bytes)) << "length " << i;
    bytes += static_cast<char>(i * 37 + 200); // every byte value range, high bit included
  }
}

TEST(JournalFormat, HeaderThenTheRecordAndBack) {
  const std::string journal = FrameJournal(kRecord);
  ASSERT_EQ(journal.size(), kJournalHeaderSize + kRecord.size());
  // Stored files rely on this layout: magic, version, length, CRC-32, little-endian.
  auto littleEndian = [](std::uint64_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i)
      out += static_cast<char>(value >> (8 * i));
    return out;
  };
  const std::string header = std::string("TRVJ\x01\0\0\0", 8) + littleEndian(kRecord.size(), 8) +
                             littleEndian(Crc32(kRecord), 4);
  EXPECT_EQ(journal.substr(0, kJournalHeaderSize), header);
  EXPECT_EQ(journal.substr(kJournalHeaderSize), kRecord);

  const TJournalContents contents = ParseJournal(journal);
  EXPECT_EQ(contents.Status, TJournalStatus::Good);
  EXPECT_EQ(contents.Record, kRecord);
  // Bytes of every value, a NUL included, come back as they went.
  std::string binary = "1.1.2024\r\n";
  for (int b = 0; b < 256; ++b)
    binary += static_cast<char>(b);
  binary += "\r\n";
  EXPECT_EQ(ParseJournal(FrameJournal(binary)).Record, binary);
}

TEST(JournalFormat, ATornJournalIsRejectedAtEveryLength) {
  const std::string journal = FrameJournal(kRecord);
  for (std::size_t length = 0; length < journal.size(); ++length)
    EXPECT_EQ(ParseJournal(journal.substr(0, length)).Status, TJournalStatus::WrongLength)
        << "cut at " << length;
  EXPECT_EQ(ParseJournal(journal + "x").Status, TJournalStatus::WrongLength);
}

TEST(JournalFormat, ChangedBytesFailTheChecksumOrTheVersion) {
  const std::string journal = FrameJournal(kRecord);
  for (std::size_t at = kJournalHeaderSize; at < journal.size(); ++at) {
    std::string changed = journal;
    changed[at] = static_cast<char>(changed[at] ^ 0x10);
    EXPECT_EQ(ParseJournal(changed).Status, TJournalStatus::WrongChecksum) << "byte " << at;
  }
  std::string checksum = journal;
  checksum[16] = static_cast<char>(checksum[16] + 1);
  EXPECT_EQ(ParseJournal(checksum).Status, TJournalStatus::WrongChecksum);
  std::string version = journal;
  version[4] = 2;
  EXPECT_EQ(ParseJournal(version).Status, TJournalStatus::WrongVersion);
}

TEST(JournalFormat, TheHeaderAloneTellsAFileOfTheWrongSize) {
  const std::string journal = FrameJournal(kRecord);
  const std::string header = journal.substr(0, kJournalHeaderSize);
  EXPECT_EQ(CheckJournalHeader(header, journal.size()), TJournalStatus::Good);
  EXPECT_EQ(CheckJournalHeader(header, 3ull << 30), TJournalStatus::WrongLength); // 3 GiB
  EXPECT_EQ(CheckJournalHeader(header, journal.size() - 1), TJournalStatus::WrongLength);
  EXPECT_EQ(CheckJournalHeader(std::string(20, '\0'), 3ull << 30), TJournalStatus::Foreign);
  EXPECT_EQ(CheckJournalHeader("TRV", 3), TJournalStatus::WrongLength);
}

TEST(JournalFormat, ForeignFilesAndNonRecordsAreRecognised) {
  EXPECT_EQ(ParseJournal("просто текст").Status, TJournalStatus::Foreign);
  EXPECT_EQ(ParseJournal(kRecord).Status, TJournalStatus::Foreign); // a bare log record
  std::string otherMagic = FrameJournal(kRecord);
  otherMagic[3] = 'X';
  EXPECT_EQ(ParseJournal(otherMagic).Status, TJournalStatus::Foreign);
  EXPECT_EQ(ParseJournal("TRX").Status, TJournalStatus::Foreign);
  // Whole and checked, yet no log record: nothing to append.
  for (const char* notARecord : {"", "no line break", "1.1.2024\r\n", "1.1.2024\r\nlast line"})
    EXPECT_EQ(ParseJournal(FrameJournal(notARecord)).Status, TJournalStatus::Malformed)
        << notARecord;
}

TEST(JournalFormat, AnEmptyConversationIsTheDateLineAndOneEmptyLine) {
  EXPECT_TRUE(HasEmptyConversation("05.03.2024 13:04:05\r\n\r\n"));
  EXPECT_FALSE(HasEmptyConversation("05.03.2024 13:04:05\r\n\r\n\r\n")); // one line break typed
  EXPECT_FALSE(HasEmptyConversation(kRecord));
}

TEST(JournalNames, AnInstancesFilesAreNamedAfterTheLogAndFoundAgain) {
  const TJournalNames names = JournalNames(L"Your.txt", 1234);
  EXPECT_EQ(names.Journal, L"Your.txt.1234.journal");
  EXPECT_EQ(names.Temporary, L"Your.txt.1234.journal.tmp");
  EXPECT_EQ(names.Lock, L"Your.txt.1234.journal.lock");
  for (const std::wstring& name : {names.Journal, names.Temporary, names.Lock})
    EXPECT_EQ(JournalInstance(L"Your.txt", name)->Process, 1234u);
  EXPECT_EQ(JournalInstance(L"Your.txt", L"Your.txt.4294967295.journal")->Process, 4294967295u);

  // Not ours: another log, a set-aside journal, numbers that would name another file.
  for (const wchar_t* other :
       {L"Your.txt", L"Other.txt.1234.journal", L"Your.txt.1234.journal.bad", L"Your.txt..journal",
        L"Your.txt.0123.journal", L"Your.txt.4294967296.journal", L"Your.txt.12345678901.journal",
        L"Your.txt.12a.journal", L"Your.txt.1234.journals", L"Your.txtx1234.journal"})
    EXPECT_FALSE(JournalInstance(L"Your.txt", other).has_value()) << other;
  EXPECT_EQ(JournalInstance(L"Your.txt", L"Your.txt.0.journal")->Process, 0u);

  // A serial number after the id when that name was taken; the id alone is serial 0.
  const TJournalNames second = JournalNames(L"Your.txt", TJournalInstance{1234, 2});
  EXPECT_EQ(second.Journal, L"Your.txt.1234-2.journal");
  EXPECT_EQ(second.Lock, L"Your.txt.1234-2.journal.lock");
  EXPECT_EQ(JournalInstance(L"Your.txt", second.Temporary), (TJournalInstance{1234, 2}));
  EXPECT_EQ(JournalInstance(L"Your.txt", names.Journal), (TJournalInstance{1234, 0}));
  for (const wchar_t* other :
       {L"Your.txt.1234-0.journal", L"Your.txt.1234-02.journal", L"Your.txt.1234-.journal",
        L"Your.txt.1234-10000.journal", L"Your.txt.-2.journal", L"Your.txt.1234-2-3.journal"})
    EXPECT_FALSE(JournalInstance(L"Your.txt", other).has_value()) << other;

  EXPECT_EQ(SetAsideName(names.Journal, 1), L"Your.txt.1234.journal.bad");
  EXPECT_EQ(SetAsideName(names.Journal, 2), L"Your.txt.1234.journal.bad2");
}

} // namespace
} // namespace journal
