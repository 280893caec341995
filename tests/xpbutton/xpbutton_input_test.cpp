// SPDX-License-Identifier: MIT
#include "button_fixture.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTimer>

using km::XPButton;

namespace {

const std::string kNormalTop = colourName(255, 255, 255);
const std::string kPressedTop = colourName(209, 204, 193);
const std::string kHoverTop = colourName(255, 240, 207);
const std::string kFocusTop = colourName(206, 231, 255);

std::string topRow(const QImage& image) {
    return colourAt(image, 28, 1);
}

} // namespace

using ButtonInput = ButtonFixture;

TEST_F(ButtonInput, HoverPollingRunsOnlyWhileThePointerIsNear) {
    EXPECT_FALSE(button->isPollingPointer());
    moveOutside();
    EXPECT_FALSE(button->Hover());
    EXPECT_FALSE(button->isPollingPointer());

    moveInside();
    EXPECT_TRUE(button->Hover());
    EXPECT_TRUE(button->isPollingPointer());
    EXPECT_EQ(topRow(face()), kHoverTop);

    pointOutside();
    ASSERT_TRUE(waitForRest());
    EXPECT_FALSE(button->isPollingPointer());
    EXPECT_EQ(topRow(face()), kNormalTop);
}

TEST_F(ButtonInput, ClickOnReleaseOverTheButtonWithAnyMouseButton) {
    QSignalSpy clicks(button, &XPButton::Click);
    bool pressedDuringClick = false;
    QObject::connect(button, &XPButton::Click, button,
                     [&] { pressedDuringClick = pressedDuringClick || button->Pressed(); });
    moveInside();
    for (Qt::MouseButton which : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        press(which);
        EXPECT_TRUE(button->Pressed());
        EXPECT_EQ(topRow(face()), kPressedTop);
        release(which);
        EXPECT_FALSE(button->Pressed());
        EXPECT_EQ(topRow(face()), kHoverTop);
    }
    EXPECT_EQ(clicks.size(), 3);
    EXPECT_FALSE(pressedDuringClick);
}

TEST_F(ButtonInput, SecondReleaseOfADoubleClickClicksAgain) {
    QSignalSpy clicks(button, &XPButton::Click);
    moveInside();
    press();
    release();
    doubleClickPress();
    EXPECT_TRUE(button->Pressed());
    release();
    EXPECT_EQ(clicks.size(), 2);
}

TEST_F(ButtonInput, LeavingWhilePressedDropsThePress) {
    QSignalSpy clicks(button, &XPButton::Click);
    moveInside();
    press();
    moveOutside();
    EXPECT_TRUE(button->Pressed());
    ASSERT_TRUE(waitForRest());
    EXPECT_EQ(topRow(face()), kNormalTop);
    release();
    EXPECT_EQ(clicks.size(), 0);
    EXPECT_EQ(topRow(face()), kNormalTop);
}

TEST_F(ButtonInput, ReleaseOutsideBeforeTheTimerTicksKeepsThePressedLook) {
    QSignalSpy clicks(button, &XPButton::Click);
    moveInside();
    press();
    moveOutside();
    release();
    EXPECT_EQ(clicks.size(), 0);
    EXPECT_TRUE(button->Pressed());
    EXPECT_EQ(topRow(face()), kPressedTop);
    ASSERT_TRUE(waitForRest());
    EXPECT_EQ(topRow(face()), kNormalTop);
}

TEST_F(ButtonInput, ReEnteringAfterTheDropShowsHoverAndClicks) {
    QSignalSpy clicks(button, &XPButton::Click);
    moveInside();
    press();
    moveOutside();
    ASSERT_TRUE(waitForRest());
    moveInside();
    EXPECT_TRUE(button->Hover());
    EXPECT_FALSE(button->Pressed());
    EXPECT_EQ(topRow(face()), kHoverTop);
    release();
    EXPECT_EQ(clicks.size(), 1);
}

TEST_F(ButtonInput, PointerTestIncludesTheRightAndBottomEdges) {
    pointAt(QPoint(kWidth, kHeight));
    send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(button->Hover());
    pointAt(QPoint(kWidth + 1, 5));
    ASSERT_TRUE(waitForRest());
    pointAt(QPoint(5, kHeight + 1));
    send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
    EXPECT_FALSE(button->Hover());
    pointAt(QPoint(-1, 5));
    send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
    EXPECT_FALSE(button->Hover());
    pointAt(QPoint(0, 0));
    send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(button->Hover());
}

TEST_F(ButtonInput, SpaceOrEnterHeldDownClicksOnceOnRelease) {
    QSignalSpy clicks(button, &XPButton::Click);
    for (int code : {int(Qt::Key_Space), int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        key(QEvent::KeyPress, code);
        EXPECT_TRUE(button->Pressed());
        for (int repeat = 0; repeat < 3; ++repeat) {
            key(QEvent::KeyRelease, code, true);
            key(QEvent::KeyPress, code, true);
            EXPECT_EQ(topRow(face()), kPressedTop);
        }
        key(QEvent::KeyRelease, code);
        EXPECT_FALSE(button->Pressed());
    }
    EXPECT_EQ(clicks.size(), 3);
}

TEST_F(ButtonInput, OtherKeysDoNothing) {
    QSignalSpy clicks(button, &XPButton::Click);
    for (int code : {int(Qt::Key_Escape), int(Qt::Key_A), int(Qt::Key_Tab)}) {
        key(QEvent::KeyPress, code);
        key(QEvent::KeyRelease, code);
    }
    EXPECT_FALSE(button->Pressed());
    EXPECT_EQ(clicks.size(), 0);
    // A release of Space clicks even when its press went elsewhere.
    key(QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(clicks.size(), 1);
}

TEST_F(ButtonInput, HoverWinsOverTheFocusRing) {
    focus(true);
    EXPECT_TRUE(button->Focused());
    EXPECT_EQ(topRow(face()), kFocusTop);
    moveInside();
    EXPECT_EQ(topRow(face()), kHoverTop);
    press();
    EXPECT_EQ(topRow(face()), kPressedTop);
    release();
    EXPECT_EQ(topRow(face()), kHoverTop);
    pointOutside();
    ASSERT_TRUE(waitForRest());
    EXPECT_EQ(topRow(face()), kFocusTop);
    focus(false);
    EXPECT_EQ(topRow(face()), kNormalTop);
}

TEST_F(ButtonInput, DisabledButtonEndsItsHoverAtTheNextTick) {
    moveInside();
    button->setEnabled(false);
    EXPECT_TRUE(button->Hover());
    EXPECT_EQ(topRow(face()), colourName(245, 244, 234));
    pointOutside();
    ASSERT_TRUE(waitForRest());
    EXPECT_FALSE(button->isPollingPointer());
    EXPECT_EQ(topRow(face()), colourName(245, 244, 234));
}

TEST_F(ButtonInput, ButtonDeletedWhilePendingEventsAreDeliveredDoesNotClick) {
    int clicks = 0;
    QObject::connect(button, &XPButton::Click, &host, [&] { ++clicks; });
    QPointer<XPButton> watched(button);
    moveInside();
    press();
    QTimer::singleShot(0, &host, [&] { delete button; });
    release();
    EXPECT_TRUE(watched.isNull());
    EXPECT_EQ(clicks, 0);
}

namespace {

TEST(XPButtonAccessKey, AltAndTheMarkedLetterPressTheButtonWhileEnabled) {
    QWidget window;
    auto* button = new XPButton(&window);
    button->setCaption("E&xit");
    auto* other = new XPButton(&window);
    other->setCaption("&About");
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QSignalSpy clicks(button, &XPButton::Click);
    QSignalSpy otherClicks(other, &XPButton::Click);
    QTest::keyClick(&window, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(otherClicks.count(), 0);
    button->setEnabled(false);
    QTest::keyClick(&window, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
}

} // namespace
