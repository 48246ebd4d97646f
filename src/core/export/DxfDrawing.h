#pragma once
#include <string>
#include <vector>

#include "export/ExportTextFile.h"

namespace sloopform {

struct DrawingPoint {
    long double x;
    long double y;
};

enum class TextAnchor { Left, Centre, Right };

// A two-dimensional DXF drawing in the R2000 form (AC1015), the first that
// knows SPLINE and LWPOLYLINE entities: the header with $INSUNITS metres, the
// tables every reader expects (line types, layers, text style, block
// records), the model space and an ENTITIES section. Entities are kept until
// Write, which needs the layers and the extent before them.
class DxfDrawing {
public:
    // Layers in the order given; colour as an AutoCAD colour index.
    void AddLayer(const std::string& name, int color);

    // A non-rational B-spline on the open uniform knot vector with integer
    // knots (0, ..., 0, 1, 2, ..., n - order + 1, ..., n - order + 1), the form
    // every curve of the hull has.
    void Spline(const std::string& layer, int order, const std::vector<DrawingPoint>& controlPoints);
    void Polyline(const std::string& layer, const std::vector<DrawingPoint>& points);
    void Line(const std::string& layer, DrawingPoint from, DrawingPoint to);
    void Text(const std::string& layer, DrawingPoint at, long double height, const std::string& text,
              TextAnchor anchor);

    // The whole file, committed. Throws ExportFileError as the target does.
    void Write(ExportTarget& target) const;

private:
    struct Layer {
        std::string Name;
        int Color;
    };
    using Groups = std::vector<std::pair<int, std::string>>;

    Groups& Entity(const char* type, const std::string& layer, const char* subclass);
    void Extend(DrawingPoint p);

    std::vector<Layer> layers_;
    std::vector<Groups> entities_;
    DrawingPoint min_{0, 0};
    DrawingPoint max_{0, 0};
    bool empty_ = true;
};

}  // namespace sloopform
