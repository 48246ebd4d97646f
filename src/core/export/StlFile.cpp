#include "export/StlFile.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>

#include "export/ChosenFileExport.h"
#include "export/ExportTextFile.h"
#include "platform/TextFileWriter.h"
#include "platform/UiServices.h"

namespace sloopform {

namespace {

constexpr std::size_t kHeaderBytes = 80;
constexpr const char* kHeader = "Sloopform canoe body, metres";

void Append(std::string& bytes, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<char>((value >> shift) & 0xFF));
}

// A coordinate as a little-endian float; −0 as +0, so that a reader that
// merges corners by their bytes finds the centre plane's once.
void Append(std::string& bytes, long double value)
{
    const float single = value == 0 ? 0.0f : static_cast<float>(value);
    std::uint32_t bits;
    std::memcpy(&bits, &single, sizeof bits);
    Append(bytes, bits);
}

NetPoint UnitNormal(const NetPoint& a, const NetPoint& b, const NetPoint& c)
{
    const NetPoint u{b.x - a.x, b.y - a.y, b.z - a.z};
    const NetPoint v{c.x - a.x, c.y - a.y, c.z - a.z};
    const NetPoint n{u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
    const long double length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    if (length == 0) return {0, 0, 0};
    return {n.x / length, n.y / length, n.z / length};
}

}  // namespace

std::string StlBytes(const TriangleMesh& mesh)
{
    std::string bytes(kHeader);
    bytes.resize(kHeaderBytes, ' ');
    Append(bytes, static_cast<std::uint32_t>(mesh.Triangles.size()));
    for (const auto& triangle : mesh.Triangles) {
        const NetPoint& a = mesh.Vertices[static_cast<std::size_t>(triangle[0])];
        const NetPoint& b = mesh.Vertices[static_cast<std::size_t>(triangle[1])];
        const NetPoint& c = mesh.Vertices[static_cast<std::size_t>(triangle[2])];
        for (const NetPoint& p : {UnitNormal(a, b, c), a, b, c}) {
            Append(bytes, p.x);
            Append(bytes, p.y);
            Append(bytes, p.z);
        }
        bytes.append(2, '\0');  // no attributes
    }
    return bytes;
}

void WriteStlFile(const TriangleMesh& mesh, const std::string& fileName)
{
    const std::string bytes = StlBytes(mesh);
    std::ofstream stream;
    std::error_code error;
    const auto temporary =
        std::filesystem::is_directory(fileName, error) ? std::nullopt : OpenTemporarySibling(fileName, stream);
    if (!temporary) throw ExportFileError("Cannot create file \"" + fileName + "\"");
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    stream.close();
    if (stream.fail()) {
        std::filesystem::remove(*temporary, error);
        throw ExportFileError("Error writing file \"" + fileName + "\"");
    }
    std::filesystem::rename(*temporary, fileName, error);
    if (error) {
        std::filesystem::remove(*temporary, error);
        throw ExportFileError("Error writing file \"" + fileName + "\"");
    }
}

void ExportHullStl(const HullRecord& hull, long double toleranceMm, const std::string& designFile)
{
    if (!HullReadyForCad(hull)) {
        Ui().ShowMessage(kNoHullMessage, MessageIcon::Error, MessageButtons::Ok);
        return;
    }
    FileDialogRequest request;
    request.title = "Export Canoe Body to STL";
    request.filter = "STL (*.stl)|*.stl|All files (*.*)|*.*";
    request.defaultExtension = "stl";
    request.fileName = SuggestedExportName(designFile, request.defaultExtension);
    ExportToChosenFile(request, [&](const std::string& fileName) {
        WriteStlFile(BuildHullMesh(hull, toleranceMm * kMetresPerMillimetre), fileName);
    });
}

}  // namespace sloopform
