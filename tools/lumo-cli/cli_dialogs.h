// The dialog interface of the command-line tool: messages are collected for the verb to print,
// questions are answered "go ahead", and nothing waits for a person.
#pragma once

#include "util/dialogs.h"

#include <vector>

class CliDialogs : public lumo::Dialogs {
  public:
    std::vector<wxString> messages;
    std::optional<wxString>
        savePath;  // the answer to a save-file dialog, given on the command line

    void Message(const wxString& text, const wxString&, lumo::DialogIcon) override {
        messages.push_back(text);
    }
    lumo::DialogAnswer Ask(const wxString&, const wxString&, lumo::DialogButtons buttons,
                           lumo::DialogIcon) override {
        return buttons == lumo::DialogButtons::Ok || buttons == lumo::DialogButtons::OkCancel
                   ? lumo::DialogAnswer::Ok
                   : lumo::DialogAnswer::Yes;
    }
    std::optional<int> Choose(const lumo::ChoiceRequest&) override { return std::nullopt; }
    std::optional<wxString> AskText(const wxString&, const wxString&) override {
        return std::nullopt;
    }
    std::optional<wxString> OpenFile(const lumo::FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<wxString> SaveFile(const lumo::FileDialogRequest&) override { return savePath; }
    void About(const lumo::AboutInfo&) override {}
    void Bell() override {}
};
