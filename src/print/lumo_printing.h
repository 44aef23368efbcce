// Printing the current page's grid: the shared print and page-setup settings, the printout that
// splits the grid over sheets, and the three commands' bodies.
#pragma once

#include <wx/cmndata.h>
#include <wx/print.h>

class wxFrame;
class wxGrid;

// Created once when the main frame is built; shared by every page and job.
void InitPrintSettings();
wxPrintData& PrintSettings();
wxPageSetupDialogData& PageSetupSettings();

class LumoPrintout : public wxPrintout {
  public:
    LumoPrintout(wxFrame* frame, wxGrid* grid, const wxString& title);

    bool OnBeginDocument(int startPage, int endPage) override;
    bool HasPage(int page) override;
    bool OnPrintPage(int page) override;
    void GetPageInfo(int* minPage, int* maxPage, int* selPageFrom, int* selPageTo) override;

    int TotalPages() const { return totalPages_; }
    int RowsPerPage() const { return rowsPerPage_; }

  private:
    void Paginate();

    wxFrame* frame_;
    wxGrid* grid_;
    int totalPages_ = 0;
    int rowsPerPage_ = 0;
};

// The commands: print with the print dialog, preview in a frame, set up the paper.
void PrintGrid(wxFrame* frame, wxGrid* grid, const wxString& title);
void PreviewGrid(wxFrame* frame, wxGrid* grid, const wxString& title);
void SetUpPage(wxFrame* frame);
