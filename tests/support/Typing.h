#pragma once
// Types text into a widget key by key, as a keyboard would, including the
// characters (ä, ß, €, Ω) that QTest's key tables do not know.

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

inline void TypeText(QWidget* widget, const QString& text) {
  for (const QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(widget, &release);
  }
}
