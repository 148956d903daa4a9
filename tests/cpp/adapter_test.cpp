// The adapters REAPER calls with slot arrays, and the native functions it
// hands to other extensions and to Python.
#include <cstdint>
#include <cstring>

#include "api/media_item.h"
#include "host/catalogue.h"
#include "host_fixture.h"

extern "C" {
void* __vararg_GetMediaItemSelect(void**, int) noexcept;
void* __vararg_SetMediaItemMute(void**, int) noexcept;
void* __vararg_GetMediaItemMute(void**, int) noexcept;
void* __vararg_SetMediaItemFade(void**, int) noexcept;
void* __vararg_GetMediaItemFade(void**, int) noexcept;
void* __vararg_GetMediaItemBitRate(void**, int) noexcept;
void* __vararg_GetMediaItemName(void**, int) noexcept;
void* __vararg_GetMediaItemEndTimeFrame(void**, int) noexcept;
void* __vararg_GetTrackMediaStartTimeFrame(void**, int) noexcept;
}

using namespace ko_test;

namespace {

void* slot(std::uint64_t bits) {
    return reinterpret_cast<void*>(static_cast<std::uintptr_t>(bits));
}
std::intptr_t value(void* result) {
    return reinterpret_cast<std::intptr_t>(result);
}

class Adapters : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        file_ = dir_ / "tone.wav";
        ASSERT_TRUE(sim_write_tone(file_.c_str(), "wav", 44100, 2, 1.0, 440.0, 0.5));
        track_ = add_track();
        first_ = add_item(track_, 0.0, 1.0, file_.c_str());
        second_ = add_item(track_, 2.0, 1.0, file_.c_str());
    }
    TempDir dir_;
    std::string file_;
    MediaTrack* track_ = nullptr;
    MediaItem* first_ = nullptr;
    MediaItem* second_ = nullptr;
};

TEST_F(Adapters, IntSlotsPassOnlyTheirLowBitsSigned) {
    void* slots[] = {nullptr, slot(0xABCD000000000001ull), slot(0x7FFFFFFF00000000ull)};
    EXPECT_EQ(__vararg_GetMediaItemSelect(slots, 3), second_);  // index 1 among all items
    EXPECT_EQ(code(), 0);
    void* minus_one[] = {nullptr, slot(0xFFFFFFFFFFFFFFFFull), slot(0)};
    EXPECT_EQ(__vararg_GetMediaItemSelect(minus_one, 3), nullptr);
    EXPECT_EQ(code(), 11);
    void* bad_selector[] = {nullptr, slot(0), slot(0x00000001FFFFFFFFull)};  // mediaTypeID -1
    EXPECT_EQ(__vararg_GetMediaItemSelect(bad_selector, 3), nullptr);
    EXPECT_EQ(code(), 19);
}

TEST_F(Adapters, BoolSlotIsTheWholeSlot) {
    void* high_only[] = {first_, slot(0x100000000ull)};
    EXPECT_EQ(value(__vararg_SetMediaItemMute(high_only, 2)), 1);
    EXPECT_EQ(GetMediaItemInfo_Value(first_, "B_MUTE"), 1.0);
    void* zero[] = {first_, slot(0)};
    __vararg_SetMediaItemMute(zero, 2);
    EXPECT_EQ(GetMediaItemInfo_Value(first_, "B_MUTE"), 0.0);
}

TEST_F(Adapters, DoublesThroughTheirAddressAndOutPointersUnchanged) {
    double in_len = 0.75, out_len = 0.5;
    void* set[] = {first_, slot(0xFFFFFFFF00000003ull), &in_len, slot(4), &out_len};
    EXPECT_EQ(value(__vararg_SetMediaItemFade(set, 5)), 1);

    int in_type = -9, out_type = -9;
    double got_in = -9, got_out = -9;
    void* get[] = {first_, &in_type, &got_in, &out_type, &got_out};
    EXPECT_EQ(value(__vararg_GetMediaItemFade(get, 5)), 1);
    EXPECT_EQ(in_type, 3);
    EXPECT_EQ(out_type, 4);
    EXPECT_EQ(got_in, 0.75);
    EXPECT_EQ(got_out, 0.5);

    // a failure leaves the caller's variables as they were and answers 0
    in_type = out_type = -9;
    got_in = got_out = -9;
    void* invalid[] = {nullptr, &in_type, &got_in, &out_type, &got_out};
    EXPECT_EQ(value(__vararg_GetMediaItemFade(invalid, 5)), 0);
    EXPECT_EQ(code(), 11);
    EXPECT_EQ(in_type, -9);
    EXPECT_EQ(got_in, -9);
}

TEST_F(Adapters, ValueGettersAnswerTheValueOrZero) {
    void* valid[] = {first_};
    EXPECT_EQ(value(__vararg_GetMediaItemBitRate(valid, 1)), 16);
    void* invalid[] = {slot(0x1234)};
    EXPECT_EQ(value(__vararg_GetMediaItemBitRate(invalid, 1)), 0);
    EXPECT_EQ(code(), 11);
    SetMediaItemInfo_Value(first_, "B_MUTE", 1);
    EXPECT_EQ(value(__vararg_GetMediaItemMute(valid, 1)), 1);
    EXPECT_EQ(value(__vararg_GetMediaItemMute(invalid, 1)), 0);
    EXPECT_EQ(code(), 11);

    // negative values come back sign-extended
    sim_set_frame_rate(nullptr, 30);
    SetMediaItemInfo_Value(first_, "D_POSITION", -1.0);
    EXPECT_EQ(value(__vararg_GetMediaItemEndTimeFrame(valid, 1)), 0);
    void* track_form[] = {nullptr, slot(0), slot(0)};
    EXPECT_EQ(value(__vararg_GetTrackMediaStartTimeFrame(track_form, 3)), -30);
}

TEST_F(Adapters, NativeValueGettersHaveTheDefinitionsForm) {
    // What REAPER hands to native callers under "API_": the value as result.
    for (const auto& row : ko_host::catalogue()) {
        if (row.name != "GetMediaItemBitRate" && row.name != "GetMediaItemMute") continue;
        if (row.name == "GetMediaItemBitRate") {
            auto native = reinterpret_cast<int (*)(MediaItem*)>(row.record.func);
            EXPECT_EQ(native(first_), 16);
            EXPECT_EQ(native(nullptr), 0);
            EXPECT_EQ(code(), 11);
        } else {
            auto native = reinterpret_cast<bool (*)(MediaItem*)>(row.record.func);
            SetMediaItemInfo_Value(first_, "B_MUTE", 1);
            EXPECT_TRUE(native(first_));
        }
    }
}

TEST_F(Adapters, NameBufferSizes) {
    set_take_name(first_, "Guitar.wav");
    char name[16];
    std::memset(name, '#', sizeof name);
    void* four[] = {first_, name, slot(4)};
    EXPECT_EQ(value(__vararg_GetMediaItemName(four, 3)), 1);
    EXPECT_STREQ(name, "Gui");

    std::memset(name, '#', sizeof name);
    void* none[] = {first_, name, slot(0)};
    EXPECT_EQ(value(__vararg_GetMediaItemName(none, 3)), 1);
    EXPECT_EQ(name[0], '#');

    // a null buffer is not written, whatever size comes with it
    void* null_buffer[] = {first_, nullptr, slot(64)};
    EXPECT_EQ(value(__vararg_GetMediaItemName(null_buffer, 3)), 1);
}

TEST_F(Adapters, NullTextAndNullOutPointersFromNativeCallers) {
    EXPECT_TRUE(ko_api::mediaItem::SetMediaItemName(first_, nullptr));
    EXPECT_STREQ(GetTakeName(GetActiveTake(first_)), "");
    int all = -1, typed = -1;
    EXPECT_TRUE(ko_api::mediaItem::GetMediaTypeCount(nullptr, nullptr, &all, &typed));
    EXPECT_EQ(all, 2);
    EXPECT_EQ(typed, 2);
    EXPECT_TRUE(ko_api::mediaItem::GetMediaTypeCount(nullptr, "wav", nullptr, nullptr));
    EXPECT_TRUE(ko_api::mediaItem::GetMediaItemFade(first_, nullptr, nullptr, nullptr, nullptr));
    EXPECT_TRUE(ko_api::cursol::GetPlayCursorPosition(nullptr, nullptr));
    EXPECT_EQ(ko_api::mediaItem::InsertMediaOutItem(nullptr, nullptr), nullptr);
    EXPECT_EQ(code(), 11);
}

TEST_F(Adapters, ArrayRowsDoNothing) {
    void* slots[6] = {nullptr, slot(1), slot(2), slot(3), slot(4), slot(5)};
    EXPECT_EQ(__verarg_empty(slots, 6), nullptr);
    int listed = 0;
    for (const auto& row : ko_host::catalogue()) {
        if (row.record.func != ko_host::untyped(&__verarg_empty)) continue;
        ++listed;
        EXPECT_EQ(row.record.vararg_func, row.record.func);
    }
    EXPECT_EQ(listed, 6);
}

}  // namespace
