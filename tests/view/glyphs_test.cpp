// The button glyphs as the buttons get them: both modes at both ratios, drawn
// for each ratio rather than blown up, a grey disabled picture, and the sort
// buttons' triangle black when enabled and the same triangle in grey when not.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "toolkit/view/widgets/Glyphs.h"

namespace {

constexpr Glyph kAllGlyphs[] = {
    Glyph::ClearText,         Glyph::LoadFromDiskette,
    Glyph::SaveToDiskette,    Glyph::Restart,
    Glyph::EncryptOne,        Glyph::EncryptStepwise,
    Glyph::EncryptAll,        Glyph::DecryptOne,
    Glyph::DecryptStepwise,   Glyph::DecryptAll,
    Glyph::FrequencyAnalysis, Glyph::PairAnalysis,
    Glyph::BruteForce,        Glyph::Close,
    Glyph::SortDown,          Glyph::Chart,
};

class GlyphIconTest : public testing::Test {
 protected:
  static QImage Picture(Glyph glyph, QIcon::Mode mode, int ratio) {
    return GlyphIcon(glyph)
        .pixmap(QSize(16, 16), ratio, mode)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
  }
};

TEST_F(GlyphIconTest, EveryGlyphHasBothModesAtBothRatiosOnATransparentGround) {
  for (const Glyph glyph : kAllGlyphs) {
    SCOPED_TRACE(static_cast<int>(glyph));
    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
      for (const int ratio : {1, 2}) {
        const QImage image = Picture(glyph, mode, ratio);
        EXPECT_EQ(image.size(), QSize(16 * ratio, 16 * ratio));
        EXPECT_EQ(image.devicePixelRatio(), ratio);
        int transparent = 0;
        int drawn = 0;
        bool grey = true;
        for (int y = 0; y < image.height(); ++y) {
          for (int x = 0; x < image.width(); ++x) {
            const QRgb px = image.pixel(x, y);
            if (qAlpha(px) == 0) {
              ++transparent;
              continue;
            }
            ++drawn;
            if (qRed(px) != qGreen(px) || qGreen(px) != qBlue(px)) grey = false;
          }
        }
        // The button face shows around every glyph.
        EXPECT_GE(transparent, image.width() * image.height() / 5);
        EXPECT_GT(drawn, 0);
        if (mode == QIcon::Disabled) {
          EXPECT_TRUE(grey) << "disabled picture has colour";
        }
      }
    }
  }
}

TEST_F(GlyphIconTest, TheLargePictureIsDrawnNotBlownUp) {
  for (const Glyph glyph : kAllGlyphs) {
    SCOPED_TRACE(static_cast<int>(glyph));
    const QImage small = Picture(glyph, QIcon::Normal, 1);
    QImage doubled = small.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    doubled.setDevicePixelRatio(2);
    EXPECT_NE(Picture(glyph, QIcon::Normal, 2), doubled);
  }
}

TEST_F(GlyphIconTest, NoTwoGlyphsLookAlike) {
  for (const Glyph a : kAllGlyphs) {
    for (const Glyph b : kAllGlyphs) {
      if (a == b) continue;
      EXPECT_NE(Picture(a, QIcon::Normal, 1), Picture(b, QIcon::Normal, 1))
          << static_cast<int>(a) << " and " << static_cast<int>(b);
    }
  }
}

// The sort triangle: solid black, pointing down (each row narrower than the
// one above it); disabled, the very same pixels in one grey.
TEST_F(GlyphIconTest, SortDownIsABlackTriangleAndTheSameTriangleInGrey) {
  for (const int ratio : {1, 2}) {
    SCOPED_TRACE(ratio);
    const QImage normal = Picture(Glyph::SortDown, QIcon::Normal, ratio);
    const QImage disabled = Picture(Glyph::SortDown, QIcon::Disabled, ratio);
    QRgb greyPixel = 0;
    int previousWidth = -1;
    int rows = 0;
    for (int y = 0; y < normal.height(); ++y) {
      int width = 0;
      for (int x = 0; x < normal.width(); ++x) {
        const QRgb n = normal.pixel(x, y);
        const QRgb d = disabled.pixel(x, y);
        ASSERT_EQ(qAlpha(n), qAlpha(d)) << x << "," << y;
        if (qAlpha(n) == 0) continue;
        ASSERT_EQ(n, qRgba(0, 0, 0, 255)) << x << "," << y;
        if (greyPixel == 0) greyPixel = d;
        ASSERT_EQ(d, greyPixel) << x << "," << y;
        ++width;
      }
      if (width == 0) continue;
      ++rows;
      if (previousWidth >= 0) {
        EXPECT_LT(width, previousWidth);
      }
      previousWidth = width;
    }
    EXPECT_EQ(previousWidth, 1) << "the triangle ends in a point";
    EXPECT_GE(rows, 4 * ratio);
    EXPECT_EQ(qRed(greyPixel), qGreen(greyPixel));
    EXPECT_EQ(qGreen(greyPixel), qBlue(greyPixel));
    EXPECT_GT(qRed(greyPixel), 64);
    EXPECT_LT(qRed(greyPixel), 192);
  }
}

}  // namespace
