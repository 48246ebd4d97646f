#pragma once
#include <memory>
#include <string>

#include "export/ExportTextFile.h"
#include "numeric/BSpline.h"
#include "numeric/Real48.h"

namespace sloopform {

// A minimal DXF writer: one ENTITIES section of LINE and CIRCLE entities, layers
// only through each entity's group 8. Curves sampled by DxfBSpline2d/3d arrive
// through Line3D. The file appears at its name only when Close has written the
// trailer; a writer destroyed before that leaves no file behind.
class TDxfFile : public LineSink {
public:
    // Creates the file and writes the header; throws ExportFileError when it cannot.
    explicit TDxfFile(const std::string& fileName);
    // Writes to a target the caller owns.
    explicit TDxfFile(ExportTarget& target);

    void Layer(const std::string& name);
    void Line3d(Real48 x1, Real48 y1, Real48 z1, Real48 x2, Real48 y2, Real48 z2);
    void Line2d(Real48 x1, Real48 y1, Real48 x2, Real48 y2);
    void Circle(Real48 x, Real48 y, Real48 z, Real48 r);
    void Line3D(Real48 x1, Real48 y1, Real48 z1, Real48 x2, Real48 y2, Real48 z2) override;

    // Writes the trailer and puts the file in place.
    void Close();

    const std::string& FileName() const { return file_.FileName(); }
    const std::string& LayerName() const { return layerName_; }

private:
    void Header();
    void Group(const char* code, const std::string& value);
    void Group(const char* code, Real48 value);
    void EntityStart(const char* type);

    std::unique_ptr<ExportTarget> ownFile_;
    ExportTarget& file_;
    std::string layerName_ = "0";
};

}  // namespace sloopform
