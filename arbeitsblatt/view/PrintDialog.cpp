#include "arbeitsblatt/view/PrintDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QVBoxLayout>

#include "arbeitsblatt/view/SheetDocument.h"
#include "toolkit/view/text/QtText.h"
#include "toolkit/model/Platform.h"
#include "toolkit/model/Zoom.h"
#include "toolkit/view/widgets/Fonts.h"
#include "toolkit/view/widgets/MessageBox.h"
#include "toolkit/view/widgets/Zoom.h"

namespace {

// A4 portrait with margins a school printer keeps.
QPageLayout DefaultLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                     QPageLayout::Millimeter);
}

constexpr int kPreviewWidth = 460;  // a page's width in the preview at 100 %

}  // namespace

PrintDialog::PrintDialog(const QString& caption, std::unique_ptr<SheetDocument> document,
                         const QString& folder, const QString& fileName, QWidget* options,
                         QWidget* owner)
    : QDialog(owner), document_(std::move(document)), folder_(folder), fileName_(fileName) {
  setObjectName(QStringLiteral("PrintDialog"));
  setWindowTitle(caption);
  setAccessibleName(caption);
  setWindowModality(Qt::WindowModal);
  setFont(DefaultWindowFont(ViewZoom::Get().Percent()));

  auto* layout = new QVBoxLayout(this);
  if (options) layout->addWidget(options);

  scroll_ = new QScrollArea(this);
  scroll_->setObjectName(QStringLiteral("Preview"));
  scroll_->setAccessibleName(U("Vorschau"));
  scroll_->setAccessibleDescription(U("die Seite, wie sie gedruckt wird"));
  scroll_->setAlignment(Qt::AlignHCenter);
  scroll_->setBackgroundRole(QPalette::Dark);
  preview_ = new QLabel(scroll_);
  preview_->setObjectName(QStringLiteral("PreviewPage"));
  scroll_->setWidget(preview_);
  layout->addWidget(scroll_, 1);

  auto* pages = new QHBoxLayout;
  previous_ = new QPushButton(U("< &Vorige Seite"), this);
  previous_->setObjectName(QStringLiteral("PreviousPage"));
  previous_->setToolTip(U("Bild auf"));
  next_ = new QPushButton(U("&Nächste Seite >"), this);
  next_->setObjectName(QStringLiteral("NextPage"));
  next_->setToolTip(U("Bild ab"));
  pageLabel_ = new QLabel(this);
  pageLabel_->setObjectName(QStringLiteral("PageNumber"));
  pageLabel_->setAlignment(Qt::AlignCenter);
  pages->addWidget(previous_);
  pages->addWidget(pageLabel_, 1);
  pages->addWidget(next_);
  layout->addLayout(pages);
  connect(previous_, &QPushButton::clicked, this, [this] { ShowPage(page_ - 1); });
  connect(next_, &QPushButton::clicked, this, [this] { ShowPage(page_ + 1); });

  auto* buttons = new QHBoxLayout;
  auto* print = new QPushButton(U("&Drucken …"), this);
  print->setObjectName(QStringLiteral("Print"));
  print->setAccessibleDescription(U("druckt alle Seiten auf einem Drucker des Systems"));
  auto* pdf = new QPushButton(U("Als &PDF speichern …"), this);
  pdf->setObjectName(QStringLiteral("SavePdf"));
  pdf->setAccessibleDescription(U("speichert alle Seiten als PDF-Datei"));
  auto* close = new QPushButton(U("Schließen"), this);
  close->setObjectName(QStringLiteral("Close"));
  buttons->addWidget(print);
  buttons->addWidget(pdf);
  buttons->addStretch(1);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  connect(print, &QPushButton::clicked, this, &PrintDialog::PrintWithDialog);
  connect(pdf, &QPushButton::clicked, this, &PrintDialog::ChoosePdf);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  print->setDefault(true);

  InstallZoomKeys(this);
  connect(&ViewZoom::Get(), &ViewZoom::Changed, this, &PrintDialog::ApplyZoom);
  ApplyZoom(ViewZoom::Get().Percent());
  Refresh();
}

PrintDialog::~PrintDialog() = default;

void PrintDialog::ApplyZoom(int percent) {
  setFont(DefaultWindowFont(percent));
  const int width = ZoomLength(kPreviewWidth, percent);
  scroll_->setMinimumSize(width + 40, ZoomLength(360, percent));
  resize(QSize(width + 80, ZoomLength(640, percent)));
  PaintPreview();
}

void PrintDialog::Refresh() {
  const QPageLayout layout = DefaultLayout();
  pages_ = document_->Layout(layout.paintRect(QPageLayout::Millimeter).size());
  ShowPage(std::min(page_, pages_ - 1));
}

void PrintDialog::ShowPage(int page) {
  page_ = std::clamp(page, 0, std::max(pages_ - 1, 0));
  pageLabel_->setText(U("Seite %1 von %2").arg(page_ + 1).arg(pages_));
  previous_->setEnabled(page_ > 0);
  next_->setEnabled(page_ + 1 < pages_);
  PaintPreview();
}

void PrintDialog::PaintPreview() {
  if (!preview_) return;
  const QPageLayout layout = DefaultLayout();
  const QRectF full = layout.fullRect(QPageLayout::Millimeter);
  const QRectF paint = layout.paintRect(QPageLayout::Millimeter);
  const qreal dpr = devicePixelRatioF();
  const double pixelsPerMm = ZoomLength(kPreviewWidth, ViewZoom::Get().Percent()) / full.width();
  QImage page((full.size() * pixelsPerMm * dpr).toSize(), QImage::Format_RGB32);
  page.setDevicePixelRatio(dpr);
  // Its resolution makes the document's millimetres and points come out right.
  const int dotsPerMetre = static_cast<int>(pixelsPerMm * 1000);
  page.setDotsPerMeterX(dotsPerMetre);
  page.setDotsPerMeterY(dotsPerMetre);
  page.fill(Qt::white);
  if (pages_ > 0) {
    QPainter p(&page);
    p.translate(paint.left() * pixelsPerMm, paint.top() * pixelsPerMm);
    document_->PaintPage(p, page_);
  }
  preview_->setPixmap(QPixmap::fromImage(page));
  preview_->resize(preview_->sizeHint());
  preview_->setAccessibleName(pageLabel_->text());
}

bool PrintDialog::PaintAll(QPagedPaintDevice& device, const QPageLayout& layout) {
  document_->Layout(layout.paintRect(QPageLayout::Millimeter).size());
  QPainter painter;
  if (!painter.begin(&device)) return false;
  bool ok = true;
  for (int page = 0; page < document_->PageCount(); ++page) {
    if (page > 0 && !device.newPage()) {
      ok = false;
      break;
    }
    document_->PaintPage(painter, page);
    // Long documents take a while: the windows stay painted meanwhile.
    if (page % 8 == 7) QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  painter.end();
  // The preview again as the dialog's page shows it.
  Refresh();
  return ok;
}

bool PrintDialog::SaveAsPdf(const QString& path) {
  QSaveFile file(path);
  bool ok = file.open(QIODevice::WriteOnly);
  if (ok) {
    QPdfWriter writer(&file);
    writer.setTitle(document_->Title());
    writer.setCreator(U("Chiffrarium"));
    writer.setResolution(600);
    const QPageLayout layout = DefaultLayout();
    writer.setPageLayout(layout);
    ok = PaintAll(writer, layout);
  }
  ok = ok && file.commit();
  if (!ok)
    ShowMessageBox(MessageKind::Error,
                   U("Die Datei %1 konnte nicht geschrieben werden: %2")
                       .arg(QDir::toNativeSeparators(path), file.errorString()),
                   MessageButtons::Ok, this);
  return ok;
}

void PrintDialog::ChoosePdf() {
  const QString path = QFileDialog::getSaveFileName(
      this, U("Als PDF speichern"), QDir(folder_).filePath(fileName_), U("PDF-Dateien (*.pdf)"));
  if (path.isEmpty()) return;
  SaveAsPdf(path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? path
                                                                      : path + U(".pdf"));
}

void PrintDialog::PrintWithDialog() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(DefaultLayout());
  printer.setDocName(document_->Title());
  printer.setCreator(U("Chiffrarium"));
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(U("Drucken"));
  if (dialog.exec() != QDialog::Accepted) return;
  if (!PaintAll(printer, printer.pageLayout()))
    ShowMessageBox(MessageKind::Error, U("Das Drucken ist fehlgeschlagen."), MessageButtons::Ok,
                   this);
}

void PrintDialog::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_PageUp:
      ShowPage(page_ - 1);
      return;
    case Qt::Key_PageDown:
      ShowPage(page_ + 1);
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}
