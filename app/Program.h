// Start-up: creates every window of the program once, in its fixed order, and shows
// the title window. Closing the title window ends the program.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/CommandLine.h"
#include "study/Progress.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace app {

class Program {
public:
    explicit Program(ui::Application& app);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Creates the 63 windows (each runs its create handler with the screen size of
    // this moment) and shows the title window.
    void start();
    // The same start-up in steps, for a caller that must give the thread back now and then
    // (the browser): createNextWindow() creates the next window of the list, false once all
    // are there; finishStart() then connects them and shows the title window.
    bool createNextWindow();
    void finishStart();
    bool started() const { return started_; }
    const std::vector<std::unique_ptr<ui::Form>>& windows() const { return windows_; }
    ui::Form& title() const { return *windows_.front(); }

    // The learner's progress. Before start(): keep it in the folder (read now, written
    // after every change); without it the progress lives only as long as the program.
    void keepProgressIn(const std::string& dir);
    study::Progress& progress() { return progress_; }
    // Hears every change of the progress (the browser keeps it in the page's storage).
    std::function<void()> ProgressChanged;
    // The self-tests shuffle from this seed (the same seed, the same orders: headless runs
    // keep the fixed one, the desktop takes a new one each start).
    void seedSelfTests(unsigned seed);
    // Replaces the progress (read from elsewhere) and shows it.
    void replaceProgress(const study::Progress& p);
    // The progress as text (at most `limit` bytes when > 0), and read back from text:
    // "" when it was taken, else why not (the progress then stays as it was).
    std::string progressText(size_t limit = 0) const { return progress_.serialize(limit); }
    std::string setProgressText(std::string_view text);
    // Where the desktop keeps the progress unless --state says otherwise.
    static std::string defaultProgressFolder();

private:
    ui::Application& app_;
    std::vector<std::unique_ptr<ui::Form>> windows_;
    study::Progress progress_;
    std::string stateDir_;
    bool saveFailed_ = false;
    bool started_ = false;
};

// Runs the program without a display (script or export); returns the exit status.
int runHeadless(const Options& options);

}  // namespace app
