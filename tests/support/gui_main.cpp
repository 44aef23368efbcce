// Runs the GUI tests inside a real wx application on the display given (Xvfb in ctest).
// Toolkit assertions become test failures.
#include "gui_support.h"

#include "model/catalogue.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>

namespace {
class TestApp : public wxApp {
  public:
    bool OnInit() override {
        wxInitAllImageHandlers();
        return true;
    }
};

void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg) {
    ADD_FAILURE_AT(file.utf8_str(), line)
        << "wx assertion " << cond << " in " << func << ": " << msg;
}
}  // namespace

wxIMPLEMENT_APP_NO_MAIN(TestApp);

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new TestApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) return 2;
    wxSetAssertHandler(FailOnAssert);
    lumo::InitCatalogueLists();
    int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
