// A scratch directory removed, with everything in it, when the test ends.
#pragma once

#include <wx/filename.h>
#include <wx/string.h>

#include <sys/stat.h>

#include <cstdio>
#include <string>

class TempDir {
  public:
    TempDir() {
        char pattern[] = "/tmp/lumo-test-XXXXXX";
        if (const char* made = mkdtemp(pattern)) path_ = made;
    }
    ~TempDir() {
        chmod(path_.fn_str(), 0700);
        wxFileName::Rmdir(path_, wxPATH_RMDIR_RECURSIVE);
    }
    wxString Path(const wxString& name = "") const { return path_ + "/" + name; }
    // Writes bytes to a file in the directory and returns its path.
    wxString Write(const wxString& name, const std::string& bytes) const {
        wxString path = Path(name);
        if (FILE* f = fopen(path.fn_str(), "wb")) {
            fwrite(bytes.data(), 1, bytes.size(), f);
            fclose(f);
        }
        return path;
    }

  private:
    wxString path_;
};
