// A dialog interface for tests: records what was shown and answers from a script.
#pragma once

#include "util/dialogs.h"

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

struct ShownDialog {
    std::string kind;  // "message", "ask", "choose", "text", "open", "save", "about"
    wxString text;
    wxString caption;
};

class ScriptedDialogs : public lumo::Dialogs {
  public:
    std::vector<ShownDialog> shown;
    std::deque<lumo::DialogAnswer> answers;     // for Ask; Ok when empty
    std::deque<std::optional<int>> choices;     // for Choose; cancelled when empty
    std::deque<std::optional<wxString>> texts;  // for AskText and the file dialogs
    std::vector<lumo::ChoiceRequest> choiceRequests;
    std::vector<lumo::FileDialogRequest> fileRequests;
    lumo::AboutInfo about;
    int bells = 0;

    void Message(const wxString& text, const wxString& caption, lumo::DialogIcon) override {
        shown.push_back({"message", text, caption});
    }
    lumo::DialogAnswer Ask(const wxString& text, const wxString& caption, lumo::DialogButtons,
                           lumo::DialogIcon) override {
        shown.push_back({"ask", text, caption});
        return Pop(answers, lumo::DialogAnswer::Ok);
    }
    std::optional<int> Choose(const lumo::ChoiceRequest& request) override {
        shown.push_back({"choose", request.label, request.title});
        choiceRequests.push_back(request);
        return Pop(choices, std::optional<int>());
    }
    std::optional<wxString> AskText(const wxString& title, const wxString& label) override {
        shown.push_back({"text", label, title});
        return Pop(texts, std::optional<wxString>());
    }
    std::optional<wxString> OpenFile(const lumo::FileDialogRequest& request) override {
        shown.push_back({"open", request.fileName, request.title});
        fileRequests.push_back(request);
        return Pop(texts, std::optional<wxString>());
    }
    std::optional<wxString> SaveFile(const lumo::FileDialogRequest& request) override {
        shown.push_back({"save", request.fileName, request.title});
        fileRequests.push_back(request);
        return Pop(texts, std::optional<wxString>());
    }
    void About(const lumo::AboutInfo& info) override {
        shown.push_back({"about", info.description, info.name});
        about = info;
    }
    void Bell() override { ++bells; }

    bool Showed(const wxString& caption) const {
        return std::any_of(shown.begin(), shown.end(),
                           [&](const ShownDialog& d) { return d.caption == caption; });
    }
    std::vector<wxString> Messages() const {
        std::vector<wxString> out;
        for (const ShownDialog& d : shown)
            if (d.kind == "message") out.push_back(d.text);
        return out;
    }

  private:
    template <typename T>
    static T Pop(std::deque<T>& queue, T fallback) {
        if (queue.empty()) return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};
