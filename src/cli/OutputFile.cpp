#include "OutputFile.h"

#include <iostream>
#include <sstream>

#include "platform/Cp1252.h"
#include "platform/TextFileWriter.h"

namespace sloopform::batch {

namespace {

bool WriteFile(const std::string& path, const std::vector<std::string>& lines)
{
    TextFileWriter writer(path);
    bool ok = writer.Open();
    for (const std::string& line : lines) ok = ok && writer.WriteLine(line);
    ok = ok && writer.Commit();
    if (!ok) std::cerr << "sloopform-batch: cannot write " << path << '\n';
    return ok;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

bool WriteLines(const std::string& destination, const std::vector<std::string>& lines)
{
    if (destination == "-") {
        for (const std::string& line : lines) std::cout << line << '\n';
        std::cout.flush();
        return static_cast<bool>(std::cout);
    }
    std::vector<std::string> encoded;
    encoded.reserve(lines.size());
    for (const std::string& line : lines) encoded.push_back(Utf8ToCp1252(line));
    return WriteFile(destination, encoded);
}

bool WriteText(const std::string& destination, const std::string& text)
{
    if (destination == "-") {
        std::cout << text;
        if (!text.empty() && text.back() != '\n') std::cout << '\n';
        std::cout.flush();
        return static_cast<bool>(std::cout);
    }
    return WriteFile(destination, SplitLines(text));
}

}  // namespace sloopform::batch
