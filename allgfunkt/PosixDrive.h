#pragma once
// Drive A: on a system without drive letters: a directory stands for "A:\"
// (DriveFolder.h says which).
//
// The drive never waits and never touches what it did not make: a pipe, a
// device, a socket or a folder under a file's name is refused before anything
// is opened, and a save writes a temporary file of its own, made under a name
// nobody can foresee, and removes that file only.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "allgfunkt/Drive.h"
#include "allgfunkt/DriveFolder.h"
#include "allgfunkt/SystemCalls.h"

class PosixDrive : public Drive {
 public:
  // How many names a save tries for its temporary file before it gives up.
  static constexpr int kTemporaryNameTries = 16;

  // A drive over the real file system. With createWhenMissing, the directory is
  // the default folder and is made when a check finds it missing; an empty
  // directory then means that no place for it was found (no home folder).
  PosixDrive(std::string directory, bool createWhenMissing);
  // A drive whose system calls go through the given ones, which must outlive it.
  PosixDrive(std::string directory, bool createWhenMissing, SystemCalls& calls);
  PosixDrive(const PosixDrive&) = delete;
  PosixDrive& operator=(const PosixDrive&) = delete;

  // The directory that stands for "A:\".
  const std::string& Directory() const { return directory_; }

  // Not found (ENOENT, ENOTDIR) is NoMedium; any other failure of the search
  // is Unreadable. "." and ".." are no entries: a root holding nothing else is Empty.
  RootSearch FindFirstEntry() override;
  std::optional<FolderProblem> CreationProblem() const override { return creationProblem_; }
  bool FileExists(const std::string& name) override;
  std::optional<EntryKind> NotAFile(const std::string& name) override;
  // Writes a temporary file beside the target, flushes it to the medium and
  // renames it over the target. A failure on the way removes the temporary file.
  FileResult WriteLine(const std::string& name, std::string_view text) override;
  FirstLine ReadFirstLine(const std::string& name, std::size_t maxLength) override;

  // The name of the temporary file a save of the named file makes when the
  // random number is the given one: hidden, beside the file.
  static std::string TemporaryName(const std::string& name, std::uint64_t randomNumber);

 private:
  std::string PathOf(const std::string& name) const;
  int CreateDirectory();
  bool FolderGone();
  FileResult Failure(int error);
  bool WriteAll(int fd, std::string_view bytes);

  std::string directory_;
  bool createWhenMissing_;
  std::optional<FolderProblem> creationProblem_;
  PosixSystemCalls ownCalls_;
  SystemCalls& calls_;
};
