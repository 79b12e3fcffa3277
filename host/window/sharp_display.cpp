#include "sharp_display.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "../display_picture.h"
#include "screenshot.h"

int DevicePixelsPerDisplayPixel(double deviceRatio)
{
    return std::max(1, static_cast<int>(std::floor(2.0 * deviceRatio + 1e-6)));
}

void PaintSharpDisplay(QPainter &painter, const QImage &twoX, const QSize &size)
{
    const QTransform toDevice = painter.deviceTransform();
    const double ratio = toDevice.m11();
    const int perPixel = DevicePixelsPerDisplayPixel(ratio);
    QImage picture = DisplayPicture(twoX, perPixel);
    picture.setDevicePixelRatio(ratio);
    // The widget's place in device pixels; the picture's corner goes on a whole device pixel.
    const QPointF corner = toDevice.map(QPointF(0, 0));
    const double left = std::round(corner.x() + (size.width() * ratio - picture.width()) / 2.0);
    const double top = std::round(corner.y() + (size.height() * ratio - picture.height()) / 2.0);
    const QPointF at = toDevice.inverted().map(QPointF(left, top));
    painter.drawImage(at, picture);
}
