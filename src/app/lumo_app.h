#pragma once

#include <wx/app.h>

class LumoApp : public wxApp {
  public:
    bool OnInit() override;
};

wxDECLARE_APP(LumoApp);
