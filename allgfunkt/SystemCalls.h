#pragma once
// The system calls a PosixDrive makes, behind an interface so that a test can
// make any one of them fail with the error it chooses: the tests run as root,
// and permission bits do not stop root.
//
// Every call keeps its POSIX contract: it returns what its namesake returns and
// leaves errno set when it fails.

#include <dirent.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <cstdint>

class SystemCalls {
 public:
  virtual ~SystemCalls() = default;

  virtual int Open(const char* path, int flags, mode_t mode) = 0;
  virtual ssize_t Read(int fd, void* buffer, std::size_t size) = 0;
  virtual ssize_t Write(int fd, const void* data, std::size_t size) = 0;
  virtual int Fsync(int fd) = 0;
  virtual int Close(int fd) = 0;
  virtual int Rename(const char* from, const char* to) = 0;
  virtual int Unlink(const char* path) = 0;
  virtual int Stat(const char* path, struct stat* status) = 0;
  virtual int Fstat(int fd, struct stat* status) = 0;
  virtual int Fchmod(int fd, mode_t mode) = 0;
  virtual int Fchown(int fd, uid_t owner, gid_t group) = 0;
  // Whether the user may write the file: faccessat with W_OK, asked for the
  // effective user. Root may write almost anything, whatever the mode says.
  virtual int AccessWrite(const char* path) = 0;
  virtual int Mkdir(const char* path, mode_t mode) = 0;

  // The directory search: opendir, readdir (nullptr with errno unchanged at
  // the end of the directory), closedir.
  virtual DIR* OpenDir(const char* path) = 0;
  virtual dirent* ReadDir(DIR* directory) = 0;
  virtual int CloseDir(DIR* directory) = 0;

  // A number nobody can foresee, for the names of temporary files.
  virtual std::uint64_t RandomNumber() = 0;
};

// The real calls, passed straight through.
class PosixSystemCalls : public SystemCalls {
 public:
  int Open(const char* path, int flags, mode_t mode) override;
  ssize_t Read(int fd, void* buffer, std::size_t size) override;
  ssize_t Write(int fd, const void* data, std::size_t size) override;
  int Fsync(int fd) override;
  int Close(int fd) override;
  int Rename(const char* from, const char* to) override;
  int Unlink(const char* path) override;
  int Stat(const char* path, struct stat* status) override;
  int Fstat(int fd, struct stat* status) override;
  int Fchmod(int fd, mode_t mode) override;
  int Fchown(int fd, uid_t owner, gid_t group) override;
  int AccessWrite(const char* path) override;
  int Mkdir(const char* path, mode_t mode) override;
  DIR* OpenDir(const char* path) override;
  dirent* ReadDir(DIR* directory) override;
  int CloseDir(DIR* directory) override;
  std::uint64_t RandomNumber() override;
};
