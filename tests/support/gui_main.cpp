// SPDX-License-Identifier: MIT
#include "widgets/fonts.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    km::installFontSubstitutes();
    return RUN_ALL_TESTS();
}
