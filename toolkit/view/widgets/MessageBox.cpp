#include "toolkit/view/widgets/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <map>

namespace {

QString Title(MessageKind kind) {
  switch (kind) {
    case MessageKind::Warning: return QStringLiteral("Warnung");
    case MessageKind::Error: return QStringLiteral("Fehler");
    case MessageKind::Information: return QStringLiteral("Information");
    case MessageKind::Confirmation: return QString::fromUtf8("Bestätigung");
  }
  return {};
}

QMessageBox::Icon IconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Confirmation: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

MessageAnswer ShowMessageBox(MessageKind kind, const QString& text, MessageButtons buttons,
                             QWidget* parent) {
  QMessageBox box(IconOf(kind), Title(kind), text, QMessageBox::NoButton,
                  parent ? parent : QApplication::activeWindow());
  box.setObjectName(QStringLiteral("MessageBox"));
  std::map<QAbstractButton*, MessageAnswer> answers;
  auto add = [&](const char* caption, QMessageBox::ButtonRole role, MessageAnswer answer) {
    QPushButton* button = box.addButton(QString::fromUtf8(caption), role);
    answers[button] = answer;
    return button;
  };
  switch (buttons) {
    case MessageButtons::Ok:
      box.setDefaultButton(add("OK", QMessageBox::AcceptRole, MessageAnswer::Ok));
      break;
    case MessageButtons::OkCancel:
      box.setDefaultButton(add("OK", QMessageBox::AcceptRole, MessageAnswer::Ok));
      add("Abbrechen", QMessageBox::RejectRole, MessageAnswer::Cancel);
      break;
    case MessageButtons::YesNo:
      box.setDefaultButton(add("&Ja", QMessageBox::YesRole, MessageAnswer::Yes));
      add("&Nein", QMessageBox::NoRole, MessageAnswer::No);
      break;
  }
  box.exec();
  const auto it = answers.find(box.clickedButton());
  return it == answers.end() ? MessageAnswer::None : it->second;
}
