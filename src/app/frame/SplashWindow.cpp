#include "frame/SplashWindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/SvgPicture.h"

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("StartUpForm"));

    QLabel* picture = SvgPictureLabel(QStringLiteral(":/pictures/splash.svg"), QSize(460, 200), this);

    memoEdit_ = new QPlainTextEdit(this);
    memoEdit_->setObjectName(QStringLiteral("Memo1"));
    memoEdit_->setReadOnly(true);
    memoEdit_->setFocusPolicy(Qt::NoFocus);
    memoEdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memoEdit_->setFixedHeight(memoEdit_->fontMetrics().lineSpacing() * 7 + 12);
    memo_ = std::make_unique<QtTextMemo>(*memoEdit_);
    memo_->AppendLine("Sloopform Project");
    memo_->AppendLine("Written by the Sloopform authors, version " SLOOPFORM_VERSION);
    memo_->AppendLine("");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(picture);
    layout->addWidget(memoEdit_);
    setStyleSheet(QStringLiteral("SplashWindow { background: #ffffff; border: 1px solid #24415f; }"));
    setAttribute(Qt::WA_StyledBackground);
    adjustSize();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

SplashWindow::~SplashWindow() = default;

sloopform::TextMemo& SplashWindow::memo() { return *memo_; }
