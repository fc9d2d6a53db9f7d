#pragma once
// The conversation log as the journal reaches it. The log is app/'s (app/log_file.h): the journal
// only hands it records, exactly the bytes a close appends, and never looks inside them.
#include <functional>
#include <string>

namespace journal {

struct TLog {
  // The log's name as it is written; the journals are kept beside it and named after it.
  std::wstring Name;
  // Appends a record; raises ui::EInOutError when the log cannot take it.
  std::function<void(const std::string& record)> Append;
  // The same, left out when the log already ends with exactly this record; whether it appended.
  std::function<bool(const std::string& record)> AppendUnlessLast;
};

} // namespace journal
