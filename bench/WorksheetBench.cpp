// The worksheet written as a PDF with all four pages: for the README's
// example, and for a ciphertext as long as a field holds (a hundred pages of
// boxes and more), from the plan to the last byte of the file.
#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <memory>

#include "arbeitsblatt/view/WorksheetDocument.h"
#include "bench/SampleText.h"
#include "bench/Scenario.h"
#include "ciphercore/CipherCore.h"
#include "ciphercore/TextCipher.h"

namespace {

struct Written {
  std::unique_ptr<WorksheetDocument> document;
  QByteArray pdf;
  int pages = 0;
};

std::shared_ptr<Written> Prepared(const std::string& plaintext) {
  auto w = std::make_shared<Written>();
  CipherCore core;
  core.MasterAlphabet = std::string(MasterAlphabetCharacters());
  core.AlphabetSize = 26;
  WorksheetSource source;
  source.Alphabet = core.MasterAlphabet.substr(0, 26);
  source.AlphabetName = "nur Buchstaben (original)";
  source.Plaintext = plaintext;
  source.Ciphertext = EncipherText(plaintext, 26, 7, 1);
  source.EncShift = source.DecShift = 7;
  w->document = std::make_unique<WorksheetDocument>(source, core, 3, ',');
  WorksheetChoice all;
  all.Solution = true;
  w->document->SetChoice(all);
  return w;
}

void WritePdf(Written& w) {
  QBuffer buffer(&w.pdf);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(600);
  const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                           QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  writer.setPageLayout(layout);
  w.pages = w.document->Layout(layout.paintRect(QPageLayout::Millimeter).size());
  QPainter painter(&writer);
  for (int page = 0; page < w.pages; ++page) {
    if (page > 0) writer.newPage();
    w.document->PaintPage(painter, page);
  }
}

bench::Run WorksheetRun(const std::string& plaintext, int leastPages) {
  auto w = Prepared(plaintext);
  return bench::Run{[w] { WritePdf(*w); },
                    [w, leastPages] {
                      return w->pages >= leastPages && w->pdf.startsWith("%PDF") &&
                             w->pdf.contains("%%EOF");
                    },
                    [w](double) { return std::to_string(w->pages) + " pages"; }};
}

const bench::Registration kExample{
    {"arbeitsblatt/the README's example, all four pages as a PDF", [] {
       return WorksheetRun(
           "TREFFEN WIR UNS NACH DER SCHULE AM ALTEN BRUNNEN? BRING DIE KARTE MIT!", 4);
     }}};

const bench::Registration kLong{
    {"arbeitsblatt/65535-character ciphertext, all four pages as a PDF", [] {
       return WorksheetRun(bench::RepeatToLength(bench::GermanSampleText(), kMaxFieldLength), 100);
     },
     3}};

}  // namespace
