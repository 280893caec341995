// SPDX-License-Identifier: MIT
#include "dialogs/about_dialog.h"
#include "xpbutton/colour_printer.h"
#include "xpbutton/xpbutton.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using km::AboutDialog;

namespace {

AboutDialog* openAbout() {
    return qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
}

void sendKey(AboutDialog* about, Qt::Key key) {
    QWidget* target = about->focusWidget() ? about->focusWidget() : about;
    QTest::keyClick(target, key);
}

// Opens the about window the way the main window does and runs `act` on it once its modal
// loop runs; a window that `act` leaves open is reported and closed, so a fault cannot hang.
void showAndAct(std::function<void(AboutDialog*)> act) {
    QTimer::singleShot(0, [act] {
        QPointer<AboutDialog> about = openAbout();
        if (!about) {
            ADD_FAILURE() << "the about window is not open";
            return;
        }
        act(about);
        if (about && about->isVisible()) {
            ADD_FAILURE() << "the about window is still open";
            about->reject();
        }
    });
    km::showAboutDialog();
}

} // namespace

TEST(AboutDialog, SpaceOrEnterRightAfterOpeningClosesIt) {
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        bool closeHadFocus = false;
        showAndAct([&](AboutDialog* about) {
            closeHadFocus = about->focusWidget() &&
                            about->focusWidget()->objectName() == QLatin1String("bClose");
            sendKey(about, key);
        });
        EXPECT_TRUE(closeHadFocus) << key;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

TEST(AboutDialog, EscapeLeavesItOpen) {
    bool openAfterEscape = false;
    showAndAct([&](AboutDialog* about) {
        sendKey(about, Qt::Key_Escape);
        openAfterEscape = about->isVisible();
        sendKey(about, Qt::Key_Space);
    });
    EXPECT_TRUE(openAfterEscape);
}

TEST(AboutDialog, BorderlessPictureWithCloseButtonOverItsLowerMiddle) {
    AboutDialog about;
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(about.isModal());
    EXPECT_EQ(about.size(), QSize(257, 169));

    const auto* picture = about.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->geometry(), QRect(8, 8, 240, 152));
    EXPECT_EQ(picture->pixmap().size(), QSize(240, 152));

    const auto* close = about.findChild<km::XPButton*>(QStringLiteral("bClose"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->geometry(), QRect(96, 128, 65, 17));
    EXPECT_EQ(close->Caption(), "Close");
    EXPECT_EQ(close->BackColor(), km::rgb(255, 255, 192));

    const QImage image = about.grab().toImage();
    const QColor frame = about.palette().color(QPalette::WindowText);
    for (const QPoint& edge : {QPoint(0, 0), QPoint(256, 0), QPoint(0, 168), QPoint(256, 168),
                               QPoint(128, 0), QPoint(0, 84), QPoint(256, 84), QPoint(128, 168)})
        EXPECT_EQ(image.pixelColor(edge), frame) << edge.x() << "," << edge.y();
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(250, 160), QColor(Qt::white));
    // The button's cut corner shows its own back colour over the picture.
    EXPECT_EQ(image.pixelColor(96, 128), QColor(255, 255, 192));
    EXPECT_EQ(image.pixelColor(96 + 30, 128), QColor(0, 60, 116));
}

TEST(AboutDialog, EveryOpeningIsCentredAndLooksTheSame) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QImage first;
    for (int opening = 0; opening < 2; ++opening) {
        AboutDialog about;
        EXPECT_EQ(about.pos(), QPoint(screen.left() + (screen.width() - 257) / 2,
                                      screen.top() + (screen.height() - 169) / 2));
        const QImage image = about.grab().toImage();
        if (opening == 0)
            first = image;
        else
            EXPECT_EQ(image, first);
    }
}
