// SPDX-License-Identifier: MIT
#include "widgets/picture_box.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>

namespace km {

namespace {

constexpr int kBorderWidth = 1;
constexpr double kDefaultFontPoints = 8.25;
constexpr double kMetresPerInch = 0.0254;

} // namespace

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent), m_background(64, 64, 64), m_border(128, 128, 128) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFontSize(kDefaultFontPoints);
}

PictureBox* PictureBox::createCopy() const {
    auto* copy = new PictureBox(parentWidget());
    copy->copyAppearanceFrom(*this);
    copy->setGeometry(geometry());
    copy->hide();
    return copy;
}

void PictureBox::copyAppearanceFrom(const PictureBox& other) {
    m_background = other.m_background;
    m_border = other.m_border;
    setFont(other.font());
    update();
}

void PictureBox::setBackgroundColor(const QColor& colour) {
    m_background = colour;
}

void PictureBox::setBorderColor(const QColor& colour) {
    m_border = colour;
    update();
}

void PictureBox::setFontName(const QString& family) {
    QFont changed = font();
    changed.setFamily(family);
    setFont(changed);
}

void PictureBox::setFontBold(bool bold) {
    QFont changed = font();
    changed.setBold(bold);
    setFont(changed);
}

void PictureBox::setFontSize(double points) {
    QFont changed = font();
    changed.setPointSizeF(points);
    setFont(changed);
}

double PictureBox::scaleWidth() const {
    return km::pixelsToTwips(innerRect().width());
}

double PictureBox::scaleHeight() const {
    return km::pixelsToTwips(innerRect().height());
}

void PictureBox::clear() {
    if (!ensureSurface())
        return;
    m_surface.fill(m_background);
    update();
}

void PictureBox::drawPicture(const QImage& picture, const km::TwipRect& target) {
    const QRect pixels = km::twipsToPixels(target);
    if (picture.isNull() || pixels.isEmpty() || !ensureSurface())
        return;
    QPainter painter(&m_surface);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(pixels, picture);
    update();
}

void PictureBox::printText(const QString& text, double left, double top, const QColor& colour) {
    if (text.isEmpty() || !ensureSurface())
        return;
    QPainter painter(&m_surface);
    painter.setFont(font());
    painter.setPen(colour);
    const QFontMetricsF metrics(font(), &m_surface);
    const double perPixel = km::twipsPerPixel();
    painter.drawText(QPointF(left / perPixel, top / perPixel + metrics.ascent()), text);
    update();
}

QSizeF PictureBox::textSize(const QString& text) const {
    const QFontMetricsF metrics(font());
    const double perPixel = km::twipsPerPixel();
    return {metrics.horizontalAdvance(text) * perPixel, metrics.height() * perPixel};
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_border);
    const QRect inner = innerRect();
    painter.drawRect(rect());
    if (inner.isEmpty())
        return;
    if (m_surface.isNull())
        painter.fillRect(inner, m_background);
    else
        painter.drawImage(inner.topLeft(), m_surface);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ensureSurface();
}

QRect PictureBox::innerRect() const {
    return rect().adjusted(kBorderWidth, kBorderWidth, -kBorderWidth, -kBorderWidth);
}

bool PictureBox::ensureSurface() {
    const QSize logical = innerRect().size();
    if (logical.isEmpty())
        return false;
    const qreal ratio = devicePixelRatioF();
    const QSize physical = logical * ratio;
    if (m_surface.size() == physical && m_surface.devicePixelRatio() == ratio)
        return true;

    QImage grown(physical, QImage::Format_RGB32);
    grown.setDevicePixelRatio(ratio);
    const int dotsPerMetre = qRound(logicalDpiX() / kMetresPerInch);
    grown.setDotsPerMeterX(dotsPerMetre);
    grown.setDotsPerMeterY(qRound(logicalDpiY() / kMetresPerInch));
    grown.fill(m_background);
    if (!m_surface.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(QPointF(0, 0), m_surface);
    }
    m_surface = std::move(grown);
    return true;
}

} // namespace km
