#pragma once

#include "core/base/app_state.h"
#include "core/base/version_list.h"

// The program state every fuzz target runs in: the installation's data
// folder, English texts and the one data version this program handles. Set
// once per process, before the first input.
inline void setUpFuzzProgram()
{
    static const bool done = [] {
        AppState::instance().setProgramFolder(BRISKO7_SOURCE_DIR "/data");
        AppState::instance().setLanguage(1);
        VersionList::instance().setHandlers({{"V100", "V100"}});
        return true;
    }();
    (void)done;
}
