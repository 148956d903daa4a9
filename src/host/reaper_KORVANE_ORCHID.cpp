// The table of definition records, built once when the library is loaded.
#include "host/api_define.h"
#include "host/catalogue.h"

namespace {
std::vector<api_define> build_table() {
    std::vector<api_define> records;
    try {
        auto rows = ko_host::catalogue();
        records.reserve(rows.size());
        for (const auto& row : rows) records.push_back(row.record);
    } catch (...) {
        records.clear();  // out of memory while loading: offer nothing rather than half a table
    }
    return records;
}
}  // namespace

std::vector<api_define> api_define_list = build_table();
