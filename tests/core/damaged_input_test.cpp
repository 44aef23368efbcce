// Inputs the fuzz targets found (reduced to what matters): a data file or a radio that names
// links one end does not know, or one row twice. Each page ends with true zone counts and
// both ends of every link.
#include "files/lumo_file.h"
#include "support/page_fixtures.h"
#include "support/simulated_radio.h"

#include <gtest/gtest.h>

using namespace lumo;

namespace {
constexpr int kVRD21 = 6;
constexpr int kVRD21B = 7;

std::string DataFile(const std::string& rows) {
    return "<?xml version=\"1.0\" "
           "encoding=\"UTF-8\"?>\n<LumoMem><Version>R.C.4</Version><Date>06-Dec-2026</Date>"
           "<Time>10:00:00</Time>"
           "<FType>RP25</FType><FRadio>VRD-21</FRadio><FBand>FM 136-174</FBand>" +
           rows + "</LumoMem>\n";
}
std::string Row(int row, const std::string& fields) {
    return "<MEMORY row=\"" + std::to_string(row) + "\">" + fields + "</MEMORY>";
}

TEST(DamagedInput, DataFilesKeepTheirLinksAndZoneCountsTrue) {
    const std::string plain = "<MF>0</MF><SH>N</SH><ZN>1</ZN><RF>150.0000</RF>";
    struct Case {
        const char* what;
        std::string rows;
        int zoneOneRows;  // -1: whatever the mend leaves
    } cases[] = {
        {"a row named twice", Row(2, "<MN>002</MN>" + plain) + Row(2, "<MN>002</MN>" + plain), 1},
        {"a primary listing a plain memory",
         Row(2, "<MF>10</MF><MN>002</MN><SH>P-1</SH><ZN>1</ZN><S0>003</S0>") +
             Row(3, "<MN>003</MN>" + plain),
         2},
        {"one number on two rows, one listing itself",
         Row(1, "<MF>11</MF><MN>002</MN><PR>002</PR><ZN>1</ZN>") +
             Row(2, "<MF>10</MF><MN>002</MN><ZN>1</ZN><S1>002</S1>"),
         2},
        {"a row flagged primary and shadow, numbered 000",
         Row(1, "<MF>11</MF><MN>000</MN><PR>002</PR><ZN>1</ZN>") +
             Row(2, "<MF>10</MF><MN>002</MN><ZN>1</ZN><S1>002</S1>"),
         -1},
        {"a row flagged primary and shadow, listed by its primary",
         Row(1, "<MF>11</MF><MN>001</MN><PR>002</PR><ZN>1</ZN>") +
             Row(2, "<MF>10</MF><MN>002</MN><ZN>1</ZN><S0>001</S0>"),
         -1},
        {"a plain memory listing a shadow",
         Row(2, "<MN>002</MN><S0>003</S0>" + plain) + Row(3, "<MN>003</MN>" + plain), 2},
    };
    for (const Case& c : cases) {
        TempDir dir;
        Page page = MakePage(kVRD21);
        wxString message;
        ASSERT_EQ(OpenLumoFileAt(dir.Write("damaged.lumo", DataFile(c.rows)), page, 0, &message),
                  kFileOk)
            << c.what << ": " << message;
        EXPECT_TRUE(PageIsConsistent(page)) << c.what;
        if (c.zoneOneRows >= 0) {
            EXPECT_EQ(page.zoneCounters[0], c.zoneOneRows) << c.what;
        }
    }
}

// A radio holding memory 3 as a shadow of memory 2, which it does not hold: the memory is read
// as a plain one.
TEST_F(SimulatedRadioTest, AShadowReadWithoutItsPrimaryBecomesAPlainMemory) {
    Serve();
    {
        std::lock_guard<std::mutex> lock(server->RadioMutex());
        server->Digital()->SetMemory(
            {{3,
              "T1430003010203105441432031205320206E3135312E32353030527800010D0502933135312E32"
              "353030547800010D06029300000001000000000000000A000000000000"}});
    }
    Page page = MakePage(kVRD21B);
    ASSERT_EQ(DownloadCommand(env, page, 0, Port()), kTransferComplete);
    EXPECT_EQ(page.grid.Get(3, SHAD), "N");
    EXPECT_TRUE(PageIsConsistent(page));
}
}  // namespace
