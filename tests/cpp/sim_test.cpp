// The test host itself: where a wrong answer here would mislead every other
// test.
#include <cmath>

#include "host_fixture.h"

using namespace ko_test;

namespace {

class TestHost : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        stereo_ = dir_ / "stereo.wav";
        ASSERT_TRUE(sim_write_tone(stereo_.c_str(), "wav", 44100, 2, 1.0, 100.0, 0.5));
    }
    TempDir dir_;
    std::string stereo_;
};

TEST_F(TestHost, ItemsAreOrderedTrackByTrackThenByPosition) {
    MediaTrack* t0 = add_track();
    MediaTrack* t1 = add_track();
    MediaItem* late = add_item(t0, 5.0, 1.0);
    MediaItem* other = add_item(t1, 0.0, 1.0);
    MediaItem* early = add_item(t0, 1.0, 1.0);
    ASSERT_EQ(CountMediaItems(nullptr), 3);
    EXPECT_EQ(GetMediaItem(nullptr, 0), early);
    EXPECT_EQ(GetMediaItem(nullptr, 1), late);
    EXPECT_EQ(GetMediaItem(nullptr, 2), other);
    EXPECT_EQ(GetMediaItem(nullptr, 3), nullptr);
    EXPECT_EQ(GetMediaItem(nullptr, -1), nullptr);
    EXPECT_EQ(GetTrackMediaItem(t0, 0), early);
    EXPECT_EQ(CountTrackMediaItems(t1), 1);

    // moving an item reorders its track
    SetMediaItemInfo_Value(late, "D_POSITION", 0.5);
    EXPECT_EQ(GetMediaItem(nullptr, 0), late);
    EXPECT_EQ(GetTrackMediaItem(t0, 1), early);

    // selection follows the same order; selected tracks likewise
    SetMediaItemSelected(other, true);
    SetMediaItemSelected(early, true);
    EXPECT_EQ(CountSelectedMediaItems(nullptr), 2);
    EXPECT_EQ(GetSelectedMediaItem(nullptr, 0), early);
    EXPECT_EQ(GetSelectedMediaItem(nullptr, 1), other);
    SetTrackSelected(t1, true);
    EXPECT_EQ(CountSelectedTracks(nullptr), 1);
    EXPECT_EQ(GetSelectedTrack(nullptr, 0), t1);
    SetOnlyTrackSelected(t0);
    EXPECT_EQ(GetSelectedTrack(nullptr, 0), t0);
    EXPECT_EQ(GetSelectedTrack(nullptr, 1), nullptr);
}

TEST_F(TestHost, HandlesAreValidOnlyWhileAlive) {
    MediaTrack* track = add_track();
    MediaItem* item = add_item(track, 0.0, 1.0, stereo_.c_str());
    EXPECT_TRUE(ValidatePtr(item, "MediaItem*"));
    EXPECT_FALSE(ValidatePtr(item, "MediaTrack*"));
    EXPECT_TRUE(ValidatePtr(track, "MediaTrack*"));
    EXPECT_TRUE(ValidatePtr(GetItemProjectContext(item), "ReaProject*"));
    EXPECT_FALSE(ValidatePtr(nullptr, "MediaItem*"));
    EXPECT_EQ(sim_live_sources(), 1);
    ASSERT_TRUE(DeleteTrackMediaItem(track, item));
    EXPECT_FALSE(ValidatePtr(item, "MediaItem*"));
    EXPECT_EQ(sim_live_sources(), 0);
    EXPECT_FALSE(DeleteTrackMediaItem(track, item));

    ReaProject* tab = sim_project_add();
    sim_project_activate(tab);
    MediaTrack* there = add_track();
    ASSERT_TRUE(sim_project_close(tab));
    EXPECT_FALSE(ValidatePtr(tab, "ReaProject*"));
    EXPECT_FALSE(ValidatePtr(there, "MediaTrack*"));
    EXPECT_TRUE(ValidatePtr(track, "MediaTrack*"));  // the first tab is active again
    EXPECT_EQ(GetTrack(nullptr, 0), track);
}

TEST_F(TestHost, InsertMediaPlacesTheFileAtTheCursorOnTheSelectedTrack) {
    MediaTrack* t0 = add_track();
    MediaTrack* t1 = add_track();
    MediaItem* old = add_item(t0, 0.0, 1.0);
    SetMediaItemSelected(old, true);
    SetOnlyTrackSelected(t1);
    SetEditCurPos2(nullptr, 4.0, true, true);
    ASSERT_EQ(InsertMedia(stereo_.c_str(), 0), 1);
    ASSERT_EQ(CountSelectedMediaItems(nullptr), 1);
    MediaItem* item = GetSelectedMediaItem(nullptr, 0);
    EXPECT_EQ(GetMediaItem_Track(item), t1);
    EXPECT_EQ(GetMediaItemInfo_Value(item, "D_POSITION"), 4.0);
    EXPECT_NEAR(GetMediaItemInfo_Value(item, "D_LENGTH"), 1.0, 1e-9);
    EXPECT_STREQ(GetTakeName(GetActiveTake(item)), "stereo.wav");
    EXPECT_EQ(GetCursorPositionEx(nullptr), 4.0);  // unless the host is told to move it
    sim_set_insert_moves_cursor(1);
    InsertMedia(stereo_.c_str(), 0);
    EXPECT_NEAR(GetCursorPositionEx(nullptr), 5.0, 1e-9);

    const int before = CountMediaItems(nullptr);
    EXPECT_EQ(InsertMedia((dir_ / "missing.wav").c_str(), 0), 0);
    EXPECT_EQ(InsertMedia(dir_.path().c_str(), 0), 0);
    EXPECT_EQ(InsertMedia(nullptr, 0), 0);
    EXPECT_EQ(CountMediaItems(nullptr), before);
}

TEST_F(TestHost, SourcesReadFromRealFiles) {
    const struct {
        const char* name;
        const char* format;
        int rate, channels;
        const char* type;
        int bits;
    } files[] = {
        {"a.wav", "wav", 44100, 2, "WAVE", 16},   {"b.wav", "wav24", 48000, 1, "WAVE", 24},
        {"c.flac", "flac", 44100, 2, "FLAC", 16}, {"d.ogg", "ogg", 44100, 2, "VORBIS", 0},
        {"e.mp3", "mp3", 44100, 2, "MP3", 0},
    };
    auto create = host<PCM_source* (*)(const char*)>("PCM_Source_CreateFromFile");
    for (const auto& f : files) {
        const std::string path = dir_ / f.name;
        ASSERT_TRUE(sim_write_tone(path.c_str(), f.format, f.rate, f.channels, 1.0, 440.0, 0.5)) << f.name;
        PCM_source* source = create(path.c_str());
        ASSERT_NE(source, nullptr) << f.name;
        char type[64];
        GetMediaSourceType(source, type, sizeof type);
        EXPECT_STREQ(type, f.type);
        EXPECT_EQ(GetMediaSourceSampleRate(source), f.rate);
        EXPECT_EQ(GetMediaSourceNumChannels(source), f.channels);
        EXPECT_EQ(source->GetBitsPerSample(), f.bits) << f.name;
        EXPECT_NEAR(source->GetLength(), 1.0, 0.06) << f.name;  // mp3 frames pad a little
        EXPECT_EQ(std::string(source->GetFileName()), path);
        PCM_source* copy = source->Duplicate();
        EXPECT_STREQ(copy->GetFileName(), source->GetFileName());
        PCM_Source_Destroy(copy);
        PCM_Source_Destroy(source);
    }
    EXPECT_EQ(sim_live_sources(), 0);
    EXPECT_EQ(create((dir_ / "none.wav").c_str()), nullptr);
    EXPECT_EQ(create(nullptr), nullptr);
}

TEST_F(TestHost, PeaksOfAToneAtItsAmplitude) {
    const std::string path = dir_ / "quiet.wav";
    ASSERT_TRUE(sim_write_tone(path.c_str(), "wavf", 48000, 1, 1.0, 100.0, 0.25));
    MediaItem* item = add_item(add_track(), 2.0, 0.5, path.c_str());
    const int n = 500;
    std::vector<double> buf(3 * n, -7.0);
    const int result = GetMediaItemTake_Peaks(GetActiveTake(item), 1000.0, 2.0, 1, n, 115, buf.data());
    EXPECT_EQ(result & 0xFFFFF, n);
    EXPECT_EQ(result >> 24, 0);  // no extra data
    double top = 0, bottom = 0;
    for (int k = 0; k < n; ++k) {
        top = std::max(top, buf[k]);
        bottom = std::min(bottom, buf[n + k]);
        EXPECT_LE(buf[n + k], buf[k]);
    }
    EXPECT_NEAR(top, 0.25, 1e-3);
    EXPECT_NEAR(bottom, -0.25, 1e-3);
    // one 100 Hz period spans 10 points: its peak is in every window of 10
    EXPECT_NEAR(*std::max_element(buf.begin(), buf.begin() + 10), 0.25, 1e-3);

    sim_refuse_peaks(1);
    EXPECT_EQ(GetMediaItemTake_Peaks(GetActiveTake(item), 1000.0, 2.0, 1, n, 115, buf.data()), 0);
}

TEST_F(TestHost, RegistryAndFaults) {
    plugin_register("API_X", reinterpret_cast<void*>(0x10));
    EXPECT_EQ(sim_registered("API_X"), reinterpret_cast<void*>(0x10));
    plugin_register("-API_X", reinterpret_cast<void*>(0x10));
    EXPECT_EQ(sim_registered("API_X"), nullptr);
    EXPECT_EQ(sim_register_log_count(), 2);
    EXPECT_STREQ(sim_register_log_key(1), "-API_X");

    MediaTrack* track = add_track();
    MediaItem* item = add_item(track, 0.0, 1.0);
    sim_refuse_param("D_VOL", 1);
    EXPECT_FALSE(SetMediaItemInfo_Value(item, "D_VOL", 0.5));
    EXPECT_EQ(GetMediaItemInfo_Value(item, "D_VOL"), 1.0);
    EXPECT_FALSE(SetMediaItemInfo_Value(item, "NOT_A_PARAM", 1.0));
    sim_refuse_move(1);
    EXPECT_FALSE(MoveMediaItemToTrack(item, add_track()));
    sim_refuse_delete(1);
    EXPECT_FALSE(DeleteTrackMediaItem(track, item));
    EXPECT_TRUE(sim_hide_function("GetTrack", 1));
    EXPECT_EQ(sim_get_func("GetTrack"), nullptr);
    EXPECT_EQ(sim_get_func("NoSuchFunction"), nullptr);
    sim_set_message_box_answer(6);
    EXPECT_EQ(ShowMessageBox("m", "t", 4), 6);
    const int updates = sim_update_arrange_count();
    UpdateArrange();
    EXPECT_EQ(sim_update_arrange_count(), updates + 1);
}

TEST_F(TestHost, BadInputToItsOwnInterfaceFailsCleanly) {
    auto* stranger = reinterpret_cast<ReaProject*>(0x1234);
    EXPECT_EQ(sim_project_close(stranger), 0);
    EXPECT_EQ(sim_project_close(nullptr), 0);  // the last tab stays
    EXPECT_EQ(sim_project_activate(stranger), 0);
    EXPECT_EQ(sim_set_frame_rate(stranger, 30), 0);
    EXPECT_EQ(sim_set_frame_rate(nullptr, std::nan("")), 0);
    EXPECT_EQ(sim_set_transport(99, 0), 0);
    EXPECT_EQ(sim_refuse_param(nullptr, 1), 0);
    EXPECT_EQ(sim_hide_function(nullptr, 1), 0);
    EXPECT_EQ(sim_register_log_key(-1), nullptr);
    EXPECT_EQ(sim_register_log_key(100000), nullptr);
    EXPECT_EQ(sim_registered(nullptr), nullptr);
    EXPECT_EQ(sim_registered_key(7), nullptr);
    EXPECT_EQ(sim_delete_log_index(3), -1);
    EXPECT_EQ(sim_write_tone((dir_ / "x.wav").c_str(), "aiff-ish", 44100, 2, 1, 440, 0.5), 0);
    EXPECT_EQ(sim_write_tone("/nonexistent/dir/x.wav", "wav", 44100, 2, 1, 440, 0.5), 0);
    EXPECT_EQ(sim_write_tone(nullptr, "wav", 44100, 2, 1, 440, 0.5), 0);
    EXPECT_EQ(sim_write_tone((dir_ / "x.wav").c_str(), "wav", 0, 2, 1, 440, 0.5), 0);

    // REAPER's functions given handles that name nothing answer neutrally
    auto* item = reinterpret_cast<MediaItem*>(0x42);
    auto* track = reinterpret_cast<MediaTrack*>(0x43);
    EXPECT_EQ(GetMediaItemInfo_Value(item, "D_POSITION"), 0.0);
    EXPECT_FALSE(SetMediaItemInfo_Value(item, "D_POSITION", 1.0));
    EXPECT_EQ(GetActiveTake(item), nullptr);
    EXPECT_EQ(CountTrackMediaItems(track), 0);
    EXPECT_EQ(GetTrackMediaItem(track, 0), nullptr);
    EXPECT_EQ(GetMediaTrackInfo_Value(track, "P_PROJECT"), 0.0);
    EXPECT_EQ(AddMediaItemToTrack(track), nullptr);
    EXPECT_EQ(GetMediaItem(stranger, 0), nullptr);
    char buf[8] = "x";
    GetMediaSourceType(nullptr, buf, sizeof buf);
    EXPECT_STREQ(buf, "");
}

}  // namespace
