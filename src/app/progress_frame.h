// The window a transfer shows while it runs: what it is doing, a gauge and Cancel. Every other
// window of the program is disabled while it exists.
#pragma once

#include "transfer/transfer_progress.h"

#include <wx/frame.h>

#include <memory>

class wxButton;
class wxGauge;
class wxStaticText;
class wxWindowDisabler;

class ProgressFrame : public wxFrame {
  public:
    ProgressFrame(wxWindow* parent, wxWindowID id, const wxString& title,
                  const wxPoint& position = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                  long style = wxCAPTION | wxRESIZE_BORDER);
    ~ProgressFrame() override;
    // Gives the other windows back at once (the frame itself goes later, when it is destroyed).
    void EnableOthers();

    wxString statusText;
    wxStaticText* statusLabel = nullptr;
    wxGauge* gauge = nullptr;
    wxButton* cancelButton = nullptr;
    bool cancelled = false;

  private:
    void OnCancel(wxCommandEvent& event);
    void RestorePosition();
    void SavePosition();

    std::unique_ptr<wxWindowDisabler> disabler_;
};

// The transfer's view of a progress frame; destroying it closes the frame.
class ProgressFrameView : public lumo::TransferProgress {
  public:
    ProgressFrameView(wxWindow* parent, const wxString& title);
    ~ProgressFrameView() override;

    void SetStatusText(const wxString& text) override;
    wxString StatusText() const override;
    void SetRange(int range) override;
    void SetValue(int value) override;
    void Pulse() override;
    bool Cancelled() const override;
    void ProcessEvents() override;

    ProgressFrame* Frame() const { return frame_; }

  private:
    ProgressFrame* frame_;
};
