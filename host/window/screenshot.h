#pragma once
// F12 screenshots and Ctrl+C copies of the display: the picture only, written by the
// project's own PNG writer so a 2x screenshot equals vantro2-script's `png` byte for byte.
#include <QDateTime>
#include <QImage>
#include <QString>

/// The folder screenshots go to: `chosen` when given, else the XDG pictures folder when it
/// exists, else the current folder.
QString ScreenshotFolder(const QString &chosen);

/// A file name in `folder` not yet taken: vantro2-YYYYMMDD-HHMMSS.png, then -2, -3 ... for
/// further pictures within the same second.
QString ScreenshotPath(const QString &folder, const QDateTime &when);

/// The display picture of the window's 2x display image at `scale` (1, 2 or 4).
QImage DisplayPicture(const QImage &twoX, int scale);

/// Saves the display picture at `scale` into `folder` under a fresh name; the path written,
/// or an empty string (and `error` set) when the file could not be written.
QString SaveScreenshot(const QImage &twoX, int scale, const QString &folder, QString &error);
