// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

namespace km {

class XPButton;

// What a screen reader learns of an XPButton: a push button named by its caption, with the
// press action that clicks it as its access key does.
class XPButtonAccessible : public QAccessibleWidget {
public:
    explicit XPButtonAccessible(XPButton* button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    XPButton* button() const;
};

// Lets QAccessible create the interface above for every XPButton; later calls do nothing.
void installXPButtonAccessibility();

} // namespace km
