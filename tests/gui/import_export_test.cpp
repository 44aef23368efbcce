// Import and Export through the real frame: the file dialogs, the page an import fills, the
// first edit of an imported row, and the rows an export takes from the grid's selection.
#include "support/gui_support.h"
#include "support/temp_dir.h"

#include <wx/ffile.h>

using namespace lumo;

namespace {
constexpr int kVR13 = 3;  // FM 138-174

wxString Sample(const char* name) {
    return wxString(LUMO_TEST_DATA) + "/" + name;
}
}  // namespace

TEST_F(FrameTest, ImportedLinesFillThePageAndSurviveTheirFirstEdit) {
    Retarget(kVR13);
    ASSERT_EQ(CurrentPage().params.radio, kVR13);
    dialogs->texts.push_back(Sample("three-memories.m35"));
    Command(ID_IMPORT);
    EXPECT_EQ(dialogs->Messages().back(), "Imported 3 Lines from PolyLum file.");
    ExpectShown({{2, DESC, "REPEATER"}, {2, RFRQ, "147.3000"}});
    EXPECT_EQ(frame->GetStatusBar()->GetStatusText(1), CurrentPage().strings.radioName);

    // The row's transfer flags say it holds a memory: editing its description keeps the rest.
    Type(2, DESC, "X");
    ExpectShown({{2, DESC, "X"}, {2, RFRQ, "147.3000"}, {2, SCAN, "5"}});
    EXPECT_TRUE(CurrentPage().HasUnsavedChanges());
}

// Select All, then Export: the used memory rows go out, never the default row or empty rows,
// and the user is told how many went to which file.
TEST_F(FrameTest, ExportWritesTheUsedMemoriesOfTheSelection) {
    TempDir dir;
    Type(4, RFRQ, "70.5");
    Type(9, RFRQ, "71");
    Command(ID_SELECT_ALL);
    dialogs->texts.push_back(dir.Path("out.csv"));
    Command(ID_EXPORT);
    wxString text;
    ASSERT_TRUE(wxFFile(dir.Path("out.csv")).ReadAll(&text));
    wxArrayString lines = wxSplit(text, '\n', '\0');
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(lines[1].StartsWith("004,"));
    EXPECT_NE(lines[1].Find(",70.5000,"), wxNOT_FOUND);
    EXPECT_TRUE(lines[2].StartsWith("009,"));
    EXPECT_EQ(dialogs->Messages().back(), "Exported 2 memories to " + dir.Path("out.csv") + ".");
    EXPECT_TRUE(CurrentPage().strings.fileName.empty());  // an export is no save
}
