#pragma once
// The 16 × 16 button glyphs of all three windows, drawn in code so that they
// stay sharp at any scale factor. Each icon carries its normal picture and a
// grey picture for the disabled button, each drawn when first painted.

#include <QIcon>

enum class Glyph {
  ClearText,          // "… löschen": erase a field
  LoadFromDiskette,   // "… einlesen ...": read a text from the diskette
  SaveToDiskette,     // "… speichern ...": write a text to the diskette
  Restart,            // "von vorn beginnen"
  EncryptOne,         // "ein Zeichen verschlüsseln"
  EncryptStepwise,    // "schrittweise verschlüsseln"
  EncryptAll,         // "alles verschlüsseln"
  DecryptOne,         // "ein Zeichen entschlüsseln"
  DecryptStepwise,    // "schrittweise alle Zeichen entschlüsseln"
  DecryptAll,         // "sofort alle Zeichen entschlüsseln"
  FrequencyAnalysis,  // "Kryptoanalyse Einzelzeichen"
  PairAnalysis,       // "Kryptoanalyse Zeichenpaare"
  BruteForce,         // "brachiale Kryptoanalyse (Brute Force)"
  Close,              // "Beenden"
  SortDown,           // the sort buttons of the analysis windows: a black triangle pointing down
  Chart,              // "Diagramm": bars with the German profile drawn over them
};

// The glyph as an icon: QIcon::Normal and QIcon::Disabled pixmaps at 16 × 16
// logical pixels, with device-pixel-ratio 1 and 2 versions.
QIcon GlyphIcon(Glyph glyph);
