#pragma once
// The display drawn at a whole number of device pixels per instrument pixel whatever the
// screen's scale factor (125 %, 150 %, --zoom): every instrument pixel comes out the same size.
class QPainter;
class QImage;
class QSize;

/// Device pixels per instrument pixel at `deviceRatio` device pixels per window pixel: the
/// largest whole number that keeps the display inside its frame (at least 1).
int DevicePixelsPerDisplayPixel(double deviceRatio);

/// Paints the 2x display image `twoX` into a widget of `size` window pixels with `painter`,
/// each instrument pixel a square of whole device pixels, centred, on whole device pixels.
void PaintSharpDisplay(QPainter &painter, const QImage &twoX, const QSize &size);
