#pragma once
#include <QWidget>
#include <memory>

#include "platform/QtTextMemo.h"

class QPlainTextEdit;

// The start-up window: borderless, on top of the others, centred on the
// screen; a picture and the memo the loading steps are written to.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);
    ~SplashWindow() override;

    sloopform::TextMemo& memo();

private:
    QPlainTextEdit* memoEdit_;
    std::unique_ptr<QtTextMemo> memo_;
};
