// Data > Send to several radios...: the ports to write to (the probed ones, those typed before
// and "Other device..."), then one progress row per port with Cancel all, then the table of
// what each radio got, which can be saved as CSV. The writes run on threads of their own; a
// timer reads their progress, so the program stays responsive throughout.
#pragma once

#include "commands/fleet_write.h"

#include <wx/frame.h>
#include <wx/timer.h>

#include <functional>
#include <memory>
#include <vector>

class wxButton;
class wxCheckListBox;
class wxGauge;
class wxListCtrl;
class wxStaticText;
class wxBoxSizer;
class wxPanel;

class FleetWindow : public wxFrame {
  public:
    // The page is copied when the writes start; `dialogs` outlives the window.
    FleetWindow(wxWindow* parent, lumo::Dialogs& dialogs, const lumo::Page& page, int pageNumber,
                const lumo::TransferEnvironment& env, const lumo::SafetyOptions& safety,
                const std::vector<wxString>& ports);
    ~FleetWindow() override;

    // Called with each device typed through "Other device...", for the program to remember.
    void OnDeviceTyped(std::function<void(const wxString&)> typed) { typed_ = std::move(typed); }
    // The ports checked in the list ("Other device..." is never among them).
    std::vector<wxString> CheckedPorts() const;
    bool Running() const { return fleet_ && !finished_; }
    bool Finished() const { return finished_; }
    const std::vector<lumo::FleetPortResult>& Results() const { return results_; }

    wxCheckListBox* portList = nullptr;
    wxButton* sendButton = nullptr;
    wxButton* cancelButton = nullptr;  // "Cancel all" while the writes run
    wxButton* saveButton = nullptr;    // "Save as CSV..." once they ended
    wxListCtrl* table = nullptr;
    std::vector<wxGauge*> gauges;
    std::vector<wxStaticText*> statusLabels;

  private:
    void OnPortChecked(wxCommandEvent& event);
    void OnSend(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnSave(wxCommandEvent& event);
    void OnTimer(wxTimerEvent& event);
    void OnClose(wxCloseEvent& event);
    void ShowTable();

    lumo::Dialogs& dialogs_;
    lumo::Page page_;
    int pageNumber_;
    lumo::TransferEnvironment env_;
    lumo::SafetyOptions safety_;
    wxPanel* panel_ = nullptr;
    wxBoxSizer* body_ = nullptr;  // the port list, then the progress rows, then the table
    std::unique_ptr<lumo::FleetWrite> fleet_;
    std::vector<lumo::FleetPortResult> results_;
    bool finished_ = false;
    wxTimer timer_;
    std::function<void(const wxString&)> typed_;
};
