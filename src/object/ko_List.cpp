#include "object/ko_List.h"

#include <stdexcept>

namespace ko_object {

ko_List::ko_List() noexcept : handle(reinterpret_cast<std::uint64_t>(this)) {}

// A copy is a new record with its own handle.
ko_List::ko_List(const ko_List&) noexcept : handle(reinterpret_cast<std::uint64_t>(this)) {}

ko_List& ko_List::operator=(const ko_List&) noexcept {
    return *this;
}

void ko_List::release_inpool() {}

std::pair<std::string, std::string> ko_List::get_key_info(int) {
    return {};
}

int ko_List::get_size() {
    return 0;
}

pyvar ko_List::get_value(std::string) {
    return 0;
}

void ko_List::set_value(std::string, pyvar) {}

nlohmann::json ko_List::to_json() {
    return nullptr;
}

std::uint64_t ko_List::create_kolist_array() {
    auto array = std::make_shared<std::vector<ko_List*>>();
    const auto handle = reinterpret_cast<std::uint64_t>(array.get());
    koList_pool.emplace(handle, std::move(array));
    return handle;
}

bool ko_List::release_koList(std::uint64_t handle) noexcept {
    try {
        std::shared_ptr<std::vector<ko_List*>> array = koList_pool.at(handle);
        if (!array) return false;
        for (ko_List* record : *array) {
            if (record != nullptr) record->release_inpool();
        }
        koList_pool.erase(handle);
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace ko_object
