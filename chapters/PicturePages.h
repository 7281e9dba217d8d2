// The 21 picture pages: one stored photograph filling the window, each page a row of
// this table (caption, photograph and its size, how it is drawn, where the window
// stands, and the window it belongs to). The order is the order of start-up.
#pragma once

#include "chapters/lm/FormLM45C1.h"
#include "chapters/lm/FormLMCrNi1.h"
#include "chapters/lm/FormLMEinrichtungen.h"
#include "chapters/macro/FormMakroAuf.h"
#include "chapters/macro/FormMakroCr1.h"
#include "chapters/macro/FormMakroSt1.h"
#include "chapters/rem/FormREMAvT.h"
#include "chapters/rem/FormREMCrNi1.h"
#include "chapters/rem/FormREMEin.h"
#include "frame/PicturePage.h"

namespace chapters {

inline constexpr frame::PicturePageSpec kREMBGes{
    .className = "TFormREMBGes",
    .caption = "Rasterelektronenmikroskop: Gesamtübersicht",
    .photo = {"TFormREMBGes.jpg", 800, 570},
    .stretch = true,
    .pattern = frame::Pattern::PhotoPage,
    .opener = TFormREMEin::kClassName,
};
using TFormREMBGes = frame::PictureWindow<kREMBGes>;

inline constexpr frame::PicturePageSpec kREMBVAk{
    .className = "TFormREMBVAk",
    .caption = "Rasterelektronenmikroskop: Vakuumkammer",
    .photo = {"TFormREMBVAk.jpg", 875, 600},
    .stretch = true,
    .pattern = frame::Pattern::PhotoPage,
    .opener = TFormREMEin::kClassName,
};
using TFormREMBVAk = frame::PictureWindow<kREMBVAk>;

inline constexpr frame::PicturePageSpec kREMBProbe{
    .className = "TFormREMBProbe",
    .caption = "Rasterelektronenmikroskop: Vakuumkammer mit einer Probe",
    .photo = {"TFormREMBProbe.jpg", 875, 600},
    .stretch = true,
    .pattern = frame::Pattern::PhotoPage,
    .opener = TFormREMEin::kClassName,
};
using TFormREMBProbe = frame::PictureWindow<kREMBProbe>;

inline constexpr frame::PicturePageSpec kREMBDet{
    .className = "TFormREMBDet",
    .caption = "Rasterelektronenmikroskop: Detektoren in der Vakuumkammer",
    .photo = {"TFormREMBDet.jpg", 875, 600},
    .stretch = true,
    .pattern = frame::Pattern::PhotoPage,
    .opener = TFormREMEin::kClassName,
};
using TFormREMBDet = frame::PictureWindow<kREMBDet>;

inline constexpr frame::PicturePageSpec kLMMikro{
    .className = "TFormLMMikro",
    .caption = "Lichtmikrosopische Einrichtung",
    .photo = {"TFormLMMikro.jpg", 1100, 777},
    .stretch = true,
    .pattern = frame::Pattern::PhotoPage,
    .opener = TFormLMEinrichtungen::kClassName,
};
using TFormLMMikro = frame::PictureWindow<kLMMikro>;

inline constexpr frame::PicturePageSpec kLMStereomikro{
    .className = "TFormLMStereomikro",
    .caption = "Stereomikroskop",
    .photo = {"TFormLMStereomikro.jpg", 1100, 777},
    .stretch = true,
    .pattern = frame::Pattern::PhotoPage,
    .opener = TFormMakroAuf::kClassName,
};
using TFormLMStereomikro = frame::PictureWindow<kLMStereomikro>;

inline constexpr frame::PicturePageSpec kLMLichtmikro{
    .className = "TFormLMLichtmikro",
    .caption = "Probe unter dem Lichtmikroskop",
    .photo = {"TFormLMLichtmikro.jpg", 1100, 777},
    .stretch = true,
    .pattern = frame::Pattern::PhotoPage,
    .opener = TFormLMEinrichtungen::kClassName,
};
using TFormLMLichtmikro = frame::PictureWindow<kLMLichtmikro>;

inline constexpr frame::PicturePageSpec kMakroSt2{
    .className = "TFormMakroSt2",
    .caption = "Stereomikroskopie: Korrosion an einem unlegierten Stahl",
    .photo = {"TFormMakroSt2.jpg", 770, 462},
    .stretch = false,
    .pattern = frame::Pattern::PicturePage,
    .opener = TFormMakroSt1::kClassName,
};
using TFormMakroSt2 = frame::PictureWindow<kMakroSt2>;

inline constexpr frame::PicturePageSpec kMakroSt3{
    .className = "TFormMakroSt3",
    .caption = "Stereomikroskopie: Korrosion an einem unlegierten Stahl",
    .photo = {"TFormMakroSt3.jpg", 770, 462},
    .stretch = false,
    .pattern = frame::Pattern::PicturePage,
    .opener = TFormMakroSt1::kClassName,
};
using TFormMakroSt3 = frame::PictureWindow<kMakroSt3>;

inline constexpr frame::PicturePageSpec kMakroCr2{
    .className = "TFormMakroCr2",
    .caption = "Stereomikroskopie: Belag auf einem Chromstahl",
    .photo = {"TFormMakroCr2.jpg", 770, 462},
    .stretch = false,
    .pattern = frame::Pattern::PicturePage,
    .opener = TFormMakroCr1::kClassName,
};
using TFormMakroCr2 = frame::PictureWindow<kMakroCr2>;

inline constexpr frame::PicturePageSpec kMakroCr3{
    .className = "TFormMakroCr3",
    .caption = "Stereomikroskopie: Poröse Stellen im Belag",
    .photo = {"TFormMakroCr3.jpg", 770, 462},
    .stretch = false,
    .pattern = frame::Pattern::PicturePage,
    .opener = TFormMakroCr1::kClassName,
};
using TFormMakroCr3 = frame::PictureWindow<kMakroCr3>;

inline constexpr frame::PicturePageSpec kLM45C2{
    .className = "TFormLM45C2",
    .caption = "Lichtmikroskopische Aufnahme: CK 45, Normalisiert",
    .photo = {"TFormLM45C2.jpg", 770, 462},
    .stretch = true,
    .pattern = frame::Pattern::PicturePage,
    .opener = TFormLM45C1::kClassName,
};
using TFormLM45C2 = frame::PictureWindow<kLM45C2>;

inline constexpr frame::PicturePageSpec kLM45C3{
    .className = "TFormLM45C3",
    .caption = "Lichtmikroskopische Aufnahme: CK 45, Vergütet",
    .photo = {"TFormLM45C3.jpg", 770, 462},
    .stretch = true,
    .pattern = frame::Pattern::PicturePage,
    .opener = TFormLM45C1::kClassName,
};
using TFormLM45C3 = frame::PictureWindow<kLM45C3>;

inline constexpr frame::PicturePageSpec kLMCrNi2{
    .className = "TFormLMCrNi2",
    .caption = "Lichtmikroskopische Aufnahme: X10 CrNi 17 7",
    .photo = {"TFormLMCrNi2.jpg", 770, 462},
    .stretch = true,
    .pattern = frame::Pattern::PicturePage,
    .opener = TFormLMCrNi1::kClassName,
};
using TFormLMCrNi2 = frame::PictureWindow<kLMCrNi2>;

inline constexpr frame::PicturePageSpec kLMCrNi3{
    .className = "TFormLMCrNi3",
    .caption = "Lichtmikroskopische Aufnahme: X10 CrNi 17 7, mit Chromcarbiden",
    .photo = {"TFormLMCrNi3.jpg", 770, 462},
    .stretch = false,
    .pattern = frame::Pattern::PicturePage,
    .opener = TFormLMCrNi1::kClassName,
};
using TFormLMCrNi3 = frame::PictureWindow<kLMCrNi3>;

inline constexpr frame::PicturePageSpec kREMCrNi2{
    .className = "TFormREMCrNi2",
    .caption = "Elektronenmikroskopische Aufnahme: X6 CrNiMoTi 17 12 (BSE)",
    .photo = {"TFormREMCrNi2.jpg", 770, 462},
    .stretch = false,
    .pattern = frame::Pattern::PicturePage,
    .opener = TFormREMCrNi1::kClassName,
};
using TFormREMCrNi2 = frame::PictureWindow<kREMCrNi2>;

inline constexpr frame::PicturePageSpec kREMCrNi3{
    .className = "TFormREMCrNi3",
    .caption = "Elektronenmikroskopische Aufnahme: X6 CrNiMoTi 17 12 (SE)",
    .photo = {"TFormREMCrNi3.jpg", 770, 462},
    .stretch = false,
    .pattern = frame::Pattern::PicturePage,
    .opener = TFormREMCrNi1::kClassName,
};
using TFormREMCrNi3 = frame::PictureWindow<kREMCrNi3>;

inline constexpr frame::PicturePageSpec kAvTSpa{
    .className = "TFormAvTSpa",
    .caption = "Rasterelektronenmikroskopische Aufnahme: Stahl S236 Spaltbruch",
    .photo = {"TFormAvTSpa.jpg", 700, 440},
    .stretch = true,
    .pattern = frame::Pattern::PicturePage,
    .opener = TFormREMAvT::kClassName,
};
using TFormAvTSpa = frame::PictureWindow<kAvTSpa>;

inline constexpr frame::PicturePageSpec kAvTAus{
    .className = "TFormAvTAus",
    .caption = "Rasterelektronenmikroskopische Aufnahme: Austenitischer Stahl X5 CrNi 18-10",
    .photo = {"TFormAvTAus.jpg", 700, 440},
    .stretch = true,
    .pattern = frame::Pattern::PicturePage,
    .opener = TFormREMAvT::kClassName,
};
using TFormAvTAus = frame::PictureWindow<kAvTAus>;

inline constexpr frame::PicturePageSpec kAvTDuk{
    .className = "TFormAvTDuk",
    .caption = "Rasterelektronenmikroskopische Aufnahme: Stahl S236 Duktiler Bruch (Wabenbruch)",
    .photo = {"TFormAvTDuk.jpg", 700, 440},
    .stretch = true,
    .pattern = frame::Pattern::PicturePage,
    .opener = TFormREMAvT::kClassName,
};
using TFormAvTDuk = frame::PictureWindow<kAvTDuk>;

inline constexpr frame::PicturePageSpec kAvTMisch{
    .className = "TFormAvTMisch",
    .caption = "Rasterelektronenmikroskopische Aufnahme: Stahl S235 Mischbruch",
    .photo = {"TFormAvTMisch.jpg", 700, 440},
    .stretch = true,
    .pattern = frame::Pattern::PicturePage,
    .opener = TFormREMAvT::kClassName,
};
using TFormAvTMisch = frame::PictureWindow<kAvTMisch>;

}  // namespace chapters
