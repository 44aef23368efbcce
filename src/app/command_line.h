// The program's command line: "--port DEVICE" for the window; "FILE.lumo --print-to OUT.pdf
// [--landscape]", "--help" and "--version" do their work without a window or a display, and so
// is a mistake reported.
#pragma once

#include <wx/cmdline.h>

#include <optional>

// True when the command line holds an option other than --port: printing, help, the version
// and mistakes are done, or refused, without a window. Files alone open in the window.
bool WantsNoWindow(int argc, char** argv);
// Starts the toolkit without its GUI, does that work and returns the exit code.
int RunWithoutWindow(int argc, char** argv);

// Reads the command line of a program that opens its window. Returns the exit code when the
// program must end at once (after a one-line message on standard error), else nothing.
std::optional<int> ParseWindowCommandLine(wxCmdLineParser& parser);
