#include "study/FormSelbsttest.h"

#include <algorithm>
#include <cmath>

#include "assets/Photos.h"
#include "frame/Frame.h"
#include "ui/Application.h"
#include "ui/Jpeg.h"

namespace study {

namespace {
// The window in design units of an 800 x 600 screen.
constexpr double kWidth = 720, kHeight = 520;
constexpr double kMargin = 12, kInnerWidth = 696;
constexpr double kAnswerTop = 96, kAnswerHeight = 260;
constexpr double kRadioLine = 24, kCheckLine = 26;
// Picture questions: a 2 x 2 grid of pictures, the choice beside it.
constexpr double kThumbWidth = 210, kThumbHeight = 124, kThumbGap = 8;
constexpr double kPictureChoiceLeft = 460;
// A marker step of the hot spot's keyboard cursor, as a share of the picture's width.
constexpr int kMarkerSteps = 40;
constexpr ui::TColor kChosenFrame = ui::clRed;
constexpr ui::TColor kRightColour = 0x008000;  // dark green
constexpr ui::TColor kWrongColour = 0x0000C0;  // dark red

std::string percentText(int p) { return std::to_string(p) + " %"; }

// Fisher and Yates's shuffle on the generator's raw numbers (std::shuffle differs between
// standard libraries; the page and the program must give the same order).
void shuffle(std::vector<int>& v, std::mt19937& random) {
    for (size_t i = v.size(); i > 1; --i) std::swap(v[i - 1], v[random() % i]);
}
}  // namespace

TFormSelbsttest::TFormSelbsttest(ui::Application& app)
    : ui::Form(app, kClassName, "Selbsttest"),
      StatusBar1(*this, "StatusBar1", frame::kEscHint),
      ESC1(MainMenu1, "ESC1", "ESC", ui::ShortCut::Escape),
      bank(QuestionBank::builtIn()) {
    // The check boxes follow the radio group in the tab order.
    for (int i = 1; i <= kCheckBoxes; ++i) {
        CheckAntwort.push_back(std::make_unique<ui::CheckBox>(*this, "CheckAntwort" + std::to_string(i), ""));
        CheckAntwort.back()->tabOrder = RadioAntwort.tabOrder;
    }
    frame::escapeItem(*this, ESC1);
    LabelFrage.setWordWrap(true);
    LabelErklaerung.setWordWrap(true);
    EditZahl.accessibleName = "Zahlenantwort";
    EditZahl.maxLength = 16;
    ListBoxFalsch.accessibleName = "Falsch beantwortete Fragen";
    PaintBoxBild.tabStop = true;
    PaintBoxBild.accessibleName = "Bild der Frage";
    PaintBoxBild.color = ui::clBtnFace;
    PaintBoxBild.OnPaint = [this] { PaintBoxBildPaint(); };
    PaintBoxBild.OnMouseDown = [this](ui::MouseButton b, unsigned shift, int x, int y) { PaintBoxBildMouseDown(b, shift, x, y); };
    PaintBoxBild.OnKeyDown = [this](int key, unsigned shift) { return PaintBoxBildKeyDown(key, shift); };
    RadioAntwort.OnChange = [this] { RadioAntwortChange(); };
    ButtonPruefen.OnClick = [this] { ButtonPruefenClick(); };
    ButtonWeiter.OnClick = [this] { ButtonWeiterClick(); };
    ButtonNochmal.OnClick = [this] { ButtonNochmalClick(); };
    ButtonFalsche.OnClick = [this] { ButtonFalscheClick(); };
    ButtonSchliessen.OnClick = [this] { ButtonSchliessenClick(); };
    LinkAnsehen.OnClick = [this] { LinkAnsehenClick(); };
    ListBoxFalsch.OnChange = [this] { ListBoxFalschChange(); };
}

void TFormSelbsttest::FormCreate() {
    scale_ = frame::placeCentred(*this, kWidth, kHeight);
    ui::Font heading = font;
    heading.bold = true;
    LabelKopf.setFont(heading);
    LabelErgebnis.setFont(heading);
    ui::Font question = font;
    question.height = scale_.Y(-13);
    LabelFrage.setFont(question);

    const int x = scale_.X(kMargin), inner = scale_.X(kInnerWidth);
    LabelKopf.setBounds(x, scale_.Y(10), inner, scale_.Y(16));
    LabelFrage.setBounds(x, scale_.Y(34), inner, scale_.Y(16));
    for (size_t i = 0; i < CheckAntwort.size(); ++i)
        CheckAntwort[i]->setBounds(scale_.X(kMargin + 8), scale_.Y(kAnswerTop + kCheckLine * static_cast<double>(i)),
                                   scale_.X(kInnerWidth - 8), scale_.Y(22));
    LabelZahl.setBounds(x, scale_.Y(kAnswerTop + 4), scale_.X(90), scale_.Y(16));
    EditZahl.setBounds(scale_.X(kMargin + 95), scale_.Y(kAnswerTop), scale_.X(120), scale_.Y(22));
    LabelEinheit.setBounds(scale_.X(kMargin + 222), scale_.Y(kAnswerTop + 4), scale_.X(80), scale_.Y(16));
    ListBoxFalsch.setBounds(x, scale_.Y(kAnswerTop), inner, scale_.Y(kAnswerHeight - 60));
    const int bottom = clientHeight() - statusBarHeight() - scale_.Y(12);
    LabelErgebnis.setBounds(x, scale_.Y(kAnswerTop + kAnswerHeight + 6), inner, scale_.Y(16));
    LabelErklaerung.setBounds(x, scale_.Y(kAnswerTop + kAnswerHeight + 26), inner, scale_.Y(16));
    LinkAnsehen.setBounds(x, scale_.Y(kAnswerTop + kAnswerHeight + 60), inner, scale_.Y(16));
    const int bw = scale_.X(90), bh = scale_.Y(25), gap = scale_.X(8);
    ButtonPruefen.setBounds(x, bottom - bh, bw, bh);
    ButtonWeiter.setBounds(x + bw + gap, bottom - bh, bw, bh);
    ButtonNochmal.setBounds(x, bottom - bh, bw, bh);
    ButtonFalsche.setBounds(x + bw + gap, bottom - bh, scale_.X(190), bh);
    ButtonSchliessen.setBounds(x + inner - bw, bottom - bh, bw, bh);
    loaded();
    startChapter(Kapitel);
}

void TFormSelbsttest::FormShow() {
    if (Finished) ButtonNochmal.setFocus();
}

void TFormSelbsttest::PaintBoxBildPaint() {
    if (Order.empty() || Finished) return;
    const Question& q = question();
    ui::Canvas& c = PaintBoxBild.canvas;
    const ui::Rect box = PaintBoxBild.clientRect();
    c.pen.width = 1;
    c.brush.setColor(ui::clBtnFace);
    c.pen.color = ui::clBtnFace;
    c.Rectangle(0, 0, box.right - box.left, box.bottom - box.top);
    if (q.kind == Kind::Picture) {
        c.font = font;
        for (int i = 0; i < static_cast<int>(OptionOrder.size()) && i < kPictures; ++i) {
            const ui::Rect r = pictureRect(i);
            const Option& o = q.options[static_cast<size_t>(OptionOrder[static_cast<size_t>(i)])];
            c.StretchDraw(r, photo(o.text));
            const bool chosen = RadioAntwort.itemIndex() == i;
            c.brush.style = ui::BrushStyle::Clear;
            c.pen.color = chosen ? kChosenFrame : ui::clBlack;
            c.pen.width = chosen ? 3 : 1;
            c.Rectangle(r.left - 2, r.top - 2, r.right + 2, r.bottom + 2);
            c.pen.width = 1;
            c.brush.setColor(ui::clWhite);
            c.font.color = ui::clBlack;
            c.TextOut(r.left + 4, r.top + 4, " " + std::to_string(i + 1) + " ");
        }
        return;
    }
    if (q.kind != Kind::HotSpot) return;
    const ui::raster::Bitmap& b = photo(q.picture);
    const ui::Rect r = pictureRect(0);
    c.StretchDraw(r, b);
    c.brush.style = ui::BrushStyle::Clear;
    c.pen.color = ui::clBlack;
    c.Rectangle(r.left - 1, r.top - 1, r.right + 1, r.bottom + 1);
    auto toBox = [&](int px, int py) {
        return std::pair<int, int>{r.left + px * (r.right - r.left) / std::max(1, b.width),
                                   r.top + py * (r.bottom - r.top) / std::max(1, b.height)};
    };
    if (Checked) {
        // The right region, so that a wrong click shows where to look.
        const auto [x0, y0] = toBox(q.spotX, q.spotY);
        const auto [x1, y1] = toBox(q.spotX + q.spotW, q.spotY + q.spotH);
        c.pen.color = kRightColour;
        c.pen.width = 3;
        c.Rectangle(x0, y0, x1, y1);
    }
    if (Current.point) {
        const auto [mx, my] = toBox(Current.point->first, Current.point->second);
        const int arm = scale_.X(9);
        c.pen.width = 3;
        c.pen.color = kChosenFrame;
        c.MoveTo(mx - arm, my);
        c.LineTo(mx + arm + 1, my);
        c.MoveTo(mx, my - arm);
        c.LineTo(mx, my + arm + 1);
        c.pen.width = 1;
    }
}

void TFormSelbsttest::PaintBoxBildMouseDown(ui::MouseButton b, unsigned, int x, int y) {
    if (b != ui::MouseButton::Left || Order.empty() || Finished || Checked) return;
    const Question& q = question();
    if (q.kind == Kind::Picture) {
        for (int i = 0; i < static_cast<int>(OptionOrder.size()); ++i)
            if (pictureRect(i).contains(x, y)) RadioAntwort.setItemIndex(i);
        return;
    }
    if (q.kind != Kind::HotSpot) return;
    const ui::raster::Bitmap& bmp = photo(q.picture);
    const ui::Rect r = pictureRect(0);
    if (!r.contains(x, y)) return;
    Current.point = std::pair<int, int>{(x - r.left) * bmp.width / std::max(1, r.right - r.left),
                                        (y - r.top) * bmp.height / std::max(1, r.bottom - r.top)};
    PaintBoxBild.invalidate();
}

bool TFormSelbsttest::PaintBoxBildKeyDown(int key, unsigned shift) {
    if (Order.empty() || Finished || Checked || question().kind != Kind::HotSpot || (shift & (ui::ssAlt | ui::ssCtrl)))
        return false;
    const ui::raster::Bitmap& bmp = photo(question().picture);
    const int step = std::max(1, bmp.width / kMarkerSteps);
    int dx = 0, dy = 0;
    switch (key) {
        case ui::vk::Left: dx = -step; break;
        case ui::vk::Right: dx = step; break;
        case ui::vk::Up: dy = -step; break;
        case ui::vk::Down: dy = step; break;
        case ui::vk::Space: break;  // sets the marker where it is
        default: return false;
    }
    // The marker starts in the picture's middle.
    std::pair<int, int> p = Current.point.value_or(std::pair<int, int>{bmp.width / 2, bmp.height / 2});
    p.first = std::clamp(p.first + dx, 0, bmp.width - 1);
    p.second = std::clamp(p.second + dy, 0, bmp.height - 1);
    Current.point = p;
    PaintBoxBild.invalidate();
    return true;
}

void TFormSelbsttest::RadioAntwortChange() {
    if (!Order.empty() && !Finished && question().kind == Kind::Picture) PaintBoxBild.invalidate();
}

void TFormSelbsttest::ButtonPruefenClick() {
    if (Order.empty() || Finished || Checked) return;
    const Question& q = question();
    Current = readAnswer();
    const bool right = isRight(q, Current);
    Checked = true;
    ++Answered;
    if (right) RightInRound.insert(Order[static_cast<size_t>(Pos)]);
    else WrongInPass.push_back(Order[static_cast<size_t>(Pos)]);
    ui::Font f = LabelErgebnis.font();
    f.color = right ? kRightColour : kWrongColour;
    LabelErgebnis.setFont(f);
    std::string verdict = right ? "Richtig." : "Leider nicht richtig.";
    if (!right && q.kind == Kind::Number) {
        std::string v = std::to_string(q.value);
        // The answer as the file gives it, without trailing zeros, with a German comma.
        v.erase(v.find_last_not_of('0') + 1);
        if (!v.empty() && v.back() == '.') v.pop_back();
        std::replace(v.begin(), v.end(), '.', ',');
        verdict += " Richtig ist " + v + (q.unit.empty() ? "" : " " + q.unit) + ".";
    }
    LabelErgebnis.setCaption(verdict);
    LabelErklaerung.setCaption(q.explanation);
    showLink(q.window);
    // The answer stays as given; the controls no longer change it.
    RadioAntwort.setEnabled(false);
    for (auto& cb : CheckAntwort) cb->setEnabled(false);
    EditZahl.setEnabled(false);
    if (!right && q.kind != Kind::Number && q.kind != Kind::HotSpot) {
        // Tick the right choices' captions so the learner sees them.
        std::vector<std::string> items = RadioAntwort.items();
        for (size_t i = 0; i < OptionOrder.size(); ++i) {
            const bool r = q.options[static_cast<size_t>(OptionOrder[i])].right;
            if (q.kind == Kind::Multiple && i < CheckAntwort.size() && r)
                CheckAntwort[i]->setCaption(CheckAntwort[i]->caption() + "  ← richtig");
            if (q.kind != Kind::Multiple && i < items.size() && r) items[i] += "  ← richtig";
        }
        if (q.kind != Kind::Multiple) {
            const int keep = RadioAntwort.itemIndex();
            RadioAntwort.setItems(items);
            RadioAntwort.setItemIndex(keep);
        }
    }
    ButtonPruefen.setEnabled(false);
    ButtonWeiter.setEnabled(true);
    defaultButton = &ButtonWeiter;
    ButtonWeiter.setFocus();
    PaintBoxBild.invalidate();
}

void TFormSelbsttest::ButtonWeiterClick() {
    if (Order.empty() || Finished || !Checked) return;
    if (Pos + 1 < static_cast<int>(Order.size())) {
        ++Pos;
        showQuestion();
    } else {
        showResult();
    }
}

void TFormSelbsttest::ButtonNochmalClick() { startChapter(Kapitel); }

void TFormSelbsttest::ButtonFalscheClick() {
    if (!Finished || WrongInPass.empty()) return;
    startPass(WrongInPass);
}

void TFormSelbsttest::ButtonSchliessenClick() { Close(); }

void TFormSelbsttest::LinkAnsehenClick() {
    if (!link_.empty() && OpenTopic) OpenTopic(link_);
}

void TFormSelbsttest::ListBoxFalschChange() {
    const int i = ListBoxFalsch.itemIndex();
    if (i < 0 || i >= static_cast<int>(missedShown_.size())) return;
    const Question& q = bank.questions()[static_cast<size_t>(missedShown_[static_cast<size_t>(i)])];
    LabelErklaerung.setCaption(q.explanation);
    showLink(q.window);
}

void TFormSelbsttest::startChapter(Chapter c) {
    Kapitel = c;
    setCaption(std::string("Selbsttest ") + chapterName(c));
    RightInRound.clear();
    const std::vector<int> all = bank.ofChapter(c);
    RoundSize = static_cast<int>(all.size());
    startPass(all);
}

void TFormSelbsttest::startPass(std::vector<int> questions) {
    // Each pass has its own order; the same seed gives the same orders in every run.
    random_.seed(Seed * 7919u + static_cast<unsigned>(Kapitel) * 131u + static_cast<unsigned>(passes_++));
    shuffle(questions, random_);
    Order = std::move(questions);
    WrongInPass.clear();
    Answered = 0;
    Pos = 0;
    Finished = false;
    showQuestion();
}

void TFormSelbsttest::showQuestion() {
    Checked = false;
    Current = Answer{};
    const bool any = !Order.empty();
    const Question* q = any ? &question() : nullptr;
    LabelKopf.setCaption(std::string(chapterName(Kapitel)) + ": Frage " + std::to_string(Pos + 1) + " von " +
                         std::to_string(Order.size()));
    LabelFrage.setCaption(q ? q->text : "Zu diesem Kapitel gibt es keine Fragen.");
    OptionOrder.clear();
    if (q)
        for (size_t i = 0; i < q->options.size(); ++i) OptionOrder.push_back(static_cast<int>(i));
    shuffle(OptionOrder, random_);
    const Kind kind = q ? q->kind : Kind::Single;
    std::vector<std::string> items;
    for (size_t i = 0; i < OptionOrder.size(); ++i)
        items.push_back(kind == Kind::Picture ? "Aufnahme " + std::to_string(i + 1)
                                              : q->options[static_cast<size_t>(OptionOrder[i])].text);
    const bool choice = any && (kind == Kind::Single || kind == Kind::Picture);
    RadioAntwort.setVisible(choice);
    RadioAntwort.setEnabled(true);
    if (choice) {
        RadioAntwort.setItems(items);
        RadioAntwort.setItemIndex(-1);
        const double lines = static_cast<double>(items.size());
        if (kind == Kind::Picture)
            RadioAntwort.setBounds(scale_.X(kPictureChoiceLeft), scale_.Y(kAnswerTop), scale_.X(kInnerWidth + kMargin - kPictureChoiceLeft),
                                   scale_.Y(20 + kRadioLine * lines));
        else
            RadioAntwort.setBounds(scale_.X(kMargin), scale_.Y(kAnswerTop), scale_.X(kInnerWidth), scale_.Y(20 + kRadioLine * lines));
    }
    for (size_t i = 0; i < CheckAntwort.size(); ++i) {
        ui::CheckBox& cb = *CheckAntwort[i];
        const bool shown = any && kind == Kind::Multiple && i < items.size();
        cb.setVisible(shown);
        cb.setEnabled(true);
        cb.setChecked(false);
        cb.setCaption(shown ? items[i] : "");
    }
    const bool number = any && kind == Kind::Number;
    LabelZahl.setVisible(number);
    EditZahl.setVisible(number);
    EditZahl.setEnabled(true);
    EditZahl.setText("");
    LabelEinheit.setVisible(number);
    LabelEinheit.setCaption(q ? q->unit : "");
    PaintBoxBild.setVisible(any && (kind == Kind::Picture || kind == Kind::HotSpot));
    PaintBoxBild.tabStop = kind == Kind::HotSpot;
    layoutPicture();
    ListBoxFalsch.setVisible(false);
    LabelErgebnis.setCaption("");
    LabelErklaerung.setCaption("");
    showLink("");
    ButtonPruefen.setVisible(true);
    ButtonPruefen.setEnabled(any);
    ButtonWeiter.setVisible(true);
    ButtonWeiter.setEnabled(false);
    ButtonNochmal.setVisible(false);
    ButtonFalsche.setVisible(false);
    defaultButton = &ButtonPruefen;
    // The keyboard starts at the answer.
    if (choice) RadioAntwort.setFocus();
    else if (any && kind == Kind::Multiple) CheckAntwort.front()->setFocus();
    else if (number) EditZahl.setFocus();
    else if (PaintBoxBild.visible()) PaintBoxBild.setFocus();
    PaintBoxBild.invalidate();
}

void TFormSelbsttest::showResult() {
    Finished = true;
    const int p = percent();
    const bool passed = p >= kPassPercent;
    LabelKopf.setCaption(std::string("Selbsttest ") + chapterName(Kapitel) + ": Ergebnis");
    LabelFrage.setCaption(std::to_string(RightInRound.size()) + " von " + std::to_string(RoundSize) + " Fragen richtig (" +
                          percentText(p) + "). " +
                          (passed ? "Bestanden." : "Nicht bestanden: dazu sind " + percentText(kPassPercent) + " nötig."));
    RadioAntwort.setVisible(false);
    for (auto& cb : CheckAntwort) cb->setVisible(false);
    LabelZahl.setVisible(false);
    EditZahl.setVisible(false);
    LabelEinheit.setVisible(false);
    PaintBoxBild.setVisible(false);
    missedShown_ = WrongInPass;
    std::vector<std::string> names;
    for (int i : missedShown_) names.push_back(bank.questions()[static_cast<size_t>(i)].text);
    ListBoxFalsch.setItems(names);
    ListBoxFalsch.setVisible(!names.empty());
    ui::Font f = LabelErgebnis.font();
    f.color = passed ? kRightColour : kWrongColour;
    LabelErgebnis.setFont(f);
    LabelErgebnis.setCaption(names.empty() ? "Alle Fragen dieses Durchgangs richtig beantwortet."
                                           : "Falsch beantwortet (eine Frage wählen, um ihre Erklärung zu sehen):");
    LabelErgebnis.setTop(names.empty() ? scale_.Y(kAnswerTop) : scale_.Y(kAnswerTop - 20));
    LabelErklaerung.setCaption("");
    showLink("");
    ButtonPruefen.setVisible(false);
    ButtonWeiter.setVisible(false);
    ButtonNochmal.setVisible(true);
    ButtonFalsche.setVisible(true);
    ButtonFalsche.setEnabled(!WrongInPass.empty());
    defaultButton = &ButtonNochmal;
    ButtonNochmal.setFocus();
    if (OnFinished) OnFinished(Kapitel, p, passed);
}

void TFormSelbsttest::showLink(const std::string& className) {
    link_ = className;
    const ui::Form* f = className.empty() ? nullptr : application().findForm(className);
    std::string caption = f ? f->caption() : className;
    while (!caption.empty() && caption.back() == ' ') caption.pop_back();
    LinkAnsehen.setCaption(className.empty() ? "" : "Im Programm ansehen: " + caption);
    LinkAnsehen.setVisible(!className.empty());
    if (!className.empty())
        LinkAnsehen.setTop(std::max(LabelErklaerung.top() + LabelErklaerung.height() + scale_.Y(6),
                                    scale_.Y(kAnswerTop + kAnswerHeight + 56)));
    LabelErgebnis.setTop(Finished && !missedShown_.empty() ? scale_.Y(kAnswerTop - 20) : scale_.Y(kAnswerTop + kAnswerHeight + 6));
    if (Finished && !missedShown_.empty()) {
        LabelErklaerung.setTop(ListBoxFalsch.top() + ListBoxFalsch.height() + scale_.Y(8));
        if (!className.empty()) LinkAnsehen.setTop(LabelErklaerung.top() + LabelErklaerung.height() + scale_.Y(6));
    } else {
        LabelErklaerung.setTop(scale_.Y(kAnswerTop + kAnswerHeight + 26));
    }
}

void TFormSelbsttest::layoutPicture() {
    // Picture questions leave room for the choice beside the pictures.
    const bool choice = !Order.empty() && question().kind == Kind::Picture;
    const double width = choice ? kPictureChoiceLeft - kMargin - kThumbGap : kInnerWidth;
    PaintBoxBild.setBounds(scale_.X(kMargin), scale_.Y(kAnswerTop), scale_.X(width), scale_.Y(kAnswerHeight));
}

ui::Rect TFormSelbsttest::pictureRect(int i) const {
    const ui::Rect box = PaintBoxBild.clientRect();
    if (Order.empty()) return ui::Rect{};
    const Question& q = question();
    if (q.kind == Kind::Picture) {
        const int col = i % 2, row = i / 2;
        const int w = scale_.X(kThumbWidth), h = scale_.Y(kThumbHeight), gap = scale_.X(kThumbGap);
        const int l = 3 + col * (w + gap), t = 3 + row * (h + gap);
        return ui::Rect{l, t, l + w, t + h};
    }
    // The hot-spot picture as large as the area allows, in its proportions.
    const auto it = photos_.find(q.picture);
    const int pw = it != photos_.end() ? std::max(1, it->second.width) : 4, ph = it != photos_.end() ? std::max(1, it->second.height) : 3;
    const int aw = box.right - box.left - 4, ah = box.bottom - box.top - 4;
    int w = aw, h = static_cast<int>(std::lround(static_cast<double>(aw) * ph / pw));
    if (h > ah) {
        h = ah;
        w = static_cast<int>(std::lround(static_cast<double>(ah) * pw / ph));
    }
    return ui::Rect{2, 2, 2 + w, 2 + h};
}

Answer TFormSelbsttest::readAnswer() const {
    Answer a;
    if (Order.empty()) return a;
    const Question& q = question();
    switch (q.kind) {
        case Kind::Single:
        case Kind::Picture:
            if (const int i = RadioAntwort.itemIndex(); i >= 0 && i < static_cast<int>(OptionOrder.size()))
                a.chosen.push_back(OptionOrder[static_cast<size_t>(i)]);
            break;
        case Kind::Multiple:
            for (size_t i = 0; i < OptionOrder.size() && i < CheckAntwort.size(); ++i)
                if (CheckAntwort[i]->checked()) a.chosen.push_back(OptionOrder[i]);
            break;
        case Kind::HotSpot: a.point = Current.point; break;
        case Kind::Number: a.number = EditZahl.text(); break;
    }
    return a;
}

const ui::raster::Bitmap& TFormSelbsttest::photo(const std::string& file) {
    auto it = photos_.find(file);
    if (it == photos_.end()) {
        const metallo::EmbeddedFile* f = assets::photo(file);
        ui::DecodedPicture d = f ? ui::decodeJpeg(f->data, f->size, 0, 0) : ui::DecodedPicture{};
        if (!d.ok) d = ui::decodeJpeg(nullptr, 0, 160, 100);  // the grey placeholder
        it = photos_.emplace(file, std::move(d.bitmap)).first;
    }
    return it->second;
}

int TFormSelbsttest::percent() const {
    if (RoundSize == 0) return 0;
    return static_cast<int>(std::lround(100.0 * static_cast<double>(RightInRound.size()) / RoundSize));
}

std::vector<std::pair<std::string, std::string>> TFormSelbsttest::values() const {
    return {{"kapitel", chapterKey(Kapitel)},
            {"frage", std::to_string(Finished ? 0 : Pos + 1)},
            {"fragen", std::to_string(Order.size())},
            {"richtig", std::to_string(RightInRound.size())},
            {"beantwortet", std::to_string(Answered)},
            {"punkte_prozent", std::to_string(percent())},
            {"bestanden", Finished && percent() >= kPassPercent ? "1" : "0"}};
}

}  // namespace study
