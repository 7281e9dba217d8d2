#include "study/FormGlossar.h"

#include <algorithm>

#include "frame/Frame.h"
#include "frame/Layout.h"
#include "ui/Application.h"

namespace study {

namespace {
// The window in design units of an 800 x 600 screen.
constexpr double kWidth = 720, kHeight = 520;
constexpr double kLeftColumn = 12, kListWidth = 230, kRightColumn = 260, kRightWidth = 440;
constexpr double kLinkIndent = 12;

std::string countText(size_t n) { return n == 1 ? "1 Begriff" : std::to_string(n) + " Begriffe"; }
}  // namespace

TFormGlossar::TFormGlossar(ui::Application& app)
    : ui::Form(app, kClassName, "Glossar"),
      StatusBar1(*this, "StatusBar1", frame::kEscHint),
      ESC1(MainMenu1, "ESC1", "ESC", ui::ShortCut::Escape),
      glossary(Glossary::builtIn()) {
    for (int i = 1; i <= kSeeAlsoLinks; ++i) {
        LinkSiehe.push_back(std::make_unique<ui::LinkLabel>(*this, "LinkSiehe" + std::to_string(i), ""));
        LinkSiehe.back()->OnClick = [this, i] { LinkSieheClick(i - 1); };
    }
    // The window links follow the related terms in the tab order, before the close button.
    for (int i = 1; i <= kWindowLinks; ++i) {
        LinkAnsehen.push_back(std::make_unique<ui::LinkLabel>(*this, "LinkAnsehen" + std::to_string(i), ""));
        LinkAnsehen.back()->OnClick = [this, i] { LinkAnsehenClick(i - 1); };
    }
    ButtonSchliessen.tabOrder = static_cast<int>(controls().size());
    frame::escapeItem(*this, ESC1);
    EditSuche.accessibleName = "Suche im Glossar";
    EditSuche.maxLength = 40;
    ListBoxBegriffe.accessibleName = "Begriffe";
    LabelBegriff.autoSize = false;
    LabelText.autoSize = true;
    LabelText.setWordWrap(true);
    EditSuche.OnChange = [this] { EditSucheChange(); };
    EditSuche.OnKeyDown = [this](int key, unsigned shift) { return EditSucheKeyDown(key, shift); };
    ListBoxBegriffe.OnChange = [this] { ListBoxBegriffeChange(); };
    ListBoxBegriffe.OnKeyDown = [this](int key, unsigned shift) { return ListBoxBegriffeKeyDown(key, shift); };
    ButtonSchliessen.OnClick = [this] { ButtonSchliessenClick(); };
}

void TFormGlossar::FormCreate() {
    scale_ = frame::placeCentred(*this, kWidth, kHeight);
    ui::Font title = font;
    title.height = scale_.Y(-16);
    title.bold = true;
    LabelBegriff.setFont(title);
    ui::Font heading = font;
    heading.bold = true;
    LabelSiehe.setFont(heading);
    LabelAnsehen.setFont(heading);

    const int bottom = clientHeight() - statusBarHeight() - scale_.Y(12);
    LabelSuche.setBounds(scale_.X(kLeftColumn), scale_.Y(12), scale_.X(kListWidth), scale_.Y(16));
    EditSuche.setBounds(scale_.X(kLeftColumn), scale_.Y(30), scale_.X(kListWidth), scale_.Y(22));
    LabelTreffer.setBounds(scale_.X(kLeftColumn), scale_.Y(58), scale_.X(kListWidth), scale_.Y(16));
    ListBoxBegriffe.setBounds(scale_.X(kLeftColumn), scale_.Y(78), scale_.X(kListWidth), bottom - scale_.Y(78));
    LabelBegriff.setBounds(scale_.X(kRightColumn), scale_.Y(12), scale_.X(kRightWidth), scale_.Y(26));
    LabelText.setBounds(scale_.X(kRightColumn), scale_.Y(46), scale_.X(kRightWidth), scale_.Y(16));
    ButtonSchliessen.setBounds(scale_.X(kRightColumn + kRightWidth - 90), bottom - scale_.Y(25), scale_.X(90), scale_.Y(25));
    loaded();  // the labels size themselves again in the grown font
    fillList(glossary.search(""), "");
}

void TFormGlossar::EditSucheChange() {
    if (filling_) return;
    fillList(glossary.search(EditSuche.text()), "");
}

bool TFormGlossar::EditSucheKeyDown(int key, unsigned shift) {
    // Down (or Enter) goes into the list and chooses its first term.
    if ((key == ui::vk::Down || key == ui::vk::Return) && !(shift & (ui::ssAlt | ui::ssCtrl)) && !Shown.empty()) {
        ListBoxBegriffe.setFocus();
        if (ListBoxBegriffe.itemIndex() < 0) ListBoxBegriffe.setItemIndex(0);
        return true;
    }
    return false;
}

void TFormGlossar::ListBoxBegriffeChange() {
    const int i = ListBoxBegriffe.itemIndex();
    Chosen = i >= 0 && i < static_cast<int>(Shown.size()) ? Shown[static_cast<size_t>(i)] : -1;
    showChosen();
}

bool TFormGlossar::ListBoxBegriffeKeyDown(int key, unsigned shift) {
    // Enter takes the keyboard to the chosen term's first link.
    if (key != ui::vk::Return || (shift & (ui::ssAlt | ui::ssCtrl)) || Chosen < 0) return false;
    for (auto* links : {&LinkSiehe, &LinkAnsehen})
        for (auto& l : *links)
            if (l->visible()) {
                l->setFocus();
                return true;
            }
    return false;
}

void TFormGlossar::LinkSieheClick(int i) {
    if (Chosen < 0) return;
    const Term& t = glossary.terms()[static_cast<size_t>(Chosen)];
    if (i < static_cast<int>(t.seeAlso.size())) showTerm(t.seeAlso[static_cast<size_t>(i)]);
}

void TFormGlossar::LinkAnsehenClick(int i) {
    if (Chosen < 0) return;
    const Term& t = glossary.terms()[static_cast<size_t>(Chosen)];
    if (i < static_cast<int>(t.windows.size()) && OpenTopic) OpenTopic(t.windows[static_cast<size_t>(i)]);
}

void TFormGlossar::ButtonSchliessenClick() { Close(); }

bool TFormGlossar::showTerm(const std::string& name) {
    const int term = glossary.find(name);
    if (term < 0) return false;
    auto it = std::find(Shown.begin(), Shown.end(), term);
    if (it == Shown.end()) {
        // Not among the terms listed: the whole list again.
        filling_ = true;
        EditSuche.setText("");
        filling_ = false;
        fillList(glossary.search(""), "");
        it = std::find(Shown.begin(), Shown.end(), term);
    }
    ListBoxBegriffe.setItemIndex(static_cast<int>(it - Shown.begin()));
    return true;
}

void TFormGlossar::showTermsOf(const Form& window) {
    std::vector<int> terms = glossary.termsOfWindow(window.className());
    filling_ = true;
    EditSuche.setText("");
    filling_ = false;
    if (terms.empty()) {
        fillList(glossary.search(""), "");
    } else {
        fillList(std::move(terms), "zu diesem Fenster");
        ListBoxBegriffe.setItemIndex(0);
    }
    ListBoxBegriffe.setFocus();
}

void TFormGlossar::fillList(std::vector<int> terms, const std::string& heading) {
    const int keep = Chosen;
    Shown = std::move(terms);
    std::vector<std::string> names;
    for (int i : Shown) names.push_back(glossary.terms()[static_cast<size_t>(i)].name);
    ListBoxBegriffe.setItems(std::move(names));
    LabelTreffer.setCaption(heading.empty() ? countText(Shown.size()) : countText(Shown.size()) + " " + heading);
    // The chosen term stays chosen while it is listed.
    const auto it = std::find(Shown.begin(), Shown.end(), keep);
    if (it != Shown.end()) ListBoxBegriffe.setItemIndex(static_cast<int>(it - Shown.begin()));
    else ListBoxBegriffeChange();
}

void TFormGlossar::showChosen() {
    const Term* t = Chosen >= 0 ? &glossary.terms()[static_cast<size_t>(Chosen)] : nullptr;
    LabelBegriff.setCaption(t ? t->name : "");
    LabelText.setCaption(t ? t->text : (Shown.empty() ? "Kein Begriff passt zur Suche." : "Bitte einen Begriff wählen."));
    if (t && OnTermShown) OnTermShown(t->name);
    int y = LabelText.top() + LabelText.height() + scale_.Y(14);
    const int x = scale_.X(kRightColumn), linkX = scale_.X(kRightColumn + kLinkIndent);
    const int line = LabelAnsehen.height() + scale_.Y(4);
    auto place = [&](ui::Label& heading, std::vector<std::unique_ptr<ui::LinkLabel>>& links, const std::vector<std::string>& captions) {
        heading.setVisible(!captions.empty());
        if (!captions.empty()) {
            heading.setBounds(x, y, heading.width(), heading.height());
            y += line;
        }
        for (size_t i = 0; i < links.size(); ++i) {
            ui::LinkLabel& l = *links[i];
            l.setVisible(i < captions.size());
            if (i >= captions.size()) continue;
            l.setCaption(captions[i]);
            l.setBounds(linkX, y, l.width(), l.height());
            y += line;
        }
        y += scale_.Y(10);
    };
    std::vector<std::string> windows;
    if (t)
        for (const std::string& cls : t->windows) {
            const Form* f = application().findForm(cls);
            std::string caption = f ? f->caption() : cls;
            while (!caption.empty() && caption.back() == ' ') caption.pop_back();
            windows.push_back(caption);
        }
    place(LabelSiehe, LinkSiehe, t ? t->seeAlso : std::vector<std::string>{});
    place(LabelAnsehen, LinkAnsehen, windows);
}

std::vector<std::pair<std::string, std::string>> TFormGlossar::values() const {
    return {{"begriffe", std::to_string(glossary.terms().size())},
            {"treffer", std::to_string(Shown.size())},
            {"begriff", Chosen >= 0 ? glossary.terms()[static_cast<size_t>(Chosen)].name : ""}};
}

}  // namespace study
