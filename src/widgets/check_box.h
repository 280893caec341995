// SPDX-License-Identifier: MIT
#pragma once

#include <QCheckBox>

namespace km {

// A check box with the three values the program stores: 0 unchecked, 1 checked, 2 greyed. A click
// by the user toggles between checked and unchecked; a greyed box becomes checked.
class CheckBox : public QCheckBox {
    Q_OBJECT

public:
    explicit CheckBox(const QString& text, QWidget* parent = nullptr);

    int value() const;
    // Values other than 0, 1 and 2 count as unchecked.
    void setValue(int value);

signals:
    // The value changed, by the user or by the program.
    void Click();

protected:
    void nextCheckState() override;
};

} // namespace km
