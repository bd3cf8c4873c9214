#include "toolkit/view/widgets/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

#include <map>

#include "toolkit/model/Zoom.h"
#include "toolkit/view/widgets/Zoom.h"
#include "toolkit/view/widgets/Fonts.h"

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

QStyle::StandardPixmap StandardIconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Warning: return QStyle::SP_MessageBoxWarning;
    case MessageKind::Error: return QStyle::SP_MessageBoxCritical;
    case MessageKind::Information: return QStyle::SP_MessageBoxInformation;
    case MessageKind::Confirmation: return QStyle::SP_MessageBoxQuestion;
  }
  return QStyle::SP_MessageBoxInformation;
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
  // At the view's zoom, following it while the box waits; its keys work here too.
  const auto applyZoom = [&box, kind](int percent) {
    box.setFont(DefaultWindowFont(percent));
    const int side = ZoomLength(box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize), percent);
    box.setIconPixmap(box.style()->standardIcon(StandardIconOf(kind)).pixmap(side, side));
  };
  if (ViewZoom::Get().Percent() != kNoZoom) applyZoom(ViewZoom::Get().Percent());
  QObject::connect(&ViewZoom::Get(), &ViewZoom::Changed, &box, applyZoom);
  InstallZoomKeys(&box);
  box.exec();
  const auto it = answers.find(box.clickedButton());
  return it == answers.end() ? MessageAnswer::None : it->second;
}
