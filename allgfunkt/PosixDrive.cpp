#include "allgfunkt/PosixDrive.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "allgfunkt/FileFormat.h"

namespace {

bool IsMissing(int error) {
  return error == ENOENT || error == ENOTDIR;
}

EntryKind KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return EntryKind::Folder;
  if (S_ISFIFO(mode)) return EntryKind::Pipe;
  if (S_ISCHR(mode) || S_ISBLK(mode)) return EntryKind::Device;
  if (S_ISSOCK(mode)) return EntryKind::Socket;
  return EntryKind::Other;
}

}  // namespace

// Not delegating: the calls must be bound to ownCalls_ after it is made, and
// a delegating constructor's arguments are taken before any member exists.
PosixDrive::PosixDrive(std::string directory, bool createWhenMissing)
    : directory_(std::move(directory)), createWhenMissing_(createWhenMissing), calls_(ownCalls_) {}

PosixDrive::PosixDrive(std::string directory, bool createWhenMissing, SystemCalls& calls)
    : directory_(std::move(directory)), createWhenMissing_(createWhenMissing), calls_(calls) {}

std::string PosixDrive::PathOf(const std::string& name) const {
  if (!directory_.empty() && directory_.back() == '/') return directory_ + name;
  return directory_ + '/' + name;
}

std::string PosixDrive::TemporaryName(const std::string& name, std::uint64_t randomNumber) {
  char digits[17];
  std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(randomNumber));
  return "." + name + "." + digits + ".tmp";
}

RootSearch PosixDrive::FindFirstEntry() {
  creationProblem_.reset();
  if (directory_.empty() && createWhenMissing_) {  // a default folder without a home folder to put it in
    creationProblem_ = FolderProblem{};
    return RootSearch::NoMedium;
  }
  DIR* root = calls_.OpenDir(directory_.c_str());
  if (root == nullptr && IsMissing(errno) && createWhenMissing_) {
    // Recreated also when the learner removed it while the program runs: the
    // default folder is meant to be always there.
    const int madeError = CreateDirectory();
    root = calls_.OpenDir(directory_.c_str());
    if (root == nullptr) {
      const int openError = errno;
      creationProblem_ = FolderProblem{directory_, madeError != 0 ? madeError : openError};
      errno = openError;
    }
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

int PosixDrive::CreateDirectory() {
  // Every missing folder on the way, like mkdir -p: a fresh account may not
  // have its documents folder yet. The first refusal is the reason to tell;
  // a folder that is already there is none.
  int firstError = 0;
  const auto make = [&](const std::string& folder) {
    if (calls_.Mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST && firstError == 0)
      firstError = errno;
  };
  for (std::size_t slash = directory_.find('/', 1); slash != std::string::npos;
       slash = directory_.find('/', slash + 1))
    make(directory_.substr(0, slash));
  make(directory_);
  return firstError;
}

bool PosixDrive::FolderGone() {
  struct stat status;
  if (calls_.Stat(directory_.c_str(), &status) != 0) return IsMissing(errno);
  return !S_ISDIR(status.st_mode);
}

FileResult PosixDrive::Failure(int error) {
  // Not found may mean the file, or the whole folder: a USB stick pulled out
  // after the prompt takes its folder with it.
  if (IsMissing(error) && FolderGone()) return {FileStatus::FolderGone, error};
  return FileResult::Failed(error);
}

bool PosixDrive::FileExists(const std::string& name) {
  struct stat status;
  if (calls_.Stat(PathOf(name).c_str(), &status) == 0) return true;
  if (!IsMissing(errno)) return true;
  return FolderGone();  // a folder that is gone cannot say what it holds
}

std::optional<EntryKind> PosixDrive::NotAFile(const std::string& name) {
  struct stat status;
  if (calls_.Stat(PathOf(name).c_str(), &status) != 0 || S_ISREG(status.st_mode)) return std::nullopt;
  return KindOf(status.st_mode);
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

  // What is there now decides whether it may be replaced. Links are followed,
  // so that a link to a pipe is refused as the pipe is; the rename below then
  // replaces the link itself, never what it points to.
  struct stat old;
  bool replacing = false;
  if (calls_.Stat(target.c_str(), &old) == 0) {
    if (!S_ISREG(old.st_mode)) return FileResult::NotAFile(KindOf(old.st_mode));
    // A file nobody may write is read-only, also for root, who may write it
    // all the same: the mode is asked first.
    if ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return FileResult::Failed(EACCES);
    if (calls_.AccessWrite(target.c_str()) != 0) return Failure(errno);
    replacing = true;
  } else if (!IsMissing(errno)) {
    return Failure(errno);
  }

  // The temporary file is always a new one: O_EXCL refuses any name that is
  // taken, by a file, a pipe or a link alike, so nothing of anybody else's is
  // opened, and a random name leaves nothing to plan for. A replacing file is
  // private until it has the old file's permissions.
  std::string temporary;
  int fd = -1;
  for (int tries = 0; fd < 0 && tries < kTemporaryNameTries; ++tries) {
    temporary = PathOf(TemporaryName(name, calls_.RandomNumber()));
    fd = calls_.Open(temporary.c_str(),
                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC,
                     replacing ? 0600 : 0666);
    if (fd < 0 && errno != EEXIST) return Failure(errno);
  }
  if (fd < 0) return FileResult::Failed(EEXIST);

  // Whatever fails from here on, the target has not been touched yet: only the
  // temporary file, made above, has to go.
  const auto discard = [&](int error) {
    if (fd >= 0) calls_.Close(fd);
    calls_.Unlink(temporary.c_str());
    return Failure(error);
  };

  if (replacing) {
    // The owner first, as changing it may clear mode bits. Both are kept where
    // the system allows: a user cannot give a file away, and a medium without
    // permissions (FAT) refuses them; the save goes on either way.
    calls_.Fchown(fd, old.st_uid, old.st_gid);
    calls_.Fchmod(fd, old.st_mode & 0777);
  }

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
  const std::string path = PathOf(name);
  const auto failed = [](FileResult result) { return FirstLine{std::nullopt, result}; };

  // Only a file is opened: opening a pipe would wait for a writer that never
  // comes, and reading a device may never end.
  struct stat status;
  if (calls_.Stat(path.c_str(), &status) != 0) return failed(Failure(errno));
  if (!S_ISREG(status.st_mode)) return failed(FileResult::NotAFile(KindOf(status.st_mode)));
  // Should a pipe have taken the file's place since, O_NONBLOCK opens it at
  // once, and the second look below refuses it before anything is read.
  const int fd = calls_.Open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0);
  if (fd < 0) return failed(Failure(errno));

  const auto abandon = [&](FileResult result) {
    calls_.Close(fd);
    return failed(result);
  };
  if (calls_.Fstat(fd, &status) != 0) return abandon(FileResult::Failed(errno));
  if (!S_ISREG(status.st_mode)) return abandon(FileResult::NotAFile(KindOf(status.st_mode)));

  // A CR is either the first half of the line ending CR LF or a lone CR that
  // the text leaves out; either way it never reaches the text. A line longer
  // than any form of maxLength characters is refused without reading on.
  const std::size_t maxBytes = MaxLineBytes(maxLength);
  std::string bytes;
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
      if (bytes.size() == maxBytes) return abandon({FileStatus::LineTooLong});
      bytes.push_back(c);
    }
  }

  std::string text = DecodeLine(bytes);
  if (text.size() > maxLength) return abandon({FileStatus::LineTooLong});
  FirstLine result{std::move(text), {}};
  if (calls_.Close(fd) != 0) result.Result = FileResult::Failed(errno);
  return result;
}
