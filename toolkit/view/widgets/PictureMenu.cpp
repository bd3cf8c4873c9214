#include "toolkit/view/widgets/PictureMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

PictureMenu MakePictureMenu(QWidget* owner, const QString& copyText, const char* copyName,
                            const char* menuName, std::function<void()> copy) {
  auto* action = new QAction(copyText, owner);
  action->setObjectName(QString::fromLatin1(copyName));
  action->setShortcut(QKeySequence::Copy);
  action->setShortcutContext(Qt::WidgetShortcut);
  action->setShortcutVisibleInContextMenu(true);
  QObject::connect(action, &QAction::triggered, owner, std::move(copy));
  owner->addAction(action);
  auto* menu = new QMenu(owner);
  menu->setObjectName(QString::fromLatin1(menuName));
  menu->addAction(action);
  return {action, menu};
}
