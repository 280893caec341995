#include "platform/list_view.h"
#include "platform/photo_list_model.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ListViewTest : public testing::Test {
protected:
    ListViewTest() {
        list.addColumn("ORGNAME", "Original Name", 2362.5);
        list.addColumn("NEWNAME", "New Name", 2362.5);
        list.resize(400, 300);
        tester = std::make_unique<QAbstractItemModelTester>(
            list.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    }

    void addRows(std::initializer_list<QString> names) {
        for (const QString& name : names)
            list.addRow(name);
    }

    ListView list;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

TEST_F(ListViewTest, NumbersRowsInOrderOfAddingWithEmptySubItems) {
    addRows({"x.jpg", "y.jpg"});
    list.clearRows();
    EXPECT_EQ(list.rowTotal(), 0);
    EXPECT_EQ(list.addRow("c.jpg"), 1);
    EXPECT_EQ(list.addRow("a.jpg"), 2);
    EXPECT_EQ(list.addRow("b.jpg"), 3);
    EXPECT_EQ(list.rowTotal(), 3);
    EXPECT_EQ(list.text(1), "c.jpg");
    EXPECT_EQ(list.text(3), "b.jpg");
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(list.subItem(row), "");
    list.refresh();
    EXPECT_EQ(list.model()->rowCount(), 3);
    EXPECT_EQ(list.model()->index(0, 0).data().toString(), "c.jpg");
}

TEST_F(ListViewTest, ShowsColumnsWithTheirHeadersAndWidths) {
    EXPECT_EQ(list.model()->headerData(0, Qt::Horizontal).toString(), "Original Name");
    EXPECT_EQ(list.model()->headerData(1, Qt::Horizontal).toString(), "New Name");
    EXPECT_EQ(list.columnWidth(0), 158); // 2362.5 twips, 157.5 pixels rounded half-even
}

TEST_F(ListViewTest, SubItemsAndColoursReadBackAndShowAfterRefresh) {
    addRows({"a.jpg", "b.jpg"});
    list.setSubItem(2, "foto_002.jpg");
    list.setTextColour(2, qRgb(255, 0, 0));
    list.setSubItemColour(2, qRgb(255, 0, 0));
    EXPECT_EQ(list.subItem(2), "foto_002.jpg");
    QSignalSpy changes(list.model(), &QAbstractItemModel::dataChanged);
    list.refresh();
    EXPECT_EQ(changes.count(), 1);
    const QModelIndex row2 = list.model()->index(1, 0);
    EXPECT_EQ(row2.siblingAtColumn(1).data().toString(), "foto_002.jpg");
    EXPECT_EQ(row2.data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
    EXPECT_EQ(row2.siblingAtColumn(1).data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
    list.setTextColour(2, qRgb(0, 0, 0));
    list.setSubItemColour(2, qRgb(0, 0, 0));
    list.refresh();
    EXPECT_EQ(row2.data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 0));
    EXPECT_EQ(row2.siblingAtColumn(1).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 0));
}

TEST_F(ListViewTest, ASelectedRedRowStaysRed) {
    addRows({"a.jpg", "b.jpg"});
    list.setSelected(1, true);
    list.setTextColour(1, qRgb(255, 0, 0));
    list.setSubItemColour(1, qRgb(255, 0, 0));
    list.setSelected(2, true);
    list.refresh();
    list.show();
    const QImage shot = list.viewport()->grab().toImage();
    const auto background = [&](int row) {
        const QRect cell = list.visualRect(list.model()->index(row - 1, 1));
        return QColor(shot.pixel(cell.right() - 2, cell.center().y()));
    };
    EXPECT_EQ(background(1), QColor(255, 0, 0));
    EXPECT_NE(background(2), QColor(255, 0, 0));
}

TEST_F(ListViewTest, ThousandsOfRowsAreAnnouncedInOneNotificationEach) {
    QSignalSpy inserts(list.model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy changes(list.model(), &QAbstractItemModel::dataChanged);
    for (int i = 1; i <= 5000; ++i)
        list.addRow(QString("IMG_%1.jpg").arg(i));
    for (int i = 1; i <= 5000; ++i) {
        list.setSubItem(i, QString("foto_%1.jpg").arg(i));
        list.setTextColour(i, qRgb(255, 0, 0));
    }
    list.refresh();
    EXPECT_EQ(inserts.count(), 1);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(list.model()->rowCount(), 5000);
}

TEST_F(ListViewTest, RowsAddedAreShownOnceControlReturnsToTheEventLoop) {
    addRows({"a.jpg"});
    QCoreApplication::processEvents();
    EXPECT_EQ(list.model()->rowCount(), 1);
}

TEST_F(ListViewTest, SelectedFlagsReadBackAndTheFirstSelectedIsTheSelectedItem) {
    addRows({"a.jpg", "b.jpg", "c.jpg"});
    EXPECT_EQ(list.selectedItemPosition(), 0);
    for (int row = 1; row <= 3; ++row) {
        list.setSelected(row, false);
        EXPECT_FALSE(list.isSelected(row));
    }
    list.setSelected(2, true);
    EXPECT_TRUE(list.isSelected(2));
    EXPECT_FALSE(list.isSelected(1));
    EXPECT_EQ(list.selectedItemPosition(), 2);
    list.setSelected(3, true);
    EXPECT_TRUE(list.isSelected(3));
    list.setSelected(2, false);
    EXPECT_EQ(list.selectedItemPosition(), 3);
}

TEST_F(ListViewTest, ClickingRowsSelectsWithShiftAndCtrlAndRaisesClick) {
    addRows({"a.jpg", "b.jpg", "c.jpg", "d.jpg"});
    list.setSelected(1, true);
    list.show();
    QSignalSpy clicks(&list, &ListView::Click);
    auto rowCentre = [this](int row) {
        return list.visualRect(list.model()->index(row - 1, 0)).center();
    };
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ShiftModifier, rowCentre(3));
    EXPECT_TRUE(list.isSelected(1) && list.isSelected(2) && list.isSelected(3));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(2));
    EXPECT_FALSE(list.isSelected(2));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(4));
    EXPECT_EQ(list.selectedItemPosition(), 4);
    EXPECT_FALSE(list.isSelected(1));
    EXPECT_EQ(clicks.count(), 3);
}

TEST_F(ListViewTest, ShowsTheIconOfEachRowsKey) {
    QPixmap red(16, 16);
    red.fill(Qt::red);
    list.bindImageList(
        [&](const QString& key) { return key == "ICON_JPG" ? QIcon(red) : QIcon(); });
    addRows({"a.jpg", "b.txt"});
    list.setSmallIcon(1, "ICON_JPG");
    list.refresh();
    EXPECT_FALSE(list.model()->index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_FALSE(list.model()->index(1, 0).data(Qt::DecorationRole).isValid());
}

} // namespace
