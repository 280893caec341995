// SPDX-License-Identifier: MIT
#include "xpbutton/xpbutton.h"

#include <QAccessible>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

TEST(XPButtonAccessible, APushButtonNamedByItsCaptionThatPressesWhileEnabled) {
    QWidget window;
    km::XPButton* button = km::createXPButton(&window, {.caption = QStringLiteral("&Undo")});
    QSignalSpy clicks(button, &km::XPButton::Click);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Button);
    EXPECT_EQ(face->text(QAccessible::Name), "Undo");
    QAccessibleActionInterface* actions = face->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));

    const struct {
        const char* caption;
        const char* name;
        const char* key;
    } cases[] = {{"E&xit", "Exit", "Alt+X"},
                 {"Fish && Chips", "Fish & Chips", ""},
                 {"Label1", "Label1", ""},
                 {"Go&", "Go", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        button->setCaption(c.caption);
        EXPECT_EQ(face->text(QAccessible::Name), c.name);
        EXPECT_EQ(face->text(QAccessible::Accelerator), c.key);
        EXPECT_TRUE(face->state().focusable);
        EXPECT_FALSE(face->state().disabled);
        clicks.clear();
        actions->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(clicks.size(), 1);

        button->setEnabled(false);
        EXPECT_TRUE(face->state().disabled);
        actions->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(clicks.size(), 1);
        button->setEnabled(true);
    }
}

} // namespace
