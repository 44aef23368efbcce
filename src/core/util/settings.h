// What Lumo remembers between runs, behind a small interface: the program keeps it in the
// toolkit's configuration (wxConfig), tests in memory.
#pragma once

#include <wx/string.h>

#include <map>

namespace lumo {

class Settings {
  public:
    virtual ~Settings() = default;
    virtual bool ReadBool(const wxString& key, bool fallback) const = 0;
    virtual void WriteBool(const wxString& key, bool value) = 0;
};

// Settings that last as long as the object.
class MemorySettings : public Settings {
  public:
    bool ReadBool(const wxString& key, bool fallback) const override {
        auto it = values_.find(key);
        return it == values_.end() ? fallback : it->second;
    }
    void WriteBool(const wxString& key, bool value) override { values_[key] = value; }

  private:
    std::map<wxString, bool> values_;
};

// The toolkit's configuration of the program (a file in the user's home on Linux).
class ConfigSettings : public Settings {
  public:
    bool ReadBool(const wxString& key, bool fallback) const override;
    void WriteBool(const wxString& key, bool value) override;
};

// The safety net around a write to a radio; both on unless the user turned them off.
struct WriteSafety {
    bool backup = true;  // read the radio into a backup file before writing
    bool verify = true;  // read it back after writing and compare
};
WriteSafety ReadWriteSafety(const Settings& settings);
void SaveWriteSafety(Settings& settings, const WriteSafety& safety);

}  // namespace lumo
