#include "allgfunkt/Drive.h"

#include <cerrno>
#include <string>

#include "toolkit/model/Win1252.h"

namespace {

// What stands under the name instead of a file, after "sondern".
const char* Instead(EntryKind kind) {
  switch (kind) {
    case EntryKind::Folder:
      return "ein Ordner";
    case EntryKind::Pipe:
      return "eine Pipe (FIFO)";
    case EntryKind::Device:
      return "ein Gerät";
    case EntryKind::Socket:
      return "ein Socket";
    case EntryKind::Other:
      break;
  }
  return "etwas anderes";
}

std::string SystemErrorText(int errorNumber) {
  switch (errorNumber) {
    case EACCES:
    case EPERM:
    case EROFS:  // a write-protected diskette
      return "Dateizugriff verweigert";
    case ENOSPC:
    case EDQUOT:
      return W("Der Datenträger ist voll");
    default:
      return "E/A-Fehler " + std::to_string(errorNumber);
  }
}

}  // namespace

std::string FileErrorText(const FileResult& result, const std::string& fileName) {
  switch (result.Status) {
    case FileStatus::Done:
      return {};
    case FileStatus::LineTooLong:
      return W(
          "Die erste Zeile der Datei ist länger als 65535 Zeichen\r"
          "und kann nicht eingelesen werden!");
    case FileStatus::NotAFile:
      return fileName + W(" auf Laufwerk A: ist keine Datei,\rsondern ") + W(Instead(result.Kind)) +
             "!";
    case FileStatus::FolderGone:
      // The handlers report a medium taken out in words of their own.
      return "Keine Diskette im Laufwerk A: !";
    case FileStatus::SystemError:
      break;
  }
  return SystemErrorText(result.ErrorNumber);
}

std::string FolderProblemText(const FolderProblem& problem) {
  std::string text = W("Der Ordner für Laufwerk A: kann nicht angelegt werden:\r");
  if (problem.Folder.empty()) return text + W("Es wurde kein persönlicher Ordner gefunden.");
  // Folder names are UTF-8 on this system; one that the code page cannot hold
  // is shown byte by byte, which is still enough to recognise it.
  text += win1252::TryFromUtf8(problem.Folder).value_or(problem.Folder) + "\r";
  if (problem.ErrorNumber == ENOTDIR || problem.ErrorNumber == EEXIST)
    return text + W("Ein Teil des Weges ist eine Datei, kein Ordner.");
  return text + SystemErrorText(problem.ErrorNumber);
}
