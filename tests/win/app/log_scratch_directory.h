#pragma once
// A fresh empty directory, made the current directory for as long as the object lives, so that
// the relative file names of the program resolve into it. Removed with everything in it.
#include <string>

#include <windows.h>

namespace testing_support {

inline void RemoveTree(const std::wstring& path) {
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..")
        continue;
      const std::wstring full = path + L"\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(full);
      else
        DeleteFileW(full.c_str());
    } while (FindNextFileW(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryW(path.c_str());
}

class TScratchDirectory {
public:
  // base: the directory to make it in; empty for the temporary-files directory.
  explicit TScratchDirectory(std::wstring base = {}) {
    wchar_t buffer[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, buffer);
    previous_ = buffer;
    if (base.empty()) {
      GetTempPathW(MAX_PATH, buffer);
      base = buffer;
    }
    if (base.back() != L'\\')
      base += L'\\';
    static int serial = 0;
    path_ = base + L"tarvel-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++serial);
    RemoveTree(path_);
    CreateDirectoryW(path_.c_str(), nullptr);
    SetCurrentDirectoryW(path_.c_str());
  }
  TScratchDirectory(const TScratchDirectory&) = delete;
  TScratchDirectory& operator=(const TScratchDirectory&) = delete;
  ~TScratchDirectory() {
    SetCurrentDirectoryW(previous_.c_str());
    RemoveTree(path_);
  }
  const std::wstring& Path() const { return path_; }

private:
  std::wstring previous_;
  std::wstring path_;
};

// The whole content of a file, or "<missing>" when it cannot be read.
inline std::string FileBytes(const wchar_t* name) {
  HANDLE file = CreateFileW(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return "<missing>";
  std::string bytes;
  char chunk[65536];
  DWORD read = 0;
  while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0)
    bytes.append(chunk, read);
  CloseHandle(file);
  return bytes;
}

inline void WriteFileBytes(const wchar_t* name, const std::string& bytes) {
  HANDLE file =
      CreateFileW(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

} // namespace testing_support
