#include "specimen/Tessellation.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace specimen {

namespace {

using Poly = std::vector<Tessellation::Vertex>;

// Keeps the part of a convex polygon where a.p <= b; the new edge gets 'label'.
void clip(Poly& poly, double ax, double ay, double b, int label, Poly& out) {
  out.clear();
  const size_t n = poly.size();
  for (size_t k = 0; k < n; ++k) {
    const auto& p = poly[k];
    const auto& q = poly[(k + 1) % n];
    const double fp = ax * p.x + ay * p.y - b, fq = ax * q.x + ay * q.y - b;
    if (fp <= 0) out.push_back(p);
    if ((fp <= 0) != (fq <= 0)) {
      const double t = fp / (fp - fq);
      Tessellation::Vertex v{p.x + t * (q.x - p.x), p.y + t * (q.y - p.y), fp <= 0 ? label : p.next_label};
      out.push_back(v);
    }
  }
  poly.swap(out);
}

}  // namespace

void Tessellation::build_cells() {
  const size_t n = sites_.size();
  cells_.assign(n, {});
  neighbours_.assign(n, {});
  if (n == 0) return;
  double wmax = 0, spacing = 0;
  for (const Site& s : sites_) wmax = std::max(wmax, s.w);
  spacing = std::sqrt(domain_.width() * domain_.height() / n);
  const double g = std::max(spacing, 1e-6);
  const int gx = std::max(1, static_cast<int>(std::ceil(domain_.width() / g)));
  const int gy = std::max(1, static_cast<int>(std::ceil(domain_.height() / g)));
  std::vector<std::vector<int>> grid(static_cast<size_t>(gx) * gy);
  auto gcell = [&](double v, double o, int m) { return std::clamp(static_cast<int>(std::floor((v - o) / g)), 0, m - 1); };
  for (size_t i = 0; i < n; ++i)
    grid[static_cast<size_t>(gcell(sites_[i].y, domain_.y0, gy)) * gx + gcell(sites_[i].x, domain_.x0, gx)].push_back(
        static_cast<int>(i));
  Poly poly, tmp;
  for (size_t i = 0; i < n; ++i) {
    const Site& si = sites_[i];
    poly = {{domain_.x0, domain_.y0, -1}, {domain_.x1, domain_.y0, -1}, {domain_.x1, domain_.y1, -1},
            {domain_.x0, domain_.y1, -1}};
    const int cx = gcell(si.x, domain_.x0, gx), cy = gcell(si.y, domain_.y0, gy);
    const int rings = std::max(gx, gy);
    for (int k = 0; k <= rings && !poly.empty(); ++k) {
      for (int j = cy - k; j <= cy + k; ++j)
        for (int ii = cx - k; ii <= cx + k; ++ii) {
          if (j < 0 || ii < 0 || j >= gy || ii >= gx) continue;
          if (std::max(std::abs(j - cy), std::abs(ii - cx)) != k) continue;
          for (int o : grid[static_cast<size_t>(j) * gx + ii]) {
            if (o == static_cast<int>(i)) continue;
            const Site& so = sites_[o];
            if (so.x == si.x && so.y == si.y) continue;
            const double ax = 2 * (so.x - si.x), ay = 2 * (so.y - si.y);
            const double b = so.x * so.x + so.y * so.y - si.x * si.x - si.y * si.y - so.w + si.w;
            clip(poly, ax, ay, b, o, tmp);
            if (poly.empty()) break;
          }
        }
      // Sites beyond ring k are at least k*g away from this site's grid cell.
      double far = 0, worst = -std::numeric_limits<double>::infinity();
      for (const auto& v : poly) {
        const double dd = std::hypot(v.x - si.x, v.y - si.y);
        far = std::max(far, dd);
        worst = std::max(worst, dd * dd - si.w);
      }
      const double reach = k * g - far;
      if (reach > 0 && reach * reach - wmax > worst) break;
    }
    for (const auto& v : poly)
      if (v.next_label >= 0 && std::find(neighbours_[i].begin(), neighbours_[i].end(), v.next_label) == neighbours_[i].end())
        neighbours_[i].push_back(v.next_label);
    cells_[i] = poly;
  }
}

Tessellation::Tessellation(std::vector<Site> sites, Box domain, double bucket)
    : sites_(std::move(sites)), domain_(domain), bucket_(bucket) {
  build_cells();
  nx_ = std::max(1, static_cast<int>(std::ceil(domain.width() / bucket)));
  ny_ = std::max(1, static_cast<int>(std::ceil(domain.height() / bucket)));
  all_.resize(sites_.size());
  for (size_t i = 0; i < sites_.size(); ++i) all_[i] = static_cast<int>(i);
  // A site can own points of a bucket only if its cell overlaps the bucket,
  // so each site is listed in the buckets its cell's bounding box touches.
  std::vector<std::vector<int>> lists(static_cast<size_t>(nx_) * ny_);
  for (size_t i = 0; i < sites_.size(); ++i) {
    const auto& cell = cells_[i];
    if (cell.empty()) continue;
    double x0 = cell[0].x, x1 = x0, y0 = cell[0].y, y1 = y0;
    for (const auto& v : cell) {
      x0 = std::min(x0, v.x);
      x1 = std::max(x1, v.x);
      y0 = std::min(y0, v.y);
      y1 = std::max(y1, v.y);
    }
    const int bx0 = std::clamp(static_cast<int>(std::floor((x0 - domain.x0) / bucket)) - 1, 0, nx_ - 1);
    const int bx1 = std::clamp(static_cast<int>(std::floor((x1 - domain.x0) / bucket)) + 1, 0, nx_ - 1);
    const int by0 = std::clamp(static_cast<int>(std::floor((y0 - domain.y0) / bucket)) - 1, 0, ny_ - 1);
    const int by1 = std::clamp(static_cast<int>(std::floor((y1 - domain.y0) / bucket)) + 1, 0, ny_ - 1);
    for (int by = by0; by <= by1; ++by)
      for (int bx = bx0; bx <= bx1; ++bx) lists[static_cast<size_t>(by) * nx_ + bx].push_back(static_cast<int>(i));
  }
  offsets_.assign(lists.size() + 1, 0);
  for (size_t b = 0; b < lists.size(); ++b) {
    list_.insert(list_.end(), lists[b].begin(), lists[b].end());
    offsets_[b + 1] = static_cast<int>(list_.size());
  }
}

const int* Tessellation::candidates(double x, double y, int& count) const {
  const int bx = static_cast<int>(std::floor((x - domain_.x0) / bucket_));
  const int by = static_cast<int>(std::floor((y - domain_.y0) / bucket_));
  if (bx < 0 || by < 0 || bx >= nx_ || by >= ny_) {
    count = static_cast<int>(all_.size());
    return all_.data();
  }
  const size_t b = static_cast<size_t>(by) * nx_ + bx;
  count = offsets_[b + 1] - offsets_[b];
  return list_.data() + offsets_[b];
}

Tessellation::Hit Tessellation::locate(double x, double y) const {
  Hit hit;
  int n = 0;
  const int* c = candidates(x, y, n);
  if (n == 0) return hit;
  double best = std::numeric_limits<double>::infinity();
  for (int k = 0; k < n; ++k) {
    const Site& s = sites_[c[k]];
    const double pd = (x - s.x) * (x - s.x) + (y - s.y) * (y - s.y) - s.w;
    if (pd < best) {
      best = pd;
      hit.id = c[k];
    }
  }
  const Site& o = sites_[hit.id];
  double dmin = std::numeric_limits<double>::infinity();
  for (int j : neighbours_[hit.id]) {
    const Site& s = sites_[j];
    const double sep = std::hypot(s.x - o.x, s.y - o.y);
    const double pd = (x - s.x) * (x - s.x) + (y - s.y) * (y - s.y) - s.w;
    const double d = (pd - best) / (2.0 * sep);
    if (d < dmin) {
      dmin = d;
      hit.id2 = j;
    }
  }
  hit.d = std::isfinite(dmin) ? dmin : 1e9;
  return hit;
}

double Tessellation::mean_candidates() const {
  return nx_ * ny_ > 0 ? static_cast<double>(list_.size()) / (nx_ * ny_) : 0.0;
}

std::vector<Site> poisson_sites(Rng& rng, const Box& box, int count) {
  std::vector<Site> s(count);
  for (Site& p : s) {
    p.x = rng.uniform(box.x0, box.x1);
    p.y = rng.uniform(box.y0, box.y1);
  }
  return s;
}

std::vector<Site> lognormal_sites(Rng& rng, const Box& box, double median_diameter, double sigma) {
  const double rmed = median_diameter / 2;
  std::vector<double> radii;
  double covered = 0;
  const double area = box.width() * box.height();
  while (covered < 0.9 * area) {
    const double r = std::clamp(rng.lognormal(rmed, sigma), 0.35 * rmed, 3.0 * rmed);
    radii.push_back(r);
    covered += 3.14159265358979 * r * r;
  }
  std::sort(radii.begin(), radii.end(), [](double a, double b) { return a > b; });
  const double gamma = 0.8;
  const double cell = 2.0 * gamma * radii.front() + 1e-9;
  const int gx = static_cast<int>(std::ceil(box.width() / cell)) + 1;
  const int gy = static_cast<int>(std::ceil(box.height() / cell)) + 1;
  std::vector<std::vector<int>> grid(static_cast<size_t>(gx) * gy);
  std::vector<Site> sites;
  sites.reserve(radii.size());
  for (double r : radii) {
    Site best;
    double best_ratio = -1;
    for (int attempt = 0; attempt < 24; ++attempt) {
      Site s{rng.uniform(box.x0, box.x1), rng.uniform(box.y0, box.y1), r * r, r};
      const int cx = static_cast<int>((s.x - box.x0) / cell), cy = static_cast<int>((s.y - box.y0) / cell);
      double ratio = std::numeric_limits<double>::infinity();
      for (int j = std::max(0, cy - 1); j <= std::min(gy - 1, cy + 1); ++j)
        for (int i = std::max(0, cx - 1); i <= std::min(gx - 1, cx + 1); ++i)
          for (int k : grid[static_cast<size_t>(j) * gx + i]) {
            const Site& q = sites[k];
            ratio = std::min(ratio, std::hypot(q.x - s.x, q.y - s.y) / (r + q.r));
          }
      if (ratio > best_ratio) {
        best_ratio = ratio;
        best = s;
      }
      if (ratio >= gamma) break;
    }
    const int cx = static_cast<int>((best.x - box.x0) / cell), cy = static_cast<int>((best.y - box.y0) / cell);
    grid[static_cast<size_t>(cy) * gx + cx].push_back(static_cast<int>(sites.size()));
    sites.push_back(best);
  }
  return sites;
}

CellMap map_cells(const Tessellation& t, int w, int h, double scale) {
  CellMap m;
  m.width = w;
  m.height = h;
  const size_t n = static_cast<size_t>(w) * h;
  m.id.resize(n);
  m.id2.resize(n);
  m.d.resize(n);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const auto hit = t.locate((x + 0.5) * scale, (y + 0.5) * scale);
      const size_t i = m.index(x, y);
      m.id[i] = hit.id;
      m.id2[i] = hit.id2;
      m.d[i] = static_cast<float>(hit.d / scale);
    }
  return m;
}

std::vector<float> inscribed_radii(const CellMap& m, size_t sites) {
  std::vector<float> r(sites, 0.0f);
  for (size_t i = 0; i < m.id.size(); ++i)
    if (m.id[i] >= 0) r[m.id[i]] = std::max(r[m.id[i]], m.d[i]);
  return r;
}

}  // namespace specimen
