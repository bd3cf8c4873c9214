#pragma once
// The main window "Chiffrarium -- Cäsar-Chiffrierung": every label, field,
// table, spinner, option group and button of the workbench, each described by
// one row of the window's control table and bound to TForm1. It decides
// nothing: user input goes to TForm1's handlers, and Sync() shows what they
// changed.

#include <QWidget>

#include <cstdint>
#include <memory>

class ControlTable;
class FormBinder;
class QLineEdit;
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

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void AlignMarkerUnderPlaintext();
  void SyncMarker();

  TForm1& form_;
  FormBinder* binder_;
  std::unique_ptr<ControlTable> controls_;
  QLineEdit* marker_ = nullptr;
  std::uint64_t markerSynced_ = ~std::uint64_t{0};
  bool shown_ = false;
  bool closeWanted_ = false;
};
