// Loading and unloading the deliverables as REAPER does.
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "host/messages.h"
#include "host_fixture.h"
#include "support/utility.h"

using namespace ko_test;

namespace {

class Lifecycle : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        install_companion(home_.path());
        sim_reset(1);
    }
    TempDir home_;
};

std::string key(int i) {
    const char* k = sim_register_log_key(i);
    return k ? k : "(none)";
}

TEST_P(Lifecycle, RegistersEveryRecordThenUnregistersIt) {
    LoadedCopy lib(GetParam());
    ASSERT_EQ(lib.entry(sim_plugin_info()), 1);
    ASSERT_EQ(sim_register_log_count(), 525);
    const char* first[] = {"API_KO_GetMediaItemSelect", "APIdef_KO_GetMediaItemSelect",
                           "APIvararg_KO_GetMediaItemSelect"};
    const char* last[] = {"API_KO_InsertMediaItems", "APIdef_KO_InsertMediaItems", "APIvararg_KO_InsertMediaItems"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(key(i), first[i]);
        EXPECT_EQ(key(522 + i), last[i]);
    }
    EXPECT_EQ(sim_register_log_ptr(0), lib.address("_ZN6ko_api9mediaItem18GetMediaItemSelectEP10ReaProjectii"));
    EXPECT_STREQ(static_cast<const char*>(sim_register_log_ptr(1)), "MediaItem*");
    EXPECT_EQ(sim_register_log_ptr(2), lib.address("__vararg_GetMediaItemSelect"));
    EXPECT_EQ(sim_register_log_ptr(522), lib.address("__verarg_empty"));
    EXPECT_EQ(sim_register_log_ptr(524), lib.address("__verarg_empty"));
    EXPECT_EQ(sim_registered_count(), 525);

    ASSERT_EQ(lib.entry(nullptr), 0);
    ASSERT_EQ(sim_register_log_count(), 1050);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(key(525 + i), "-" + std::string(first[i]));
        EXPECT_EQ(key(1047 + i), "-" + std::string(last[i]));
    }
    EXPECT_EQ(sim_register_log_ptr(525), sim_register_log_ptr(0));
    EXPECT_EQ(sim_register_log_ptr(526), nullptr);
    EXPECT_EQ(sim_register_log_ptr(527), sim_register_log_ptr(2));
    EXPECT_EQ(sim_registered_count(), 0);

    // Loading again registers the same definitions again.
    ASSERT_EQ(lib.entry(sim_plugin_info()), 1);
    EXPECT_EQ(sim_register_log_count(), 1575);
    EXPECT_STREQ(static_cast<const char*>(sim_registered("APIdef_KO_GetMediaItemSelect")), "MediaItem*");
    lib.entry(nullptr);
}

TEST_P(Lifecycle, UnloadWithoutLoadDoesNothing) {
    LoadedCopy lib(GetParam());
    EXPECT_EQ(lib.entry(nullptr), 0);
    EXPECT_EQ(sim_register_log_count(), 0);
}

TEST_P(Lifecycle, HostMissingFunctionsStillLoadsAndNothingCrashes) {
    LoadedCopy lib(GetParam());
    sim_hide_function("ValidatePtr", 1);
    sim_hide_function("GetMediaItem", 1);
    sim_hide_function("UpdateArrange", 1);
    EXPECT_EQ(lib.get<int (*)(void* (*)(const char*))>("REAPERAPI_LoadAPI")(&sim_get_func), 3);
    ASSERT_EQ(lib.entry(sim_plugin_info()), 1);
    EXPECT_EQ(sim_register_log_count(), 525);

    // A registered function whose host functions are missing answers neutrally.
    sim_reset(0);
    auto select = reinterpret_cast<void* (*)(void**, int)>(sim_registered("APIvararg_KO_GetMediaItemSelect"));
    void* slots[3] = {nullptr, nullptr, nullptr};
    EXPECT_EQ(select(slots, 3), nullptr);
    auto mute = reinterpret_cast<void* (*)(void**, int)>(sim_registered("APIvararg_KO_SetMediaMute"));
    EXPECT_EQ(mute(slots, 3), nullptr);
    lib.entry(nullptr);
}

TEST_P(Lifecycle, NothingIsRegisteredBeforeTheEntryPoint) {
    LoadedCopy lib(GetParam());
    // Called before REAPER has bound anything, an operation answers neutrally.
    sim_reset(1);
    ko_sim_helpers::add_item(ko_sim_helpers::add_track(), 0.0, 1.0);
    auto select = lib.get<MediaItem* (*)(ReaProject*, int, int)>(
        "_ZN6ko_api9mediaItem18GetMediaItemSelectEP10ReaProjectii");
    ASSERT_NE(select, nullptr);
    EXPECT_EQ(select(nullptr, 0, 0), nullptr);
    auto volume = lib.get<bool (*)(ReaProject*, int, double)>("_ZN6ko_api9mediaItem14SetMediaVolumeEP10ReaProjectid");
    ASSERT_NE(volume, nullptr);
    EXPECT_FALSE(volume(nullptr, 0, -6.0));
    EXPECT_EQ(sim_registered("APIdef_KO_GetMediaItemSelect"), nullptr);
    lib.entry(sim_plugin_info());
    const char* def = static_cast<const char*>(sim_registered("APIdef_KO_GetMediaItemSelect"));
    ASSERT_NE(def, nullptr);
    EXPECT_STREQ(def + 11, "ReaProject*,int,int");
    lib.entry(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Deliverables, Lifecycle, ::testing::Values(KO_EXTENSION_7, KO_EXTENSION_6));

// The catalogue of the extension linked into this test binary, as the entry
// point chooses it.
TEST(Language, CatalogueFollowsTheLocale) {
    const std::string path = std::string(KO_FAKE_BIN) + ":" + getenv("PATH");
    setenv("PATH", path.c_str(), 1);
    for (const auto& [locale, japanese] : std::initializer_list<std::pair<const char*, bool>>{
             {"ja_JP", true}, {"en_US", false}, {"ja_JP@calendar=japanese", false}}) {
        setenv("KO_FAKE_DEFAULTS", locale, 1);
        sim_reset(1);
        ASSERT_EQ(ReaperPluginEntry(nullptr, sim_plugin_info()), 1);
        ASSERT_TRUE(ko_app::message_list);
        const std::string text = ko_app::message_list->MSG_FAIL_LOAD_REAPER_EXTENSION();
        EXPECT_EQ(text, japanese ? "関数の読み込みに失敗しました。" : "Failed to load function.") << locale;
        EXPECT_STREQ(ko_app::message_list->ERROR_TITLE(), "KORVANE_ORCHID");
        EXPECT_STREQ(ko_app::message_list->SWS_PROGRAM_NAME(), "");
        EXPECT_EQ(ReaperPluginEntry(nullptr, nullptr), 0);
    }
    unsetenv("KO_FAKE_DEFAULTS");
    sim_reset(1);
    REAPERAPI_LoadAPI(&sim_get_func);
}

TEST(Language, OnlyExactlyJaJpIsJapanese) {
    const std::string path = std::string(KO_FAKE_BIN) + ":" + getenv("PATH");
    setenv("PATH", path.c_str(), 1);
    TempDir dir;
    setenv("KO_FAKE_LOG", (dir / "log").c_str(), 1);
    const std::string long_answer(300, 'j');
    const std::pair<std::string, int> cases[] = {
        {"ja_JP", 0}, {"ja_JP\n", 0}, {"ja_JP more", 0}, {"ja_JPX", 1},    {"ja_JP@calendar=japanese", 1},
        {"en_JP", 1}, {"ja", 1},      {"", 1},           {long_answer, 1}, {"JA_JP", 1},
    };
    for (const auto& [answer, expected] : cases) {
        setenv("KO_FAKE_DEFAULTS", answer.c_str(), 1);
        EXPECT_EQ(ko_utility::get_lang(), expected) << answer;
    }
    unsetenv("KO_FAKE_DEFAULTS");
    unsetenv("KO_FAKE_LOG");
    std::ifstream log(dir / "log");
    std::string first;
    std::getline(log, first);
    EXPECT_EQ(first, "defaults read -g AppleLocale");
}

}  // namespace

namespace {

// Companions that are missing or incomplete never stop the extension.
class Companion : public ::testing::Test {
protected:
    void SetUp() override { sim_reset(1); }

    static void* call(const char* name, std::vector<void*> slots) {
        auto adapter =
            reinterpret_cast<void* (*)(void**, int)>(sim_registered((std::string("APIvararg_") + name).c_str()));
        return adapter(slots.data(), static_cast<int>(slots.size()));
    }
    TempDir home_;
};

TEST_F(Companion, MissingCompanionReadsZero) {
    setenv("HOME", home_.path().c_str(), 1);
    LoadedCopy lib(KO_EXTENSION_7);
    ASSERT_EQ(lib.entry(sim_plugin_info()), 1);
    EXPECT_EQ(call("KO_GetMediaItemSelect", {nullptr, nullptr, reinterpret_cast<void*>(3)}), nullptr);
    EXPECT_EQ(lib.get<int (*)()>("_ZN9Bridge_IF13get_errorCodeEv")(), 0);
    lib.entry(nullptr);
}

TEST_F(Companion, SetOnlyCompanionKeepsTheLastFailure) {
    install_companion(home_.path(), KO_COMPANION_SET_ONLY);
    LoadedCopy lib(KO_EXTENSION_7);
    ASSERT_EQ(lib.entry(sim_plugin_info()), 1);
    void* companion = dlopen((companion_dir(home_.path()) + "/reaper_TIDEWELL.dylib").c_str(), RTLD_LAZY);
    ASSERT_NE(companion, nullptr);
    auto peek = reinterpret_cast<int (*)()>(dlsym(companion, "PeekErrorCode"));
    ASSERT_NE(peek, nullptr);
    EXPECT_EQ(call("KO_GetMediaItemSelect", {nullptr, nullptr, reinterpret_cast<void*>(3)}), nullptr);
    EXPECT_EQ(peek(), 19);
    // with nothing to clear it, the code stays after a success
    ko_sim_helpers::add_item(ko_sim_helpers::add_track(), 0.0, 1.0);
    EXPECT_NE(call("KO_GetMediaItemSelect", {nullptr, nullptr, nullptr}), nullptr);
    EXPECT_EQ(peek(), 19);
    EXPECT_EQ(lib.get<int (*)()>("_ZN9Bridge_IF13get_errorCodeEv")(), 0);  // no reader bound
    dlclose(companion);
    lib.entry(nullptr);
}

}  // namespace
