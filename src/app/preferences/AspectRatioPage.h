#pragma once
#include <QWidget>

#include "settings/Settings.h"

class AspectSample;
class QRadioButton;
class QSlider;

// "Screen Aspect Ratio": default or user-defined scaling, the slider and the
// sample square. The working ratio lives in `working`; the sample shows it in
// the colours of `stored`.
class AspectRatioPage : public QWidget {
    Q_OBJECT
public:
    AspectRatioPage(sloopform::Settings& working, const sloopform::Settings& stored,
                    QWidget* parent = nullptr);

    void redrawSample();

signals:
    void changed();

private:
    void chooseScaling(bool userDefined);
    void moveSlider(int position);

    sloopform::Settings& working_;
    QRadioButton* defaultScaling_;
    QRadioButton* userScaling_;
    QSlider* slider_;
    AspectSample* sample_;
};
