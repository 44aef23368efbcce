// lumo-cli: the headless front end over Lumo's core.
#include "model/catalogue.h"
#include "shell/commands.h"

#include <wx/init.h>

#include <cstdio>
#include <cstring>

namespace {

const char* const kUsage =
    "Usage: lumo-cli [--version] [--help]\n"
    "\n"
    "Lumo loads channel data into Norv radios. This is its command-line front end.\n"
    "\n"
    "Options:\n"
    "  --version   print the program's version and exit\n"
    "  --help      print this text and exit\n";

int Usage(FILE* out, int code) {
    std::fputs(kUsage, out);
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    wxInitializer wx;
    if (!wx.IsOk()) {
        std::fputs("lumo-cli: could not initialise the toolkit\n", stderr);
        return 2;
    }
    lumo::InitCatalogueLists();
    if (argc < 2) return Usage(stderr, 2);
    const char* arg = argv[1];
    if (std::strcmp(arg, "--version") == 0) {
        std::printf("lumo-cli %s\n", static_cast<const char*>(lumo::VersionText().utf8_str()));
        return 0;
    }
    if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) return Usage(stdout, 0);
    std::fprintf(stderr, "lumo-cli: unknown command '%s'\n", arg);
    return Usage(stderr, 2);
}
