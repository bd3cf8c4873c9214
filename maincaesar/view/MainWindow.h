#pragma once
// The main window "Chiffrarium -- Cäsar-Chiffrierung": every label, field,
// table, spinner, option group and button of the workbench at its place, bound
// to TForm1. It decides nothing: user input goes to TForm1's handlers, and
// Sync() shows what they changed.

#include <QWidget>

#include <cstdint>

class FormBinder;
class GridWidget;
class QLineEdit;
class TForm1;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(TForm1& form, QWidget* parent = nullptr);

  // Brings every widget up to date with TForm1.
  void Sync();
  // Names the directory that stands for drive A: in the diskette buttons' tooltips.
  void ShowDriveDirectory(const QString& directory);
  FormBinder& Binder() { return *binder_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildLabels();
  void BuildFields();
  void BuildTables();
  void BuildOptions();
  void BuildButtons();
  void SetTabOrder();
  void AlignMarkerUnderPlaintext();
  void SyncMarker();

  TForm1& form_;
  FormBinder* binder_;
  QLineEdit* marker_ = nullptr;
  std::uint64_t markerSynced_ = ~std::uint64_t{0};
  bool shown_ = false;
  bool closeWanted_ = false;
};
