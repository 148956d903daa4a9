// The message catalogue, in the user's language, chosen when REAPER loads the
// extension.
#pragma once

#include <memory>

#include "support/export.h"

namespace ko_app {

class KO_EXPORT message {
public:
    virtual const char* URL_SWS();
    virtual const char* ERROR_TITLE() = 0;
    virtual const char* SWS_PROGRAM_NAME();
    virtual const char* MSG_DEPENDENCY_ERROR() = 0;
    virtual const char* MSG_FAIL_LOAD_REAPER_EXTENSION() = 0;
    virtual ~message() = default;
};

class KO_EXPORT message_en : public message {
public:
    const char* ERROR_TITLE() override;
    const char* MSG_DEPENDENCY_ERROR() override;
    const char* MSG_FAIL_LOAD_REAPER_EXTENSION() override;
};

class KO_EXPORT message_jp : public message {
public:
    const char* ERROR_TITLE() override;
    const char* MSG_DEPENDENCY_ERROR() override;
    const char* MSG_FAIL_LOAD_REAPER_EXTENSION() override;
};

// The one catalogue object, replaced at every load.
inline std::unique_ptr<message> message_list;

}  // namespace ko_app
