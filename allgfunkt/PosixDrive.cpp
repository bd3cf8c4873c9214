#include "allgfunkt/PosixDrive.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

bool IsMissing(int error) {
  return error == ENOENT || error == ENOTDIR;
}

}  // namespace

DriveRoot ChooseDriveRoot(const std::string& defaultDirectory) {
  return ChooseDriveRoot(std::getenv(kDriveAVariable), defaultDirectory);
}

DriveRoot ChooseDriveRoot(const char* variableValue, const std::string& defaultDirectory) {
  if (variableValue != nullptr && *variableValue != '\0') return {variableValue, false};
  return {defaultDirectory, true};
}

PosixDrive::PosixDrive(std::string directory, bool createWhenMissing)
    : PosixDrive(std::move(directory), createWhenMissing, ownCalls_) {}

PosixDrive::PosixDrive(std::string directory, bool createWhenMissing, SystemCalls& calls)
    : directory_(std::move(directory)), createWhenMissing_(createWhenMissing), calls_(calls) {}

std::string PosixDrive::PathOf(const std::string& name) const {
  if (!directory_.empty() && directory_.back() == '/') return directory_ + name;
  return directory_ + '/' + name;
}

RootSearch PosixDrive::FindFirstEntry() {
  DIR* root = calls_.OpenDir(directory_.c_str());
  if (root == nullptr && IsMissing(errno) && createWhenMissing_) {
    // Recreated also when the learner removed it while the program runs: the
    // default folder is meant to be always there.
    CreateDirectory();
    root = calls_.OpenDir(directory_.c_str());
  }
  if (root == nullptr) return IsMissing(errno) ? RootSearch::NoMedium : RootSearch::Unreadable;

  RootSearch found = RootSearch::Empty;
  for (;;) {
    errno = 0;
    const dirent* entry = calls_.ReadDir(root);
    if (entry == nullptr) {
      if (errno != 0) found = IsMissing(errno) ? RootSearch::NoMedium : RootSearch::Unreadable;
      break;
    }
    if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
      found = RootSearch::EntryFound;
      break;
    }
  }
  calls_.CloseDir(root);  // the search has its answer; a failure to end it changes nothing
  return found;
}

void PosixDrive::CreateDirectory() {
  // Every missing folder on the way, like mkdir -p: a fresh account may not
  // have its documents folder yet. Failures show up in the search that follows.
  for (std::size_t slash = directory_.find('/', 1); slash != std::string::npos;
       slash = directory_.find('/', slash + 1))
    calls_.Mkdir(directory_.substr(0, slash).c_str(), 0777);
  calls_.Mkdir(directory_.c_str(), 0777);
}

bool PosixDrive::FileExists(const std::string& name) {
  struct stat status;
  if (calls_.Stat(PathOf(name).c_str(), &status) == 0) return true;
  return !IsMissing(errno);
}

bool PosixDrive::WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = calls_.Write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (written == 0) {  // no progress and no error: the medium takes nothing more
      errno = ENOSPC;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

FileResult PosixDrive::WriteLine(const std::string& name, std::string_view text) {
  const std::string target = PathOf(name);
  // Hidden and unique to this process, so it cannot be taken for the real file.
  const std::string temporary = PathOf("." + name + "." + std::to_string(::getpid()) + ".tmp");

  int fd =
      calls_.Open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
  if (fd < 0) return FileResult::Failed(errno);

  // Whatever fails from here on, the target has not been touched yet: only the
  // temporary file has to go.
  const auto discard = [&](int error) {
    if (fd >= 0) calls_.Close(fd);
    calls_.Unlink(temporary.c_str());
    return FileResult::Failed(error);
  };

  std::string line(text);
  line += "\r\n";
  if (!WriteAll(fd, line)) return discard(errno);
  if (calls_.Fsync(fd) != 0) return discard(errno);
  const int closed = calls_.Close(fd);
  fd = -1;
  if (closed != 0) return discard(errno);
  if (calls_.Rename(temporary.c_str(), target.c_str()) != 0) return discard(errno);
  return {};
}

FirstLine PosixDrive::ReadFirstLine(const std::string& name, std::size_t maxLength) {
  const int fd = calls_.Open(PathOf(name).c_str(), O_RDONLY | O_CLOEXEC, 0);
  if (fd < 0) return {std::nullopt, FileResult::Failed(errno)};

  const auto abandon = [&](FileResult result) {
    calls_.Close(fd);
    return FirstLine{std::nullopt, result};
  };

  // A CR is either the first half of the line ending CR LF or a lone CR that
  // the text leaves out; either way it never reaches the text.
  std::string line;
  char buffer[4096];
  for (bool ended = false; !ended;) {
    const ssize_t got = calls_.Read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      return abandon(FileResult::Failed(errno));
    }
    if (got == 0) break;
    for (ssize_t i = 0; i < got; ++i) {
      const char c = buffer[i];
      if (c == '\n') {
        ended = true;
        break;
      }
      if (c == '\r') continue;
      // Stop at once: a first line the field cannot hold need not be read to its end.
      if (line.size() == maxLength) return abandon({FileStatus::LineTooLong, 0});
      line.push_back(c);
    }
  }

  FirstLine result{std::move(line), {}};
  if (calls_.Close(fd) != 0) result.Result = FileResult::Failed(errno);
  return result;
}
