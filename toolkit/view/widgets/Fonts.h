#pragma once
// The fonts of the windows, by family and character height in pixels, as the
// layouts were measured in: MS Sans Serif and Courier New.
//
// On Linux the classic MS Sans Serif comes as a bitmap font from Debian's
// fonts-wine; its widths match the layouts to the pixel, so regular text of
// 11 pixels uses it. It has no bold face and no other sizes, and bitmaps turn
// blurry on a scaled screen, so everything else uses the scalable Tahoma from
// the same package, which was drawn to the same metrics. Courier New maps to
// the metric-compatible Liberation Mono through fontconfig.

#include <QFont>

inline constexpr const char* kSansSerif = "MS Sans Serif";
inline constexpr const char* kCourierNew = "Courier New";

// stretch below 100 condenses the font, for a caption whose room is too
// narrow; the bitmap face cannot condense, so the scalable one stands in.
// zoomPercent grows the height with the view (Zoom.h): the bitmap face has
// no other size, so a zoomed font is always the scalable one, never a blurred
// bitmap.
QFont MakeFont(const char* family, int pixelHeight, bool bold = false, bool italic = false,
               int stretch = 100, int zoomPercent = 100);

// The default font of every window: MS Sans Serif, 11 pixels, at the zoom.
QFont DefaultWindowFont(int zoomPercent = 100);

// Loads the fonts and registers substitutes for families the system lacks.
// Call once, after the application object exists.
void InstallFonts();
