// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Comparing a rendered screen with its reference picture, as a person would look at
// both side by side: colours that antialiasing moves a little count as the same, a
// control moved by one pixel does not.

#include <QImage>
#include <QString>

namespace orbelle::fakes {

struct PictureDifference {
    bool sameSize = false;
    int pixels = 0; // pixels whose colour differs by more than the tolerance in some channel
    QImage picture; // the reference faded to grey, with those pixels in red
};

PictureDifference comparePictures(const QImage& actual, const QImage& reference, int channelTolerance);

// Writes a lossless PNG, as small as Qt makes it: with a palette when the picture
// has at most 256 colours, at the strongest compression.
bool saveSmallPng(const QImage& picture, const QString& path);

} // namespace orbelle::fakes
