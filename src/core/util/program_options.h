// What the command lines of Lumo's programs (lumo, lumo-cli, lumo-radio-sim) have in common:
// each describes its options to a wxCmdLineParser and gets --help and --version besides; a
// mistake is one line on standard error and exit code 2.
#pragma once

#include <wx/cmdline.h>

#include <optional>

namespace lumo {

constexpr int kExitMisused = 2;

// Gives the parser the arguments, read as UTF-8 whatever the locale.
void SetArguments(wxCmdLineParser& parser, int argc, char** argv);

// Parses against `options` (ended by a wxCMD_LINE_NONE entry) plus --help and --version.
// Returns the exit code when the program ends here: 0 after printing `usage` or
// "PROGRAM VERSION" on standard output, kExitMisused after a one-line complaint.
std::optional<int> ParseOptions(wxCmdLineParser& parser, const char* program,
                                const wxCmdLineEntryDesc* options, const char* usage);

// Writes "PROGRAM: MESSAGE (see PROGRAM --help)" on standard error; returns kExitMisused.
int Misused(const char* program, const wxString& message);

}  // namespace lumo
