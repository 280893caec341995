// SPDX-License-Identifier: MIT
#pragma once

#include "xpbutton/colour_printer.h"
#include "xpbutton/xpbutton.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

inline std::string colourName(int red, int green, int blue) {
    return QColor(red, green, blue).name().toStdString();
}

inline std::string colourAt(const QImage& image, int x, int y) {
    return image.pixelColor(x, y).name().toStdString();
}

// A 57 x 21 button without caption on a violet background, inside a shown host window; the
// pointer position it sees is the fixture's own.
class ButtonFixture : public ::testing::Test {
protected:
    static constexpr int kWidth = 57;
    static constexpr int kHeight = 21;

    void SetUp() override {
        host.resize(300, 200);
        button = new km::XPButton(&host);
        button->setGeometry(20, 30, kWidth, kHeight);
        button->setBackColor(km::rgb(128, 128, 255));
        button->setCaption(QString());
        button->setPointerSource([this] { return pointer; });
        // The host keeps the focus, so the button starts without its focus ring.
        host.setFocusPolicy(Qt::StrongFocus);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
        host.setFocus();
        ASSERT_FALSE(button->Focused());
    }

    QImage face() const { return button->grab().toImage(); }

    void pointAt(QPoint local) { pointer = button->mapToGlobal(local); }
    void pointInside() { pointAt(QPoint(10, 10)); }
    void pointOutside() { pointAt(QPoint(kWidth + 40, 10)); }

    void send(QEvent::Type type, Qt::MouseButton which, Qt::MouseButtons held) {
        const QPoint local = button->mapFromGlobal(pointer);
        QMouseEvent event(type, local, pointer, which, held, Qt::NoModifier);
        QApplication::sendEvent(button, &event);
    }
    void moveInside() {
        pointInside();
        send(QEvent::MouseMove, Qt::NoButton, m_held);
    }
    void moveOutside() {
        pointOutside();
        send(QEvent::MouseMove, Qt::NoButton, m_held);
    }
    void press(Qt::MouseButton which = Qt::LeftButton) {
        m_held |= which;
        send(QEvent::MouseButtonPress, which, m_held);
    }
    void doubleClickPress(Qt::MouseButton which = Qt::LeftButton) {
        m_held |= which;
        send(QEvent::MouseButtonDblClick, which, m_held);
    }
    void release(Qt::MouseButton which = Qt::LeftButton) {
        m_held &= ~Qt::MouseButtons(which);
        send(QEvent::MouseButtonRelease, which, m_held);
    }
    void key(QEvent::Type type, int code, bool autoRepeat = false) {
        const QString text = code == Qt::Key_Space ? QStringLiteral(" ") : QString();
        QKeyEvent event(type, code, Qt::NoModifier, text, autoRepeat);
        QApplication::sendEvent(button, &event);
    }
    void focus(bool gained) {
        QFocusEvent event(gained ? QEvent::FocusIn : QEvent::FocusOut);
        QApplication::sendEvent(button, &event);
    }
    // Lets the hover timer tick until the button has dropped its hover and press.
    bool waitForRest() {
        return QTest::qWaitFor([this] { return !button->Hover() && !button->Pressed(); }, 5000);
    }

    QWidget host;
    km::XPButton* button = nullptr;
    QPoint pointer{-1000, -1000};

private:
    Qt::MouseButtons m_held;
};
