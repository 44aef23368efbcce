#include "model/catalogue.h"

#include <gtest/gtest.h>
#include <wx/init.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    wxInitializer wx;
    if (!wx.IsOk()) return 2;
    lumo::InitCatalogueLists();
    return RUN_ALL_TESTS();
}
