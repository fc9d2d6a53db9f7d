#include "glview/extension_list.h"

namespace glview {

bool ListsExtension(std::string_view extensions, std::string_view name) {
  if (name.empty())
    return false;
  for (size_t at = extensions.find(name); at != std::string_view::npos;
       at = extensions.find(name, at + 1)) {
    const size_t end = at + name.size();
    if ((at == 0 || extensions[at - 1] == ' ') &&
        (end == extensions.size() || extensions[end] == ' '))
      return true;
  }
  return false;
}

} // namespace glview
