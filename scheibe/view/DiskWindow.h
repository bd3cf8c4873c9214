#pragma once
// The window "Cäsar-Scheibe": the cipher disk over one of the main window's
// tables, the choice of table, and the pair line under the disk. Not modal,
// resizable (the disk stays square in the middle), following the zoom; Esc
// and the close box close it. It binds a DiskForm and asks the main window's
// binder to run every turn, so the main window shows it as it shows a click
// on its spinner.

#include <QWidget>

#include <memory>
#include <vector>

#include "toolkit/view/form/ControlRow.h"

class ControlTable;
class DiskForm;
class DiskWidget;
class FormBinder;
class TForm1;

class DiskWindow : public QWidget {
  Q_OBJECT

 public:
  // mainBinder: the main window's, which runs its handlers and keeps it up to
  // date; owner: the main window.
  DiskWindow(DiskForm& form, const TForm1& main, FormBinder& mainBinder, QWidget* owner);
  ~DiskWindow() override;

  // Shows the window, or brings it to the front when it is open.
  void Open();
  // After anything the main window did.
  void Follow();

  DiskWidget& Disk() const { return *disk_; }
  FormBinder& Binder() const { return *binder_; }

  // The rows of the control table, for the help; no widgets are made.
  static std::vector<ControlRow> ControlRows(DiskForm& form);

 Q_SIGNALS:
  // F1: the help, open at the entry of the focused control (its name).
  void HelpWanted(const QString& control);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ApplyZoom(int percent);
  bool TakesInput() const;

  DiskForm& form_;
  const TForm1& main_;
  FormBinder& mainBinder_;
  FormBinder* binder_;
  std::unique_ptr<ControlTable> controls_;
  DiskWidget* disk_ = nullptr;
  int zoom_ = 100;
};
