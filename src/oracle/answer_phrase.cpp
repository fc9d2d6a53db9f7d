#include "oracle/answer_phrase.h"

#include "oracle/answer_code.h"
#include "oracle/word_tables.h"

namespace oracle {

std::string PersonalSentence(std::uint32_t answerCode) {
  const int digit6 = AnswerDigit(answerCode, 6);
  const std::string_view adjective = PersonalTable[0][AnswerDigit(answerCode, 4)];
  const std::string_view noun = PersonalTable[1][AnswerDigit(answerCode, 5)];
  const std::string_view storedVerb = PersonalTable[2 + digit6 % 4][AnswerDigit(answerCode, 7)];
  const PronounCase& person = PronounCases[digit6 / 4];

  // The stored first-person form ends in "ю"; the person's ending replaces it.
  std::string verb(storedVerb.substr(0, storedVerb.size() - 1));
  verb += person.verbEnding;

  std::string sentence(person.pronoun);
  sentence.append(" ").append(verb).append(" ");
  sentence.append(adjective).append(" ").append(noun).append(".");
  return sentence;
}

std::string ImperativeSentence(std::uint32_t answerCode) {
  const std::string_view manner = ImperativeTable[0][AnswerDigit(answerCode, 0)];
  const std::string_view noun = ImperativeTable[2][AnswerDigit(answerCode, 2)];
  const std::string_view imperative = ImperativeTable[3][AnswerDigit(answerCode, 3)];

  // A neuter noun (ending in "о" or "е") takes the neuter adjective: "возможный" -> "возможное".
  std::string adjective(ImperativeTable[1][AnswerDigit(answerCode, 1)]);
  const char last = noun.back();
  if (last == 'о' || last == 'е')
    adjective.replace(adjective.size() - 2, 2, "ое");

  std::string sentence(imperative);
  sentence.append(" ").append(adjective).append(" ");
  sentence.append(noun).append(" ").append(manner).append(".");
  return sentence;
}

std::string AnswerPhrase(std::uint32_t answerCode) {
  std::string phrase = PersonalSentence(answerCode);
  phrase += ' ';
  phrase += ImperativeSentence(answerCode);
  return phrase;
}

std::string AnswerLine(std::uint32_t answerCode) {
  return CodeToText(answerCode) + " - " + AnswerPhrase(answerCode);
}

} // namespace oracle
