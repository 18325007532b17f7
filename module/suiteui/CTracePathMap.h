#pragma once
// A small north-up map of the trench paths beside the selection list: the
// checked paths drawn thick and coloured, the others thin and grey, and the
// path of the current row under a halo. Clicking on a path reports its id.

#include <QPolygonF>
#include <QWidget>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "CsWsTraceSelectionDlgUI.h"

class CTracePathMap : public QWidget {
  Q_OBJECT

 public:
  explicit CTracePathMap(QWidget* parent = nullptr);

  void SetOutlines(TracePathOutlines outlines);
  void SetSelected(std::set<int> ids);
  void SetPathSelected(int id, bool selected);
  void SetCurrent(std::optional<int> id);

  const TracePathOutlines& Outlines() const { return outlines_; }
  const std::set<int>& Selected() const { return selected_; }
  std::optional<int> Current() const { return current_; }

  // Where a model point (x east, y north) lands in the widget.
  QPointF MapToWidget(double x, double y) const;
  // The path drawn nearest to `pos`, if one passes within a few pixels.
  std::optional<int> PathAt(QPointF pos) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void PathClicked(int id);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  using Drawing = std::map<int, std::vector<QPolygonF>>;

  void UpdateExtent();
  // The outlines in widget coordinates as drawn: a line that starts within a
  // pixel of the end of the one before goes on from it, and points less than
  // a pixel from the last one kept are left out (a line may end that much
  // short). A town has hundreds of thousands of segments, each a pixel or two
  // long here, and a stroke of its own for each would take seconds.
  const Drawing& Drawn() const;
  void DrawPath(QPainter& painter, int id, const QPen& pen) const;

  TracePathOutlines outlines_;
  mutable Drawing drawn_;
  mutable bool drawnValid_ = false;
  std::set<int> selected_;
  std::optional<int> current_;
  // Model extent of all outlines: lower left corner and size.
  double minX_ = 0, minY_ = 0, width_ = 0, height_ = 0;
};
