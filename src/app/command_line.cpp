#include "command_line.h"

#include "edit/row_values.h"
#include "files/lumo_file.h"
#include "lumo_printing.h"
#include "model/catalogue.h"
#include "util/program_options.h"

#include <wx/app.h>
#include <wx/init.h>

#include <cstdio>
#include <string>

using namespace lumo;

namespace {
const char* const kUsage =
    "Usage: lumo [--port DEVICE] [FILE.lumo...]\n"
    "       lumo FILE.lumo --print-to OUT.pdf [--landscape]\n"
    "\n"
    "Lumo loads channel data into Norv radios. It opens its window with each FILE.lumo on a\n"
    "page of its own (six at most).\n"
    "\n"
    "  --port DEVICE       choose the serial port DEVICE at start (a radio simulator's, say);\n"
    "                      a port on another machine is tcp://HOST:PORT or rfc2217://HOST:PORT\n"
    "  --print-to OUT.pdf  print the page of FILE.lumo to the PDF file OUT.pdf (Letter paper,\n"
    "                      15 mm margins) and exit; shows no window and needs no display\n"
    "  --landscape         print in landscape: fewer rows to a sheet, a wider table\n"
    "  --version           show the version and exit\n"
    "  -h, --help          show this text and exit\n";

const wxCmdLineEntryDesc kCommandLine[] = {
    {wxCMD_LINE_OPTION, nullptr, "port", nullptr, wxCMD_LINE_VAL_STRING, 0},
    {wxCMD_LINE_OPTION, nullptr, "print-to", nullptr, wxCMD_LINE_VAL_STRING, 0},
    {wxCMD_LINE_SWITCH, nullptr, "landscape", nullptr, wxCMD_LINE_VAL_NONE, 0},
    {wxCMD_LINE_PARAM, nullptr, nullptr, "FILE.lumo", wxCMD_LINE_VAL_STRING,
     wxCMD_LINE_PARAM_OPTIONAL | wxCMD_LINE_PARAM_MULTIPLE},
    {wxCMD_LINE_NONE, nullptr, nullptr, nullptr, wxCMD_LINE_VAL_NONE, 0},
};

constexpr int kFailed = 1;
const char* const kProgram = "lumo";
const char* const kPrintOnly = "--landscape goes with --print-to OUT.pdf";

int Fail(wxString message) {
    message.Replace("\n", ": ");
    std::fprintf(stderr, "lumo: %s\n", static_cast<const char*>(message.utf8_str()));
    return kFailed;
}

// Opens a data file into the page Lumo starts with and prints it as the Print command would,
// at the catalogue's column widths, on the page set-up the program starts with.
int PrintFileToPdf(const wxString& input, const wxString& output, bool landscape) {
    InitCatalogueLists();
    Page page;
    SetPageParameters(page, 0, 1, 0);
    SetupPageStore(page);
    SetPageDefaults(page, 0);
    wxString message;
    if (OpenLumoFileAt(input, page, 0, &message) != kFileOk) return Fail(message);
    PrintGeometry geometry;
    geometry.landscape = landscape;
    PrintedTable table = TableOf(ColumnWidths[page.Type()], page.Rows() + 1);
    if (PrintPageToPdf(page, table, page.strings.radioName, geometry, output, &message) == 0)
        return Fail(message);
    return 0;
}
}  // namespace

bool WantsNoWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--port" && i + 1 < argc)
            ++i;
        else if (arg.rfind("-", 0) == 0 && arg.rfind("--port=", 0) != 0)
            return true;  // any other option: printing, help, version or a mistake
    }
    return false;
}

int RunWithoutWindow(int argc, char** argv) {
    wxApp::SetInstance(new wxAppConsole);
    wxInitializer toolkit(argc, argv);
    if (!toolkit.IsOk()) return Fail("could not start the toolkit");
    wxCmdLineParser parser;
    SetArguments(parser, argc, argv);
    if (std::optional<int> done = ParseOptions(parser, kProgram, kCommandLine, kUsage))
        return *done;
    wxString pdf;
    if (!parser.Found("print-to", &pdf)) return Misused(kProgram, kPrintOnly);
    if (parser.GetParamCount() != 1)
        return Misused(kProgram, "--print-to needs the FILE.lumo to print");
    return PrintFileToPdf(parser.GetParam(0), pdf, parser.Found("landscape"));
}

std::optional<int> ParseWindowCommandLine(wxCmdLineParser& parser) {
    if (std::optional<int> done = ParseOptions(parser, kProgram, kCommandLine, kUsage)) return done;
    if (parser.Found("landscape")) return Misused(kProgram, kPrintOnly);
    return std::nullopt;
}
