// Printing the current page: the printout drawn onto a bitmap as a printer would receive it,
// its sheets, the grid's looks afterwards, and the preview window.
#include "lumo_printing.h"
#include "support/gui_support.h"

#include <wx/dcmemory.h>
#include <wx/image.h>

using namespace lumo;

namespace {
constexpr int kSheetWidth = 850, kSheetHeight = 1100;  // Letter at 100 pixels per inch

// Sets up a printout as the printing framework does before it asks for pages.
void PrepareOnBitmap(LumoPrintout& printout, wxMemoryDC& dc) {
    printout.SetDC(&dc);
    printout.SetPPIScreen(96, 96);
    printout.SetPPIPrinter(100, 100);
    printout.SetPageSizePixels(kSheetWidth, kSheetHeight);
    printout.SetPageSizeMM(216, 279);
    printout.SetPaperRectPixels(wxRect(0, 0, kSheetWidth, kSheetHeight));
}

int DarkPixels(const wxBitmap& bitmap) {
    wxImage image = bitmap.ConvertToImage();
    int dark = 0;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            if (image.GetRed(x, y) < 128) ++dark;
    return dark;
}
}  // namespace

TEST_F(FrameTest, EachSheetIsDrawnAndTheGridKeepsItsLooks) {
    wxBitmap bitmap(kSheetWidth, kSheetHeight);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    LumoPrintout printout(frame, Grid(), "VR-12");
    PrepareOnBitmap(printout, dc);
    int minPage, maxPage, from, to;
    printout.GetPageInfo(&minPage, &maxPage, &from, &to);
    EXPECT_EQ(minPage, 1);
    EXPECT_EQ(maxPage, printout.TotalPages());
    EXPECT_EQ(to, maxPage);
    EXPECT_GE(printout.TotalPages(), 1);
    EXPECT_GT(printout.RowsPerPage(), 0);
    EXPECT_TRUE(printout.HasPage(maxPage));
    EXPECT_FALSE(printout.HasPage(0));
    EXPECT_FALSE(printout.HasPage(maxPage + 1));

    wxFont labelFont = Grid()->GetLabelFont();
    wxColour cellText = Grid()->GetDefaultCellTextColour();
    wxColour labelBackground = Grid()->GetLabelBackgroundColour();
    EXPECT_TRUE(printout.OnPrintPage(1));
    dc.SelectObject(wxNullBitmap);
    EXPECT_GT(DarkPixels(bitmap), 500);  // the heading, the line and the table
    EXPECT_EQ(Grid()->GetLabelFont(), labelFont);
    EXPECT_EQ(Grid()->GetDefaultCellTextColour(), cellText);
    EXPECT_EQ(Grid()->GetLabelBackgroundColour(), labelBackground);

    printout.SetDC(nullptr);
    EXPECT_FALSE(printout.OnPrintPage(1));
}

TEST_F(FrameTest, LandscapeSheetsHoldFewerRows) {
    wxBitmap bitmap(kSheetWidth, kSheetHeight);
    wxMemoryDC dc(bitmap);
    int minPage, maxPage, from, to;
    LumoPrintout portrait(frame, Grid(), "VR-12");
    PrepareOnBitmap(portrait, dc);
    portrait.GetPageInfo(&minPage, &maxPage, &from, &to);

    PrintSettings().SetOrientation(wxLANDSCAPE);
    LumoPrintout landscape(frame, Grid(), "VR-12");
    PrepareOnBitmap(landscape, dc);
    landscape.GetPageInfo(&minPage, &maxPage, &from, &to);
    PrintSettings().SetOrientation(wxPORTRAIT);
    EXPECT_LT(landscape.RowsPerPage(), portrait.RowsPerPage());
    EXPECT_GE(landscape.TotalPages(), portrait.TotalPages());
}

TEST_F(FrameTest, PrintPreviewOpensItsWindow) {
    Command(ID_PRINT_PREVIEW);
    wxPreviewFrame* preview = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        for (wxWindow* window : wxTopLevelWindows)
            if (auto* found = dynamic_cast<wxPreviewFrame*>(window)) preview = found;
        return preview != nullptr;
    }));
    EXPECT_EQ(preview->GetTitle(), "Print Preview");
    preview->Close(true);
    EXPECT_TRUE(WaitUntil([this] { return frame->IsEnabled(); }));
}
