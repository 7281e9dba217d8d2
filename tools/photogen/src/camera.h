// What the optics, camera or electron scan add to an ideal picture.
#pragma once

#include "image.h"
#include "rng.h"

namespace pg {

// Darkens towards the corners: factor 1 - strength * r^2, r = 1 at a corner.
void vignette(Image& img, double strength);
// Multiplies each channel (tint of the illumination, e.g. a warm halogen lamp).
void illuminate(Image& img, const Rgb& tint);
// Photon (shot) noise: each value gets Gaussian noise with sd amount*sqrt(v);
// 'chroma' is the share of it that differs between the colour channels.
void shot_noise(Image& img, Rng& rng, double amount, double chroma = 0.3);
void shot_noise(Field& f, Rng& rng, double amount);
// Additive Gaussian noise of fixed standard deviation.
void add_noise(Field& f, Rng& rng, double sd);
// Scan-line faults of a scanning electron microscope: each line is shifted
// sideways by a small random walk (in pixels) and its gain flickers slightly.
void scan_jitter(Field& f, Rng& rng, double shift_px, double flicker);
// Gamma curve on values clamped to [0, 1].
void apply_gamma(Field& f, double gamma);
// Contrast stretch of a grey field onto [lo, hi] by its quantiles.
void auto_levels(Field& f, double qlo, double qhi, float lo, float hi);

}  // namespace pg
