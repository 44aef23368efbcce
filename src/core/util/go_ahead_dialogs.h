// Dialogs for work nobody watches (lumo-cli, the sessions of a write to several radios):
// messages are kept for the caller to report, questions are answered "go ahead", and nothing
// waits for a person.
#pragma once

#include "util/dialogs.h"

#include <vector>

namespace lumo {

class GoAheadDialogs : public Dialogs {
  public:
    std::vector<wxString> messages;

    void Message(const wxString& text, const wxString&, DialogIcon) override {
        messages.push_back(text);
    }
    DialogAnswer Ask(const wxString&, const wxString&, DialogButtons buttons, DialogIcon) override {
        return buttons == DialogButtons::Ok || buttons == DialogButtons::OkCancel
                   ? DialogAnswer::Ok
                   : DialogAnswer::Yes;
    }
    std::optional<int> Choose(const ChoiceRequest&) override { return std::nullopt; }
    std::optional<wxString> AskText(const wxString&, const wxString&) override {
        return std::nullopt;
    }
    std::optional<wxString> OpenFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<wxString> SaveFile(const FileDialogRequest&) override { return std::nullopt; }
    void About(const AboutInfo&) override {}
    void Bell() override {}
};

}  // namespace lumo
