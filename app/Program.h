#pragma once
// Everything one run of the program owns, created in the order the program
// starts: the units' shared state, the platform, the main window with its
// model, then the models of the two analysis windows. Their Qt windows are
// made when first shown (or asked for): the program comes up as fast as a bare
// window. main() builds one; window tests, the screenshot tool and the
// benchmark build their own.

#include "KAnalyse1/model/FrequencyAnalysis.h"
#include "KAnalyse1/model/TForm2.h"
#include "KAnalyse1/view/AnalyseWindow.h"
#include "KAnalyse3/model/BruteForce.h"
#include "KAnalyse3/model/TForm3.h"
#include "KAnalyse3/view/BruteForceWindow.h"
#include "allgfunkt/PosixDrive.h"
#include "hilfe/view/HelpWindow.h"
#include "arbeitsblatt/model/Worksheet.h"
#include "scheibe/model/DiskForm.h"
#include "uebung/model/ExerciseForm.h"
#include "scheibe/view/DiskWindow.h"
#include "ciphercore/CipherCore.h"
#include "maincaesar/model/TForm1.h"
#include "maincaesar/view/MainWindow.h"
#include "toolkit/view/platform/QtPlatform.h"

class PrintDialog;

class Program {
 public:
  Program();
  ~Program();

  // Shows the main window in the middle of the desktop; its FormShow runs now.
  void Show();

  // "Kryptoanalyse -- Einzelzeichen" and "Brachiale Kryptoanalyse (Brute
  // Force)", made at the first call.
  AnalyseWindow& Window2();
  BruteForceWindow& Window3();
  // "Chiffrarium – Hilfe", made when first opened.
  HelpWindow& Help();
  // "Cäsar-Scheibe", made when first opened.
  DiskWindow& Disk();
  // "Arbeitsblatt": the worksheet of what the main window holds, over it; and
  // the disk's rings alone, to cut out.
  void ShowWorksheet();
  // What the worksheet takes from the main window (and an exercise's secret).
  WorksheetSource Worksheet() const;
  void ShowCutOutDisk();
  // "Übungstext": a practice ciphertext into the main window.
  void ShowExercise();

  CipherCore core;
  QtPlatform platform;
  DriveRoot driveRoot;  // the directory that stands for drive A:
  PosixDrive driveA{driveRoot.Directory, driveRoot.CreateWhenMissing};
  TForm1 form1{core, platform, driveA};
  MainWindow window1{form1};
  FrequencyAnalysis frequency;  // AnalyseTable and Tolerance
  TForm2 form2{frequency, core, platform};
  BruteForceState bruteForce;
  TForm3 form3{bruteForce, core};
  DiskForm diskForm{form1};
  SeededRandom random;  // the exercises' secret shifts and texts
  ExerciseForm exerciseForm{form1, platform, random};

 private:
  // Owned here and parented to the main window; they go first.
  std::unique_ptr<AnalyseWindow> window2_;
  std::unique_ptr<BruteForceWindow> window3_;
  std::unique_ptr<HelpWindow> help_;
  std::unique_ptr<DiskWindow> disk_;

  void ShowPrintDialog(PrintDialog& dialog);
};

// Loads Qt's own German texts (context menus, standard buttons) whatever the
// user's locale, and the font substitutes for the classic families.
void InstallGermanEnvironment();
