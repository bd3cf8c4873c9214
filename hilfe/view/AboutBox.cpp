#include "hilfe/view/AboutBox.h"

#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

#include "toolkit/model/Zoom.h"
#include "toolkit/view/text/QtText.h"
#include "toolkit/view/widgets/Fonts.h"
#include "toolkit/view/widgets/Zoom.h"

void ShowAbout(QWidget* parent, const QString& driveFolder) {
  const QString text =
      U("<h3>Chiffrarium %1</h3>"
        "<p>Die Cäsar-Chiffrierung lernen: Schritt für Schritt verschlüsseln, entschlüsseln "
        "und ohne Schlüssel knacken. Ausgabe für Schulen.</p>"
        "<p>Chiffrarium ist freie Software: Sie dürfen es unter den Bedingungen der GNU "
        "General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version, "
        "weitergeben und verändern. Es wird ohne jede Gewährleistung verbreitet; Näheres steht "
        "in der Lizenz (GPL-3.0-or-later).</p>"
        "<p>Läuft mit Qt %2.</p>"
        "<p>Laufwerk A: ist der Ordner<br>%3</p>")
          .arg(QStringLiteral(CHIFFRARIUM_VERSION), QString::fromLatin1(qVersion()),
               driveFolder.toHtmlEscaped());
  QMessageBox box(QMessageBox::Information, U("Über Chiffrarium"), text, QMessageBox::NoButton,
                  parent);
  box.setObjectName(QStringLiteral("AboutBox"));
  box.setTextFormat(Qt::RichText);
  box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  const int zoom = ViewZoom::Get().Percent();
  if (zoom != kNoZoom) box.setFont(DefaultWindowFont(zoom));
  InstallZoomKeys(&box);
  box.exec();
}
