#include "app/WindowList.h"

#include <string_view>
#include <vector>

#include "app/FormHaupt.h"
#include "app/FormInfo.h"
#include "app/FormMetallo.h"
#include "chapters/Chapters.h"
#include "chapters/labs/FormLabEDX.h"
#include "chapters/labs/FormLabLicht.h"
#include "chapters/labs/FormLabMC.h"
#include "study/FormFortschritt.h"
#include "study/FormGlossar.h"
#include "study/FormSelbsttest.h"

namespace app {

std::span<const WindowEntry> windowList() {
    static const std::vector<WindowEntry> list{
    entry<app::TFormHaupt>(),
    entry<chapters::TFormREMBGes>(),
    entry<chapters::TFormREMBVAk>(),
    entry<chapters::TFormREMBProbe>(),
    entry<chapters::TFormREMBDet>(),
    entry<chapters::TFormREMWechsel>(),
    entry<chapters::TFormREMCHA>(),
    entry<chapters::TFormREMCHA2>(),
    entry<chapters::TFormEWELLENL>(),
    entry<chapters::TFormEDXWeg>(),
    entry<chapters::TFormLMMikro>(),
    entry<chapters::TFormLMStereomikro>(),
    entry<chapters::TFormLMLichtmikro>(),
    entry<chapters::TFormREMRaster>(),
    entry<chapters::TFormREMAvT>(),
    entry<chapters::TFormREMEDX>(),
    entry<app::TFormMetallo>(),
    entry<chapters::TFormMakroEin>(),
    entry<chapters::TFormMakroAuf>(),
    entry<chapters::TFormMakroSt1>(),
    entry<chapters::TFormMakroSt2>(),
    entry<chapters::TFormMakroSt3>(),
    entry<chapters::TFormMakroCr2>(),
    entry<chapters::TFormMakroCr1>(),
    entry<chapters::TFormMakroCr3>(),
    entry<app::TFormInfo>(),
    entry<chapters::TFormLMEin>(),
    entry<chapters::TFormLMEin2>(),
    entry<chapters::TFormREMEin>(),
    entry<chapters::TFormLMSchema>(),
    entry<chapters::TFormLM45C1>(),
    entry<chapters::TFormLM45C2>(),
    entry<chapters::TFormLM45C3>(),
    entry<chapters::TFormLMCrNi1>(),
    entry<chapters::TFormLMCrNi2>(),
    entry<chapters::TFormLMCrNi3>(),
    entry<chapters::TFormREMBSE>(),
    entry<chapters::TFormREMSE>(),
    entry<chapters::TFormREMSEEin>(),
    entry<chapters::TFormREMBSEEin>(),
    entry<chapters::TFormREMEDXWDX>(),
    entry<chapters::TFormREMEDXWDXEin>(),
    entry<chapters::TFormREMCrNi1>(),
    entry<chapters::TFormREMCrNi2>(),
    entry<chapters::TFormREMCrNi3>(),
    entry<chapters::TFormEDXAn>(),
    entry<chapters::TFormDetSch>(),
    entry<chapters::TFormEDXOrd>(),
    entry<chapters::TFormPTrennen>(),
    entry<chapters::TFormPEin>(),
    entry<chapters::TFormPKontrast>(),
    entry<chapters::TFormPPol>(),
    entry<chapters::TFormPSchleif>(),
    entry<chapters::TFormPPSchritte>(),
    entry<chapters::TFormGPG>(),
    entry<chapters::TFormSLicht>(),
    entry<chapters::TFormREMEW>(),
    entry<chapters::TFormREMEWK>(),
    entry<chapters::TFormAvTSpa>(),
    entry<chapters::TFormAvTAus>(),
    entry<chapters::TFormAvTDuk>(),
    entry<chapters::TFormAvTMisch>(),
    entry<chapters::TFormLMEinrichtungen>(),
    // The hands-on windows, after the windows of the chapters.
    entry<study::TFormGlossar>(),
    entry<chapters::TFormLabLicht>(),
    entry<chapters::TFormLabMC>(),
    entry<chapters::TFormLabEDX>(),
    entry<study::TFormSelbsttest>(),
    entry<study::TFormFortschritt>(),
    };
    return list;
}

const WindowEntry* findEntry(std::string_view className) {
    for (const WindowEntry& e : windowList())
        if (className == e.className) return &e;
    return nullptr;
}

}  // namespace app
