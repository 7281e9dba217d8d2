// Shaded technical illustrations of the instruments: the scanning electron
// microscope and the light-microscopy equipment.
#pragma once

#include "image.h"

namespace pg {

// Scanning electron microscope (German labels burned in).
Image sem_workplace(int w, int h);      // whole workplace: "EDV-Ausgabe", "Vakuumkammer"
Image sem_column_chamber(int w, int h); // column and chamber with detectors
Image sem_open_chamber(int w, int h);   // opened chamber with a sample on the stage
Image sem_detectors(int w, int h);      // inside the chamber beneath the pole piece

// Light microscopy (no text).
Image lm_bench(int w, int h);           // stereo and reflected-light microscopes, lights, monitor
Image lm_sample_objectives(int w, int h);
Image stereo_microscope(int w, int h);  // with fibre-optic lights and video printer

}  // namespace pg
