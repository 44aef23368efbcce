// The dialog interface realised with the toolkit's modal dialogs.
#pragma once

#include "util/dialogs.h"

class wxWindow;

class WxDialogs : public lumo::Dialogs {
  public:
    explicit WxDialogs(wxWindow* parent) : parent_(parent) {}

    void Message(const wxString& text, const wxString& caption, lumo::DialogIcon icon) override;
    lumo::DialogAnswer Ask(const wxString& text, const wxString& caption,
                           lumo::DialogButtons buttons, lumo::DialogIcon icon) override;
    std::optional<int> Choose(const lumo::ChoiceRequest& request) override;
    std::optional<wxString> AskText(const wxString& title, const wxString& label) override;
    std::optional<wxString> OpenFile(const lumo::FileDialogRequest& request) override;
    std::optional<wxString> SaveFile(const lumo::FileDialogRequest& request) override;
    void About(const lumo::AboutInfo& info) override;
    void Bell() override;

  private:
    wxWindow* parent_;
};
