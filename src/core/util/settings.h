// What Lumo remembers between runs, behind a small interface: the program keeps it in the
// toolkit's configuration (wxConfig), tests in memory so that a test run never touches the
// user's own configuration.
#pragma once

#include <wx/string.h>

#include <map>
#include <variant>

namespace lumo {

class Settings {
  public:
    virtual ~Settings() = default;
    virtual bool ReadBool(const wxString& key, bool fallback) const = 0;
    virtual long ReadLong(const wxString& key, long fallback) const = 0;
    virtual wxString ReadString(const wxString& key, const wxString& fallback) const = 0;
    virtual void WriteBool(const wxString& key, bool value) = 0;
    virtual void WriteLong(const wxString& key, long value) = 0;
    virtual void WriteString(const wxString& key, const wxString& value) = 0;
};

// Settings that last as long as the object.
class MemorySettings : public Settings {
  public:
    bool ReadBool(const wxString& key, bool fallback) const override { return Read(key, fallback); }
    long ReadLong(const wxString& key, long fallback) const override { return Read(key, fallback); }
    wxString ReadString(const wxString& key, const wxString& fallback) const override {
        return Read(key, fallback);
    }
    void WriteBool(const wxString& key, bool value) override { values_[key] = value; }
    void WriteLong(const wxString& key, long value) override { values_[key] = value; }
    void WriteString(const wxString& key, const wxString& value) override { values_[key] = value; }

  private:
    using Value = std::variant<bool, long, wxString>;
    template <typename T>
    T Read(const wxString& key, const T& fallback) const {
        auto it = values_.find(key);
        if (it == values_.end()) return fallback;
        const T* value = std::get_if<T>(&it->second);
        return value ? *value : fallback;
    }
    std::map<wxString, Value> values_;
};

// The toolkit's configuration of the program (a file in the user's home on Linux), written
// through at once so that a crash loses nothing the user set.
class ConfigSettings : public Settings {
  public:
    bool ReadBool(const wxString& key, bool fallback) const override;
    long ReadLong(const wxString& key, long fallback) const override;
    wxString ReadString(const wxString& key, const wxString& fallback) const override;
    void WriteBool(const wxString& key, bool value) override;
    void WriteLong(const wxString& key, long value) override;
    void WriteString(const wxString& key, const wxString& value) override;
};

}  // namespace lumo
