#include "frame/AboutBox.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/SvgPicture.h"

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Sloopform"));

    QLabel* picture = SvgPictureLabel(QStringLiteral(":/icons/sloopform.svg"), QSize(64, 64), this);

    auto* name = new QLabel(QStringLiteral("<b>Sloopform</b>"), this);
    QFont large = name->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    name->setFont(large);
    auto* version = new QLabel(QStringLiteral("Version %1").arg(QStringLiteral(SLOOPFORM_VERSION)), this);
    version->setObjectName(QStringLiteral("Version"));
    auto* purpose = new QLabel(
        QStringLiteral("Lines of the canoe body of a sailing yacht from its principal "
                       "dimensions and form coefficients, with hydrostatics, resistance "
                       "estimate and optimisation, lines plan, 3D view and DXF and GF1 "
                       "export."),
        this);
    purpose->setWordWrap(true);
    auto* credits = new QLabel(QStringLiteral("Written by the Sloopform authors."), this);

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addSpacing(8);
    texts->addWidget(purpose);
    texts->addWidget(credits);
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setFixedWidth(420);
}
