// Laguerre (power-weighted Voronoi) tessellations: the grain model.
//
// Each site owns the points whose power distance |p - s|^2 - w is smallest.
// With all weights zero this is the ordinary Poisson-Voronoi tessellation;
// weights w = r^2 from lognormal radii give cells with a lognormal spread of
// sizes. Because two cells meet on a straight line, the distance from a point
// to the border of its (convex) cell is the smallest distance to the lines it
// shares with the other sites, which is what etched grooves are drawn from.
#pragma once

#include <cstddef>
#include <vector>

#include "specimen/Rng.h"

namespace specimen {

struct Site {
  double x = 0, y = 0;
  double w = 0;  // power weight
  double r = 0;  // nominal radius the site was placed with
};

struct Box {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  double width() const { return x1 - x0; }
  double height() const { return y1 - y0; }
};

class Tessellation {
 public:
  struct Hit {
    int id = -1;   // owning site
    int id2 = -1;  // neighbour across the nearest border
    double d = 0;  // distance to that border (0 on it)
  };

  struct Vertex {
    double x = 0, y = 0;
    int next_label = -1;  // site across the edge to the next vertex, -1 for the domain border
  };

  // Builds every cell as a convex polygon (clipped to domain) and a lookup
  // grid of spacing 'bucket' for finding the owner of a point.
  Tessellation(std::vector<Site> sites, Box domain, double bucket = 16.0);

  Hit locate(double x, double y) const;
  const std::vector<Site>& sites() const { return sites_; }
  size_t size() const { return sites_.size(); }
  // The cell of site i, counter-clockwise in picture coordinates; empty if
  // the site owns no area (possible with weights).
  const std::vector<Vertex>& cell(int i) const { return cells_[i]; }
  // Sites that share an edge with site i.
  const std::vector<int>& neighbours(int i) const { return neighbours_[i]; }
  // Mean number of candidate owners tested per query (a cost indicator).
  double mean_candidates() const;

 private:
  const int* candidates(double x, double y, int& count) const;
  void build_cells();

  std::vector<Site> sites_;
  std::vector<std::vector<Vertex>> cells_;
  std::vector<std::vector<int>> neighbours_;
  Box domain_;
  double bucket_;
  int nx_ = 0, ny_ = 0;
  std::vector<int> offsets_;  // nx*ny+1 offsets into list_
  std::vector<int> list_;
  std::vector<int> all_;  // every site, for points outside the domain
};

// Sites at uniformly random positions with zero weight (Poisson-Voronoi).
std::vector<Site> poisson_sites(Rng& rng, const Box& box, int count);

// Sites with lognormal radii (median diameter, log-sd sigma, radii clamped to
// [0.35, 3] times the median) placed by random sequential addition so that
// neighbours keep apart in proportion to their radii; weights r^2. Enough
// sites are made to cover the box.
std::vector<Site> lognormal_sites(Rng& rng, const Box& box, double median_diameter, double sigma);

// Per-pixel map of a tessellation sampled at pixel centres, with
// coordinates scaled by 'scale' (tessellation units per pixel).
struct CellMap {
  int width = 0, height = 0;
  std::vector<int> id, id2;
  std::vector<float> d;  // border distance in pixels
  size_t index(int x, int y) const { return static_cast<size_t>(y) * width + x; }
};
CellMap map_cells(const Tessellation& t, int w, int h, double scale = 1.0);

// Largest border distance (inscribed radius in pixels) reached in each cell.
std::vector<float> inscribed_radii(const CellMap& m, size_t sites);

}  // namespace specimen
