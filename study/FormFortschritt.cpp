#include "study/FormFortschritt.h"

#include "frame/Frame.h"
#include "ui/Application.h"

namespace study {

namespace {
// The window in design units of an 800 x 600 screen.
constexpr double kWidth = 640, kHeight = 500;
constexpr double kMargin = 12, kColumn = 300, kGap = 16;
}  // namespace

TFormFortschritt::TFormFortschritt(ui::Application& app)
    : ui::Form(app, kClassName, "Fortschritt"),
      StatusBar1(*this, "StatusBar1", frame::kEscHint),
      ESC1(MainMenu1, "ESC1", "ESC", ui::ShortCut::Escape) {
    for (int c = 0; c < kChapters; ++c)
        LabelTest.push_back(std::make_unique<ui::Label>(*this, "LabelTest" + std::to_string(c + 1), ""));
    // The question and its answers come before the other buttons in the tab order.
    ButtonJa.tabOrder = ButtonZuruecksetzen.tabOrder;
    ButtonNein.tabOrder = ButtonZuruecksetzen.tabOrder;
    frame::escapeItem(*this, ESC1);
    ListBoxFenster.accessibleName = "Themenfenster";
    ListBoxBegriffe.accessibleName = "Gelesene Begriffe";
    LabelFrage.setWordWrap(true);
    ButtonZuruecksetzen.OnClick = [this] { ButtonZuruecksetzenClick(); };
    ButtonJa.OnClick = [this] { ButtonJaClick(); };
    ButtonNein.OnClick = [this] { ButtonNeinClick(); };
    ButtonSchliessen.OnClick = [this] { ButtonSchliessenClick(); };
}

void TFormFortschritt::FormCreate() {
    scale_ = frame::placeCentred(*this, kWidth, kHeight);
    ui::Font heading = font;
    heading.bold = true;
    LabelFenster.setFont(heading);
    LabelTests.setFont(heading);
    LabelBegriffe.setFont(heading);

    const int x = scale_.X(kMargin), col = scale_.X(kColumn), right = scale_.X(kMargin + kColumn + kGap);
    const int bottom = clientHeight() - statusBarHeight() - scale_.Y(12);
    const int bh = scale_.Y(25), bw = scale_.X(90);
    LabelFenster.setBounds(x, scale_.Y(10), col, scale_.Y(16));
    ListBoxFenster.setBounds(x, scale_.Y(30), col, bottom - bh - scale_.Y(70) - scale_.Y(30));
    LabelTests.setBounds(right, scale_.Y(10), col, scale_.Y(16));
    for (size_t i = 0; i < LabelTest.size(); ++i)
        LabelTest[i]->setBounds(right, scale_.Y(32 + 20 * static_cast<double>(i)), col, scale_.Y(16));
    LabelBegriffe.setBounds(right, scale_.Y(124), col, scale_.Y(16));
    ListBoxBegriffe.setBounds(right, scale_.Y(144), col, bottom - bh - scale_.Y(70) - scale_.Y(144));
    LabelFrage.setBounds(x, bottom - bh - scale_.Y(56), scale_.X(kWidth - 2 * kMargin), scale_.Y(16));
    ButtonZuruecksetzen.setBounds(x, bottom - bh, scale_.X(110), bh);
    ButtonJa.setBounds(x, bottom - bh, bw, bh);
    ButtonNein.setBounds(x + bw + scale_.X(8), bottom - bh, bw, bh);
    ButtonSchliessen.setBounds(x + scale_.X(kWidth - 2 * kMargin) - bw, bottom - bh, bw, bh);
    loaded();
    ask(false);
    refresh();
}

void TFormFortschritt::FormShow() {
    ask(false);
    refresh();
}

void TFormFortschritt::ButtonZuruecksetzenClick() { ask(true); }

void TFormFortschritt::ButtonJaClick() {
    if (progress) progress->reset();
    ask(false);
    refresh();
    if (OnChange) OnChange();
}

void TFormFortschritt::ButtonNeinClick() { ask(false); }

void TFormFortschritt::ButtonSchliessenClick() { Close(); }

void TFormFortschritt::ask(bool asking) {
    LabelFrage.setCaption(asking ? "Soll der ganze Fortschritt (geöffnete Fenster, Testergebnisse, gelesene Begriffe) "
                                   "gelöscht werden? Das lässt sich nicht rückgängig machen."
                                 : "");
    LabelFrage.setVisible(asking);
    ButtonJa.setVisible(asking);
    ButtonNein.setVisible(asking);
    ButtonZuruecksetzen.setVisible(!asking);
    defaultButton = asking ? &ButtonNein : nullptr;
    if (asking) ButtonNein.setFocus();
    else if (ButtonZuruecksetzen.focused() || ButtonJa.focused() || !activeControl()) ButtonSchliessen.setFocus();
}

int TFormFortschritt::windowsOpened() const {
    int n = 0;
    if (progress)
        for (const std::string& w : TopicWindows) n += progress->windows().count(w) ? 1 : 0;
    return n;
}

void TFormFortschritt::refresh() {
    const Progress empty;
    const Progress& p = progress ? *progress : empty;
    LabelFenster.setCaption("Themenfenster geöffnet: " + std::to_string(windowsOpened()) + " von " +
                            std::to_string(TopicWindows.size()));
    std::vector<std::string> rows;
    for (const std::string& cls : TopicWindows) {
        const ui::Form* f = application().findForm(cls);
        std::string caption = f ? f->caption() : cls;
        while (!caption.empty() && caption.back() == ' ') caption.pop_back();
        rows.push_back((p.windows().count(cls) ? "[x] " : "[  ] ") + caption);
    }
    ListBoxFenster.setItems(std::move(rows));
    for (int c = 0; c < kChapters; ++c) {
        const TestRecord& t = p.test(static_cast<Chapter>(c));
        std::string line = std::string(chapterName(static_cast<Chapter>(c))) + ": ";
        if (t.attempts == 0) line += "noch nicht gemacht";
        else line += "bestes Ergebnis " + std::to_string(t.best) + " %, " + (t.passed ? "bestanden" : "nicht bestanden");
        LabelTest[static_cast<size_t>(c)]->setCaption(line);
    }
    LabelBegriffe.setCaption("Glossarbegriffe gelesen: " + std::to_string(p.terms().size()));
    ListBoxBegriffe.setItems(std::vector<std::string>(p.terms().begin(), p.terms().end()));
}

std::vector<std::pair<std::string, std::string>> TFormFortschritt::values() const {
    std::vector<std::pair<std::string, std::string>> out{{"fenster", std::to_string(windowsOpened())},
                                                         {"fenster_gesamt", std::to_string(TopicWindows.size())},
                                                         {"begriffe", std::to_string(progress ? progress->terms().size() : 0)}};
    for (int c = 0; c < kChapters; ++c) {
        const TestRecord t = progress ? progress->test(static_cast<Chapter>(c)) : TestRecord{};
        const std::string key = std::string("test_") + chapterKey(static_cast<Chapter>(c));
        out.emplace_back(key + "_bestwert", std::to_string(t.best));
        out.emplace_back(key + "_bestanden", t.passed ? "1" : "0");
    }
    return out;
}

}  // namespace study
