#pragma once
// For the tests of what must never wait: a pipe under a file's name would make
// a careless open() or read() wait for ever, and a test that hangs tells
// nobody anything. FinishesWithin runs the work on a thread of its own; when
// it is not done in time, the test fails, and the pipes in the folder are
// given a writer, a reader and a line ending, so that the thread comes back
// and the test can end.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

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
  // O_RDWR never waits, and counts as both ends of the pipe.
  std::vector<int> ends;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folderWithPipes)) {
    if (!entry.is_fifo()) continue;
    const int fd = ::open(entry.path().c_str(), O_RDWR | O_NONBLOCK);
    if (fd < 0) continue;
    [[maybe_unused]] const auto wrote = ::write(fd, "\n", 1);
    ends.push_back(fd);
  }
  worker.join();
  for (const int fd : ends) ::close(fd);
  return false;
}
