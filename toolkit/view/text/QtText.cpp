#include "toolkit/view/text/QtText.h"

#include "toolkit/model/Win1252.h"

QString ToQString(std::string_view win1252) {
  QString out(static_cast<qsizetype>(win1252.size()), Qt::Uninitialized);
  QChar* dst = out.data();
  for (const char c : win1252) {
    const auto b = static_cast<unsigned char>(c);
    // Everything outside 0x80..0x9F is Latin-1, the common case.
    *dst++ = QChar(static_cast<char16_t>(b < 0x80 || b > 0x9F ? b : win1252::ToUnicode(b)));
  }
  return out;
}

std::optional<std::string> FromQString(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (const QChar ch : text) {
    const char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
      out.push_back(static_cast<char>(u));
      continue;
    }
    const auto byte = win1252::FromUnicode(u);  // a surrogate half never matches
    if (!byte) return std::nullopt;
    out.push_back(static_cast<char>(*byte));
  }
  return out;
}

QString WithoutMnemonic(const QString& caption) {
  QString text;
  text.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
    text += caption[i];
  }
  return text;
}
