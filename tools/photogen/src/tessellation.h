// The grain model of the pictures is the specimen models' tessellation.
#pragma once

#include "rng.h"
#include "specimen/Tessellation.h"

namespace pg {

using specimen::Box;
using specimen::CellMap;
using specimen::inscribed_radii;
using specimen::lognormal_sites;
using specimen::map_cells;
using specimen::poisson_sites;
using specimen::Site;
using specimen::Tessellation;

}  // namespace pg
