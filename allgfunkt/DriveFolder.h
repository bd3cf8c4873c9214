#pragma once
// Which directory stands for "A:\" on a system without drive letters.
//
// By default that is the folder "Laufwerk-A" in the learner's documents
// folder, created the moment the drive is checked and found missing, so that
// saving works out of the box. A directory named by CHIFFRARIUM_LAUFWERK_A (a
// USB stick's mount point, say) is never created: when it is missing, there
// is no diskette in the drive.
//
// The default folder never lands at the root of the file system: without a
// home folder there is no default folder, and the learner is told so when
// the drive is checked. The desktop's own documents folder (Qt's) is asked
// for only when HOME names a home folder; this file knows no Qt.

#include <functional>
#include <optional>
#include <string>

inline constexpr char kDriveAVariable[] = "CHIFFRARIUM_LAUFWERK_A";
inline constexpr char kDefaultDriveAFolder[] = "Laufwerk-A";

// Which directory stands for "A:\", and whether the drive check may create it.
// An empty Directory with CreateWhenMissing set is a default folder that has
// no place: no home folder was found.
struct DriveRoot {
  std::string Directory;
  bool CreateWhenMissing = false;
};

// The directory named by CHIFFRARIUM_LAUFWERK_A when the variable is set and
// not empty, never created; otherwise the default folder, created when missing.
DriveRoot ChooseDriveRoot(const std::optional<std::string>& defaultDirectory);
// The same decision with the variable's value passed in (nullptr when unset).
DriveRoot ChooseDriveRoot(const char* variableValue,
                          const std::optional<std::string>& defaultDirectory);

// Whether a path can be a home folder to keep files in: absolute, and not the
// root of the file system.
bool IsUsableHome(const char* path);

// What the default folder depends on besides the desktop, passed in so that a
// test can vary it.
struct AccountFolders {
  const char* HomeVariable = nullptr;    // HOME, nullptr when unset
  const char* ConfigVariable = nullptr;  // XDG_CONFIG_HOME, nullptr when unset
  std::optional<std::string> AccountHome;  // the real user's home folder in the password database
};

// The process's own: the variables and the password database entry of the real user.
AccountFolders CurrentAccountFolders();

// The default folder for drive A:: "Laufwerk-A" in the documents folder.
// While HOME names a usable home folder, the desktop knows the documents folder
// (desktopDocuments; an empty answer means the home folder itself). Otherwise
// the account's home folder from the password database stands in for HOME, and
// the documents folder is the one its user-dirs.dirs names (XDG_DOCUMENTS_DIR),
// or "Documents" in it. Nothing when neither gives a usable home folder.
std::optional<std::string> DefaultDriveFolder(const AccountFolders& account,
                                              const std::function<std::string()>& desktopDocuments);

// The documents folder of a home folder as the text of user-dirs.dirs names it,
// with "$HOME" standing for the home folder; "Documents" in the home folder
// when the text names none.
std::string DocumentsFolderOf(const std::string& home, const std::string& userDirs);
