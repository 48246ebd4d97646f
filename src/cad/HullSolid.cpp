#include "HullSolid.h"

#include <set>
#include <stdexcept>

#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeSolid.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepBuilderAPI_Sewing.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepLib.hxx>
#include <BRep_Tool.hxx>
#include <Geom_BSplineSurface.hxx>
#include <Geom_Plane.hxx>
#include <Precision.hxx>
#include <Standard_Failure.hxx>
#include <TColStd_Array1OfInteger.hxx>
#include <TColStd_Array1OfReal.hxx>
#include <TColgp_Array2OfPnt.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Shell.hxx>
#include <gp_Pln.hxx>

#include "analysis/HullSurfaceNet.h"

namespace sloopform::cad {

namespace {

// The faces share their edges exactly (the deck and the transom are built on
// the hull surface's own boundary curves); this only absorbs rounding.
constexpr double kSewingTolerance = 1e-6;

gp_Pnt Point(const NetPoint& p, double side)
{
    return gp_Pnt(static_cast<double>(p.x), side * static_cast<double>(p.y),
                  static_cast<double>(p.z));
}

// One Bézier span along the length, [k, k + 1], as OpenCASCADE's default
// integration takes it: with the whole length in one face its Gauss points,
// capped at 61 along the length, miss the bends at the 36 span ends by per cents.
void SpanKnots(int span, TColStd_Array1OfReal& knots, TColStd_Array1OfInteger& mults)
{
    knots.Resize(1, 2, false);
    mults.Resize(1, 2, false);
    knots(1) = span;
    knots(2) = span + 1;
    mults(1) = mults(2) = 4;
}

// Span k of the hull surface of one side: side +1 starboard, −1 port.
Handle(Geom_BSplineSurface) SideSpan(const HullSurfaceNet& net, int span, double side)
{
    TColgp_Array2OfPnt poles(1, 4, 1, kStationOutlinePoints);
    for (int r = 0; r < 4; ++r)
        for (int i = 0; i < kStationOutlinePoints; ++i)
            poles(r + 1, i + 1) =
                Point(net.Rows[static_cast<std::size_t>(3 * span + r)][static_cast<std::size_t>(i)], side);
    TColStd_Array1OfReal uKnots(1, 1);
    TColStd_Array1OfInteger uMults(1, 1);
    SpanKnots(span, uKnots, uMults);
    // The stations' knot vector (0, 0, 0, 0, 1, 2, 3, 3, 3, 3).
    TColStd_Array1OfReal vKnots(1, 4);
    TColStd_Array1OfInteger vMults(1, 4);
    for (int k = 0; k < 4; ++k) {
        vKnots(k + 1) = k;
        vMults(k + 1) = k == 0 || k == 3 ? 4 : 1;
    }
    return new Geom_BSplineSurface(poles, uKnots, vKnots, uMults, vMults, 3, 3);
}

// Span k of the deck: straight athwartships from the port sheer to the starboard sheer.
Handle(Geom_BSplineSurface) DeckSpan(const HullSurfaceNet& net, int span)
{
    TColgp_Array2OfPnt poles(1, 4, 1, 2);
    for (int r = 0; r < 4; ++r) {
        const NetPoint& sheer = net.Rows[static_cast<std::size_t>(3 * span + r)].back();
        poles(r + 1, 1) = Point(sheer, -1);
        poles(r + 1, 2) = Point(sheer, 1);
    }
    TColStd_Array1OfReal uKnots(1, 1);
    TColStd_Array1OfInteger uMults(1, 1);
    SpanKnots(span, uKnots, uMults);
    TColStd_Array1OfReal vKnots(1, 2);
    TColStd_Array1OfInteger vMults(1, 2);
    vKnots(1) = 0;
    vKnots(2) = 1;
    vMults(1) = vMults(2) = 2;
    return new Geom_BSplineSurface(poles, uKnots, vKnots, uMults, vMults, 3, 1);
}

TopoDS_Face SurfaceFace(const Handle(Geom_Surface)& surface, const char* what)
{
    // Bounded by the surface's own edges; the stem head's collapsed row
    // becomes a degenerate edge.
    BRepBuilderAPI_MakeFace face(surface, Precision::Confusion());
    if (!face.IsDone()) throw std::runtime_error(std::string("The ") + what + " surface has no face");
    return face.Face();
}

// The transom: flat, bounded by the two sides' transom outlines (the aft
// ends of their last spans) and the deck's aft edge.
TopoDS_Face TransomFace(const HullRecord& hull, const Handle(Geom_BSplineSurface)& starboard,
                        const Handle(Geom_BSplineSurface)& port)
{
    const double aft = starboard->UKnot(starboard->NbUKnots());
    const Handle(Geom_Curve) starboardOutline = starboard->UIso(aft);
    const Handle(Geom_Curve) portOutline = port->UIso(aft);
    const gp_Pnt bottom = starboardOutline->Value(starboardOutline->FirstParameter());
    BRepBuilderAPI_MakeWire wire;
    wire.Add(BRepBuilderAPI_MakeEdge(starboardOutline).Edge());
    wire.Add(BRepBuilderAPI_MakeEdge(starboardOutline->Value(starboardOutline->LastParameter()),
                                     portOutline->Value(portOutline->LastParameter()))
                 .Edge());
    wire.Add(BRepBuilderAPI_MakeEdge(portOutline).Edge());
    if (!wire.IsDone()) throw std::runtime_error("The transom outline does not close");
    const NetPoint normal = TransomNormal(hull);
    const gp_Pln plane(bottom, gp_Dir(static_cast<double>(normal.x), 0, static_cast<double>(normal.z)));
    BRepBuilderAPI_MakeFace face(plane, wire.Wire(), true);
    if (!face.IsDone()) throw std::runtime_error("The transom outline does not bound a flat face");
    return face.Face();
}

TopoDS_Shell SewnShell(const std::vector<TopoDS_Face>& faces)
{
    BRepBuilderAPI_Sewing sewing(kSewingTolerance);
    for (const TopoDS_Face& face : faces) sewing.Add(face);
    sewing.Perform();
    if (sewing.NbFreeEdges() > 0 || sewing.NbMultipleEdges() > 0)
        throw std::runtime_error("The hull surfaces do not close: " +
                                 std::to_string(sewing.NbFreeEdges()) + " free edges");
    TopoDS_Shell shell;
    int shells = 0;
    for (TopExp_Explorer it(sewing.SewedShape(), TopAbs_SHELL); it.More(); it.Next(), ++shells)
        shell = TopoDS::Shell(it.Current());
    if (shells != 1) throw std::runtime_error("The hull surfaces do not sew into one shell");
    return shell;
}

// The hull and the deck one face per span, joined at the span ends where the
// loft bends, and the flat transom.
HullSolid SolidFromNet(const HullRecord& hull, const HullSurfaceNet& net)
{
    std::vector<TopoDS_Face> faces;
    std::set<const Geom_Surface*> decks;
    Handle(Geom_BSplineSurface) starboard, port;
    for (int span = 0; span < net.Spans(); ++span) {
        starboard = SideSpan(net, span, 1);
        port = SideSpan(net, span, -1);
        const Handle(Geom_BSplineSurface) deck = DeckSpan(net, span);
        decks.insert(deck.get());
        faces.push_back(SurfaceFace(starboard, "starboard hull"));
        faces.push_back(SurfaceFace(port, "port hull"));
        faces.push_back(SurfaceFace(deck, "deck"));
    }
    const TopoDS_Face transom = TransomFace(hull, starboard, port);
    const Handle(Geom_Surface) transomPlane = BRep_Tool::Surface(transom);
    faces.push_back(transom);

    TopoDS_Solid solid = BRepBuilderAPI_MakeSolid(SewnShell(faces));
    BRepLib::OrientClosedSolid(solid);
    if (!BRepCheck_Analyzer(solid).IsValid())
        throw std::runtime_error("The hull solid is not valid");
    HullSolid result;
    result.Solid = solid;
    for (TopExp_Explorer it(solid, TopAbs_FACE); it.More(); it.Next()) {
        const TopoDS_Face& face = TopoDS::Face(it.Current());
        const Handle(Geom_Surface) surface = BRep_Tool::Surface(face);
        const char* name = decks.count(surface.get()) ? "Deck" : surface == transomPlane ? "Transom" : "Hull";
        result.Faces.push_back({face, name});
    }
    return result;
}

}  // namespace

HullSolid BuildHullSolid(const HullRecord& hull)
{
    const HullSurfaceNet net = BuildHullSurfaceNet(hull);
    try {
        return SolidFromNet(hull, net);
    } catch (const Standard_Failure& failure) {
        throw std::runtime_error(std::string("The hull solid could not be built: ") +
                                 failure.GetMessageString());
    }
}

}  // namespace sloopform::cad
