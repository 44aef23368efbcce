#include "export/csv_export.h"

#include "model/csv_columns.h"
#include "util/diag_log.h"

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoFile_ImportExport";
constexpr const char* kDamxTitle = "VRA-50,,,,,";
constexpr size_t kDamxValues = 6;
}  // namespace

// clang-format off
const std::array<std::vector<int>, kPageTypeCount> ExportColumnMask = {{
    /* ANFM */ {kCsvMNUM, kCsvSCAN, kCsvDESC, kCsvMODE, kCsvRFRQ, kCsvRTON, kCsvRCOD, kCsvTFRQ,
                kCsvTTON, kCsvTCOD},
    /* RP25 */ {kCsvMNUM, kCsvSCAN, kCsvZONE, kCsvDESC, kCsvMODE, kCsvRFRQ, kCsvRSQL, kCsvRTON,
                kCsvRCOD, kCsvRTGP, kCsvRNAC, kCsvTFRQ, kCsvTSQL, kCsvTTON, kCsvTCOD, kCsvTTGP,
                kCsvTNAC, kCsvTIDC},
    /* EP25 */ {kCsvMNUM, kCsvSCAN, kCsvZONE, kCsvDESC, kCsvMODE, kCsvRFRQ, kCsvRSQL, kCsvRNSV,
                kCsvRTON, kCsvRCOD, kCsvRTGP, kCsvRNAC, kCsvTFRQ, kCsvTSQL, kCsvTTON, kCsvTCOD,
                kCsvTTGP, kCsvTNAC, kCsvTIDC},
    /* MODX */ {kCsvMNUM, kCsvBAND, kCsvSCAN, kCsvDESC, kCsvMODE, kCsvRFRQ, kCsvRTON, kCsvRCOD,
                kCsvTFRQ, kCsvTTON, kCsvTCOD},
    /* R19  */ {kCsvMNUM, kCsvRFRQ},
    /* DAMX */ {},
    /* ANAM */ {kCsvMNUM, kCsvSCAN, kCsvDESC, kCsvMODE, kCsvRFRQ, kCsvRTON, kCsvTFRQ, kCsvTTON},
    /* FMAM */ {kCsvMNUM, kCsvSCAN, kCsvDESC, kCsvMODE, kCsvRFRQ, kCsvRTON, kCsvTFRQ, kCsvTTON},
}};
// clang-format on

bool ExportWriter::Open(const wxString& path) {
    lines_ = 0;
    file_ = std::make_unique<AtomicFile>(path);
    if (!file_->IsOk()) file_.reset();
    return IsOpen();
}

void ExportWriter::Write(const wxString& line) {
    if (!file_) return;
    wxScopedCharBuffer bytes = line.utf8_str();
    file_->Write(bytes.data(), bytes.length());
    ++lines_;
}

bool ExportWriter::Close() {
    if (!file_) return false;
    bool written = file_->Commit();
    file_.reset();
    return written;
}

wxString CsvValue(const wxString& value) {
    if (value.find_first_of("\",\r\n") == wxString::npos) return value;
    wxString quoted = value;
    quoted.Replace("\"", "\"\"");
    return "\"" + quoted + "\"";
}

void WriteCsvLine(ExportWriter& writer, const std::vector<wxString>& values, size_t count) {
    wxString line;
    for (size_t i = 0; i < count && i < values.size(); ++i)
        line << CsvValue(values[i]) << ",";
    writer.Write(line + "\n");
}

bool OpenExportFile(ExportWriter& writer, const wxString& path, const Page& page) {
    if (!writer.Open(path)) return false;
    if (page.Type() == kDAMX) {
        bool purge = ParseHexFlags(page.grid.Get(1, TFLG)) & 0x02;
        writer.Write(wxString(purge ? Vra50CsvPurgeLine : kDamxTitle) + "\n");
        writer.Write(wxString(Vra50CsvHeaderLine) + "\n");
    } else {
        wxString header;
        for (int column : ExportColumnMask[page.Type()])
            header << CsvColumnName(column) << ",";
        writer.Write(header + "\n");
    }
    return true;
}

std::vector<int> ExportedRows(const Page& page) {
    std::vector<int> rows;
    for (int row = 1; row <= page.Rows(); ++row)
        if (page.grid.GetSelection().IsRowSelected(row) && page.IsRowUsed(row)) rows.push_back(row);
    return rows;
}

void ExportSelectedRows(ExportWriter& writer, const Page& page) {
    const std::vector<int>& columns = ExportColumnMask[page.Type()];
    std::vector<wxString> values;
    for (int row : ExportedRows(page)) {
        values.clear();
        for (int column : columns)
            values.push_back(page.grid.Get(row, ExportColumnList[column]));
        WriteCsvLine(writer, values, columns.size());
    }
}

namespace {
// "118.000" is written 118000: the point (the fourth character) goes.
wxString DamxFrequency(const wxString& text) {
    if (text.length() < 4) return text;
    return text.Left(3) + text.Mid(4);
}

wxString YesNo(const wxString& text, bool keepOther) {
    if (text == "Y") return "Yes";
    if (text == "N" || !keepOther) return "No";
    return text;
}
}  // namespace

void ExportCSV_DAMX(ExportWriter& writer, const Page& page) {
    LUMO_LOG(kUnit, ". Get data to write from PageType: %d", page.Type());
    const CellStore& g = page.grid;
    for (int row : ExportedRows(page)) {
        LUMO_LOG(kUnit, ". Row: %d", row);
        long number = 0;
        wxString memory = ParseDecimal(g.Get(row, MNUM), number) ? wxString::Format("%ld", number)
                                                                 : g.Get(row, MNUM);
        WriteCsvLine(writer,
                     {memory, g.Get(row, DESC), DamxFrequency(g.Get(row, RFRQ)),
                      DamxFrequency(g.Get(row, TFRQ)), YesNo(g.Get(row, SCAN), false),
                      YesNo(g.Get(row, RONL), true)},
                     kDamxValues);
    }
}

namespace {
wxString ExportedText(int memories, const wxString& path) {
    return wxString::Format(
        memories == 1 ? "Exported %d memory to %s." : "Exported %d memories to %s.", memories,
        path);
}
}  // namespace

bool ExportFileCommand(Dialogs& dialogs, const Page& page) {
    LUMO_LOG(kUnit, "\n>----------- OnExport -----------------------------------------------<");
    LUMO_LOG(kUnit, " . Export - Write: %s file to .csv", page.strings.radioName);
    std::vector<int> rows = ExportedRows(page);
    if (rows.empty()) {
        dialogs.Message("No data selected!", "Export CSV - Error!", DialogIcon::Error);
        return false;
    }
    std::optional<wxString> path =
        dialogs.SaveFile({"Export CSV file", wxString(), page.strings.radioName + ".csv",
                          wxString::Format("CSV files (*.csv)|*.csv|All files (%s)|%s",
                                           kAllFilesPattern, kAllFilesPattern)});
    if (!path) return false;
    ExportWriter writer;
    bool written = OpenExportFile(writer, *path, page);
    if (written) {
        if (page.Type() == kDAMX)
            ExportCSV_DAMX(writer, page);
        else
            ExportSelectedRows(writer, page);
        written = writer.Close();
    }
    if (!written) {
        dialogs.Message("Unable to write to selected File", "Export file", DialogIcon::Error);
        return false;
    }
    dialogs.Message(ExportedText(static_cast<int>(rows.size()), *path), "Export CSV",
                    DialogIcon::Information);
    return true;
}

}  // namespace lumo
