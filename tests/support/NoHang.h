#pragma once
// For the tests of what must never wait: a pipe under a file's name would make
// a careless open() or read() wait for ever, and a test that hangs tells
// nobody anything. When the work is not done in time, the test fails, and the
// pipes in the folder are given a writer, a reader and a line ending, so that
// the work comes back and the test can end.
//
// FinishesWithin runs the work on a thread of its own; a window test, whose
// work must run on the GUI thread, keeps a PipeWatch instead while it works.

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

// Opens every pipe in the folder at both ends and puts a line ending into it:
// O_RDWR never waits, and whoever waits on the pipe, to open, read or write
// it, goes on. Returns the descriptors, to be closed once the work is back.
inline std::vector<int> ReleasePipes(const std::string& folder) {
  std::vector<int> ends;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (!entry.is_fifo()) continue;
    const int fd = ::open(entry.path().c_str(), O_RDWR | O_NONBLOCK);
    if (fd < 0) continue;
    [[maybe_unused]] const auto wrote = ::write(fd, "\n", 1);
    ends.push_back(fd);
  }
  return ends;
}

// Whether the work finished within the limit; adds a failure when not.
inline bool FinishesWithin(std::chrono::milliseconds limit, const std::string& folderWithPipes,
                           const std::function<void()>& work) {
  std::promise<void> done;
  std::future<void> finished = done.get_future();
  std::thread worker([&] {
    work();
    done.set_value();
  });
  if (finished.wait_for(limit) == std::future_status::ready) {
    worker.join();
    return true;
  }
  ADD_FAILURE() << "still waiting after " << limit.count() << " ms";
  const std::vector<int> ends = ReleasePipes(folderWithPipes);
  worker.join();
  for (const int fd : ends) ::close(fd);
  return false;
}

// Releases the pipes of the folder when it lives longer than the limit, and
// then fails the test.
class PipeWatch {
 public:
  PipeWatch(std::chrono::milliseconds limit, std::string folder)
      : watcher_([this, limit, folder = std::move(folder)] {
          std::unique_lock lock(mutex_);
          if (wake_.wait_for(lock, limit, [this] { return over_; })) return;
          fired_ = true;
          ends_ = ReleasePipes(folder);
        }) {}
  ~PipeWatch() {
    {
      std::lock_guard lock(mutex_);
      over_ = true;
    }
    wake_.notify_one();
    watcher_.join();
    for (const int fd : ends_) ::close(fd);
    if (fired_) ADD_FAILURE() << "the work waited on a pipe until it was released";
  }
  PipeWatch(const PipeWatch&) = delete;
  PipeWatch& operator=(const PipeWatch&) = delete;

 private:
  std::mutex mutex_;
  std::condition_variable wake_;
  bool over_ = false;
  bool fired_ = false;
  std::vector<int> ends_;
  std::thread watcher_;  // last: starts when everything it uses is there
};
