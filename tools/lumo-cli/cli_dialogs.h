// The dialog interface of the command-line tool: messages are collected for the verb to print,
// questions are answered "go ahead", and nothing waits for a person.
#pragma once

#include "util/go_ahead_dialogs.h"

class CliDialogs : public lumo::GoAheadDialogs {
  public:
    std::optional<wxString>
        savePath;  // the answer to a save-file dialog, given on the command line

    std::optional<wxString> SaveFile(const lumo::FileDialogRequest&) override { return savePath; }
};
