#include "allgfunkt/SystemCalls.h"

#include <fcntl.h>
#include <sys/random.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>

int PosixSystemCalls::Open(const char* path, int flags, mode_t mode) {
  return ::open(path, flags, mode);
}
ssize_t PosixSystemCalls::Read(int fd, void* buffer, std::size_t size) {
  return ::read(fd, buffer, size);
}
ssize_t PosixSystemCalls::Write(int fd, const void* data, std::size_t size) {
  return ::write(fd, data, size);
}
int PosixSystemCalls::Fsync(int fd) {
  return ::fsync(fd);
}
int PosixSystemCalls::Close(int fd) {
  return ::close(fd);
}
int PosixSystemCalls::Rename(const char* from, const char* to) {
  return std::rename(from, to);
}
int PosixSystemCalls::Unlink(const char* path) {
  return ::unlink(path);
}
int PosixSystemCalls::Stat(const char* path, struct stat* status) {
  return ::stat(path, status);
}
int PosixSystemCalls::Fstat(int fd, struct stat* status) {
  return ::fstat(fd, status);
}
int PosixSystemCalls::Fchmod(int fd, mode_t mode) {
  return ::fchmod(fd, mode);
}
int PosixSystemCalls::Fchown(int fd, uid_t owner, gid_t group) {
  return ::fchown(fd, owner, group);
}
int PosixSystemCalls::AccessWrite(const char* path) {
  return ::faccessat(AT_FDCWD, path, W_OK, AT_EACCESS);
}
int PosixSystemCalls::Mkdir(const char* path, mode_t mode) {
  return ::mkdir(path, mode);
}
DIR* PosixSystemCalls::OpenDir(const char* path) {
  return ::opendir(path);
}
dirent* PosixSystemCalls::ReadDir(DIR* directory) {
  return ::readdir(directory);
}
int PosixSystemCalls::CloseDir(DIR* directory) {
  return ::closedir(directory);
}
std::uint64_t PosixSystemCalls::RandomNumber() {
  std::uint64_t number = 0;
  if (::getrandom(&number, sizeof number, GRND_NONBLOCK) == sizeof number) return number;
  // Only just after boot may the kernel have no randomness yet: then the time
  // in nanoseconds, the process and a counter still make a name nobody plans for.
  static std::uint64_t counter = 0;
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  number = static_cast<std::uint64_t>(now.tv_sec) * 1000000007u + static_cast<std::uint64_t>(now.tv_nsec);
  return number ^ (static_cast<std::uint64_t>(::getpid()) << 40) ^ (++counter * 0x9E3779B97F4A7C15u);
}
