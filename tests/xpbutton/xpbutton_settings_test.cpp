// SPDX-License-Identifier: MIT
#include "button_fixture.h"
#include "widgets/designed_font.h"

#include <QSignalSpy>

using km::createXPButton;
using km::XPButton;

TEST(XPButtonSettings, DefaultValuesAreNotStored) {
    XPButton button;
    button.setBackColor(km::Colour{0});
    button.setCaption(QStringLiteral("Label1"));
    button.setEnabled(false);
    km::XPButtonSettings stored;
    button.UserControl_WriteProperties(stored);
    EXPECT_EQ(stored.storedNames(), QStringList({"Enabled", "Font"}));
    // Writing the default over a stored value leaves nothing behind to read back.
    button.setEnabled(true);
    button.UserControl_WriteProperties(stored);
    // A font is an object and always stored.
    EXPECT_EQ(stored.storedNames(), QStringList({"Font"}));
}

TEST(XPButtonSettings, EmptyStoreYieldsTheDefaults) {
    QWidget form;
    form.setFont(QFont(QStringLiteral("Serif"), 13));
    XPButton* button = createXPButton(&form, km::XPButtonSettings());
    EXPECT_EQ(button->BackColor(), km::Colour{0});
    EXPECT_TRUE(button->Enabled());
    EXPECT_EQ(button->Font(), form.font());
    EXPECT_EQ(button->BackStyle(), 0);
    EXPECT_EQ(button->BorderStyle(), 0);
    EXPECT_EQ(button->Caption(), "Label1");
    EXPECT_TRUE(button->Picture().isNull());
    EXPECT_EQ(button->Style(), 0);
    EXPECT_EQ(button->LineColor(), km::rgb(0, 60, 116));
    EXPECT_EQ(colourAt(button->grab().toImage(), 0, 0), colourName(0, 0, 0));
}

TEST(XPButtonSettings, NewInstanceStoresBackColorFontAndCaptionOnly) {
    QWidget form;
    XPButton button(&form);
    EXPECT_EQ(button.Caption(), "Command");
    EXPECT_EQ(button.BackColor(), km::kSystemButtonFace);
    EXPECT_EQ(button.size(), QSize(165, 53));
    km::XPButtonSettings stored;
    button.UserControl_WriteProperties(stored);
    EXPECT_EQ(stored.storedNames(), QStringList({"BackColor", "Font", "Caption"}));
    EXPECT_EQ(stored.caption, "Command");
}

TEST(XPButtonSettings, CaptionLabel1IsNotStoredAndReadsBack) {
    XPButton button;
    button.setCaption(QStringLiteral("Label1"));
    km::XPButtonSettings stored;
    button.UserControl_WriteProperties(stored);
    EXPECT_FALSE(stored.caption.has_value());
    XPButton* again = createXPButton(nullptr, stored);
    EXPECT_EQ(again->Caption(), "Label1");
    delete again;
}

TEST(XPButtonSettings, EverySettingRoundTrips) {
    XPButton button;
    QPixmap picture(4, 4);
    picture.fill(Qt::green);
    button.setBackColor(km::rgb(1, 2, 3));
    button.setEnabled(false);
    button.setBackStyle(1);
    button.setBorderStyle(2);
    button.setCaption(QStringLiteral("&Go"));
    button.setPicture(picture);
    button.setStyle(1);
    button.setLineColor(km::rgb(9, 8, 7));
    km::XPButtonSettings stored;
    button.UserControl_WriteProperties(stored);
    EXPECT_EQ(stored.storedNames().size(), 9);

    XPButton* copy = createXPButton(nullptr, stored);
    EXPECT_EQ(copy->BackColor(), km::rgb(1, 2, 3));
    EXPECT_FALSE(copy->Enabled());
    EXPECT_EQ(copy->BackStyle(), 1);
    EXPECT_EQ(copy->BorderStyle(), 2);
    EXPECT_EQ(copy->Caption(), "&Go");
    EXPECT_EQ(copy->Picture().size(), QSize(4, 4));
    EXPECT_EQ(copy->Style(), 1);
    EXPECT_EQ(copy->LineColor(), km::rgb(9, 8, 7));
    delete copy;
}

TEST(XPButtonSettings, ReadingTheStyleLeavesThePictureVisibilityAlone) {
    XPButton* button = createXPButton(nullptr, {.style = 0});
    EXPECT_TRUE(button->Image1().isVisible());
    button->setStyle(0);
    EXPECT_FALSE(button->Image1().isVisible());
    button->UserControl_ReadProperties({.style = 1});
    EXPECT_FALSE(button->Image1().isVisible());
    EXPECT_EQ(button->Style(), 1);
    delete button;
}

TEST(XPButtonSettings, SettersReportTheirProperty) {
    XPButton button;
    QSignalSpy reports(&button, &XPButton::propertyChanged);
    button.setLineColor(km::Colour{1});
    button.setEnabled(true);
    button.setFont(QFont());
    button.setBackStyle(1);
    button.setBorderStyle(1);
    button.setCaption(QStringLiteral("x"));
    button.setBackColor(km::Colour{1});
    button.setPicture(QPixmap());
    button.setStyle(1);
    QStringList names;
    for (const QList<QVariant>& report : reports)
        names << report.at(0).toString();
    EXPECT_EQ(names, QStringList({"LineColor", "Enabled", "Font", "BackStyle", "BorderStyle",
                                  "Caption", "BackColor", "Picture", "Style"}));
    // Reading stored settings reports only the picture, which goes through its setter.
    reports.clear();
    button.UserControl_ReadProperties({.caption = QStringLiteral("y")});
    ASSERT_EQ(reports.size(), 1);
    EXPECT_EQ(reports.at(0).at(0).toString(), "Picture");
}

TEST(XPButtonSettings, EnabledSetterRecoloursTheCaption) {
    XPButton button;
    EXPECT_EQ(button.Label1().colour(), km::kSystemButtonText);
    button.setEnabled(false);
    EXPECT_EQ(button.Label1().colour(), km::rgb(161, 161, 146));
    EXPECT_FALSE(button.isEnabled());
    button.setEnabled(true);
    EXPECT_EQ(button.Label1().colour(), km::rgb(0, 0, 0));
    EXPECT_TRUE(button.isEnabled());
}

TEST(XPButtonSettings, EnabledAndFontSetThroughAPlainWidgetTakeTheSettersSteps) {
    QWidget form;
    XPButton* button = createXPButton(&form, {.enabled = false});
    QSignalSpy reports(button, &XPButton::propertyChanged);
    // The parent's state is not the button's setting: the stored value stays unapplied.
    form.setEnabled(false);
    form.setEnabled(true);
    EXPECT_FALSE(button->Enabled());
    QWidget* widget = button;
    widget->setEnabled(false);
    EXPECT_EQ(button->Label1().colour(), km::rgb(161, 161, 146));
    widget->setEnabled(true);
    EXPECT_TRUE(button->Enabled());
    EXPECT_EQ(button->Label1().colour(), km::rgb(0, 0, 0));
    widget->setFont(QFont(QStringLiteral("Serif"), 13));
    EXPECT_EQ(button->Font().pointSize(), 13);
    QStringList names;
    for (const QList<QVariant>& report : reports)
        names << report.at(0).toString();
    EXPECT_EQ(names, QStringList({"Enabled", "Enabled", "Font"}));
}
