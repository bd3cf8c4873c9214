// The runs of the main window in the real window on the offscreen platform:
// from the click on the button until the field shows the complete result,
// painted.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <memory>

#include "app/Program.h"
#include "bench/SampleText.h"
#include "bench/Scenario.h"
#include "ciphercore/Upcase.h"
#include "toolkit/view/text/QtText.h"

namespace {

struct Window {
  Program program;
  bool shown = false;

  QLineEdit* Field(const char* name) {
    return program.window1.findChild<QLineEdit*>(QString::fromLatin1(name));
  }
  void Click(const char* name) {
    QTest::mouseClick(program.window1.findChild<QAbstractButton*>(QString::fromLatin1(name)),
                      Qt::LeftButton);
  }
  // Whether a field shows exactly this Windows-1252 text.
  bool Shows(const char* name, const std::string& text) {
    return shown && Field(name)->text() == ToQString(text);
  }
};

// Lets the window paint what the handler left behind, as the event loop does
// after every click.
void Settle() {
  QCoreApplication::processEvents();
}

// A shown main window with the extended alphabet and a plaintext of the given
// length in the field, as if the learner had pasted it.
std::shared_ptr<Window> ShownWithPlaintext(std::size_t length) {
  auto w = std::make_shared<Window>();
  w->program.Show();
  w->shown = QTest::qWaitForWindowExposed(&w->program.window1);
  w->Click("RadioGroup1Item3");  // "erweiterte Zeichenliste", 60 characters
  QLineEdit* edit1 = w->Field("Edit1");
  const QString text = ToQString(bench::RepeatToLength(bench::GermanSampleText(), length));
  edit1->setText(text);
  Q_EMIT edit1->textEdited(text);
  Settle();
  return w;
}

const bench::Registration kEncryptAll{
    {"steps/window/alles verschlüsseln 65535 chars, 60-char alphabet", [] {
       auto w = ShownWithPlaintext(kMaxFieldLength);
       return bench::Run{[w] {
                           w->Click("BitBtn3");
                           Settle();
                         },
                         [w] {
                           const TForm1& f = w->program.form1;
                           return f.Edit3.Text().size() == kMaxFieldLength &&
                                  w->Shows("Edit3", f.Edit3.Text()) &&
                                  w->Shows("Edit1", UpcaseText(f.Edit1.Text()));
                         }};
     }}};

const bench::Registration kDecryptAll{
    {"steps/window/sofort alle Zeichen entschlüsseln 65535 chars, 60-char alphabet", [] {
       auto w = ShownWithPlaintext(kMaxFieldLength);
       w->Click("BitBtn3");
       Settle();
       return bench::Run{[w] {
                           w->Click("BitBtn9");
                           Settle();
                         },
                         [w] { return w->Shows("Edit5", w->program.form1.Edit1.Text()); }};
     }}};

// The animated run keeps its pace: 400 ms after each of the 10 steps, the last
// one included, so everything above 4000 ms is the work of the steps and the
// redraws.
const bench::Registration kEncryptStepwise{
    {"steps/window/schrittweise verschlüsseln 10 chars (4000 ms of pauses)",
     [] {
       auto w = ShownWithPlaintext(10);
       return bench::Run{[w] {
                           w->Click("BitBtn2");
                           Settle();
                         },
                         [w] {
                           const TForm1& f = w->program.form1;
                           return f.Edit3.Text().size() == 10 && w->Shows("Edit3", f.Edit3.Text());
                         }};
     },
     3}};

}  // namespace
