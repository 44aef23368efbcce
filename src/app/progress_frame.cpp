#include "progress_frame.h"

#include <wx/button.h>
#include <wx/config.h>
#include <wx/display.h>
#include <wx/evtloop.h>
#include <wx/gauge.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/utils.h>

ProgressFrame::ProgressFrame(wxWindow* parent, wxWindowID id, const wxString& title,
                             const wxPoint& position, const wxSize& size, long style)
    : wxFrame(parent, id, title, position, size, style) {
    auto* panel = new wxPanel(this);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    statusLabel = new wxStaticText(panel, wxID_ANY, wxString());
    gauge = new wxGauge(panel, wxID_ANY, 100);
    gauge->SetValue(10);
    cancelButton = new wxButton(panel, wxID_CANCEL, "Cancel");
    sizer->Add(statusLabel, 0, wxEXPAND | wxALL, 5);
    sizer->Add(gauge, 0, wxEXPAND | wxALL, 5);
    sizer->Add(new wxStaticLine(panel), 0, wxEXPAND | wxALL, 5);
    sizer->Add(cancelButton, 0, wxEXPAND | wxALL, 5);
    panel->SetSizer(sizer);
    // 200 dialog units wide, as high as its contents: long status texts fit on one line.
    sizer->SetSizeHints(this);
    SetClientSize(panel->ConvertDialogToPixels(wxSize(200, 0)).x, GetClientSize().y);
    if (parent)
        CentreOnParent();
    else
        CentreOnScreen();
    RestorePosition();
    cancelButton->Bind(wxEVT_BUTTON, &ProgressFrame::OnCancel, this);
    // Last: every other window of the program stays disabled while this one exists.
    disabler_ = std::make_unique<wxWindowDisabler>(this);
}

namespace {
constexpr const char* kPositionKey = "/TransferProgress/";
}  // namespace

// Only the position is remembered: the size follows the contents.
void ProgressFrame::RestorePosition() {
    wxConfigBase* config = wxConfigBase::Get();
    long x = 0, y = 0;
    if (!config || !config->Read(wxString(kPositionKey) + "x", &x) ||
        !config->Read(wxString(kPositionKey) + "y", &y))
        return;
    wxPoint position(static_cast<int>(x), static_cast<int>(y));
    if (wxDisplay::GetFromPoint(position) != wxNOT_FOUND) Move(position);
}

void ProgressFrame::SavePosition() {
    if (wxConfigBase* config = wxConfigBase::Get()) {
        config->Write(wxString(kPositionKey) + "x", GetPosition().x);
        config->Write(wxString(kPositionKey) + "y", GetPosition().y);
    }
}

ProgressFrame::~ProgressFrame() {
    cancelButton->Unbind(wxEVT_BUTTON, &ProgressFrame::OnCancel, this);
    disabler_.reset();
}

void ProgressFrame::EnableOthers() {
    SavePosition();
    disabler_.reset();
}

void ProgressFrame::OnCancel(wxCommandEvent& event) {
    cancelled = true;
    event.Skip();
}

ProgressFrameView::ProgressFrameView(wxWindow* parent, const wxString& title)
    : frame_(new ProgressFrame(parent, wxID_ANY, title)) {
    frame_->Show();
}

ProgressFrameView::~ProgressFrameView() {
    frame_->EnableOthers();
    frame_->Hide();
    frame_->Destroy();
}

void ProgressFrameView::SetStatusText(const wxString& text) {
    frame_->statusText = text;
    frame_->statusLabel->SetLabel(text);
}

wxString ProgressFrameView::StatusText() const {
    return frame_->statusText;
}
void ProgressFrameView::SetRange(int range) {
    frame_->gauge->SetRange(std::max(range, 1));
}
void ProgressFrameView::SetValue(int value) {
    frame_->gauge->SetValue(std::min(value, frame_->gauge->GetRange()));
}
void ProgressFrameView::Pulse() {
    frame_->gauge->Pulse();
}
bool ProgressFrameView::Cancelled() const {
    return frame_->cancelled;
}

void ProgressFrameView::ProcessEvents() {
    // Only the user's input and the drawing it causes: no other command can start meanwhile.
    if (wxEventLoopBase* loop = wxEventLoopBase::GetActive())
        loop->YieldFor(wxEVT_CATEGORY_UI | wxEVT_CATEGORY_USER_INPUT);
}
