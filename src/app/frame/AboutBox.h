#pragma once
#include <QDialog>

// "About Sloopform": the program, its version and what it is for.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};
