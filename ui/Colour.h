// Colours as the program writes them: TColor numbers $00BBGGRR (red in the low byte).
#pragma once

#include <cstdint>

namespace ui {

using TColor = uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clGreen = 0x008000;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clGray = 0x808080;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clTeal = 0x808000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clPurple = 0x800080;
// The system colours of the desktop the program was made for.
constexpr TColor clBtnFace = 0xF0F0F0;
constexpr TColor clWindowText = 0x000000;
constexpr TColor clWindow = 0xFFFFFF;

// TColor ($00BBGGRR) to a pixel (0xFFRRGGBB); the unused top byte is dropped.
constexpr uint32_t toPixel(TColor c) {
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

// A pixel back to a TColor.
constexpr TColor fromPixel(uint32_t p) { return ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu); }

constexpr TColor rgb(int r, int g, int b) {
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

}  // namespace ui
