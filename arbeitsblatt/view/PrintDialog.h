#pragma once
// The dialog that shows a document before it goes out: a preview of one page
// at a time (so a document of hundreds of pages answers at once), "Drucken …"
// through the system's print dialog and its printers, "Als PDF speichern …"
// into drive A:'s folder, and "Schließen". A document with choices (the
// worksheet's pages) brings its own controls, shown above the preview. A4
// portrait with 15 mm margins unless the print dialog says otherwise.

#include <QDialog>

#include <functional>
#include <memory>

class QLabel;
class QPageLayout;
class QPushButton;
class QScrollArea;
class SheetDocument;

class PrintDialog : public QDialog {
  Q_OBJECT

 public:
  // folder: where "Als PDF speichern …" starts; fileName: the name it offers.
  // options: the document's own controls, or nullptr; owner: the window it is
  // modal over.
  PrintDialog(const QString& caption, std::unique_ptr<SheetDocument> document,
              const QString& folder, const QString& fileName, QWidget* options,
              QWidget* owner);
  ~PrintDialog() override;

  SheetDocument& Document() const { return *document_; }
  // Lays the document out again after its choices changed, and shows the page.
  void Refresh();

  int Page() const { return page_; }
  void ShowPage(int page);

  // Writes the whole document as a PDF; a box names a failure. Returns
  // whether the file was written.
  bool SaveAsPdf(const QString& path);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void PrintWithDialog();
  void ChoosePdf();
  void PaintPreview();
  void ApplyZoom(int percent);
  // Paints every page on a device whose page layout is given, the document
  // laid out for its printable area; the event loop keeps the window painted
  // between the pages. Returns false when the device refused a page.
  bool PaintAll(class QPagedPaintDevice& device, const QPageLayout& layout);

  std::unique_ptr<SheetDocument> document_;
  QString folder_;
  QString fileName_;
  QLabel* preview_;
  QScrollArea* scroll_;
  QLabel* pageLabel_;
  QPushButton* previous_;
  QPushButton* next_;
  int page_ = 0;
  int pages_ = 0;
};
