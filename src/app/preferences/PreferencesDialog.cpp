#include "preferences/PreferencesDialog.h"

#include "settings/Settings.h"

struct PreferencesDialog::Impl {
    explicit Impl(sloopform::Settings& s) : settings(s) {}
    sloopform::Settings& settings;
};

PreferencesDialog::PreferencesDialog(sloopform::Settings& settings, QWidget* parent)
    : QDialog(parent), d(std::make_unique<Impl>(settings)) {
    setWindowTitle(QStringLiteral("Sloopform Preferences"));
}

PreferencesDialog::~PreferencesDialog() = default;
