#pragma once
// The program's German message box: titled with the German word of its kind,
// with German buttons, answering which one was pressed. The platform seam shows
// the handlers' boxes with it; the views show their own notices with it.

#include <QString>

#include "toolkit/model/Platform.h"

class QWidget;

// Shows the box modally over parent (or the active window) and waits. A line
// break in the text is "\n".
MessageAnswer ShowMessageBox(MessageKind kind, const QString& text, MessageButtons buttons,
                             QWidget* parent);
