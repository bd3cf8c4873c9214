#include "allgfunkt/CheckDrive.h"

bool CheckDrive(Drive& drive) {
  switch (drive.FindFirstEntry()) {
    case RootSearch::EntryFound:
    case RootSearch::Empty:
      return true;
    case RootSearch::NoMedium:
    case RootSearch::Unreadable:
      return false;
  }
  return false;  // not reached: the switch names every search result
}
