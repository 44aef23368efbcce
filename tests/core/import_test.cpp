#include "files/file_commands.h"
#include "import/csv_import.h"
#include "import/import_command.h"
#include "import/import_reader.h"
#include "import/legacy21.h"
#include "import/polylum.h"
#include "rules/frequency_rules.h"
#include "support/page_fixtures.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <wx/ffile.h>

#include <random>

using namespace lumo;

namespace {
constexpr int kVR13 = 3;  // FM 138-174, no guard rows
constexpr int kVRD21 = 6;
constexpr int kVRD21B = 7;
constexpr int kVRA50 = 8;

void Put(std::string& line, size_t pos, const std::string& text) {
    if (line.size() < pos + text.size()) line.resize(pos + text.size(), ' ');
    line.replace(pos, text.size(), text);
}

std::string BinaryHeader() {
    std::string h(32, '\0');
    Put(h, 0, "LUM21   ");
    Put(h, 8, "2 ");
    h[15] = h[16] = 0x01;
    Put(h, 17, "VRD21   ");
    return h;
}

// One record of the older programmer's binary file: a plain narrow memory on 151.25 MHz.
class BinaryRecord {
  public:
    explicit BinaryRecord(unsigned number) : bytes_(k21RecordSize, '\0') {
        Word(0, 0xA0).Word(4, number).Word(6, number).Word(20, 1).Word(22, 'x').Word(50, 'x');
        const std::pair<size_t, const char*> fields[] = {
            {10, "CHAN"}, {24, "0001"},     {52, "0001"},    {34, "293"},
            {62, "293"},  {40, "151.2500"}, {68, "151.2500"}};
        for (const auto& [pos, text] : fields)
            Put(bytes_, pos, text);
        Word(84, 0x01);
    }
    BinaryRecord& Word(size_t offset, unsigned w) {
        bytes_[offset] = static_cast<char>(w & 0xFF);
        bytes_[offset + 1] = static_cast<char>(w >> 8);
        return *this;
    }
    BinaryRecord& Flags(unsigned mflg) { return Word(2, mflg); }
    BinaryRecord& Primary(unsigned number) { return Word(4, number); }
    BinaryRecord& Shadows(std::initializer_list<unsigned> numbers) {
        size_t offset = 88;
        for (unsigned n : numbers) {
            Word(offset, n);
            offset += 2;
        }
        return *this;
    }
    const std::string& Bytes() const { return bytes_; }

  private:
    std::string bytes_;
};

std::string BinaryFile(std::initializer_list<BinaryRecord> records) {
    std::string file = BinaryHeader();
    for (const BinaryRecord& r : records)
        file += r.Bytes();
    return file;
}

// A line of the printed memory list: kind "S" (shadow, `extra` its primary), "P" (primary,
// `extra` its zone) or " " (`extra` its zone).
std::string ListLine(const std::string& key, const std::string& kind = " ",
                     const std::string& extra = "", const std::string& scan = " ") {
    std::string line;
    Put(line, 3, key);
    Put(line, 6, kind);
    if (kind == "S") {
        Put(line, 8, extra);
    } else {
        Put(line, 9, scan);
        Put(line, 10, extra);
    }
    const std::pair<size_t, const char*> fields[] = {
        {13, "CHAN"}, {23, "n"},    {25, "151.2500"}, {35, "x"},        {37, "67.0"},
        {43, "023"},  {47, "0001"}, {52, "293"},      {56, "151.2500"}, {66, "x"},
        {68, "67.0"}, {74, "023"},  {78, "001"},      {83, "293"},
    };
    for (const auto& [pos, text] : fields)
        Put(line, pos, text);
    return line + "\r\n";
}

std::string ListHeader() {
    std::string first, second;
    Put(first, 5, "Basic Information");
    Put(first, 32, "Rx Information");
    Put(second, 3, "Ch# Scan  Desc");
    return first + "\r\n" + second + "\r\n" + "---\r\n";
}

// A line of the multi-radio programmer's file.
std::string PolyLumLine(const std::string& number, const std::string& frequency,
                        const std::string& scan = "_____", const std::string& mode = "N") {
    const std::pair<size_t, std::string> fields[] = {
        {0, number},        {4, "SIMPLEX1"}, {14, frequency}, {25, frequency},
        {33, "TX CTCSS: "}, {43, "12"},      {48, "12"},      {58, "023"},
        {64, "025"},        {70, scan},      {75, mode}};
    std::string line;
    for (const auto& [pos, text] : fields)
        Put(line, pos, text);
    return line + "\n";
}

// A reader of the bytes, at `position` (32: the first record of a binary file).
ImportReader ReaderOf(const std::string& bytes, size_t position = 0) {
    ImportReader reader;
    reader.bytes = bytes;
    reader.position = position;
    return reader;
}

int DetectedType(const TempDir& dir, const std::string& bytes) {
    ImportReader reader;
    return DetectImportType(reader, dir.Write("probe", bytes));
}
}  // namespace

TEST(ImportDetection, TellsEachKindOfFileApart) {
    TempDir dir;
    EXPECT_EQ(DetectedType(dir, BinaryHeader()), kImport21Binary);
    EXPECT_EQ(DetectedType(dir, PolyLumLine("001", "146.5200") + PolyLumLine("002", "146.5200")),
              kImportPolyLum);
    EXPECT_EQ(DetectedType(dir, ListHeader()), kImport21Text);
    EXPECT_EQ(DetectedType(dir, "VRA-50,Purge,,,,\nMemory,Name\n"), kImportDamx);
    EXPECT_EQ(DetectedType(dir, "a,b,c,d,e,f\n1,2,3,4,5,6\n\"x\",,,,,\n,,,,,\n"), kImportCsv);

    std::string wrongByte = BinaryHeader();
    wrongByte[15] = 0x02;
    EXPECT_EQ(DetectedType(dir, wrongByte), kImportUnknown);
    EXPECT_EQ(DetectedType(dir, "a,b,c,d,e,f\n1,2,3,4,5,6\n"), kImportUnknown);  // two lines
    EXPECT_EQ(DetectedType(dir, PolyLumLine("001", "146.5200")), kImportUnknown);
    EXPECT_EQ(DetectedType(dir, ""), kImportUnknown);
    ImportReader reader;
    EXPECT_EQ(DetectImportType(reader, dir.Path("missing")), kImportUnknown);
}

TEST(Import21Binary, RecordsFillRowsWithTheirRelationsScanAndUnitId) {
    Page page = MakePage(kVRD21);
    ScriptedDialogs dialogs;
    ImportReader reader = ReaderOf(
        BinaryFile({
            BinaryRecord(5).Flags(0x10).Shadows({6, 7, 8}),
            BinaryRecord(6).Flags(0x01).Primary(5),
            BinaryRecord(7).Flags(0x02).Primary(5),
            BinaryRecord(8).Flags(0x03).Primary(5),
            BinaryRecord(9).Flags(0x08).Word(78, 0).Word(80, 0).Word(82, 0x12).Word(84, 0x34),
        }),
        32);
    EXPECT_EQ(Import21_Binary(reader, page, dialogs), 5);

    ExpectCells(page, {{5, SHAD, "P-3"}, {8, SHAD, "S-005"}});
    EXPECT_TRUE(page.grid.IsReadOnly(8, SCAN));
    const CellText expected[] = {{9, TIDC, "0001234"}, {9, SCAN, "Y"},    {9, RFRQ, "151.2500"},
                                 {9, MODE, "n"},       {9, RTON, "67.0"}, {9, RCOD, "023"}};
    ExpectCells(page, expected);
    EXPECT_TRUE(page.params.pageFlags & kPageFlagRelations);
    EXPECT_TRUE(PageIsConsistent(page));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(Import21Binary, UnitIdDigitsAreReadAsBcdPairs) {
    EXPECT_EQ(UnitIdFromWords({0x0099, 0x0099, 0x0099, 0x0099}), "99999999");
    EXPECT_EQ(UnitIdFromWords({0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF}), "0000000");  // above 8 digits
}

TEST(Import21Binary, GuardMemoriesOfTheSmallerRadioLandOnTheLargerOnesGuardRows) {
    Page page = MakePage(kVRD21B);
    ScriptedDialogs dialogs;
    ImportReader reader = ReaderOf(BinaryFile({BinaryRecord(231), BinaryRecord(12)}), 32);
    EXPECT_EQ(Import21_Binary(reader, page, dialogs), 2);
    ExpectCells(page, {{501, MNUM, "501"}, {501, PRIM, "501"}, {501, RNSV, "10"}});
    EXPECT_FALSE(page.IsRowUsed(231));
    EXPECT_EQ(page.grid.Get(12, MNUM), "012");
}

// The list names its guard memories "GD1" and "GD2": they are the page's guard rows, in the
// radio's last zone, on both P25 radios.
TEST(Import21Text, GuardLinesLandOnTheGuardRowsOfEveryP25Page) {
    for (int radio : {kVRD21, kVRD21B}) {
        Page page = MakePage(radio);
        ScriptedDialogs dialogs;
        ImportReader reader = ReaderOf(ListHeader() + ListLine("GD1") + ListLine("GD2", "P"));
        EXPECT_EQ(Import21_Text(reader, page, dialogs), 2) << RadioNames[radio];
        for (int row : {page.FirstGuardRow(), page.SecondGuardRow()}) {
            EXPECT_EQ(page.grid.Get(row, DESC), "CHAN") << row;
            EXPECT_EQ(page.grid.Get(row, MNUM), wxString::Format("%03d", row));
            EXPECT_EQ(page.grid.Get(row, ZONE), page.ZoneList().back());
        }
        EXPECT_TRUE(ZoneCountersMatchRows(page));
    }
}

TEST(Import21Binary, DamagedRecordsAreRepairedSkippedOrUnlinked) {
    Page page = MakePage(kVRD21);
    ScriptedDialogs dialogs;
    std::string file = BinaryFile({
        BinaryRecord(3).Word(20, 7),                    // no such mode
        BinaryRecord(999),                              // beyond the page
        BinaryRecord(4).Flags(0x10).Shadows({10, 11}),  // 10 is a plain memory, 11 missing
        BinaryRecord(10),
        BinaryRecord(12).Flags(0x02).Primary(40),  // names a primary that is not there
    });
    file += BinaryRecord(13).Bytes().substr(0, 50);  // a record cut short
    ImportReader reader = ReaderOf(file, 32);
    EXPECT_EQ(Import21_Binary(reader, page, dialogs), 4);

    EXPECT_EQ(page.grid.Get(3, MODE), page.grid.Get(0, MODE));
    EXPECT_EQ(page.grid.Background(3, MODE), kHighlightColour);
    ExpectCells(page, {{4, SHAD, "P-0"}, {4, SHD0, "0"}, {12, SHAD, "N"}});
    EXPECT_EQ(ParseHexFlags(page.grid.Get(12, MFLG)) & kMflgRelationMask, 0u);
    EXPECT_FALSE(page.grid.Get(12, ZONE).empty());
    EXPECT_FALSE(page.IsRowUsed(13));
    EXPECT_TRUE(PageIsConsistent(page));
}

TEST(Import21Binary, AnalogPagesTakeNoPrimariesOrShadows) {
    Page page = MakePage(kVR13);
    ScriptedDialogs dialogs;
    ImportReader reader = ReaderOf(BinaryFile({BinaryRecord(5).Flags(0x18).Shadows({6}),
                                               BinaryRecord(6).Flags(0x01).Primary(5)}),
                                   32);
    EXPECT_EQ(Import21_Binary(reader, page, dialogs), 2);
    ExpectCells(page, {{5, MFLG, "08"}, {5, SHD0, ""}, {6, MFLG, "00"}, {6, SHAD, ""}});
    EXPECT_FALSE(page.params.pageFlags & kPageFlagRelations);
}

TEST(Import21Binary, ASecondRecordForAMemoryReplacesTheFirstWhole) {
    Page page = MakePage(kVRD21);
    ScriptedDialogs dialogs;
    ImportReader reader =
        ReaderOf(BinaryFile({BinaryRecord(7).Flags(0x10).Shadows({8}),
                             BinaryRecord(8).Flags(0x01).Primary(7), BinaryRecord(7)}),
                 32);
    EXPECT_EQ(Import21_Binary(reader, page, dialogs), 3);
    ExpectCells(page, {{7, SHAD, "N"}, {7, SHD0, ""}});
    EXPECT_EQ(page.grid.Get(8, SHAD), "N");  // its primary is gone: a plain memory now
    EXPECT_TRUE(PageIsConsistent(page));
}

TEST(Import21Text, ListLinesBecomeMemoriesAndShadowsAreLinkedToTheirPrimaries) {
    Page page = MakePage(kVRD21);
    ScriptedDialogs dialogs;
    std::string undefined, erased;
    Put(undefined, 3, "020");
    Put(undefined, 36, "UNDEFINED");
    Put(erased, 3, "021");
    Put(erased, 37, "ERASED              ");
    ImportReader reader =
        ReaderOf(ListHeader() + ListLine("001", " ", "2", "S") + ListLine("002", "P", "3") +
                 ListLine("003", "S", "002") + ListLine("004", "S", "009") + undefined + "\r\n" +
                 erased + "\r\n" + "  022 short line\r\n" + ListLine("GD1"));
    EXPECT_EQ(Import21_Text(reader, page, dialogs), 5);

    const CellText expected[] = {{1, SCAN, "Y"},     {1, ZONE, "2"},
                                 {2, SHAD, "P-1"},   {2, SHD0, "3"},
                                 {3, SHAD, "S-002"}, {3, ZONE, page.grid.Get(2, ZONE)},
                                 {2, ZONE, "3"}};
    ExpectCells(page, expected);
    EXPECT_EQ(ParseHexFlags(page.grid.Get(3, MFLG)) & kMflgShadowSlotMask, 1u);
    EXPECT_TRUE(page.grid.IsReadOnly(3, ZONE));
    EXPECT_EQ(page.grid.Get(4, SHAD), "N");  // its primary 9 is not in the list
    EXPECT_FALSE(page.IsRowUsed(20));
    EXPECT_FALSE(page.IsRowUsed(21));
    EXPECT_TRUE(PageIsConsistent(page));
}

TEST(Import21Text, APrimaryTakesSevenShadowsAndNoMore) {
    Page page = MakePage(kVRD21);
    ScriptedDialogs dialogs;
    std::string file = ListHeader() + ListLine("010", "P", "1");
    for (int n = 11; n <= 18; ++n)
        file += ListLine(wxString::Format("%03d", n).ToStdString(), "S", "010");
    ImportReader reader = ReaderOf(file);
    EXPECT_EQ(Import21_Text(reader, page, dialogs), 9);
    ExpectCells(page, {{10, SHAD, "P-7"}, {10, SHD6, "17"}, {18, SHAD, "N"}});
    EXPECT_TRUE(PageIsConsistent(page));
}

TEST(ImportPolyLum, LinesFillTheirRowsOnAnAnalogPage) {
    Page page = MakePage(kVR13);
    ScriptedDialogs dialogs;
    EXPECT_TRUE(writeANFMToGrid(page, dialogs, PolyLumLine("001", "146.5200", "1_3__")));
    const CellText expected[] = {
        {1, MNUM, "001"},           {1, SCAN, "5"},   {1, MODE, "N"},  {1, RFRQ, "146.5200"},
        {1, RTON, ToneChoices[12]}, {1, RCOD, "025"}, {1, TCOD, "023"}};
    ExpectCells(page, expected);
    // Given a TFLG, the row's next edit does not take it for a blank row and refill it.
    EXPECT_EQ(page.grid.Get(1, TFLG), "A0");

    EXPECT_TRUE(writeANFMToGrid(page, dialogs, PolyLumLine("002", "450.0000", "1L3__", "w")));
    EXPECT_EQ(page.grid.Get(2, RFRQ), BandDefaultFrequencies[page.params.band]);
    ExpectCells(page, {{2, SCAN, "0"}, {2, MODE, "w"}});

    EXPECT_FALSE(writeANFMToGrid(page, dialogs, PolyLumLine("000", "146.5200")));
    EXPECT_FALSE(writeANFMToGrid(page, dialogs, PolyLumLine("999", "146.5200")));
    EXPECT_FALSE(writeANFMToGrid(page, dialogs, "abc"));
    EXPECT_TRUE(writeANFMToGrid(page, dialogs, "003 SHORT"));  // missing fields read as nothing
    EXPECT_EQ(page.grid.Get(3, MNUM), "003");
}

TEST(ImportPolyLum, MemoriesOnAP25PageGetZonesAndTheDefaultRowsSquelch) {
    Page page = MakePage(kVRD21);
    ScriptedDialogs dialogs;
    std::string file;
    for (int n = 1; n <= 40; ++n)
        file += PolyLumLine(wxString::Format("%03d", n).ToStdString(), "151.2500",
                            n % 2 ? "1____" : "L____");
    ImportReader reader;
    TempDir dir;
    ASSERT_TRUE(reader.OpenText(dir.Write("a.m30", file)));
    EXPECT_EQ(ImportPolyLum(reader, page, dialogs), 40);
    // 16 memories to a zone: row 40 is in the third.
    ExpectCells(page, {{1, SCAN, "Y"}, {2, SCAN, "N"}, {1, SHAD, "N"}, {40, ZONE, "3"}});
    ExpectCells(page, {{1, RSQL, page.grid.Get(0, RSQL)}, {1, TIDC, page.grid.Get(0, TIDC)}});
    EXPECT_TRUE(ZoneCountersMatchRows(page));
}

TEST(ImportPolyLum, TextFilesInUtf8OrLatin1ReadTheSame) {
    TempDir dir;
    std::string latin = PolyLumLine("001", "146.5200");
    Put(latin, 4, "CAF\xC9    ");
    ImportReader a, b;
    ASSERT_TRUE(a.OpenText(dir.Write("latin.m10", latin)));
    ASSERT_TRUE(b.OpenText(dir.Write("utf8.m10", "\xEF\xBB\xBF" + PolyLumLine("001", "1"))));
    wxString line;
    ASSERT_TRUE(a.ReadTextLine(line));
    EXPECT_EQ(line.Mid(4, 4), wxString(L"CAF\u00C9"));
    ASSERT_TRUE(b.ReadTextLine(line));
    EXPECT_TRUE(line.StartsWith("001"));
    EXPECT_FALSE(b.ReadTextLine(line));
}

TEST(ImportCsv, QuotedFieldsAndBlankLines) {
    ImportReader reader = ReaderOf("a,\"b,\"\"c\"\"\",d\r\n\r\n\nnext\n\"open,\nlast");
    PrimeCsv(reader);
    std::vector<wxString> fields;
    ASSERT_EQ(GetLine_CSV(reader, fields), 3);
    EXPECT_EQ(fields[1], "b,\"c\"");
    ASSERT_EQ(GetLine_CSV(reader, fields), 1);
    EXPECT_EQ(fields[0], "next");
    ASSERT_EQ(GetLine_CSV(reader, fields), 1);  // a line end closes an open quote
    EXPECT_EQ(fields[0], "open,");
    ASSERT_EQ(GetLine_CSV(reader, fields), 1);
    EXPECT_EQ(fields[0], "last");
    EXPECT_EQ(GetLine_CSV(reader, fields), 0);
}

TEST(ImportCsv, TheHeaderNamesColumnsInAnyOrderAndKeysNameRows) {
    Page page = MakePage(kVRD21);
    ScriptedDialogs dialogs;
    ImportReader reader = ReaderOf(
        "title line\ndesc, mnum ,RFRQ\nLAST,GD2,151.2500\nFIRST,1,152.0000\nX,abc,1\n"
        "Y,5000,151.0000\n");
    EXPECT_EQ(Import_CSV(reader, page, dialogs), 2);
    ExpectCells(page, {{page.Rows(), DESC, "LAST"}, {1, DESC, "FIRST"}, {1, RFRQ, "152.0000"}});
    EXPECT_EQ(page.grid.Get(1, MODE), page.grid.Get(0, MODE));  // the default row's
    EXPECT_TRUE(ZoneCountersMatchRows(page));
}

TEST(ImportCsv, ValuesGoThroughTheCellSetters) {
    Page page = MakePage(kVRD21);
    ScriptedDialogs dialogs;
    ImportReader reader = ReaderOf(
        "MNUM,ZONE,RTON,RCOD,RFRQ,TTGP\n7,4,100.0,054,151.25,0002\n8,99,bad,999,999.0000,0003\n");
    EXPECT_EQ(Import_CSV(reader, page, dialogs), 2);
    ExpectCells(page,
                {{7, ZONE, "4"}, {7, RTON, "100.0"}, {7, RCOD, "054"}, {7, RFRQ, "151.2500"}});
    EXPECT_EQ(page.grid.Get(8, RFRQ), page.grid.Get(0, RFRQ));
    EXPECT_EQ(page.grid.Background(8, RFRQ), kHighlightColour);
    EXPECT_EQ(page.grid.Get(8, RTON), page.grid.Get(0, RTON));  // an unknown tone is no tone
    EXPECT_TRUE(ZoneCountersMatchRows(page));
}

// A side whose code column the file lacks takes no squelch type from it (the default row's
// stands); the other side keeps the file's.
TEST(ImportCsv, EachSideKeepsItsSquelchTypeOnlyWithItsCodeColumn) {
    const struct {
        const char* file;
        bool receiveKept, transmitKept;
    } cases[] = {
        {"MNUM,RSQL,RCOD,TSQL,TCOD\n9,c,054,c,071\n", true, true},
        {"MNUM,RSQL,TSQL,RTGP,TTGP\n9,c,c,0002,0002\n", false, false},
        {"MNUM,RSQL,TSQL,TCOD\n9,c,c,071\n", false, true},
    };
    for (const auto& c : cases) {
        Page page = MakePage(kVRD21);
        ScriptedDialogs dialogs;
        ImportReader reader = ReaderOf(c.file);
        ASSERT_EQ(Import_CSV(reader, page, dialogs), 1);
        EXPECT_EQ(page.grid.Get(9, RSQL), c.receiveKept ? "c" : page.grid.Get(0, RSQL)) << c.file;
        EXPECT_EQ(page.grid.Get(9, TSQL), c.transmitKept ? "c" : page.grid.Get(0, TSQL)) << c.file;
    }
}

TEST(ImportCsv, AFileWithoutAHeaderIsRefused) {
    Page page = MakePage(kVRD21);
    ScriptedDialogs dialogs;
    ImportReader reader = ReaderOf("1,2,3\n4,5,6\n");
    EXPECT_EQ(Import_CSV(reader, page, dialogs), 0);
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_TRUE(dialogs.Messages()[0].StartsWith("Unable to import the selected file"));
}

TEST(ImportDamx, PurgeMarksEveryRowAndFrequenciesGainTheirPoint) {
    Page page = MakePage(kVRA50);
    ScriptedDialogs dialogs;
    ImportReader reader = ReaderOf(
        "VRA-50,Purge,,,,\nMemory,Name,Receive,Transmit,Scan,Rx Only\n1,TOWER,118000,,Y,No\n"
        "x,SKIPPED,119000,,Y,No\n9,ATIS,127250,128000,N,Yes\n");
    EXPECT_EQ(Import_DAMX(reader, page, dialogs), 2);
    EXPECT_EQ(page.grid.Get(1, DESC), "TOWER");
    EXPECT_EQ(FrequencyHz(page.grid.Get(1, RFRQ)), 118000000);
    ExpectCells(page, {{1, TFRQ, page.grid.Get(1, RFRQ)}, {1, TFLG, "A2"}});
    EXPECT_EQ(page.grid.Get(2, DESC), "ATIS");  // rows are filled in order
    EXPECT_EQ(FrequencyHz(page.grid.Get(2, TFRQ)), 128000000);
    ExpectCells(page, {{2, RONL, "Y"}, {1, RONL, "N"}});
    Page plain = MakePage(kVRA50);
    reader = ReaderOf("VRA-50,,,,,\nMemory,Name,Receive,Transmit,Scan,Rx Only\n1,TOWER,11,,Y,No\n");
    EXPECT_EQ(Import_DAMX(reader, plain, dialogs), 1);
    EXPECT_EQ(plain.grid.Get(1, TFLG), "A0") << "without Purge";
    EXPECT_EQ(plain.grid.Get(1, RFRQ), plain.grid.Get(0, RFRQ)) << "11 is no frequency";
}

namespace {
class CountingObserver : public CellStoreObserver {
  public:
    void RowsInserted(int, int) override {}
    void RowsDeleted(int, int) override {}
    void RowsAppended(int) override {}
};
}  // namespace

TEST(ImportCommand, AFileThatGivesNothingLeavesThePageAsItWas) {
    TempDir dir;
    Page page = MakePage(kVRD21);
    FillFromDefaults(page, 1);
    FillFromDefaults(page, 2);
    page.strings.fileName = "mine";
    RowTexts before = page.grid.GetRow(2);
    ScriptedDialogs dialogs;
    for (const std::string& bytes : {std::string("just some text\n"),
                                     std::string("1,2,3,4,5,6\n1,2,3,4,5,6\n1,2,3,4,5,6\n"
                                                 "1,2,3,4,5,6\n"),
                                     BinaryFile({BinaryRecord(999)})}) {
        ImportOutcome outcome = ImportFileAt(dir.Write("bad", bytes), page, 0, dialogs);
        EXPECT_EQ(outcome.count, 0);
        EXPECT_EQ(dialogs.Messages().back(), "Error: Unknown File Type.");
    }
    EXPECT_EQ(page.grid.GetRow(2), before);
    EXPECT_EQ(page.strings.fileName, "mine");
    EXPECT_FALSE(page.params.pageFlags & kPageFlagFromFile);
}

TEST(ImportCommand, ImportedMemoriesReplaceThePageAndSaveBesideTheFile) {
    TempDir dir;
    PageTable pages;
    pages.AddSlot();
    Page& page = pages.Slot(0);
    page = MakePage(kVRD21);
    FillFromDefaults(page, 30);
    page.MarkSaved();
    CountingObserver observer;
    page.grid.SetObserver(&observer);

    wxString source = dir.Write("mem.21", BinaryFile({BinaryRecord(1), BinaryRecord(2)}));
    ScriptedDialogs dialogs;
    dialogs.texts.push_back(source);
    EXPECT_TRUE(ImportFileCommand(dialogs, pages, 0));
    EXPECT_EQ(dialogs.shown[0].caption, "Import File?");  // the page held memories
    EXPECT_EQ(dialogs.shown[1].caption, "Import file");
    EXPECT_EQ(dialogs.Messages().back(), "Imported 2 Lines from 21 Binary file.");
    EXPECT_FALSE(page.IsRowUsed(30));
    EXPECT_TRUE(page.IsRowUsed(2));
    EXPECT_TRUE(page.params.pageFlags & kPageFlagFromFile);
    EXPECT_TRUE(page.HasUnsavedChanges());
    EXPECT_EQ(page.grid.Observer(), &observer);

    EXPECT_TRUE(SaveFileCommand(dialogs, page, false));
    EXPECT_TRUE(wxFileExists(dir.Path("mem.21.lumo")));
    page.grid.SetObserver(nullptr);
}

// A page that holds memories is not replaced without a question; the file dialog's first filter
// shows every kind of file the import reads; cancelling either dialog changes nothing.
TEST(ImportCommand, CancellingTheQuestionOrTheFileDialogChangesNothing) {
    PageTable pages;
    pages.AddSlot();
    Page& page = pages.Slot(0);
    page = MakePage(kVRD21);
    FillFromDefaults(page, 3);
    uint64_t revision = page.grid.Revision();
    ScriptedDialogs dialogs;
    dialogs.answers = {DialogAnswer::Cancel};
    EXPECT_FALSE(ImportFileCommand(dialogs, pages, 0));
    ASSERT_EQ(dialogs.shown.size(), 1u) << "no file dialog after Cancel";
    EXPECT_EQ(dialogs.shown[0].text, "This will overwrite all data on this page! Continue?");
    EXPECT_FALSE(ImportFileCommand(dialogs, pages, 0));  // OK, then the file dialog is cancelled
    EXPECT_EQ(page.grid.Revision(), revision);
    EXPECT_TRUE(dialogs.Messages().empty());
    wxArrayString filters = wxSplit(dialogs.fileRequests.back().wildcard, '|', '\0');
    ASSERT_GE(filters.size(), 6u);
    wxArrayString first = wxSplit(filters[1], ';', '\0');
    for (size_t i = 3; i + 2 < filters.size(); i += 2)  // the single-type filters
        for (const wxString& pattern : wxSplit(filters[i], ';', '\0'))
            EXPECT_NE(first.Index(pattern), wxNOT_FOUND) << pattern;
}

// Damaged files of every kind: bytes changed, cut short or repeated. Whatever a file holds, the
// import ends, writes only inside the page, and leaves its links and zone counts consistent.
TEST(ImportRobustness, DamagedFilesNeverBreakThePage) {
    TempDir dir;
    std::string list = ListHeader() + ListLine("001", " ", "2", "S") + ListLine("002", "P", "3") +
                       ListLine("003", "S", "002") + ListLine("GD2");
    std::string polylum = PolyLumLine("001", "146.5200") + PolyLumLine("002", "151.2500", "1_3__");
    const std::string samples[] = {
        BinaryFile({BinaryRecord(5).Flags(0x10).Shadows({6, 7}),
                    BinaryRecord(6).Flags(0x01).Primary(5), BinaryRecord(7).Flags(0x02).Primary(5),
                    BinaryRecord(231)}),
        list,
        polylum + polylum,
        "MNUM,ZONE,DESC,RFRQ,RTON,RCOD,RSQL,TTGP\n1,3,A,151.2500,67.0,023,x,0001\n2,X,B,1,9,9,q,"
        "z\n",
        "VRA-50,Purge,,,,\nMemory,Name,Receive,Transmit,Scan,Rx Only\n1,A,118000,,Y,No\n2,B,1,,,\n",
    };
    std::mt19937 random(20261206);
    for (int radio : {kVRD21, kVRD21B, kVR13, kVRA50}) {
        for (const std::string& sample : samples) {
            for (int round = 0; round < 40; ++round) {
                std::string bytes = sample;
                int changes = 1 + static_cast<int>(random() % 6);
                for (int i = 0; i < changes && !bytes.empty(); ++i) {
                    size_t at = random() % bytes.size();
                    switch (random() % 4) {
                        case 0: bytes[at] = static_cast<char>(random()); break;
                        case 1: bytes.resize(at); break;
                        case 2: bytes.insert(at, bytes.substr(at, random() % 120)); break;
                        default: bytes[at] = "0123456789,\"\n\x01\x10PS"[random() % 15]; break;
                    }
                }
                Page page = MakePage(radio);
                int gridRows = page.grid.RowCount();
                ScriptedDialogs dialogs;
                ImportFileAt(dir.Write("damaged", bytes), page, 0, dialogs);
                ASSERT_EQ(page.grid.RowCount(), gridRows);
                ASSERT_TRUE(PageIsConsistent(page)) << RadioNames[radio] << " round " << round;
            }
        }
    }
}
