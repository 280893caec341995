#include "controls/xpbutton/xpbutton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

XPButton::XPButton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void XPButton::setCaption(const QString& caption) {
    m_caption = caption;
    update();
}

void XPButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), isEnabled() ? QColor(236, 233, 216) : QColor(245, 244, 234));
    painter.setPen(QColor(0, 60, 116));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(isEnabled() ? Qt::black : QColor(161, 161, 146));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, m_caption);
}

void XPButton::mouseReleaseEvent(QMouseEvent* event) {
    if (isEnabled() && rect().contains(event->position().toPoint()))
        emit Click();
}

void XPButton::keyReleaseEvent(QKeyEvent* event) {
    if (isEnabled() && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return))
        emit Click();
}
