#include "journal/journal_file.h"

#include "journal/file_error.h"

#include <algorithm>

#include <windows.h>

namespace journal {
namespace {

// Writes every byte or raises.
void WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 0x7FFFF000u));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr))
      throw FileError(GetLastError());
    if (written != chunk)
      throw FileError(ERROR_DISK_FULL); // a short write without an error: the medium is full
    bytes.remove_prefix(written);
  }
}

void WriteTemporary(const std::wstring& fileName, std::string_view bytes) {
  // CREATE_ALWAYS over a hidden file needs the hidden attribute asked for again.
  ui::UniqueFile file(CreateFileW(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_HIDDEN, nullptr));
  if (!file)
    throw FileError(GetLastError());
  WriteAll(file.get(), bytes);
  if (!FlushFileBuffers(file.get()))
    throw FileError(GetLastError());
  if (!CloseHandle(file.release()))
    throw FileError(GetLastError());
}

bool DeleteIfPresent(const std::wstring& fileName) {
  if (DeleteFileW(fileName.c_str()))
    return true;
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

} // namespace

void WriteJournalFile(const TJournalNames& names, std::string_view bytes) {
  try {
    WriteTemporary(names.Temporary, bytes);
  } catch (...) {
    DeleteFileW(names.Temporary.c_str()); // a partial temporary file is worth nothing
    throw;
  }
  // The rename reaches the disk before the call returns: the new journal is in place for good.
  if (!MoveFileExW(names.Temporary.c_str(), names.Journal.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const DWORD error = GetLastError();
    DeleteFileW(names.Temporary.c_str());
    throw FileError(error);
  }
}

bool DeleteJournalFiles(const TJournalNames& names) {
  const bool journal = DeleteIfPresent(names.Journal);
  return DeleteIfPresent(names.Temporary) && journal;
}

std::string ReadWholeFile(const std::wstring& fileName) {
  ui::UniqueFile file(CreateFileW(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file)
    throw FileError(GetLastError());
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size))
    throw FileError(GetLastError());
  if (static_cast<unsigned long long>(size.QuadPart) > std::string().max_size())
    throw FileError(ERROR_NOT_ENOUGH_MEMORY);
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t got = 0;
  while (got < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - got, 1u << 24));
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data() + got, chunk, &read, nullptr))
      throw FileError(GetLastError());
    if (read == 0)
      break; // cut while we read: what there is, and the check of its length will tell
    got += read;
  }
  bytes.resize(got);
  return bytes;
}

std::wstring SetJournalAside(const std::wstring& journal) {
  DWORD error = ERROR_ALREADY_EXISTS;
  for (int attempt = 1; attempt <= 1000; ++attempt) {
    const std::wstring aside = SetAsideName(journal, attempt);
    if (MoveFileExW(journal.c_str(), aside.c_str(), MOVEFILE_WRITE_THROUGH)) {
      SetFileAttributesW(aside.c_str(), FILE_ATTRIBUTE_NORMAL);
      return aside;
    }
    error = GetLastError();
    if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS)
      break;
  }
  throw FileError(error);
}

TJournalLock TJournalLock::Take(const std::wstring& lockName) {
  TJournalLock lock;
  // No FILE_SHARE_DELETE: while this handle is open nobody else can open the file for delete,
  // which is what the next taker asks for. The file goes with its last handle.
  lock.file_.reset(CreateFileW(lockName.c_str(), GENERIC_READ | DELETE, FILE_SHARE_READ, nullptr,
                               OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE,
                               nullptr));
  if (!lock.file_)
    lock.error_ = GetLastError();
  return lock;
}

} // namespace journal
