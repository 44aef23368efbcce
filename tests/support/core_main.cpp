#include "model/catalogue.h"

#include <gtest/gtest.h>
#include <wx/init.h>

namespace {
// Toolkit assertions (a format that does not match its arguments, say) fail the test.
void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg) {
    ADD_FAILURE_AT(file.utf8_str(), line)
        << "wx assertion " << cond << " in " << func << ": " << msg;
}
}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    wxInitializer wx;
    if (!wx.IsOk()) return 2;
    wxSetAssertHandler(FailOnAssert);
    lumo::InitCatalogueLists();
    return RUN_ALL_TESTS();
}
