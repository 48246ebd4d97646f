#pragma once
#include <array>

#include "views/DrawingSettings.h"
#include "views/ThreeDView.h"
#include "views/ViewWindow.h"
#include "views/Viewport3d.h"

// "3D Viewer": the current hull in space, seen from a direction the user turns
// with the mouse or picks from four presets, with or without perspective.
class ThreeDViewerWindow : public ViewWindow {
    Q_OBJECT
public:
    explicit ThreeDViewerWindow(FrameServices& frame, QWidget* parent = nullptr);

    QList<MenuGroup> menuGroups() const override;
    void childActivated() override;
    void childDeactivated() override;
    void rotateMode() override;

protected:
    void redraw() override;

private:
    // The main menu's View items and the pop-up menu's: index 0 and 1.
    static constexpr int kMainMenu = 0;
    static constexpr int kPopupMenu = 1;
    using SwitchPair = std::array<QAction*, 2>;

    sloopform::TViewport3d& viewport3d() const;
    // The pop-up menu's check marks.
    sloopform::DisplaySwitches switches() const;
    QMenu* createMenu(int which, const QString& title, const QString& rotateText,
                      const QString& perspectiveText);
    QMenu* createPresetMenu();
    void showPreset(sloopform::PresetView preset);
    void togglePerspective();

    QMenu* fileMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QMenu* popupMenu_ = nullptr;
    SwitchPair perspective_{};
    SwitchPair constructionLines_{};
    SwitchPair hullOutlines_{};
    QAction* waterlines_ = nullptr;  // the pop-up menu's items
    QAction* buttocks_ = nullptr;
};
