#include "catalog.h"

#include "annotate.h"
#include "fractography.h"
#include "graphite.h"
#include "instruments.h"
#include "macro.h"
#include "austenite.h"
#include "crni_sem.h"
#include "martensite.h"
#include "pearlite.h"
#include "scalebar.h"
#include "text.h"
#include "title.h"
#include "weld.h"

namespace pg {

const std::vector<PictureSpec>& picture_list() {
  static const std::vector<PictureSpec> list = {
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
                                  const std::string& steel, const std::string& grade, double field_um,
                                  double bar_um) {
  Image page_img(kFractureW, kFractureH);
  paste(page_img, micrograph, 0, 0);
  const Font font(Weight::Regular, 17);
  const Magnification mag{field_um, kFractureW};
  draw_data_strip(page_img, font, kStripH, steel, grade, bar_pixels(mag, bar_um), format_length(bar_um));
  std::vector<Output> out;
  out.push_back(jpg(page, std::move(page_img)));
  out.push_back(jpg(thumb, fit_crop(micrograph, 150, 105)));
  return out;
}

std::vector<Output> scene_avt_aus() {
  const double field = 60;
  return fracture_page("TFormAvTAus.jpg", "TFormREMAvT.ImageListKFZ.0.jpg",
                       fracture_fine_dimples(kFractureW, kFractureH - kStripH, field, 0xA05001),
                       "Austenitischer Stahl", "X5 CrNi 18-10", field, 10);
}

std::vector<Output> scene_avt_misch() {
  const double field = 500;
  return fracture_page("TFormAvTMisch.jpg", "TFormREMAvT.ImageListKRZ.1.jpg",
                       fracture_mixed(kFractureW, kFractureH - kStripH, field, 0xA05002), "Stahl S235", "", field, 100);
}

std::vector<Output> scene_avt_duk() {
  const double field = 500;
  return fracture_page("TFormAvTDuk.jpg", "TFormREMAvT.ImageListKRZ.2.jpg",
                       fracture_dimples(kFractureW, kFractureH - kStripH, field, 0xA05003), "Stahl S235", "", field, 100);
}

std::vector<Output> scene_avt_spa() {
  const double field = 250;
  return fracture_page("TFormAvTSpa.jpg", "TFormREMAvT.ImageListKRZ.0.jpg",
                       fracture_cleavage(kFractureW, kFractureH - kStripH, field, 0xA05004), "Stahl S235", "", field, 50);
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

void light_bar(Image& img, double field_um, double bar_um) {
  const Font font(Weight::Bold, 17);
  const Magnification mag{field_um, img.width()};
  draw_scale_bar(img, font, BarStyle::LightMicroscope, img.width() - 22, img.height() - 18, bar_pixels(mag, bar_um),
                 format_length(bar_um));
}

std::vector<Output> scene_lm45_normalised() {
  const double field = 110;
  Image img = ferrite_pearlite(kPageW, kPageH, field, 0xB04501);
  light_bar(img, field, 10);
  return with_copy("TFormLM45C2.jpg", "TFormLM45C1.Image1.jpg", std::move(img));
}

std::vector<Output> scene_lm45_tempered() {
  const double field = 110;
  Image img = tempered_martensite(kPageW, kPageH, field, 0xB04502);
  light_bar(img, field, 10);
  return with_copy("TFormLM45C3.jpg", "TFormLM45C1.Image2.jpg", std::move(img));
}

// The austenitic steel is shown at lower magnification: 55 µm bars.
constexpr double kCrNiField = 320;

std::vector<Output> scene_lmcrni_twins() {
  AusteniteOptions o;
  o.deformation_martensite = true;
  Image img = austenite_micrograph(kPageW, kPageH, kCrNiField, 0xB0CE01, o);
  light_bar(img, kCrNiField, 55);
  return with_copy("TFormLMCrNi2.jpg", "TFormLMCrNi1.Image1.jpg", std::move(img));
}

std::vector<Output> scene_lmcrni_carbides() {
  AusteniteOptions o;
  o.carbides = true;
  Image img = austenite_micrograph(kPageW, kPageH, kCrNiField, 0xB0CE02, o);
  light_bar(img, kCrNiField, 55);
  return with_copy("TFormLMCrNi3.jpg", "TFormLMCrNi1.Image2.jpg", std::move(img));
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
  const double field = 100;
  CrNiSemField f = crni_sem_field(kPageW, kPageH, field, 0xC0CE01);
  const Font label(Weight::Bold, 22);
  const Font bar(Weight::Bold, 18);
  const Magnification mag{field, kPageW};
  for (Image* img : {&f.bse, &f.se}) {
    micrograph_label(*img, label, "Einschluss", f.inclusion_x, f.inclusion_y, -70, -55);
    micrograph_label(*img, label, "Delta-Ferrit", f.ferrite_x, f.ferrite_y, -40, 55);
    draw_scale_bar(*img, bar, BarStyle::Overlay, kPageW - 24, kPageH - 20, bar_pixels(mag, 10), format_length(10));
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

constexpr double kMacroField = 2000;

Image macro_page(Image img) {
  const Font bar(Weight::Bold, 18);
  const Magnification mag{kMacroField, img.width()};
  draw_scale_bar(img, bar, BarStyle::Overlay, img.width() - 26, img.height() - 22, bar_pixels(mag, 200),
                 format_length(200));
  return img;
}

std::vector<Output> scene_makro_st2() {
  return with_copy("TFormMakroSt2.jpg", "TFormMakroSt1.Image1.jpg",
                   macro_page(corroded_tube_crack(kPageW, kPageH, kMacroField, 0xAC0001)));
}
std::vector<Output> scene_makro_st3() {
  return with_copy("TFormMakroSt3.jpg", "TFormMakroSt1.Image2.jpg",
                   macro_page(tube_oxide_deposit(kPageW, kPageH, kMacroField, 0xAC0002)));
}
std::vector<Output> scene_makro_cr2() {
  return with_copy("TFormMakroCr2.jpg", "TFormMakroCr1.Image1.jpg",
                   macro_page(chromium_steel_deposit(kPageW, kPageH, kMacroField, 0xAC0003)));
}
std::vector<Output> scene_makro_cr3() {
  return with_copy("TFormMakroCr3.jpg", "TFormMakroCr1.Image2.jpg",
                   macro_page(porous_deposit(kPageW, kPageH, kMacroField, 0xAC0004)));
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

const std::vector<Scene>& scenes() {
  static const std::vector<Scene> list = {
      {"title", scene_title},
      {"sem-workplace", scene_sem_workplace},
      {"sem-column", scene_sem_column},
      {"sem-open-chamber", scene_sem_open},
      {"sem-detectors", scene_sem_detectors},
      {"lm-bench", scene_lm_bench},
      {"lm-sample", scene_lm_sample},
      {"stereo-microscope", scene_stereo},
      {"weld", scene_weld},
      {"fracture-austenitic", scene_avt_aus},
      {"fracture-mixed", scene_avt_misch},
      {"fracture-ductile", scene_avt_duk},
      {"fracture-cleavage", scene_avt_spa},
      {"raster-cleavage", scene_rem_raster},
      {"c45-normalised", scene_lm45_normalised},
      {"c45-tempered", scene_lm45_tempered},
      {"crni-twins", scene_lmcrni_twins},
      {"crni-carbides", scene_lmcrni_carbides},
      {"crni-sem", scene_rem_crni},
      {"cast-iron", scene_rem_edx},
      {"tube-crack", scene_makro_st2},
      {"tube-deposit", scene_makro_st3},
      {"chromium-steel-deposit", scene_makro_cr2},
      {"porous-deposit", scene_makro_cr3},
  };
  return list;
}

}  // namespace pg
