// The preferences dialog's pages, with a user-defined aspect ratio so
// the slider is live and the sample square stretched.
#include <QTabWidget>
#include <iterator>

#include "Shots.h"
#include "frame/MainWindow.h"
#include "preferences/PreferencesDialog.h"
#include "settings/Settings.h"

SLOOPFORM_SHOTS(Preferences)
{
    MainWindow& frame = tour.frame();
    sloopform::Settings settings = sloopform::ProgramSettings();
    settings.UserRatio = true;
    settings.Drawing.AspectRatio = 1.1L;
    PreferencesDialog dialog(settings, &frame);
    dialog.show();
    auto* pages = dialog.findChild<QTabWidget*>("pages");
    const char* names[] = {"preferences-colours", "preferences-aspect-ratio", "preferences-goals",
                           "preferences-editing"};
    for (int page = 0; page < pages->count() && page < int(std::size(names)); ++page) {
        pages->setCurrentIndex(page);
        tour.save(dialog, names[page]);
    }
}
