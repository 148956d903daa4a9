// Writes the function reference from the catalogue the library registers,
// so the documentation can never disagree with REAPER's API list.
//   catalogue_doc              print the reference
//   catalogue_doc --check FILE exit 1 when FILE differs from it
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "host/catalogue.h"

namespace {

std::string reference() {
    std::ostringstream out;
    out << "# KORVANE_ORCHID function reference\n\n"
        << "Generated from the catalogue by `tools/catalogue_doc`; do not edit.\n\n"
        << "Out parameters (names ending in `Out`) come back to Lua as extra results after the return value;\n"
        << "a `char*` buffer followed by its `_sz` size comes back as a string. Functions taking arrays\n"
        << "(`MediaItemArray*`, `StringArray*`, `array*`) are listed by REAPER for reference; called through\n"
        << "REAPER they do nothing.\n\n"
        << "| # | function | returns | parameters | help |\n|---|---|---|---|---|\n";
    int index = 0;
    for (auto& row : ko_host::catalogue()) {
        api_define record = row.record;
        record.set_str();
        const char* p = record.def_buffer.data();
        std::string fields[4];
        for (auto& field : fields) {
            field = p;
            p += field.size() + 1;
        }
        std::string params;
        std::istringstream types(fields[1]), names(fields[2]);
        std::string type, name;
        while (std::getline(types, type, ',')) {
            std::getline(names, name, ',');
            if (!params.empty()) params += ", ";
            params += "`" + type + " " + name + "`";
        }
        out << "| " << index++ << " | `KO_" << row.name << "` | `" << fields[0] << "` | " << params << " | "
            << fields[3] << " |\n";
    }
    return out.str();
}

}  // namespace

int main(int argc, char** argv) {
    const std::string text = reference();
    if (argc == 3 && std::string(argv[1]) == "--check") {
        std::ifstream file(argv[2]);
        std::stringstream existing;
        existing << file.rdbuf();
        if (existing.str() != text) {
            std::cerr << argv[2] << " is out of date: regenerate it with catalogue_doc > " << argv[2] << "\n";
            return 1;
        }
        return 0;
    }
    std::cout << text;
    return 0;
}
