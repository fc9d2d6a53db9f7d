#include "journal/journal_schedule.h"

namespace journal {

std::optional<unsigned> TJournalSchedule::Changed() {
  if (due_ != TDue::Nothing)
    return {}; // due already: a later key does not put it off
  due_ = TDue::AfterChange;
  return kAfterChangeMs;
}

std::optional<unsigned> TJournalSchedule::Answered() {
  if (due_ == TDue::AfterAnswer)
    return {};
  due_ = TDue::AfterAnswer;
  return kAfterAnswerMs;
}

std::optional<unsigned> TJournalSchedule::WriteFailed() {
  return Changed(); // what the failed write held is unjournaled again
}

} // namespace journal
