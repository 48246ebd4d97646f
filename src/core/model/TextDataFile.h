#pragma once
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "numeric/Real48.h"
#include "platform/TextFileWriter.h"

namespace sloopform {

// A small data file of key=value lines, read strictly in the order it was
// written. Every fault is shown once in a message box; after it the object
// ignores every further call, so one faulty file gives exactly one message.
class TTextDataFile {
public:
    enum class Mode { Closed = 0, Writing = 1, Reading = 2 };

    // Binds the file name; does not touch the disk.
    explicit TTextDataFile(std::string fileName);
    // Closes the file: a complete write replaces the target only now.
    ~TTextDataFile();
    TTextDataFile(const TTextDataFile&) = delete;
    TTextDataFile& operator=(const TTextDataFile&) = delete;

    // Both return true when the file could not be opened (and say so).
    bool OpenForWrite();
    bool OpenForRead();

    void WriteString(const std::string& key, const std::string& text);
    void WriteReal(const std::string& key, Real48 value);
    void WriteInt(const std::string& key, int value);

    // Each leaves `value` unchanged unless its line was read and converted.
    void ReadString(const std::string& key, std::string& text);
    void ReadReal(const std::string& key, Real48& value);
    void ReadInt(const std::string& key, int& value);

    // The next line whatever its key, split at its first "=" (a line without
    // one is all key); false at the end of the file or after a fault.
    bool ReadNextEntry(std::string& key, std::string& value);

    // A real as the file stores it: 3 decimals.
    static std::string RealText(Real48 value);
    // The bytes of one key=value line, as the file holds it (Windows-1252).
    static std::string EntryLine(const std::string& key, const std::string& value);

    // Closes the file; after writing, the target is replaced only when every
    // line went out, otherwise "Error writing" is shown and the old file stays.
    void Close();

    Mode GetMode() const { return mode_; }
    const std::string& FileName() const { return fileName_; }
    // True once a fault has been shown.
    bool Failed() const { return failed_; }

private:
    void WriteEntry(const std::string& key, const std::string& value);
    // The value part of the next line when its key is `key`; nothing after a fault.
    std::optional<std::string> ReadEntry(const std::string& key);
    // The next line without its line end; nothing after a fault.
    std::optional<std::string> ReadLine();
    void Fail(const std::string& message);

    std::string fileName_;
    Mode mode_ = Mode::Closed;
    bool failed_ = false;
    std::unique_ptr<TextFileWriter> writer_;
    std::ifstream reader_;
};

}  // namespace sloopform
