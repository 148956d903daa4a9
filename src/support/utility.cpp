#include "support/utility.h"

#include <strings.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <regex>

namespace ko_utility {

void strcpy(char* dst, int size, std::string src) {
    if (size <= 0 || dst == nullptr) return;
    const size_t room = static_cast<size_t>(size) - 1;
    const size_t end = std::min({src.size(), room, std::strlen(src.c_str())});
    std::memcpy(dst, src.data(), end);
    dst[end] = '\0';
}

bool Stricmp(const char* lhs, const char* rhs) {
    if (lhs == nullptr || rhs == nullptr) return lhs == rhs;
    return strcasecmp(lhs, rhs) == 0;
}

namespace {
// 10 to the power digits: 1, 10, ... 1000000000 for 0 to 9 digits. Beyond
// that range the power itself is used, so -1 rounds to tens and large counts
// neither overflow nor divide by zero.
double scale(int digits) {
    if (digits >= 0 && digits <= 9) return static_cast<double>(static_cast<int>(std::pow(10.0, digits)));
    return std::pow(10.0, std::clamp(digits, -300, 300));
}
}  // namespace

double round(double x, int digits) {
    const double p = scale(digits);
    return std::round(x * p) / p;
}

double round_up(double x, int digits) {
    const double p = scale(digits);
    return std::ceil(x * p) / p;
}

double to_dB(double factor) {
    return 20.0 * std::log10(factor);
}

double to_reaper_volume(double dB) {
    return std::exp(dB * 0.115129254);
}

bool match_intail(const std::string& text, const std::string& tail) {
    const std::regex pattern(".+" + tail, std::regex::ECMAScript | std::regex::icase);
    return std::regex_match(text, pattern);
}

std::string multi_to_utf8(const std::string& text) {
    return text;
}
std::string utf8_to_multi(const std::string& text) {
    return text;
}

std::pair<std::string, std::string> split_extension(std::string name) {
    static const char* const pattern_text = "(.*)\\.(.*)";
    const std::regex pattern(pattern_text);
    std::smatch match;
    if (std::regex_match(name, match, pattern)) return {match[1].str(), match[2].str()};
    return {name, std::string()};
}

std::string get_kodir() {
    const std::filesystem::path home(get_env("HOME"));
    return (home / "Library/Application Support/TIDEWELL Bridge").string();
}

std::string get_env(const char* name) {
    const char* value = name ? std::getenv(name) : nullptr;
    return value ? std::string(value) : std::string();
}

int get_lang() {
    FILE* pipe = popen("defaults read -g AppleLocale 2>/dev/null", "r");
    if (pipe == nullptr) return 1;
    char word[16] = {};
    const int read = std::fscanf(pipe, "%15s", word);
    pclose(pipe);
    return read == 1 && std::strcmp(word, "ja_JP") == 0 ? 0 : 1;
}

template KO_EXPORT std::string format<const char*>(const char*, const char*);
template KO_EXPORT std::string format<const char*, const char*, const char*>(const char*, const char*, const char*,
                                                                             const char*);

}  // namespace ko_utility
