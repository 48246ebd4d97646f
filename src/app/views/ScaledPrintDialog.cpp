#include "views/ScaledPrintDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kDefaultScale = 10;

}  // namespace

ScaledPrintDialog::ScaledPrintDialog(std::function<int(int, const PaperChoice&)> pagesFor, QWidget* parent)
    : QDialog(parent),
      pagesFor_(std::move(pagesFor)),
      scale_(new QComboBox(this)),
      paper_(new QComboBox(this)),
      orientation_(new QComboBox(this)),
      pages_(new QLabel(this))
{
    setWindowTitle("Print to Scale");
    scale_->setObjectName("Scale");
    paper_->setObjectName("Paper");
    orientation_->setObjectName("Orientation");
    pages_->setObjectName("Pages");
    for (int scale : sloopform::kSheetScales) scale_->addItem(QString("1:%1").arg(scale));
    scale_->setCurrentIndex(scale_->findText(QString("1:%1").arg(kDefaultScale)));
    for (const sloopform::PaperSize& size : sloopform::kPaperSizes) paper_->addItem(size.Name);
    orientation_->addItems({"Portrait", "Landscape"});

    auto* form = new QFormLayout;
    form->addRow("Scale:", scale_);
    form->addRow("Paper:", paper_);
    form->addRow("Orientation:", orientation_);
    form->addRow("Pages:", pages_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QComboBox* box : {scale_, paper_, orientation_})
        connect(box, &QComboBox::currentIndexChanged, this, &ScaledPrintDialog::showPages);
    showPages();
}

int ScaledPrintDialog::scale() const
{
    return sloopform::kSheetScales[static_cast<std::size_t>(scale_->currentIndex())];
}

PaperChoice ScaledPrintDialog::paper() const
{
    return {paper_->currentIndex(), orientation_->currentIndex() == 1};
}

QString ScaledPrintDialog::pagesText() const { return pages_->text(); }

void ScaledPrintDialog::showPages()
{
    const int pages = pagesFor_(scale(), paper());
    pages_->setText(pages == 1 ? QString("1 page") : QString("%1 pages, overlapping").arg(pages));
}
