// SPDX-License-Identifier: MIT
#include "photo_list/list_view.h"
#include "support/temp_folder.h"
#include "widgets/check_box.h"
#include "widgets/picture_box.h"
#include "window_under_test.h"

#include <QImage>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A folder of three plain-coloured JPEGs shown with the preview ticked.
class MainWindowPreviewTest : public testing::Test {
protected:
    MainWindowPreviewTest() {
        writePicture("a.jpg", Qt::red);
        writePicture("b.jpg", Qt::green);
        writePicture("c.jpg", Qt::blue);
        program.write(
            "Kestrelmark.cfg",
            (photos.path() + "\r\nfoto_\r\n1\r\n3\r\n1\r\n0\r\n0\r\n1\r\nY\r\n").toUtf8());
        window = std::make_unique<WindowUnderTest>(program.path(), photos.path());
        window->load();
        window->seam.stopClock();
    }

    void writePicture(const QString& name, Qt::GlobalColor colour) {
        QImage image(160, 120, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(photos.filePath(name), "JPG"));
    }

    // The colour at the centre of a preview box.
    QColor centreOf(int box) const {
        const QImage surface = window->pbPreview(box)->surface();
        return QColor(surface.pixel(surface.width() / 2, surface.height() / 2));
    }

    static bool near(const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 &&
               std::abs(a.blue() - b.blue()) < 40;
    }

    void selectOnly(int row) {
        for (int i = 1; i <= window->lvFiles->rowTotal(); ++i)
            window->lvFiles->setSelected(i, i == row);
    }

    TempFolder program;
    TempFolder photos;
    std::unique_ptr<WindowUnderTest> window;
};

TEST_F(MainWindowPreviewTest, TheScanDrawsTheSelectedPhotoAndTheOnesAfterIt) {
    EXPECT_TRUE(near(centreOf(0), Qt::red));
    EXPECT_TRUE(near(centreOf(1), Qt::green));
    EXPECT_TRUE(near(centreOf(2), Qt::blue));
}

TEST_F(MainWindowPreviewTest, AClickWithShiftHeldKeepsThePreviewAPlainClickRedrawsIt) {
    selectOnly(2);
    QTest::keyPress(window->lvFiles, Qt::Key_Shift, Qt::ShiftModifier);
    emit window->lvFiles->Click();
    EXPECT_TRUE(near(centreOf(0), Qt::red));

    QTest::keyRelease(window->lvFiles, Qt::Key_Shift, {});
    emit window->lvFiles->Click();
    EXPECT_TRUE(near(centreOf(0), Qt::green));
    EXPECT_TRUE(near(centreOf(1), Qt::blue));
    EXPECT_FALSE(near(centreOf(2), Qt::blue)); // past the last row: left empty
}

TEST_F(MainWindowPreviewTest, UntickingThePreviewClearsEveryBox) {
    window->cbPreview->setValue(0);
    for (int box = 0; box < 3; ++box)
        EXPECT_FALSE(near(centreOf(box), Qt::red) || near(centreOf(box), Qt::green) ||
                     near(centreOf(box), Qt::blue))
            << box;
}

} // namespace
