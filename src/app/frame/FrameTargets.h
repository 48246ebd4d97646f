#pragma once

class QString;

// What the frame's tool buttons and menu items forward to. The frame keeps a
// document target (project or report) and a view target (lines plan or 3D
// viewer) and calls the matching window through these interfaces.

class DocumentTarget {
public:
    virtual ~DocumentTarget() = default;
    virtual void newDocument() = 0;
    virtual void openDocument() = 0;
    virtual void saveDocument() = 0;
    virtual void printDocument() = 0;
};

class ViewTarget {
public:
    virtual ~ViewTarget() = default;
    virtual void zoomAll() = 0;
    virtual void zoomIn() = 0;
    virtual void zoomOut() = 0;
    virtual void zoomWindowMode() = 0;
    virtual void panMode() = 0;
    virtual void rotateMode() {}
    virtual void printView() = 0;
};

class GeneratorCommands {
public:
    virtual ~GeneratorCommands() = default;
    virtual void runGenerator() = 0;
    virtual void resistanceOptimisation() = 0;
    // Every window's "Export" items and project file items end here.
    virtual void exportGf1() = 0;
    virtual void exportDxf() = 0;
    virtual void saveProjectAs() = 0;
    // Opens the project file at `path` as "&Open Project..." opens the file chosen.
    virtual void openProjectFile(const QString& path) = 0;
};

class ReportCommands {
public:
    virtual ~ReportCommands() = default;
    virtual void cut() = 0;
    virtual void copy() = 0;
    virtual void paste() = 0;
    virtual void deleteSelection() = 0;
    virtual void changeFont() = 0;
    virtual void insertParameters() = 0;
    virtual void insertHydrostatics() = 0;
};

enum class DocumentTargetId { Project = 1, Report = 2 };
enum class ViewTargetId { LinesPlan = 1, ThreeD = 2 };

// The windows behind the targets; any may be missing (null) in a test.
struct FrameTargets {
    DocumentTarget* project = nullptr;
    DocumentTarget* report = nullptr;
    ViewTarget* linesPlan = nullptr;
    ViewTarget* threeD = nullptr;
    GeneratorCommands* generator = nullptr;
    ReportCommands* reportCommands = nullptr;
};
