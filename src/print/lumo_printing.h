// Printing a page's table: the shared print and page-setup settings, the printout that splits the
// table over sheets, and the bodies of the print, preview, page-setup and print-to-PDF commands.
// The printout draws from the page's store, never through the grid on screen, so printing
// leaves the grid's looks and selection as they were.
#pragma once

#include "pages/page.h"
#include "pages/print_layout.h"

#include <wx/cmndata.h>
#include <wx/print.h>

#include <functional>

class wxFrame;

// Created once when the main frame is built; shared by every page and job.
void InitPrintSettings();
wxPrintData& PrintSettings();
wxPageSetupDialogData& PageSetupSettings();
// The paper, orientation and margins the settings hold now.
lumo::PrintGeometry SettingsGeometry();

class LumoPrintout : public wxPrintout {
  public:
    LumoPrintout(const lumo::Page& page, lumo::PrintedTable table, const wxString& title,
                 const lumo::PrintGeometry& geometry);

    bool OnBeginDocument(int startPage, int endPage) override;
    bool HasPage(int page) override;
    bool OnPrintPage(int page) override;
    void GetPageInfo(int* minPage, int* maxPage, int* selPageFrom, int* selPageTo) override;

    int TotalPages() const { return pages_.sheets; }
    int RowsPerPage() const { return pages_.rowsPerSheet; }

    // Draws a sheet (from 1) on any DC; `area` is the printable area between the margins in
    // the DC's device units.
    void DrawSheet(wxDC& dc, const wxRect& area, int sheet);

  private:
    const lumo::Page& page_;
    lumo::PrintedTable table_;
    lumo::PrintGeometry geometry_;
    lumo::Pagination pages_;
};

enum class PrintOutcome { Printed, Cancelled, Failed };
constexpr const char* kPrintErrorText =
    "There was a problem printing. Perhaps your current printer is not set correctly?";
constexpr const char* kPreviewErrorText =
    "There was a problem previewing. Perhaps your current printer is not set correctly?";

// Prints with the print dialog; on success the dialog's choices become the settings.
PrintOutcome RunPrinter(wxWindow* parent, wxPrintout& printout);
// Opens the preview window on two printouts of the page; its Print button hands the preview
// window and the second printout to `print`, which prints and answers whether it did. False
// when the preview cannot be made.
using PrintCommand = std::function<bool(wxWindow* parent, wxPrintout& printout)>;
bool PreviewPage(wxFrame* parent, const lumo::Page& page, const lumo::PrintedTable& table,
                 const wxString& title, PrintCommand print);
void SetUpPage(wxFrame* frame);

// Writes every sheet of the page to a PDF file without a window or dialog. The file is replaced
// only when it was written whole. Returns the number of sheets, or 0 with a one-line error.
int PrintPageToPdf(const lumo::Page& page, const lumo::PrintedTable& table, const wxString& title,
                   const lumo::PrintGeometry& geometry, const wxString& path, wxString* error);
