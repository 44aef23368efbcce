#include "util/program_options.h"

#include "util/version.h"

#include <wx/msgout.h>

#include <cstdio>
#include <vector>

namespace lumo {

namespace {
// Keeps what the parser would print, so that a mistake is reported on one line.
class KeptOutput : public wxMessageOutput {
  public:
    void Output(const wxString& text) override { text_ << text; }
    // wx ends its complaints with a full stop; the line adds a hint after it.
    wxString Text() const {
        wxString text = wxString(text_).Trim();
        return text.EndsWith(".") ? text.RemoveLast() : text;
    }

  private:
    wxString text_;
};
}  // namespace

void SetArguments(wxCmdLineParser& parser, int argc, char** argv) {
    std::vector<wxString> texts;
    for (int i = 0; i < argc; ++i) {
        wxString text = wxString::FromUTF8(argv[i]);
        texts.push_back(text.empty() ? wxString(argv[i]) : text);
    }
    std::vector<wxChar*> pointers;
    for (wxString& text : texts)
        pointers.push_back(const_cast<wxChar*>(text.wc_str()));
    pointers.push_back(nullptr);
    parser.SetCmdLine(argc, pointers.data());
}

std::optional<int> ParseOptions(wxCmdLineParser& parser, const char* program,
                                const wxCmdLineEntryDesc* options, const char* usage) {
    parser.AddSwitch("h", "help", "show the usage and exit", wxCMD_LINE_OPTION_HELP);
    parser.AddSwitch("", "version", "show the version and exit");
    parser.SetDesc(options);
    KeptOutput complaints;
    wxMessageOutput* output = wxMessageOutput::Set(&complaints);
    int result = parser.Parse(false);
    wxMessageOutput::Set(output);
    if (result == -1) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (result != 0) return Misused(program, complaints.Text());
    if (parser.Found("version")) {
        std::printf("%s %s\n", program, ProgramVersion());
        return 0;
    }
    return std::nullopt;
}

int Misused(const char* program, const wxString& message) {
    wxString line = message;
    line.Replace("\n", ": ");
    std::fprintf(stderr, "%s: %s (see %s --help)\n", program,
                 static_cast<const char*>(line.utf8_str()), program);
    return kExitMisused;
}

}  // namespace lumo
