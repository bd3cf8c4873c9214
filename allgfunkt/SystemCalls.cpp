#include "allgfunkt/SystemCalls.h"

#include <fcntl.h>
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
