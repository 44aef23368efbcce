// The small modal choice dialog used for the port, the radio and the band: a label, a choice
// and OK/Cancel, with OK enabled only while something is chosen.
#pragma once

#include "util/dialogs.h"

#include <wx/dialog.h>

class wxChoice;
class wxUpdateUIEvent;

class ChoiceDialog : public wxDialog {
  public:
    ChoiceDialog(wxWindow* parent, const lumo::ChoiceRequest& request);

    int Selection() const;
    wxString SelectedText() const { return selected_; }
    wxChoice* Choice() const { return choice_; }

  private:
    void OnUpdateOk(wxUpdateUIEvent& event);

    wxChoice* choice_;
    wxString selected_;
};
