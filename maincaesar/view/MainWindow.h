#pragma once
// The main window "Chiffrarium -- Cäsar-Chiffrierung": every label, field,
// table, spinner, option group and button of the workbench, each described by
// one row of the window's control table and bound to TForm1. It decides
// nothing: user input goes to TForm1's handlers, and Sync() shows what they
// changed.

#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

class Announcer;
class QAction;
class QKeySequence;
struct ControlRow;
class ControlTable;
class FormBinder;
class QLineEdit;
class QMenu;
class QToolButton;
class TForm1;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(TForm1& form, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Brings every widget up to date with TForm1.
  void Sync();
  // Names the directory that stands for drive A: in the diskette buttons' tooltips.
  void ShowDriveDirectory(const QString& directory);
  FormBinder& Binder() { return *binder_; }

  // "Extras": the zoom, "Hilfe" and "Über Chiffrarium"; the program adds the
  // entries of its other windows.
  QMenu* ExtrasMenu() const { return extrasMenu_; }
  // Adds an entry for another window of the program to "Extras", after the
  // zoom and before the help, with a key that works anywhere in this window.
  QAction* AddExtra(const char* name, const QString& text, const QKeySequence& key);

  // The window's control table, for the help.
  static std::vector<ControlRow> ControlRows(TForm1& form);

 Q_SIGNALS:
  // F1 or "Hilfe": the help, open at the entry of the focused control (its
  // object name; empty for none).
  void HelpWanted(const QString& control);
  void HelpPageWanted();  // "Hilfe": the start page
  void AboutWanted();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void AlignMarkerUnderPlaintext();
  void SyncMarker();
  void MakeExtras();
  // Every control at a zoom step; the window keeps its centre.
  void ApplyZoom(int percent);
  // The largest zoom step the window's screen has room for, frame included.
  int LargestZoom() const;

  TForm1& form_;
  FormBinder* binder_;
  std::unique_ptr<ControlTable> controls_;
  QLineEdit* marker_ = nullptr;
  QToolButton* extras_ = nullptr;
  QMenu* extrasMenu_ = nullptr;
  QAction* helpSection_ = nullptr;  // the separator before "Hilfe"
  Announcer* announcer_ = nullptr;  // says the zoom
  std::uint64_t markerSynced_ = ~std::uint64_t{0};
  bool shown_ = false;
  bool closeWanted_ = false;
};
