#pragma once
#include <QApplication>
#include <QDialog>
#include <QList>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

// Takes one step on each modal dialog as it comes up, in order. A dialog
// still open a few seconds after the last step is rejected, so that a test
// fails instead of waiting for ever.
class ModalDriver {
public:
    explicit ModalDriver(QList<std::function<void(QWidget*)>> steps) : steps_(std::move(steps))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible()) return;
            if (!steps_.isEmpty()) {
                idleTicks_ = 0;
                steps_.takeFirst()(modal);
            } else if (++idleTicks_ > 300) {
                if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
            }
        });
        timer_.start(10);
    }
    bool done() const { return steps_.isEmpty(); }

private:
    QList<std::function<void(QWidget*)>> steps_;
    QTimer timer_;
    int idleTicks_ = 0;
};

// Clicks one of a message box's buttons.
inline std::function<void(QWidget*)> Press(QMessageBox::StandardButton which)
{
    return [which](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        QTest::mouseClick(box->button(which), Qt::LeftButton);
    };
}

