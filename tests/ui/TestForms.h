// Small forms for the windowing-layer tests.
#pragma once

#include <string>
#include <vector>

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/headless/Headless.h"

namespace testforms {

// A form that records its handlers.
class Recorder : public ui::Form {
public:
    Recorder(ui::Application& app, std::string name, std::vector<std::string>* log)
        : ui::Form(app, name, name), log_(log), Ende1(menu1, "Ende1", "&Ende"),
          ESC1(menu1, "ESC1", "ESC", ui::ShortCut::Escape) {
        ESC1.setVisible(false);
        Ende1.OnClick = [this] { Close(); };
        ESC1.OnClick = [this] { Close(); };
    }
    void FormCreate() override { note("create"); }
    void FormPaint() override {
        ++paints;
        note("paint");
    }
    void FormShow() override { note("show"); }
    void FormActivate() override { note("activate"); }
    void FormClose() override { note("close"); }

    int paints = 0;
    ui::MainMenu menu1{*this};

private:
    void note(const char* what) {
        if (log_) log_->push_back(className() + ":" + what);
    }
    std::vector<std::string>* log_;

public:
    ui::MenuItem Ende1;
    ui::MenuItem ESC1;
};

}  // namespace testforms
