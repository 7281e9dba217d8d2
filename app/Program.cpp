#include "app/Program.h"

#include <functional>

#include "app/FormHaupt.h"
#include "app/FormInfo.h"
#include "app/FormMetallo.h"
#include "chapters/analysis/FormDetSch.h"
#include "chapters/analysis/FormEDXAn.h"
#include "chapters/analysis/FormEDXOrd.h"
#include "chapters/analysis/FormEDXWeg.h"
#include "chapters/analysis/FormREMCHA.h"
#include "chapters/analysis/FormREMCHA2.h"
#include "chapters/analysis/FormREMEDX.h"
#include "chapters/analysis/FormREMEDXWDX.h"
#include "chapters/analysis/FormREMEDXWDXEin.h"
#include "chapters/lm/FormEWELLENL.h"
#include "chapters/lm/FormGPG.h"
#include "chapters/lm/FormLM45C1.h"
#include "chapters/lm/FormLM45C2.h"
#include "chapters/lm/FormLM45C3.h"
#include "chapters/lm/FormLMCrNi1.h"
#include "chapters/lm/FormLMCrNi2.h"
#include "chapters/lm/FormLMCrNi3.h"
#include "chapters/lm/FormLMEin.h"
#include "chapters/lm/FormLMEin2.h"
#include "chapters/lm/FormLMEinrichtungen.h"
#include "chapters/lm/FormLMLichtmikro.h"
#include "chapters/lm/FormLMMikro.h"
#include "chapters/lm/FormLMSchema.h"
#include "chapters/lm/FormPEin.h"
#include "chapters/lm/FormPKontrast.h"
#include "chapters/lm/FormPPSchritte.h"
#include "chapters/lm/FormPPol.h"
#include "chapters/lm/FormPSchleif.h"
#include "chapters/lm/FormPTrennen.h"
#include "chapters/lm/FormSLicht.h"
#include "chapters/macro/FormLMStereomikro.h"
#include "chapters/macro/FormMakroAuf.h"
#include "chapters/macro/FormMakroCr1.h"
#include "chapters/macro/FormMakroCr2.h"
#include "chapters/macro/FormMakroCr3.h"
#include "chapters/macro/FormMakroEin.h"
#include "chapters/macro/FormMakroSt1.h"
#include "chapters/macro/FormMakroSt2.h"
#include "chapters/macro/FormMakroSt3.h"
#include "chapters/rem/FormAvTAus.h"
#include "chapters/rem/FormAvTDuk.h"
#include "chapters/rem/FormAvTMisch.h"
#include "chapters/rem/FormAvTSpa.h"
#include "chapters/rem/FormREMAvT.h"
#include "chapters/rem/FormREMBDet.h"
#include "chapters/rem/FormREMBGes.h"
#include "chapters/rem/FormREMBProbe.h"
#include "chapters/rem/FormREMBSE.h"
#include "chapters/rem/FormREMBSEEin.h"
#include "chapters/rem/FormREMBVAk.h"
#include "chapters/rem/FormREMCrNi1.h"
#include "chapters/rem/FormREMCrNi2.h"
#include "chapters/rem/FormREMCrNi3.h"
#include "chapters/rem/FormREMEW.h"
#include "chapters/rem/FormREMEWK.h"
#include "chapters/rem/FormREMEin.h"
#include "chapters/rem/FormREMRaster.h"
#include "chapters/rem/FormREMSE.h"
#include "chapters/rem/FormREMSEEin.h"
#include "chapters/rem/FormREMWechsel.h"

namespace app {

namespace {
struct Entry {
    const char* className;
    std::unique_ptr<ui::Form> (*make)(ui::Application&);
};

// The fixed creation order; the first window is the main window.
const Entry kWindows[] = {
        {"TFormHaupt", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<app::TFormHaupt>(a); }},
        {"TFormREMBGes", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormREMBGes>(a); }},
        {"TFormREMBVAk", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormREMBVAk>(a); }},
        {"TFormREMBProbe", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormREMBProbe>(a); }},
        {"TFormREMBDet", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormREMBDet>(a); }},
        {"TFormREMWechsel", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormREMWechsel>(a); }},
        {"TFormREMCHA", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormREMCHA>(a); }},
        {"TFormREMCHA2", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormREMCHA2>(a); }},
        {"TFormEWELLENL", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormEWELLENL>(a); }},
        {"TFormEDXWeg", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormEDXWeg>(a); }},
        {"TFormLMMikro", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormLMMikro>(a); }},
        {"TFormLMStereomikro", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormLMStereomikro>(a); }},
        {"TFormLMLichtmikro", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormLMLichtmikro>(a); }},
        {"TFormREMRaster", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormREMRaster>(a); }},
        {"TFormREMAvT", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormREMAvT>(a); }},
        {"TFormREMEDX", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormREMEDX>(a); }},
        {"TFormMetallo", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<app::TFormMetallo>(a); }},
        {"TFormMakroEin", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormMakroEin>(a); }},
        {"TFormMakroAuf", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormMakroAuf>(a); }},
        {"TFormMakroSt1", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormMakroSt1>(a); }},
        {"TFormMakroSt2", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormMakroSt2>(a); }},
        {"TFormMakroSt3", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormMakroSt3>(a); }},
        {"TFormMakroCr2", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormMakroCr2>(a); }},
        {"TFormMakroCr1", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormMakroCr1>(a); }},
        {"TFormMakroCr3", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormMakroCr3>(a); }},
        {"TFormInfo", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<app::TFormInfo>(a); }},
        {"TFormLMEin", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormLMEin>(a); }},
        {"TFormLMEin2", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormLMEin2>(a); }},
        {"TFormREMEin", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormREMEin>(a); }},
        {"TFormLMSchema", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormLMSchema>(a); }},
        {"TFormLM45C1", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormLM45C1>(a); }},
        {"TFormLM45C2", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormLM45C2>(a); }},
        {"TFormLM45C3", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormLM45C3>(a); }},
        {"TFormLMCrNi1", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormLMCrNi1>(a); }},
        {"TFormLMCrNi2", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormLMCrNi2>(a); }},
        {"TFormLMCrNi3", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormLMCrNi3>(a); }},
        {"TFormREMBSE", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormREMBSE>(a); }},
        {"TFormREMSE", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormREMSE>(a); }},
        {"TFormREMSEEin", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormREMSEEin>(a); }},
        {"TFormREMBSEEin", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormREMBSEEin>(a); }},
        {"TFormREMEDXWDX", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormREMEDXWDX>(a); }},
        {"TFormREMEDXWDXEin", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormREMEDXWDXEin>(a); }},
        {"TFormREMCrNi1", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormREMCrNi1>(a); }},
        {"TFormREMCrNi2", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormREMCrNi2>(a); }},
        {"TFormREMCrNi3", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormREMCrNi3>(a); }},
        {"TFormEDXAn", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormEDXAn>(a); }},
        {"TFormDetSch", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormDetSch>(a); }},
        {"TFormEDXOrd", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormEDXOrd>(a); }},
        {"TFormPTrennen", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormPTrennen>(a); }},
        {"TFormPEin", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormPEin>(a); }},
        {"TFormPKontrast", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormPKontrast>(a); }},
        {"TFormPPol", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormPPol>(a); }},
        {"TFormPSchleif", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormPSchleif>(a); }},
        {"TFormPPSchritte", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormPPSchritte>(a); }},
        {"TFormGPG", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormGPG>(a); }},
        {"TFormSLicht", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormSLicht>(a); }},
        {"TFormREMEW", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormREMEW>(a); }},
        {"TFormREMEWK", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormREMEWK>(a); }},
        {"TFormAvTSpa", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormAvTSpa>(a); }},
        {"TFormAvTAus", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormAvTAus>(a); }},
        {"TFormAvTDuk", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormAvTDuk>(a); }},
        {"TFormAvTMisch", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormAvTMisch>(a); }},
        {"TFormLMEinrichtungen", [](ui::Application& a) -> std::unique_ptr<ui::Form> { return std::make_unique<chapters::TFormLMEinrichtungen>(a); }},
};
}  // namespace

const std::vector<std::string>& windowOrder() {
    static const std::vector<std::string> order = [] {
        std::vector<std::string> v;
        for (const Entry& e : kWindows) v.emplace_back(e.className);
        return v;
    }();
    return order;
}

Program::Program(ui::Application& app) : app_(app) {}

Program::~Program() {
    // The application keeps pointers to the windows; it must not deliver anything now.
    app_.setBackend(nullptr);
}

void Program::start() {
    for (const Entry& e : kWindows) {
        windows_.push_back(e.make(app_));
        app_.create(*windows_.back());
    }
    windows_.front()->Show();
}

}  // namespace app
