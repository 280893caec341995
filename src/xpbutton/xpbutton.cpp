// SPDX-License-Identifier: MIT
#include "xpbutton/xpbutton.h"

#include "numbers/rounding.h"
#include "widgets/pending_events.h"
#include "widgets/twips.h"
#include "xpbutton/button_faces.h"
#include "xpbutton/face_canvas.h"
#include "xpbutton/polling_timer.h"
#include "xpbutton/xpbutton_accessible.h"

#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcut>
#include <cmath>

namespace km {

namespace {

constexpr int kPollingIntervalMs = 25;
constexpr int kCaptionHeight = 14;
constexpr int kCaptionInset = 4;
constexpr int kPictureGap = 3;
constexpr double kDesignedWidthTwips = 2475;
constexpr double kDesignedHeightTwips = 795;
const Colour kEnabledCaption = rgb(0, 0, 0);
const Colour kDisabledCaption = rgb(161, 161, 146);

bool isActivationKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

int floorToInt(double value) {
    return static_cast<int>(std::floor(value));
}

// The defaults of the stored settings, where they differ from the designed state.
const Colour kStoredBackColor{0};
const QString kStoredCaption = QStringLiteral("Label1");

// Keeps the value unless it equals the default, which is never stored.
template <typename T> void store(std::optional<T>& field, const T& value, const T& defaultValue) {
    if (value == defaultValue)
        field.reset();
    else
        field = value;
}

} // namespace

XPButton::XPButton(QWidget* parent)
    : QWidget(parent), m_timer1(new PollingTimer(this)), m_accessKey(new QShortcut(this)),
      m_pointer([] { return QCursor::pos(); }) {
    installXPButtonAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(twipsToPixels(kDesignedWidthTwips), twipsToPixels(kDesignedHeightTwips));
    connect(m_timer1, &PollingTimer::Timer, this, &XPButton::Timer1_Timer);
    m_accessKey->setContext(Qt::WindowShortcut);
    connect(m_accessKey, &QShortcut::activated, this, &XPButton::clickIfEnabled);
    UserControl_InitProperties();
}

XPButton::~XPButton() = default;

// --- Properties --------------------------------------------------------------------------

void XPButton::setLineColor(Colour color) {
    m_lineColor = color;
    PropertyChanged(QStringLiteral("LineColor"));
}

void XPButton::setEnabled(bool enabled) {
    storeEnabled(enabled);
    // Set first, so that the window's change event sees nothing left to follow.
    m_windowEnabled = enabled;
    QWidget::setEnabled(enabled);
    scheduleRepaint();
    PropertyChanged(QStringLiteral("Enabled"));
}

void XPButton::storeEnabled(bool enabled) {
    m_enabled = enabled;
    m_label1.setColour(enabled ? kEnabledCaption : kDisabledCaption);
}

void XPButton::followWindowEnabled() {
    const bool windowEnabled = !testAttribute(Qt::WA_ForceDisabled);
    if (windowEnabled == m_windowEnabled)
        return;
    m_windowEnabled = windowEnabled;
    storeEnabled(windowEnabled);
    PropertyChanged(QStringLiteral("Enabled"));
}

void XPButton::setFont(const QFont& font) {
    m_font = font;
    PropertyChanged(QStringLiteral("Font"));
}

void XPButton::followWindowFont() {
    // Only a font set on the button itself; a parent's font is the container's, not a setting.
    if (!testAttribute(Qt::WA_SetFont) || font() == m_font)
        return;
    m_font = font();
    PropertyChanged(QStringLiteral("Font"));
}

void XPButton::setBackStyle(std::int16_t backStyle) {
    m_backStyle = backStyle;
    PropertyChanged(QStringLiteral("BackStyle"));
}

void XPButton::setBorderStyle(std::int16_t borderStyle) {
    m_borderStyle = borderStyle;
    PropertyChanged(QStringLiteral("BorderStyle"));
}

void XPButton::setCaption(const QString& caption) {
    m_label1.setCaption(caption);
    followCaption();
    PropertyChanged(QStringLiteral("Caption"));
    Relayout();
}

void XPButton::setBackColor(Colour color) {
    m_backColor = color;
    scheduleRepaint();
    PropertyChanged(QStringLiteral("BackColor"));
}

void XPButton::setPicture(const QPixmap& picture) {
    m_image1.setPicture(picture);
    PropertyChanged(QStringLiteral("Picture"));
    Relayout();
}

void XPButton::setStyle(std::int32_t style) {
    m_style = style;
    PropertyChanged(QStringLiteral("Style"));
    m_image1.setVisible(style != 0);
    Relayout();
}

void XPButton::PropertyChanged(const QString& name) {
    emit propertyChanged(name);
}

QFont XPButton::ambientFont() const {
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

// --- Stored settings ---------------------------------------------------------------------

void XPButton::UserControl_InitProperties() {
    m_enabled = true;
    m_font = ambientFont();
    m_backStyle = 0;
    m_borderStyle = 0;
    m_style = 0;
    m_lineColor = kDefaultLineColor;
}

void XPButton::UserControl_ReadProperties(const XPButtonSettings& stored) {
    m_backColor = stored.backColor.value_or(kStoredBackColor);
    scheduleRepaint();
    // The stored value only: the window stays enabled until the form sets Enabled.
    m_enabled = stored.enabled.value_or(true);
    m_font = stored.font.value_or(ambientFont());
    m_backStyle = stored.backStyle.value_or(0);
    m_borderStyle = stored.borderStyle.value_or(0);
    m_label1.setCaption(stored.caption.value_or(kStoredCaption));
    followCaption();
    setPicture(stored.picture.value_or(QPixmap()));
    // The stored style only: the picture keeps its designed visibility.
    m_style = stored.style.value_or(0);
    m_lineColor = stored.lineColor.value_or(kDefaultLineColor);
}

void XPButton::UserControl_WriteProperties(XPButtonSettings& stored) const {
    store(stored.backColor, m_backColor, kStoredBackColor);
    store(stored.enabled, m_enabled, true);
    // A font is an object held by reference, never the same object as the default one, so it is
    // always stored.
    stored.font = m_font;
    store(stored.backStyle, m_backStyle, std::int16_t{0});
    store(stored.borderStyle, m_borderStyle, std::int16_t{0});
    store(stored.caption, m_label1.caption(), kStoredCaption);
    // No picture is the default.
    if (m_image1.picture().isNull())
        stored.picture.reset();
    else
        stored.picture = m_image1.picture();
    store(stored.style, m_style, std::int32_t{0});
    store(stored.lineColor, m_lineColor, kDefaultLineColor);
}

XPButton* createXPButton(QWidget* parent, const XPButtonSettings& stored) {
    auto* button = new XPButton(parent);
    button->UserControl_ReadProperties(stored);
    return button;
}

// --- Input and states --------------------------------------------------------------------

bool XPButton::isPollingPointer() const {
    return m_timer1->isTicking();
}

void XPButton::setPointerSource(PointerSource source) {
    m_pointer = std::move(source);
}

void XPButton::mousePressEvent(QMouseEvent* event) {
    UserControl_MouseDown();
    event->accept();
}

void XPButton::mouseMoveEvent(QMouseEvent* event) {
    UserControl_MouseMove();
    event->accept();
}

void XPButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    UserControl_MouseUp();
}

void XPButton::keyPressEvent(QKeyEvent* event) {
    if (!isActivationKey(event->key())) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    UserControl_KeyDown();
}

void XPButton::keyReleaseEvent(QKeyEvent* event) {
    if (!isActivationKey(event->key())) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    event->accept();
    // A held key repeats its press; only the real release clicks.
    if (!event->isAutoRepeat())
        UserControl_KeyUp();
}

void XPButton::focusInEvent(QFocusEvent*) {
    UserControl_GotFocus();
}

void XPButton::focusOutEvent(QFocusEvent*) {
    UserControl_LostFocus();
}

void XPButton::resizeEvent(QResizeEvent*) {
    UserControl_Resize();
}

void XPButton::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::EnabledChange:
        followWindowEnabled();
        scheduleRepaint();
        break;
    case QEvent::FontChange:
        followWindowFont();
        break;
    case QEvent::PaletteChange:
        scheduleRepaint();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void XPButton::UserControl_MouseDown() {
    m_pressed = true;
    Relayout();
}

void XPButton::UserControl_MouseMove() {
    if (!IsMouseOver())
        return;
    m_hover = true;
    DrawHover();
    update();
}

void XPButton::UserControl_MouseUp() {
    if (IsMouseOver())
        releaseAndClick();
}

void XPButton::UserControl_KeyDown() {
    m_pressed = true;
    Relayout();
}

void XPButton::UserControl_KeyUp() {
    releaseAndClick();
}

QKeySequence XPButton::accessKey() const {
    return m_accessKey->key();
}

void XPButton::followCaption() {
    // Alt and the letter marked with "&" press the button, as with the platform's own buttons.
    m_accessKey->setKey(QKeySequence::mnemonic(Caption()));
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
}

// The access key and a screen reader's press: no click while the window is disabled.
void XPButton::clickIfEnabled() {
    if (isEnabled())
        releaseAndClick();
}

void XPButton::releaseAndClick() {
    m_pressed = false;
    Relayout();
    // The released look is painted before the form's handler runs. Whatever is delivered here
    // may also close the form and delete this button; then there is nobody left to click.
    const QPointer<XPButton> self(this);
    deliverPendingEvents();
    if (self)
        emit Click();
}

void XPButton::UserControl_GotFocus() {
    m_focused = true;
    Relayout();
}

void XPButton::UserControl_LostFocus() {
    m_focused = false;
    Relayout();
}

void XPButton::UserControl_Resize() {
    Relayout();
}

void XPButton::Timer1_Timer() {
    if (IsMouseOver()) {
        m_timer1->setInterval(kPollingIntervalMs);
        return;
    }
    m_timer1->setEnabled(false);
    m_timer1->setInterval(0);
    m_hover = false;
    m_pressed = false;
    DrawNormal();
    update();
    Relayout();
}

bool XPButton::IsMouseOver() const {
    const QPoint pointer = m_pointer();
    const QPoint topLeft = mapToGlobal(QPoint(0, 0));
    // Right and bottom as the window system reports them: one past the last pixel, inclusive.
    const int right = topLeft.x() + width();
    const int bottom = topLeft.y() + height();
    return topLeft.x() <= pointer.x() && pointer.x() <= right && topLeft.y() <= pointer.y() &&
           pointer.y() <= bottom;
}

// --- Drawing -----------------------------------------------------------------------------

void XPButton::scheduleRepaint() {
    m_repaintPending = true;
    update();
}

void XPButton::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_surface.size() != pixels || m_surface.devicePixelRatio() != ratio) {
        m_surface = QImage(pixels, QImage::Format_RGB32);
        m_surface.setDevicePixelRatio(ratio);
        m_repaintPending = true;
    }
    if (m_repaintPending)
        repaintSurface();
    QPainter(this).drawImage(0, 0, m_surface);
}

void XPButton::repaintSurface() {
    m_repaintPending = false;
    QPainter(&m_surface).fillRect(rect(), toQColor(m_backColor, palette()));
    UserControl_Paint();
    QPainter painter(&m_surface);
    m_image1.paint(painter);
    m_label1.paint(painter, designedSystemColours());
}

template <typename Draw> void XPButton::drawOnSurface(Draw draw) {
    if (m_surface.isNull())
        return;
    QPainter painter(&m_surface);
    FaceCanvas canvas(painter);
    // The widget's size is already whole pixels: width and height in twips over twips per pixel.
    draw(canvas, size());
}

void XPButton::UserControl_Paint() {
    if (!isEnabled()) {
        DrawDisabled();
        return;
    }
    if (m_pressed) {
        DrawPressed();
        return;
    }
    DrawNormal();
    if (m_hover)
        DrawHover();
    else if (m_focused)
        DrawFocus();
}

void XPButton::DrawNormal() {
    const QColor line = toQColor(LineColor(), designedSystemColours());
    drawOnSurface([&](FaceCanvas& canvas, QSize size) { drawNormalFace(canvas, size, line); });
}

void XPButton::DrawPressed() {
    const QColor line = toQColor(LineColor(), designedSystemColours());
    drawOnSurface([&](FaceCanvas& canvas, QSize size) { drawPressedFace(canvas, size, line); });
}

void XPButton::DrawDisabled() {
    drawOnSurface([](FaceCanvas& canvas, QSize size) { drawDisabledFace(canvas, size); });
}

void XPButton::DrawHover() {
    if (!m_pressed)
        drawOnSurface([](FaceCanvas& canvas, QSize size) { drawHoverBands(canvas, size); });
    // Whoever draws the highlight starts the polling that notices the pointer leave.
    m_timer1->setEnabled(true);
    m_timer1->setInterval(kPollingIntervalMs);
}

void XPButton::DrawFocus() {
    if (m_pressed)
        return;
    drawOnSurface([](FaceCanvas& canvas, QSize size) { drawFocusBands(canvas, size); });
}

void XPButton::Relayout() {
    const int w = width();
    const int h = height();
    if (m_style == 1) {
        const QRect picture = m_image1.geometry();
        m_image1.moveTop(floorToInt(h / 2.0 - picture.height() / 2.0));
        m_label1.fitToText();
        m_label1.setHeight(kCaptionHeight);
        const double total = roundHalfEven(m_label1.geometry().width() + picture.width() +
                                           static_cast<double>(kPictureGap));
        m_image1.moveLeft(floorToInt(w / 2.0 - total / 2.0));
        m_label1.moveLeft(picture.width() + m_image1.geometry().left() + kPictureGap);
    } else {
        m_label1.setGeometry(
            QRect(kCaptionInset, m_label1.geometry().top(), w - 2 * kCaptionInset, kCaptionHeight));
    }
    m_label1.moveTop(floorToInt(h / 2.0 - m_label1.geometry().height() / 2.0));
    scheduleRepaint();
}

} // namespace km
