#include "files/lumo_file.h"
#include "edit/row_check.h"
#include "edit/shadows.h"
#include "files/backups.h"
#include "files/file_commands.h"
#include "support/page_fixtures.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "support/without_rights.h"

#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/sstream.h>
#include <wx/utils.h>
#include <wx/xml/xml.h>

#include <sys/stat.h>
#include <random>

using namespace lumo;

namespace {
const wxString kData = wxString(LUMO_TEST_DATA) + "/";

wxXmlDocument Parse(const wxString& xml) {
    wxXmlDocument document;
    wxStringInputStream stream(xml);
    document.Load(stream, "UTF-8");
    return document;
}

wxString Header(const char* type = "ANFM", const char* radio = "VR-11",
                const char* band = "FM 30-50") {
    return wxString::Format(
        "<LumoMem><Version>R.C.4</Version><Date>d</Date><Time>t</Time><FType>%s</FType>"
        "<FRadio>%s</FRadio><FBand>%s</FBand>",
        type, radio, band);
}

// A page of a radio with every shown and written cell filled with a value of its column.
Page FilledPage(int radio, int choice, std::mt19937& random) {
    Page page = MakePage(radio, choice);
    for (int row = 1; row <= page.Rows(); row += 1 + static_cast<int>(random() % 7)) {
        for (int col = 0; col < RONL + 1; ++col) {
            if (!IsMemoryColumn(page.Type(), col)) continue;
            page.grid.Set(row, col,
                          wxString::Format("v%d-%u", col, static_cast<unsigned>(random() % 1000)));
        }
        bool p25 = page.IsP25();
        SetCells(page, {{row, MNUM, wxString::Format("%03d", row)}, {row, TFLG, "A0"}});
        SetCells(page, {{row, MFLG, p25 ? "00" : ""}, {row, SHAD, p25 ? "N" : ""}});
        page.grid.Set(row, ZONE, p25 ? ZoneLabel(row % 16, page.Type()) : "");
    }
    return page;
}
}  // namespace

TEST(DataFile, RoundTripsEveryPageTypeCellByCell) {
    std::mt19937 random(7);
    const std::pair<int, int> targets[] = {{1, 0}, {6, 0}, {7, 0},  {17, 5},
                                           {2, 0}, {8, 0}, {10, 1}, {16, 1}};
    for (auto [radio, choice] : targets) {
        Page page = FilledPage(radio, choice, random);
        TempDir dir;
        ASSERT_TRUE(SaveLumoFile(page, dir.Path("page.lumo")));
        Page read = MakePage(1);
        wxString message;
        ASSERT_EQ(OpenLumoFileAt(dir.Path("page.lumo"), read, 0, &message), 0) << message;
        EXPECT_EQ(read.params.radio, radio);
        EXPECT_EQ(read.params.bandChoice, choice);
        EXPECT_EQ(read.grid.RowCount(), page.grid.RowCount());
        for (int row = 1; row <= page.Rows(); ++row)
            for (int col = 0; col <= RONL; ++col) {
                if (!IsMemoryColumn(page.Type(), col) || col == ZONE) continue;
                ASSERT_EQ(read.grid.Get(row, col), page.grid.Get(row, col))
                    << RadioNames[radio] << " row " << row << " " << ColumnKeys[col];
            }
        if (page.IsP25()) {
            EXPECT_TRUE(ZoneCountersMatchRows(read)) << RadioNames[radio];
        }
    }
}

TEST(DataFile, ExampleFileElementByElement) {
    Page page = MakePage(0);  // a new VR-11 page
    wxXmlDocument document;
    BuildLumoDocument(page, wxDateTime(5, wxDateTime::Dec, 2026, 21, 18, 25), document);
    const wxXmlNode* node = document.GetRoot()->GetChildren();
    std::vector<wxString> header;
    for (int i = 0; i < 6; node = node->GetNext(), ++i)
        header.push_back(node->GetName() + "=" + node->GetNodeContent());
    EXPECT_EQ(header, (std::vector<wxString>{"Version=R.C.4", "Date=05-Dec-2026", "Time=21:18:25",
                                             "FType=ANFM", "FRadio=VR-11", "FBand=FM 30-50"}));
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->GetName(), "MEMORY");
    EXPECT_EQ(node->GetAttribute("row"), "0");
    std::vector<wxString> fields;
    for (const wxXmlNode* f = node->GetChildren(); f; f = f->GetNext())
        fields.push_back(f->GetName() + "=" + f->GetNodeContent());
    EXPECT_EQ(fields,
              (std::vector<wxString>{"MN=000", "SC=0", "DS=LOW    30", "MD=W", "RF=30.0000",
                                     "RT=OFF", "RC=OFF", "TF=50.0000", "TT=OFF", "TC=OFF"}));
    EXPECT_EQ(node->GetChildren()->GetNext()->GetAttribute("type"), "ANFM");
    EXPECT_EQ(node->GetNext(), nullptr);
}

TEST(DataFile, LongAndShortNamesReadTheSame) {
    Page a = MakePage(1), b = MakePage(1);
    wxString message;
    ASSERT_EQ(OpenLumoFileAt(kData + "long-names.lumo", a, 0, &message), 0) << message;
    ASSERT_EQ(OpenLumoFileAt(kData + "short-names.lumo", b, 0, &message), 0) << message;
    for (int row = 0; row <= a.Rows(); ++row)
        EXPECT_EQ(a.grid.GetRow(row), b.grid.GetRow(row));
    ExpectCells(a, {{7, DESC, "TAC 7"}, {7, TFLG, "A0"}});
    EXPECT_EQ(a.strings.radioName, "VR-11");
}

TEST(DataFile, EveryStructuralFailureHasItsCodeAndLeavesThePage) {
    const std::pair<wxString, int> cases[] = {
        {"<Other/>", 102},
        {"<LumoMem><Date/></LumoMem>", 103},
        {"<LumoMem><Version/><Time/></LumoMem>", 104},
        {"<LumoMem><Version/><Date/><Date/></LumoMem>", 105},
        {"<LumoMem><Version/><Date/><Time/><Type/></LumoMem>", 106},
        {"<LumoMem><Version/><Date/><Time/><FType>ANFM</FType><Radio/></LumoMem>", 107},
        {"<LumoMem><Version/><Date/><Time/><FType>ANFM</FType><FRadio>VR-11</FRadio></LumoMem>",
         108},
        {Header() + "<MEMORY row=\"1\"><MN>1</MN></MEMORY><Channel/></LumoMem>", 109},
        {Header("XXXX") + "</LumoMem>", kFileUnknownType},
        {Header("ANFM", "VR-99") + "</LumoMem>", kFileUnknownRadio},
        {Header("ANFM", "VR-11", "FM 138-174") + "</LumoMem>", kFileUnknownBand},
    };
    for (const auto& [xml, code] : cases) {
        Page page = MakePage(1);
        FillFromDefaults(page, 3);
        RowTexts before = page.grid.GetRow(3);
        wxString detail;
        EXPECT_EQ(OpenLumoFile(Parse(xml), page, 0, &detail), code) << xml;
        EXPECT_EQ(page.grid.GetRow(3), before) << "the page is untouched: " << xml;
        EXPECT_EQ(page.params.radio, 1);
    }
    wxXmlDocument empty;
    Page page = MakePage(1);
    EXPECT_EQ(OpenLumoFile(empty, page, 0), 101);
    EXPECT_EQ(OpenFileMessage(106), "Open File returned: 106");
    EXPECT_EQ(OpenFileMessage(111, "VR-99"), "Open File returned: 111\nUnknown radio: \"VR-99\"");
}

TEST(DataFile, HeaderOnlyFileGivesAnEmptyPageOfItsTarget) {
    Page page = MakePage(1);
    FillFromDefaults(page, 3);
    ASSERT_EQ(OpenLumoFile(Parse(Header("RP25", "VRD-21", "FM 136-174") + "</LumoMem>"), page, 0),
              0);
    EXPECT_EQ(page.grid.RowCount(), 233);
    for (int row = 1; row <= page.Rows(); ++row)
        EXPECT_FALSE(page.IsRowUsed(row)) << row;
    EXPECT_EQ(page.grid.Get(0, DESC), "VHF  136");
}

TEST(DataFile, RowsOutsideTheGridAndUnknownFieldsAreSkipped) {
    wxString xml = Header() +
                   "<MEMORY row=\"500\"><MN>500</MN></MEMORY>"
                   "<MEMORY row=\"-3\"><MN>1</MN></MEMORY>"
                   "<MEMORY row=\"4\"><XX>1</XX><MN>4</MN><MF>10</MF><ZN>3</ZN></MEMORY>"
                   "<MEMORY><DS>DEFAULT</DS></MEMORY></LumoMem>";
    Page page = MakePage(1);
    ASSERT_EQ(OpenLumoFile(Parse(xml), page, 0), 0);
    EXPECT_EQ(page.grid.RowCount(), 123);
    EXPECT_EQ(page.grid.Get(4, MNUM), "4");
    EXPECT_EQ(page.grid.Get(4, MFLG), "") << "MF is not read from an ANFM file";
    EXPECT_EQ(page.grid.Get(4, ZONE), "");
    EXPECT_EQ(page.grid.Get(0, DESC), "DEFAULT") << "a row element without a row is row 0";
}

// A row is read back as the file wrote it: the write's conversions stand, and a row with only
// some data keeps what it has.
TEST(DataFile, RowsAreReadBackAsTheFileWroteThem) {
    Page anfm = MakePage(1);
    FillFromDefaults(anfm, 2);
    for (auto [col, text] : {std::pair(MNUM, "7"), {RTON, "64"}, {TTON, "00"}, {TCOD, "000"}})
        anfm.grid.Set(2, col, text);
    Page r19 = MakePage(2);  // R19: shown column 30 is emptied by the check
    SetCells(r19, {{3, MNUM, "003"}, {3, RFRQ, "121.500"}, {3, TFLG, "A0"}});
    const struct {
        const Page& page;
        int row;
        std::vector<std::pair<int, const char*>> read;
    } cases[] = {
        {anfm, 2, {{MNUM, "007"}, {RTON, "OFF"}, {TTON, "OFF"}, {TCOD, "OFF"}}},
        {r19, 3, {{MNUM, "003"}, {RFRQ, "121.500"}}},
    };
    TempDir dir;
    for (const auto& c : cases) {
        ASSERT_TRUE(SaveLumoFile(c.page, dir.Path("s.lumo")));
        Page read = MakePage(1);
        ASSERT_EQ(OpenLumoFileAt(dir.Path("s.lumo"), read, 0, nullptr), 0);
        for (const auto& [col, text] : c.read)
            EXPECT_EQ(read.grid.Get(c.row, col), text) << ColumnKeys[col];
    }
}

TEST(DataFile, TwelveRowsInZoneOneStayInZoneOne) {
    Page page = MakePage(1);
    ASSERT_EQ(OpenLumoFileAt(kData + "twelve-in-zone-one.lumo", page, 0, nullptr), 0);
    EXPECT_EQ(page.params.pageFlags & kPageFlagRelations, kPageFlagRelations);
    EXPECT_TRUE(page.grid.IsReadOnly(20, ZONE));
    EXPECT_EQ(page.grid.Get(20, SCAN), "N");
    ScriptedDialogs dialogs;
    CheckPage(page, dialogs, 0);
    for (int row = 1; row <= 12; ++row)
        EXPECT_EQ(page.grid.Get(row, ZONE), "1") << row;
    EXPECT_EQ(page.zoneCounters[0], 12);
    EXPECT_TRUE(PageIsConsistent(page));
    RemoveShadow(page, 20);
    EXPECT_EQ(page.grid.Get(2, SHD0), "0");
}

TEST(DataFile, SaveIntoAnUnwritableFolderIsReportedAndKeepsTheOldFile) {
    // (A folder that does not exist is FileCommands.FailedSaveKeepsTheFileNameAndTheChanges.)
    TempDir dir;
    Page page = MakePage(1);
    ASSERT_TRUE(SaveLumoFile(page, dir.Path("keep.lumo")));
    chmod(dir.Path().fn_str(), 0555);
    page.grid.Set(3, DESC, "NEW");
    EXPECT_EQ(
        AsUserWithoutRights([&] { return SaveLumoFile(page, dir.Path("keep.lumo")) ? 1 : 0; }), 0);
    Page read = MakePage(1);
    EXPECT_EQ(OpenLumoFileAt(dir.Path("keep.lumo"), read, 0, nullptr), 0);
    EXPECT_FALSE(read.IsRowUsed(3));
}

TEST(FileCommands, FailedSaveKeepsTheFileNameAndTheChanges) {
    PageTable pages;
    pages.AddSlot();
    Page& page = pages.Slot(0);
    page = MakePage(1);
    page.grid.Set(0, DESC, "X");
    ScriptedDialogs dialogs;
    EXPECT_FALSE(SaveFileCommand(dialogs, page, true)) << "the default row alone is no data";
    EXPECT_EQ(dialogs.Messages(), (std::vector<wxString>{"Empty Grid - No data to Save"}));
    page.grid.Set(3, DESC, "X");
    dialogs.texts = {wxString("/nonexistent-lumo-folder/fleet.lumo")};
    EXPECT_FALSE(SaveFileCommand(dialogs, page, true));
    EXPECT_EQ(dialogs.Messages().back(),
              "Could not save the file\n/nonexistent-lumo-folder/fleet.lumo");
    EXPECT_EQ(page.strings.fileName, "");
    EXPECT_TRUE(page.HasUnsavedChanges());
    TempDir dir;
    dialogs.texts = {dir.Path("fleet.lumo")};
    EXPECT_TRUE(SaveFileCommand(dialogs, page, true));
    EXPECT_EQ(page.strings.fileName, "fleet");
    EXPECT_FALSE(page.HasUnsavedChanges());
    EXPECT_TRUE(wxFileExists(dir.Path("fleet.lumo")));
    page.grid.Set(4, DESC, "Y");
    EXPECT_TRUE(SaveFileCommand(dialogs, page, false)) << "a named page saves without a dialog";
    struct stat st;
    ASSERT_EQ(stat(dir.Path("fleet.lumo").fn_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0044, 0044u) << "the saved file is readable as files usually are";
}

TEST(FileCommands, UnsavedPagesAreOfferedForSavingBeforeClosing) {
    PageTable pages;
    pages.AddSlot();
    pages.Slot(0) = MakePage(1);
    pages.Slot(0).MarkSaved();
    ScriptedDialogs dialogs;
    EXPECT_TRUE(ConfirmUnsavedPages(dialogs, pages));
    EXPECT_TRUE(dialogs.shown.empty()) << "nothing to lose, nothing asked";
    pages.Slot(0).grid.Set(2, DESC, "CHANGED");
    dialogs.answers = {DialogAnswer::Cancel};
    EXPECT_FALSE(ConfirmUnsavedPages(dialogs, pages));
    EXPECT_EQ(dialogs.shown.back().caption, "Save Changes?");
    dialogs.answers = {DialogAnswer::No};
    EXPECT_TRUE(ConfirmUnsavedPages(dialogs, pages));
    dialogs.answers = {DialogAnswer::Yes};  // and then the save dialog is cancelled
    EXPECT_FALSE(ConfirmUnsavedPages(dialogs, pages));
}

TEST(FileCommands, OpenReportsBadFilesAndKeepsThePage) {
    PageTable pages;
    pages.AddSlot();
    pages.Slot(0) = MakePage(1);
    FillFromDefaults(pages.Slot(0), 5);
    TempDir dir;
    ScriptedDialogs dialogs;
    dialogs.texts = {dir.Write("bad.lumo", "<LumoMem><unclosed>")};
    EXPECT_FALSE(OpenFileCommand(dialogs, pages, 0));
    EXPECT_EQ(dialogs.Messages().back(), "Not valid XML Document");
    EXPECT_TRUE(pages.Slot(0).IsRowUsed(5));
    dialogs.texts = {kData + "long-names.lumo"};
    EXPECT_TRUE(OpenFileCommand(dialogs, pages, 0));
    EXPECT_EQ(pages.Slot(0).strings.fileName, "long-names");
    EXPECT_TRUE(pages.Slot(0).params.pageFlags & kPageFlagFromFile);
    EXPECT_FALSE(pages.Slot(0).HasUnsavedChanges());
}

// Backups are data files named by radio, ID and time in the user's data folder; each radio
// keeps its newest ones.
TEST(Backups, NamedByRadioIdAndTimeAndTheNewestOfEachRadioKept) {
    const std::pair<const char*, wxString> folders[] = {
        {"/data/home", "/data/home/lumo/backups"},
        {"relative", wxGetHomeDir() + "/.local/share/lumo/backups"},
    };
    for (const auto& [xdg, folder] : folders) {
        wxSetEnv("XDG_DATA_HOME", xdg);
        EXPECT_EQ(DefaultBackupFolder(), folder);
    }
    wxUnsetEnv("XDG_DATA_HOME");
    wxDateTime start(1, wxDateTime::Jan, 2026, 9, 30, 5);
    EXPECT_EQ(BackupFileName("VRD-21", "20260101093005", start),
              "VRD-21_20260101093005_2026-01-01_09-30-05.lumo");

    TempDir dir;
    wxString folder = dir.Path("made/backups");
    Page page = MakePage(1);
    std::vector<wxString> saved;
    for (int i = 0; i < kBackupsKept + 2; ++i)
        saved.push_back(SaveBackup(page, folder, "", start + wxTimeSpan::Minutes(i), nullptr));
    EXPECT_EQ(wxFileName(saved[0]).GetFullName(), "VR-12_2026-01-01_09-30-05.lumo");
    // Another radio, or the same model with an ID, counts apart.
    wxString others[] = {SaveBackup(MakePage(6), folder, "", start, nullptr),
                         SaveBackup(page, folder, "20260101093005", start, nullptr)};
    for (size_t i = 0; i < saved.size(); ++i)
        EXPECT_EQ(wxFileExists(saved[i]), i >= 2) << i;
    for (const wxString& other : others)
        EXPECT_TRUE(wxFileExists(other)) << other;
    wxString again =
        SaveBackup(page, folder, "", start + wxTimeSpan::Minutes(kBackupsKept + 1), nullptr);
    EXPECT_EQ(again, saved.back().BeforeLast('.') + "-2.lumo");
    EXPECT_EQ(LastBackup(folder, "VR-12"), again);
    EXPECT_EQ(LastBackup(folder, "VR-13"), "");
    Page restored = MakePage(6);
    wxString message;
    EXPECT_EQ(OpenLumoFileAt(again, restored, 0, &message), kFileOk) << message;
    EXPECT_EQ(restored.params.radio, 1);
}
