#pragma once
// A control's text split at its CR LF pairs, as the tests compare it line by line.
#include <string>
#include <vector>

namespace testing_support {

// The lines between CR LF pairs; a text ending in CR LF ends with an empty line.
inline std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
    lines.push_back(text.substr(start, at - start));
  lines.push_back(text.substr(start));
  return lines;
}

} // namespace testing_support
