#pragma once
// The drive check of the general functions: is there a readable medium in the
// drive? An empty medium counts as ready, since a diskette is there to save on.

#include "allgfunkt/Drive.h"
#include "toolkit/model/Platform.h"

// Searches the root of the drive with the given letter for its first entry
// and returns true when the medium is there and readable (also when it is
// empty). With showMessages set, says what it found in a message box (none
// when an entry was found); the diskette handlers never ask for that.
bool CheckDrive(Drive& drive, char driveLetter, bool showMessages, Platform& platform);
