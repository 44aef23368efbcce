// What every fuzz target shares: the toolkit started once, a fresh page of the radio the input's
// first byte names, the input written out as a file, and the invariants a page keeps whatever it
// was fed. A broken invariant aborts, which the fuzzer reports as a crash with its input.
#pragma once

#include "model/catalogue.h"
#include "model/radio_facts.h"
#include "support/page_fixtures.h"

#include <wx/init.h>
#include <wx/log.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

namespace fuzz {

// Which radios a target's input may reach: what a digital radio sends never reaches the page of
// an analog one, nor the other way round.
enum class Radios { Any, Digital, Analog };

// The first byte picks the radio and its band; the rest is what the target reads.
struct Input {
    lumo::Page page;
    std::string rest;
};
inline Input Split(const uint8_t* data, size_t size, Radios kind = Radios::Any) {
    std::vector<int> radios;
    for (int radio = 0; radio < lumo::kRadioCount; ++radio) {
        bool digital = lumo::RadioFactsOf(radio).digitalSession;
        if (kind == Radios::Any || digital == (kind == Radios::Digital)) radios.push_back(radio);
    }
    int pick = size > 0 ? data[0] : 0;
    int radio = radios[static_cast<size_t>(pick) % radios.size()];
    int band = (pick / static_cast<int>(radios.size())) % lumo::BandChoiceCount(radio);
    std::string rest =
        size > 1 ? std::string(reinterpret_cast<const char*>(data) + 1, size - 1) : std::string();
    return {MakePage(radio, band), std::move(rest)};
}

[[noreturn]] inline void Broken(const char* what, const std::string& detail = {}) {
    std::fprintf(stderr, "page invariant broken: %s %s\n", what, detail.c_str());
    std::abort();
}

// The grid kept its rows, every zone counter matches its rows, every link has both ends.
inline void CheckPage(const lumo::Page& page, int gridRows) {
    if (page.grid.RowCount() != gridRows) Broken("the grid's row count changed");
    if (auto zones = ZoneCountersMatchRows(page); !zones) Broken("zones:", zones.message());
    if (auto links = ShadowLinksHaveBothEnds(page); !links) Broken("links:", links.message());
}
// A refused input leaves the page exactly as it was.
inline void CheckUntouched(const lumo::Page& page, uint64_t revision) {
    if (page.grid.Revision() != revision) Broken("a refused input changed the page");
}

// The input as a file of the given name in a folder of this process's own.
inline wxString WriteFile(const std::string& bytes, const char* name) {
    static const std::string folder = [] {
        char pattern[] = "/tmp/lumo-fuzz-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made) std::abort();
        return std::string(made);
    }();
    std::string path = folder + "/" + name;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return wxString::FromUTF8(path);
}

}  // namespace fuzz

// Every target starts the toolkit once, before the first input; each target is a program of its
// own, so this header is included once in each.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static wxInitializer* toolkit = new wxInitializer;  // lives as long as the process
    if (!toolkit->IsOk()) std::abort();
    wxLog::EnableLogging(false);
    wxSetAssertHandler(nullptr);  // the toolkit's own checks are not the target's faults
    lumo::InitCatalogueLists();
    return 0;
}
