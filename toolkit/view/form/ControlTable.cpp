#include "toolkit/view/form/ControlTable.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTextEdit>

#include <algorithm>
#include <set>
#include <string>
#include <utility>

#include "toolkit/view/form/FormBinder.h"
#include "toolkit/model/Zoom.h"
#include "toolkit/view/widgets/Fonts.h"
#include "toolkit/view/text/QtText.h"
#include "toolkit/view/widgets/UpDownWidget.h"

namespace {

// A row's text with its file's name for %1.
QString RowText(const ControlRow& row, const char* text) {
  if (!text) return {};
  return row.File ? U(text).arg(QString::fromLatin1(row.File)) : U(text);
}

void SetColours(QWidget* widget, const ControlRow& row, QPalette::ColorRole textRole) {
  if (!row.Colour.isValid() && !row.Background.isValid() && !row.ButtonFace) return;
  QPalette palette = widget->palette();
  if (row.ButtonFace) palette.setColor(QPalette::Base, palette.color(QPalette::Button));
  if (row.Background.isValid()) palette.setColor(QPalette::Base, row.Background);
  if (row.Colour.isValid()) palette.setColor(textRole, row.Colour);
  widget->setPalette(palette);
}

// Option buttons fill the group's columns top to bottom, then left to right,
// below the group's title, at the zoom.
void PlaceOptions(QGroupBox* box, const ControlRow& row, int zoom) {
  const QList<QRadioButton*> radios = box->findChildren<QRadioButton*>();
  const int count = static_cast<int>(radios.size());
  const int perColumn = (count + row.Columns - 1) / row.Columns;
  const int topMargin = QFontMetrics(DefaultWindowFont(zoom)).height() + 1;
  const int itemWidth = (ZoomLength(row.Place.width(), zoom) - ZoomLength(10, zoom)) / row.Columns;
  const int itemHeight = (ZoomLength(row.Place.height(), zoom) - topMargin - ZoomLength(6, zoom)) /
                         std::max(perColumn, 1);
  for (int index = 0; index < count; ++index)
    radios[index]->setGeometry(ZoomLength(8, zoom) + (index / perColumn) * itemWidth,
                               topMargin + (index % perColumn) * itemHeight, itemWidth, itemHeight);
}

QGroupBox* MakeOptionGroup(const ControlRow& row, QWidget* window, QButtonGroup*& buttons) {
  auto* box = new QGroupBox(U(row.Caption), window);
  buttons = new QButtonGroup(box);
  const int count = static_cast<int>(row.Items.size());
  for (int index = 0; index < count; ++index) {
    auto* radio = new QRadioButton(U(row.Items[index]), box);
    radio->setObjectName(QStringLiteral("%1Item%2").arg(QString::fromLatin1(row.Name)).arg(index));
    buttons->addButton(radio, index);
  }
  PlaceOptions(box, row, kNoZoom);
  return box;
}

// A read-only box that wraps its one long line and scrolls it vertically.
QTextEdit* MakeTextBox(QWidget* window) {
  auto* box = new QTextEdit(window);
  box->setReadOnly(true);
  box->setAcceptRichText(false);
  box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  box->setLineWrapMode(QTextEdit::WidgetWidth);
  box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setTabChangesFocus(true);  // Tab leaves the box instead of being typed
  return box;
}

}  // namespace

ControlTable::ControlTable(QWidget* window, FormBinder& binder, QSize designedClient)
    : window_(window), binder_(binder), layout_(designedClient) {}

void ControlTable::Build(std::vector<ControlRow> rows) {
  rows_ = std::move(rows);
  std::set<std::string> names;
  for (const ControlRow& row : rows_) {
    if (!row.Name || !names.insert(row.Name).second)
      qFatal("Control table: two controls named %s", row.Name ? row.Name : "(none)");
    QWidget* widget = Make(row);
    widget->setObjectName(QString::fromLatin1(row.Name));
    if (row.Font.Family)
      widget->setFont(MakeFont(row.Font.Family, row.Font.Pixels, row.Font.Bold, row.Font.Italic,
                               row.Font.Stretch));
    if (row.ToolTip) widget->setToolTip(RowText(row, row.ToolTip));
    Describe(row, widget);
    layout_.Place(widget, row.Place, row.Anchors, window_->size());
    widgets_.push_back(widget);
  }
  TieLabels();
  ChainTabOrder();
  // Where a substitute font runs wider than the one the layout was measured
  // in, a label grows into the room beside it (Layout.h).
  layout_.FitLabels(window_->size());
}

QWidget* ControlTable::Make(const ControlRow& row) {
  struct Maker {
    const ControlRow& row;
    QWidget* window;
    FormBinder& binder;

    QWidget* operator()(std::monostate) const {
      auto* label = new QLabel(U(row.Caption), window);
      label->setTextFormat(Qt::PlainText);  // keeps runs of blanks, such as before "mit:"
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      SetColours(label, row, QPalette::WindowText);
      // On a window in the button-face colour a label draws in the button's
      // text colour unless told otherwise: the colour given is the one it shows.
      if (row.Colour.isValid()) label->setForegroundRole(QPalette::WindowText);
      return label;
    }
    QWidget* operator()(Edit* model) const {
      auto* edit = new QLineEdit(window);
      edit->setFrame(row.Framed);
      SetColours(edit, row, QPalette::Text);
      binder.BindEdit(*model, edit);
      return edit;
    }
    QWidget* operator()(Control* model) const {
      auto* line = new QLineEdit(window);
      line->setReadOnly(true);
      line->setFrame(row.Framed);
      SetColours(line, row, QPalette::Text);
      binder.BindFocus(*model, line);
      return line;
    }
    QWidget* operator()(Button* model) const {
      auto* button = new GlyphButton(row.Caption ? U(row.Caption) : QString(),
                                     row.Icon ? GlyphIcon(*row.Icon) : QIcon(), window);
      button->SetGlyphSide(row.GlyphSide);
      button->SetSpacing(row.GlyphSpacing);
      if (row.GlyphCentred) button->SetMargin(-1);
      binder.BindButton(*model, button, row.OnClick);
      return button;
    }
    QWidget* operator()(SpeedButton* model) const {
      auto* button = new GlyphButton(row.Caption ? U(row.Caption) : QString(),
                                     row.Icon ? GlyphIcon(*row.Icon) : QIcon(), window);
      button->SetGlyphSide(row.GlyphSide);
      button->SetSpacing(row.GlyphSpacing);
      if (row.GlyphCentred) button->SetMargin(-1);
      button->setCheckable(true);
      binder.BindSpeedButton(*model, button, row.OnClick);
      return button;
    }
    QWidget* operator()(UpDown* model) const {
      auto* spinner = new UpDownWidget(window);
      binder.BindUpDown(*model, spinner, row.OnClick);
      return spinner;
    }
    QWidget* operator()(StringGrid* model) const {
      auto* grid = new GridWidget(*model, row.Grid.Options, window);
      grid->SetRowHeight(row.Grid.RowHeight);
      if (row.Grid.ScrollBarsAlways) {
        grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      }
      SetColours(grid, row, QPalette::Text);
      binder.BindGrid(*model, grid);
      return grid;
    }
    QWidget* operator()(RadioGroup* model) const {
      QButtonGroup* buttons = nullptr;
      QGroupBox* box = MakeOptionGroup(row, window, buttons);
      binder.BindRadioGroup(*model, buttons, box, row.OnClick);
      return box;
    }
    QWidget* operator()(RichEdit* model) const {
      QTextEdit* box = MakeTextBox(window);
      SetColours(box, row, QPalette::Text);
      binder.BindRichEdit(*model, box);
      return box;
    }
  };
  if (row.Widget) {
    // A widget of the window's own kind stands for its control, for the focus
    // and for whoever looks the widget up by its control.
    QWidget* widget = row.Widget(window_);
    if (auto* const* control = std::get_if<Control*>(&row.Model))
      binder_.BindFocus(**control, widget);
    return widget;
  }
  return std::visit(Maker{row, window_, binder_}, row.Model);
}

void ControlTable::SetZoom(int percent) {
  window_->setFont(DefaultWindowFont(percent));
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const ControlRow& row = rows_[i];
    QWidget* widget = widgets_[i];
    // A row's own font at the zoom; every other widget takes the window's
    // again, also a label that was condensed to fit at the last zoom.
    if (row.Font.Family)
      widget->setFont(MakeFont(row.Font.Family, row.Font.Pixels, row.Font.Bold, row.Font.Italic,
                               row.Font.Stretch, percent));
    else
      widget->setFont(QFont());
    if (auto* grid = qobject_cast<GridWidget*>(widget)) grid->SetZoom(percent);
    if (auto* button = qobject_cast<GlyphButton*>(widget)) button->SetZoom(percent);
    if (auto* box = qobject_cast<QGroupBox*>(widget)) PlaceOptions(box, row, percent);
  }
  layout_.SetZoom(percent);
  layout_.FitLabels(window_->size());
}

void ControlTable::Describe(const ControlRow& row, QWidget* widget) const {
  // A label speaks for itself.
  if (std::holds_alternative<std::monostate>(row.Model) && !row.Widget) return;
  const char* name = row.AccessibleName ? row.AccessibleName : row.Caption;
  if (!name || !row.Description)
    qFatal("Control table: %s has no name or no description for a screen reader", row.Name);
  widget->setAccessibleName(WithoutMnemonic(U(name)));
  widget->setAccessibleDescription(RowText(row, row.Description));
  // The options keep their captions as names and are described by their group.
  if (qobject_cast<QGroupBox*>(widget))
    for (QRadioButton* option : widget->findChildren<QRadioButton*>()) {
      option->setAccessibleName(option->text());
      option->setAccessibleDescription(U(name));
    }
}

void ControlTable::TieLabels() const {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (!rows_[i].LabelFor) continue;
    auto* label = qobject_cast<QLabel*>(widgets_[i]);
    QWidget* control = binder_.WidgetOf(rows_[i].LabelFor);
    if (!label || !control)
      qFatal("Control table: %s is no label, or labels a control without a widget", rows_[i].Name);
    label->setBuddy(control);
  }
}

void ControlTable::ChainTabOrder() const {
  std::vector<std::pair<int, QWidget*>> stops;
  for (std::size_t i = 0; i < rows_.size(); ++i)
    if (rows_[i].Tab != kNoTabStop) stops.emplace_back(rows_[i].Tab, widgets_[i]);
  std::sort(stops.begin(), stops.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  QWidget* previous = nullptr;
  auto chain = [&](QWidget* widget) {
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  };
  for (std::size_t i = 0; i < stops.size(); ++i) {
    if (i > 0 && stops[i].first == stops[i - 1].first)
      qFatal("Control table: %s and %s share tab stop %d",
             qPrintable(stops[i - 1].second->objectName()),
             qPrintable(stops[i].second->objectName()), stops[i].first);
    // An option group is one stop: its options, in item order.
    if (auto* box = qobject_cast<QGroupBox*>(stops[i].second))
      for (QRadioButton* option : box->findChildren<QRadioButton*>()) chain(option);
    else
      chain(stops[i].second);
  }
}

QString ControlTable::ControlNameOf(const QWidget* widget) const {
  for (; widget && widget != window_; widget = widget->parentWidget())
    for (std::size_t i = 0; i < widgets_.size(); ++i)
      if (widgets_[i] == widget) return QString::fromLatin1(rows_[i].Name);
  return {};
}

void ControlTable::InstallHelpKey(std::function<void(const QString& control)> wanted) {
  auto* help = new QAction(window_);
  help->setShortcut(QKeySequence(Qt::Key_F1));
  help->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(help, &QAction::triggered, window_, [this, wanted = std::move(wanted)] {
    wanted(ControlNameOf(window_->focusWidget()));
  });
  window_->addAction(help);
}

QWidget* ControlTable::FirstTabStop() const {
  for (std::size_t i = 0; i < rows_.size(); ++i)
    if (rows_[i].Tab == 0) return widgets_[i];
  return nullptr;
}

void ControlTable::AddToFileToolTips(const QString& line) {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (!rows_[i].File) continue;
    const QString tip = RowText(rows_[i], rows_[i].ToolTip);
    widgets_[i]->setToolTip(tip.isEmpty() ? line : tip + QLatin1Char('\n') + line);
  }
}
