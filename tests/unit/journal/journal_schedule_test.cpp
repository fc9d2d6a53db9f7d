#include "journal/journal_schedule.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace journal {
namespace {

// The form's timer over simulated time: set by what the schedule returns, run out at its time.
struct TSimulatedTimer {
  TJournalSchedule schedule;
  std::optional<unsigned> firesAt;
  std::vector<unsigned> writes;

  void Set(unsigned now, std::optional<unsigned> delay) {
    if (delay)
      firesAt = now + *delay;
  }
  void RunUntil(unsigned now) {
    if (firesAt && *firesAt <= now) {
      writes.push_back(*firesAt);
      firesAt.reset();
      schedule.Taken();
    }
  }
};

TEST(JournalSchedule, SteadyTypingIsJournaledWithinTwoSecondsOfTheFirstUnsavedKey) {
  // 21 keys 1.2 s apart, as measured: never a pause of two seconds.
  TSimulatedTimer timer;
  std::optional<unsigned> firstUnsaved;
  for (unsigned key = 0; key < 21; ++key) {
    const unsigned now = key * 1200;
    const std::size_t before = timer.writes.size();
    timer.RunUntil(now);
    if (timer.writes.size() > before) {
      EXPECT_LE(timer.writes.back() - *firstUnsaved, 2000u);
      firstUnsaved.reset();
    }
    if (!firstUnsaved)
      firstUnsaved = now;
    timer.Set(now, timer.schedule.Changed());
  }
  ASSERT_EQ(timer.writes.size(), 10u); // every 2.4 s: the first key after a write starts the time
  EXPECT_EQ(timer.writes.front(), 2000u);
}

TEST(JournalSchedule, AnAnswerIsDueAtOnceAndAFailedWriteIsDueAgain) {
  TJournalSchedule schedule;
  EXPECT_EQ(schedule.Changed(), 2000u);
  EXPECT_EQ(schedule.Answered(), TJournalSchedule::kAfterAnswerMs); // sooner than the change's
  EXPECT_EQ(schedule.Changed(), std::nullopt); // the answer's line break does not put it off
  EXPECT_EQ(schedule.Answered(), std::nullopt);
  schedule.Taken();
  EXPECT_EQ(schedule.WriteFailed(), 2000u);
  EXPECT_EQ(schedule.WriteFailed(), std::nullopt); // one retry waits already
  EXPECT_EQ(schedule.Changed(), std::nullopt);
}

} // namespace
} // namespace journal
