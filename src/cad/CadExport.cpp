#include "CadExport.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <stdexcept>

#include <BRepBuilderAPI_NurbsConvert.hxx>
#include <IGESControl_Controller.hxx>
#include <IGESControl_Writer.hxx>
#include <IGESData_GlobalSection.hxx>
#include <IGESData_IGESModel.hxx>
#include <Interface_Static.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <STEPControl_Controller.hxx>
#include <STEPControl_Writer.hxx>
#include <Standard_Failure.hxx>
#include <StepRepr_RepresentationItem.hxx>
#include <TCollection_HAsciiString.hxx>
#include <TransferBRep.hxx>
#include <TransferBRep_ShapeMapper.hxx>
#include <Transfer_FinderProcess.hxx>
#include <XSControl_TransferWriter.hxx>
#include <XSControl_WorkSession.hxx>

#include "HullSolid.h"
#include "analysis/HullSurfaceNet.h"
#include "export/ChosenFileExport.h"
#include "export/ExportTextFile.h"
#include "platform/TextFileWriter.h"
#include "platform/UiServices.h"

namespace sloopform::cad {

namespace {

std::string Quoted(const std::string& fileName) { return "\"" + fileName + "\""; }

// The translators report their progress on standard output, where the batch
// tool may be writing the file itself.
void SilenceTranslators()
{
    Message::DefaultMessenger()->ChangePrinters().Clear();
}

// Both files are in metres, as the hull is: the shapes are taken as metres
// (the translators' default is millimetres) and written unscaled.
constexpr double kMillimetresPerMetre = 1000;

void SetMetres(const char* unitKey)
{
    Interface_Static::SetCVal("xstep.cascade.unit", "M");
    Interface_Static::SetCVal(unitKey, "M");
}

void NameStepFaces(STEPControl_Writer& writer, const HullSolid& solid)
{
    const Handle(Transfer_FinderProcess) process = writer.WS()->TransferWriter()->FinderProcess();
    for (const NamedFace& named : solid.Faces) {
        Handle(StepRepr_RepresentationItem) item;
        if (process->FindTypedTransient(TransferBRep::ShapeMapper(process, named.Face),
                                        STANDARD_TYPE(StepRepr_RepresentationItem), item))
            item->SetName(new TCollection_HAsciiString(named.Name.c_str()));
    }
}

bool WriteStep(const HullSolid& solid, const std::string& path)
{
    STEPControl_Controller::Init();
    Interface_Static::SetCVal("write.step.schema", "AP214IS");
    SetMetres("write.step.unit");
    STEPControl_Writer writer;
    if (writer.Transfer(solid.Solid, STEPControl_AsIs) != IFSelect_RetDone) return false;
    NameStepFaces(writer, solid);
    return writer.Write(path.c_str()) == IFSelect_RetDone;
}

bool WriteIges(const HullSolid& solid, const std::string& path)
{
    IGESControl_Controller::Init();
    SetMetres("write.iges.unit");
    // Faces mode: trimmed surfaces (type 144) over B-spline surfaces, the
    // form every reader takes; the flat transom converted to one as well.
    IGESControl_Writer writer("M", 0);
    IGESData_GlobalSection section = writer.Model()->GlobalSection();
    section.SetCascadeUnit(kMillimetresPerMetre);
    writer.Model()->SetGlobalSection(section);
    BRepBuilderAPI_NurbsConvert nurbs(solid.Solid, true);
    if (!writer.AddShape(nurbs.Shape())) return false;
    writer.ComputeModel();
    return writer.Write(path.c_str());
}

std::function<bool(const std::string&)> Writer(const HullRecord& hull, CadFormat format)
{
    SilenceTranslators();
    auto solid = std::make_shared<HullSolid>(BuildHullSolid(hull));
    return [solid, format](const std::string& path) {
        try {
            return format == CadFormat::Step ? WriteStep(*solid, path) : WriteIges(*solid, path);
        } catch (const Standard_Failure&) {
            return false;
        }
    };
}

// Lets the translator write a new file beside the target: its path. When the
// file cannot be made or written this throws and leaves nothing behind.
std::filesystem::path WriteBeside(const std::filesystem::path& target,
                                  const std::function<bool(const std::string&)>& write)
{
    std::ofstream reserve;
    std::error_code error;
    const auto temporary = std::filesystem::is_directory(target, error)
                               ? std::nullopt
                               : OpenTemporarySibling(target, reserve);
    if (!temporary) throw ExportFileError("Cannot create file " + Quoted(target.string()));
    reserve.close();
    if (!write(temporary->string())) {
        std::filesystem::remove(*temporary, error);
        throw ExportFileError("Error writing file " + Quoted(target.string()));
    }
    return *temporary;
}

}  // namespace

void WriteHullCad(const HullRecord& hull, CadFormat format, const std::string& fileName)
{
    const std::filesystem::path temporary = WriteBeside(fileName, Writer(hull, format));
    std::error_code error;
    std::filesystem::rename(temporary, fileName, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        throw ExportFileError("Error writing file " + Quoted(fileName));
    }
}

std::string HullCadText(const HullRecord& hull, CadFormat format)
{
    const std::filesystem::path temporary =
        WriteBeside(std::filesystem::temp_directory_path() /
                        (format == CadFormat::Step ? "sloopform-hull.step" : "sloopform-hull.igs"),
                    Writer(hull, format));
    std::ifstream in(temporary, std::ios::binary);
    std::string text(std::istreambuf_iterator<char>(in), {});
    in.close();
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return text;
}

void ExportHullCad(const HullRecord& hull, CadFormat format, const std::string& designFile)
{
    if (!HullReadyForCad(hull)) {
        Ui().ShowMessage(kNoHullMessage, MessageIcon::Error, MessageButtons::Ok);
        return;
    }
    FileDialogRequest request;
    if (format == CadFormat::Step) {
        request.title = "Export Hull Solid to STEP";
        request.filter = "STEP (*.step;*.stp)|*.step;*.stp|All files (*.*)|*.*";
        request.defaultExtension = "step";
    } else {
        request.title = "Export Hull Solid to IGES";
        request.filter = "IGES (*.igs;*.iges)|*.igs;*.iges|All files (*.*)|*.*";
        request.defaultExtension = "igs";
    }
    request.fileName = SuggestedExportName(designFile, request.defaultExtension);
    const auto fileName = Ui().SaveFileDialog(request);
    if (!fileName) return;
    try {
        WriteHullCad(hull, format, *fileName);
    } catch (const std::exception& error) {
        Ui().ShowError(error.what(), kGlobalHandlerOrigin);
    }
}

}  // namespace sloopform::cad
