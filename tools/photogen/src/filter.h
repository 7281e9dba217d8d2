// Linear filters: Gaussian blur of fields and images, edges clamped.
#pragma once

#include "image.h"

namespace pg {

// Gaussian blur with standard deviation sigma in pixels. Small sigmas use an
// exact sampled kernel, large ones three successive box filters.
void gaussian_blur(Field& f, double sigma);
void gaussian_blur(Image& img, double sigma);
// Blur whose horizontal and vertical sigmas differ.
void gaussian_blur(Field& f, double sigma_x, double sigma_y);

// Returns the sampled, normalised Gaussian kernel of radius ceil(3 sigma).
std::vector<float> gaussian_kernel(double sigma);

}  // namespace pg
