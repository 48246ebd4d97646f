#pragma once
#include <QKeySequence>
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "frame/ChildWindow.h"
#include "frame/FrameTargets.h"
#include "frame/FrameServices.h"
#include "views/ViewportWidget.h"

class QAction;
class QMenu;
class QPrinter;

// What the lines-plan window and the 3D viewer share: a viewport filling the
// window, the File menu, the frame's view commands, + and - to zoom and the
// arrow keys to pan, printing and repainting when the preferences or the hull
// change.
class ViewWindow : public ChildWindow, public ViewTarget {
    Q_OBJECT
public:
    ~ViewWindow() override;

    // The frame's view tool buttons and Print button.
    void zoomAll() override;
    void zoomIn() override;
    void zoomOut() override;
    void zoomWindowMode() override;
    void panMode() override;
    void printView() override;

    ViewportWidget& viewportWidget() const { return *viewport_; }
    QPrinter& printer() const;

protected:
    struct FileMenuTexts {
        QString preferences;        // "Pre&ferences..." or "Preferences..."
        bool saveHasShortcut;       // "&Save Project" on F12
    };

    ViewWindow(FrameServices& frame, const std::string& printTitle,
               const ViewportWidget::ViewportFactory& makeViewport, QWidget* parent);

    FrameServices& frame() const { return frame_; }
    QMenu* createFileMenu(const FileMenuTexts& texts);
    QAction* addCommand(QMenu* menu, const QString& text, const std::function<void()>& command,
                        const QKeySequence& shortcut = {});
    // A check item, checked at first; its object name is its name in the window.
    QAction* addSwitch(QMenu* menu, const QString& text, const QString& name);
    // Two check items that stand for one switch: choosing either sets both, then `changed` runs.
    void pairSwitches(QAction* first, QAction* second, const std::function<void()>& changed);
    // A switch that is off at first, as a check item in both menus named
    // `name` + "1" and `name` + "2"; choosing either redraws. Returns the
    // pop-up menu's item.
    QAction* addAdditionSwitch(QMenu* viewMenu, QMenu* popupMenu, const QString& text, const QString& name);
    // Zoom All (F5), Zoom Window and Pan as menu commands.
    void addModeCommands(QMenu* menu, const QString& zoomAllText,
                         const QString& zoomWindowText, const QString& panText);
    // A separator, then Zoom In and Zoom Out.
    void addStepCommands(QMenu* menu, const QString& zoomInText, const QString& zoomOutText);
    // A menu command: the viewport's mouse mode, shown on the frame's tool button.
    void chooseMouseMode(std::uint8_t mode, FrameButton button);
    void enableFrameButtons(const QList<FrameButton>& buttons, bool enabled);
    void showPopupMenu(QMenu* menu, const QPoint& position);

    // Redraw with the display switches as they now are.
    virtual void redraw() = 0;
    void keyPressEvent(QKeyEvent* event) override;
    void openPreferences();

private:
    void printSettings();
    void exportGf1();
    void exportDxf();
    void newProject();
    void openProject();
    void saveProject();
    void saveProjectAs();
    void exitProgram();
    // Moves the view a tenth of the window: `across` and `down` are -1, 0 or 1.
    void panStep(int across, int down);

    FrameServices& frame_;
    std::string printTitle_;
    ViewportWidget* viewport_;
    struct Printing;
    std::unique_ptr<Printing> printing_;
};
