#include "app/log_file.h"

#include "log_scratch_directory.h"
#include "log_test_clock.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace app {
namespace {

using testing_support::FileBytes;
using testing_support::TextsBetween;
using testing_support::TScratchDirectory;

const wchar_t kLog[] = L"Your.txt";

bool RussianLocale() {
  wchar_t name[LOCALE_NAME_MAX_LENGTH];
  GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH);
  return std::wstring(name).rfind(L"ru", 0) == 0;
}

class LogFileTest : public ::testing::Test {
protected:
  TScratchDirectory directory;
};

TEST_F(LogFileTest, RegionalSettingsComeFromTheSystem) {
  const TRegionalSettings s = UserRegionalSettings();
  const TLocalDateTime morning{2024, 3, 5, 7, 8, 9, 0};
  const TLocalDateTime evening{2024, 3, 5, 19, 8, 9, 0};
  if (RussianLocale()) {
    EXPECT_EQ(s.ShortDatePattern, "dd.MM.yyyy");
    EXPECT_FALSE(s.TwelveHour);
    EXPECT_TRUE(s.HourLeadingZero);
    EXPECT_EQ(LogDateTimeText(morning, s), "05.03.2024 07:08:09");
    EXPECT_EQ(LogDateTimeText(evening, s), "05.03.2024 19:08:09");
    EXPECT_EQ(s.LongMonthNames[2], "март");
  } else {
    EXPECT_EQ(s.ShortDatePattern, "M/d/yyyy");
    EXPECT_TRUE(s.TwelveHour);
    EXPECT_FALSE(s.HourLeadingZero);
    EXPECT_FALSE(s.MarkerBeforeTime);
    EXPECT_EQ(LogDateTimeText(morning, s), "3/5/2024 7:08:09 AM");
    EXPECT_EQ(LogDateTimeText(evening, s), "3/5/2024 7:08:09 PM");
    EXPECT_EQ(s.LongDayNames[0], "Sunday");
    EXPECT_EQ(s.ShortMonthNames[11], "Dec");
  }
}

TEST_F(LogFileTest, FirstCloseCreatesOneRecordAndEachNextOneFollowsIt) {
  const std::string conversation = "Что меня ждёт?\r\n35418A99 - Ответ.\r\n";
  const TLocalDateTime before = LocalNow();
  AppendConversationRecord(conversation);
  const TLocalDateTime after = LocalNow();
  const std::string first = FileBytes(kLog);
  bool matched = false;
  for (const std::string& text : TextsBetween(before, after))
    matched = matched || first == text + "\r\n" + conversation + "\r\n";
  EXPECT_TRUE(matched) << first;

  // A closing at midnight carries the date alone; an empty area gives an empty line.
  AppendConversationRecord("", TLocalDateTime{2024, 1, 2, 0, 0, 0, 500});
  const std::string midnight = RussianLocale() ? "02.01.2024" : "1/2/2024";
  EXPECT_EQ(FileBytes(kLog), first + midnight + "\r\n\r\n");

  AppendConversationRecord("A\r\nB", TLocalDateTime{2024, 1, 2, 23, 4, 5, 0});
  const std::string late = RussianLocale() ? "02.01.2024 23:04:05" : "1/2/2024 11:04:05 PM";
  EXPECT_EQ(FileBytes(kLog), first + midnight + "\r\n\r\n" + late + "\r\nA\r\nB\r\n");
}

void ExpectLogError(const std::string& conversation, unsigned long code, const char* message) {
  try {
    AppendConversationRecord(conversation);
    ADD_FAILURE() << "the append succeeded";
  } catch (const ui::EInOutError& error) {
    EXPECT_EQ(error.ErrorCode(), code);
    EXPECT_EQ(error.Message(), message);
  }
}

TEST_F(LogFileTest, ALogThatCannotBeOpenedIsReportedAndLeftAsItIs) {
  // Root ignores read-only bits; a directory in the file's place is refused to anyone.
  ASSERT_TRUE(CreateDirectoryW(kLog, nullptr));
  ExpectLogError("text", ERROR_ACCESS_DENIED, "File access denied");
  EXPECT_EQ(GetFileAttributesW(kLog) & FILE_ATTRIBUTE_DIRECTORY, DWORD{FILE_ATTRIBUTE_DIRECTORY});

  ASSERT_TRUE(RemoveDirectoryW(kLog));
  AppendConversationRecord("text", TLocalDateTime{2024, 1, 2, 0, 0, 0, 0});
  EXPECT_EQ(FileBytes(kLog),
            (RussianLocale() ? "02.01.2024" : "1/2/2024") + std::string("\r\ntext\r\n"));
}

TEST_F(LogFileTest, AnotherWriterBlocksTheAppendButAReaderDoesNot) {
  const TLocalDateTime when{2024, 1, 2, 0, 0, 0, 0};
  AppendConversationRecord("first", when);
  const std::string before = FileBytes(kLog);

  // A program holding the log without letting others write: a sharing violation, untouched.
  HANDLE holder = CreateFileW(kLog, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  ExpectLogError("second", ERROR_SHARING_VIOLATION, "I/O error 32");
  CloseHandle(holder);
  EXPECT_EQ(FileBytes(kLog), before);

  // One that writes, even while sharing everything, is kept out as well: while the log is
  // open nobody else writes to it.
  holder = CreateFileW(kLog, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  ExpectLogError("second", ERROR_SHARING_VIOLATION, "I/O error 32");
  CloseHandle(holder);
  EXPECT_EQ(FileBytes(kLog), before);

  // A reader that lets others write does not stop the append; it reads the whole record after.
  HANDLE reader = CreateFileW(kLog, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  AppendConversationRecord("second", when);
  CloseHandle(reader);
  EXPECT_EQ(FileBytes(kLog), before + before.substr(0, before.find('\r')) + "\r\nsecond\r\n");
}

// Run by log_full_disk.sh with TARVEL_LOG_FULL_DIR naming a small file system of its own.
TEST(LogFullDisk, AWriteThatRunsOutOfSpaceLeavesTheLogAtItsFormerLength) {
  char unixDir[1024];
  if (GetEnvironmentVariableA("TARVEL_LOG_FULL_DIR", unixDir, sizeof unixDir) == 0)
    GTEST_SKIP() << "needs a small file system (log_full_disk.sh)";
  using ToDos = wchar_t*(CDECL*)(const char*);
  const auto toDos = reinterpret_cast<ToDos>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
  ASSERT_NE(toDos, nullptr) << "runs under Wine only";
  wchar_t* dosDir = toDos(unixDir);
  TScratchDirectory directory(dosDir);
  HeapFree(GetProcessHeap(), 0, dosDir);

  const TLocalDateTime when{2024, 1, 2, 0, 0, 0, 0};
  const std::string small(1000, 'a');
  AppendConversationRecord(small, when);
  const std::string before = FileBytes(kLog);
  ASSERT_EQ(before.size(), small.size() + 4 + (RussianLocale() ? 10 : 8));

  ExpectLogError(std::string(4 << 20, 'b'), ERROR_DISK_FULL, "I/O error 112");
  const std::string after = FileBytes(kLog);
  EXPECT_EQ(after.size(), before.size()); // not the part of the record that fitted
  EXPECT_TRUE(after == before);

  AppendConversationRecord("c", when);
  EXPECT_EQ(FileBytes(kLog), before + before.substr(0, before.find('\r')) + "\r\nc\r\n");
}

} // namespace
} // namespace app
