#pragma once
// One row of a window's control table: everything the window's layout says
// about one control, in one place. A window view lists its controls in one
// table next to its layout, and ControlTable makes each widget from its row,
// binds it to the window model, places it, names it for screen readers and
// puts it into the tab order. A row names only what differs from the defaults
// below, in the order of the fields. Texts are UTF-8 source literals. Where two
// controls overlap, the later row's is drawn over the earlier one's.
//
// The kind of widget follows from the control of the window model the row
// shows (Model): an Edit becomes a field, a Button a glyph button, a row
// without a control a label, and so on; a window's own kind of widget (a
// chart) comes from the row's Widget. Nothing else refers to a control by its
// name, so a name cannot be misspelt in a second list.

#include <QColor>
#include <QRect>

#include <functional>
#include <optional>
#include <variant>
#include <vector>

#include "toolkit/model/Controls.h"
#include "toolkit/model/StringGrid.h"
#include "toolkit/view/form/Layout.h"
#include "toolkit/view/grid/GridWidget.h"
#include "toolkit/view/widgets/GlyphButton.h"
#include "toolkit/view/widgets/Glyphs.h"

// A font by family and character height in pixels; no family: the window's font.
struct FontStyle {
  const char* Family = nullptr;
  int Pixels = 11;
  bool Bold = false;
  bool Italic = false;
  int Stretch = 100;  // below 100 condensed, for a caption that has too little room
};

// How a string grid looks and what the learner may do in it.
struct GridLook {
  GridWidget::Options Options = {};
  int RowHeight = 24;
  bool ScrollBarsAlways = false;  // both scroll bars, whether there is anything to scroll or not
};

// A table the learner reads, selects ranges in and sizes the columns of, but
// does not type into.
inline constexpr GridWidget::Options kReadOnlyTable{
    .Editing = false, .RangeSelect = true, .ColSizing = true};

// The control of the window model that a row's widget shows, which decides the
// widget: a field, a glyph button, a glyph button that stays pressed in, an
// up-down spinner, a string grid, an option group, a read-only text box; no
// control: a label. Any other control is a read-only line that the window
// keeps up to date itself.
using ControlModel = std::variant<std::monostate, Edit*, Button*, SpeedButton*, UpDown*,
                                  StringGrid*, RadioGroup*, RichEdit*, Control*>;

inline constexpr int kNoTabStop = -1;

struct ControlRow {
  const char* Name = nullptr;          // the control's name, also its widget's object name
  QRect Place = {};                    // left, top, width × height in the client area as designed
  unsigned Anchors = kAnchorTopLeft;   // the edges of a growing window it keeps its distance to
  int Tab = kNoTabStop;                // its stop in the tab order, counted from 0
  const char* Caption = nullptr;       // a label's or a button's text, an option group's title
  FontStyle Font = {};
  QColor Colour = {};                  // the text's colour, where not the style's
  QColor Background = {};              // a field's background, where not the style's
  bool ButtonFace = false;             // a background in the window's button-face colour
  bool Framed = true;                  // a field with a border
  std::optional<Glyph> Icon = {};      // a button's 16 × 16 glyph
  GlyphButton::Side GlyphSide = GlyphButton::Side::Left;
  int GlyphSpacing = 8;                // between the glyph and the caption
  bool GlyphCentred = false;           // glyph and caption in the middle rather than at the edge
  std::vector<const char*> Items = {};  // an option group's options, by item index
  int Columns = 1;                     // an option group's columns, filled top to bottom
  GridLook Grid = {};
  ControlModel Model = {};
  std::function<void()> OnClick = {};  // the handler a click, a moving arrow or a new option raises
  Control* LabelFor = nullptr;         // on a label: the control it names for a screen reader
  const char* AccessibleName = nullptr;  // what a screen reader calls it; by default its caption
  const char* Description = nullptr;   // what it holds or does, for a screen reader
  const char* ToolTip = nullptr;
  const char* File = nullptr;  // a file it reads or writes: %1 in the description and tooltip
  const char* Keys = nullptr;  // the keys that work it beyond Tab and Space, for the help
  // A widget of the window's own kind, made by the window and bound by it;
  // the row places, names and describes it, and puts it into the tab order.
  // With a Control as its Model, the widget stands for that control
  // (FormBinder::WidgetOf).
  std::function<QWidget*(QWidget* window)> Widget = {};
};
