#include "catalog.h"

#include <stdexcept>

#include "annotate.h"
#include "austenite.h"
#include "crni_sem.h"
#include "fractography.h"
#include "graphite.h"
#include "instruments.h"
#include "macro.h"
#include "martensite.h"
#include "pearlite.h"
#include "scalebar.h"
#include "text.h"
#include "title.h"
#include "weld.h"

namespace pg {

const std::vector<PictureEntry>& picture_list() {
  static const std::vector<PictureEntry> list = {
      {"TFormHaupt.jpg", 1078, 768},
      {"TFormAvTAus.jpg", 700, 440},
      {"TFormAvTMisch.jpg", 700, 440},
      {"TFormAvTDuk.jpg", 700, 440},
      {"TFormAvTSpa.jpg", 700, 440},
      {"TFormMakroSt2.jpg", 770, 462},
      {"TFormMakroSt3.jpg", 770, 462},
      {"TFormMakroCr2.jpg", 770, 462},
      {"TFormMakroCr3.jpg", 770, 462},
      {"TFormLM45C2.jpg", 770, 462},
      {"TFormLM45C3.jpg", 770, 462},
      {"TFormLMCrNi2.jpg", 770, 462},
      {"TFormLMCrNi3.jpg", 770, 462},
      {"TFormREMCrNi2.jpg", 770, 462},
      {"TFormREMCrNi3.jpg", 770, 462},
      {"TFormREMBGes.jpg", 800, 570},
      {"TFormREMBVAk.jpg", 875, 600},
      {"TFormREMBProbe.jpg", 875, 600},
      {"TFormREMBDet.jpg", 875, 600},
      {"TFormLMMikro.jpg", 1100, 777},
      {"TFormLMLichtmikro.jpg", 1100, 777},
      {"TFormLMStereomikro.jpg", 1100, 777},
      {"TFormMakroSt1.Image1.jpg", 392, 235},
      {"TFormMakroSt1.Image2.jpg", 392, 235},
      {"TFormMakroCr1.Image1.jpg", 392, 235},
      {"TFormMakroCr1.Image2.jpg", 392, 235},
      {"TFormLM45C1.Image1.jpg", 392, 235},
      {"TFormLM45C1.Image2.jpg", 392, 235},
      {"TFormLMCrNi1.Image1.jpg", 392, 235},
      {"TFormLMCrNi1.Image2.jpg", 392, 235},
      {"TFormREMCrNi1.Image1.jpg", 392, 235},
      {"TFormREMCrNi1.Image2.jpg", 392, 235},
      {"TFormLMEinrichtungen.Image1.jpg", 400, 300},
      {"TFormLMEinrichtungen.Image2.jpg", 400, 300},
      {"TFormREMRaster.jpg", 360, 245},
      {"TFormREMAvT.ImageListKRZ.0.jpg", 150, 105},
      {"TFormREMAvT.ImageListKRZ.1.jpg", 150, 105},
      {"TFormREMAvT.ImageListKRZ.2.jpg", 150, 105},
      {"TFormREMAvT.ImageListKFZ.0.jpg", 150, 105},
      {"TFormPKontrast.ImagePol.jpg", 200, 150},
      {"TFormPKontrast.ImageAet.jpg", 200, 150},
      {"TFormREMEDX.jpg", 600, 333},
  };
  return list;
}

// Fields of view: the fracture pages as the SEM's magnification gives them;
// the stereo views at about 40:1 on the screen; the light micrographs of the
// carbon steel at 1000:1, of the austenitic steel at about 300:1; the
// chromium-nickel SEM pictures at about 1000:1.
const std::vector<ScaleBarEntry>& scale_bars() {
  static const std::vector<ScaleBarEntry> list = {
      {"TFormAvTAus.jpg", 60, 10},       {"TFormAvTMisch.jpg", 500, 100},  {"TFormAvTDuk.jpg", 500, 100},
      {"TFormAvTSpa.jpg", 250, 50},      {"TFormMakroSt2.jpg", 2000, 200}, {"TFormMakroSt3.jpg", 2000, 200},
      {"TFormMakroCr2.jpg", 2000, 200},  {"TFormMakroCr3.jpg", 2000, 200}, {"TFormLM45C2.jpg", 110, 10},
      {"TFormLM45C3.jpg", 110, 10},      {"TFormLMCrNi2.jpg", 320, 55},    {"TFormLMCrNi3.jpg", 320, 55},
      {"TFormREMCrNi2.jpg", 100, 10},    {"TFormREMCrNi3.jpg", 100, 10},
  };
  return list;
}

const ScaleBarEntry& scale_bar(const std::string& file) {
  for (const auto& s : scale_bars())
    if (s.file == file) return s;
  throw std::out_of_range("no scale bar for " + file);
}

namespace {

Output jpg(const std::string& file, Image img, bool full_chroma = false) {
  Output o;
  o.file = file;
  o.image = std::move(img);
  o.jpeg.full_chroma = full_chroma;
  return o;
}

// ---- fracture surfaces (700 x 440 with data strip, and 150 x 105 thumbnails)

constexpr int kFractureW = 700, kFractureH = 440, kStripH = 36;

std::vector<Output> fracture_page(const std::string& page, const std::string& thumb, Image micrograph,
                                  const std::string& steel, const std::string& grade) {
  Image page_img(kFractureW, kFractureH);
  paste(page_img, micrograph, 0, 0);
  const Font font(Weight::Regular, 17);
  const ScaleBarEntry& sb = scale_bar(page);
  const Magnification mag{sb.field_um, kFractureW};
  draw_data_strip(page_img, font, kStripH, steel, grade, bar_pixels(mag, sb.bar_um), format_length(sb.bar_um));
  std::vector<Output> out;
  out.push_back(jpg(page, std::move(page_img)));
  out.push_back(jpg(thumb, fit_crop(micrograph, 150, 105)));
  return out;
}

double field(const std::string& file) { return scale_bar(file).field_um; }

std::vector<Output> scene_avt_aus() {
  return fracture_page("TFormAvTAus.jpg", "TFormREMAvT.ImageListKFZ.0.jpg",
                       fracture_fine_dimples(kFractureW, kFractureH - kStripH, field("TFormAvTAus.jpg"), 0xA05001),
                       "Austenitischer Stahl", "X5 CrNi 18-10");
}

std::vector<Output> scene_avt_misch() {
  return fracture_page("TFormAvTMisch.jpg", "TFormREMAvT.ImageListKRZ.1.jpg",
                       fracture_mixed(kFractureW, kFractureH - kStripH, field("TFormAvTMisch.jpg"), 0xA05002),
                       "Stahl S235", "");
}

std::vector<Output> scene_avt_duk() {
  return fracture_page("TFormAvTDuk.jpg", "TFormREMAvT.ImageListKRZ.2.jpg",
                       fracture_dimples(kFractureW, kFractureH - kStripH, field("TFormAvTDuk.jpg"), 0xA05003),
                       "Stahl S235", "");
}

std::vector<Output> scene_avt_spa() {
  return fracture_page("TFormAvTSpa.jpg", "TFormREMAvT.ImageListKRZ.0.jpg",
                       fracture_cleavage(kFractureW, kFractureH - kStripH, field("TFormAvTSpa.jpg"), 0xA05004),
                       "Stahl S235", "");
}

std::vector<Output> scene_rem_raster() {
  return {jpg("TFormREMRaster.jpg", fracture_cleavage(360, 245, 150, 0xA05005))};
}

// ---- light micrographs (770 x 462 with scale bar, and the 392 x 235 copy)

constexpr int kPageW = 770, kPageH = 462, kSmallW = 392, kSmallH = 235;

// Page picture with its small copy for the two-picture window.
std::vector<Output> with_copy(const std::string& page, const std::string& small, Image img, bool full_chroma = false) {
  std::vector<Output> out;
  Image copy = fit_crop(img, kSmallW, kSmallH);
  out.push_back(jpg(page, std::move(img), full_chroma));
  out.push_back(jpg(small, std::move(copy), full_chroma));
  return out;
}

void light_bar(Image& img, const std::string& file) {
  const Font font(Weight::Bold, 17);
  const ScaleBarEntry& sb = scale_bar(file);
  const Magnification mag{sb.field_um, img.width()};
  draw_scale_bar(img, font, BarStyle::LightMicroscope, img.width() - 22, img.height() - 18,
                 bar_pixels(mag, sb.bar_um), format_length(sb.bar_um));
}

std::vector<Output> scene_lm45_normalised() {
  const std::string page = "TFormLM45C2.jpg";
  Image img = ferrite_pearlite(kPageW, kPageH, field(page), 0xB04501);
  light_bar(img, page);
  return with_copy(page, "TFormLM45C1.Image1.jpg", std::move(img));
}

std::vector<Output> scene_lm45_tempered() {
  const std::string page = "TFormLM45C3.jpg";
  Image img = tempered_martensite(kPageW, kPageH, field(page), 0xB04502);
  light_bar(img, page);
  return with_copy(page, "TFormLM45C1.Image2.jpg", std::move(img));
}

std::vector<Output> scene_lmcrni_twins() {
  const std::string page = "TFormLMCrNi2.jpg";
  AusteniteOptions o;
  o.deformation_martensite = true;
  Image img = austenite_micrograph(kPageW, kPageH, field(page), 0xB0CE01, o);
  light_bar(img, page);
  return with_copy(page, "TFormLMCrNi1.Image1.jpg", std::move(img));
}

std::vector<Output> scene_lmcrni_carbides() {
  const std::string page = "TFormLMCrNi3.jpg";
  AusteniteOptions o;
  o.carbides = true;
  Image img = austenite_micrograph(kPageW, kPageH, field(page), 0xB0CE02, o);
  light_bar(img, page);
  return with_copy(page, "TFormLMCrNi1.Image2.jpg", std::move(img));
}

// Label offset from its target by (dx, dy) (towards the label's near corner).
void micrograph_label(Image& img, const Font& font, const std::string& text, double tx, double ty, double dx,
                      double dy) {
  const TextExtent e = font.measure(text);
  const int x = static_cast<int>(dx < 0 ? tx + dx - e.width : tx + dx);
  const int y = static_cast<int>(dy < 0 ? ty + dy - e.height() : ty + dy);
  draw_label(img, font, LabelStyle::Outline, x, y, {text}, {tx, ty});
}

std::vector<Output> scene_rem_crni() {
  const ScaleBarEntry& sb = scale_bar("TFormREMCrNi2.jpg");
  CrNiSemField f = crni_sem_field(kPageW, kPageH, sb.field_um, 0xC0CE01);
  const Font label(Weight::Bold, 22);
  const Font bar(Weight::Bold, 18);
  const Magnification mag{sb.field_um, kPageW};
  for (Image* img : {&f.bse, &f.se}) {
    micrograph_label(*img, label, "Einschluss", f.inclusion_x, f.inclusion_y, -70, -55);
    micrograph_label(*img, label, "Delta-Ferrit", f.ferrite_x, f.ferrite_y, -40, 55);
    draw_scale_bar(*img, bar, BarStyle::Overlay, kPageW - 24, kPageH - 20, bar_pixels(mag, sb.bar_um),
                   format_length(sb.bar_um));
  }
  auto out = with_copy("TFormREMCrNi2.jpg", "TFormREMCrNi1.Image1.jpg", std::move(f.bse));
  auto se = with_copy("TFormREMCrNi3.jpg", "TFormREMCrNi1.Image2.jpg", std::move(f.se));
  out.insert(out.end(), se.begin(), se.end());
  return out;
}

// The EDX window draws its own 5 µm bar of 100 design pixels beside the
// picture, so the 600 pixels of the picture show 30 µm.
std::vector<Output> scene_rem_edx() { return {jpg("TFormREMEDX.jpg", grey_cast_iron(600, 333, 30, 0xED0001))}; }

// ---- stereo-microscope views, 0,2 mm bars

using MacroView = Image (*)(int, int, double, uint64_t);

std::vector<Output> macro_page(const std::string& page, const std::string& small, MacroView view, uint64_t seed) {
  const ScaleBarEntry& sb = scale_bar(page);
  Image img = view(kPageW, kPageH, sb.field_um, seed);
  const Font bar(Weight::Bold, 18);
  const Magnification mag{sb.field_um, img.width()};
  draw_scale_bar(img, bar, BarStyle::Overlay, img.width() - 26, img.height() - 22, bar_pixels(mag, sb.bar_um),
                 format_length(sb.bar_um));
  return with_copy(page, small, std::move(img));
}

std::vector<Output> scene_makro_st2() {
  return macro_page("TFormMakroSt2.jpg", "TFormMakroSt1.Image1.jpg", corroded_tube_crack, 0xAC0001);
}
std::vector<Output> scene_makro_st3() {
  return macro_page("TFormMakroSt3.jpg", "TFormMakroSt1.Image2.jpg", tube_oxide_deposit, 0xAC0002);
}
std::vector<Output> scene_makro_cr2() {
  return macro_page("TFormMakroCr2.jpg", "TFormMakroCr1.Image1.jpg", chromium_steel_deposit, 0xAC0003);
}
std::vector<Output> scene_makro_cr3() {
  return macro_page("TFormMakroCr3.jpg", "TFormMakroCr1.Image2.jpg", porous_deposit, 0xAC0004);
}

std::vector<Output> scene_title() { return {jpg("TFormHaupt.jpg", title_background(1078, 768))}; }

std::vector<Output> scene_weld() {
  return {jpg("TFormPKontrast.ImagePol.jpg", weld_section(200, 150, false, 0xE1D001)),
          jpg("TFormPKontrast.ImageAet.jpg", weld_section(200, 150, true, 0xE1D001))};
}

std::vector<Output> scene_sem_workplace() { return {jpg("TFormREMBGes.jpg", sem_workplace(800, 570), true)}; }
std::vector<Output> scene_sem_column() { return {jpg("TFormREMBVAk.jpg", sem_column_chamber(875, 600), true)}; }
std::vector<Output> scene_sem_open() { return {jpg("TFormREMBProbe.jpg", sem_open_chamber(875, 600), true)}; }
std::vector<Output> scene_sem_detectors() { return {jpg("TFormREMBDet.jpg", sem_detectors(875, 600), true)}; }

// The equipment window shows 4:3 copies of the two workplace pictures.
std::vector<Output> scene_lm_bench() {
  Image img = lm_bench(1100, 777);
  Image copy = fit_crop(img, 400, 300);
  return {jpg("TFormLMMikro.jpg", std::move(img)), jpg("TFormLMEinrichtungen.Image1.jpg", std::move(copy))};
}
std::vector<Output> scene_lm_sample() {
  Image img = lm_sample_objectives(1100, 777);
  Image copy = fit_crop(img, 400, 300);
  return {jpg("TFormLMLichtmikro.jpg", std::move(img)), jpg("TFormLMEinrichtungen.Image2.jpg", std::move(copy))};
}
std::vector<Output> scene_stereo() { return {jpg("TFormLMStereomikro.jpg", stereo_microscope(1100, 777))}; }

}  // namespace

// Costliest scenes first, so that the worker threads finish together.
const std::vector<Scene>& scenes() {
  static const std::vector<Scene> list = {
      {"crni-sem", scene_rem_crni},
      {"fracture-ductile", scene_avt_duk},
      {"fracture-mixed", scene_avt_misch},
      {"fracture-austenitic", scene_avt_aus},
      {"c45-tempered", scene_lm45_tempered},
      {"fracture-cleavage", scene_avt_spa},
      {"c45-normalised", scene_lm45_normalised},
      {"cast-iron", scene_rem_edx},
      {"crni-twins", scene_lmcrni_twins},
      {"crni-carbides", scene_lmcrni_carbides},
      {"lm-sample", scene_lm_sample},
      {"lm-bench", scene_lm_bench},
      {"stereo-microscope", scene_stereo},
      {"tube-crack", scene_makro_st2},
      {"chromium-steel-deposit", scene_makro_cr2},
      {"sem-workplace", scene_sem_workplace},
      {"tube-deposit", scene_makro_st3},
      {"sem-column", scene_sem_column},
      {"raster-cleavage", scene_rem_raster},
      {"sem-detectors", scene_sem_detectors},
      {"sem-open-chamber", scene_sem_open},
      {"porous-deposit", scene_makro_cr3},
      {"weld", scene_weld},
      {"title", scene_title},
  };
  return list;
}

}  // namespace pg
