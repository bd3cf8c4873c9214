#include "uebung/view/ExerciseDialog.h"

#include <QPushButton>

#include "toolkit/view/form/ControlTable.h"
#include "toolkit/view/form/FormBinder.h"
#include "toolkit/view/text/QtText.h"
#include "toolkit/view/widgets/Fonts.h"
#include "toolkit/view/widgets/Zoom.h"
#include "uebung/model/ExerciseForm.h"

namespace {

constexpr int kClientWidth = 320;
constexpr int kClientHeight = 214;

// The rows; run carries a handler out (and whether the dialog closes after
// it), close closes it (empty: the rows are only read).
using Runner = std::function<void(std::function<void()> handler, bool thenClose)>;
std::vector<ControlRow> Controls(ExerciseForm& f, Runner run, std::function<void()> close) {
  return {
      {.Name = "RadioGroup1", .Place = {8, 4, 304, 92}, .Tab = 0, .Caption = "Länge des Texts",
       .Items = {"kurz (etwa 20 Zeichen)", "mittel (etwa 60 Zeichen)", "lang (etwa 200 Zeichen)",
                 "sehr lang (etwa 1.000 Zeichen)"},
       .Model = &f.RadioGroup1,
       .OnClick = [] {},  // the length counts when the next text is fetched
       .Description = "wie lang der Text ist: kurze Texte führen die Häufigkeitsanalyse oft in "
                      "die Irre"},
      {.Name = "BitBtn1", .Place = {8, 102, 150, 25}, .Tab = 1, .Caption = "&Neuen Text holen",
       .Model = &f.BitBtn1, .OnClick = [run, &f] { run([&f] { f.BitBtn1Click(); }, true); },
       .Description = "nimmt einen deutschen Text dieser Länge, verschlüsselt ihn mit einer geheimen "
                      "Verschiebung und stellt ihn wie eingelesen als Geheimtext ins Hauptfenster",
       .Keys = "Alt+N, Eingabetaste"},
      {.Name = "BitBtn2", .Place = {162, 102, 150, 25}, .Tab = 2, .Caption = "&Lösung zeigen",
       .Model = &f.BitBtn2, .OnClick = [run, &f] { run([&f] { f.BitBtn2Click(); }, false); },
       .Description = "nennt Verschiebung und Klartext der Übung; sie gilt dann als aufgegeben",
       .Keys = "Alt+L"},
      {.Name = "RichEdit1", .Place = {8, 133, 304, 44}, .Tab = 3, .Model = &f.RichEdit1,
       .AccessibleName = "Stand der Übung", .Description = "was die Übung gerade verlangt"},
      {.Name = "BitBtn3", .Place = {8, 183, 150, 25}, .Tab = 4,
       .Caption = "Als &Aufgabe speichern ...", .Model = &f.BitBtn3,
       .OnClick = [run, &f] { run([&f] { f.BitBtn3Click(); }, false); },
       .Description = "speichert den Geheimtext der Übung als GEHEIM.TXT auf Laufwerk A:, für "
                      "eine Aufgabe an die Klasse",
       .Keys = "Alt+A"},
      {.Name = "BitBtn4", .Place = {162, 183, 150, 25}, .Tab = 5, .Caption = "Schließen",
       .Model = &f.BitBtn4, .OnClick = close,
       .Description = "schließt das Fenster; die Übung läuft weiter", .Keys = "Esc"},
  };
}

}  // namespace

std::vector<ControlRow> ExerciseDialog::ControlRows(ExerciseForm& form) {
  return Controls(form, nullptr, nullptr);
}

ExerciseDialog::ExerciseDialog(ExerciseForm& form, FormBinder& mainBinder, QWidget* owner)
    : QDialog(owner),
      form_(form),
      mainBinder_(mainBinder),
      binder_(new FormBinder(this)),
      controls_(std::make_unique<ControlTable>(this, *binder_, QSize(kClientWidth, kClientHeight))) {
  setObjectName(QStringLiteral("Uebung"));
  setWindowTitle(U("Übungstext"));
  setWindowModality(Qt::WindowModal);
  setFont(DefaultWindowFont());
  setBackgroundRole(QPalette::Button);
  setAutoFillBackground(true);
  setFixedSize(kClientWidth, kClientHeight);
  controls_->Build(Controls(
      form_,
      [this](const std::function<void()>& handler, bool thenClose) {
        RunOnMain(handler, thenClose);
      },
      [this] { reject(); }));
  // A dialog's buttons: Return presses the one with the focus, and from the
  // lengths it fetches a new text.
  for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(true);
  if (auto* fetch = findChild<QPushButton*>(QStringLiteral("BitBtn1"))) fetch->setDefault(true);
  binder_->Run([this] { form_.FormShow(); });
  if (QWidget* first = controls_->FirstTabStop()) first->setFocus(Qt::OtherFocusReason);

  InstallZoomKeys(this);
  controls_->InstallHelpKey([this](const QString& control) { Q_EMIT HelpWanted(control); });
  FollowZoom(this, [this](int percent) { ApplyZoom(percent); });
}

ExerciseDialog::~ExerciseDialog() = default;

void ExerciseDialog::RunOnMain(const std::function<void()>& handler, bool thenClose) {
  mainBinder_.Run(handler);
  binder_->Sync();
  if (thenClose) accept();
}

void ExerciseDialog::ApplyZoom(int percent) {
  controls_->SetZoom(percent);
  setFixedSize(controls_->DesignedClient());
  controls_->Apply(size());
}
