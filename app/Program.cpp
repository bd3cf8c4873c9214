#include "app/Program.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

#include "toolkit/view/Fonts.h"

Program::Program() {
  form1.FormCreate();
  form2.setObjectName(QStringLiteral("Form2"));
  form2.setWindowTitle(QStringLiteral("Kryptoanalyse -- Einzelzeichen"));
  form2.resize(603, 408);
  window3.Create();
  platform.SetModalShower(ModalForm::Form2, [this] { form2.exec(); });
  platform.SetModalShower(ModalForm::Form3, [this] { window3.ShowModal(); });
  platform.AddRedrawHook([this] { window1.Sync(); });
}

void Program::Show() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = window1.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window1.move(frame.topLeft());
  }
  window1.show();
}

void InstallGermanEnvironment() {
  auto* translator = new QTranslator(qApp);
  if (translator->load(QStringLiteral("qtbase_de"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(translator);
  InstallFonts();
  QApplication::setFont(DefaultWindowFont());
}
