#pragma once
#include <QDialog>
#include <memory>

namespace sloopform {
struct Settings;
}

// "Sloopform Preferences": colours, screen aspect ratio and goal accuracies,
// edited on working copies and stored into `settings` on Apply or Ok.
class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    explicit PreferencesDialog(sloopform::Settings& settings, QWidget* parent = nullptr);
    ~PreferencesDialog() override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
