// SPDX-License-Identifier: MIT
#include "thumbnails/thumbnail_video.h"

#include "picture_formats/movie_header.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <cstring>
#include <dlfcn.h>
#include <libffmpegthumbnailer/videothumbnailerc.h>

namespace km {
namespace {

// The functions of libffmpegthumbnailer the preview calls, resolved on first use; all null
// without the library. Loaded on first use: it brings in FFmpeg's libraries, tens of megabytes
// that a folder of photos never needs.
struct ThumbnailerLibrary {
    decltype(&video_thumbnailer_create) create = nullptr;
    decltype(&video_thumbnailer_destroy) destroy = nullptr;
    decltype(&video_thumbnailer_create_image_data) createImage = nullptr;
    decltype(&video_thumbnailer_destroy_image_data) destroyImage = nullptr;
    decltype(&video_thumbnailer_generate_thumbnail_to_buffer) generate = nullptr;
    decltype(&video_thumbnailer_set_size) setSize = nullptr;

    bool loaded() const {
        return create && destroy && createImage && destroyImage && generate && setSize;
    }
};

template <typename Function> void resolve(void* handle, const char* name, Function& function) {
    void* const found = ::dlsym(handle, name);
    // dlsym gives a function as an object pointer; copied, as a cast between the two is not
    // standard C++.
    static_assert(sizeof function == sizeof found);
    std::memcpy(&function, &found, sizeof function);
}

const ThumbnailerLibrary& thumbnailer() {
    static const ThumbnailerLibrary library = [] {
        ThumbnailerLibrary functions;
        void* const handle = ::dlopen("libffmpegthumbnailer.so.4", RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return functions;
        resolve(handle, "video_thumbnailer_create", functions.create);
        resolve(handle, "video_thumbnailer_destroy", functions.destroy);
        resolve(handle, "video_thumbnailer_create_image_data", functions.createImage);
        resolve(handle, "video_thumbnailer_destroy_image_data", functions.destroyImage);
        resolve(handle, "video_thumbnailer_generate_thumbnail_to_buffer", functions.generate);
        resolve(handle, "video_thumbnailer_set_size", functions.setSize);
        // FFmpeg, loaded with it, would write every fault of a damaged video to the terminal.
        if (void* const avutil = ::dlopen("libavutil.so.57", RTLD_NOW | RTLD_NOLOAD)) {
            void (*setLogLevel)(int) = nullptr;
            resolve(avutil, "av_log_set_level", setLogLevel);
            constexpr int kQuiet = -8;
            if (setLogLevel)
                setLogLevel(kQuiet);
        }
        return functions;
    }();
    return library;
}

// A frame one second in, where the video is that long; a shorter one from its start.
QImage decodeFrame(const QFile& file, int longestSide, std::optional<qint64> durationMs) {
    const ThumbnailerLibrary& library = thumbnailer();
    if (!library.loaded())
        return {};
    video_thumbnailer* const thumbnailer = library.create();
    image_data* const data = library.createImage();
    QImage frame;
    if (thumbnailer && data) {
        QByteArray oneSecond("00:00:01");
        if (durationMs && *durationMs >= 2000)
            thumbnailer->seek_time = oneSecond.data();
        else
            thumbnailer->seek_percentage = 0;
        thumbnailer->thumbnail_image_type = Rgb;
        library.setSize(thumbnailer, longestSide, 0);
        // The descriptor's own path: the file checked to be a plain one, not whatever its name
        // points to by now (a pipe there would hold the window up).
        const QByteArray path = "/proc/self/fd/" + QByteArray::number(file.handle());
        if (library.generate(thumbnailer, path.constData(), data) == 0 && data->image_data_ptr &&
            data->image_data_width > 0 && data->image_data_height > 0 &&
            data->image_data_size >= data->image_data_width * data->image_data_height * 3)
            frame = QImage(data->image_data_ptr, data->image_data_width, data->image_data_height,
                           data->image_data_width * 3, QImage::Format_RGB888)
                        .copy();
        thumbnailer->seek_time = nullptr;
    }
    if (data)
        library.destroyImage(data);
    if (thumbnailer)
        library.destroy(thumbnailer);
    return frame;
}

// The video icon of the list, drawn large: a blue face with a white triangle.
void drawVideoIcon(QPainter& painter, const QRectF& area) {
    const qreal side = std::min(area.width(), area.height()) / 2;
    const QRectF face(area.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), side / 14));
    painter.setBrush(QColor(0x2f, 0x7f, 0xc0));
    painter.drawRoundedRect(face, side / 8, side / 8);
    QPainterPath triangle;
    triangle.moveTo(face.left() + side * 0.36, face.top() + side * 0.25);
    triangle.lineTo(face.left() + side * 0.36, face.bottom() - side * 0.25);
    triangle.lineTo(face.right() - side * 0.25, face.center().y());
    triangle.closeSubpath();
    painter.fillPath(triangle, Qt::white);
}

} // namespace

VideoPreview readVideoPreview(QFile& file, int longestSide) {
    VideoPreview preview;
    if (file.seek(0))
        if (const std::optional<MovieHeader> header = readMovieHeader(file))
            preview.durationMs = header->durationMs;
    preview.frame = decodeFrame(file, longestSide, preview.durationMs);
    return preview;
}

QString videoLengthText(qint64 durationMs) {
    const qint64 seconds = std::max<qint64>(0, durationMs) / 1000;
    const QString minutesAndSeconds =
        QStringLiteral("%1:%2")
            .arg(seconds / 60 % 60, seconds < 3600 ? 1 : 2, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (seconds < 3600)
        return minutesAndSeconds;
    return QStringLiteral("%1:%2").arg(seconds / 3600).arg(minutesAndSeconds);
}

QImage drawVideoPreview(const VideoPreview& preview, QSize drawn) {
    QImage image;
    if (!preview.frame.isNull()) {
        image = preview.frame.scaled(drawn, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB32);
    } else {
        image = QImage(drawn, QImage::Format_RGB32);
        image.fill(QColor(0x40, 0x40, 0x40));
    }
    if (preview.frame.isNull()) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        drawVideoIcon(painter, image.rect());
    }
    return image;
}

} // namespace km
