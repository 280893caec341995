// SPDX-License-Identifier: MIT
#include "xpbutton/xpbutton_accessible.h"

#include "xpbutton/xpbutton.h"

namespace km {

namespace {

QAccessibleInterface* createInterface(const QString& key, QObject* object) {
    if (key != QLatin1String(XPButton::staticMetaObject.className()))
        return nullptr;
    auto* button = qobject_cast<XPButton*>(object);
    return button ? new XPButtonAccessible(button) : nullptr;
}

} // namespace

XPButtonAccessible::XPButtonAccessible(XPButton* button)
    : QAccessibleWidget(button, QAccessible::Button) {}

XPButton* XPButtonAccessible::button() const {
    return static_cast<XPButton*>(widget());
}

QString XPButtonAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name: {
        const QString given = widget()->accessibleName();
        return given.isEmpty() ? button()->Label1().shownText() : given;
    }
    case QAccessible::Accelerator:
        return button()->accessKey().toString(QKeySequence::NativeText);
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State XPButtonAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = button()->Pressed();
    return state;
}

QStringList XPButtonAccessible::actionNames() const {
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
}

void XPButtonAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction())
        button()->clickIfEnabled();
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList XPButtonAccessible::keyBindingsForAction(const QString& actionName) const {
    const QKeySequence key = button()->accessKey();
    if (actionName == pressAction() && !key.isEmpty())
        return {key.toString(QKeySequence::NativeText)};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

void installXPButtonAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(createInterface);
        return true;
    }();
    (void)installed;
}

} // namespace km
