#pragma once
// Looking at and laying out journal files in a test's scratch folder.
#include "journal/journal_format.h"
#include "journal/journal_log.h"
#include "journal/journal_names.h"

#include "../app/log_scratch_directory.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <windows.h>

namespace testing_support {

inline bool Exists(const std::wstring& name) {
  return GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline bool Hidden(const std::wstring& name) {
  const DWORD attributes = GetFileAttributesW(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN);
}

// This process's journal files beside "Your.txt" in the current folder, by their relative names.
inline journal::TJournalNames OwnJournal() {
  return journal::JournalNames(L"Your.txt", GetCurrentProcessId());
}

// The record a journal file holds; fails the test when it is not a good journal.
inline std::string JournalRecord(const std::wstring& name) {
  const journal::TJournalContents contents = journal::ParseJournal(FileBytes(name.c_str()));
  EXPECT_EQ(contents.Status, journal::TJournalStatus::Good)
      << "journal of " << name.size() << " chars";
  return contents.Record;
}

// A journal as an instance that is gone left it, last written minutesAgo minutes ago.
inline void PlantJournal(const std::wstring& name, const std::string& bytes, int minutesAgo) {
  WriteFileBytes(name.c_str(), bytes);
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER t{{now.dwLowDateTime, now.dwHighDateTime}};
  t.QuadPart -= static_cast<ULONGLONG>(minutesAgo) * 60 * 10000000;
  const FILETIME written{t.LowPart, t.HighPart};
  HANDLE file = CreateFileW(name.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  SetFileTime(file, nullptr, nullptr, &written);
  CloseHandle(file);
  SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_HIDDEN);
}

// A file of that size whose bytes were never written (a hole, on a file system that has them).
inline void PlantSparseFile(const std::wstring& name, long long size) {
  HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  LARGE_INTEGER end;
  end.QuadPart = size;
  SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
  SetEndOfFile(file);
  CloseHandle(file);
}

// A log of the test's own, in memory: what the journal appends, and a look at the moment of
// each append.
struct TMemoryLog {
  std::string Bytes;
  std::function<void(const std::string& record)> OnAppend;

  journal::TLog Log() {
    return {L"Your.txt", [this](const std::string& record) { Add(record); },
            [this](const std::string& record) {
              if (Bytes.ends_with(record))
                return false;
              Add(record);
              return true;
            }};
  }

private:
  void Add(const std::string& record) {
    if (OnAppend)
      OnAppend(record);
    Bytes += record;
  }
};

} // namespace testing_support
