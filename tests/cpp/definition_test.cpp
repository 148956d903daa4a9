// The definition records: how they are composed, and that every row's texts
// agree with the code it registers.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "host/api_define.h"
#include "host/catalogue.h"

namespace {

std::vector<std::string> fields(const std::vector<char>& buffer) {
    std::vector<std::string> out;
    size_t at = 0;
    for (int i = 0; i < 4; ++i) {
        const std::string piece(buffer.data() + at);
        out.push_back(piece);
        at += piece.size() + 1;
    }
    return out;
}

TEST(Definition, GetMediaItemSelectBufferByteForByte) {
    auto rows = ko_host::catalogue();
    api_define record = rows.at(0).record;
    EXPECT_EQ(std::vector<char>(1024, '\0'), record.def_buffer);  // all zero before the first load
    record.set_str();
    std::vector<char> expected(1024, '\0');
    const std::string text = std::string("MediaItem*") + '\0' + "ReaProject*,int,int" + '\0' +
                             "projID,itemID,mediaTypeID" + '\0' + "Get Media Item";
    std::copy(text.begin(), text.end(), expected.begin());
    ASSERT_EQ(record.def_buffer.size(), 1024u);
    EXPECT_EQ(record.def_buffer, expected);
    EXPECT_EQ(expected[70], 'm');
    EXPECT_EQ(expected[71], '\0');

    const char* before = record.def_buffer.data();
    record.set_str();
    EXPECT_EQ(record.def_buffer, expected);
    EXPECT_EQ(record.def_buffer.data(), before);  // never reallocated

    EXPECT_EQ(record.api_key, "API_KO_GetMediaItemSelect");
    EXPECT_EQ(record.apidef_key, "APIdef_KO_GetMediaItemSelect");
    EXPECT_EQ(record.apivararg_key, "APIvararg_KO_GetMediaItemSelect");
    EXPECT_EQ(record.unreg_api_key, "-API_KO_GetMediaItemSelect");
    EXPECT_EQ(record.unreg_apidef_key, "-APIdef_KO_GetMediaItemSelect");
    EXPECT_EQ(record.unreg_apivararg_key, "-APIvararg_KO_GetMediaItemSelect");
}

TEST(Definition, EmptyHelpAndEmptyProducer) {
    api_define record(
        nullptr, nullptr, [] { return std::string("void"); }, "int", "x", "", "a", "b", "c", "d", "e", "f");
    record.set_str();
    EXPECT_EQ(fields(record.def_buffer), (std::vector<std::string>{"void", "int", "x", ""}));
    EXPECT_TRUE(std::all_of(record.def_buffer.begin() + 10, record.def_buffer.end(), [](char c) { return c == 0; }));

    api_define no_producer(nullptr, nullptr, nullptr, "", "", "", "a", "b", "c", "d", "e", "f");
    EXPECT_THROW(no_producer.set_str(), std::bad_function_call);
}

TEST(Definition, OverlongTextsNeverOverrunTheBuffer) {
    const std::string long_help(3000, 'h');
    api_define record(
        nullptr, nullptr, [] { return std::string("void"); }, "int", "x", long_help.c_str(), "a", "b", "c", "d", "e",
        "f");
    record.set_str();
    EXPECT_EQ(record.def_buffer.size(), 1024u);
    EXPECT_EQ(record.def_buffer.back(), '\0');
}

TEST(Catalogue, EveryRowAgreesWithItsCode) {
    const auto rows = ko_host::catalogue();
    ASSERT_EQ(rows.size(), 175u);
    EXPECT_EQ(api_define_list.size(), 175u);
    std::set<std::string> names;
    for (const auto& row : rows) {
        api_define record = row.record;
        record.set_str();
        const auto f = fields(record.def_buffer);
        EXPECT_EQ(f[0], row.code_return_type) << row.name;
        EXPECT_EQ(f[1], row.code_param_types) << row.name;
        EXPECT_EQ(f[0].size() + f[1].size() + f[2].size() + f[3].size() + 4 <= 1024, true) << row.name;
        // one name per parameter
        EXPECT_EQ(std::count(f[1].begin(), f[1].end(), ','), std::count(f[2].begin(), f[2].end(), ',')) << row.name;
        EXPECT_TRUE(names.insert(row.name).second) << "twice: " << row.name;
        EXPECT_EQ(record.api_key, "API_KO_" + row.name);
        EXPECT_NE(record.func, nullptr) << row.name;
        EXPECT_NE(record.vararg_func, nullptr) << row.name;
    }
    // the list REAPER sees is the catalogue, in order
    for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(api_define_list[i].api_key, rows[i].record.api_key);
}

TEST(Catalogue, RegistrationOrderAndIrregularTexts) {
    const auto rows = ko_host::catalogue();
    const std::pair<size_t, const char*> order[] = {
        {0, "GetMediaItemSelect"},
        {2, "GetMediaTypeCount"},
        {7, "GetMediaItemBitRate"},
        {32, "GetMediaItemName"},
        {52, "GetMediaItemStartTimeSeconds"},
        {82, "GetMediaItemEndTimeFrame"},
        {87, "GetMediaItemFade"},
        {137, "DeleteMediaItem"},
        {142, "DeleteAllMedia"},
        {146, "SetMediaSelected"},
        {149, "SetMediaItemMoveToTrack"},
        {154, "SetMediaItemActiveTakeCopy"},
        {159, "InsertMediaOutItem"},
        {166, "GetPlayCursorPosition"},
        {169, "GetMediaItemList"},
        {174, "InsertMediaItems"},
    };
    for (const auto& [index, name] : order) EXPECT_EQ(rows.at(index).name, name) << index;

    auto def = [&](size_t index) {
        api_define record = rows.at(index).record;
        record.set_str();
        return fields(record.def_buffer);
    };
    EXPECT_EQ(def(26)[2], "projID,sselectTrackID,trackItemID");
    EXPECT_EQ(def(47)[3], "Get Media Item Mute Type");
    EXPECT_EQ(def(116)[3], "Get Track Media Pitch");
    EXPECT_EQ(def(129)[2], "projID,itemID,rateOut");
    EXPECT_EQ(def(136)[2], "projID,trackID,trackItemID,setRate");
    EXPECT_EQ(def(137)[3], "Delete Media ");
    EXPECT_EQ(def(159)[3], "Insert Media Out Item ");
    EXPECT_EQ(def(163)[2], "track, filePath, startEndType, setFrame");
    EXPECT_EQ(def(174)[1], "MediaTrack*,StringArray*,double,double,int,array*");
}

}  // namespace
