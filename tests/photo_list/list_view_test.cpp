// SPDX-License-Identifier: MIT
#include "photo_list/list_view.h"
#include "photo_list/photo_list_model.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

using km::ListView;

namespace {

// Counts the paint events of the object it filters.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(int& paints) : m_paints(paints) {}
    bool eventFilter(QObject*, QEvent* event) override {
        m_paints += event->type() == QEvent::Paint;
        return false;
    }

private:
    int& m_paints;
};

class ListViewTest : public testing::Test {
protected:
    ListViewTest() {
        list.addColumn("ORGNAME", "Original Name", 2362.5);
        list.addColumn("NEWNAME", "New Name", 2362.5);
        list.resize(400, 300);
        tester = std::make_unique<QAbstractItemModelTester>(
            list.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    }

    void setRows(const QStringList& names) { list.photos().setPhotos(names, {}); }

    QColor colour(int row, int column) const {
        return list.model()->index(row - 1, column).data(Qt::ForegroundRole).value<QColor>();
    }

    ListView list;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

TEST_F(ListViewTest, NumbersRowsInOrderOfAddingWithEmptySubItems) {
    setRows({"x.jpg", "y.jpg"});
    setRows({});
    EXPECT_EQ(list.rowTotal(), 0);
    setRows({"c.jpg", "a.jpg", "b.jpg"});
    EXPECT_EQ(list.rowTotal(), 3);
    EXPECT_EQ(list.text(1), "c.jpg");
    EXPECT_EQ(list.text(2), "a.jpg");
    EXPECT_EQ(list.text(3), "b.jpg");
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(list.subItem(row), "");
    EXPECT_EQ(list.model()->rowCount(), 3);
    EXPECT_EQ(list.model()->index(0, 0).data().toString(), "c.jpg");
}

TEST_F(ListViewTest, ShowsColumnsWithTheirHeadersAndWidths) {
    EXPECT_EQ(list.model()->headerData(0, Qt::Horizontal).toString(), "Original Name");
    EXPECT_EQ(list.model()->headerData(1, Qt::Horizontal).toString(), "New Name");
    EXPECT_EQ(list.columnWidth(0), 158); // 2362.5 twips, 157.5 pixels rounded half-even
}

TEST_F(ListViewTest, SubItemsAndColoursReadBackAndShowAfterRefresh) {
    setRows({"a.jpg", "b.jpg"});
    QSignalSpy changes(list.model(), &QAbstractItemModel::dataChanged);
    list.photos().setNewNames({"", "foto_002.jpg"});
    EXPECT_EQ(changes.count(), 1);
    list.photos().setConflictRows({1});
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(list.subItem(2), "foto_002.jpg");
    const QModelIndex row2 = list.model()->index(1, 0);
    EXPECT_EQ(row2.siblingAtColumn(1).data().toString(), "foto_002.jpg");
    EXPECT_EQ(colour(2, 0), QColor(255, 0, 0));
    EXPECT_EQ(colour(2, 1), QColor(255, 0, 0));
    list.photos().setConflictRows({});
    EXPECT_EQ(colour(2, 0), QColor(0, 0, 0));
    EXPECT_EQ(colour(2, 1), QColor(0, 0, 0));
}

// A name cut by its column shows whole in the tooltip, above the row's own lines; one that fits
// shows the row's own alone.
TEST_F(ListViewTest, ACutNameShowsWholeInItsTooltip) {
    const QString longName = QString(60, u'x') + ".JPG";
    setRows({"a.jpg", longName});
    list.photos().setToolTipProvider([](int row) { return row == 1 ? QString("own") : QString(); });
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    const auto tipAt = [this](int row) {
        QToolTip::hideText();
        const QRect cell = list.visualRect(list.model()->index(row, 0));
        QHelpEvent help(QEvent::ToolTip, cell.center(),
                        list.viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(list.viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tipAt(1), longName + "\nown");
    EXPECT_NE(tipAt(0), "a.jpg");
}

TEST_F(ListViewTest, ASelectedRedRowStaysRed) {
    setRows({"a.jpg", "b.jpg"});
    list.setSelected(1, true);
    list.photos().setConflictRows({0});
    list.setSelected(2, true);
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
    QStringList names;
    QStringList newNames;
    std::vector<int> red;
    for (int i = 1; i <= 5000; ++i) {
        names << QString("IMG_%1.jpg").arg(i);
        newNames << QString("foto_%1.jpg").arg(i);
        red.push_back(i - 1);
    }
    setRows(names);
    EXPECT_EQ(inserts.count(), 1);
    list.photos().setNewNames(newNames);
    EXPECT_EQ(changes.count(), 1);
    changes.clear();
    list.photos().setConflictRows(red);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(list.model()->rowCount(), 5000);
}

TEST_F(ListViewTest, NewNamesOfManyRowsAreDrawnAgain) {
    setRows({"a.jpg", "b.jpg", "c.jpg"});
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    QCoreApplication::processEvents();
    int paints = 0;
    const auto counter = std::make_unique<PaintCounter>(paints);
    list.viewport()->installEventFilter(counter.get());
    list.photos().setNewNames({"x.jpg", "y.jpg", "z.jpg"});
    QCoreApplication::processEvents();
    EXPECT_GT(paints, 0);
}

TEST_F(ListViewTest, RowsAddedAreShownOnceControlReturnsToTheEventLoop) {
    setRows({"a.jpg"});
    QCoreApplication::processEvents();
    EXPECT_EQ(list.model()->rowCount(), 1);
}

TEST_F(ListViewTest, SelectedFlagsReadBackAndTheFirstSelectedIsTheSelectedItem) {
    setRows({"a.jpg", "b.jpg", "c.jpg"});
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
    setRows({"a.jpg", "b.jpg", "c.jpg", "d.jpg"});
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

// The menu a right press opens takes the release: the click is reported with the press.
TEST_F(ListViewTest, ARightPressSelectsItsRowAndRaisesClickAtOnce) {
    setRows({"a.jpg", "b.jpg", "c.jpg"});
    list.setSelected(1, true);
    list.show();
    QSignalSpy clicks(&list, &ListView::Click);
    const QPoint second = list.visualRect(list.model()->index(1, 0)).center();
    QTest::mousePress(list.viewport(), Qt::RightButton, {}, second);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(list.selectedItemPosition(), 2);
    QTest::mouseRelease(list.viewport(), Qt::RightButton, {}, second);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ListViewTest, ShowsTheIconOfEachRowsKey) {
    QPixmap red(16, 16);
    red.fill(Qt::red);
    list.bindImageList(
        [&](const QString& key) { return key == "ICON_JPG" ? QIcon(red) : QIcon(); });
    list.photos().setPhotos({"a.jpg", "b.txt"}, [](const QString& name) {
        return name.endsWith(".jpg") ? QString("ICON_JPG") : QString();
    });
    EXPECT_FALSE(list.model()->index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_FALSE(list.model()->index(1, 0).data(Qt::DecorationRole).isValid());
}

TEST_F(ListViewTest, NewRowsAreShownAtOnceWithoutNewNamesConflictsOrSelection) {
    setRows({"a.jpg", "b.jpg"});
    list.setSelected(2, true);
    list.photos().setNewNames({"x.jpg", "y.jpg"});
    list.photos().setConflictRows({0});
    setRows({"c.jpg", "d.jpg", "e.jpg"});
    EXPECT_EQ(list.model()->rowCount(), 3);
    EXPECT_EQ(list.photos().newNames(), QStringList({"", "", ""}));
    EXPECT_TRUE(list.photos().conflictRows().empty());
    EXPECT_EQ(list.selectedFlags(), std::vector<bool>({false, false, false}));
}

TEST_F(ListViewTest, ShortNewNamesLeaveTheLastRowsEmptyAndConflictsReplaceTheLastOnes) {
    setRows({"a.jpg", "b.jpg", "c.jpg"});
    list.photos().setNewNames({"x.jpg"});
    EXPECT_EQ(list.photos().newNames(), QStringList({"x.jpg", "", ""}));
    list.photos().setConflictRows({2, 0});
    list.photos().setConflictRows({1});
    EXPECT_EQ(list.photos().conflictRows(), std::vector<int>({1}));
    EXPECT_EQ(colour(1, 0), QColor(0, 0, 0));
    EXPECT_EQ(colour(2, 1), QColor(255, 0, 0));
}

TEST_F(ListViewTest, SelectedFlagsFollowTheSelection) {
    setRows({"a.jpg", "b.jpg", "c.jpg", "d.jpg"});
    list.setSelected(2, true);
    list.setSelected(4, true);
    EXPECT_EQ(list.selectedFlags(), std::vector<bool>({false, true, false, true}));
}

} // namespace
