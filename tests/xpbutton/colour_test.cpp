// SPDX-License-Identifier: MIT
#include "xpbutton/colour.h"

#include <QPalette>
#include <gtest/gtest.h>

TEST(Colour, RedIsTheLowByteAndSystemColoursComeFromThePalette) {
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::ButtonText, QColor(4, 5, 6));
    EXPECT_EQ(km::rgb(10, 20, 30).value(), 0x001E140Au);
    EXPECT_EQ(km::toQColor(km::Colour{0x001E140A}, palette), QColor(10, 20, 30));
    EXPECT_FALSE(km::isSystemColour(km::rgb(255, 255, 255)));
    EXPECT_TRUE(km::isSystemColour(km::kSystemButtonFace));
    EXPECT_EQ(km::toQColor(km::kSystemButtonFace, palette), QColor(1, 2, 3));
    EXPECT_EQ(km::toQColor(km::kSystemButtonText, palette), QColor(4, 5, 6));
}
