#include "arbeitsblatt/view/WorksheetDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "arbeitsblatt/view/WorksheetDocument.h"
#include "toolkit/view/text/QtText.h"

QWidget* WorksheetDialog::Options(WorksheetDocument& document, std::function<void()> changed) {
  auto* box = new QGroupBox(U("Seiten des Arbeitsblatts"));
  box->setObjectName(QStringLiteral("Pages"));
  auto* grid = new QGridLayout(box);
  const WorksheetChoice choice = document.Choice();
  struct Option {
    const char* name;
    const char* caption;
    const char* description;
    bool WorksheetChoice::*flag;
  };
  const Option options[] = {
      {"Task", "&Aufgabe",
       "der Geheimtext zum Entschlüsseln (ohne Geheimtext der Klartext zum Verschlüsseln), "
       "ein Kästchen für jedes Zeichen, mit Zeilen für Name, Klasse und Datum",
       &WorksheetChoice::Task},
      {"Frequencies", "&Häufigkeiten zum Auszählen",
       "eine Tabelle der Zeichen zum Eintragen, mit den Häufigkeiten im Deutschen",
       &WorksheetChoice::Frequencies},
      {"Disk", "Cäsar-&Scheibe zum Ausschneiden", "die beiden Scheiben mit Mittelpunkt",
       &WorksheetChoice::Disk},
      {"Solution", "&Lösung", "Verschiebung, Lösungstext, die ausgefüllte Tabelle und das Diagramm",
       &WorksheetChoice::Solution},
      {"ShiftGiven", "&Verschiebung angeben",
       "die Aufgabe zum Verschlüsseln nennt die Verschiebung", &WorksheetChoice::ShiftGiven},
  };
  int row = 0;
  for (const Option& option : options) {
    auto* check = new QCheckBox(U(option.caption), box);
    check->setObjectName(QString::fromLatin1(option.name));
    check->setAccessibleDescription(U(option.description));
    check->setChecked(choice.*option.flag);
    // Only a task to encipher has a shift to name.
    if (option.flag == &WorksheetChoice::ShiftGiven) check->setEnabled(!document.Deciphering());
    QObject::connect(check, &QCheckBox::toggled, box, [&document, changed, flag = option.flag](bool on) {
      WorksheetChoice now = document.Choice();
      now.*flag = on;
      document.SetChoice(now);
      changed();
    });
    grid->addWidget(check, row % 3, row / 3);
    ++row;
  }
  return box;
}

WorksheetDialog::WorksheetDialog(std::unique_ptr<WorksheetDocument> document,
                                 const QString& folder, QWidget* owner)
    : PrintDialog(U("Arbeitsblatt"), std::unique_ptr<SheetDocument>(document.release()), folder,
                  U("Arbeitsblatt.pdf"), nullptr, owner) {
  auto& worksheet = static_cast<WorksheetDocument&>(Document());
  QWidget* options = Options(worksheet, [this] { Refresh(); });
  options->setParent(this);
  static_cast<QVBoxLayout*>(layout())->insertWidget(0, options);
}
