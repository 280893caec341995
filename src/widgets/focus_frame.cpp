// SPDX-License-Identifier: MIT
#include "widgets/focus_frame.h"

#include <QAbstractScrollArea>
#include <QFocusEvent>
#include <QPainter>

namespace km {

FocusFrame::FocusFrame(QWidget& control) : QWidget(&control), m_control(control) {
    setObjectName(control.objectName() + QStringLiteral("FocusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    control.installEventFilter(this);
    // A scroll area's clicks land on its viewport.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(&control))
        area->viewport()->installEventFilter(this);
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_control) {
        if (event->type() == QEvent::MouseButtonPress)
            hide();
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
            reason == Qt::ShortcutFocusReason) {
            setGeometry(m_control.rect());
            raise();
            show();
        }
        break;
    }
    case QEvent::FocusOut:
    case QEvent::MouseButtonPress:
        hide();
        break;
    case QEvent::Resize:
        setGeometry(m_control.rect());
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight));
    pen.setWidth(2);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

} // namespace km
