// The main window as a learner meets it: the real widgets, found by their
// control names, after start-up and after clicks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <memory>

#include "app/Program.h"
#include "tests/support/Typing.h"
#include "tests/support/WindowTest.h"
#include "toolkit/view/grid/GridWidget.h"
#include "toolkit/view/widgets/GlyphButton.h"
#include "toolkit/view/widgets/UpDownWidget.h"

namespace {

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    program = std::make_unique<Program>();
    program->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&program->window1));
    program->window1.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program->window1));
  }

  template <typename T = QWidget>
  T* Find(const char* name) {
    return ::Find<T>(&program->window1, name);
  }
  QString Text(const char* edit) { return TextOf(&program->window1, edit); }
  void ClickArrow(const char* upDown, bool up) { ::ClickArrow(&program->window1, upDown, up); }
  // The text a table shows in a cell.
  std::string Cell(const char* grid, int col, int row) {
    return Find<GridWidget>(grid)->Model().Cell(col, row);
  }
  bool AnyCellHighlighted(const char* grid) {
    auto* table = Find<GridWidget>(grid);
    for (int c = 0; c < 60; ++c)
      for (int r = 0; r < 2; ++r)
        if (table->IsCellHighlighted(c, r)) return true;
    return false;
  }

  std::unique_ptr<Program> program;
};

TEST_F(MainWindowTest, StartsUpInTheDocumentedState) {
  QWidget& window = program->window1;
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Chiffrarium -- Cäsar-Chiffrierung"));
  EXPECT_EQ(window.size(), QSize(782, 540));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());  // not resizable
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(Text("Edit2"), QStringLiteral("17"));
  EXPECT_EQ(Text("Edit6"), QStringLiteral("17"));
  EXPECT_EQ(Text("Edit4"), QStringLiteral("^"));
  EXPECT_TRUE(Find("Edit4")->isVisible());
  EXPECT_TRUE(Find<QRadioButton>("RadioGroup1Item2")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("RadioGroup2Item1")->isChecked());
  EXPECT_EQ(QApplication::focusWidget(), Find("Edit1"));
  EXPECT_FALSE(AnyCellHighlighted("StringGrid1"));
  EXPECT_FALSE(AnyCellHighlighted("StringGrid2"));
  for (QPushButton* button : window.findChildren<QPushButton*>())
    EXPECT_EQ(button->isEnabled(), button->objectName() != QLatin1String("BitBtn11"))
        << qPrintable(button->objectName());
}

TEST_F(MainWindowTest, EncryptionArrowChangesShiftFieldsAndBothTables) {
  ClickArrow("UpDown1", true);
  EXPECT_EQ(Text("Edit2"), QStringLiteral("18"));
  EXPECT_EQ(Text("Edit6"), QStringLiteral("18"));
  EXPECT_EQ(Cell("StringGrid1", 0, 1), "S");
  EXPECT_EQ(Cell("StringGrid2", 0, 1), "S");
  ClickArrow("UpDown2", false);
  ClickArrow("UpDown2", false);
  EXPECT_EQ(Text("Edit2"), QStringLiteral("18"));
  EXPECT_EQ(Text("Edit6"), QStringLiteral("16"));
  EXPECT_EQ(Cell("StringGrid1", 0, 1), "S");
  EXPECT_EQ(Cell("StringGrid2", 0, 1), "Q");
}

TEST_F(MainWindowTest, ArrowAtTheMaximumChangesNothing) {
  for (int i = 0; i < 25; ++i) ClickArrow("UpDown1", true);
  EXPECT_EQ(Text("Edit2"), QStringLiteral("37"));
  Find<QLineEdit>("Edit3")->setText(QStringLiteral("KEEP"));
  Q_EMIT Find<QLineEdit>("Edit3")->textEdited(QStringLiteral("KEEP"));
  ClickArrow("UpDown1", true);  // no handler: the restart would empty the ciphertext
  EXPECT_EQ(Text("Edit2"), QStringLiteral("37"));
  EXPECT_EQ(Text("Edit3"), QStringLiteral("KEEP"));
}

TEST_F(MainWindowTest, MarkerStandsUnderTheCharacterBeingEncrypted) {
  auto* plaintext = Find<QLineEdit>("Edit1");
  auto* marker = Find<QLineEdit>("Edit4");
  QTest::keyClicks(plaintext, QStringLiteral("Hallo Welt, wie geht es?"));
  for (int n = 1; n <= 12; ++n) {
    QTest::mouseClick(Find("BitBtn1"), Qt::LeftButton);
    ASSERT_EQ(marker->text().size(), n);
    plaintext->setCursorPosition(n - 1);
    marker->setCursorPosition(n - 1);
    const int under = plaintext->mapTo(&program->window1, plaintext->inputMethodQuery(Qt::ImCursorRectangle).toRect().center()).x();
    const int caret = marker->mapTo(&program->window1, marker->inputMethodQuery(Qt::ImCursorRectangle).toRect().center()).x();
    EXPECT_LE(std::abs(under - caret), 1) << "position " << n;
  }
}

TEST_F(MainWindowTest, ClearButtonsShowTheirResetsAndTheMarkerHidesFrom76Characters) {
  auto* plaintext = Find<QLineEdit>("Edit1");
  QTest::keyClicks(plaintext, QString(76, QLatin1Char('a')));
  QTest::mouseClick(Find("BitBtn1"), Qt::LeftButton);
  EXPECT_FALSE(Find("Edit4")->isVisible());
  EXPECT_EQ(Text("Edit1"), QString(76, QLatin1Char('A')));
  QTest::mouseClick(Find("BitBtn16"), Qt::LeftButton);  // "Klartext löschen"
  EXPECT_EQ(Text("Edit1"), QString());
  EXPECT_EQ(Text("Edit3"), QString());
  EXPECT_TRUE(Find("Edit4")->isVisible());
  EXPECT_EQ(Text("Edit4"), QStringLiteral("^"));
}

TEST_F(MainWindowTest, AnalysisWithoutCiphertextShowsTheErrorBox) {
  QString title, text;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    box->buttons().front()->click();
  });
  QTest::mouseClick(Find("BitBtn10"), Qt::LeftButton);
  EXPECT_EQ(title, QStringLiteral("Fehler"));
  EXPECT_EQ(text, QStringLiteral("Kein Text zum Analysieren vorhanden!"));
}

TEST_F(MainWindowTest, FieldsTakeOnlyWhatWindows1252HoldsAndUpTo65535Characters) {
  auto* ciphertext = Find<QLineEdit>("Edit3");
  TypeText(ciphertext, QString::fromUtf8("ä€"));
  EXPECT_EQ(ciphertext->text(), QString::fromUtf8("ä€"));
  EXPECT_EQ(program->form1.Edit3.Text(), "\xE4\x80");
  // Typed to the last character the field holds, and no further.
  ciphertext->setText(QString(65534, QLatin1Char('A')));
  TypeText(ciphertext, QStringLiteral("BC"));
  EXPECT_EQ(ciphertext->text().size(), 65535);
  EXPECT_TRUE(ciphertext->text().endsWith(QStringLiteral("AB")));
}

TEST_F(MainWindowTest, StandardTextsAreGerman) {
  std::unique_ptr<QMenu> menu(Find<QLineEdit>("Edit1")->createStandardContextMenu());
  QStringList texts;
  for (QAction* action : menu->actions()) texts << action->text();
  EXPECT_TRUE(texts.join(QLatin1Char('|')).contains(QString::fromUtf8("Rückgängig")))
      << qPrintable(texts.join(QLatin1Char('|')));
}

// Every control at its place in the client area.
const Placement kPlacements[] = {
    {"Label5", {8, 8, 48, 13}},          {"Label1", {104, 8, 123, 13}},
    {"Label11", {368, 0, 399, 16}},      {"Label2", {8, 88, 118, 13}},
    {"Label14", {8, 112, 51, 13}},       {"Label7", {8, 168, 42, 13}},
    {"Label3", {56, 168, 206, 13}},      {"Label8", {8, 188, 80, 13}},
    {"Label10", {8, 204, 49, 13}},       {"Label9", {8, 216, 93, 13}},
    {"Label6", {8, 280, 93, 13}},        {"Label4", {104, 280, 100, 13}},
    {"Label15", {8, 400, 98, 13}},       {"Label18", {8, 420, 49, 13}},
    {"Label17", {8, 432, 75, 13}},       {"Label16", {8, 452, 98, 13}},
    {"Label12", {8, 496, 48, 13}},       {"Label13", {104, 496, 100, 13}},
    {"Edit1", {4, 24, 765, 24}},         {"StringGrid1", {112, 184, 665, 65}},
    {"Edit2", {104, 104, 49, 45}},       {"UpDown1", {152, 104, 25, 44}},
    {"Edit3", {4, 296, 765, 24}},        {"Edit4", {8, 48, 761, 21}},
    {"Edit5", {4, 512, 765, 24}},        {"Edit6", {112, 392, 49, 24}},
    {"UpDown2", {160, 392, 25, 25}},     {"StringGrid2", {112, 424, 665, 65}},
    {"RadioGroup1", {208, 108, 353, 53}}, {"RadioGroup2", {568, 108, 209, 65}},
    {"BitBtn16", {200, 76, 161, 25}},    {"BitBtn17", {392, 76, 161, 25}},
    {"BitBtn18", {584, 76, 161, 25}},    {"BitBtn14", {208, 256, 121, 25}},
    {"BitBtn1", {336, 256, 153, 25}},    {"BitBtn2", {496, 256, 153, 25}},
    {"BitBtn3", {656, 256, 121, 25}},    {"BitBtn4", {24, 328, 161, 25}},
    {"BitBtn6", {208, 328, 145, 25}},    {"BitBtn5", {376, 328, 161, 25}},
    {"BitBtn13", {560, 328, 193, 25}},   {"BitBtn15", {16, 356, 129, 25}},
    {"BitBtn7", {160, 356, 161, 25}},    {"BitBtn8", {336, 356, 225, 25}},
    {"BitBtn9", {576, 356, 193, 25}},    {"BitBtn10", {200, 392, 169, 25}},
    {"BitBtn11", {376, 392, 177, 25}},   {"BitBtn12", {560, 392, 217, 25}},
};

// At any scale: positions and sizes are logical pixels. A label may grow to the
// right where this screen's font runs wider, but never cuts its text and never
// reaches the control beside it.
TEST_F(MainWindowTest, EveryControlStandsAtItsPlace) {
  ExpectPlacements(&program->window1, kPlacements);
}

// A glyph is drawn from the picture made for the screen's pixel ratio, so it
// stays sharp on a scaled screen instead of being blown up from 16 × 16.
TEST_F(MainWindowTest, GlyphsAreDrawnForTheScreensPixelRatio) {
  for (const char* name : {"BitBtn16", "BitBtn18", "BitBtn12"}) {
    auto* button = Find<GlyphButton>(name);
    const QImage shot = button->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const qreal ratio = shot.devicePixelRatio();
    EXPECT_EQ(ratio, program->window1.devicePixelRatioF());
    const QImage glyph = button->icon()
                             .pixmap(QSize(16, 16), ratio)
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(glyph.size(), QSize(16, 16) * ratio);
    const QPoint origin = button->GlyphRect().topLeft() * ratio;
    int opaque = 0;
    for (int y = 0; y < glyph.height(); ++y)
      for (int x = 0; x < glyph.width(); ++x)
        if (qAlpha(glyph.pixel(x, y)) == 255) {
          ++opaque;
          ASSERT_EQ(shot.pixel(origin + QPoint(x, y)), glyph.pixel(x, y))
              << name << " at " << x << "," << y;
        }
    EXPECT_GT(opaque, 0) << name;
  }
}

// Each grid line covers its whole logical pixel and no more: at scale 2 both
// device pixels of the line, and neither neighbour.
TEST_F(MainWindowTest, GridLinesCoverWholePixelsAtAnyScale) {
  auto* grid = Find<GridWidget>("StringGrid2");
  const QImage shot = grid->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const int ratio = static_cast<int>(shot.devicePixelRatio());
  const QRect cell = grid->CellRect(3, 1);
  const QRect header = grid->CellRect(3, 0);
  const QRgb normalLine = qRgb(0xC0, 0xC0, 0xC0);
  const QRgb darkLine = grid->palette().color(QPalette::Dark).rgb();
  struct Line {
    const char* what;
    bool vertical;
    int at;     // the line's logical pixel
    int along;  // a logical pixel along the line
    QRgb colour;
  };
  const Line lines[] = {
      {"right of a cell", true, cell.right() + 1, cell.center().y(), normalLine},
      {"below a cell", false, cell.bottom() + 1, cell.center().x(), normalLine},
      {"below the header", false, header.bottom() + 1, header.center().x(), darkLine},
  };
  for (const Line& line : lines) {
    auto pixel = [&](int device) {
      const int along = line.along * ratio;
      return line.vertical ? shot.pixel(device, along) : shot.pixel(along, device);
    };
    for (int d = 0; d < ratio; ++d)
      EXPECT_EQ(pixel(line.at * ratio + d), line.colour) << line.what << ", device pixel " << d;
    EXPECT_NE(pixel(line.at * ratio - 1), line.colour) << line.what << ", the pixel before it";
    EXPECT_NE(pixel((line.at + 1) * ratio), line.colour) << line.what << ", the pixel after it";
  }
}

// The bitmap MS Sans Serif would turn blurry when scaled, so on a scaled
// screen every text of the window is drawn in a scalable face.
TEST_F(MainWindowTest, TextIsDrawnInScalableFacesOnAScaledScreen) {
  if (program->window1.devicePixelRatioF() <= 1.0) GTEST_SKIP() << "the bitmap face is sharp here";
  for (QWidget* widget : program->window1.findChildren<QWidget*>()) {
    const QFontInfo face(widget->font());
    EXPECT_TRUE(QFontDatabase::isSmoothlyScalable(face.family(), face.styleName()))
        << qPrintable(widget->objectName()) << ": " << qPrintable(face.family());
  }
}

TEST_F(MainWindowTest, GlyphsSitFourPixelsFromTheirEdge) {
  const QRect left = Find<GlyphButton>("BitBtn16")->GlyphRect();
  EXPECT_EQ(left, QRect(4, 4, 16, 16));
  const QRect right = Find<GlyphButton>("BitBtn18")->GlyphRect();
  EXPECT_EQ(right, QRect(161 - 4 - 16, 4, 16, 16));
}

TEST_F(MainWindowTest, TabWalksTheControlsInTheirOrder) {
  const char* order[] = {"Edit1",    "StringGrid1", "Edit2",    "UpDown1",  "Edit3",
                         "BitBtn1",  "BitBtn2",     "BitBtn3",  "Edit4",    "RadioGroup1Item2",
                         "RadioGroup2Item1", "BitBtn4", "BitBtn5", "BitBtn6", "BitBtn7",
                         "BitBtn8",  "BitBtn9",     "BitBtn10", "BitBtn12", "BitBtn13",
                         "Edit5",    "BitBtn14",    "BitBtn15", "BitBtn16", "BitBtn17",
                         "BitBtn18", "Edit6",       "UpDown2",  "StringGrid2", "Edit1"};
  std::vector<QString> expected;
  for (const char* name : order) expected.push_back(QString::fromLatin1(name));
  Find("Edit1")->setFocus();
  EXPECT_EQ(TabWalk(static_cast<int>(std::size(order)) - 1), expected);
}

}  // namespace
