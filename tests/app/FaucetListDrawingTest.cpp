#include "app/widgets/FaucetListDrawing.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "app/widgets/Pictures.h"

namespace trelio {
namespace {

constexpr int kWidth = 202;

// Rows drawn into an image, and what the drawing left there.
class FaucetListDrawingTest : public ::testing::Test {
 protected:
  QImage Draw(const FaucetItem& row, bool selected = false, int index = 0,
              const QString& text = QStringLiteral("Moon Bitcoin")) {
    const int height = state.singleLine ? kSingleLineItemHeight : kTwoLineItemHeight;
    QImage image(kWidth, height, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    DrawFaucetRow(painter, QRect(0, 0, kWidth, height), row, text, index, selected, state,
                  resources);
    return image;
  }

  // Text is smoothed: an edge pixel is the colour laid over the background
  // with some coverage. A pixel counts as ink of the colour when every
  // channel shows the same coverage, and that coverage is over a half.
  static bool Near(QRgb pixel, QColor colour, QRgb background) {
    const int p[] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
    const int c[] = {colour.red(), colour.green(), colour.blue()};
    const int b[] = {qRed(background), qGreen(background), qBlue(background)};
    double low = 1.0, high = 0.0;
    for (int i = 0; i < 3; ++i) {
      if (std::abs(c[i] - b[i]) < 24) {
        if (std::abs(p[i] - b[i]) > 12) return false;
        continue;
      }
      const double coverage = double(p[i] - b[i]) / double(c[i] - b[i]);
      low = std::min(low, coverage);
      high = std::max(high, coverage);
    }
    return low > 0.5 && high - low < 0.12;
  }
  static QRgb Background(const QImage& image) { return image.pixel(image.width() - 1, 1); }
  static bool Near(const QImage& image, int x, int y, QColor colour) {
    return Near(image.pixel(x, y), colour, Background(image));
  }
  // Pixels of about the colour, within rows [top, bottom).
  static int Ink(const QImage& image, QColor colour, int top = 0, int bottom = -1) {
    if (bottom < 0) bottom = image.height();
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < image.width(); ++x) n += Near(image, x, y, colour);
    return n;
  }
  static int LeftmostInk(const QImage& image, QColor colour) {
    for (int x = 0; x < image.width(); ++x)
      for (int y = 0; y < image.height(); ++y)
        if (Near(image, x, y, colour)) return x;
    return -1;
  }
  static int TopmostInk(const QImage& image, QColor colour) {
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (Near(image, x, y, colour)) return y;
    return -1;
  }
  // The longest horizontal run of the colour in any row, and that row.
  static std::pair<int, int> LongestRun(const QImage& image, QColor colour) {
    int best = 0, bestRow = -1;
    for (int y = 0; y < image.height(); ++y) {
      int run = 0;
      for (int x = 0; x < image.width(); ++x) {
        run = Near(image, x, y, colour) ? run + 1 : 0;
        if (run > best) best = run, bestRow = y;
      }
    }
    return {best, bestRow};
  }

  static FaucetItem Item(const char* completed = "1") {
    FaucetItem row;
    row.Edit(fCompleted) = completed;
    return row;
  }

  ListDrawState state;
  ListDrawResources resources{PicturePixmap(QStringLiteral("fav"), {15, 15}), [](int n) {
                                return std::u16string(n == 1 ? u"minute" : u"minutes");
                              }};
};

TEST_F(FaucetListDrawingTest, CompletedRowIsBlackRegularTextOnWhite) {
  const QImage image = Draw(Item("1"));
  EXPECT_EQ(QColor(image.pixel(kWidth - 1, 2)), QColor(Qt::white));
  EXPECT_GT(Ink(image, Qt::black), 40);
  EXPECT_EQ(Ink(image, Qt::magenta), 0);  // the whole item is filled
}

TEST_F(FaucetListDrawingTest, ReadyRowIsBold) {
  const int regular = Ink(Draw(Item("1")), Qt::black);
  const int bold = Ink(Draw(Item("")), Qt::black);
  EXPECT_GT(bold, regular * 6 / 5);
}

TEST_F(FaucetListDrawingTest, HiddenRowIsStruckOutGreyAndNotBold) {
  FaucetItem hidden = Item("");
  hidden.Edit(fHidden) = "1";
  const QImage image = Draw(hidden);
  int darkest = 255;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) darkest = std::min(darkest, qGray(image.pixel(x, y)));
  EXPECT_GE(darkest, 0x70 - 4);  // nothing darker than the grey
  const QColor grey(0x70, 0x70, 0x70);
  const auto [run, row] = LongestRun(image, grey);
  EXPECT_GT(run, 60);  // a line through the whole name
  // The line is in the middle of the text, not under it.
  EXPECT_GT(row, TopmostInk(image, grey) + 3);
  EXPECT_LT(row, 6 + 13);
  EXPECT_LT(Ink(image, grey), Ink(Draw(Item("")), Qt::black) * 3);
}

TEST_F(FaucetListDrawingTest, BrowsedAndPreloadedRowsAreUnderlinedOnTheirBackgrounds) {
  FaucetItem browsed = Item("1");
  FaucetItem preloaded = Item("1");
  state.browsed = &browsed;
  state.preloaded = &preloaded;
  struct Case {
    const FaucetItem* row;
    bool selected;
    QColor background;
    QColor text;
  };
  const Case cases[] = {{&browsed, false, QColor(0xA6, 0xCA, 0xF0), Qt::black},
                        {&browsed, true, QColor(0x00, 0x00, 0xFF), Qt::white},
                        {&preloaded, false, QColor(0xC0, 0xDC, 0xC0), Qt::black},
                        {&preloaded, true, QColor(0x00, 0x80, 0x80), Qt::white}};
  const int plainRun = LongestRun(Draw(Item("1")), Qt::black).first;
  for (const Case& c : cases) {
    const QImage image = Draw(*c.row, c.selected);
    EXPECT_EQ(QColor(image.pixel(kWidth - 1, 1)), c.background);
    const auto [run, row] = LongestRun(image, c.text);
    EXPECT_GT(run, 60);
    EXPECT_GT(run, plainRun * 2);
    EXPECT_GT(row, TopmostInk(image, c.text) + 8);  // under the letters
  }
}

TEST_F(FaucetListDrawingTest, FavoriteWithNoPayIsOrangeWithTheMarkAndShiftedText) {
  FaucetItem plain = Item("1");
  plain.Edit(fNoPay) = "1";
  FaucetItem favorite = plain;
  favorite.Edit(fFavorite) = "1";
  const QColor orange(0xFF, 0xA5, 0x00), red(0xFF, 0x00, 0x00);
  const QImage withMark = Draw(favorite);
  const QImage withoutMark = Draw(plain);
  EXPECT_GT(Ink(withMark, orange), 40);
  EXPECT_EQ(LeftmostInk(withMark, orange) - LeftmostInk(withoutMark, red), 17);
  // The star sits in the 17 pixels left free.
  int starPixels = 0;
  for (int y = 0; y < withMark.height(); ++y)
    for (int x = 2; x < 17; ++x) starPixels += QColor(withMark.pixel(x, y)) != QColor(Qt::white);
  EXPECT_GT(starPixels, 40);
}

TEST_F(FaucetListDrawingTest, TwoLineViewDrawsTheSecondLineSmallerInTheSecondColour) {
  state.sortKind = 4;
  FaucetItem paid = Item("1");
  paid.Edit(fLastPayout) = "0.00012";
  paid.Edit(fFavorite) = "1";
  const QImage image = Draw(paid);
  const QColor second(0x00, 0xA0, 0x00), text(0x00, 0x80, 0x00);
  EXPECT_GT(Ink(image, second, 20), 15);
  EXPECT_EQ(Ink(image, second, 0, 20), 0);
  EXPECT_GT(Ink(image, text, 0, 20), 40);
  // 8 points against 12: the second line is lower than the name.
  const auto nameHeight = [&](int top, int bottom, QColor c) {
    int first = -1, last = -1;
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < kWidth; ++x)
        if (Near(image, x, y, c)) {
          if (first < 0) first = y;
          last = y;
        }
    return last - first;
  };
  EXPECT_LT(nameHeight(20, image.height(), second), nameHeight(0, 20, text));
  // Without a second line the name sits 6 pixels lower.
  FaucetItem unpaid = Item("1");
  unpaid.Edit(fFavorite) = "1";
  EXPECT_EQ(TopmostInk(Draw(unpaid), text) - TopmostInk(image, text), 6);
}

TEST_F(FaucetListDrawingTest, OddRowsAreShadedOnlyInTwoLineView) {
  EXPECT_EQ(QColor(Draw(Item(), false, 1).pixel(kWidth - 1, 1)), QColor(0xF0, 0xF0, 0xF0));
  EXPECT_EQ(QColor(Draw(Item(), false, 2).pixel(kWidth - 1, 1)), QColor(Qt::white));
  state.singleLine = true;
  EXPECT_EQ(QColor(Draw(Item(), false, 1).pixel(kWidth - 1, 1)), QColor(Qt::white));
  EXPECT_EQ(QColor(Draw(Item(), true, 1).pixel(kWidth - 1, 1)), QColor(0x00, 0x00, 0x80));
}

}  // namespace
}  // namespace trelio
