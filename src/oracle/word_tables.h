#pragma once
// The constant word tables the answer code's digits pick from. Every entry is Windows-1251 text.
#include <array>
#include <string_view>

namespace oracle {

using WordRow = std::array<std::string_view, 12>;

// Row 0: manner phrase (digit 0), 1: adjective (digit 1), 2: noun (digit 2), 3: imperative (digit
// 3).
extern const std::array<WordRow, 4> ImperativeTable;

// Row 0: feminine adjective (digit 4), 1: feminine noun (digit 5), 2..5: verb lists 0..3 chosen
// by digit 6 mod 4, the verb within the list by digit 7. Verbs are stored in the first person.
extern const std::array<WordRow, 6> PersonalTable;

struct PronounCase {
  std::string_view pronoun;
  std::string_view verbEnding;
};

// Chosen by digit 6 div 4.
extern const std::array<PronounCase, 3> PronounCases;

} // namespace oracle
