#include "choice_dialog.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

ChoiceDialog::ChoiceDialog(wxWindow* parent, const lumo::ChoiceRequest& request)
    : wxDialog(parent, wxID_ANY, request.title, wxDefaultPosition, wxSize(192, 111), wxCAPTION) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticText(this, wxID_ANY, request.label, wxDefaultPosition, wxSize(50, -1)), 0,
             wxALIGN_CENTER_VERTICAL | wxALL, 5);
    wxArrayString choices;
    for (const wxString& text : request.choices)
        choices.Add(text);
    choice_ = new wxChoice(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, choices);
    if (request.preselection >= 0 && request.preselection < static_cast<int>(choices.size()))
        choice_->SetSelection(request.preselection);
    row->Add(choice_, 1, wxEXPAND | wxALL, 5);
    top->Add(row, 0, wxEXPAND);
    top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 5);
    SetSizerAndFit(top);
    Bind(wxEVT_UPDATE_UI, &ChoiceDialog::OnUpdateOk, this, wxID_OK);
}

int ChoiceDialog::Selection() const {
    return choice_->GetSelection();
}

void ChoiceDialog::OnUpdateOk(wxUpdateUIEvent& event) {
    bool chosen = choice_->GetSelection() != wxNOT_FOUND;
    event.Enable(chosen);
    if (chosen) selected_ = choice_->GetStringSelection();
}
