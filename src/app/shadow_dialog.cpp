#include "shadow_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

ShadowDialog::ShadowDialog(wxWindow* parent, const wxString& title, const wxString& label)
    : wxDialog(parent, wxID_ANY, title) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticText(this, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL | wxALL, 5);
    text_ = new wxTextCtrl(this, wxID_ANY);
    row->Add(text_, 1, wxEXPAND | wxALL, 5);
    top->Add(row, 0, wxEXPAND);
    top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 5);
    SetSizerAndFit(top);
    text_->SetFocus();
}

wxString ShadowDialog::Text() const {
    return text_->GetValue();
}
