#include "userdecorations.h"

#include "storage/settingsfiles.h"

namespace chromanick::cli {

UserDecorations readUserDecorations() {
    const SettingsFolder folder(defaultInstallDir());
    return {folder.readFields(SettingsFolder::kPrefixFile),
            folder.readFields(SettingsFolder::kSuffixFile)};
}

}  // namespace chromanick::cli
