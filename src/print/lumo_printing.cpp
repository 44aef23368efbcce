#include "lumo_printing.h"

#include "edit/cell_traits.h"
#include "util/atomic_file.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <wx/dcgraph.h>
#include <wx/frame.h>
#include <wx/generic/prntdlgg.h>
#include <wx/graphics.h>
#include <wx/log.h>
#include <wx/paper.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <unordered_map>

using namespace lumo;

namespace {
std::unique_ptr<wxPrintData> printSettings;
std::unique_ptr<wxPageSetupDialogData> pageSetupSettings;

// Text is sized by the height of its line, measured on the DC it is drawn on: the points a DC
// makes of a font depend on its resolution and on the preview's zoom, its lines do not.
constexpr double kTitleLineMm = 4.2;     // the line of a 10-point sans-serif font
constexpr double kCellLineShare = 0.65;  // of a row's height, as on screen
constexpr double kGridLineMm = 0.1;
constexpr double kRuleLineMm = 0.2;
constexpr int kCellPadding = 3;  // grid pixels left and right of a cell's text

const wxColour kLabelBackground(245, 245, 245);
const wxColour kTextColour(48, 48, 48);
// Lighter lines than this vanish on paper.
const wxColour kGridLineColour(160, 160, 160);

wxFont FontWithLineHeight(wxDC& dc, double lineHeight) {
    constexpr double kProbePoints = 100;
    wxFont font(wxFontInfo(kProbePoints).Family(wxFONTFAMILY_SWISS));
    dc.SetFont(font);
    wxCoord probe = dc.GetCharHeight();
    if (probe > 0) font.SetFractionalPointSize(kProbePoints * lineHeight / probe);
    return font;
}

wxPen PenOfWidth(const wxColour& colour, double width) {
    return wxPen(colour, std::max(1, static_cast<int>(std::lround(width))));
}

enum class Align { Left, Centre, Right };

// Draws lines of text in one font, each vertically centred in a box. A text wider than its box
// is drawn smaller until it fits: the printout is the record of the page and keeps every
// character (clipping, besides, is not to be trusted on a DC over a PDF surface, which does not
// know its size). Measuring costs more than drawing and a sheet repeats few texts many times,
// so each text is measured once.
class TextInBoxes {
  public:
    TextInBoxes(wxDC& dc, const wxFont& font) : dc_(dc), font_(font) { dc_.SetFont(font_); }

    int LineHeight() const { return dc_.GetCharHeight(); }

    void Draw(const wxString& text, const wxRect& box, Align align, int padding = 0) {
        if (text.empty()) return;
        auto known = extents_.find(text);
        if (known == extents_.end()) known = extents_.emplace(text, dc_.GetTextExtent(text)).first;
        wxSize size = known->second;
        int room = box.width - 2 * padding;
        double shrink = size.x > room && room > 0 ? double(room) / size.x : 1.0;
        if (shrink < 1) {
            dc_.SetFont(font_.Scaled(static_cast<float>(shrink)));
            size = dc_.GetTextExtent(text);
        }
        int x = box.x + padding;
        if (align == Align::Centre) x = box.x + (box.width - size.x) / 2;
        if (align == Align::Right) x = box.GetRight() + 1 - padding - size.x;
        dc_.DrawText(text, x, box.y + (box.height - size.y) / 2);
        if (shrink < 1) dc_.SetFont(font_);
    }

  private:
    wxDC& dc_;
    wxFont font_;
    std::unordered_map<wxString, wxSize> extents_;
};
}  // namespace

void InitPrintSettings() {
    printSettings = std::make_unique<wxPrintData>();
    printSettings->SetPaperId(wxPAPER_LETTER);
    pageSetupSettings = std::make_unique<wxPageSetupDialogData>(*printSettings);
    const PrintGeometry defaults;  // 15 mm all round
    pageSetupSettings->SetMarginTopLeft(
        wxPoint(static_cast<int>(defaults.leftMm), static_cast<int>(defaults.topMm)));
    pageSetupSettings->SetMarginBottomRight(
        wxPoint(static_cast<int>(defaults.rightMm), static_cast<int>(defaults.bottomMm)));
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

PrintGeometry SettingsGeometry() {
    const wxPageSetupDialogData& setup = PageSetupSettings();
    PrintGeometry g;
    // The paper database knows the sizes to a tenth of a millimetre, the settings to one.
    wxSize paper = setup.GetPaperSize();
    g.paperWidthMm = paper.x;
    g.paperHeightMm = paper.y;
    if (wxPrintPaperType* type =
            wxThePrintPaperDatabase->FindPaperType(PrintSettings().GetPaperId())) {
        g.paperWidthMm = type->GetWidth() / 10.0;
        g.paperHeightMm = type->GetHeight() / 10.0;
    }
    g.leftMm = setup.GetMarginTopLeft().x;
    g.topMm = setup.GetMarginTopLeft().y;
    g.rightMm = setup.GetMarginBottomRight().x;
    g.bottomMm = setup.GetMarginBottomRight().y;
    g.landscape = PrintSettings().GetOrientation() == wxLANDSCAPE;
    return g;
}

LumoPrintout::LumoPrintout(const Page& page, PrintedTable table, const wxString& title,
                           const PrintGeometry& geometry)
    : wxPrintout(title), page_(page), table_(std::move(table)), geometry_(geometry) {
    pages_ = PaginateRows(geometry_, table_);
}

bool LumoPrintout::OnBeginDocument(int startPage, int endPage) {
    return wxPrintout::OnBeginDocument(startPage, endPage);
}

bool LumoPrintout::HasPage(int page) {
    return page >= 1 && page <= pages_.sheets;
}

void LumoPrintout::GetPageInfo(int* minPage, int* maxPage, int* selPageFrom, int* selPageTo) {
    // Once printing has begun the framework knows the paper for real, turned as the print
    // dialog left it; before that the settings are all there is.
    int width = 0, height = 0;
    GetPageSizeMM(&width, &height);
    if (width > 0 && height > 0) {
        geometry_.paperWidthMm = width;
        geometry_.paperHeightMm = height;
        geometry_.landscape = false;
    }
    pages_ = PaginateRows(geometry_, table_);
    *minPage = 1;
    *maxPage = pages_.sheets;
    *selPageFrom = 1;
    *selPageTo = pages_.sheets;
}

bool LumoPrintout::OnPrintPage(int page) {
    wxDC* dc = GetDC();
    if (!dc) return false;
    // The margins in this DC's own device units, whatever its resolution or the preview's zoom.
    dc->SetUserScale(1, 1);
    dc->SetLogicalOrigin(0, 0);
    dc->SetDeviceOrigin(0, 0);
    wxPageSetupDialogData margins;
    margins.SetMarginTopLeft(
        wxPoint(static_cast<int>(geometry_.leftMm), static_cast<int>(geometry_.topMm)));
    margins.SetMarginBottomRight(
        wxPoint(static_cast<int>(geometry_.rightMm), static_cast<int>(geometry_.bottomMm)));
    DrawSheet(*dc, GetLogicalPageMarginsRect(margins), page);
    return true;
}

namespace {
// The rows of one sheet's table, in the grid's pixels from the top of the table.
struct SheetRows {
    const PrintedTable& table;
    int top;
    int firstRow;
    int lastRow;
    std::vector<int> lefts;  // the right edge of the row labels, then of each column

    SheetRows(const PrintedTable& t, int tableTop, int first, int last)
        : table(t), top(tableTop), firstRow(first), lastRow(last), lefts{t.rowLabelWidth} {
        for (int w : table.widths)
            lefts.push_back(lefts.back() + w);
    }
    int RowTop(int row) const { return top + table.Height(row - firstRow); }
    int Height() const { return table.Height(lastRow - firstRow + 1); }
    wxRect Cell(int row, size_t column) const {
        return wxRect(lefts[column], RowTop(row), table.widths[column], table.rowHeight);
    }
};

// The title left, "Page %d of %d" right, a rule below both.
void DrawHeading(wxDC& dc, const wxString& title, const wxString& pageText, int width,
                 double lineHeight, double ruleWidth) {
    dc.SetTextForeground(*wxBLACK);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    TextInBoxes heading(dc, FontWithLineHeight(dc, lineHeight));
    int titleHeight = heading.LineHeight();
    wxRect titleBox(0, 0, width, titleHeight);
    heading.Draw(title, titleBox, Align::Left);
    heading.Draw(pageText, titleBox, Align::Right);
    dc.SetPen(PenOfWidth(*wxBLACK, ruleWidth));
    dc.DrawLine(0, titleHeight, width, titleHeight);
}

// The label backgrounds and the colours of highlighted and marked cells.
void DrawBackgrounds(wxDC& dc, const Page& page, const SheetRows& rows) {
    const PrintedTable& table = rows.table;
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(kLabelBackground));
    dc.DrawRectangle(0, rows.top, table.Width(), table.headerHeight);
    dc.DrawRectangle(0, rows.top, table.rowLabelWidth, rows.Height());
    for (int row = rows.firstRow; row <= rows.lastRow; ++row)
        for (size_t i = 0; i < table.columns.size(); ++i)
            if (std::optional<Rgb> colour = page.grid.Background(row, table.columns[i])) {
                dc.SetBrush(wxBrush(wxColour(colour->r, colour->g, colour->b)));
                dc.DrawRectangle(rows.Cell(row, i));
            }
}

void DrawGridLines(wxDC& dc, const SheetRows& rows, double lineWidth) {
    int width = rows.table.Width(), top = rows.top, bottom = rows.top + rows.Height();
    dc.SetPen(PenOfWidth(kGridLineColour, lineWidth));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    for (int row = rows.firstRow; row <= rows.lastRow; ++row)
        dc.DrawLine(0, rows.RowTop(row), width, rows.RowTop(row));
    dc.DrawLine(0, bottom, width, bottom);
    dc.DrawLine(0, top, 0, bottom);
    for (int x : rows.lefts)
        dc.DrawLine(x, top, x, bottom);
    dc.DrawLine(0, top, width, top);
}

// The column headers, the row numbers and every cell's text as the grid shows it.
void DrawTexts(wxDC& dc, const Page& page, const SheetRows& rows) {
    const PrintedTable& table = rows.table;
    dc.SetTextForeground(kTextColour);
    TextInBoxes cells(dc, FontWithLineHeight(dc, kCellLineShare * table.rowHeight));
    for (size_t i = 0; i < table.columns.size(); ++i) {
        wxRect box(rows.lefts[i], rows.top, table.widths[i], table.headerHeight);
        cells.Draw(ColumnHeaders[page.Type()][table.columns[i]], box, Align::Centre, kCellPadding);
    }
    for (int row = rows.firstRow; row <= rows.lastRow; ++row) {
        wxRect label(0, rows.RowTop(row), table.rowLabelWidth, table.rowHeight);
        cells.Draw(wxString::Format("%03d", row), label, Align::Centre, kCellPadding);
        for (size_t i = 0; i < table.columns.size(); ++i) {
            int col = table.columns[i];
            Align align = EditorFor(page, row, col).centred ? Align::Centre : Align::Left;
            cells.Draw(CellLabel(page, row, col), rows.Cell(row, i), align, kCellPadding);
        }
    }
}
}  // namespace

void LumoPrintout::DrawSheet(wxDC& dc, const wxRect& area, int sheet) {
    if (area.width <= 0 || area.height <= 0 || !HasPage(sheet)) return;
    double perMm = area.width / geometry_.PrintableWidthMm();  // device units
    double headingHeight = kPrintHeadingMm * perMm;
    // Every sheet at the scale of a full one, so the last sheet's rows are as large.
    double scale = std::min(double(area.width) / table_.Width(),
                            (area.height - headingHeight) / table_.Height(pages_.rowsPerSheet));
    dc.SetUserScale(scale, scale);
    dc.SetLogicalOrigin(0, 0);
    dc.SetDeviceOrigin(area.x, area.y);
    auto logicalMm = [&](double mm) { return mm * perMm / scale; };

    DrawHeading(dc, GetTitle(), wxString::Format("Page %d of %d", sheet, pages_.sheets),
                static_cast<int>(area.width / scale), logicalMm(kTitleLineMm),
                logicalMm(kRuleLineMm));
    // The table below the heading, in the grid's pixels.
    SheetRows rows(table_, static_cast<int>(std::lround(headingHeight / scale)),
                   pages_.FirstRow(sheet), pages_.LastRow(sheet, table_.rows));
    DrawBackgrounds(dc, page_, rows);
    DrawGridLines(dc, rows, logicalMm(kGridLineMm));
    DrawTexts(dc, page_, rows);
}

PrintOutcome RunPrinter(wxWindow* parent, wxPrintout& printout) {
    wxPrintDialogData data(PrintSettings());
    wxPrinter printer(&data);
    if (printer.Print(parent, &printout, true)) {
        PrintSettings() = printer.GetPrintDialogData().GetPrintData();
        return PrintOutcome::Printed;
    }
    return wxPrinter::GetLastError() == wxPRINTER_ERROR ? PrintOutcome::Failed
                                                        : PrintOutcome::Cancelled;
}

namespace {
// A preview whose Print button prints as the Print command does, failures reported alike.
class LumoPrintPreview : public wxPrintPreview {
  public:
    LumoPrintPreview(wxPrintout* shown, wxPrintout* printed, wxPrintDialogData* data,
                     PrintCommand print)
        : wxPrintPreview(shown, printed, data), print_(std::move(print)) {}

    bool Print(bool) override { return print_(GetFrame(), *GetPrintoutForPrinting()); }

  private:
    PrintCommand print_;
};
}  // namespace

bool PreviewPage(wxFrame* parent, const Page& page, const PrintedTable& table,
                 const wxString& title, PrintCommand print) {
    wxPrintDialogData data(PrintSettings());
    PrintGeometry geometry = SettingsGeometry();
    auto* preview = new LumoPrintPreview(new LumoPrintout(page, table, title, geometry),
                                         new LumoPrintout(page, table, title, geometry), &data,
                                         std::move(print));
    if (!preview->IsOk()) {
        delete preview;
        return false;
    }
    auto* previewFrame =
        new wxPreviewFrame(preview, parent, "Print Preview", wxDefaultPosition, wxDefaultSize,
                           wxDEFAULT_FRAME_STYLE | wxFRAME_FLOAT_ON_PARENT);
    previewFrame->InitializeWithModality(wxPreviewFrame_AppModal);
    previewFrame->Centre(wxBOTH);
    previewFrame->Show();
    return true;
}

void SetUpPage(wxFrame* frame) {
    wxGenericPageSetupDialog dialog(frame, &PageSetupSettings());
    dialog.ShowModal();
    PrintSettings() = dialog.GetPageSetupDialogData().GetPrintData();
    PageSetupSettings() = dialog.GetPageSetupDialogData();
}

namespace {
cairo_status_t WriteToFile(void* file, const unsigned char* data, unsigned int length) {
    auto* out = static_cast<AtomicFile*>(file);
    return out->Write(data, length).LastWrite() == length ? CAIRO_STATUS_SUCCESS
                                                          : CAIRO_STATUS_WRITE_ERROR;
}
}  // namespace

int PrintPageToPdf(const Page& page, const PrintedTable& table, const wxString& title,
                   const PrintGeometry& geometry, const wxString& path, wxString* error) {
    auto fail = [&](const wxString& why) {
        if (error) *error = "Cannot print to " + path + ": " + why;
        return 0;
    };
    if (geometry.PrintableWidthMm() <= 0 || geometry.PrintableHeightMm() <= kPrintHeadingMm)
        return fail("the margins leave no room on the paper");
    wxLogNull quiet;        // the reasons are ours to give, on one line
    AtomicFile file(path);  // beside the PDF, renamed over it once written whole
    if (!file.IsOk()) return fail("the file cannot be written");
    // Device units of a tenth of a point keep the margins exact to 0.04 mm.
    constexpr double kUnitsPerMm = 720 / 25.4;
    cairo_surface_t* surface =
        cairo_pdf_surface_create_for_stream(WriteToFile, &file, geometry.PageWidthMm() * 72 / 25.4,
                                            geometry.PageHeightMm() * 72 / 25.4);
    cairo_t* cairo = cairo_create(surface);
    cairo_scale(cairo, 0.1, 0.1);
    LumoPrintout printout(page, table, title, geometry);
    wxRect area(std::lround(geometry.leftMm * kUnitsPerMm),
                std::lround(geometry.topMm * kUnitsPerMm),
                std::lround(geometry.PrintableWidthMm() * kUnitsPerMm),
                std::lround(geometry.PrintableHeightMm() * kUnitsPerMm));
    for (int sheet = 1; sheet <= printout.TotalPages(); ++sheet) {
        {
            wxGCDC dc(
                wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(cairo));
            printout.DrawSheet(dc, area, sheet);
        }
        cairo_show_page(cairo);
    }
    cairo_destroy(cairo);
    cairo_surface_finish(surface);
    cairo_status_t status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) return fail(cairo_status_to_string(status));
    if (!file.Commit()) return fail("the file cannot be written");
    return printout.TotalPages();
}
