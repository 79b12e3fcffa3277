#include "screenshot.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <vector>

#include "../display_picture.h"
#include "../png_writer.h"

namespace {

std::vector<u32> ScaledPixels(const QImage &twoX, int scale)
{
    std::vector<u32> pixels;
    const QImage argb = twoX.format() == QImage::Format_ARGB32_Premultiplied || twoX.format() == QImage::Format_ARGB32 ||
                                twoX.format() == QImage::Format_RGB32
                            ? twoX
                            : twoX.convertToFormat(QImage::Format_ARGB32);
    ScaleDisplayPicture(reinterpret_cast<const u32 *>(argb.constBits()), static_cast<u32>(argb.bytesPerLine() / 4),
                        static_cast<u32>(scale), pixels);
    return pixels;
}

} // namespace

QString ScreenshotFolder(const QString &chosen)
{
    if (!chosen.isEmpty()) return chosen;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QFileInfo(pictures).isDir()) return pictures;
    return QDir::currentPath();
}

QString ScreenshotPath(const QString &folder, const QDateTime &when)
{
    const QString stem = QDir(folder).filePath("vantro2-" + when.toString("yyyyMMdd-HHmmss"));
    QString path = stem + ".png";
    for (int suffix = 2; QFileInfo::exists(path); ++suffix) path = QString("%1-%2.png").arg(stem).arg(suffix);
    return path;
}

QImage DisplayPicture(const QImage &twoX, int scale)
{
    const std::vector<u32> pixels = ScaledPixels(twoX, scale);
    const int width = static_cast<int>(DisplayColumns) * scale;
    const int height = static_cast<int>(DisplayRows) * scale;
    return QImage(reinterpret_cast<const uchar *>(pixels.data()), width, height, width * 4, QImage::Format_RGB32).copy();
}

QString SaveScreenshot(const QImage &twoX, int scale, const QString &folder, QString &error)
{
    const QString path = ScreenshotPath(folder, QDateTime::currentDateTime());
    const std::vector<u32> pixels = ScaledPixels(twoX, scale);
    if (!WritePng(QFile::encodeName(path).constData(), pixels.data(), DisplayColumns * static_cast<u32>(scale),
                  DisplayRows * static_cast<u32>(scale))) {
        error = "cannot write " + path;
        QFile::remove(path);
        return QString();
    }
    return path;
}
