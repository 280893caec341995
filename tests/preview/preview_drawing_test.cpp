// SPDX-License-Identifier: MIT
#include "preview/preview_drawing.h"
#include "preview/preview_fit.h"
#include "support/temp_folder.h"
#include "widgets/picture_box.h"
#include "widgets/twips.h"

#include <QBuffer>
#include <QWidget>
#include <gtest/gtest.h>
#include <map>
#include <vector>

using km::PictureBox;

namespace {

bool near(QColor actual, QColor expected) {
    return std::abs(actual.red() - expected.red()) < 40 &&
           std::abs(actual.green() - expected.green()) < 40 &&
           std::abs(actual.blue() - expected.blue()) < 40;
}

QByteArray solidJpeg(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 95);
    return bytes;
}

TEST(PreviewFit, ShrinksByHeightThenWidthAndCentresOnePixelUpAndLeft) {
    const QSizeF box(2505, 1905);
    ASSERT_TRUE(km::boxHoldsPicture(box));
    const km::FitLimits limits = km::fitLimits(box);
    EXPECT_EQ(limits.maxWidth, 2445);
    EXPECT_EQ(limits.maxHeight, 1845);
    // 1600 x 1200 pixels: H 1845 and W 2460 first, then W 2445 and H 1833.75, rounded.
    EXPECT_EQ(km::fitPicture({24000, 18000}, limits, box), (km::TwipRect{15, 20, 2445, 1834}));
    // Tall pictures need the height step only.
    EXPECT_EQ(km::fitPicture({1500, 3690}, limits, box), (km::TwipRect{862, 15, 750, 1845}));
}

TEST(PreviewFit, DrawsSmallPicturesAtTheirNaturalSizeInBoxesOfMoreThanSixtyTwips) {
    const QSizeF box(2505, 1905);
    const km::FitLimits limits = km::fitLimits(box);
    // Centre 1252.5 - 750 - 15 = 487.5 and 952.5 - 375 - 15 = 562.5: halves go to even.
    EXPECT_EQ(km::fitPicture({1500, 750}, limits, box), (km::TwipRect{488, 562, 1500, 750}));
    EXPECT_EQ(km::fitPicture({2445, 1845}, limits, box), (km::TwipRect{15, 15, 2445, 1845}));

    EXPECT_FALSE(km::boxHoldsPicture({60, 1000}));
    EXPECT_FALSE(km::boxHoldsPicture({1000, 60}));
    EXPECT_TRUE(km::boxHoldsPicture({61, 61}));
    EXPECT_EQ(km::fitLimits({60.5, 61.5}).maxHeight, 2);
}

// Three shown preview boxes over a folder of one-colour photos.
class PreviewTest : public ::testing::Test {
protected:
    PreviewTest() {
        m_window.resize(200, 420);
        for (int index = 0; index < 3; ++index) {
            m_boxes.push_back(new PictureBox(&m_window));
            m_boxes.back()->setGeometry(10, 10 + 132 * index, 169, 129);
        }
        m_window.show();
    }

    void addPhoto(const QString& name, QColor colour) {
        m_folder.write(name, solidJpeg({160, 120}, colour));
        m_rows.push_back(name);
    }

    void addFivePhotos() {
        for (int row = 0; row < 5; ++row)
            addPhoto(QString("IMG_%1.jpg").arg(row + 1), m_colours[row]);
    }

    km::PreviewContext context() {
        km::PreviewContext context;
        context.previewCount = [this] {
            return m_count;
        };
        context.box = [this](int index) {
            return m_boxes.at(index);
        };
        context.currentFolder = [this] {
            return m_folder.pathWithSeparator();
        };
        context.previewChecked = [this] {
            return m_checked;
        };
        context.foundCount = [this] {
            return static_cast<int>(m_rows.size());
        };
        context.rowCount = [this] {
            return static_cast<int>(m_rows.size());
        };
        context.rowText = [this](int row) {
            if (row < 1 || row > static_cast<int>(m_rows.size())) {
                ADD_FAILURE() << "row " << row << " does not exist";
                return QString();
            }
            return m_rows[row - 1];
        };
        context.selectedPosition = [this] {
            return m_selected;
        };
        context.running = &m_running;
        context.deliverPendingEvents = [this] {
            ++m_deliveries;
            if (auto action = m_actions.extract(m_deliveries))
                action.mapped()();
        };
        return context;
    }

    void showPreview(int start = 0) { km::drawPreviewColumn(context(), start); }

    QColor centreOf(int box) const {
        const QImage surface = m_boxes[box]->surface();
        return surface.pixelColor(surface.width() / 2, surface.height() / 2);
    }

    bool isBlank(int box) const {
        const QImage surface = m_boxes[box]->surface();
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x)
                if (surface.pixelColor(x, y) != m_boxes[box]->backgroundColor())
                    return false;
        return true;
    }

    // White letters and black outline in the line at the top of the box.
    bool showsName(int box) const {
        const QImage surface = m_boxes[box]->surface();
        bool white = false;
        bool black = false;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < surface.width(); ++x) {
                const QColor colour = surface.pixelColor(x, y);
                white = white || colour == QColor(255, 255, 255);
                black = black || colour == QColor(0, 0, 0);
            }
        return white && black;
    }

    bool showsPhoto(int box, int row) const {
        return near(centreOf(box), m_colours[row - 1]) && showsName(box);
    }

    const std::vector<QColor> m_colours = {QColor(200, 0, 0), QColor(0, 200, 0), QColor(0, 0, 200),
                                           QColor(200, 200, 0), QColor(0, 200, 200)};
    TempFolder m_folder;
    QWidget m_window;
    std::vector<PictureBox*> m_boxes;
    std::vector<QString> m_rows;
    int m_count = 3;
    bool m_checked = true;
    int m_selected = 1;
    bool m_running = false;
    int m_deliveries = 0;
    // What the window does during the n-th delivery of pending events.
    std::map<int, std::function<void()>> m_actions;
};

TEST_F(PreviewTest, DrawsTheSelectedPhotoAndThoseAfterIt) {
    addFivePhotos();
    m_selected = 2;
    showPreview();
    EXPECT_TRUE(showsPhoto(0, 2));
    EXPECT_TRUE(showsPhoto(1, 3));
    EXPECT_TRUE(showsPhoto(2, 4));
    EXPECT_FALSE(m_running);
    EXPECT_EQ(m_deliveries, 6);
    EXPECT_EQ(m_boxes[0]->font().family(), "Tahoma");
    EXPECT_TRUE(m_boxes[2]->font().bold());
}

TEST_F(PreviewTest, LeavesBoxesBeyondTheLastRowEmpty) {
    addFivePhotos();
    m_selected = 4;
    showPreview();
    EXPECT_TRUE(showsPhoto(0, 4));
    EXPECT_TRUE(showsPhoto(1, 5));
    EXPECT_TRUE(isBlank(2));
    EXPECT_EQ(m_deliveries, 4);
}

TEST_F(PreviewTest, RedrawsOnlyTheBoxesFromTheStart) {
    addFivePhotos();
    showPreview();
    m_selected = 3;
    showPreview(2);
    EXPECT_TRUE(showsPhoto(0, 1));
    EXPECT_TRUE(showsPhoto(1, 2));
    EXPECT_TRUE(showsPhoto(2, 5));

    showPreview(-4);
    EXPECT_TRUE(showsPhoto(0, 3));
}

TEST_F(PreviewTest, ClearsEveryBoxWhenThereIsNothingToShow) {
    addFivePhotos();
    const auto drawAllThenClear = [this](auto change) {
        showPreview();
        ASSERT_TRUE(showsPhoto(0, 1));
        change();
        m_deliveries = 0;
        showPreview();
        EXPECT_TRUE(isBlank(0) && isBlank(1) && isBlank(2));
        EXPECT_EQ(m_deliveries, 0);
        EXPECT_FALSE(m_running);
    };
    {
        SCOPED_TRACE("unchecked");
        drawAllThenClear([this] { m_checked = false; });
        m_checked = true;
    }
    {
        SCOPED_TRACE("no selection");
        drawAllThenClear([this] { m_selected = 0; });
        m_selected = 1;
    }
    {
        SCOPED_TRACE("nothing found");
        drawAllThenClear([this] { m_rows.clear(); });
    }
}

TEST_F(PreviewTest, ShowsTheNameOnAnEmptyBoxForFilesThatCannotBeDecoded) {
    addPhoto("IMG_1.jpg", m_colours[0]);
    m_folder.write("broken.jpg", QByteArray("\xff\xd8\xff\xe0 not really a photo"));
    m_rows.push_back("broken.jpg");
    m_rows.push_back("removed.jpg");
    showPreview();
    EXPECT_TRUE(showsPhoto(0, 1));
    for (int box : {1, 2}) {
        EXPECT_EQ(centreOf(box), m_boxes[box]->backgroundColor());
        EXPECT_TRUE(showsName(box));
    }
    EXPECT_FALSE(m_running);
}

TEST_F(PreviewTest, FitsALargePhotoIntoTheBox) {
    if (km::twipsPerPixel() != 15)
        GTEST_SKIP() << "needs 96 dots per inch";
    m_folder.write("large.jpg", solidJpeg({1600, 1200}, m_colours[2]));
    m_rows.push_back("large.jpg");
    showPreview();
    // 2445 x 1834 twips at (15, 20): pixels 1 to 163 across and 1 to 122 down.
    const QImage surface = m_boxes[0]->surface();
    const QColor background = m_boxes[0]->backgroundColor();
    EXPECT_TRUE(near(surface.pixelColor(1, 60), m_colours[2]));
    EXPECT_TRUE(near(surface.pixelColor(163, 60), m_colours[2]));
    EXPECT_TRUE(near(surface.pixelColor(80, 122), m_colours[2]));
    EXPECT_EQ(surface.pixelColor(0, 60), background);
    EXPECT_EQ(surface.pixelColor(164, 60), background);
    EXPECT_EQ(surface.pixelColor(80, 123), background);
}

TEST_F(PreviewTest, ANewerPreviewStartedWhileEventsRunCancelsTheOlderOne) {
    addFivePhotos();
    m_actions[1] = [this] {
        m_selected = 3;
        showPreview();
    };
    showPreview();
    EXPECT_TRUE(showsPhoto(0, 3));
    EXPECT_TRUE(showsPhoto(1, 4));
    EXPECT_TRUE(showsPhoto(2, 5));
    EXPECT_FALSE(m_running);
    EXPECT_EQ(m_deliveries, 1 + 6);
}

TEST_F(PreviewTest, ExitStopsARunningPreviewBeforeItDrawsFurther) {
    addFivePhotos();
    showPreview();
    m_deliveries = 0;
    m_actions[1] = [this] {
        m_running = false;
    };
    showPreview();
    EXPECT_TRUE(isBlank(0) && isBlank(1) && isBlank(2));
    EXPECT_EQ(m_deliveries, 1);
    EXPECT_FALSE(m_running);

    m_deliveries = 0;
    m_actions[3] = [this] {
        m_running = false;
    };
    showPreview();
    EXPECT_EQ(m_deliveries, 3);
    EXPECT_TRUE(showsPhoto(0, 1));
    EXPECT_TRUE(isBlank(1) && isBlank(2));
}

TEST_F(PreviewTest, FollowsBoxesAndRowsThatChangeWhileEventsRun) {
    addFivePhotos();
    // Box 1 is hidden while the preview waits to draw into it.
    m_actions[3] = [this] {
        m_count = 1;
    };
    showPreview();
    EXPECT_EQ(m_deliveries, 3);
    EXPECT_TRUE(showsPhoto(0, 1));
    EXPECT_TRUE(isBlank(1) && isBlank(2));
    EXPECT_FALSE(m_running);

    m_count = 3;
    m_deliveries = 0;
    m_actions[1] = [this] {
        m_rows.resize(1);
    };
    showPreview();
    EXPECT_EQ(m_deliveries, 2);
    EXPECT_TRUE(showsPhoto(0, 1));
    EXPECT_TRUE(isBlank(1) && isBlank(2));
    EXPECT_FALSE(m_running);
}

TEST_F(PreviewTest, SkipsBoxesTooSmallForAPicture) {
    addFivePhotos();
    for (PictureBox* box : m_boxes)
        box->resize(6, 40);
    showPreview();
    EXPECT_TRUE(isBlank(0) && isBlank(1) && isBlank(2));
    EXPECT_FALSE(m_running);
}

} // namespace
