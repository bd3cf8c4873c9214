#pragma once
// "Arbeitsblatt": the print dialog over the worksheet, with the choice of its
// pages above the preview: "Aufgabe", "Häufigkeiten zum Auszählen",
// "Cäsar-Scheibe zum Ausschneiden", "Lösung" (off at first) and, for a task
// to encipher, "Verschiebung angeben".

#include <memory>

#include "arbeitsblatt/view/PrintDialog.h"

class WorksheetDocument;

class WorksheetDialog : public PrintDialog {
  Q_OBJECT

 public:
  WorksheetDialog(std::unique_ptr<WorksheetDocument> document, const QString& folder,
                  QWidget* owner);

 private:
  // The worksheet's page choice, above the preview.
  static QWidget* Options(WorksheetDocument& document, std::function<void()> changed);
};
