#pragma once
// A small language file for the dialog tests, written into a scratch directory, and the text
// lookup that reads it (with a buffer large enough that only the dialogs' own limits cut).
#include <memory>
#include <string>

#include "calibration/text_lookup.h"
#include "platform/win32/private_profile_store.h"
#include "scratch_directory.h"

namespace halvertone::testing {

// Longer than every dialog's text buffer.
inline const std::string kLongWaitMessage(400, 'w');

inline std::string TestLanguageText() {
    return "[CheckEnv Dialog]\r\n"
           "Wait-Message=" +
           kLongWaitMessage +
           "\r\n"
           "NG-Message=Too bright\r\n"
           "[Calibration Msg]\r\n"
           "Projection Method=Mounting of the projector\r\n"
           "desktop=On the desk\r\n"
           "ceiling=Under the ceiling\r\n"
           "OK Button=Start\r\n"
           "Cancel Button=Not now\r\n"
           "correct=Hold the pen on each target\r\n"
           "recalibration=Starting again\r\n"
           "error=Camera upside down, turning it\r\n"
           "[String Table]\r\n"
           "OK Button=Accept\r\n"
           "Msg_Distance=How far is the projector?\r\n"
           "Msg_Notice=The camera restarts after this\r\n"
           "[Projection Distance]\r\n"
           "High=Far\r\n"
           "Middle=Medium\r\n"
           "Low=Near\r\n";
}

inline TextLookup LanguageLookup(const std::string& languageFile) {
    auto store = std::make_shared<PrivateProfileStore>(languageFile);
    return [store](const std::string& section, const std::string& key) {
        return store->GetString(section, key, "", 4096);
    };
}

}  // namespace halvertone::testing
