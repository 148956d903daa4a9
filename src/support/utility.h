// Small stateless helpers shared by the whole library.
#pragma once

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "support/export.h"

namespace ko_utility {

// Copies src into a caller's buffer of size bytes: at most size - 1 bytes and
// a terminating NUL; nothing at all for a size of 0 or less, or a null dst.
KO_EXPORT void strcpy(char* dst, int size, std::string src);

// Equality of two NUL-terminated strings, ignoring ASCII letter case. A null
// string equals only another null string.
KO_EXPORT bool Stricmp(const char* lhs, const char* rhs);

// x rounded to digits decimals, halves away from zero.
KO_EXPORT double round(double x, int digits);
// x rounded up (toward positive infinity) to digits decimals.
KO_EXPORT double round_up(double x, int digits);

// Decibels from an amplitude factor, and back.
KO_EXPORT double to_dB(double factor);
KO_EXPORT double to_reaper_volume(double dB);

// Whether text is at least one character followed by a tail matching the
// regular expression tail, ignoring case.
KO_EXPORT bool match_intail(const std::string& text, const std::string& tail);

// The host's multibyte text and UTF-8 are the same here: both are copies.
KO_EXPORT std::string multi_to_utf8(const std::string& text);
KO_EXPORT std::string utf8_to_multi(const std::string& text);

// A file name split at its last dot into stem and extension.
KO_EXPORT std::pair<std::string, std::string> split_extension(std::string name);

// The companion application's support directory under the user's home.
KO_EXPORT std::string get_kodir();

// The value of an environment variable, empty when it is unset.
KO_EXPORT std::string get_env(const char* name);

// 0 when the user's locale is exactly ja_JP, 1 otherwise.
KO_EXPORT int get_lang();

// printf-style formatting into a string. The empty string when the format
// cannot be applied.
template <class... Args>
std::string format(const char* fmt, Args... args) {
    if (fmt == nullptr) return {};
    const int length = std::snprintf(nullptr, 0, fmt, args...);
    if (length < 0) return {};
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(buffer.data(), buffer.size(), fmt, args...);
    return std::string(buffer.data(), static_cast<size_t>(length));
}
extern template KO_EXPORT std::string format<const char*>(const char*, const char*);
extern template KO_EXPORT std::string format<const char*, const char*, const char*>(const char*, const char*,
                                                                                    const char*, const char*);

}  // namespace ko_utility
