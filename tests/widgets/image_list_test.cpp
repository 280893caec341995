// SPDX-License-Identifier: MIT
#include "widgets/image_list.h"

#include <gtest/gtest.h>

using km::ImageList;

namespace {

QPixmap filled(const QColor& colour) {
    QPixmap picture(16, 16);
    picture.fill(colour);
    return picture;
}

TEST(ImageList, FindsEachPictureByItsKeyInAddingOrder) {
    ImageList list;
    EXPECT_TRUE(list.add(QStringLiteral("ICON_JPG"), filled(Qt::red)));
    EXPECT_TRUE(list.add(QStringLiteral("ICON_GIF"), filled(Qt::blue)));
    EXPECT_EQ(list.keys(), QStringList({"ICON_JPG", "ICON_GIF"}));
    EXPECT_EQ(list.picture(QStringLiteral("ICON_GIF")).toImage().pixel(3, 3),
              QColor(Qt::blue).rgb());
    EXPECT_FALSE(list.icon(QStringLiteral("ICON_JPG")).isNull());
}

TEST(ImageList, RefusesDuplicateAndEmptyKeysAndAnswersUnknownOnesWithNothing) {
    ImageList list;
    ASSERT_TRUE(list.add(QStringLiteral("A"), filled(Qt::red)));
    EXPECT_FALSE(list.add(QStringLiteral("A"), filled(Qt::green)));
    EXPECT_FALSE(list.add(QString(), filled(Qt::green)));
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list.picture(QStringLiteral("A")).toImage().pixel(0, 0), QColor(Qt::red).rgb());
    EXPECT_TRUE(list.picture(QStringLiteral("a")).isNull());
    EXPECT_TRUE(list.icon(QStringLiteral("B")).isNull());
}

} // namespace
