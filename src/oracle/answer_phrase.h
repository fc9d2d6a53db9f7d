#pragma once
// The composer: an answer code's digits pick the words of a two-sentence Russian answer.
#include <cstdint>
#include <string>

namespace oracle {

// Pronoun, verb in the matching person, feminine adjective and noun (digits 4 to 7).
std::string PersonalSentence(std::uint32_t answerCode);

// Imperative, adjective agreeing with the noun, noun, manner phrase (digits 0 to 3).
std::string ImperativeSentence(std::uint32_t answerCode);

// The personal sentence, one space, the imperative sentence.
std::string AnswerPhrase(std::uint32_t answerCode);

// What the conversation area shows: code text, " - ", answer phrase; no line break.
std::string AnswerLine(std::uint32_t answerCode);

} // namespace oracle
