// Whether the program finds a display, decided before Qt starts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "desktop/Display.h"

namespace {

// Sets the three variables for one case and puts them back afterwards.
class Environment {
public:
    Environment(const char* display, const char* wayland, const char* platform) {
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            const char* v = std::getenv(name);
            saved_[name] = v ? std::optional<std::string>(v) : std::nullopt;
        }
        set("DISPLAY", display);
        set("WAYLAND_DISPLAY", wayland);
        set("QT_QPA_PLATFORM", platform);
    }
    ~Environment() {
        for (const auto& [name, v] : saved_) set(name.c_str(), v ? v->c_str() : nullptr);
    }

private:
    static void set(const char* name, const char* value) {
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    std::map<std::string, std::optional<std::string>> saved_;
};

std::string problem() { return desktop::DisplayCheck().problem(); }

bool oneLine(const std::string& s) { return !s.empty() && s.find('\n') == std::string::npos; }

TEST(DesktopDisplay, MissingDisplayIsOneLineAndPlatformsWithoutServerPass) {
    {
        Environment e(nullptr, nullptr, nullptr);
        const std::string m = problem();
        EXPECT_TRUE(oneLine(m)) << m;
        EXPECT_NE(m.find("DISPLAY"), std::string::npos) << m;
    }
    {
        Environment e(nullptr, nullptr, "xcb");
        EXPECT_TRUE(oneLine(problem()));
    }
    {
        Environment e(nullptr, nullptr, "wayland");
        EXPECT_NE(problem().find("WAYLAND_DISPLAY"), std::string::npos);
    }
    for (const char* platform : {"offscreen", "minimal", "offscreen:fontengine=freetype", "vnc"}) {
        Environment e(nullptr, nullptr, platform);
        EXPECT_EQ(problem(), "") << platform;
    }
    {
        Environment e(nullptr, "wayland-0", nullptr);
        EXPECT_EQ(problem(), "");
    }
}

TEST(DesktopDisplay, AnXDisplayThatDoesNotAnswerCountsAsMissing) {
    // No X server listens on display 97 in the test environment.
    Environment e(":97", nullptr, nullptr);
    const std::string m = problem();
    EXPECT_TRUE(oneLine(m)) << m;
    EXPECT_NE(m.find(":97"), std::string::npos) << m;
    Environment x(":97", nullptr, "xcb");
    EXPECT_NE(problem().find(":97"), std::string::npos);
}

TEST(DesktopDisplay, ChoosesX11WhenAnXDisplayIsGivenAndNothingElseIsChosen) {
    {
        Environment e(":5", "wayland-0", nullptr);
        desktop::choosePlatform();
        ASSERT_NE(std::getenv("QT_QPA_PLATFORM"), nullptr);
        EXPECT_STREQ(std::getenv("QT_QPA_PLATFORM"), "xcb");
    }
    {
        Environment e(":5", nullptr, "offscreen");
        desktop::choosePlatform();
        EXPECT_STREQ(std::getenv("QT_QPA_PLATFORM"), "offscreen");
    }
    {
        Environment e(nullptr, "wayland-0", nullptr);
        desktop::choosePlatform();
        EXPECT_EQ(std::getenv("QT_QPA_PLATFORM"), nullptr);
    }
}

}  // namespace
