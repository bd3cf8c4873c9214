#include "allgfunkt/Drive.h"

#include <cerrno>
#include <string>

#include "toolkit/model/Win1252.h"

std::string FileErrorText(const FileResult& result) {
  switch (result.Status) {
    case FileStatus::Done:
      return {};
    case FileStatus::LineTooLong:
      return W(
          "Die erste Zeile der Datei ist länger als 65535 Zeichen\r"
          "und kann nicht eingelesen werden!");
    case FileStatus::SystemError:
      break;
  }
  switch (result.ErrorNumber) {
    case EACCES:
    case EPERM:
    case EROFS:  // a write-protected diskette
      return "Dateizugriff verweigert";
    case ENOSPC:
    case EDQUOT:
      return W("Der Datenträger ist voll");
    default:
      return "E/A-Fehler " + std::to_string(result.ErrorNumber);
  }
}
