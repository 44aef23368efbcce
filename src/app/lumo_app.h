#pragma once

#include <wx/app.h>

#include <optional>

class LumoApp : public wxApp {
  public:
    bool OnInit() override;
    int OnRun() override;

  private:
    // Set when the command line's work was done without a window: the program's exit code.
    std::optional<int> exitCode_;
};

wxDECLARE_APP(LumoApp);
