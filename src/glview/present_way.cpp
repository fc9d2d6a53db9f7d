#include "glview/present_way.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace glview {

TPresentWay ChoosePresentWay(std::string_view override, bool underWine) {
  std::string word(override);
  std::transform(word.begin(), word.end(), word.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (word == "native")
    return TPresentWay::Native;
  if (word == "gdi")
    return TPresentWay::Gdi;
  return underWine ? TPresentWay::Gdi : TPresentWay::Native;
}

} // namespace glview
