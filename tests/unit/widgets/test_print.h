#pragma once
// Readable failure messages for the portable value types.
#include "widgets/fc_types.h"

#include <ostream>

namespace widgets {

inline void PrintTo(const TRect& r, std::ostream* os) {
  *os << "{" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << "}";
}
inline void PrintTo(const TPoint& p, std::ostream* os) {
  *os << "(" << p.x << ", " << p.y << ")";
}

} // namespace widgets
