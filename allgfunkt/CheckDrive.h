#pragma once
// The drive check of the general functions: is there a readable medium in
// drive A:? An empty medium counts as ready, since a diskette is there to save
// on. The diskette handlers ask quietly and word their own messages.

#include "allgfunkt/Drive.h"

// Searches the root of the drive for its first entry and returns true when
// the medium is there and readable (also when it is empty).
bool CheckDrive(Drive& drive);
