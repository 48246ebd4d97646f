#pragma once
#include <QDialog>
#include <functional>

#include "views/ScaledPrinting.h"

class QComboBox;
class QLabel;

// "Print to Scale": the scale, the paper and its orientation, and how many
// pages the sheet takes on that paper.
class ScaledPrintDialog : public QDialog {
    Q_OBJECT
public:
    // `pagesFor` counts the pages of a scale on a paper.
    ScaledPrintDialog(std::function<int(int scale, const PaperChoice& paper)> pagesFor,
                      QWidget* parent = nullptr);

    int scale() const;
    PaperChoice paper() const;

    QComboBox& scaleBox() const { return *scale_; }
    QComboBox& paperBox() const { return *paper_; }
    QComboBox& orientationBox() const { return *orientation_; }
    QString pagesText() const;

private:
    void showPages();

    std::function<int(int, const PaperChoice&)> pagesFor_;
    QComboBox* scale_;
    QComboBox* paper_;
    QComboBox* orientation_;
    QLabel* pages_;
};
