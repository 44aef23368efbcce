#include "util/settings.h"

#include <wx/config.h>

namespace lumo {

namespace {
constexpr const char* kBackupKey = "/Safety/BackupBeforeWriting";
constexpr const char* kVerifyKey = "/Safety/VerifyAfterWriting";
}  // namespace

bool ConfigSettings::ReadBool(const wxString& key, bool fallback) const {
    wxConfigBase* config = wxConfigBase::Get();
    bool value = fallback;
    if (config) config->Read(key, &value, fallback);
    return value;
}

void ConfigSettings::WriteBool(const wxString& key, bool value) {
    if (wxConfigBase* config = wxConfigBase::Get()) {
        config->Write(key, value);
        config->Flush();
    }
}

WriteSafety ReadWriteSafety(const Settings& settings) {
    WriteSafety safety;
    safety.backup = settings.ReadBool(kBackupKey, true);
    safety.verify = settings.ReadBool(kVerifyKey, true);
    return safety;
}

void SaveWriteSafety(Settings& settings, const WriteSafety& safety) {
    settings.WriteBool(kBackupKey, safety.backup);
    settings.WriteBool(kVerifyKey, safety.verify);
}

}  // namespace lumo
