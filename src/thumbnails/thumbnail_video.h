// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

class QFile;

namespace km {

// What a video's preview box shows: a frame from its first seconds, upright as a player shows
// it, and how long the video runs.
struct VideoPreview {
    // Null when the video cannot be decoded, or the thumbnail library is not installed.
    QImage frame;
    std::optional<qint64> durationMs;
};

// The preview of the video open in file (a plain file), its frame at most longestSide pixels
// wide or high. The frame is decoded by libffmpegthumbnailer, loaded when the first video is
// shown, so a folder without videos maps none of it.
VideoPreview readVideoPreview(QFile& file, int longestSide);

// A video's length as players show it: "0:42", "12:05", "1:02:03".
QString videoLengthText(qint64 durationMs);

// The preview at the drawn size: the frame, or, where there is none, the video icon on a dark
// ground.
QImage drawVideoPreview(const VideoPreview& preview, QSize drawn);

} // namespace km
