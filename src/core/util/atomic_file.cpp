#include "util/atomic_file.h"

#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>

#ifdef __UNIX__
#include <sys/stat.h>
#endif

namespace lumo {

namespace {
// A temporary file is private to its creator; the saved file gets the permissions the target
// had, or those a new file would get.
void GiveUsualPermissions(const wxString& temporary, const wxString& target) {
#ifdef __UNIX__
    struct stat st;
    mode_t mode;
    if (stat(target.fn_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    chmod(temporary.fn_str(), mode);
#else
    (void)temporary;
    (void)target;
#endif
}
}  // namespace

AtomicFile::AtomicFile(const wxString& path) : path_(path) {
    wxLogNull quiet;  // the caller reports a failure in its own words
    temporary_ =
        wxFileName::CreateTempFileName(wxFileName(path).GetPathWithSep() + ".lumo-save-", &file_);
    failed_ = temporary_.empty() || !file_.IsOpened();
}

AtomicFile::~AtomicFile() {
    Discard();
}

bool AtomicFile::IsOk() const {
    return !failed_;
}

size_t AtomicFile::OnSysWrite(const void* buffer, size_t size) {
    if (failed_ || file_.Write(buffer, size) != size) {
        failed_ = true;
        m_lasterror = wxSTREAM_WRITE_ERROR;
        return 0;
    }
    return size;
}

bool AtomicFile::Commit() {
    wxLogNull quiet;
    if (failed_) {
        Discard();
        return false;
    }
    GiveUsualPermissions(temporary_, path_);
    // The data reaches the disk before the file is renamed over the old one.
    bool placed = file_.Flush() && file_.Close() && wxRenameFile(temporary_, path_, true);
    if (!placed) {
        failed_ = true;
        Discard();
        return false;
    }
    temporary_.clear();
    return true;
}

void AtomicFile::Discard() {
    if (file_.IsOpened()) file_.Close();
    if (!temporary_.empty()) {
        wxLogNull quiet;
        wxRemoveFile(temporary_);
        temporary_.clear();
    }
}

}  // namespace lumo
