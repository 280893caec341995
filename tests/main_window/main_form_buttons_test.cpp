// SPDX-License-Identifier: MIT
#include "main_window/main_form_buttons.h"
#include "widgets/designed_font.h"
#include "xpbutton/button_fixture.h"

#include <QSignalSpy>

TEST(XPButtonSettings, MainWindowButtons) {
    const struct {
        const char* name;
        const char* caption;
    } buttons[] = {
        {"bExit", "E&xit"}, {"bAbout", "&About"}, {"bUndo", "&Undo"}, {"bRename", "&Rename!"}};
    for (const auto& expected : buttons) {
        const km::XPButtonSettings stored =
            km::mainFormButtonSettings(QString::fromLatin1(expected.name));
        km::XPButton* button = km::createXPButton(nullptr, stored);
        EXPECT_EQ(button->Caption(), expected.caption);
        EXPECT_EQ(button->BackColor(), km::Colour{0x00FF8080});
        EXPECT_EQ(button->Font(), km::designedFont());
        EXPECT_EQ(button->Font().pointSizeF(), 8.25);
        EXPECT_EQ(button->Font().family(), "MS Sans Serif");
        km::XPButtonSettings saved;
        button->UserControl_WriteProperties(saved);
        const QStringList names = QLatin1String(expected.name) == QLatin1String("bUndo")
                                      ? QStringList{"BackColor", "Enabled", "Font", "Caption"}
                                      : QStringList{"BackColor", "Font", "Caption"};
        EXPECT_EQ(saved.storedNames(), names) << expected.name;
        delete button;
    }
    EXPECT_TRUE(km::mainFormButtonSettings(QStringLiteral("bNothing")).storedNames().isEmpty());
}

// Stored "Enabled" false is only remembered: the button still takes input and looks enabled
// until its form sets the property.
TEST_F(ButtonFixture, StoredDisabledButtonStillWorks) {
    button->UserControl_ReadProperties(km::mainFormButtonSettings(QStringLiteral("bUndo")));
    button->setCaption(QString());
    EXPECT_FALSE(button->Enabled());
    EXPECT_TRUE(button->isEnabled());
    QSignalSpy clicks(button, &km::XPButton::Click);
    pointInside();
    press();
    release();
    EXPECT_EQ(clicks.size(), 1);
    pointOutside();
    ASSERT_TRUE(waitForRest());
    EXPECT_EQ(colourAt(face(), 28, 0), colourName(0, 60, 116));
    EXPECT_EQ(colourAt(face(), 0, 0), colourName(128, 128, 255));
    button->setEnabled(false);
    EXPECT_EQ(colourAt(face(), 28, 0), colourName(201, 199, 186));
}
