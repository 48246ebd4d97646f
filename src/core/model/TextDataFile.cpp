#include "model/TextDataFile.h"

#include <algorithm>
#include <filesystem>
#include <limits>

#include "model/ShortFileName.h"
#include "numeric/NumberText.h"
#include "platform/Cp1252.h"
#include "platform/UiServices.h"

namespace sloopform {

namespace {
constexpr std::size_t kMaxValueLength = 255;
}  // namespace

TTextDataFile::TTextDataFile(std::string fileName) : fileName_(std::move(fileName)) {}

TTextDataFile::~TTextDataFile() { Close(); }

void TTextDataFile::Fail(const std::string& message)
{
    writer_.reset();  // an unfinished write never replaces the target
    if (reader_.is_open()) reader_.close();
    mode_ = Mode::Closed;
    failed_ = true;
    Ui().ShowMessage(message, MessageIcon::Error, MessageButtons::Ok);
}

bool TTextDataFile::OpenForWrite()
{
    if (mode_ != Mode::Closed) Close();
    std::error_code error;
    writer_ = std::make_unique<TextFileWriter>(fileName_);
    if (std::filesystem::is_directory(fileName_, error) || !writer_->Open()) {
        Fail("Unable to Open " + ShortFileName(fileName_) + "for writing");
        return true;
    }
    mode_ = Mode::Writing;
    return false;
}

bool TTextDataFile::OpenForRead()
{
    if (mode_ != Mode::Closed) Close();
    std::error_code error;
    if (!std::filesystem::is_directory(fileName_, error)) reader_.open(fileName_, std::ios::binary);
    if (!reader_.is_open()) {
        Fail("Unable to Open " + ShortFileName(fileName_) + "for reading");
        return true;
    }
    mode_ = Mode::Reading;
    return false;
}

void TTextDataFile::Close()
{
    if (mode_ == Mode::Writing && !writer_->Commit()) {
        Fail("Error writing " + ShortFileName(fileName_));
        return;
    }
    writer_.reset();
    if (reader_.is_open()) reader_.close();
    mode_ = Mode::Closed;
}

void TTextDataFile::WriteEntry(const std::string& key, const std::string& value)
{
    if (mode_ != Mode::Writing) return;
    if (!writer_->WriteLine(EntryLine(key, value)))
        Fail("Error writing " + ShortFileName(fileName_));
}

std::string TTextDataFile::RealText(Real48 value) { return FormatFixed(value, 3); }

std::string TTextDataFile::EntryLine(const std::string& key, const std::string& value)
{
    return Utf8ToCp1252(key + "=" + value);
}

void TTextDataFile::WriteString(const std::string& key, const std::string& text)
{
    WriteEntry(key, text);
}

void TTextDataFile::WriteReal(const std::string& key, Real48 value)
{
    WriteEntry(key, RealText(value));
}

void TTextDataFile::WriteInt(const std::string& key, int value)
{
    WriteEntry(key, std::to_string(value));
}

std::optional<std::string> TTextDataFile::ReadLine()
{
    if (mode_ != Mode::Reading) return std::nullopt;
    // Past the end of the file every read yields an empty line.
    std::string line;
    std::getline(reader_, line);
    if (reader_.bad()) {
        Fail("Error reading " + ShortFileName(fileName_));
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

std::optional<std::string> TTextDataFile::ReadEntry(const std::string& key)
{
    const std::optional<std::string> line = ReadLine();
    if (!line) return std::nullopt;
    // Without an "=" both the key part and the value part are empty.
    const std::string_view whole(*line);
    const auto equals = whole.find('=');
    const bool split = equals != std::string_view::npos;
    const std::string keyPart = Cp1252ToUtf8(split ? whole.substr(0, equals) : std::string_view());
    if (keyPart != key) {
        Fail("Unknown Field " + keyPart + " in " + ShortFileName(fileName_));
        return std::nullopt;
    }
    return Cp1252ToUtf8(split ? whole.substr(equals + 1, kMaxValueLength) : std::string_view());
}

bool TTextDataFile::ReadNextEntry(std::string& key, std::string& value)
{
    if (mode_ != Mode::Reading || reader_.peek() == std::char_traits<char>::eof()) return false;
    const std::optional<std::string> line = ReadLine();
    if (!line) return false;
    const std::string_view whole(*line);
    const auto equals = std::min(whole.find('='), whole.size());
    key = Cp1252ToUtf8(whole.substr(0, equals));
    value = equals < whole.size() ? Cp1252ToUtf8(whole.substr(equals + 1, kMaxValueLength)) : std::string();
    return true;
}

void TTextDataFile::ReadString(const std::string& key, std::string& text)
{
    if (auto value = ReadEntry(key)) text = std::move(*value);
}

void TTextDataFile::ReadReal(const std::string& key, Real48& value)
{
    const auto text = ReadEntry(key);
    if (!text) return;
    if (const auto number = ParseReal(*text))
        value = *number;
    else
        Fail("Unable to convert field " + *text + " to real number format");
}

void TTextDataFile::ReadInt(const std::string& key, int& value)
{
    const auto text = ReadEntry(key);
    if (!text) return;
    const auto number = ParseInteger(*text);
    if (number && *number >= std::numeric_limits<int>::min() &&
        *number <= std::numeric_limits<int>::max())
        value = static_cast<int>(*number);
    else
        Fail("Unable to convert field " + *text + " to Integer number format");
}

}  // namespace sloopform
