#include "export/Gf1Export.h"

#include "export/ChosenFileExport.h"
#include "export/ExportTextFile.h"
#include "model/GeneratedHull.h"
#include "model/HullOutlines.h"
#include "model/StationOutline.h"
#include "numeric/BSpline.h"
#include "numeric/NumberText.h"

namespace sloopform {

namespace {

constexpr int kSectionSamples = kScreenSamplesPerPoint * kStationOutlinePoints;

// A length in feet: the metres divided by the 6-byte real nearest 1/3.28.
std::string Feet(long double metres)
{
    const long double metresPerFoot = Real48(1.0L / 3.28L);
    return FormatFixed(metres / metresPerFoot, 3);
}

std::string Point(long double y, long double z) { return Feet(y) + "," + Feet(z); }

// One side of the section, keel to sheer, closed back to the centre plane at
// the height of the sheer.
void WriteStation(const HullRecord& hull, int k, ExportTarget& file)
{
    const TPointBlock2 outline = StationOutline(hull, k);
    const auto samples = SampleBSpline2d(kStationOutlinePoints, kCubic, outline, kSectionSamples);
    const std::size_t pointCount = samples.size() + 1;
    file.WriteLine(Feet(StationPosition(hull, k)) + ", " + std::to_string(pointCount) + ".0");
    for (const TPoint2r& sample : samples) file.WriteLine(Point(sample.x, sample.y));
    file.WriteLine("0.0," + Feet(samples.back().y));
}

}  // namespace

void WriteGF1(const HullRecord& hull, const std::string& fileName)
{
    ExportTextFile file(fileName);
    WriteGF1(hull, file);
}

void WriteGF1(const HullRecord& hull, ExportTarget& file)
{
    file.WriteLine(file.FileName());
    file.WriteLine("\\Sloopform Project");
    file.WriteLine("L:" + Feet(hull.Loa));
    file.WriteLine("W:" + Feet(hull.BMax));
    for (const char* line : {"P:M", "*", "s1", "22.0", "0.0, 2.0"}) file.WriteLine(line);
    const std::string stemHead = "0.0," + Feet(hull.Tc + hull.FreeBow);
    file.WriteLine(stemHead);
    file.WriteLine(stemHead);

    for (int k = 0; k <= kLastStation; ++k) WriteStation(hull, k, file);

    file.WriteLine(Feet(hull.Loa) + ", 2.0");
    const std::string transomBottom = "0.0," + Feet(hull.Tc + hull.TransomRise);
    file.WriteLine(transomBottom);
    file.WriteLine(transomBottom);
    for (const char* line : {"0.0, 0.0, 0.0", "**", "Maincomp", "0", "1", "0,0,0", "s1", "***",
                             "MAIN HULL", "SEA WATER", "1", "1.025", "0,0,0", "1", "Maincomp",
                             "****"})
        file.WriteLine(line);
    file.Commit();
}

void ExportGF1(const HullRecord& hull, const std::string& designFile)
{
    if (!GeneratedOrSaySo(hull)) return;
    FileDialogRequest request;
    request.title = "Export to AutoSHIP - ModelMaker/AutoHydro";
    request.filter = "AutoSHIP (*.gf1)|*.gf1|All files (*.*)|*.*";
    request.defaultExtension = "gf1";
    request.fileName = SuggestedExportName(designFile, request.defaultExtension);
    ExportToChosenFile(request, [&](const std::string& fileName) { WriteGF1(hull, fileName); });
}

}  // namespace sloopform
