#include "hilfe/view/ControlPages.h"

#include <QAction>
#include <QKeySequence>

#include <algorithm>

#include "toolkit/view/text/QtText.h"

namespace {

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

// A row's text with its file's name for %1, as the window shows it.
QString RowText(const ControlRow& row, const char* text) {
  if (!text) return {};
  return row.File ? U(text).arg(QString::fromLatin1(row.File)) : U(text);
}

// What a learner calls the control: its caption (without the access key's
// mark), or its name for a screen reader.
QString Called(const ControlRow& row) {
  return WithoutMnemonic(U(row.AccessibleName ? row.AccessibleName : row.Caption));
}

// The rows a page lists: the controls, not the labels that name them, in tab
// order, then the ones without a tab stop in the order of the table.
std::vector<const ControlRow*> Listed(const std::vector<ControlRow>& rows) {
  std::vector<const ControlRow*> listed;
  for (const ControlRow& row : rows)
    if (row.Description) listed.push_back(&row);
  std::stable_sort(listed.begin(), listed.end(), [](const ControlRow* a, const ControlRow* b) {
    const int ta = a->Tab == kNoTabStop ? 1000 : a->Tab;
    const int tb = b->Tab == kNoTabStop ? 1000 : b->Tab;
    return ta < tb;
  });
  return listed;
}

QString ShortcutText(const QAction* action) {
  QStringList keys;
  for (const QKeySequence& key : action->shortcuts())
    keys << key.toString(QKeySequence::NativeText);
  return keys.join(QStringLiteral(", "));
}

}  // namespace

QString EntryAnchor(const QString& window, const QString& control) {
  return window + QLatin1Char('-') + control;
}

QString ControlPageHtml(const WindowHelp& window, const QString& marked) {
  QString html = QStringLiteral("<h1>%1</h1><p>%2</p>").arg(Escaped(window.Title), Escaped(window.Intro));
  html += U("<p>Die Steuerelemente in der Reihenfolge, in der die Tabulatortaste sie "
            "erreicht; die Leertaste drückt eine Schaltfläche. F1 auf einem Steuerelement "
            "öffnet hier seinen Eintrag.</p>");
  html += U("<table border=\"1\" cellpadding=\"4\" cellspacing=\"0\" width=\"100%\">"
            "<tr><th>Nr.</th><th>Steuerelement</th><th>Was es tut</th><th>Tasten</th></tr>");
  for (const ControlRow* row : Listed(window.Rows)) {
    const QString tab = row->Tab == kNoTabStop ? U("–") : QString::number(row->Tab + 1);
    QString does = RowText(*row, row->Description);
    const QString tip = RowText(*row, row->ToolTip);
    // A tooltip that only repeats the caption or the description adds nothing.
    const bool tipSaysMore = !tip.isEmpty() && !tip.startsWith(does, Qt::CaseInsensitive) &&
                             !does.contains(tip, Qt::CaseInsensitive) &&
                             tip.compare(Called(*row), Qt::CaseInsensitive) != 0;
    // A tooltip written as sentences follows as one; a fragment goes on the line.
    if (tipSaysMore) does += (tip.front().isUpper() ? U(". ") : U("; ")) + tip;
    const QString anchor = EntryAnchor(window.Id, QString::fromLatin1(row->Name));
    html += QStringLiteral("<tr%6><td>%1</td><td><a name=\"%2\"></a><b>%3</b></td><td>%4</td>"
                           "<td>%5</td></tr>")
                .arg(tab, anchor, Escaped(Called(*row)), Escaped(does),
                     Escaped(U(row->Keys ? row->Keys : "")),
                     anchor == marked ? QStringLiteral(" bgcolor=\"#FFF0A0\"") : QString());
  }
  html += QStringLiteral("</table>");
  return html;
}

QString KeysPageHtml(const std::vector<WindowHelp>& windows) {
  QString html = U("<h1>Tastenkürzel</h1><h2>In jedem Fenster</h2>"
                   "<table border=\"1\" cellpadding=\"4\" cellspacing=\"0\">"
                   "<tr><th>Tasten</th><th>Wirkung</th></tr>"
                   "<tr><td>Tab, Umschalt+Tab</td><td>zum nächsten, zum vorigen Steuerelement</td></tr>"
                   "<tr><td>Leertaste</td><td>drückt die Schaltfläche mit dem Fokus</td></tr>"
                   "<tr><td>F1</td><td>Hilfe zum Steuerelement mit dem Fokus</td></tr>"
                   "<tr><td>Umschalt+F10, Menütaste</td><td>das Kontextmenü des Steuerelements</td></tr>"
                   "<tr><td>Strg+Plus (auch Strg+=), Strg+Minus, Strg+0</td><td>alle Fenster "
                   "größer, kleiner, in Originalgröße</td></tr>"
                   "<tr><td>Strg+F, F3 (in der Hilfe)</td><td>in der Hilfe suchen, weitersuchen</td></tr>"
                   "</table>");
  for (const WindowHelp& window : windows) {
    html += QStringLiteral("<h2>%1</h2><table border=\"1\" cellpadding=\"4\" cellspacing=\"0\">"
                           "<tr><th>Tasten</th><th>Wirkung</th></tr>")
                .arg(Escaped(window.Title));
    QList<const QAction*> listed;
    for (const QAction* action : window.Actions) {
      const QString keys = ShortcutText(action);
      if (keys.isEmpty() || action->text().isEmpty() || listed.contains(action)) continue;
      listed << action;
      html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
                  .arg(Escaped(keys), Escaped(WithoutMnemonic(action->text())));
    }
    for (const ControlRow* row : Listed(window.Rows)) {
      if (!row->Keys) continue;
      html += QStringLiteral("<tr><td>%1</td><td><a href=\"page:%4#%2\">%3</a></td></tr>")
                  .arg(Escaped(U(row->Keys)),
                       EntryAnchor(window.Id, QString::fromLatin1(row->Name)),
                       Escaped(Called(*row)), window.Id);
    }
    html += QStringLiteral("</table>");
  }
  return html;
}
