#pragma once
// The worksheet as pages: the plan of arbeitsblatt/model painted on paper.
// It keeps what the main window held when it was made and paints nothing but
// what the plan says; the solution's chart is the frequency window's own
// drawing of the ciphertext, slid to the key.

#include <memory>

#include "KAnalyse1/model/FrequencyAnalysis.h"
#include "KAnalyse1/model/FrequencyChart.h"
#include "arbeitsblatt/model/Worksheet.h"
#include "arbeitsblatt/view/SheetDocument.h"
#include "ciphercore/CipherCore.h"

class FrequencyChartWidget;
class SheetCanvas;

class WorksheetDocument : public SheetDocument {
 public:
  // core: the program's alphabet; tolerance: the frequency analysis' own;
  // decimalSeparator: the user's (Windows-1252).
  WorksheetDocument(WorksheetSource source, const CipherCore& core, int tolerance,
                    char decimalSeparator);
  ~WorksheetDocument() override;

  void SetChoice(const WorksheetChoice& choice) { choice_ = choice; }
  const WorksheetChoice& Choice() const { return choice_; }
  // Whether the task is the ciphertext (else the plaintext, to encipher).
  bool Deciphering() const { return plan_.Deciphering; }
  const Worksheet& Plan() const { return plan_; }

  int Layout(QSizeF printableMm) override;
  int PageCount() const override { return static_cast<int>(plan_.Pages.size()); }
  void PaintPage(QPainter& painter, int page) const override;
  QString Title() const override;

 private:
  void PaintFrame(const SheetCanvas& c, int page) const;
  void PaintTask(const SheetCanvas& c, const SheetPage& page) const;
  void PaintFrequencies(const SheetCanvas& c, const SheetPage& page) const;
  void PaintDisk(const SheetCanvas& c) const;
  void PaintSolution(const SheetCanvas& c, const SheetPage& page) const;
  void PaintChart(const SheetCanvas& c, double top, double height) const;
  QString Percent(double value) const;

  WorksheetSource source_;
  mutable CipherCore core_;  // its AnalysisText is the chart's ciphertext
  int tolerance_;
  char separator_;
  WorksheetChoice choice_;
  SheetMetrics metrics_;
  Worksheet plan_;
  // The solution's chart, made when first painted.
  mutable FrequencyAnalysis analysis_;
  mutable FrequencyChart chart_;
  mutable std::unique_ptr<FrequencyChartWidget> chartWidget_;
};
