#include "generator/OffsetLevelsDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/OffsetLevelsText.h"

namespace {

constexpr char kSeparator = ' ';

QString LevelsText(const std::vector<long double>& levels)
{
    return QString::fromStdString(sloopform::LevelListText(levels, kSeparator));
}

// Commas and blanks both separate the levels.
std::optional<std::vector<long double>> ReadLevels(const QLineEdit& field, bool buttocks)
{
    const std::string text = field.text().replace(',', ' ').toStdString();
    return sloopform::ParseLevelList(text, kSeparator, buttocks);
}

}  // namespace

OffsetLevelsDialog::OffsetLevelsDialog(const sloopform::OffsetLevels& chosen,
                                       const std::optional<sloopform::OffsetLevels>& defaults,
                                       QWidget* parent)
    : QDialog(parent),
      waterlines_(new QLineEdit(LevelsText(chosen.Waterlines), this)),
      buttocks_(new QLineEdit(LevelsText(chosen.Buttocks), this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setWindowTitle("Offset Levels");
    waterlines_->setObjectName("Waterlines");
    buttocks_->setObjectName("Buttocks");
    if (defaults) {
        waterlines_->setPlaceholderText(LevelsText(defaults->Waterlines));
        buttocks_->setPlaceholderText(LevelsText(defaults->Buttocks));
    }
    auto* form = new QFormLayout;
    form->addRow("Waterlines (m above the base line):", waterlines_);
    form->addRow("Buttocks (m from the centre plane):", buttocks_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel("Leave a field empty for the default levels of the design.", this));
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(waterlines_, &QLineEdit::textChanged, this, &OffsetLevelsDialog::updateOk);
    connect(buttocks_, &QLineEdit::textChanged, this, &OffsetLevelsDialog::updateOk);
    updateOk();
}

std::optional<sloopform::OffsetLevels> OffsetLevelsDialog::levels() const
{
    const auto waterlines = ReadLevels(*waterlines_, false);
    const auto buttocks = ReadLevels(*buttocks_, true);
    if (!waterlines || !buttocks) return std::nullopt;
    return sloopform::OffsetLevels{*waterlines, *buttocks};
}

void OffsetLevelsDialog::updateOk() { buttons_->button(QDialogButtonBox::Ok)->setEnabled(levels().has_value()); }
