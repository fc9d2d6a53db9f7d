#pragma once
// CRC-32 as zip and PNG compute it: reflected polynomial 0xEDB88320, all ones in and out.
#include <cstdint>
#include <string_view>

namespace journal {

std::uint32_t Crc32(std::string_view bytes);

} // namespace journal
