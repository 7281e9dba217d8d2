#include "web/Mirror.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"

namespace web {

namespace {

// Kinds whose controls the page mirrors; any other control that takes the focus (a paint
// box, a clickable picture) gets an element too, so the browser's focus can follow the
// program's.
bool mirrored(const ui::Control& c) {
    const std::string k = c.kind();
    return k == "Button" || k == "CheckBox" || k == "RadioGroup" || k == "TrackBar" || k == "ComboBox" ||
           k == "Edit" || k == "ListBox" || k == "ProgressBar" || k == "Label" || c.canFocus();
}

bool interactive(const ui::Control& c) {
    const std::string k = c.kind();
    return c.canFocus() || k == "Button" || k == "CheckBox" || k == "RadioGroup" || k == "TrackBar" ||
           k == "ComboBox" || k == "Edit" || k == "ListBox" || k == "ProgressBar";
}

bool scrolls(const ui::Control& c) { return c.kind() == "ListBox" || c.kind() == "ComboBox"; }

void rect(Json& j, const ui::raster::Rect& r) {
    j.beginArray().number(r.left).number(r.top).number(r.right).number(r.bottom).endArray();
}

// Its own words: a caption, or a label's or link's text.
std::string caption(const ui::Control& c) {
    if (const auto* g = dynamic_cast<const ui::RadioGroup*>(&c)) return g->caption();
    const std::string k = c.kind();
    return k == "Button" || k == "CheckBox" || k == "Label" ? c.text() : "";
}

// What the page calls it: a clickable picture or text is a button.
std::string kindOf(const ui::Control& c) {
    if (c.pictureStop()) return "Picture";
    return dynamic_cast<const ui::LinkLabel*>(&c) ? "Link" : c.kind();
}

// The items a user sees (a list's visible rows, an open list's rows, every radio item)
// and the chosen one wherever it is, each with its bounds (empty when out of view).
void rows(Json& j, const ui::Control& c, int chosen) {
    const std::vector<std::string> items = c.items();
    j.key("count").number(static_cast<long long>(items.size()));
    j.key("rows").beginArray();
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        const ui::raster::Rect r = c.itemRect(i);
        if (r.empty() && i != chosen) continue;
        j.beginArray().number(i).string(items[static_cast<size_t>(i)]);
        j.number(r.left).number(r.top).number(r.right).number(r.bottom);
        j.endArray();
    }
    j.endArray();
}

// Reading order: the controls that take the focus in tab order, each text just before
// the first of them that lies below it in its column (a heading before its links); texts
// with none below them come last.
std::vector<const ui::Control*> readingOrder(const ui::Form& f) {
    std::vector<const ui::Control*> stops, texts;
    for (const ui::Control* c : f.tabOrderList())
        if (mirrored(*c) && c->showing()) (c->canFocus() ? stops : texts).push_back(c);
    std::vector<const ui::Control*> out;
    std::vector<bool> placed(texts.size(), false);
    for (const ui::Control* s : stops) {
        const ui::raster::Rect r = s->clientRect();
        for (size_t i = 0; i < texts.size(); ++i) {
            const ui::raster::Rect t = texts[i]->clientRect();
            if (placed[i] || t.top > r.top || t.right <= r.left || r.right <= t.left) continue;
            out.push_back(texts[i]);
            placed[i] = true;
        }
        out.push_back(s);
    }
    for (size_t i = 0; i < texts.size(); ++i)
        if (!placed[i]) out.push_back(texts[i]);
    return out;
}

}  // namespace

bool hasMirror(const ui::Form& f) {
    for (const ui::Control* c : f.controls())
        if (interactive(*c)) return true;
    return false;
}

void writeControls(Json& j, const ui::Form& f) {
    j.beginArray();
    for (const ui::Control* c : readingOrder(f)) {
        j.beginObject();
        j.key("name").string(c->name());
        j.key("kind").string(kindOf(*c));
        j.key("caption").string(caption(*c));
        j.key("accessibleName").string(c->accessibleName);
        j.key("rect");
        rect(j, c->clientRect());
        j.key("enabled").boolean(c->usable());
        j.key("focusable").boolean(c->canFocus());
        j.key("focused").boolean(c->focused());
        j.key("value").string(c->value());
        j.key("text").string(c->text());
        if (int lo = 0, hi = 0, pos = 0; c->range(lo, hi, pos))
            j.key("min").number(lo).key("max").number(hi).key("pos").number(pos);
        if (const auto* e = dynamic_cast<const ui::Edit*>(c)) {
            j.key("selStart").number(e->selStart()).key("selEnd").number(e->selStart() + e->selLength());
            j.key("backward").boolean(e->selLength() > 0 && e->caret() == e->selStart());
        }
        if (const auto* box = dynamic_cast<const ui::ComboBox*>(c)) {
            j.key("open").boolean(box->droppedDown());
            if (box->droppedDown()) {
                j.key("list");
                rect(j, box->listRect());
                j.key("hot").number(box->highlighted());
            }
        }
        const std::string k = c->kind();
        if (k == "ListBox" || k == "RadioGroup" || k == "ComboBox") rows(j, *c, std::atoi(c->value().c_str()));
        j.endObject();
    }
    j.endArray();
}

bool mirrorMayMove(const ui::Form& f, const ui::raster::Rect& r) {
    for (const ui::Control* c : f.controls()) {
        if (!scrolls(*c) || !c->showing()) continue;
        if (!c->clientRect().intersected(r).empty()) return true;
        if (const auto* box = dynamic_cast<const ui::ComboBox*>(c); box && box->droppedDown() &&
                                                                    !box->listRect().intersected(r).empty())
            return true;
    }
    return false;
}

}  // namespace web
