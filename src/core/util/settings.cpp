#include "util/settings.h"

#include <wx/config.h>

namespace lumo {

namespace {

template <typename T>
T ReadConfig(const wxString& key, const T& fallback) {
    T value = fallback;
    if (wxConfigBase* config = wxConfigBase::Get()) config->Read(key, &value, fallback);
    return value;
}

template <typename T>
void WriteConfig(const wxString& key, const T& value) {
    if (wxConfigBase* config = wxConfigBase::Get()) {
        config->Write(key, value);
        config->Flush();
    }
}

}  // namespace

bool ConfigSettings::ReadBool(const wxString& key, bool fallback) const {
    return ReadConfig(key, fallback);
}
long ConfigSettings::ReadLong(const wxString& key, long fallback) const {
    return ReadConfig(key, fallback);
}
wxString ConfigSettings::ReadString(const wxString& key, const wxString& fallback) const {
    return ReadConfig(key, fallback);
}
void ConfigSettings::WriteBool(const wxString& key, bool value) {
    WriteConfig(key, value);
}
void ConfigSettings::WriteLong(const wxString& key, long value) {
    WriteConfig(key, value);
}
void ConfigSettings::WriteString(const wxString& key, const wxString& value) {
    WriteConfig(key, value);
}

}  // namespace lumo
