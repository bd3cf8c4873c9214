#pragma once
// The help, "Chiffrarium – Hilfe": a window of pages with links between them.
// A start page; a page for each window, made from its control table
// (ControlPages.h); a page of all keys; and the pages on the method with
// examples computed on the texts in the main window when the help opens
// (hilfe/model/MethodPages.h). F1 opens it at the entry of the focused
// control, "Hilfe" in Extras at the start. Strg+F finds text in all pages.
//
// A window of its own, beside the others, readable while an analysis window
// is open; it follows the zoom. It changes nothing in the program.

#include <QWidget>

#include <functional>
#include <vector>

#include "hilfe/model/MethodPages.h"
#include "hilfe/view/ControlPages.h"

class QLabel;
class QLineEdit;
class QTextBrowser;
class QUrl;

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // methodPages makes the pages on the method from the program's state at
  // that moment; windows are the windows the help describes.
  HelpWindow(std::function<std::vector<HelpPage>()> methodPages, std::vector<WindowHelp> windows);

  // Opens the help at a page ("start", a window's object name, "tasten", a
  // method page's id), scrolled to the anchor when given, and brings it to
  // the front.
  void Open(const QString& page, const QString& anchor = {});
  // F1 on a control of a window: its entry, or the window's page.
  void OpenEntry(const QString& window, const QString& control);

  // The page shown and its text, for tests.
  QString CurrentPage() const;
  QString CurrentText() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct Page {
    QString Id;
    QString Title;
    QString Html;
  };
  void MakePages();
  void Show(int page, const QString& anchor);
  void Follow(const QUrl& link);
  void FindNext();
  void ApplyZoom(int percent);
  QString Navigation() const;

  std::function<std::vector<HelpPage>()> methodPages_;
  std::vector<WindowHelp> windows_;
  std::vector<Page> pages_;
  int current_ = 0;
  int zoom_ = 100;
  QTextBrowser* text_;
  QLineEdit* find_;
  QLabel* findStatus_;
};
