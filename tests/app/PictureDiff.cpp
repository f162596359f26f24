// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureDiff.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>

#include <cstdlib>

namespace orbelle::fakes {

PictureDifference comparePictures(const QImage& actual, const QImage& reference, int channelTolerance) {
    PictureDifference difference;
    if (actual.size() != reference.size())
        return difference;
    difference.sameSize = true;
    const QImage a = actual.convertToFormat(QImage::Format_RGB32);
    const QImage b = reference.convertToFormat(QImage::Format_RGB32);
    difference.picture = QImage(b.size(), QImage::Format_RGB32);
    for (int y = 0; y < b.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(difference.picture.scanLine(y));
        for (int x = 0; x < b.width(); ++x) {
            const int far =
                std::max({std::abs(qRed(rowA[x]) - qRed(rowB[x])), std::abs(qGreen(rowA[x]) - qGreen(rowB[x])),
                          std::abs(qBlue(rowA[x]) - qBlue(rowB[x]))});
            if (far > channelTolerance) {
                ++difference.pixels;
                out[x] = qRgb(255, 0, 0);
            } else {
                const int grey = 160 + qGray(rowB[x]) * 95 / 255; // faded, so that the red stands out
                out[x] = qRgb(grey, grey, grey);
            }
        }
    }
    return difference;
}

bool saveSmallPng(const QImage& picture, const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QImage full = picture.convertToFormat(QImage::Format_RGB32);
    // Qt builds an exact palette when the colours fit in one; otherwise it would dither,
    // so the palette form is kept only when it gives back every pixel.
    const QImage palette = full.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    const bool exact = palette.convertToFormat(QImage::Format_RGB32) == full;
    return (exact ? palette : full).save(path, "PNG", 0);
}

} // namespace orbelle::fakes
