#pragma once
#include <QPixmap>
#include <QString>

class QLabel;

// A picture drawn for the program (an SVG resource) at the given size, sharp
// on the screens of the label that shows it.
QLabel* SvgPictureLabel(const QString& resource, QSize size, QWidget* parent);
QPixmap SvgPixmap(const QString& resource, QSize size, qreal devicePixelRatio);
