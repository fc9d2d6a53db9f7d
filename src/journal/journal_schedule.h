#pragma once
// When the running conversation's journal is written next: at most two seconds after the first
// change that is not journaled yet, however often the text changes meanwhile (a person who
// types without a pause is journaled every two seconds, not never), and at once after an
// answer. A write that failed leaves the conversation unjournaled, so the time starts again.
#include <optional>

namespace journal {

class TJournalSchedule {
public:
  static constexpr unsigned kAfterChangeMs = 2000;
  // The shortest timer Windows has (USER_TIMER_MINIMUM): the snapshot follows the answer's paint.
  static constexpr unsigned kAfterAnswerMs = 10;

  // Each returns the delay to set the timer to, or nothing when the timer runs on as it is.
  std::optional<unsigned> Changed();
  std::optional<unsigned> Answered();
  std::optional<unsigned> WriteFailed();
  // The timer ran out and the snapshot was handed to the writer: nothing is waiting.
  void Taken() { due_ = TDue::Nothing; }

private:
  enum class TDue { Nothing, AfterChange, AfterAnswer };
  TDue due_ = TDue::Nothing;
};

} // namespace journal
