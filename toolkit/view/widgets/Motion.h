#pragma once
// Whether the desktop asks for reduced motion: GNOME's "enable-animations"
// switched off, or KDE's animation speed set to instant. Qt 6 has no word for
// it, so it is read from the desktop's own settings once, at the first
// question. A widget that moves something (the cipher disk turning) then
// jumps instead.

bool ReducedMotionWanted();
