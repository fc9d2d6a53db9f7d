#include "journal/journal_file.h"

#include "journal/file_error.h"

#include <algorithm>
#include <utility>

#include <windows.h>

namespace journal {
namespace {

constexpr ULONGLONG kRetryMs = 1000;
constexpr DWORD kRetryPauseMs = 50;

// What another program holding the file for a moment causes (a file being deleted, too, refuses
// access until its last handle goes).
bool Transient(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
         error == ERROR_ACCESS_DENIED;
}

// Runs attempt (0 on success, else the system's error code) until it succeeds, fails otherwise
// than transiently, or has been failing for kRetryMs; returns its last result.
template <typename Attempt> DWORD Retried(Attempt attempt, bool (*retry)(DWORD) = Transient) {
  const ULONGLONG start = GetTickCount64();
  for (;;) {
    const DWORD error = attempt();
    if (error == 0 || !retry(error) || GetTickCount64() - start >= kRetryMs)
      return error;
    Sleep(kRetryPauseMs);
  }
}

ui::UniqueFile Open(const std::wstring& fileName, DWORD access, DWORD share, DWORD disposition,
                    DWORD flags) {
  ui::UniqueFile file;
  const DWORD error = Retried([&]() -> DWORD {
    file.reset(CreateFileW(fileName.c_str(), access, share, nullptr, disposition, flags, nullptr));
    return file ? 0 : GetLastError();
  });
  if (error != 0)
    throw FileError(error);
  return file;
}

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

// Reads exactly size bytes from where the file stands; false when it ends before.
bool ReadAll(HANDLE file, char* data, std::size_t size) {
  std::size_t got = 0;
  while (got < size) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - got, 1u << 24));
    DWORD read = 0;
    if (!ReadFile(file, data + got, chunk, &read, nullptr))
      throw FileError(GetLastError());
    if (read == 0)
      return false; // cut while we read
    got += read;
  }
  return true;
}

void FlushAndClose(ui::UniqueFile file) {
  if (!FlushFileBuffers(file.get()))
    throw FileError(GetLastError());
  if (!CloseHandle(file.release()))
    throw FileError(GetLastError());
}

void WriteTemporary(const std::wstring& fileName, std::string_view bytes) {
  // CREATE_ALWAYS over a hidden file needs the hidden attribute asked for again.
  ui::UniqueFile file = Open(fileName, GENERIC_WRITE, 0, CREATE_ALWAYS, FILE_ATTRIBUTE_HIDDEN);
  WriteAll(file.get(), bytes);
  FlushAndClose(std::move(file));
}

DWORD DeleteIfPresent(const std::wstring& fileName) {
  return Retried([&]() -> DWORD {
    if (DeleteFileW(fileName.c_str()))
      return 0;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? 0 : error;
  });
}

DWORD Move(const std::wstring& from, const std::wstring& to, DWORD flags) {
  return Retried(
      [&]() -> DWORD { return MoveFileExW(from.c_str(), to.c_str(), flags) ? 0 : GetLastError(); });
}

} // namespace

void WriteJournalFile(const TJournalNames& names, std::string_view bytes) {
  try {
    WriteTemporary(names.Temporary, bytes);
  } catch (...) {
    DeleteIfPresent(names.Temporary); // a partial temporary file is worth nothing
    throw;
  }
  if (const DWORD error = Move(names.Temporary, names.Journal,
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteIfPresent(names.Temporary);
    throw FileError(error);
  }
  // The replacement reaches the disk with the journal's own flush.
  FlushAndClose(Open(names.Journal, GENERIC_WRITE, FILE_SHARE_READ, OPEN_EXISTING, 0));
}

bool DeleteJournalFiles(const TJournalNames& names) {
  const bool journal = DeleteJournalFile(names.Journal) == 0;
  return DeleteJournalFile(names.Temporary) == 0 && journal;
}

unsigned long DeleteJournalFile(const std::wstring& fileName) {
  return DeleteIfPresent(fileName);
}

TJournalContents ReadJournal(const std::wstring& fileName) {
  ui::UniqueFile file =
      Open(fileName, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size))
    throw FileError(GetLastError());
  const auto fileSize = static_cast<unsigned long long>(size.QuadPart);
  std::string bytes(kJournalHeaderSize, '\0');
  const auto headerSize =
      static_cast<std::size_t>(std::min<unsigned long long>(fileSize, kJournalHeaderSize));
  if (!ReadAll(file.get(), bytes.data(), headerSize))
    return {TJournalStatus::WrongLength, {}};
  bytes.resize(headerSize);
  if (const TJournalStatus status = CheckJournalHeader(bytes, fileSize);
      status != TJournalStatus::Good)
    return {status, {}};
  // The header's length and the file's size agree: the record is read, and checked.
  if (fileSize > bytes.max_size())
    throw FileError(ERROR_NOT_ENOUGH_MEMORY);
  bytes.resize(static_cast<std::size_t>(fileSize));
  if (!ReadAll(file.get(), bytes.data() + headerSize, bytes.size() - headerSize))
    return {TJournalStatus::WrongLength, {}};
  return ParseJournal(bytes);
}

TSetAside SetJournalAside(const std::wstring& journal) {
  DWORD error = ERROR_ALREADY_EXISTS;
  for (int attempt = 1; attempt <= 1000; ++attempt) {
    std::wstring aside = SetAsideName(journal, attempt);
    error = Move(journal, aside, MOVEFILE_WRITE_THROUGH);
    if (error == 0) {
      const DWORD hidden = Retried([&]() -> DWORD {
        return SetFileAttributesW(aside.c_str(), FILE_ATTRIBUTE_NORMAL) ? 0 : GetLastError();
      });
      return {std::move(aside), hidden};
    }
    if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS)
      break;
  }
  throw FileError(error);
}

std::wstring LongPath(const std::wstring& name) {
  if (name.starts_with(L"\\\\?\\"))
    return name;
  const DWORD length = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
  if (length == 0)
    throw FileError(GetLastError());
  std::wstring path(length, L'\0');
  const DWORD copied = GetFullPathNameW(name.c_str(), length, path.data(), nullptr);
  if (copied == 0 || copied >= length)
    throw FileError(GetLastError());
  path.resize(copied);
  if (path.starts_with(L"\\\\"))
    return L"\\\\?\\UNC\\" + path.substr(2); // \\server\share\…
  return L"\\\\?\\" + path;
}

std::wstring DisplayName(const std::wstring& longPath) {
  if (longPath.starts_with(L"\\\\?\\UNC\\"))
    return L"\\\\" + longPath.substr(8);
  if (longPath.starts_with(L"\\\\?\\"))
    return longPath.substr(4);
  return longPath;
}

bool FileExists(const std::wstring& name) {
  if (GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES)
    return true;
  const DWORD error = GetLastError();
  return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
}

TJournalLock TJournalLock::Take(const std::wstring& lockName) {
  TJournalLock lock;
  // No FILE_SHARE_DELETE: while this handle is open nobody else can open the file for delete,
  // which is what the next taker asks for. The file goes with its last handle. A sharing
  // violation is the owner's answer and is not tried again.
  lock.error_ = Retried(
      [&]() -> DWORD {
        lock.file_.reset(CreateFileW(lockName.c_str(), GENERIC_READ | DELETE, FILE_SHARE_READ,
                                     nullptr, OPEN_ALWAYS,
                                     FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
        return lock.file_ ? 0 : GetLastError();
      },
      [](DWORD error) { return error != ERROR_SHARING_VIOLATION && Transient(error); });
  return lock;
}

} // namespace journal
