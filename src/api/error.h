// Error codes and the exception that carries one from a failed check to the
// single handler of an operation. The numeric values are what scripts read
// back from the companion extension.
#pragma once

#include <exception>

#include "support/export.h"

namespace ko_error {

enum ko_errorCode : int {
    UNEXPECTED_ERROR = 1,
    TRACK_NOT_FOUND = 10,
    ITEM_NOT_FOUND = 11,
    TAKE_NOT_FOUND = 12,
    SOURCE_NOT_FOUND = 13,
    SET_VALUE_FAILED = 14,
    NEGATIVE_POSITION = 15,
    DELETE_ITEM_FAILED = 16,
    MOVE_ITEM_FAILED = 17,
    PEAKS_NOT_AVAILABLE = 18,
    INVALID_SELECTOR = 19,
    FILE_SKIPPED = 42,
};

class KO_EXPORT CommonExeption : public std::exception {
public:
    explicit CommonExeption(int code) noexcept : errorCode(code) {}
    ~CommonExeption() override = default;

    int errorCode;
};

}  // namespace ko_error
