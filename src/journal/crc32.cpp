#include "journal/crc32.h"

#include <array>

namespace journal {
namespace {

// Eight tables: table[k][b] is the CRC of byte b followed by k zero bytes, so eight bytes are
// folded in per step (a journal of 10 MB is checked at every start and written every few
// seconds).
using TCrcTables = std::array<std::array<std::uint32_t, 256>, 8>;

constexpr TCrcTables MakeTables() {
  TCrcTables tables{};
  for (std::uint32_t b = 0; b < 256; ++b) {
    std::uint32_t crc = b;
    for (int bit = 0; bit < 8; ++bit)
      crc = (crc >> 1) ^ ((crc & 1u) ? 0xEDB88320u : 0u);
    tables[0][b] = crc;
  }
  for (std::size_t k = 1; k < 8; ++k)
    for (std::size_t b = 0; b < 256; ++b)
      tables[k][b] = (tables[k - 1][b] >> 8) ^ tables[0][tables[k - 1][b] & 0xFFu];
  return tables;
}

constexpr TCrcTables kTables = MakeTables();

std::uint32_t Byte(std::string_view bytes, std::size_t at) {
  return static_cast<unsigned char>(bytes[at]);
}

} // namespace

std::uint32_t Crc32(std::string_view bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  std::size_t i = 0;
  for (; i + 8 <= bytes.size(); i += 8) {
    const std::uint32_t low = crc ^ (Byte(bytes, i) | Byte(bytes, i + 1) << 8 |
                                     Byte(bytes, i + 2) << 16 | Byte(bytes, i + 3) << 24);
    crc = kTables[7][low & 0xFFu] ^ kTables[6][(low >> 8) & 0xFFu] ^
          kTables[5][(low >> 16) & 0xFFu] ^ kTables[4][low >> 24] ^ kTables[3][Byte(bytes, i + 4)] ^
          kTables[2][Byte(bytes, i + 5)] ^ kTables[1][Byte(bytes, i + 6)] ^
          kTables[0][Byte(bytes, i + 7)];
  }
  for (; i < bytes.size(); ++i)
    crc = (crc >> 8) ^ kTables[0][(crc ^ Byte(bytes, i)) & 0xFFu];
  return crc ^ 0xFFFFFFFFu;
}

} // namespace journal
