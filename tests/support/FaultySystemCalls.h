#pragma once
// The real system calls, one of which can be made to fail once with a chosen
// errno: the tests run as root, so permission bits cannot make a file
// operation fail. A test can also run something of its own just before a call
// (take the folder away, say), count the calls, and choose the random numbers.

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <utility>

#include "allgfunkt/SystemCalls.h"

enum class Call {
  Open,
  Read,
  Write,
  Fsync,
  Close,
  Rename,
  Unlink,
  Stat,
  Fstat,
  Fchmod,
  Fchown,
  AccessWrite,
  Mkdir,
  OpenDir,
  ReadDir,
  CloseDir,
  Count  // not a call: the number of calls above
};

class FaultySystemCalls : public PosixSystemCalls {
 public:
  // The nth call of this kind from now on (1: the next one) fails with the
  // error; the calls after it work again.
  void FailAt(Call call, int error, int nth = 1) { fault_ = Fault{call, error, nth, false}; }
  // Every call of this kind from now on fails with the error.
  void FailEvery(Call call, int error) { fault_ = Fault{call, error, 1, true}; }

  // Runs the action once, just before the next call of this kind.
  void Before(Call call, std::function<void()> action) { before_ = {call, std::move(action)}; }

  // How many calls of the kind were made so far.
  int Made(Call call) const { return made_[static_cast<std::size_t>(call)]; }

  // At most this many bytes go through one write, so that a failing write can
  // come part-way through a file.
  std::size_t WriteChunk = SIZE_MAX;

  // The random numbers to hand out, in order; real ones when none are left.
  std::deque<std::uint64_t> RandomNumbers;

  int Open(const char* path, int flags, mode_t mode) override {
    return Fails(Call::Open) ? -1 : PosixSystemCalls::Open(path, flags, mode);
  }
  ssize_t Read(int fd, void* buffer, std::size_t size) override {
    return Fails(Call::Read) ? -1 : PosixSystemCalls::Read(fd, buffer, size);
  }
  ssize_t Write(int fd, const void* data, std::size_t size) override {
    return Fails(Call::Write) ? -1 : PosixSystemCalls::Write(fd, data, std::min(size, WriteChunk));
  }
  int Fsync(int fd) override { return Fails(Call::Fsync) ? -1 : PosixSystemCalls::Fsync(fd); }
  // A failed close still releases the descriptor, as on Linux.
  int Close(int fd) override {
    const bool fails = Fails(Call::Close);
    const int closed = PosixSystemCalls::Close(fd);
    if (fails) errno = faultError_;
    return fails ? -1 : closed;
  }
  int Rename(const char* from, const char* to) override {
    return Fails(Call::Rename) ? -1 : PosixSystemCalls::Rename(from, to);
  }
  int Unlink(const char* path) override {
    return Fails(Call::Unlink) ? -1 : PosixSystemCalls::Unlink(path);
  }
  int Stat(const char* path, struct stat* status) override {
    return Fails(Call::Stat) ? -1 : PosixSystemCalls::Stat(path, status);
  }
  int Fstat(int fd, struct stat* status) override {
    return Fails(Call::Fstat) ? -1 : PosixSystemCalls::Fstat(fd, status);
  }
  int Fchmod(int fd, mode_t mode) override {
    return Fails(Call::Fchmod) ? -1 : PosixSystemCalls::Fchmod(fd, mode);
  }
  int Fchown(int fd, uid_t owner, gid_t group) override {
    return Fails(Call::Fchown) ? -1 : PosixSystemCalls::Fchown(fd, owner, group);
  }
  int AccessWrite(const char* path) override {
    return Fails(Call::AccessWrite) ? -1 : PosixSystemCalls::AccessWrite(path);
  }
  int Mkdir(const char* path, mode_t mode) override {
    return Fails(Call::Mkdir) ? -1 : PosixSystemCalls::Mkdir(path, mode);
  }
  DIR* OpenDir(const char* path) override {
    return Fails(Call::OpenDir) ? nullptr : PosixSystemCalls::OpenDir(path);
  }
  dirent* ReadDir(DIR* directory) override {
    return Fails(Call::ReadDir) ? nullptr : PosixSystemCalls::ReadDir(directory);
  }
  int CloseDir(DIR* directory) override {
    const bool fails = Fails(Call::CloseDir);
    const int closed = PosixSystemCalls::CloseDir(directory);
    if (fails) errno = faultError_;
    return fails ? -1 : closed;
  }
  std::uint64_t RandomNumber() override {
    if (RandomNumbers.empty()) return PosixSystemCalls::RandomNumber();
    const std::uint64_t number = RandomNumbers.front();
    RandomNumbers.pop_front();
    return number;
  }

 private:
  struct Fault {
    Call call;
    int error;
    int nth;
    bool every;
  };

  // Counts the call, runs what is to happen before it, and says whether it is
  // the one to fail (errno then set).
  bool Fails(Call call) {
    ++made_[static_cast<std::size_t>(call)];
    if (before_ && before_->first == call) {
      const auto action = std::move(before_->second);
      before_.reset();
      action();
    }
    if (!fault_ || fault_->call != call) return false;
    if (fault_->every) {
      errno = faultError_ = fault_->error;
      return true;
    }
    if (--fault_->nth > 0) return false;
    errno = faultError_ = fault_->error;
    fault_.reset();
    return true;
  }

  std::optional<Fault> fault_;
  int faultError_ = 0;
  std::optional<std::pair<Call, std::function<void()>>> before_;
  std::array<int, static_cast<std::size_t>(Call::Count)> made_{};
};
