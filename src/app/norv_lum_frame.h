// The main window: menus, the vertical tool bar, the notebook of pages, the status bar and the
// grids' context menu. Every command handler is a virtual member with an empty body here;
// LumoFrame overrides them.
#pragma once

#include "pages/page_table.h"
#include "util/dialogs.h"

#include <wx/frame.h>
#include <wx/menu.h>

#include <array>
#include <functional>
#include <memory>

class wxNotebook;
class wxBookCtrlEvent;
class wxToolBar;
class wxGridEvent;
class wxContextMenuEvent;
class PageView;

class NorvLumFrame : public wxFrame {
  public:
    NorvLumFrame(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                 const wxSize& size, long style);
    ~NorvLumFrame() override;

    // Handler slots, in their fixed order.
    virtual void OnClose(wxCloseEvent&) {}
    virtual void OnOpen(wxCommandEvent&) {}
    virtual void OnSave(wxCommandEvent&) {}
    virtual void OnSaveAs(wxCommandEvent&) {}
    virtual void OnImport(wxCommandEvent&) {}
    virtual void OnExport(wxCommandEvent&) {}
    virtual void OnPrint(wxCommandEvent&) {}
    virtual void OnPrintPreview(wxCommandEvent&) {}
    virtual void OnPageSetup(wxCommandEvent&) {}
    virtual void OnQuit(wxCommandEvent&) {}
    virtual void OnUpload(wxCommandEvent&) {}
    virtual void OnDownload(wxCommandEvent&) {}
    virtual void OnValidatePage(wxCommandEvent&) {}
    virtual void OnSelectAll(wxCommandEvent&) {}
    virtual void OnDeSelectAll(wxCommandEvent&) {}
    virtual void OnClearHighlight(wxCommandEvent&) {}
    virtual void OnDebug(wxCommandEvent&) {}
    virtual void OnSetPort(wxCommandEvent&) {}
    virtual void OnSetTarget(wxCommandEvent&) {}
    virtual void OnHelp(wxCommandEvent&) {}
    virtual void OnAbout(wxCommandEvent&) {}
    virtual void OnPageChanged(wxBookCtrlEvent&) {}
    virtual void OnPageChanging(wxBookCtrlEvent&) {}
    virtual void OnPageAdd(wxCommandEvent&) {}
    virtual void OnPageDelete(wxCommandEvent&) {}
    virtual void OnGridCellChanging(wxGridEvent&) {}
    virtual void OnDefaultRow(wxCommandEvent&) {}
    virtual void OnCreateShadow(wxCommandEvent&) {}
    virtual void OnCopyRow(wxCommandEvent&) {}
    virtual void OnPasteRow(wxCommandEvent&) {}
    virtual void OnInsertRow(wxCommandEvent&) {}
    virtual void OnClearRow(wxCommandEvent&) {}
    virtual void OnDeleteRow(wxCommandEvent&) {}
    virtual void OnMarkRow(wxCommandEvent&) {}
    virtual void OnDefaultCol(wxCommandEvent&) {}
    virtual void OnDefaultMarked(wxCommandEvent&) {}
    virtual void OnRenumberToRowNum(wxCommandEvent&) {}
    virtual void OnRenumberSequencial(wxCommandEvent&) {}
    virtual void OnDefaultFile(wxCommandEvent&) {}
    virtual void OnSaveDefault(wxCommandEvent&) {}
    virtual void OnLoadDefault(wxCommandEvent&) {}
    virtual void OnUnused(wxCommandEvent&) {}
    // The safety net of writes to a radio.
    virtual void OnBackupSetting(wxCommandEvent&) {}
    virtual void OnVerifySetting(wxCommandEvent&) {}
    virtual void OnOpenLastBackup(wxCommandEvent&) {}
    virtual void OnCompareWithFile(wxCommandEvent&) {}
    virtual void OnSendToSeveral(wxCommandEvent&) {}
    // The Edit menu, the keys of the grid and the undo history around every command.
    virtual void OnUndo(wxCommandEvent&) {}
    virtual void OnRedo(wxCommandEvent&) {}
    virtual void OnCut(wxCommandEvent&) {}
    virtual void OnCopy(wxCommandEvent&) {}
    virtual void OnPaste(wxCommandEvent&) {}
    virtual void OnSelectAllCells(wxCommandEvent&) {}
    virtual void OnGridCellChanged(wxGridEvent&) {}
    virtual void OnGridKeyDown(wxKeyEvent& event);
    virtual void CommandStarts(int /*id*/) {}
    virtual void CommandEnded(int /*id*/) {}

    lumo::PageTable& Pages() { return pages_; }
    PageView* View(int slot) const;
    PageView* CurrentView() const { return View(pages_.Current()); }
    wxNotebook* Notebook() const { return notebook_; }
    wxToolBar* ToolBar() const { return toolBar_; }
    wxMenu& ContextMenu() { return contextMenu_; }

    lumo::Dialogs& Dialogs() { return *dialogs_; }
    void SetDialogs(std::unique_ptr<lumo::Dialogs> dialogs) { dialogs_ = std::move(dialogs); }
    // How the context menu is shown; tests replace it to read the menu instead of popping it.
    void SetContextMenuPresenter(std::function<void(wxMenu&)> presenter) {
        contextMenuPresenter_ = std::move(presenter);
    }

    // Shows a page's radio, band and rows in the status bar, its tab and the title.
    void ShowPageStatus(int slot);
    // The title and the tabs' tooltips follow the pages' files and unsaved changes, however
    // the store changed (an edit, a command, undo).
    void ShowFileMarks();
    // The tooltip a page's tab shows while the pointer rests on it.
    wxString TabTip(int slot) const {
        return slot >= 0 && slot < lumo::kPageSlots ? tabTips_[slot] : wxString();
    }
    // The row the context-menu commands act on.
    int ContextRow() const { return contextRow_; }

  protected:
    // Creates the notebook page for a slot whose parameters are set.
    void CreateNewPage(int slot);
    void OnGridContextMenu(wxContextMenuEvent& event);

    lumo::PageTable pages_;
    std::array<PageView*, lumo::kPageSlots> views_{};
    int contextRow_ = 0;

  private:
    void BuildMenuBar();
    void BuildContextMenu();
    void BuildToolBar(wxSizer* mainSizer);
    void BindCommands();

    wxNotebook* notebook_ = nullptr;
    wxToolBar* toolBar_ = nullptr;
    wxMenu contextMenu_;
    std::array<wxMenuItem*, 15> contextItems_{};
    std::array<wxString, lumo::kPageSlots> tabTips_;
    std::unique_ptr<lumo::Dialogs> dialogs_;
    std::function<void(wxMenu&)> contextMenuPresenter_;
};
