#pragma once
#include <QDialog>
#include <memory>

namespace sloopform {
struct Settings;
}

// "Sloopform Preferences": colours, screen aspect ratio, goal accuracies and
// editing, edited on working copies and stored into `settings` on Apply or Ok.
class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    explicit PreferencesDialog(sloopform::Settings& settings, QWidget* parent = nullptr);
    ~PreferencesDialog() override;

private:
    // "Editing": whether every committed value runs the generator.
    QWidget* editingPage(const sloopform::Settings& settings);

    struct Impl;
    std::unique_ptr<Impl> d;
};
