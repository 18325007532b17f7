#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "CTracePathMap.h"

namespace {

// Two parallel west-east paths 100 m apart, around national grid numbers.
TracePathOutlines TwoStreets() {
  return {
      {1, {{{597000, 6650100}, {597200, 6650100}}}},
      {2, {{{597000, 6650000}, {597200, 6650000}}}},
  };
}

QColor ColourAt(const QImage& image, QPointF point) { return image.pixelColor(point.toPoint()); }

// Grey lines blend into the off-white paper; only the selection colour is saturated.
bool IsGrey(const QColor& colour) { return colour.hsvSaturation() < 40; }

// How many pixels across the line at `point` differ from the background.
int Thickness(const QImage& image, QPointF point) {
  const QColor background = image.pixelColor(2, 2);
  int count = 0;
  for (int y = int(point.y()) - 8; y <= int(point.y()) + 8; ++y) {
    if (image.pixelColor(int(point.x()), y) != background) ++count;
  }
  return count;
}

struct Map {
  CTracePathMap widget;
  Map() {
    widget.resize(300, 200);
    widget.SetOutlines(TwoStreets());
  }
  QImage Image() { return widget.grab().toImage(); }
};

}  // namespace

TEST(CTracePathMap, FitsTheOutlinesNorthUpWithTrueProportions) {
  Map map;
  const QPointF southWest = map.widget.MapToWidget(597000, 6650000);
  const QPointF northEast = map.widget.MapToWidget(597200, 6650100);
  EXPECT_LT(northEast.y(), southWest.y());
  EXPECT_GT(northEast.x(), southWest.x());
  // 200 m by 100 m stays two to one whatever the widget's own proportions.
  EXPECT_NEAR((northEast.x() - southWest.x()) / (southWest.y() - northEast.y()), 2.0, 1e-9);
  // The wider dimension fills the widget up to a small margin.
  EXPECT_GT(northEast.x() - southWest.x(), 250);
  EXPECT_LE(northEast.x() - southWest.x(), 300);
  EXPECT_NEAR((southWest.x() + northEast.x()) / 2, 150, 1e-9);
}

TEST(CTracePathMap, SelectedPathsAreDrawnThickAndColouredTheOthersGrey) {
  Map map;
  map.widget.SetSelected({1});
  const QImage image = map.Image();
  const QPointF selected = map.widget.MapToWidget(597100, 6650100);
  const QPointF unselected = map.widget.MapToWidget(597100, 6650000);
  EXPECT_FALSE(IsGrey(ColourAt(image, selected)));
  EXPECT_TRUE(IsGrey(ColourAt(image, unselected)));
  EXPECT_GT(Thickness(image, selected), Thickness(image, unselected));
}

TEST(CTracePathMap, TheCurrentPathGetsAHalo) {
  Map map;
  const QPointF path = map.widget.MapToWidget(597100, 6650000);
  const QImage plain = map.Image();
  map.widget.SetCurrent(2);
  const QImage highlighted = map.Image();
  EXPECT_GT(Thickness(highlighted, path), Thickness(plain, path));
  const QPointF besideLine = path + QPointF(0, 3);
  EXPECT_NE(ColourAt(highlighted, besideLine), ColourAt(plain, besideLine));
}

TEST(CTracePathMap, ClickNearAPathReportsItAndClickElsewhereNothing) {
  Map map;
  map.widget.show();
  QSignalSpy clicked(&map.widget, &CTracePathMap::PathClicked);
  const QPoint nearSecond = (map.widget.MapToWidget(597050, 6650000) + QPointF(0, 4)).toPoint();
  QTest::mouseClick(&map.widget, Qt::LeftButton, {}, nearSecond);
  ASSERT_EQ(clicked.count(), 1);
  EXPECT_EQ(clicked.front().front().toInt(), 2);

  const QPoint between = map.widget.MapToWidget(597050, 6650050).toPoint();
  QTest::mouseClick(&map.widget, Qt::LeftButton, {}, between);
  EXPECT_EQ(clicked.count(), 1);
}

TEST(CTracePathMap, ASinglePointOrStraightLineStillFits) {
  CTracePathMap map;
  map.resize(200, 200);
  map.SetOutlines({{7, {{{597000, 6650000}, {597000, 6650300}}}}});
  const QPointF south = map.MapToWidget(597000, 6650000);
  const QPointF north = map.MapToWidget(597000, 6650300);
  EXPECT_NEAR(south.x(), 100, 1e-9);
  EXPECT_GT(south.y() - north.y(), 150);
  EXPECT_LE(south.y() - north.y(), 200);

  map.SetOutlines({{8, {{{597000, 6650000}}}}});
  EXPECT_EQ(map.MapToWidget(597000, 6650000), QPointF(100, 100));
}

TEST(CTracePathMap, AChainOfTinySegmentsLooksLikeOneLineEndToEnd) {
  // The south street as a town model gives it: two thousand segments of ten
  // centimetres, each a fraction of a pixel here.
  std::vector<std::vector<std::pair<double, double>>> chain;
  for (int i = 0; i < 2000; ++i) chain.push_back({{597000 + i * 0.1, 6650000}, {597000 + (i + 1) * 0.1, 6650000}});
  Map map;
  map.widget.SetOutlines({{1, {{{597000, 6650100}, {597200, 6650100}}}}, {2, chain}});
  const QImage image = map.Image();
  for (const double x : {597000.0, 597050.0, 597137.3, 597200.0}) {
    SCOPED_TRACE(x);
    const QPointF onChain = map.widget.MapToWidget(x, 6650000);
    EXPECT_EQ(Thickness(image, onChain), Thickness(image, map.widget.MapToWidget(x, 6650100)));
    EXPECT_EQ(map.widget.PathAt(onChain), 2);
  }
  EXPECT_EQ(map.widget.PathAt(map.widget.MapToWidget(597200, 6650000) + QPointF(4, 0)), 2);
}

TEST(CTracePathMap, ResizingRedrawsAtTheNewScale) {
  Map map;
  map.Image();
  map.widget.resize(600, 400);
  const QImage image = map.Image();
  const QPointF east = map.widget.MapToWidget(597200, 6650000);
  EXPECT_GT(east.x(), 550);
  EXPECT_TRUE(IsGrey(ColourAt(image, east - QPointF(1, 0))));
  EXPECT_NE(ColourAt(image, east - QPointF(1, 0)), image.pixelColor(2, 2));
  EXPECT_EQ(map.widget.PathAt(east), 2);
}
