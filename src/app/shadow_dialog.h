// A label, a one-line text field and OK/Cancel, sized to fit: the shadow number asked for when a
// shadow memory is created, and any other line the user is asked to type.
#pragma once

#include <wx/dialog.h>

class wxTextCtrl;

class ShadowDialog : public wxDialog {
  public:
    ShadowDialog(wxWindow* parent, const wxString& title,
                 const wxString& label = "Shadow Memory Num:");

    wxString Text() const;

  private:
    wxTextCtrl* text_;
};
