#include "journal/background_writer.h"

#include <exception>
#include <utility>

namespace journal {

TBackgroundWriter::TBackgroundWriter(std::function<void(const std::string&)> onError)
    : onError_(std::move(onError)), thread_([this] { Run(); }) {}

TBackgroundWriter::~TBackgroundWriter() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void TBackgroundWriter::Submit(TTask task) {
  {
    std::lock_guard lock(mutex_);
    waiting_ = std::move(task);
  }
  changed_.notify_all();
}

void TBackgroundWriter::Wait() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !waiting_ && !running_; });
}

void TBackgroundWriter::Drop() {
  {
    std::lock_guard lock(mutex_);
    waiting_ = nullptr;
  }
  changed_.notify_all();
}

void TBackgroundWriter::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return waiting_ || stopping_; });
    if (!waiting_)
      return; // stopping, and nothing left to write
    TTask task = std::move(waiting_);
    waiting_ = nullptr;
    running_ = true;
    lock.unlock();
    // Every failure is reported, whatever the task raised; nothing may leave the thread (it would
    // end the program), not even a report that fails itself.
    try {
      try {
        task();
      } catch (const std::exception& error) {
        onError_(error.what());
      } catch (...) {
        onError_("Unknown error");
      }
    } catch (...) {
    }
    task = nullptr; // the snapshot it holds goes now, not at the next task
    lock.lock();
    running_ = false;
    changed_.notify_all();
  }
}

} // namespace journal
