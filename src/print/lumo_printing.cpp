#include "lumo_printing.h"

#include "pages/print_layout.h"

#include <wx/frame.h>
#include <wx/generic/prntdlgg.h>
#include <wx/grid.h>
#include <wx/log.h>

#include <memory>

namespace {
std::unique_ptr<wxPrintData> printSettings;
std::unique_ptr<wxPageSetupDialogData> pageSetupSettings;
constexpr int kMarginMm = 15;

lumo::PrintGeometry GeometryOf(const wxPageSetupDialogData& setup, const wxPrintData& print) {
    lumo::PrintGeometry g;
    wxSize paper = setup.GetPaperSize();
    g.paperWidthMm = paper.x;
    g.paperHeightMm = paper.y;
    g.leftMm = setup.GetMarginTopLeft().x;
    g.topMm = setup.GetMarginTopLeft().y;
    g.rightMm = setup.GetMarginBottomRight().x;
    g.bottomMm = setup.GetMarginBottomRight().y;
    g.landscape = print.GetOrientation() == wxLANDSCAPE;
    return g;
}

// The grid's looks that printing changes, put back when the page is drawn.
struct GridLooks {
    explicit GridLooks(wxGrid* grid)
        : grid(grid),
          labelBackground(grid->GetLabelBackgroundColour()),
          labelFont(grid->GetLabelFont()),
          labelText(grid->GetLabelTextColour()),
          cellBackground(grid->GetDefaultCellBackgroundColour()),
          cellFont(grid->GetDefaultCellFont()),
          cellText(grid->GetDefaultCellTextColour()) {}
    ~GridLooks() {
        grid->SetLabelBackgroundColour(labelBackground);
        grid->SetLabelFont(labelFont);
        grid->SetLabelTextColour(labelText);
        grid->SetDefaultCellBackgroundColour(cellBackground);
        grid->SetDefaultCellFont(cellFont);
        grid->SetDefaultCellTextColour(cellText);
    }
    wxGrid* grid;
    wxColour labelBackground;
    wxFont labelFont;
    wxColour labelText;
    wxColour cellBackground;
    wxFont cellFont;
    wxColour cellText;
};

void SetPrintingLooks(wxGrid* grid) {
    wxFont font(wxFontInfo(10).Family(wxFONTFAMILY_SWISS));
    grid->SetGridLineColour(wxColour(245, 245, 245));
    grid->SetLabelBackgroundColour(wxColour(245, 245, 245));
    grid->SetLabelTextColour(wxColour(48, 48, 48));
    grid->SetDefaultCellBackgroundColour(wxColour(255, 255, 255));
    grid->SetDefaultCellTextColour(wxColour(48, 48, 48));
    grid->SetLabelFont(font);
    grid->SetDefaultCellFont(font);
}
}  // namespace

void InitPrintSettings() {
    printSettings = std::make_unique<wxPrintData>();
    printSettings->SetPaperId(wxPAPER_LETTER);
    pageSetupSettings = std::make_unique<wxPageSetupDialogData>(*printSettings);
    pageSetupSettings->SetMarginTopLeft(wxPoint(kMarginMm, kMarginMm));
    pageSetupSettings->SetMarginBottomRight(wxPoint(kMarginMm, kMarginMm));
    pageSetupSettings->CalculatePaperSizeFromId();
}

wxPrintData& PrintSettings() {
    if (!printSettings) InitPrintSettings();
    return *printSettings;
}

wxPageSetupDialogData& PageSetupSettings() {
    if (!pageSetupSettings) InitPrintSettings();
    return *pageSetupSettings;
}

LumoPrintout::LumoPrintout(wxFrame* frame, wxGrid* grid, const wxString& title)
    : wxPrintout(title), frame_(frame), grid_(grid) {}

bool LumoPrintout::OnBeginDocument(int startPage, int endPage) {
    return wxPrintout::OnBeginDocument(startPage, endPage);
}

bool LumoPrintout::HasPage(int page) {
    return page >= 1 && page <= totalPages_;
}

void LumoPrintout::Paginate() {
    int tableWidth = 0;
    for (int col = 0; col < grid_->GetNumberCols(); ++col)
        tableWidth += grid_->IsColShown(col) ? grid_->GetColSize(col) : 0;
    std::vector<int> heights;
    for (int row = 0; row < grid_->GetNumberRows(); ++row)
        heights.push_back(grid_->GetRowSize(row));
    lumo::Pagination p =
        lumo::PaginateRows(GeometryOf(PageSetupSettings(), PrintSettings()), tableWidth, heights);
    rowsPerPage_ = p.rowsPerPage;
    totalPages_ = p.totalPages;
}

void LumoPrintout::GetPageInfo(int* minPage, int* maxPage, int* selPageFrom, int* selPageTo) {
    Paginate();
    *minPage = 1;
    *maxPage = totalPages_;
    *selPageFrom = 1;
    *selPageTo = totalPages_;
}

bool LumoPrintout::OnPrintPage(int page) {
    wxDC* dc = GetDC();
    if (!dc || rowsPerPage_ <= 0) return false;
    wxString heading = wxString::Format("Page %d of %d", page, totalPages_);
    GridLooks saved(grid_);
    SetPrintingLooks(grid_);

    int ppiScreenX, ppiScreenY, ppiPrinterX, ppiPrinterY, pageWidth, pageHeight;
    GetPPIScreen(&ppiScreenX, &ppiScreenY);
    GetPPIPrinter(&ppiPrinterX, &ppiPrinterY);
    GetPageSizePixels(&pageWidth, &pageHeight);
    wxSize dcSize = dc->GetSize();
    double scale = (double(ppiPrinterX) / ppiScreenX) * (double(dcSize.x) / pageWidth);
    dc->SetUserScale(scale, scale);

    const wxPageSetupDialogData& setup = PageSetupSettings();
    double ppi = IsPreview() ? ppiScreenX : ppiPrinterX;
    double zoom = IsPreview() ? scale : 1.0;
    auto toDevice = [&](int mm) { return static_cast<int>(mm * ppi * zoom / 25.4); };
    int left = toDevice(setup.GetMarginTopLeft().x);
    int top = toDevice(setup.GetMarginTopLeft().y);
    int right = toDevice(setup.GetMarginBottomRight().x);
    int bottom = toDevice(setup.GetMarginBottomRight().y);
    int tableTop =
        static_cast<int>((setup.GetMarginTopLeft().y + lumo::kPrintHeadingMm) * ppi * zoom / 25.4);

    int firstRow = (page - 1) * rowsPerPage_;
    int lastRow = std::min(firstRow + rowsPerPage_ - 1, grid_->GetNumberRows() - 1);
    // Positions are logical units of the scaled context.
    auto logical = [scale](int device) { return static_cast<int>(device / scale); };
    wxPoint origin(logical(left), logical(tableTop));
    wxSize area(logical(dcSize.x - left - right), logical(dcSize.y - tableTop - bottom));
    grid_->Render(*dc, origin, area, wxGridCellCoords(firstRow, 0),
                  wxGridCellCoords(lastRow, grid_->GetNumberCols() - 1),
                  wxGRID_DRAW_ROWS_HEADER | wxGRID_DRAW_COLS_HEADER | wxGRID_DRAW_CELL_LINES |
                      wxGRID_DRAW_BOX_RECT);

    wxCoord titleWidth, titleHeight, headingWidth, headingHeight;
    dc->SetFont(wxFontInfo(10).Family(wxFONTFAMILY_SWISS));
    dc->GetTextExtent(GetTitle(), &titleWidth, &titleHeight);
    dc->GetTextExtent(heading, &headingWidth, &headingHeight);
    int rightEdge = logical(dcSize.x - right);
    dc->DrawText(GetTitle(), logical(left), logical(top));
    dc->DrawText(heading, rightEdge - headingWidth, logical(top));
    dc->SetPen(*wxBLACK_PEN);
    int lineY = logical(top) + titleHeight;
    dc->DrawLine(logical(left), lineY, rightEdge, lineY);
    return true;
}

void PrintGrid(wxFrame* frame, wxGrid* grid, const wxString& title) {
    wxPrintDialogData data(PrintSettings());
    wxPrinter printer(&data);
    LumoPrintout printout(frame, grid, title);
    if (printer.Print(frame, &printout, true)) {
        PrintSettings() = printer.GetPrintDialogData().GetPrintData();
    } else if (wxPrinter::GetLastError() == wxPRINTER_ERROR) {
        wxLogError(
            "There was a problem printing. Perhaps your current printer is not set "
            "correctly?");
    }
}

void PreviewGrid(wxFrame* frame, wxGrid* grid, const wxString& title) {
    wxPrintDialogData data(PrintSettings());
    auto* preview = new wxPrintPreview(new LumoPrintout(frame, grid, title),
                                       new LumoPrintout(frame, grid, title), &data);
    if (!preview->IsOk()) {
        delete preview;
        wxLogError(
            "There was a problem previewing. Perhaps your current printer is not set "
            "correctly?");
        return;
    }
    auto* previewFrame =
        new wxPreviewFrame(preview, frame, "Print Preview", wxDefaultPosition, wxDefaultSize,
                           wxDEFAULT_FRAME_STYLE | wxFRAME_FLOAT_ON_PARENT);
    previewFrame->InitializeWithModality(wxPreviewFrame_AppModal);
    previewFrame->Centre(wxBOTH);
    previewFrame->Show();
}

void SetUpPage(wxFrame* frame) {
    wxGenericPageSetupDialog dialog(frame, &PageSetupSettings());
    dialog.ShowModal();
    PrintSettings() = dialog.GetPageSetupDialogData().GetPrintData();
    PageSetupSettings() = dialog.GetPageSetupDialogData();
}
