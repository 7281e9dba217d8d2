// The picture generator draws its randomness from the specimen models' generator.
#pragma once

#include "specimen/Rng.h"

namespace pg {

using specimen::hash3;
using specimen::mix64;
using specimen::Rng;
using specimen::splitmix64;
using specimen::to_unit;

}  // namespace pg
