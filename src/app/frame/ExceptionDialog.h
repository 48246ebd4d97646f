#pragma once
#include <QDialog>

class QLabel;

// The application's error dialog: "Error: " + message, "From : " + origin.
class ExceptionDialog : public QDialog {
    Q_OBJECT
public:
    ExceptionDialog(const QString& message, const QString& origin, QWidget* parent = nullptr);

    QString errorLine() const;
    QString originLine() const;

private:
    QLabel* errorLine_;
    QLabel* originLine_;
};
