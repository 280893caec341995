// SPDX-License-Identifier: MIT
#include "thumbnails/thumbnail_letterbox.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace km {
namespace {

constexpr double kProportionTolerance = 0.02;
// Mean distance of a bar line's pixels from the bar colour that JPEG noise explains.
constexpr int kBarNoise = 16;
// The compression blurs colour across the bar's last lines, but keeps their brightness.
constexpr int kSmearedLines = 2;
constexpr int kSmearedBrightnessNoise = 24;

double shapeOf(QSize size) {
    return double(size.width()) / size.height();
}

struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;
};

int distance(Colour colour, QRgb pixel) {
    return std::max({std::abs(qRed(pixel) - colour.red), std::abs(qGreen(pixel) - colour.green),
                     std::abs(qBlue(pixel) - colour.blue)});
}

// The lines across the preview that bars are made of: rows, or columns when bars are at the sides.
class Lines {
public:
    Lines(const QImage& image, bool rows) : m_image(image), m_rows(rows) {}

    int count() const { return m_rows ? m_image.height() : m_image.width(); }
    int length() const { return m_rows ? m_image.width() : m_image.height(); }

    Colour average(int line) const {
        long long red = 0, green = 0, blue = 0;
        for (int along = 0; along < length(); ++along) {
            const QRgb pixel = at(line, along);
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
        }
        const long long n = length();
        return {int(red / n), int(green / n), int(blue / n)};
    }

    // The mean distance of the line's pixels from a colour.
    double deviation(int line, Colour colour) const {
        long long sum = 0;
        for (int along = 0; along < length(); ++along)
            sum += distance(colour, at(line, along));
        return double(sum) / length();
    }

    // The mean distance of the line's pixels from a colour's brightness.
    double brightnessDeviation(int line, Colour colour) const {
        const int brightness = qGray(colour.red, colour.green, colour.blue);
        long long sum = 0;
        for (int along = 0; along < length(); ++along)
            sum += std::abs(qGray(at(line, along)) - brightness);
        return double(sum) / length();
    }

private:
    QRgb at(int line, int along) const {
        return m_rows ? m_image.pixel(along, line) : m_image.pixel(line, along);
    }

    const QImage& m_image;
    bool m_rows;
};

// The lines of one bar: first those of its colour, then those the compression smeared.
struct Bar {
    int clean = 0;
    int smeared = 0;
};

// The bar that starts at line `first` and grows by `step`; none when that line is no bar.
Bar barFrom(const Lines& lines, Colour colour, int first, int step) {
    const int most = lines.count() / 2;
    Bar bar;
    while (bar.clean < most && lines.deviation(first + step * bar.clean, colour) <= kBarNoise)
        ++bar.clean;
    if (bar.clean == 0)
        return bar;
    while (bar.smeared < kSmearedLines && bar.clean + bar.smeared < most &&
           lines.brightnessDeviation(first + step * (bar.clean + bar.smeared), colour) <=
               kSmearedBrightnessNoise)
        ++bar.smeared;
    return bar;
}

struct Band {
    int first = 0;
    int length = 0;
};

// The lines left for the picture once bars of one colour at both ends are cut away, with one line
// more at each end, which the compression blends with the bar. None when either end is no bar.
std::optional<Band> pictureBand(const Lines& lines, double pictureShape) {
    const int count = lines.count();
    const Colour colour = lines.average(0);
    if (lines.deviation(count - 1, colour) > kBarNoise)
        return std::nullopt;
    const Bar before = barFrom(lines, colour, 0, 1);
    const Bar after = barFrom(lines, colour, count - 1, -1);
    if (before.clean == 0 || after.clean == 0)
        return std::nullopt;
    const int betweenClean = count - before.clean - after.clean;
    const int betweenSmeared = betweenClean - before.smeared - after.smeared;
    const auto hasShape = [&](int length) {
        return std::abs(double(lines.length()) / length / pictureShape - 1.0) <=
               kProportionTolerance;
    };
    if (betweenSmeared <= 2 || !(hasShape(betweenClean) || hasShape(betweenSmeared)))
        return std::nullopt;
    return Band{before.clean + before.smeared + 1, betweenSmeared - 2};
}

// Cuts the longer side of an area, evenly at both ends, to the picture's proportions.
QRect trimmedToShape(QRect area, QSize picture) {
    const double shape = shapeOf(picture);
    if (shapeOf(area.size()) > shape) {
        const int width = int(std::lround(area.height() * shape));
        return {area.x() + (area.width() - width) / 2, area.y(), width, area.height()};
    }
    const int height = int(std::lround(area.width() / shape));
    return {area.x(), area.y() + (area.height() - height) / 2, area.width(), height};
}

} // namespace

bool sameProportions(QSize first, QSize second) {
    if (first.isEmpty() || second.isEmpty())
        return false;
    return std::abs(shapeOf(first) / shapeOf(second) - 1.0) <= kProportionTolerance;
}

QSize largestPictureArea(QSize preview, QSize picture) {
    if (preview.isEmpty() || picture.isEmpty())
        return {};
    if (sameProportions(preview, picture))
        return preview;
    return trimmedToShape(QRect(QPoint(0, 0), preview), picture).size();
}

QRect pictureAreaOf(const QImage& preview, QSize picture) {
    if (preview.isNull() || picture.isEmpty())
        return {};
    if (sameProportions(preview.size(), picture))
        return preview.rect();
    const QImage image = preview.convertToFormat(QImage::Format_RGB32);
    const bool barsAboveAndBelow = shapeOf(preview.size()) < shapeOf(picture);
    // Measured along the lines, a line's length over the band's length is the picture's shape.
    const double shapeAcross = barsAboveAndBelow ? shapeOf(picture) : 1.0 / shapeOf(picture);
    const std::optional<Band> band = pictureBand(Lines(image, barsAboveAndBelow), shapeAcross);
    if (!band)
        return {};
    const QRect area = barsAboveAndBelow ? QRect(0, band->first, image.width(), band->length)
                                         : QRect(band->first, 0, band->length, image.height());
    return trimmedToShape(area, picture);
}

} // namespace km
