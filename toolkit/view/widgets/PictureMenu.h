#pragma once
// The context menu of a widget that draws a picture (the chart, the disk):
// "… kopieren" on Ctrl+C while the widget has the focus, and one menu for the
// widget's life, for a screen reader keeps hold of the entries it met first
// and a new menu around the same entries leaves them silent. The owner adds
// its further entries to the menu.

#include <functional>

class QAction;
class QMenu;
class QString;
class QWidget;

struct PictureMenu {
  QAction* Copy;
  QMenu* Menu;
};

PictureMenu MakePictureMenu(QWidget* owner, const QString& copyText, const char* copyName,
                            const char* menuName, std::function<void()> copy);
