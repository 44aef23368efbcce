// Printing the current page from the window: the preview as the user sees it at two zoom
// levels, the grid after a preview, and a printer that fails. The sheets themselves are checked
// through "lumo --print-to" (tests/cli/print_test.sh).
#include "lumo_printing.h"
#include "support/gui_support.h"

#include <wx/dcmemory.h>
#include <wx/image.h>

using namespace lumo;

namespace {
constexpr int kVR36 = 14;

// The smallest rectangle around the pixels of an image inside `area` that are `wanted`.
template <typename Wanted>
wxRect Box(const wxImage& image, const wxRect& area, Wanted wanted) {
    int left = area.GetRight(), right = area.x, top = area.GetBottom(), bottom = area.y;
    for (int y = area.y; y <= area.GetBottom(); ++y)
        for (int x = area.x; x <= area.GetRight(); ++x)
            if (wanted(image.GetData() + 3 * (y * image.GetWidth() + x))) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    return wxRect(wxPoint(left, top), wxPoint(right, bottom));
}

class PrintTest : public FrameTest {
  protected:
    wxPreviewFrame* OpenPreview() {
        Command(ID_PRINT_PREVIEW);
        wxPreviewFrame* window = nullptr;
        WaitUntil([&] {
            for (wxWindow* top : wxTopLevelWindows)
                if (auto* found = dynamic_cast<wxPreviewFrame*>(top)) window = found;
            return window != nullptr;
        });
        return window;
    }
    void ClosePreview(wxPreviewFrame* window) {
        window->Close(true);
        ASSERT_TRUE(WaitUntil([this] { return frame->IsEnabled(); }));
    }
};

// What the grid looks like: a preview borrows its colours and fonts and must give them back.
wxString Looks(wxGrid* grid) {
    wxString looks;
    looks << grid->GetGridLineColour().GetAsString()
          << grid->GetLabelBackgroundColour().GetAsString()
          << grid->GetLabelTextColour().GetAsString()
          << grid->GetDefaultCellBackgroundColour().GetAsString()
          << grid->GetDefaultCellTextColour().GetAsString()
          << grid->GetLabelFont().GetNativeFontInfoDesc()
          << grid->GetDefaultCellFont().GetNativeFontInfoDesc();
    for (const wxGridBlockCoords& block : grid->GetSelectedBlocks())
        looks << wxString::Format(" %d,%d-%d,%d", block.GetTopRow(), block.GetLeftCol(),
                                  block.GetBottomRow(), block.GetRightCol());
    return looks;
}
}  // namespace

TEST_F(PrintTest, PreviewShowsTheWholeTableAtEveryZoomAndLeavesTheGridAsItWas) {
    Retarget(kVR36, 0);  // 200 rows: several sheets
    Grid()->SelectBlock(3, 2, 4, 5);
    Grid()->SelectBlock(9, 1, 9, 8, true);
    wxString before = Looks(Grid());

    wxPreviewFrame* window = OpenPreview();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->GetTitle(), "Print Preview");
    wxPrintPreviewBase* preview = window->GetControlBar()->GetPrintPreview();
    for (int zoom : {50, 150}) {
        SCOPED_TRACE(zoom);
        preview->SetZoom(zoom);
        preview->UpdatePageRendering();  // as the canvas does before it paints
        wxPreviewCanvas* canvas = preview->GetCanvas();
        wxBitmap shown(canvas->GetVirtualSize() + wxSize(100, 100));
        {
            wxMemoryDC dc(shown);
            ASSERT_TRUE(preview->PaintPage(canvas, dc));
        }
        wxImage image = shown.ConvertToImage();
        wxRect paper = Box(image, wxRect(image.GetSize()), [](const unsigned char* rgb) {
            return rgb[0] == 255 && rgb[1] == 255 && rgb[2] == 255;
        });
        // Letter with 15 mm margins; the table starts 6 mm below the top margin.
        double perMm = paper.width / 215.9;
        wxRect printable(paper.x + 15 * perMm, paper.y + 21 * perMm, 185.9 * perMm, 243.4 * perMm);
        // Below the heading's rule, which spans the printable width on its own.
        wxRect belowHeading(paper.x, printable.y - perMm, paper.width,
                            paper.GetBottom() - printable.y);
        wxRect table =
            Box(image, belowHeading, [](const unsigned char* rgb) { return rgb[1] < 200; });
        double tolerance = 1.5 * perMm;
        EXPECT_NEAR(table.x, printable.x, tolerance);
        EXPECT_NEAR(table.GetRight(), printable.GetRight(), tolerance);  // the last column
        EXPECT_LE(table.GetBottom(), printable.GetBottom() + tolerance);
        EXPECT_GE(table.GetBottom(), printable.GetBottom() - 10 * perMm);  // no half sheet
    }
    ClosePreview(window);
    EXPECT_EQ(Looks(Grid()), before);
}

TEST_F(PrintTest, APrinterErrorIsShownAndACancelIsNot) {
    for (PrintOutcome outcome : {PrintOutcome::Cancelled, PrintOutcome::Failed}) {
        int printed = 0;
        frame->SetPrintRunner([&](wxPrintout& printout) {
            int minPage, maxPage, from, to;
            printout.GetPageInfo(&minPage, &maxPage, &from, &to);
            printed += maxPage >= 1;
            return outcome;
        });
        Command(ID_PRINT);
        wxPreviewFrame* window = OpenPreview();  // and its Print button
        ASSERT_TRUE(window);
        EXPECT_FALSE(window->GetControlBar()->GetPrintPreview()->Print(true));
        ClosePreview(window);
        EXPECT_EQ(printed, 2);
    }
    EXPECT_EQ(dialogs->Messages(), (std::vector<wxString>{kPrintErrorText, kPrintErrorText}));
}
