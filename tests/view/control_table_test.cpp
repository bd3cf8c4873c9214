// The mistakes a window's control table can still hold stop the program as
// the window is made, so no window with one gets past its first test. (Every
// window test opens all three windows, which proves their own tables sound.)
#include <gtest/gtest.h>

#include <QWidget>

#include <vector>

#include "toolkit/view/form/ControlRow.h"
#include "toolkit/view/form/ControlTable.h"
#include "toolkit/view/form/FormBinder.h"

namespace {

struct Form {
  Edit Edit1;
  Edit Edit2;
};

void Build(std::vector<ControlRow> rows) {
  QWidget window;
  auto* binder = new FormBinder(&window);  // the window owns it
  ControlTable table(&window, *binder, QSize(200, 100));
  table.Build(std::move(rows));
}

TEST(ControlTableDeathTest, AMistakeInATableStopsTheProgramAsTheWindowIsMade) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // the child starts afresh, with its own Qt
  Form f;
  const ControlRow edit1{.Name = "Edit1", .Place = {8, 8, 80, 21}, .Tab = 0, .Model = &f.Edit1,
                          .AccessibleName = "Klartext", .Description = "zu verschlüsselnder Text"};
  ControlRow edit2 = edit1;
  edit2.Name = "Edit2";
  edit2.Model = &f.Edit2;
  ControlRow nameless = edit1;
  nameless.AccessibleName = nullptr;
  const ControlRow labelForEdit2{.Name = "Label1", .Place = {8, 40, 80, 13},
                                  .Caption = "Geheimtext:", .LabelFor = &f.Edit2};
  ControlRow edit2AtStop1 = edit2;
  edit2AtStop1.Tab = 1;

  struct Case {
    const char* what;
    std::vector<ControlRow> rows;
    const char* message;
  };
  const Case cases[] = {
      {"two rows of one name", {edit1, edit1}, "two controls named Edit1"},
      {"two controls at one tab stop", {edit1, edit2}, "Edit1 and Edit2 share tab stop 0"},
      {"a label for a control without a row", {edit1, labelForEdit2},
       "Label1 is no label, or labels a control without a widget"},
      {"a control without a name for a screen reader", {nameless},
       "Edit1 has no name or no description"},
  };
  for (const Case& c : cases) EXPECT_DEATH(Build(c.rows), c.message) << c.what;
  // The same rows without the mistake make a window.
  Build({edit1, edit2AtStop1, labelForEdit2});
}

}  // namespace
