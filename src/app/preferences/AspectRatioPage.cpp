#include "preferences/AspectRatioPage.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <cmath>

#include "preferences/AspectSample.h"

namespace {

constexpr int kSliderTicks = 5;

// The slider position of a ratio, in hundredths; rounded, so that a stored
// 1.05 does not show as 104.
int SliderPosition(long double ratio)
{
    return qBound(sloopform::kAspectRatioLowest, static_cast<int>(std::lround(ratio * 100)),
                  sloopform::kAspectRatioHighest);
}

}  // namespace

AspectRatioPage::AspectRatioPage(sloopform::Settings& working, const sloopform::Settings& stored,
                                 QWidget* parent)
    : QWidget(parent),
      working_(working),
      defaultScaling_(new QRadioButton("Use default Scaling (1:1)")),
      userScaling_(new QRadioButton("User Defined Scaling")),
      slider_(new QSlider(Qt::Vertical)),
      sample_(new AspectSample(stored.Drawing))
{
    defaultScaling_->setObjectName("defaultScaling");
    userScaling_->setObjectName("userScaling");
    slider_->setObjectName("aspectSlider");
    sample_->setObjectName("aspectSample");

    (working.UserRatio ? userScaling_ : defaultScaling_)->setChecked(true);
    slider_->setRange(sloopform::kAspectRatioLowest, sloopform::kAspectRatioHighest);
    slider_->setTickInterval(kSliderTicks);
    slider_->setTickPosition(QSlider::TicksBothSides);
    slider_->setValue(SliderPosition(working.Drawing.AspectRatio));
    slider_->setEnabled(working.UserRatio);
    sample_->setRatio(working.Drawing.AspectRatio);

    auto* panel = new QFrame;
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    panelLayout->addWidget(sample_);

    auto* texts = new QVBoxLayout;
    texts->addWidget(new QLabel("Use a ruler and the Slide Bar to"));
    texts->addWidget(new QLabel("to make the square in the box"));
    texts->addWidget(new QLabel("a true square"));
    texts->addStretch();

    auto* layout = new QGridLayout(this);
    layout->addWidget(defaultScaling_, 0, 0, 1, 3);
    layout->addWidget(userScaling_, 1, 0, 1, 3);
    layout->addWidget(slider_, 2, 0);
    layout->addWidget(panel, 2, 1);
    layout->addLayout(texts, 2, 2);
    layout->setColumnStretch(2, 1);

    connect(userScaling_, &QRadioButton::toggled, this, &AspectRatioPage::chooseScaling);
    connect(slider_, &QSlider::valueChanged, this, &AspectRatioPage::moveSlider);
}

void AspectRatioPage::redrawSample() { sample_->redraw(); }

void AspectRatioPage::chooseScaling(bool userDefined)
{
    slider_->setEnabled(userDefined);
    working_.UserRatio = userDefined;
    working_.Drawing.AspectRatio = userDefined ? slider_->value() * 0.01L : 1.0L;
    sample_->setRatio(working_.Drawing.AspectRatio);
    emit changed();
}

void AspectRatioPage::moveSlider(int position)
{
    working_.Drawing.AspectRatio = position * 0.01L;
    sample_->setRatio(working_.Drawing.AspectRatio);
    emit changed();
}
