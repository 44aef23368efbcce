#include "fleet_window.h"

#include "transfer/port_selection.h"

#include <wx/button.h>
#include <wx/checklst.h>
#include <wx/gauge.h>
#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>

using namespace lumo;

namespace {
constexpr int kPollMs = 100;
}  // namespace

FleetWindow::FleetWindow(wxWindow* parent, Dialogs& dialogs, const Page& page, int pageNumber,
                         const TransferEnvironment& env, const SafetyOptions& safety,
                         const std::vector<wxString>& ports)
    : wxFrame(parent, wxID_ANY, "Send to several radios"),
      dialogs_(dialogs),
      page_(page),
      pageNumber_(pageNumber),
      env_(env),
      safety_(safety),
      timer_(this) {
    page_.grid.SetObserver(nullptr);  // the copy belongs to no grid
    panel_ = new wxPanel(this);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    body_ = new wxBoxSizer(wxVERTICAL);
    body_->Add(new wxStaticText(panel_, wxID_ANY, "Write the page to the radios on these ports:"),
               0, wxALL, 5);
    wxArrayString entries;
    for (const wxString& port : ports)
        entries.Add(port);
    entries.Add(kOtherPortEntry);
    portList = new wxCheckListBox(panel_, wxID_ANY, wxDefaultPosition, wxSize(-1, 200), entries);
    body_->Add(portList, 1, wxEXPAND | wxALL, 5);
    sizer->Add(body_, 1, wxEXPAND);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    sendButton = new wxButton(panel_, wxID_OK, "Send");
    cancelButton = new wxButton(panel_, wxID_CANCEL, "Cancel all");
    saveButton = new wxButton(panel_, wxID_SAVE, "Save as CSV...");
    auto* closeButton = new wxButton(panel_, wxID_CLOSE, "Close");
    for (wxButton* button : {sendButton, cancelButton, saveButton, closeButton})
        buttons->Add(button, 0, wxALL, 5);
    cancelButton->Hide();
    saveButton->Hide();
    sendButton->Disable();
    sizer->Add(buttons, 0, wxALIGN_RIGHT);
    panel_->SetSizer(sizer);
    sizer->SetSizeHints(this);
    SetClientSize(panel_->ConvertDialogToPixels(wxSize(320, 0)).x, GetClientSize().y);
    CentreOnParent();

    portList->Bind(wxEVT_CHECKLISTBOX, &FleetWindow::OnPortChecked, this);
    sendButton->Bind(wxEVT_BUTTON, &FleetWindow::OnSend, this);
    cancelButton->Bind(wxEVT_BUTTON, &FleetWindow::OnCancel, this);
    saveButton->Bind(wxEVT_BUTTON, &FleetWindow::OnSave, this);
    closeButton->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Close(); });
    Bind(wxEVT_TIMER, &FleetWindow::OnTimer, this);
    Bind(wxEVT_CLOSE_WINDOW, &FleetWindow::OnClose, this);
}

FleetWindow::~FleetWindow() {
    timer_.Stop();
    fleet_.reset();  // cancels what still runs and waits for it
}

std::vector<wxString> FleetWindow::CheckedPorts() const {
    std::vector<wxString> ports;
    for (unsigned i = 0; i + 1 < portList->GetCount(); ++i)
        if (portList->IsChecked(i)) ports.push_back(portList->GetString(i));
    return ports;
}

// "Other device..." asks for a path and lists it, checked, above itself.
void FleetWindow::OnPortChecked(wxCommandEvent& event) {
    unsigned other = portList->GetCount() - 1;
    if (static_cast<unsigned>(event.GetInt()) == other && portList->IsChecked(other)) {
        portList->Check(other, false);
        if (std::optional<wxString> device = AskForDevice(dialogs_)) {
            if (typed_) typed_(*device);
            int found = portList->FindString(*device, true);
            if (found == wxNOT_FOUND) found = portList->Insert(*device, other);
            portList->Check(static_cast<unsigned>(found));
        }
    }
    sendButton->Enable(!CheckedPorts().empty());
}

void FleetWindow::OnSend(wxCommandEvent&) {
    std::vector<wxString> ports = CheckedPorts();
    if (ports.empty() || fleet_) return;
    fleet_ = std::make_unique<FleetWrite>(page_, pageNumber_, ports, env_, safety_);
    body_->Clear(true);
    portList = nullptr;
    auto* rows = new wxFlexGridSizer(3, wxSize(8, 4));
    rows->AddGrowableCol(2, 1);
    for (size_t i = 0; i < fleet_->Size(); ++i) {
        rows->Add(new wxStaticText(panel_, wxID_ANY, fleet_->Port(i)), 0, wxALIGN_CENTER_VERTICAL);
        gauges.push_back(new wxGauge(panel_, wxID_ANY, 100, wxDefaultPosition, wxSize(160, -1)));
        rows->Add(gauges.back(), 0, wxALIGN_CENTER_VERTICAL);
        statusLabels.push_back(new wxStaticText(panel_, wxID_ANY, "Waiting..."));
        rows->Add(statusLabels.back(), 1, wxEXPAND | wxALIGN_CENTER_VERTICAL);
    }
    body_->Add(rows, 0, wxEXPAND | wxALL, 5);
    sendButton->Hide();
    cancelButton->Show();
    FindWindow(wxID_CLOSE)->Disable();
    panel_->Layout();
    fleet_->Start();
    timer_.Start(kPollMs);
}

void FleetWindow::OnCancel(wxCommandEvent&) {
    if (fleet_) fleet_->Cancel();
    cancelButton->Disable();
}

void FleetWindow::OnTimer(wxTimerEvent&) {
    for (size_t i = 0; i < gauges.size(); ++i) {
        SessionProgress::Snapshot p = fleet_->Progress(i);
        int range = std::max(p.range, 1);
        if (gauges[i]->GetRange() != range) gauges[i]->SetRange(range);
        gauges[i]->SetValue(p.finished ? range : std::clamp(p.value, 0, range));
        if (statusLabels[i]->GetLabel() != p.status && !p.status.empty())
            statusLabels[i]->SetLabel(p.status);
    }
    if (!fleet_->Finished()) return;
    timer_.Stop();
    fleet_->Wait();
    results_ = fleet_->Results();
    finished_ = true;
    ShowTable();
}

void FleetWindow::ShowTable() {
    table = new wxListCtrl(panel_, wxID_ANY, wxDefaultPosition, wxSize(-1, 180),
                           wxLC_REPORT | wxLC_SINGLE_SEL);
    std::vector<wxString> columns = FleetColumns();
    for (size_t c = 0; c < columns.size(); ++c)
        table->InsertColumn(static_cast<long>(c), columns[c]);
    for (size_t r = 0; r < results_.size(); ++r) {
        std::vector<wxString> row = FleetRow(results_[r]);
        long item = table->InsertItem(static_cast<long>(r), row[0]);
        for (size_t c = 1; c < row.size(); ++c)
            table->SetItem(item, static_cast<long>(c), row[c]);
    }
    for (size_t c = 0; c < columns.size(); ++c)
        table->SetColumnWidth(static_cast<int>(c), wxLIST_AUTOSIZE_USEHEADER);
    body_->Add(table, 1, wxEXPAND | wxALL, 5);
    cancelButton->Hide();
    saveButton->Show();
    FindWindow(wxID_CLOSE)->Enable();
    panel_->Layout();
}

void FleetWindow::OnSave(wxCommandEvent&) {
    std::optional<wxString> path =
        dialogs_.SaveFile({"Save the table as CSV", wxString(), "radios.csv",
                           wxString("CSV files (*.csv)|*.csv|All files|") + kAllFilesPattern});
    if (path && !SaveFleetCsv(results_, *path))
        dialogs_.Message("Could not write " + *path, "Error!", DialogIcon::Error);
}

// Closing while the writes run cancels them first: every radio gets the end of its session.
void FleetWindow::OnClose(wxCloseEvent&) {
    timer_.Stop();
    if (fleet_) fleet_->Cancel();
    fleet_.reset();
    Destroy();
}
