#include "preferences/PreferencesDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/UiServices.h"
#include "preferences/AspectRatioPage.h"
#include "preferences/ColoursPage.h"
#include "preferences/GoalAccuracyPage.h"
#include "settings/GoalEntry.h"
#include "settings/Settings.h"

struct PreferencesDialog::Impl {
    explicit Impl(sloopform::Settings& stored) : settings(stored), working(stored) {}

    bool apply();

    sloopform::Settings& settings;
    sloopform::Settings working;  // colours and aspect ratio until applied
    QTabWidget* pages = nullptr;
    AspectRatioPage* aspectPage = nullptr;
    GoalAccuracyPage* goalPage = nullptr;
    QCheckBox* regenerateWhileEditing = nullptr;
    QPushButton* applyButton = nullptr;
};

// Colours and aspect ratio are stored even when a goal
// is refused; the goals only when all three are good.
bool PreferencesDialog::Impl::apply()
{
    settings.Drawing = working.Drawing;
    settings.BackGroundIndex = working.BackGroundIndex;
    settings.ConstructionIndex = working.ConstructionIndex;
    settings.OutlineIndex = working.OutlineIndex;
    settings.UserRatio = working.UserRatio;
    settings.RegenerateWhileEditing = regenerateWhileEditing->isChecked();
    aspectPage->redrawSample();
    applyButton->setEnabled(false);

    const sloopform::GoalEntry entry = sloopform::ParseGoals(goalPage->texts());
    if (!entry.Goals) {
        pages->setCurrentWidget(goalPage);
        sloopform::Ui().ShowMessage(entry.Message, sloopform::MessageIcon::Error,
                                    sloopform::MessageButtons::Ok);
        return false;
    }
    settings.Goals = *entry.Goals;
    return true;
}

PreferencesDialog::PreferencesDialog(sloopform::Settings& settings, QWidget* parent)
    : QDialog(parent), d(std::make_unique<Impl>(settings))
{
    setWindowTitle("Sloopform Preferences");

    auto* colours = new ColoursPage(d->working);
    d->aspectPage = new AspectRatioPage(d->working, settings);
    d->goalPage = new GoalAccuracyPage(settings.Goals);
    d->pages = new QTabWidget;
    d->pages->setObjectName("pages");
    // Every page's name in full: the dialog widens to fit them.
    d->pages->tabBar()->setUsesScrollButtons(false);
    d->pages->tabBar()->setElideMode(Qt::ElideNone);
    d->pages->addTab(colours, "Colours");
    d->pages->addTab(d->aspectPage, "Screen Aspect Ratio");
    d->pages->addTab(d->goalPage, "Hull Parameter Goal Accuracy");
    d->pages->addTab(editingPage(settings), "Editing");

    auto* ok = new QPushButton("&Ok");
    auto* cancel = new QPushButton("&Cancel");
    d->applyButton = new QPushButton("&Apply");
    ok->setDefault(true);
    d->applyButton->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(d->applyButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(d->pages);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const auto enableApply = [this] { d->applyButton->setEnabled(true); };
    connect(colours, &ColoursPage::changed, this, enableApply);
    connect(d->aspectPage, &AspectRatioPage::changed, this, enableApply);
    connect(d->goalPage, &GoalAccuracyPage::changed, this, enableApply);
    connect(d->regenerateWhileEditing, &QCheckBox::toggled, this, enableApply);
    connect(d->applyButton, &QPushButton::clicked, this, [this] { d->apply(); });
    connect(ok, &QPushButton::clicked, this, [this] {
        if (d->apply()) accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

PreferencesDialog::~PreferencesDialog() = default;

QWidget* PreferencesDialog::editingPage(const sloopform::Settings& settings)
{
    auto* page = new QWidget;
    d->regenerateWhileEditing = new QCheckBox("&Regenerate while editing");
    d->regenerateWhileEditing->setObjectName("regenerateWhileEditing");
    d->regenerateWhileEditing->setChecked(settings.RegenerateWhileEditing);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(d->regenerateWhileEditing);
    layout->addStretch();
    return page;
}
