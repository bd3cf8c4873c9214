#pragma once
// The real system calls, one of which can be made to fail once with a chosen
// errno: the tests run as root, so permission bits cannot make a file
// operation fail.

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <optional>

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
  Mkdir,
  OpenDir,
  ReadDir,
  CloseDir
};

class FaultySystemCalls : public PosixSystemCalls {
 public:
  // The nth call of this kind from now on (1: the next one) fails with the
  // error; the calls after it work again.
  void FailAt(Call call, int error, int nth = 1) { fault_ = Fault{call, error, nth}; }

  // At most this many bytes go through one write, so that a failing write can
  // come part-way through a file.
  std::size_t WriteChunk = SIZE_MAX;

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
    const int closed = PosixSystemCalls::Close(fd);
    return Fails(Call::Close) ? -1 : closed;
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
    const int closed = PosixSystemCalls::CloseDir(directory);
    return Fails(Call::CloseDir) ? -1 : closed;
  }

 private:
  struct Fault {
    Call call;
    int error;
    int nth;
  };

  bool Fails(Call call) {
    if (!fault_ || fault_->call != call || --fault_->nth > 0) return false;
    errno = fault_->error;
    fault_.reset();
    return true;
  }

  std::optional<Fault> fault_;
};
