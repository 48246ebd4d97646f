#include "platform/SvgPicture.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>

QPixmap SvgPixmap(const QString& resource, QSize size, qreal devicePixelRatio)
{
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QLabel* SvgPictureLabel(const QString& resource, QSize size, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setFixedSize(size);
    label->setPixmap(SvgPixmap(resource, size, label->devicePixelRatioF()));
    return label;
}
