// "Kopieren" and "Alles markieren": Ctrl+C and Ctrl+A while the grid has the
// focus, and the German context menu that offers both (right mouse button,
// the menu key or Shift+F10). The texts are made in GridCopy.h; here they
// become Unicode and go onto the clipboard.
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

#include "toolkit/model/GridCopy.h"
#include "toolkit/view/grid/GridWidget.h"
#include "toolkit/view/text/QtText.h"

void GridWidget::MakeActions() {
  auto make = [this](const char* text, const char* name, QKeySequence::StandardKey key) {
    auto* action = new QAction(U(text), this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    // The grid's own keys: in the open editor Ctrl+C and Ctrl+A work on its text.
    action->setShortcutContext(Qt::WidgetShortcut);
    action->setShortcutVisibleInContextMenu(true);
    addAction(action);
    return action;
  };
  copy_ = make("Kopieren", "CopyCells", QKeySequence::Copy);
  connect(copy_, &QAction::triggered, this, [this] { CopySelection(); });
  selectAll_ = make("Alles markieren", "SelectAllCells", QKeySequence::SelectAll);
  connect(selectAll_, &QAction::triggered, this, [this] { SelectAll(); });
}

void GridWidget::CopySelection() const {
  const CopiedTable table =
      CopyCells(model_, options_.CopyWholeTable ? model_.Body() : model_.Selection());
  auto* data = new QMimeData;
  data->setText(ToQString(TabSeparated(table)));
  // Without the charset a program that reads the HTML as Latin-1 would garble
  // the umlauts: the clipboard carries it as UTF-8.
  data->setHtml(QStringLiteral("<html><head><meta http-equiv=\"content-type\" "
                               "content=\"text/html; charset=utf-8\"></head><body>\n") +
                ToQString(HtmlTable(table)) + QStringLiteral("</body></html>\n"));
  QGuiApplication::clipboard()->setMimeData(data);
}

void GridWidget::SelectAll() {
  CloseEditor();
  model_.SelectAll();
  syncedSelection_ = model_.SelectionRevision();
  viewport()->update();
  AnnounceSelection();
}

void GridWidget::contextMenuEvent(QContextMenuEvent* event) {
  if (event->reason() == QContextMenuEvent::Mouse)
    ShowMenu(viewport()->mapFromGlobal(event->globalPos()));
  else
    ShowMenuAtCurrentCell();
}

void GridWidget::ShowMenuAtCurrentCell() {
  // Under the current cell, where the learner's eyes are; mid-grid when it is
  // scrolled away or hidden.
  const QRect current = CellRect(model_.Current().Col, model_.Current().Row);
  ShowMenu(current.isEmpty() ? viewport()->rect().center() : current.bottomLeft());
}

void GridWidget::AddMenuAction(QAction* action) {
  windowActions_ << action;
  if (!menu_) return;
  if (windowActions_.size() == 1) menu_->addSeparator();
  menu_->addAction(action);
}

void GridWidget::ShowMenu(QPoint viewportPos) {
  // One menu for the grid's life: a screen reader keeps hold of the entries
  // it met first, and a new menu around the same entries leaves them silent.
  if (!menu_) {
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("GridMenu"));
    menu_->addAction(copy_);
    menu_->addAction(selectAll_);
    if (!windowActions_.isEmpty()) {
      menu_->addSeparator();
      menu_->addActions(windowActions_);
    }
  }
  menu_->exec(viewport()->mapToGlobal(viewportPos));
}
