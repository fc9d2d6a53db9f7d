#include "journal/background_writer.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

namespace journal {
namespace {

// A gate the first task waits at, so that the test can hand over more while it runs.
class TGate {
public:
  void Open() {
    std::lock_guard lock(mutex_);
    open_ = true;
    changed_.notify_all();
  }
  void Arrive() {
    std::unique_lock lock(mutex_);
    arrived_ = true;
    changed_.notify_all();
    changed_.wait(lock, [this] { return open_; });
  }
  void AwaitArrival() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return arrived_; });
  }

private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool open_ = false;
  bool arrived_ = false;
};

class BackgroundWriterTest : public ::testing::Test {
protected:
  // A task that records its number; the first one waits at the gate.
  TBackgroundWriter::TTask Task(int number) {
    return [this, number] {
      if (number == 1)
        gate_.Arrive();
      std::lock_guard lock(mutex_);
      ran_.push_back(number);
    };
  }
  std::vector<int> Ran() {
    std::lock_guard lock(mutex_);
    return ran_;
  }

  TGate gate_;
  std::mutex mutex_;
  std::vector<int> ran_;
  std::vector<std::string> errors_;
};

TEST_F(BackgroundWriterTest, OnlyTheNewestWaitingTaskRuns) {
  TBackgroundWriter writer([this](const std::string& e) { errors_.push_back(e); });
  writer.Submit(Task(1));
  gate_.AwaitArrival(); // the first runs and the disk is slow
  for (int number = 2; number <= 5; ++number)
    writer.Submit(Task(number));
  gate_.Open();
  writer.Wait();
  EXPECT_EQ(Ran(), (std::vector<int>{1, 5}));
}

TEST_F(BackgroundWriterTest, ADroppedTaskNeverRunsAndTheRunningOneFinishes) {
  TBackgroundWriter writer([this](const std::string& e) { errors_.push_back(e); });
  writer.Submit(Task(1));
  gate_.AwaitArrival();
  writer.Submit(Task(2));
  writer.Drop();
  gate_.Open();
  writer.Wait();
  EXPECT_EQ(Ran(), (std::vector<int>{1}));
  writer.Submit(Task(3)); // the writer goes on
  writer.Wait();
  EXPECT_EQ(Ran(), (std::vector<int>{1, 3}));
}

TEST_F(BackgroundWriterTest, TheLastTaskRunsBeforeTheWriterGoes) {
  {
    TBackgroundWriter writer([this](const std::string& e) { errors_.push_back(e); });
    writer.Submit(Task(1));
    gate_.AwaitArrival();
    writer.Submit(Task(2));
    gate_.Open();
  }
  EXPECT_EQ(Ran(), (std::vector<int>{1, 2}));
}

TEST_F(BackgroundWriterTest, AFailedTaskIsReportedAndTheNextOneStillRuns) {
  TBackgroundWriter writer([this](const std::string& e) { errors_.push_back(e); });
  writer.Submit([] { throw std::runtime_error("disk full"); });
  writer.Wait();
  writer.Submit([] { throw 42; }); // not even an exception class: reported, the thread survives
  writer.Wait();
  gate_.Open();
  writer.Submit(Task(1));
  writer.Wait();
  EXPECT_EQ(errors_, (std::vector<std::string>{"disk full", "Unknown error"}));
  EXPECT_EQ(Ran(), (std::vector<int>{1}));
}

} // namespace
} // namespace journal
