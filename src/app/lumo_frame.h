// The main frame with its command handlers. Handlers of commands not built yet are left to the
// base class's empty bodies.
#pragma once

#include "edit/row_commands.h"
#include "files/recent_files.h"
#include "norv_lum_frame.h"
#include "transfer/port_selection.h"
#include "transfer/transfer_context.h"
#include "transfer/transfer_progress.h"
#include "util/settings.h"

#include <functional>
#include <memory>

class wxPrintout;
class wxTextEntry;
enum class PrintOutcome;

class LumoFrame : public NorvLumFrame {
  public:
    LumoFrame();

    void OnClose(wxCloseEvent& event) override;
    void OnQuit(wxCommandEvent& event) override;
    void OnHelp(wxCommandEvent& event) override;
    void OnAbout(wxCommandEvent& event) override;
    void OnGridCellChanging(wxGridEvent& event) override;
    void OnSaveDefault(wxCommandEvent& event) override;
    void OnLoadDefault(wxCommandEvent& event) override;

    // Data files (lumo_frame_files.cpp).
    void OnOpen(wxCommandEvent& event) override;
    void OnSave(wxCommandEvent& event) override;
    void OnSaveAs(wxCommandEvent& event) override;
    void OnImport(wxCommandEvent& event) override;
    void OnExport(wxCommandEvent& event) override;

    // Pages and targets (lumo_frame_pages.cpp).
    void OnPageAdd(wxCommandEvent& event) override;
    void OnPageDelete(wxCommandEvent& event) override;
    void OnPageChanged(wxBookCtrlEvent& event) override;
    void OnSetTarget(wxCommandEvent& event) override;
    void OnSetPort(wxCommandEvent& event) override;

    // Printing (lumo_frame_print.cpp).
    void OnPrint(wxCommandEvent& event) override;
    void OnPrintPreview(wxCommandEvent& event) override;
    void OnPageSetup(wxCommandEvent& event) override;

    // Radio transfers and the safety net of writes (lumo_frame_transfer.cpp).
    void OnUpload(wxCommandEvent& event) override;
    void OnDownload(wxCommandEvent& event) override;
    void OnBackupSetting(wxCommandEvent& event) override;
    void OnVerifySetting(wxCommandEvent& event) override;
    void OnOpenLastBackup(wxCommandEvent& event) override;
    void OnCompareWithFile(wxCommandEvent& event) override;
    void OnSendToSeveral(wxCommandEvent& event) override;

    // Checks and row commands (lumo_frame_edit.cpp).
    void OnValidatePage(wxCommandEvent& event) override;
    void OnClearHighlight(wxCommandEvent& event) override;
    void OnSelectAll(wxCommandEvent& event) override;
    void OnDeSelectAll(wxCommandEvent& event) override;
    void OnCreateShadow(wxCommandEvent& event) override;
    void OnDefaultRow(wxCommandEvent& event) override;
    void OnCopyRow(wxCommandEvent& event) override;
    void OnPasteRow(wxCommandEvent& event) override;
    void OnInsertRow(wxCommandEvent& event) override;
    void OnClearRow(wxCommandEvent& event) override;
    void OnDeleteRow(wxCommandEvent& event) override;
    void OnMarkRow(wxCommandEvent& event) override;
    void OnDefaultCol(wxCommandEvent& event) override;
    void OnDefaultMarked(wxCommandEvent& event) override;
    void OnRenumberToRowNum(wxCommandEvent& event) override;
    void OnRenumberSequencial(wxCommandEvent& event) override;
    void OnDefaultFile(wxCommandEvent& event) override;

    // The Edit menu, the grid's Delete key and the undo history (lumo_frame_history.cpp).
    void OnUndo(wxCommandEvent& event) override;
    void OnRedo(wxCommandEvent& event) override;
    void OnSelectAllCells(wxCommandEvent& event) override;
    void OnCut(wxCommandEvent& event) override;
    void OnCopy(wxCommandEvent& event) override;
    void OnPaste(wxCommandEvent& event) override;
    void OnGridCellChanged(wxGridEvent& event) override;
    void OnGridKeyDown(wxKeyEvent& event) override;
    void CommandStarts(int id) override;
    void CommandEnded(int id) override;
    // The Undo and Redo items name the current page's next steps.
    void UpdateEditMenu();

    const lumo::PortSelection& Port() const { return port_; }
    // Chooses the serial port without the dialog (a device given on the command line, tests).
    void SetPort(const wxString& name);
    void SetPort(const lumo::PortSelection& selection);
    const lumo::PasteBuffer& CopyBuffer() const { return pasteBuffer_; }
    // Opens each data file on a page of its own, as File > Open does (files named at start).
    void OpenFiles(const std::vector<wxString>& paths);
    // What Lumo remembers between runs (the toolkit's configuration); tests give their own.
    void SetSettings(std::unique_ptr<lumo::Settings> settings);
    lumo::Settings& GetSettings() { return *settings_; }
    // File > Recent files (lumo_frame_desktop.cpp): the nine data files used last.
    void OnRecentFile(wxCommandEvent& event);
    const lumo::RecentFiles& Recent() const { return recent_; }
    // Where backups of radios go (the user's data folder; tests give their own).
    void SetBackupFolder(const wxString& folder) { backupFolder_ = folder; }
    // Re-lays out the current page's grid after its target changed.
    void AdjustEditGrid();
    // Writes the page's parameters to the diagnostic log.
    void ShowPageParameters(int slot);

    // Opens a document with the desktop's default application; tests replace it.
    void SetDocumentLauncher(std::function<bool(const wxString&)> launcher) {
        launchDocument_ = std::move(launcher);
    }

    // Runs the printer on a printout; tests replace the print dialog and the printer.
    void SetPrintRunner(std::function<PrintOutcome(wxPrintout&)> runner) {
        printRunner_ = std::move(runner);
    }

  private:
    // Takes a page and its view out of the notebook; the later pages move up a slot.
    void RemovePage(int slot);
    // Runs a command on the current page with the grid's selection copied into the store and
    // back, then shows what changed.
    void RunOnPage(const std::function<void(lumo::Page&)>& command);
    void RunRowCommand(const std::function<void(lumo::RowCommand&)>& command);
    // Prints with the print dialog and reports a printer that failed; true when printed.
    bool PrintWithDialog(wxWindow* parent, wxPrintout& printout);
    // Reads a data file into the current page; false after saying why it could not.
    bool OpenIntoCurrentPage(const wxString& path);
    // Opens a data file on a new page; false when the notebook has no room (after saying so).
    bool OpenOnNewPage(const wxString& path);
    // The settings menu's check marks from the settings.
    void ShowSafetySettings();
    // A step of the current page's history around a change: BeginStep takes the selection and
    // any change made outside a step; EndStep records what each page changed under the name.
    void BeginStep();
    void EndStep(const wxString& name, bool namesOnly = false);
    void StepThroughHistory(bool back);
    // The text of the cell editor being typed in, if one is.
    wxTextEntry* OpenEditorText();
    // Empties the selected cells (the cursor's without a selection) as one step.
    void ClearCells(const wxString& stepName);
    // Puts the selected cells (the cursor's without a selection) on the clipboard; false when
    // there was nothing to copy.
    bool CopyCells();
    // A data file was opened or saved: it heads the recent files, its folder is the last one.
    void NoteDataFile(const wxString& path);
    void SaveCurrentPage(bool saveAs);
    // The window's place and size: as the user left them, or wide enough for a whole P25 row.
    void RestoreGeometry();
    void SaveGeometry();
    void ShowRecentFiles();

    std::function<bool(const wxString&)> launchDocument_;
    std::function<PrintOutcome(wxPrintout&)> printRunner_;
    lumo::PasteBuffer pasteBuffer_;
    lumo::RecentFiles recent_;
    lumo::PortSelection port_;
    lumo::SteadyClock clock_;
    lumo::HeldRadio heldRadio_;  // the radio read last in this run
    std::unique_ptr<lumo::Settings> settings_;
    wxString backupFolder_;
};

// The one main frame of the process, for code that is not called by it.
LumoFrame* TheLumoFrame();
void SetTheLumoFrame(LumoFrame* frame);
