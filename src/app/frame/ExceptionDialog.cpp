#include "frame/ExceptionDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/SvgPicture.h"

ExceptionDialog::ExceptionDialog(const QString& message, const QString& origin, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Error"));

    QLabel* picture = SvgPictureLabel(QStringLiteral(":/pictures/error.svg"), QSize(48, 48), this);

    auto* heading = new QLabel(QStringLiteral("Exeception Error Handler"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    heading->setFont(bold);

    errorLine_ = new QLabel(QStringLiteral("Error: ") + message, this);
    errorLine_->setObjectName(QStringLiteral("ErrorLine"));
    originLine_ = new QLabel(QStringLiteral("From : ") + origin, this);
    originLine_->setObjectName(QStringLiteral("OriginLine"));
    for (QLabel* line : {errorLine_, originLine_}) {
        line->setWordWrap(true);
        line->setTextFormat(Qt::PlainText);
        line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    auto* texts = new QVBoxLayout;
    texts->addWidget(heading);
    texts->addSpacing(6);
    texts->addWidget(errorLine_);
    texts->addWidget(originLine_);
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(10);
    top->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setMinimumWidth(380);
}

QString ExceptionDialog::errorLine() const { return errorLine_->text(); }

QString ExceptionDialog::originLine() const { return originLine_->text(); }
