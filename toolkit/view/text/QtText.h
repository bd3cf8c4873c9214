#pragma once
// The one place where the program's Windows-1252 text meets QString. Models
// hold bytes; widgets hold QString; views convert only here.

#include <QString>

#include <optional>
#include <string>
#include <string_view>

QString ToQString(std::string_view win1252);

// The Windows-1252 bytes of a QString, or nothing when it holds a character
// the code page cannot hold.
std::optional<std::string> FromQString(const QString& text);

// A UTF-8 source literal as a QString, for the views' captions and hints.
inline QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// A caption as it reads: "&Neuen Text holen" marks N as the mnemonic, "&&"
// stands for a plain "&".
QString WithoutMnemonic(const QString& caption);
