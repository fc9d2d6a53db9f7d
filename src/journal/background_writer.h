#pragma once
// Runs tasks one at a time on a thread of its own, for work that must not hold up the
// user-interface thread (the journal's disk writes). A task handed over while another still
// waits replaces it: only the newest waiting task runs, so a slow disk makes the journal skip
// stale snapshots instead of piling them up, and the caller never waits for the disk.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace journal {

class TBackgroundWriter {
public:
  using TTask = std::function<void()>;
  // onError runs on the writer's thread with the message of whatever a task raised. It must not
  // raise: nothing could report that.
  explicit TBackgroundWriter(std::function<void(const std::string&)> onError);
  TBackgroundWriter(const TBackgroundWriter&) = delete;
  TBackgroundWriter& operator=(const TBackgroundWriter&) = delete;
  // Runs the task still waiting, if any, then stops.
  ~TBackgroundWriter();

  // Hands a task over; a task that has not started yet is dropped for it.
  void Submit(TTask task);
  // Returns once no task waits and none runs.
  void Wait();
  // Drops the task that waits, if any; one that runs goes on.
  void Drop();

private:
  void Run();

  std::function<void(const std::string&)> onError_;
  std::mutex mutex_;
  std::condition_variable changed_;
  TTask waiting_;
  bool running_ = false;
  bool stopping_ = false;
  std::thread thread_; // last: starts once everything above exists
};

} // namespace journal
