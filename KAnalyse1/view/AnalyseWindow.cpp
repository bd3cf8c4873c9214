#include "KAnalyse1/view/AnalyseWindow.h"

#include "KAnalyse1/model/TForm2.h"
#include <QMenu>

#include "KAnalyse1/view/FrequencyChartWidget.h"
#include "toolkit/view/grid/GridWidget.h"
#include "toolkit/view/form/ControlRow.h"
#include "toolkit/view/form/FormBinder.h"
#include "toolkit/view/widgets/Fonts.h"

namespace {

// Every control of the window, one row each (ControlRow.h): the labels, the
// fields and the spinner, the table, the buttons. Places are in the client
// area of the smallest window, 603 × 408. The tab order runs from "Beenden"
// (0), which therefore has the focus when the window opens.
std::vector<ControlRow> Controls(TForm2& f) {
  return {
      {.Name = "Label6", .Place = {88, 8, 243, 13},
       .Caption = "Analyse beruht auf dem eingestellten Alphabet  mit: ", .LabelFor = &f.Edit6},
      {.Name = "Label7", .Place = {384, 8, 39, 13}, .Caption = "Zeichen"},
      {.Name = "Label1", .Place = {384, 24, 96, 13}, .Anchors = kAnchorTopRight,
       .Caption = "Bewertungstoleranz:", .LabelFor = &f.Edit1},
      {.Name = "Label2", .Place = {488, 20, 42, 20}, .Anchors = kAnchorTopRight,
       .Caption = "+/- %", .Font = {kSansSerif, 16, true}},
      {.Name = "Label3", .Place = {16, 364, 187, 13}, .Anchors = kAnchorBottomLeft,
       .Caption = "empfohlene Cäsar-Verschiebung:", .Font = {kSansSerif, 11, true},
       .LabelFor = &f.Edit2},
      {.Name = "Label4", .Place = {16, 378, 196, 13}, .Anchors = kAnchorBottomLeft,
       .Caption = "(aus Häufigkeitsmuster-Vergleich ermittelt)"},
      {.Name = "Label5", .Place = {256, 364, 45, 13}, .Anchors = kAnchorBottomLeft,
       .Caption = "ev. auch:", .LabelFor = &f.Edit3},
      {.Name = "Label8", .Place = {72, 392, 135, 13}, .Anchors = kAnchorBottomLeft,
       .Caption = "Summe der Fehler-Quadrate:", .LabelFor = &f.Edit4},

      {.Name = "Edit6", .Place = {336, 4, 41, 21}, .Tab = 10, .Model = &f.Edit6,
       .AccessibleName = "Zeichen im Alphabet",
       .Description = "die Analyse beruht auf dem eingestellten Alphabet mit so vielen Zeichen"},
      {.Name = "Edit1", .Place = {536, 18, 33, 21}, .Anchors = kAnchorTopRight, .Tab = 2,
       .Model = &f.Edit1, .AccessibleName = "Bewertungstoleranz",
       .Description =
           "plus/minus Prozent, um die eine Häufigkeit von der erwarteten abweichen darf"},
      // Not coupled to Edit1, whose right edge it covers: UpDown1Click writes
      // the tolerance there.
      {.Name = "UpDown1", .Place = {568, 12, 25, 33}, .Anchors = kAnchorTopRight, .Tab = 3,
       .Model = &f.UpDown1, .OnClick = [&f] { f.UpDown1Click(); },
       .AccessibleName = "Bewertungstoleranz ändern",
       .Description = "erhöht oder verringert die Bewertungstoleranz um eins, von 0 bis 10",
       .Keys = "Pfeil hoch, Pfeil runter"},
      {.Name = "Edit2", .Place = {216, 360, 33, 21}, .Anchors = kAnchorBottomLeft, .Tab = 6,
       .Font = {kSansSerif, 11, true}, .Model = &f.Edit2,
       .AccessibleName = "empfohlene Cäsar-Verschiebung",
       .Description = "aus Häufigkeitsmuster-Vergleich ermittelt"},
      {.Name = "Edit3", .Place = {304, 360, 97, 21}, .Anchors = kAnchorBottomLeft, .Tab = 7,
       .ButtonFace = true, .Model = &f.Edit3, .AccessibleName = "ev. auch",
       .Description = "weitere mögliche Cäsar-Verschiebungen"},
      {.Name = "Edit4", .Place = {216, 384, 73, 21}, .Anchors = kAnchorBottomLeft, .Tab = 8,
       .Model = &f.Edit4, .AccessibleName = "Summe der Fehler-Quadrate",
       .Description = "für die empfohlene Cäsar-Verschiebung"},
      {.Name = "Edit5", .Place = {304, 384, 177, 21}, .Anchors = kAnchorBottomLeft, .Tab = 9,
       .Model = &f.Edit5, .AccessibleName = "weitere Summen der Fehler-Quadrate",
       .Description = "für die weiteren Cäsar-Verschiebungen, in derselben Reihenfolge"},

      {.Name = "StringGrid1", .Place = {8, 48, 585, 305}, .Anchors = kAnchorAll, .Tab = 1,
       .Grid = {.Options = kReadOnlyTable, .RowHeight = 18}, .Model = &f.StringGrid1,
       .AccessibleName = "Häufigkeitstabelle",
       .Description = "je Geheim-Zeichen: Anzahl, Häufigkeit, erwartete Häufigkeit und die zur "
                      "Bewertungstoleranz passenden Klar-Zeichen und Cäsar-Verschiebungen",
       .Keys = "Pfeiltasten; Umschalt+Pfeiltasten: Bereich markieren; Strg+A: alles markieren; Strg+C: kopieren; Umschalt+F10: Kontextmenü"},

      ModalFormDialog::CloseButton({.Name = "BitBtn1", .Place = {488, 376, 97, 25}, .Tab = 0,
                                    .Model = &f.BitBtn1, .OnClick = [&f] { f.BitBtn1Click(); },
                                    .Description = "schließt die Häufigkeitsanalyse"}),
      // The sort buttons carry no caption: a black triangle in the middle, grey
      // while disabled, and a tooltip that says what they sort by. Their bottom
      // edge lies on the grid's top edge, drawn over it.
      {.Name = "BitBtn2", .Place = {32, 24, 41, 25}, .Tab = 4, .Icon = Glyph::SortDown,
       .GlyphCentred = true, .Model = &f.BitBtn2, .OnClick = [&f] { f.BitBtn2Click(); },
       .AccessibleName = "nach Zeichen sortieren",
       .Description = "ordnet die Tabelle nach den Geheim-Zeichen",
       .ToolTip = "nach Zeichen sortieren"},
      {.Name = "BitBtn3", .Place = {104, 24, 41, 25}, .Tab = 5, .Icon = Glyph::SortDown,
       .GlyphCentred = true, .Model = &f.BitBtn3, .OnClick = [&f] { f.BitBtn3Click(); },
       .AccessibleName = "nach Häufigkeit sortieren",
       .Description = "ordnet die Tabelle absteigend nach der Anzahl der Geheim-Zeichen",
       .ToolTip = "nach Häuffigkeit sortieren"},

      // Beyond the table. "Diagramm" and "Verschiebung übernehmen" share the
      // free room of the top row between the sort buttons and the tolerance,
      // below the alphabet size, so they start a pixel below the sort buttons.
      {.Name = "SpeedButton1", .Place = {152, 25, 84, 23}, .Tab = 11, .Caption = "Diagramm",
       .Icon = Glyph::Chart, .Model = &f.SpeedButton1, .OnClick = [&f] { f.SpeedButton1Click(); },
       .Description = "zeigt statt der Tabelle die Häufigkeiten als Diagramm, mit den deutschen "
                      "Häufigkeiten darüber, die sich verschieben lassen; noch einmal gedrückt "
                      "wieder die Tabelle",
       .ToolTip = "Häufigkeiten als Diagramm zeigen und das deutsche Profil verschieben"},
      {.Name = "BitBtn4", .Place = {240, 25, 137, 23}, .Tab = 15,
       .Caption = "Verschiebung übernehmen", .Model = &f.BitBtn4,
       .OnClick = [&f] { f.BitBtn4Click(); },
       .Description = "schließt die Häufigkeitsanalyse und stellt im Hauptfenster die "
                      "Verschiebung zum Entschlüsseln ein: die des Diagramms, solange es gezeigt "
                      "wird, sonst die empfohlene",
       .ToolTip = "Verschiebung im Hauptfenster zum Entschlüsseln einstellen: die des "
                  "Diagramms, sonst die empfohlene"},
      // The chart stands in the table's rectangle while "Diagramm" is down,
      // and leaves a strip at its bottom for the spinner and the line of its
      // shift; only the chart grows with the window.
      {.Name = "Chart1", .Place = {8, 48, 585, 277}, .Anchors = kAnchorAll, .Tab = 12,
       .Model = static_cast<Control*>(&f.Chart1), .AccessibleName = "Häufigkeitsdiagramm",
       .Description = "die Häufigkeiten des Geheimtexts als Balken und darüber die deutschen, "
                      "verschoben; Pfeiltasten links und rechts verschieben, Pos1 auf 0",
       .Keys = "Pfeil links, Pfeil rechts: verschieben; Pos1: auf 0; Strg+C: Bild kopieren; Umschalt+F10: Kontextmenü",
       .Widget = [&f](QWidget* window) -> QWidget* {
         auto* chart = new FrequencyChartWidget(f.Chart1, f.DecimalSeparator(), window);
         chart->hide();
         return chart;
       }},
      {.Name = "UpDown2", .Place = {8, 328, 25, 25}, .Anchors = kAnchorBottomLeft, .Tab = 13,
       .Model = &f.UpDown2, .OnClick = [&f] { f.UpDown2Click(); },
       .AccessibleName = "Verschiebung des Diagramms ändern",
       .Description = "verschiebt die deutschen Häufigkeiten im Diagramm um eine Stelle, "
                      "nach dem letzten Zeichen wieder von vorn",
       .Keys = "Pfeil hoch, Pfeil runter"},
      {.Name = "Edit7", .Place = {37, 330, 556, 21},
       .Anchors = kAnchorLeft | kAnchorRight | kAnchorBottom, .Tab = 14, .ButtonFace = true,
       .Framed = false, .Model = &f.Edit7, .AccessibleName = "Verschiebung des Diagramms",
       .Description = "die Verschiebung, ihre Summe der Fehler-Quadrate und ihr Platz unter "
                      "allen Verschiebungen"},
  };
}

}  // namespace

std::vector<ControlRow> AnalyseWindow::ControlRows(TForm2& form) { return Controls(form); }

AnalyseWindow::AnalyseWindow(TForm2& form, QWidget* owner)
    : ModalFormDialog(form.Frame, HandlersOf(form, &TForm2::BitBtn1Click), "Form2",
                      "Kryptoanalyse -- Einzelzeichen", Controls(form), owner) {
  auto* chart = static_cast<FrequencyChartWidget*>(Binder().WidgetOf(&form.Chart1));
  QWidget* table = Binder().WidgetOf(&form.StringGrid1);
  // Both context menus print the window.
  chart->Menu()->addSeparator();
  chart->Menu()->addAction(PrintAction());
  static_cast<GridWidget*>(table)->AddMenuAction(PrintAction());
  // The handler slides the chart, and the spinner and the line with it; while
  // another handler runs, the slide is refused and nothing moves.
  connect(chart, &FrequencyChartWidget::SlideWanted, this, [this, &form](int shift) {
    Binder().Run([&form, shift] { form.Chart1Slide(shift); });
  });
  Binder().BindAnnouncement(form.Announcer);
  Binder().AddSync([this, &form, chart, table] {
    chart->Sync();
    const bool shown = form.ChartShown();
    if (chart->isHidden() != shown) return;
    // The focus stays in the rectangle: "Diagramm" let out by an assistive
    // tool while the chart has the focus gives the keys to the table, not to
    // whatever control follows the chart.
    QWidget* leaving = shown ? table : chart;
    QWidget* focus = focusWidget();
    const bool focused = focus && (focus == leaving || leaving->isAncestorOf(focus));
    table->setVisible(!shown);
    chart->setVisible(shown);
    if (focused) (shown ? static_cast<QWidget*>(chart) : table)->setFocus(Qt::OtherFocusReason);
  });
  Sync();
}
