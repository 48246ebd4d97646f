#include "model/ReportFile.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/ShortFileName.h"
#include "platform/Cp1252.h"
#include "platform/TextFileWriter.h"

namespace sloopform {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsValidUtf8(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = (lead & 0xE0) == 0xC0   ? 2
                                   : (lead & 0xF0) == 0xE0 ? 3
                                   : (lead & 0xF8) == 0xF0 ? 4
                                                           : 0;
        if (length == 0) return false;
        constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        char32_t c = lead & (0x7F >> length);
        if (i + length > bytes.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values beyond Unicode are not UTF-8.
        if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

bool HasNonAscii(std::string_view bytes)
{
    for (const char byte : bytes)
        if (static_cast<unsigned char>(byte) >= 0x80) return true;
    return false;
}

// The Windows-1252 bytes of every line, or nothing when the report must be
// written as UTF-8 to come back exactly.
std::optional<std::vector<std::string>> Cp1252Lines(const std::vector<std::string>& lines)
{
    std::vector<std::string> encoded;
    bool nonAscii = false;
    bool readsAsUtf8 = true;
    for (const std::string& line : lines) {
        std::string bytes = Utf8ToCp1252(line);
        if (Cp1252ToUtf8(bytes) != line) return std::nullopt;
        nonAscii = nonAscii || HasNonAscii(bytes);
        readsAsUtf8 = readsAsUtf8 && IsValidUtf8(bytes);
        encoded.push_back(std::move(bytes));
    }
    // Windows-1252 bytes that also form UTF-8 ("Ã©") would read back as
    // other characters.
    if (nonAscii && readsAsUtf8) return std::nullopt;
    return encoded;
}

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        lines.push_back(std::move(line));
        line.clear();
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

std::string Utf8Text(std::string_view bytes)
{
    const std::string_view afterMark = bytes.substr(
        bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark ? kByteOrderMark.size() : 0);
    if (IsValidUtf8(afterMark)) return std::string(afterMark);
    return Cp1252ToUtf8(bytes);
}

}  // namespace

std::vector<std::string> ReportFileLines(const std::vector<std::string>& lines)
{
    if (auto cp1252 = Cp1252Lines(lines)) return *cp1252;
    std::vector<std::string> utf8 = lines;
    utf8.front().insert(0, kByteOrderMark);
    return utf8;
}

std::vector<std::string> DecodeReportText(std::string_view bytes)
{
    return SplitLines(Utf8Text(bytes));
}

bool SaveReport(const std::vector<std::string>& lines, const std::string& fileName)
{
    TextFileWriter writer(fileName);
    bool written = writer.Open();
    if (written)
        for (const std::string& line : ReportFileLines(lines))
            if (!(written = writer.WriteLine(line))) break;
    if (written && writer.Commit()) return true;
    Ui().ShowMessage("Error writing " + fileName, MessageIcon::Error, MessageButtons::Ok);
    return false;
}

std::optional<std::vector<std::string>> LoadReport(const std::string& fileName)
{
    std::error_code error;
    std::ifstream file;
    if (std::filesystem::is_regular_file(fileName, error)) file.open(fileName, std::ios::binary);
    std::ostringstream bytes;
    // An empty file inserts nothing, which marks only `bytes` as failed.
    if (file.is_open()) bytes << file.rdbuf();
    if (!file.is_open() || file.bad()) {
        Ui().ShowMessage("Unable to open " + ShortFileName(fileName) + " for reading",
                         MessageIcon::Error, MessageButtons::Ok);
        return std::nullopt;
    }
    return DecodeReportText(bytes.str());
}

FileDialogRequest ReportOpenDialog()
{
    FileDialogRequest request;
    request.title = "Open Report";
    request.filter = "Report files [*.rpt]|*.rpt|Text files [*.txt]|*.txt|All Files [*.*]|*.*";
    request.defaultExtension = "rpt";
    request.mustExist = true;
    return request;
}

FileDialogRequest ReportSaveDialog()
{
    FileDialogRequest request;
    request.title = "Save Report";
    request.filter = "Report Files [*.rpt]|*.rpt|Text Files (*.txt)|*.txt|All Files (*.*)|*.*";
    request.defaultExtension = "rpt";
    request.confirmOverwrite = true;
    return request;
}

}  // namespace sloopform
