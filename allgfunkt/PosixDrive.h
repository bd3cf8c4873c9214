#pragma once
// Drive A: on a system without drive letters: a directory stands for "A:\".
//
// By default that is a folder in the learner's documents folder, created the
// moment the drive is checked and found missing, so that saving works out of
// the box. A directory named by CHIFFRARIUM_LAUFWERK_A (a USB stick's mount
// point, say) is never created: when it is missing, there is no diskette in
// the drive. The app finds the documents folder; this file knows no Qt.

#include <cstddef>
#include <string>
#include <string_view>

#include "allgfunkt/Drive.h"
#include "allgfunkt/SystemCalls.h"

inline constexpr char kDriveAVariable[] = "CHIFFRARIUM_LAUFWERK_A";
inline constexpr char kDefaultDriveAFolder[] = "Laufwerk-A";

// Which directory stands for "A:\", and whether the drive check may create it.
struct DriveRoot {
  std::string Directory;
  bool CreateWhenMissing = false;
};

// The directory named by CHIFFRARIUM_LAUFWERK_A when the variable is set and
// not empty, never created; otherwise the default, created when missing.
DriveRoot ChooseDriveRoot(const std::string& defaultDirectory);
// The same decision with the variable's value passed in (nullptr when unset).
DriveRoot ChooseDriveRoot(const char* variableValue, const std::string& defaultDirectory);

class PosixDrive : public Drive {
 public:
  // A drive over the real file system.
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
  bool FileExists(const std::string& name) override;
  // Writes a temporary file beside the target, flushes it to the medium and
  // renames it over the target. A failure on the way removes the temporary file.
  FileResult WriteLine(const std::string& name, std::string_view text) override;
  FirstLine ReadFirstLine(const std::string& name, std::size_t maxLength) override;

 private:
  std::string PathOf(const std::string& name) const;
  void CreateDirectory();
  bool WriteAll(int fd, std::string_view bytes);

  std::string directory_;
  bool createWhenMissing_;
  PosixSystemCalls ownCalls_;
  SystemCalls& calls_;
};
