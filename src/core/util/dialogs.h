// Every message box, question and file or choice dialog goes through this interface: wx dialogs
// in the program, a scripted fake in tests, plain text in the command-line tool.
#pragma once

#include <wx/string.h>

#include <optional>
#include <vector>

namespace lumo {

enum class DialogIcon { None, Information, Error, Exclamation, Question };
enum class DialogButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class DialogAnswer { Ok, Cancel, Yes, No };

struct AboutInfo {
    wxString name;
    wxString version;
    wxString description;
    wxString icon;  // the program's icon, a PNG file
};

// The platform's pattern for "all files" in a file dialog's wildcard.
#ifdef __WINDOWS__
constexpr const char* kAllFilesPattern = "*.*";
#else
constexpr const char* kAllFilesPattern = "*";
#endif

struct FileDialogRequest {
    wxString title;
    wxString directory;
    wxString fileName;
    wxString wildcard;
};

struct ChoiceRequest {
    wxString title;
    wxString label;
    std::vector<wxString> choices;
    int preselection = -1;  // -1: nothing chosen when the dialog opens
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    virtual void Message(const wxString& text, const wxString& caption,
                         DialogIcon icon = DialogIcon::None) = 0;
    virtual DialogAnswer Ask(const wxString& text, const wxString& caption, DialogButtons buttons,
                             DialogIcon icon = DialogIcon::None) = 0;
    // Index of the chosen entry, or nothing when the user cancelled.
    virtual std::optional<int> Choose(const ChoiceRequest& request) = 0;
    // A line of text typed by the user, or nothing when cancelled.
    virtual std::optional<wxString> AskText(const wxString& title, const wxString& label) = 0;
    virtual std::optional<wxString> OpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<wxString> SaveFile(const FileDialogRequest& request) = 0;
    virtual void About(const AboutInfo& info) = 0;
    // The bell for refused keys and pastes.
    virtual void Bell() = 0;
};

}  // namespace lumo
