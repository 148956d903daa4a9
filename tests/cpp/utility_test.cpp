// The small helpers, where exact bytes and numbers matter.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "api/media_item.h"
#include "support/bridge.h"
#include "support/utility.h"

namespace {

TEST(Utility, StrcpyBoundsEveryCopy) {
    struct Case {
        int size;
        std::string src;
        std::string expected;  // "#" = untouched
    };
    const Case cases[] = {
        {1, "abc", ""},
        {0, "abc", "#"},
        {-5, "abc", "#"},
        {4, "abc", "abc"},
        {3, "abc", "ab"},
        {8, "", ""},
        {8, std::string("a\0b", 3), "a"},
    };
    for (const Case& c : cases) {
        char dst[16];
        std::memset(dst, '#', sizeof dst);
        ko_utility::strcpy(dst, c.size, c.src);
        if (c.expected == "#") {
            EXPECT_EQ(dst[0], '#') << c.size;
        } else {
            EXPECT_STREQ(dst, c.expected.c_str()) << c.size << " " << c.src;
            EXPECT_EQ(dst[c.expected.size() + 1], '#');  // nothing written past the terminator
        }
    }
    ko_utility::strcpy(nullptr, 10, "abc");  // nowhere to write: nothing happens
}

TEST(Utility, Stricmp) {
    EXPECT_TRUE(ko_utility::Stricmp("WAVE", "wave"));
    EXPECT_TRUE(ko_utility::Stricmp("", ""));
    EXPECT_FALSE(ko_utility::Stricmp("", "x"));
    EXPECT_FALSE(ko_utility::Stricmp("wav", "wave"));
    EXPECT_FALSE(ko_utility::Stricmp(nullptr, ""));
}

TEST(Utility, Rounding) {
    const struct {
        double x;
        int digits;
        double round, up;
    } cases[] = {
        {0.125, 2, 0.13, 0.13}, {-0.125, 2, -0.13, -0.12}, {2.5, 0, 3.0, 3.0},     {-2.5, 0, -3.0, -2.0},
        {1.231, 2, 1.23, 1.24}, {-1.239, 2, -1.24, -1.23}, {1.234, 2, 1.23, 1.24}, {-6.0205999, 2, -6.02, -6.02},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ko_utility::round(c.x, c.digits), c.round) << c.x;
        EXPECT_EQ(ko_utility::round_up(c.x, c.digits), c.up) << c.x;
    }
    // outside 0 to 9 digits: still a power of ten, never a division by zero
    EXPECT_EQ(ko_utility::round(1234.5, -1), 1230.0);
    EXPECT_EQ(ko_utility::round(0.5, 12), 0.5);
    EXPECT_FALSE(std::isnan(ko_utility::round(1.0, -1000)));
}

TEST(Utility, Decibels) {
    EXPECT_EQ(ko_utility::to_dB(1.0), 0.0);
    EXPECT_EQ(ko_utility::to_dB(0.0), -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(ko_utility::to_dB(-1.0)));
    EXPECT_EQ(ko_utility::to_reaper_volume(0.0), 1.0);
    EXPECT_EQ(ko_utility::to_reaper_volume(-6.0), 0.5011872355810072);
    EXPECT_EQ(ko_utility::to_reaper_volume(-20.0), 0.10000000129940458);
    EXPECT_EQ(ko_utility::to_reaper_volume(6.0), 1.9952623071909206);
    EXPECT_EQ(ko_utility::to_reaper_volume(ko_utility::to_dB(1.9952623071909206) - 6.0), 0.9999999961017864);
}

TEST(Utility, NamesAndPatterns) {
    const std::pair<std::string, std::pair<std::string, std::string>> splits[] = {
        {"take.01.wav", {"take.01", "wav"}}, {"noext", {"noext", ""}},
        {".hidden", {"", "hidden"}},         {"name.", {"name", ""}},
        {"a\nb.wav", {"a\nb.wav", ""}},
    };
    for (const auto& [name, expected] : splits) EXPECT_EQ(ko_utility::split_extension(name), expected) << name;

    EXPECT_TRUE(ko_utility::match_intail("Drums.WAV", "\\.wav"));
    EXPECT_FALSE(ko_utility::match_intail(".wav", "\\.wav"));
    EXPECT_FALSE(ko_utility::match_intail("Drums.wave", "\\.wav"));
    EXPECT_EQ(ko_utility::multi_to_utf8("日本"), "日本");
    EXPECT_EQ(ko_utility::utf8_to_multi("日本"), "日本");
}

TEST(Utility, Format) {
    EXPECT_EQ(ko_utility::format("To use %s.", "this"), "To use this.");
    EXPECT_EQ(ko_utility::format("%s/%s/%s", "a", "bb", "ccc"), "a/bb/ccc");
    EXPECT_EQ(ko_utility::format<const char*>(nullptr, "x"), "");
}

// Runs body with HOME set to home (unset when null), then restores it.
template <class Body>
void with_home(const char* home, Body body) {
    const char* old = getenv("HOME");
    const std::string saved = old ? old : "";
    if (home) {
        setenv("HOME", home, 1);
    } else {
        unsetenv("HOME");
    }
    body();
    if (old) {
        setenv("HOME", saved.c_str(), 1);
    } else {
        unsetenv("HOME");
    }
}

TEST(Utility, SupportDirectoryAndEnvironment) {
    with_home("/Users/ann",
              [] { EXPECT_EQ(ko_utility::get_kodir(), "/Users/ann/Library/Application Support/TIDEWELL Bridge"); });
    with_home("/Users/ann/",
              [] { EXPECT_EQ(ko_utility::get_kodir(), "/Users/ann/Library/Application Support/TIDEWELL Bridge"); });
    with_home(nullptr, [] {
        EXPECT_EQ(ko_utility::get_kodir(), "Library/Application Support/TIDEWELL Bridge");
        EXPECT_EQ(ko_utility::get_env("HOME"), "");
    });
    EXPECT_EQ(ko_utility::get_env("KO_SURELY_UNSET_VARIABLE"), "");
    EXPECT_EQ(ko_utility::get_env(nullptr), "");
}

TEST(Bridge, CompanionPath) {
    const std::string suffix = "/Library/Application Support/REAPER/UserPlugins/reaper_TIDEWELL.dylib";
    with_home("/Users/ann", [&] { EXPECT_EQ(Bridge_IF::companion_path(), "/Users/ann" + suffix); });
    with_home("/Users/ann/", [&] { EXPECT_EQ(Bridge_IF::companion_path(), "/Users/ann/" + suffix); });
    with_home(nullptr, [&] { EXPECT_EQ(Bridge_IF::companion_path(), suffix); });
    const std::string fits(4096 - suffix.size() - 1, 'h');
    with_home(fits.c_str(), [&] { EXPECT_EQ(Bridge_IF::companion_path(), fits + suffix); });
    const std::string too_long(4096 - suffix.size(), 'h');
    with_home(too_long.c_str(), [&] {
        EXPECT_EQ(Bridge_IF::companion_path(), "");
        Bridge_IF::bridge_init();  // nothing to open; nothing overrun
    });
}

TEST(Frames, SecondsToFramesKeepsItsRounding) {
    const struct {
        double seconds, rate;
        int frame;
    } cases[] = {
        {1.0, 30, 30},  {4.1, 30, 123}, {1.0 / 3, 30, 9}, {1.0 / 6, 30, 4},       {2.5, 24, 60},
        {3.75, 24, 90}, {9.0, 30, 270}, {-1.0, 30, -30},  {1e12, 30, 2147483647}, {std::nan(""), 30, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(ko_api::seconds_to_frame(c.seconds, c.rate), c.frame) << c.seconds;
}

}  // namespace
