// A file written through a temporary file beside it. The target is replaced (by one rename)
// only when every byte was written and has reached the disk; it keeps its permissions, and a
// new file gets those any new file would. A file never committed leaves the target untouched.
#pragma once

#include <wx/file.h>
#include <wx/stream.h>
#include <wx/string.h>

namespace lumo {

class AtomicFile : public wxOutputStream {
  public:
    explicit AtomicFile(const wxString& path);
    ~AtomicFile() override;

    // False when the temporary file could not be made or a write failed.
    bool IsOk() const override;
    // Puts the file in place; false, with the target untouched, when anything failed.
    bool Commit();

  protected:
    size_t OnSysWrite(const void* buffer, size_t size) override;

  private:
    void Discard();

    wxString path_;
    wxString temporary_;
    wxFile file_;
    bool failed_ = false;
};

}  // namespace lumo
