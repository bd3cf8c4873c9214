#include "allgfunkt/CheckDrive.h"

#include <string>

bool CheckDrive(Drive& drive, char driveLetter, bool showMessages, Platform& platform) {
  const std::string letter(1, driveLetter);
  const auto say = [&](MessageKind kind, const std::string& text) {
    if (showMessages) platform.ShowMessage(kind, text, MessageButtons::Ok);
  };
  switch (drive.FindFirstEntry()) {
    case RootSearch::EntryFound:
      return true;
    case RootSearch::Empty:
      say(MessageKind::Information, "Diskette im Laufwerk " + letter + ":\rist leer!");
      return true;
    case RootSearch::NoMedium:
      say(MessageKind::Error, "Keine Diskette im Laufwerk " + letter + ": !");
      return false;
    case RootSearch::Unreadable:
      say(MessageKind::Error, "Diskette im Laufwerk " + letter + ":\rist nicht formatiert!");
      return false;
  }
  return false;  // not reached: the switch names every search result
}
