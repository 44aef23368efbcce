#include "export/csv_export.h"
#include "import/import_command.h"
#include "model/csv_columns.h"
#include "rules/frequency_rules.h"
#include "support/page_fixtures.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <wx/ffile.h>

using namespace lumo;

namespace {
constexpr int kVR12 = 1;   // ANFM
constexpr int kVRD21 = 6;  // RP25
constexpr int kVRA50 = 8;  // DAMX

wxString ReadAll(const wxString& path) {
    wxString text;
    wxFFile file(path, "rb");
    if (file.IsOpened()) file.ReadAll(&text, wxConvUTF8);
    return text;
}

// Exports the page's selected rows through the command, the file dialog answered with `path`.
wxString Export(const Page& page, const wxString& path, ScriptedDialogs& dialogs) {
    dialogs.texts.push_back(path);
    EXPECT_TRUE(ExportFileCommand(dialogs, page));
    return ReadAll(path);
}
}  // namespace

TEST(CsvExport, SelectedRowsGoOutInGridOrderWithThePagesColumns) {
    TempDir dir;
    Page page = MakePage(kVR12);
    for (int row : {2, 5})
        FillFromDefaults(page, row);
    page.grid.GetSelection().AddRow(5);
    page.grid.GetSelection().AddRow(2);
    ScriptedDialogs dialogs;
    wxArrayString lines = wxSplit(Export(page, dir.Path("vr12.csv"), dialogs), '\n', '\0');
    EXPECT_EQ(dialogs.shown.front().text, "VR-12.csv");  // the dialog offers the radio's name
    ASSERT_EQ(lines.size(), 4u);                         // header, two rows, and the last line end
    EXPECT_EQ(lines[0], "MNUM,SCAN,DESC,MODE,RFRQ,RTON,RCOD,TFRQ,TTON,TCOD,");
    EXPECT_EQ(wxSplit(lines[1], ',', '\0').size(), 11u);  // ten values, each with its comma
    EXPECT_TRUE(lines[1].StartsWith("002,"));
    EXPECT_TRUE(lines[2].StartsWith("005,"));
}

TEST(CsvExport, QuotesCommasAndLineEndsAreQuoted) {
    EXPECT_EQ(CsvValue("PLAIN"), "PLAIN");
    EXPECT_EQ(CsvValue("A\"B"), "\"A\"\"B\"");
    EXPECT_EQ(CsvValue("A,B"), "\"A,B\"");
    EXPECT_EQ(CsvValue("A\nB"), "\"A\nB\"");
}

TEST(CsvExport, TheVra50LayoutWritesItsOwnValues) {
    TempDir dir;
    Page page = MakePage(kVRA50);
    FillFromDefaults(page, 1);
    SetCells(page, {{1, MNUM, "007"}, {1, DESC, "TOWER"}, {1, RFRQ, "118.000"}, {1, SCAN, "Y"}});
    SetCells(page, {{1, RONL, "N"}, {1, TFLG, "A2"}});
    page.grid.Set(1, TFRQ, "12");  // too short to hold a point: written as it is
    page.grid.GetSelection().AddRow(1);
    ScriptedDialogs dialogs;
    wxArrayString lines = wxSplit(Export(page, dir.Path("a.csv"), dialogs), '\n', '\0');
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "VRA-50,Purge,,,,");
    EXPECT_EQ(lines[1], "Memory,Name,Receive,Transmit,Scan,Rx Only");
    EXPECT_EQ(lines[2], "7,TOWER,118000,12,Yes,No,");

    // Without the purge mark; a blank Scan is No, any other receive-only text stays.
    SetCells(page, {{1, TFLG, "A0"}, {1, SCAN, ""}, {1, RONL, ""}});
    lines = wxSplit(Export(page, dir.Path("b.csv"), dialogs), '\n', '\0');
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "VRA-50,,,,,");
    EXPECT_EQ(lines[2], "7,TOWER,118000,12,No,,");
}

TEST(CsvExport, NothingSelectedOrNowhereToWriteIsReported) {
    TempDir dir;
    Page page = MakePage(kVRD21);
    ScriptedDialogs dialogs;
    EXPECT_FALSE(ExportFileCommand(dialogs, page));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "No data selected!");
    EXPECT_EQ(dialogs.shown[0].caption, "Export CSV - Error!");

    page.grid.GetSelection().AddRow(1);
    dialogs.texts.push_back(dir.Path("no/such/folder/x.csv"));
    EXPECT_FALSE(ExportFileCommand(dialogs, page));
    EXPECT_EQ(dialogs.Messages().back(), "Unable to write to selected File");

    dialogs.shown.clear();
    EXPECT_FALSE(ExportFileCommand(dialogs, page));  // the dialog cancelled: nothing said
    EXPECT_EQ(dialogs.Messages().size(), 0u);
}

TEST(CsvExport, AnExistingFileIsReplacedWhole) {
    TempDir dir;
    wxString path = dir.Write("old.csv", std::string(5000, '#'));
    Page page = MakePage(kVRD21);
    page.grid.GetSelection().AddRow(1);
    ScriptedDialogs dialogs;
    wxString text = Export(page, path, dialogs);
    EXPECT_TRUE(text.StartsWith("MNUM,"));
    EXPECT_EQ(text.Find('#'), wxNOT_FOUND);
}

// Every radio: what one page exports, a fresh page of the same radio imports back, cell for
// cell in the exported columns (frequencies by value: the import writes them in the page's own
// format).
TEST(CsvRoundTrip, EveryRadioReadsBackWhatItWrote) {
    TempDir dir;
    for (int radio = 0; radio < kRadioCount; ++radio) {
        SCOPED_TRACE(RadioNames[radio]);
        Page page = MakePage(radio);
        int last = std::min(page.Rows(), 20);
        for (int row = 1; row <= last; ++row)
            FillFromDefaults(page, row);
        SelectUsedRows(page);
        ScriptedDialogs dialogs;
        wxString path = dir.Path(wxString::Format("radio%d.csv", radio));
        Export(page, path, dialogs);

        Page back = MakePage(radio);
        ImportOutcome outcome = ImportFileAt(path, back, 0, dialogs);
        ASSERT_GT(outcome.count, 0) << dialogs.Messages().back();
        const std::vector<int>& columns = ExportColumnMask[page.Type()];
        std::vector<int> gridColumns;
        for (int column : columns)
            gridColumns.push_back(ExportColumnList[column]);
        if (page.Type() == kDAMX) gridColumns = {DESC, RFRQ, TFRQ, SCAN, RONL};
        for (int row = 1; row <= page.Rows(); ++row) {
            EXPECT_EQ(back.IsRowUsed(row), page.IsRowUsed(row)) << "row " << row;
            if (!page.IsRowUsed(row)) continue;
            for (int col : gridColumns) {
                const wxString& before = page.grid.Get(row, col);
                const wxString& after = back.grid.Get(row, col);
                if ((col == RFRQ || col == TFRQ) && before != "n/a")
                    EXPECT_EQ(FrequencyHz(after), FrequencyHz(before))
                        << "row " << row << " " << ColumnKeys[col];
                else
                    EXPECT_EQ(after, before) << "row " << row << " " << ColumnKeys[col];
            }
        }
        EXPECT_TRUE(ZoneCountersMatchRows(back));
    }
}
