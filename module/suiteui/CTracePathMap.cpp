#include "CTracePathMap.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kMarginPixels = 12.0;
constexpr double kPickPixels = 6.0;
constexpr double kDetailPixels = 1.0;

const QColor kBackground(0xfb, 0xfb, 0xf8);
const QColor kUnselected(0xa0, 0xa0, 0xa0);
const QColor kSelected(0x1f, 0x5f, 0xbf);
const QColor kCurrentHalo(0xff, 0xa6, 0x20, 0xc0);

bool Near(QPointF a, QPointF b) {
  const QPointF d = a - b;
  return QPointF::dotProduct(d, d) < kDetailPixels * kDetailPixels;
}

double DistanceToSegment(QPointF p, QPointF a, QPointF b) {
  const QPointF ab = b - a;
  const double lengthSquared = QPointF::dotProduct(ab, ab);
  double t = lengthSquared > 0 ? QPointF::dotProduct(p - a, ab) / lengthSquared : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  const QPointF nearest = a + t * ab;
  return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

}  // namespace

CTracePathMap::CTracePathMap(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::PointingHandCursor);
}

void CTracePathMap::SetOutlines(TracePathOutlines outlines) {
  outlines_ = std::move(outlines);
  UpdateExtent();
  drawnValid_ = false;
  update();
}

void CTracePathMap::SetSelected(std::set<int> ids) {
  selected_ = std::move(ids);
  update();
}

void CTracePathMap::SetPathSelected(int id, bool selected) {
  if (selected ? selected_.insert(id).second : selected_.erase(id) != 0) update();
}

void CTracePathMap::SetCurrent(std::optional<int> id) {
  current_ = id;
  update();
}

void CTracePathMap::UpdateExtent() {
  double minX = std::numeric_limits<double>::infinity(), minY = minX;
  double maxX = -minX, maxY = -minX;
  for (const auto& [id, lines] : outlines_) {
    for (const auto& line : lines) {
      for (const auto& [x, y] : line) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
      }
    }
  }
  if (minX > maxX) minX = maxX = minY = maxY = 0;
  minX_ = minX;
  minY_ = minY;
  width_ = maxX - minX;
  height_ = maxY - minY;
}

QPointF CTracePathMap::MapToWidget(double x, double y) const {
  const double availableWidth = std::max(1.0, width() - 2 * kMarginPixels);
  const double availableHeight = std::max(1.0, height() - 2 * kMarginPixels);
  // One scale for both axes keeps the shapes true; a degenerate extent (a
  // single point, a straight north-south line) takes the other axis' scale.
  double scale = std::numeric_limits<double>::infinity();
  if (width_ > 0) scale = availableWidth / width_;
  if (height_ > 0) scale = std::min(scale, availableHeight / height_);
  if (!std::isfinite(scale)) scale = 1.0;
  // Relative to the extent's centre, so that large national grid numbers keep
  // their precision.
  const double dx = x - (minX_ + width_ / 2);
  const double dy = y - (minY_ + height_ / 2);
  return {width() / 2.0 + dx * scale, height() / 2.0 - dy * scale};
}

std::optional<int> CTracePathMap::PathAt(QPointF pos) const {
  std::optional<int> nearestId;
  double nearest = kPickPixels;
  for (const auto& [id, polylines] : Drawn()) {
    for (const QPolygonF& polyline : polylines) {
      for (qsizetype i = 0; i + 1 < polyline.size(); ++i) {
        const double distance = DistanceToSegment(pos, polyline[i], polyline[i + 1]);
        if (distance <= nearest) {
          nearest = distance;
          nearestId = id;
        }
      }
    }
  }
  return nearestId;
}

const CTracePathMap::Drawing& CTracePathMap::Drawn() const {
  if (drawnValid_) return drawn_;
  drawn_.clear();
  for (const auto& [id, lines] : outlines_) {
    std::vector<QPolygonF>& polylines = drawn_[id];
    for (const auto& line : lines) {
      if (line.empty()) continue;
      const QPointF start = MapToWidget(line.front().first, line.front().second);
      if (polylines.empty() || !Near(polylines.back().back(), start)) polylines.push_back({start});
      QPolygonF& polyline = polylines.back();
      for (const auto& [x, y] : line) {
        const QPointF point = MapToWidget(x, y);
        if (!Near(polyline.back(), point)) polyline << point;
      }
    }
  }
  drawnValid_ = true;
  return drawn_;
}

QSize CTracePathMap::sizeHint() const { return {280, 280}; }
QSize CTracePathMap::minimumSizeHint() const { return {120, 120}; }

void CTracePathMap::DrawPath(QPainter& painter, int id, const QPen& pen) const {
  const auto found = Drawn().find(id);
  if (found == Drawn().end()) return;
  painter.setPen(pen);
  for (const QPolygonF& polyline : found->second) {
    if (polyline.size() == 1) {
      painter.drawPoint(polyline.front());
    } else {
      painter.drawPolyline(polyline);
    }
  }
}

void CTracePathMap::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kBackground);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.setRenderHint(QPainter::Antialiasing);

  if (current_ && outlines_.count(*current_) != 0) {
    DrawPath(painter, *current_, QPen(kCurrentHalo, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
  const QPen unselected(kUnselected, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  const QPen selected(kSelected, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  // Selected paths last, so that they stay visible where paths meet.
  for (const auto& [id, lines] : outlines_) {
    if (selected_.count(id) == 0) DrawPath(painter, id, unselected);
  }
  for (const auto& [id, lines] : outlines_) {
    if (selected_.count(id) != 0) DrawPath(painter, id, selected);
  }
}

void CTracePathMap::resizeEvent(QResizeEvent* event) {
  drawnValid_ = false;
  QWidget::resizeEvent(event);
}

void CTracePathMap::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  if (const auto id = PathAt(event->position())) emit PathClicked(*id);
}
