#include "oracle/answer_phrase.h"

#include "oracle/answer_code.h"

#include <gtest/gtest.h>

namespace oracle {
namespace {

// Whole answer lines, byte for byte (the literals are Windows-1251 like the program's text).
TEST(AnswerLine, MatchesTheKnownLinesByteForByte) {
  struct Case {
    std::uint32_t code;
    const char* line;
  } cases[] = {
      {0, "00000000 - Я проясняю большую любопытность. Проясняй возможное пространство по "
          "возможностям."},
      {1, "00000001 - Я проясняю большую любопытность. Проясняй возможное пространство по "
          "ощущениям."},
      {429981695, "BBBBBBBB - Ты сохраняешь постоянную настойчивость. Сохраняй результативный "
                  "результат ни в чем другом."},
      {123456789, "35418A99 - Они ограничивают эмоциональную увлеченность. Выбирай желаемое "
                  "решение по намерениям."},
      {206598439, "59233347 - Ты чувствуешь практичную направленность. Ограничивай логичный "
                  "критерий в чем-то еще."},
      {173187684, "4A000430 - Ты предусматриваешь большую любопытность. Проясняй ограниченное "
                  "мнение по возможностям."},
      {14810218, "04B6288A - Они проясняют экспериментальную настойчивость. Определяй искомый "
                 "выбор по ситуации."},
  };
  for (const Case& c : cases)
    EXPECT_EQ(AnswerLine(c.code), c.line) << CodeToText(c.code);
}

TEST(AnswerLine, LiteralsAreSingleByteWindows1251) {
  const std::string yes = "Я";
  ASSERT_EQ(yes.size(), 1u);
  EXPECT_EQ(static_cast<unsigned char>(yes[0]), 0xDF);
  EXPECT_EQ(static_cast<unsigned char>(std::string("ю")[0]), 0xFE);
}

// Every code's line keeps the shape the conversation window and the log rely on: known length
// range, no line break, exactly one space after the first full stop, ending with a full stop.
TEST(AnswerLine, EveryDigitCombinationHasTheExpectedShape) {
  std::size_t shortest = 1000, longest = 0;
  // Each digit takes all twelve values across this walk; digit 6 also meets every pairing.
  for (std::uint32_t step = 0; step < 12 * 12 * 12; ++step) {
    std::uint32_t code = 0;
    std::uint32_t power = 1;
    for (int k = 0; k < 8; ++k, power *= 12)
      code += ((step / (k % 3 == 0 ? 1 : k % 3 == 1 ? 12 : 144)) + k) % 12 * power;
    const std::string line = AnswerLine(code);
    shortest = std::min(shortest, line.size());
    longest = std::max(longest, line.size());
    EXPECT_EQ(line.find('\r'), std::string::npos);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    EXPECT_EQ(line.back(), '.');
    const std::size_t stop = line.find('.');
    EXPECT_EQ(line[stop + 1], ' ');
    EXPECT_NE(line[stop + 2], ' ');
    EXPECT_EQ(line.substr(8, 3), " - ");
  }
  EXPECT_GE(shortest, 65u);
  EXPECT_LE(longest, 129u);
}

// The two sentences depend on disjoint digit halves, so walking each half over all 12^4 values
// covers every answer line's length.
TEST(AnswerLine, SentenceLengthsSpanTheirFullRange) {
  const std::uint32_t upper = 12u * 12 * 12 * 12;
  std::size_t minPersonal = 1000, maxPersonal = 0, minImperative = 1000, maxImperative = 0;
  for (std::uint32_t half = 0; half < upper; ++half) {
    const std::size_t personal = PersonalSentence(half * upper).size();
    const std::size_t imperative = ImperativeSentence(half).size();
    minPersonal = std::min(minPersonal, personal);
    maxPersonal = std::max(maxPersonal, personal);
    minImperative = std::min(minImperative, imperative);
    maxImperative = std::max(maxImperative, imperative);
  }
  EXPECT_EQ(minPersonal, 26u);
  EXPECT_EQ(maxPersonal, 57u);
  EXPECT_EQ(minImperative, 27u);
  EXPECT_EQ(maxImperative, 60u);
  EXPECT_EQ(8 + 3 + minPersonal + 1 + minImperative, 65u);
  EXPECT_EQ(8 + 3 + maxPersonal + 1 + maxImperative, 129u);
}

TEST(PersonalSentence, Digit6ChoosesVerbListAndPronounIndependently) {
  const std::uint32_t d6 = 12u * 12 * 12 * 12 * 12 * 12;
  const std::uint32_t d7 = d6 * 12;
  // Digit 7 = 4 walks the four lists' differing entries; digit 6 = 0, 4, 8 keep list 0.
  EXPECT_EQ(PersonalSentence(4 * d7 + 0 * d6), "Я предполагаю большую любопытность.");
  EXPECT_EQ(PersonalSentence(4 * d7 + 4 * d6), "Они предполагают большую любопытность.");
  EXPECT_EQ(PersonalSentence(4 * d7 + 8 * d6), "Ты предполагаешь большую любопытность.");
  EXPECT_EQ(PersonalSentence(4 * d7 + 1 * d6), "Я понимаю большую любопытность.");
  EXPECT_EQ(PersonalSentence(4 * d7 + 6 * d6), "Они предусматривают большую любопытность.");
  EXPECT_EQ(PersonalSentence(4 * d7 + 11 * d6), "Ты упреждаешь большую любопытность.");
}

TEST(ImperativeSentence, AdjectiveAgreesWithNeuterNounsOnly) {
  const std::uint32_t d2 = 144;
  EXPECT_EQ(ImperativeSentence(3 * d2), "Проясняй возможный критерий по возможностям.");
  EXPECT_EQ(ImperativeSentence(8 * d2), "Проясняй возможный выбор по возможностям.");
  EXPECT_EQ(ImperativeSentence(4 * d2), "Проясняй возможное мнение по возможностям.");
  EXPECT_EQ(ImperativeSentence(0), "Проясняй возможное пространство по возможностям.");
}

} // namespace
} // namespace oracle
