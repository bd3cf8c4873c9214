#include "allgfunkt/DriveFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string_view>
#include <vector>

namespace {

std::string Join(std::string folder, std::string_view name) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder.append(name);
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::optional<std::string> PasswordDatabaseHome() {
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
  passwd entry;
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
      found == nullptr || found->pw_dir == nullptr)
    return std::nullopt;
  return std::string(found->pw_dir);
}

}  // namespace

DriveRoot ChooseDriveRoot(const std::optional<std::string>& defaultDirectory) {
  return ChooseDriveRoot(std::getenv(kDriveAVariable), defaultDirectory);
}

DriveRoot ChooseDriveRoot(const char* variableValue,
                          const std::optional<std::string>& defaultDirectory) {
  if (variableValue != nullptr && *variableValue != '\0') return {variableValue, false};
  return {defaultDirectory.value_or(std::string()), true};
}

bool IsUsableHome(const char* path) {
  if (path == nullptr || path[0] != '/') return false;
  for (const char* c = path; *c != '\0'; ++c)
    if (*c != '/') return true;
  return false;  // "/" or "//": the root of the file system
}

AccountFolders CurrentAccountFolders() {
  return {std::getenv("HOME"), std::getenv("XDG_CONFIG_HOME"), PasswordDatabaseHome()};
}

std::optional<std::string> DefaultDriveFolder(const AccountFolders& account,
                                              const std::function<std::string()>& desktopDocuments) {
  if (IsUsableHome(account.HomeVariable)) {
    std::string documents = desktopDocuments();
    if (documents.empty()) documents = account.HomeVariable;
    return Join(std::move(documents), kDefaultDriveAFolder);
  }
  // Without HOME the desktop would look in the root of the file system; the
  // account knows where the learner's home folder really is.
  if (!account.AccountHome || !IsUsableHome(account.AccountHome->c_str())) return std::nullopt;
  const std::string& home = *account.AccountHome;
  const std::string config =
      IsUsableHome(account.ConfigVariable) ? account.ConfigVariable : Join(home, ".config");
  const std::string userDirs = ReadWholeFile(Join(config, "user-dirs.dirs"));
  return Join(DocumentsFolderOf(home, userDirs), kDefaultDriveAFolder);
}

std::string DocumentsFolderOf(const std::string& home, const std::string& userDirs) {
  constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=";
  std::string documents = Join(home, "Documents");
  std::istringstream lines(userDirs);
  // Lines look like XDG_DOCUMENTS_DIR="$HOME/Dokumente"; like a shell reading
  // the file, the last one counts.
  for (std::string line; std::getline(lines, line);) {
    std::string_view value(line);
    value.remove_prefix(std::min(value.find_first_not_of(" \t"), value.size()));
    if (!value.starts_with(kKey)) continue;
    value.remove_prefix(kKey.size());
    while (!value.empty() && (value.back() == '\r' || value.back() == ' ' || value.back() == '\t'))
      value.remove_suffix(1);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
      value = value.substr(1, value.size() - 2);
    if (value.starts_with("$HOME") && (value.size() == 5 || value[5] == '/'))
      documents = home + std::string(value.substr(5));
    else if (value.starts_with('/'))
      documents = std::string(value);
  }
  return documents;
}
