#include "app/DisplayList.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <set>
#include <utility>

namespace {
// Cells [first, second) of the edge list that the span [a, b) overlaps.
std::pair<int, int> cells(const std::vector<double>& edges, double a, double b) {
  int n = static_cast<int>(edges.size()) - 1;
  int i0 = static_cast<int>(std::upper_bound(edges.begin(), edges.end(), a) - edges.begin()) - 1;
  int i1 = static_cast<int>(std::lower_bound(edges.begin(), edges.end(), b) - edges.begin());
  return {std::clamp(i0, 0, n), std::clamp(i1, 0, n)};
}

void sort_unique(std::vector<double>& v) {
  std::sort(v.begin(), v.end());
  v.erase(std::unique(v.begin(), v.end()), v.end());
}
}  // namespace

void DisplayList::clear() {
  ops_.clear();
  limit_ = kMinLimit;
}

void DisplayList::add(DrawOp op) {
  ops_.push_back(std::move(op));
  if (ops_.size() > limit_) compact();
}

void DisplayList::compact() {
  // The coverage grid: its lines are the edges of every opaque picture, so each of its cells
  // lies either wholly inside or wholly outside any one picture. Its outermost cells reach
  // without end and are never covered: the surface may show any part of the plane.
  constexpr double kEnd = std::numeric_limits<double>::infinity();
  std::vector<double> xs{-kEnd, kEnd}, ys{-kEnd, kEnd};
  for (const DrawOp& op : ops_) {
    if (!op.opaque) continue;
    const QRectF& r = op.bounds;
    if (r.isEmpty()) continue;
    xs.push_back(r.left());
    xs.push_back(r.right());
    ys.push_back(r.top());
    ys.push_back(r.bottom());
  }
  sort_unique(xs);
  sort_unique(ys);
  const int nx = static_cast<int>(xs.size()) - 1;
  std::vector<std::uint8_t> covered(static_cast<std::size_t>(nx) * (ys.size() - 1), 0);

  std::set<std::array<double, 4>> boxes;  // corners of boxes kept so far
  std::vector<DrawOp> kept;
  kept.reserve(ops_.size() / 2);
  for (std::size_t i = ops_.size(); i-- > 0;) {
    DrawOp& op = ops_[i];
    const QRectF b = op.bounds;
    if (b.isEmpty()) continue;
    std::array<double, 4> corners{op.x1, op.y1, op.x2, op.y2};
    if (op.kind == DrawOp::Box && boxes.count(corners)) continue;

    auto [x0, x1] = cells(xs, b.left(), b.right());
    auto [y0, y1] = cells(ys, b.top(), b.bottom());
    bool hidden = x0 < x1 && y0 < y1;
    for (int y = y0; hidden && y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (!covered[static_cast<std::size_t>(y) * nx + x]) {
          hidden = false;
          break;
        }
    if (hidden) continue;

    if (op.kind == DrawOp::Box) boxes.insert(corners);
    if (op.opaque)
      for (int y = y0; y < y1; ++y)
        std::fill_n(covered.begin() + static_cast<std::ptrdiff_t>(y) * nx + x0, x1 - x0, 1);
    kept.push_back(std::move(op));
  }
  std::reverse(kept.begin(), kept.end());
  ops_ = std::move(kept);
  limit_ = std::max(kMinLimit, 2 * ops_.size());
}
