// SPDX-License-Identifier: MIT
#include "dialogs/message_box.h"
#include "dialogs/message_box_form.h"
#include "dialogs/message_box_layout.h"
#include "seams/message_box_seam.h"
#include "support/dark_palette.h"
#include "xpbutton/xpbutton.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

using km::frmMessageBox;

namespace {

using km::BoxAnswer;
using BoxAction = std::function<void(frmMessageBox*)>;

frmMessageBox* openBox() {
    if (auto* modal = qobject_cast<frmMessageBox*>(QApplication::activeModalWidget()))
        return modal;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<frmMessageBox*>(widget); box && box->isVisible())
            return box;
    return nullptr;
}

// Calls ShowMessageBox and runs `act` on its box once the box's modal loop runs. A box that
// `act` leaves open is closed and reported, so a fault cannot hang the test.
BoxAnswer showAndAct(const QString& prompt, qint32 style, const QString& title, BoxAction act) {
    QTimer::singleShot(0, [act] {
        QPointer<frmMessageBox> box = openBox();
        if (!box) {
            ADD_FAILURE() << "no message box is open";
            return;
        }
        act(box);
        if (box && box->isVisible()) {
            ADD_FAILURE() << "the message box is still open";
            box->done(QDialog::Rejected);
        }
    });
    return km::ShowMessageBox(prompt, style, title);
}

void pressKey(frmMessageBox* box, Qt::Key key) {
    QWidget* target = box->focusWidget() ? box->focusWidget() : box;
    QTest::keyClick(target, key);
}

void pressEnter(frmMessageBox* box) {
    pressKey(box, Qt::Key_Return);
}
void pressTabEnter(frmMessageBox* box) {
    pressKey(box, Qt::Key_Tab);
    pressKey(box, Qt::Key_Return);
}
void pressEscape(frmMessageBox* box) {
    pressKey(box, Qt::Key_Escape);
}
// The window system's close command, as the title bar's close box sends it.
void closeWindow(frmMessageBox* box) {
    box->windowHandle()->close();
}

km::XPButton* yesOk(QWidget* box) {
    return box->findChild<km::XPButton*>(QStringLiteral("bYesOk"));
}
km::XPButton* noCancel(QWidget* box) {
    return box->findChild<km::XPButton*>(QStringLiteral("bNoCancel"));
}
// The tooltip's text as people read it: its markup and invisible break points gone.
QString toolTipText(QWidget* widget) {
    return QTextDocumentFragment::fromHtml(widget->toolTip()).toPlainText().remove(QChar(0x200B));
}

QLabel* prompt(QWidget* box) {
    return box->findChild<QLabel*>(QStringLiteral("lblPrompt"));
}
QLabel* icon(QWidget* box) {
    return box->findChild<QLabel*>(QStringLiteral("imgIcon"));
}

QImage iconFile(const QString& name) {
    return QImage(QStringLiteral(":/messagebox/%1.png").arg(name))
        .convertToFormat(QImage::Format_RGB32);
}

const QString DuplicatesPrompt = QStringLiteral(
    "Can't rename since this will result\r\nin duplicate filenames. These are\r\nshown in RED in "
    "the file list.");

struct StyleCase {
    qint32 style;
    const char* first;
    const char* second; // nullptr: one button only
    BoxAnswer firstAnswer;
    BoxAnswer secondAnswer;
    const char* icon; // file name of the icon shown; nullptr: none
};

void PrintTo(const StyleCase& c, std::ostream* out) {
    *out << "style " << c.style;
}

void expectContent(frmMessageBox* box, const StyleCase& c) {
    EXPECT_EQ(yesOk(box)->Caption(), c.first);
    EXPECT_TRUE(yesOk(box)->isVisible());
    EXPECT_EQ(noCancel(box)->isVisible(), c.second != nullptr);
    if (c.second) {
        EXPECT_EQ(noCancel(box)->Caption(), c.second);
    }
    EXPECT_EQ(box->focusWidget(), yesOk(box));
    const QPixmap shown = icon(box)->pixmap();
    EXPECT_EQ(shown.isNull(), c.icon == nullptr);
    if (c.icon) {
        EXPECT_EQ(shown.toImage().convertToFormat(QImage::Format_RGB32), iconFile(c.icon));
        EXPECT_EQ(icon(box)->geometry(), QRect(11, 9, 32, 32));
    }
}

class MessageBoxStyle : public testing::TestWithParam<StyleCase> {};

TEST_P(MessageBoxStyle, ShowsItsButtonsAndIconAndAnswers) {
    const StyleCase c = GetParam();
    const QString text = QStringLiteral("Proceed?");
    EXPECT_EQ(showAndAct(text, c.style, {},
                         [&c](frmMessageBox* box) {
                             expectContent(box, c);
                             pressEnter(box);
                         }),
              c.firstAnswer);
    // Tab reaches the second button only when it is shown.
    EXPECT_EQ(showAndAct(text, c.style, {}, pressTabEnter),
              c.second ? c.secondAnswer : c.firstAnswer);
    // Escape leaves the box open; a box closed without a button never agrees to anything.
    const BoxAnswer closedAnswer = c.second ? BoxAnswer::Cancel : BoxAnswer::Ok;
    EXPECT_EQ(showAndAct(text, c.style, {},
                         [](frmMessageBox* box) {
                             pressEscape(box);
                             EXPECT_TRUE(box->isVisible());
                             closeWindow(box);
                         }),
              closedAnswer);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, MessageBoxStyle,
    testing::Values(StyleCase{0, "OK", nullptr, BoxAnswer::Ok, BoxAnswer::None, nullptr},
                    StyleCase{1, "OK", "Cancel", BoxAnswer::Ok, BoxAnswer::Cancel, nullptr},
                    StyleCase{3, "OK", "Cancel", BoxAnswer::Ok, BoxAnswer::Cancel, nullptr},
                    StyleCase{4, "Yes", "No", BoxAnswer::Yes, BoxAnswer::No, nullptr},
                    StyleCase{5, "Yes", "No", BoxAnswer::Yes, BoxAnswer::No, nullptr},
                    StyleCase{36, "Yes", "No", BoxAnswer::Yes, BoxAnswer::No, "question"},
                    StyleCase{48, "OK", nullptr, BoxAnswer::Ok, BoxAnswer::None, "exclamation"},
                    StyleCase{112, "OK", nullptr, BoxAnswer::Ok, BoxAnswer::None, "information"},
                    StyleCase{16 + 4, "Yes", "No", BoxAnswer::Yes, BoxAnswer::No, "stop"}));

// A box draws its own ground, so under a dark theme its prompt stays dark on the light ground
// and its buttons' faces and captions stay as designed.
TEST(MessageBoxColours, ADarkPaletteLeavesThePromptAndTheButtonsAsInTheLightOne) {
    const QString text = QStringLiteral("Rename 2 photos?");
    std::vector<QImage> light;
    std::vector<QImage> dark;
    auto grabAndClose = [](std::vector<QImage>& images) {
        return [&images](frmMessageBox* box) {
            for (QWidget* part : {static_cast<QWidget*>(prompt(box)),
                                  static_cast<QWidget*>(yesOk(box))})
                images.push_back(part->grab().toImage());
            pressEnter(box);
        };
    };
    showAndAct(text, 36, QStringLiteral("Rename Images"), grabAndClose(light));
    {
        DarkPaletteScope scope;
        showAndAct(text, 36, QStringLiteral("Rename Images"), grabAndClose(dark));
    }
    ASSERT_EQ(light.size(), 2u);
    EXPECT_EQ(dark, light);
}

// The centre of the button row, doubled to stay in whole pixels.
int doubledRowCentre(QWidget* box) {
    const QRect first = yesOk(box)->geometry();
    const QRect last = noCancel(box)->isVisible() ? noCancel(box)->geometry() : first;
    return first.left() + last.left() + last.width();
}

void expectThreeLinePromptLayout(frmMessageBox* box) {
    QLabel* label = prompt(box);
    const QFontMetrics metrics(label->font());
    const int longest =
        metrics.horizontalAdvance(QStringLiteral("Can't rename since this will result"));
    EXPECT_EQ(label->text().count(u'\n'), 2);
    EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
    EXPECT_GE(label->width(), longest);
    EXPECT_LE(label->width(), longest + 2);
    EXPECT_GE(label->height(), 3 * metrics.height());
    EXPECT_LT(label->height(), 4 * metrics.height());

    // 56 pixels left of the prompt, 16 right, 10 above; the buttons 16 below it and 13 above
    // the bottom edge.
    EXPECT_EQ(label->pos(), QPoint(56, 10));
    EXPECT_EQ(box->size(), label->size() + QSize(72, 60));
    const QRect button = yesOk(box)->geometry();
    EXPECT_EQ(button.size(), QSize(73, 21));
    EXPECT_EQ(button.top(), label->geometry().bottom() + 1 + 16);
    EXPECT_EQ(box->height() - button.bottom() - 1, 13);
    EXPECT_NEAR(doubledRowCentre(box), box->width(), 2);

    const QRect screen = box->screen()->geometry();
    const QRect frame = box->frameGeometry();
    EXPECT_NEAR(frame.left() * 2 + frame.width(), screen.width(), 2);
    EXPECT_NEAR(frame.top() * 2 + frame.height(), screen.height(), 2);
}

TEST(MessageBoxLayout, SizesItselfToAThreeLinePromptAndCentresOnTheScreen) {
    showAndAct(DuplicatesPrompt, km::BoxExclamation, QStringLiteral("Duplicates found"),
               [](frmMessageBox* box) {
                   expectThreeLinePromptLayout(box);
                   EXPECT_EQ(box->minimumSize(), box->maximumSize());
                   EXPECT_EQ(box->parentWidget(), nullptr);
                   EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);

                   // Laying out again leaves everything where it is.
                   const QRect before = box->geometry();
                   QResizeEvent again(box->size(), box->size());
                   QApplication::sendEvent(box, &again);
                   EXPECT_EQ(box->geometry(), before);
                   expectThreeLinePromptLayout(box);
                   pressEnter(box);
               });
}

TEST(MessageBoxLayout, CentresTwoButtonsEvenUnderANarrowerPrompt) {
    for (const QString& text : {DuplicatesPrompt, QStringLiteral("Go?")}) {
        showAndAct(text, km::BoxYesNo, {}, [](frmMessageBox* box) {
            const QRect first = yesOk(box)->geometry();
            EXPECT_EQ(noCancel(box)->geometry(), first.translated(first.width() + 8, 0));
            EXPECT_NEAR(doubledRowCentre(box), box->width(), 2);
            EXPECT_EQ(box->width(), prompt(box)->width() + 72); // the buttons never widen it
            pressEnter(box);
        });
    }
}

TEST(MessageBoxLayout, MarginsInPixelsScaleWithTheScreenAndFixedPlacesDoNot) {
    km::MessageBoxMeasures measures;
    measures.promptWidth = 1200;
    measures.promptHeight = 600;
    measures.twipsPerPixelX = measures.twipsPerPixelY = 12; // 120 dots per inch
    measures.yesOkWidth = 1095;
    const km::MessageBoxPlacement place = km::placeMessageBox(measures);
    EXPECT_EQ(place.clientWidth, 72 * 12 + 1200);
    EXPECT_EQ(place.clientHeight, 60 * 12 + 600);
    EXPECT_EQ(place.buttonTop, place.clientHeight - 510);
    EXPECT_EQ(place.promptLeft, 840);
    EXPECT_EQ(place.iconLeft, 165);

    measures.borderWidth = 89.6; // whole twips only
    EXPECT_EQ(km::placeMessageBox(measures).window.width, place.window.width + 90);
}

void expectOnItsScreen(frmMessageBox* box) {
    EXPECT_TRUE(box->screen()->availableGeometry().contains(box->frameGeometry()))
        << box->frameGeometry().width() << " x " << box->frameGeometry().height();
}

TEST(MessageBoxLayout, ANameWiderThanTheScreenIsShortenedInTheMiddle) {
    const QString name = QStringLiteral("Start_%1_End.jpg").arg(QString(284, u'x'));
    const QString text = name + QStringLiteral(" is not a valid name.\r\nNothing was renamed.");
    showAndAct(text, km::kStyleWarning, {}, [&](frmMessageBox* box) {
        expectOnItsScreen(box);
        const QString shown = prompt(box)->text();
        EXPECT_TRUE(shown.startsWith(QStringLiteral("Start_xx"))) << shown.toStdString();
        EXPECT_TRUE(shown.contains(QStringLiteral("xx_End.jpg"))) << shown.toStdString();
        EXPECT_TRUE(shown.contains(QStringLiteral("...")) && !shown.contains(name));
        EXPECT_TRUE(shown.contains(QStringLiteral("is not a valid name")));
        EXPECT_TRUE(shown.endsWith(QStringLiteral("\nNothing was renamed.")));
        EXPECT_TRUE(toolTipText(prompt(box)).startsWith(name));
        QToolTip::showText(box->geometry().center(), prompt(box)->toolTip(), prompt(box));
        QWidget* tip = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->inherits("QTipLabel") && widget->isVisible())
                tip = widget;
        ASSERT_NE(tip, nullptr);
        EXPECT_LE(tip->width(), box->screen()->availableGeometry().width());
        QToolTip::hideText();
        QTest::keySequence(box->focusWidget(), QKeySequence::Copy);
        EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(name));
        pressEnter(box);
    });
}

TEST(MessageBoxLayout, ALongListIsCutAndALongLineWrapsToFitTheScreen) {
    const QString words = QStringLiteral("word ").repeated(1000);
    const QString list = words + QStringLiteral("\r\nname.jpg").repeated(500);
    showAndAct(list, 0, {}, [](frmMessageBox* box) {
        expectOnItsScreen(box);
        EXPECT_TRUE(prompt(box)->text().startsWith(QStringLiteral("word word")));
        EXPECT_TRUE(prompt(box)->text().endsWith(QStringLiteral("\n...")));
        EXPECT_EQ(toolTipText(prompt(box)).count(QStringLiteral("name.jpg")), 500);
        pressEnter(box);
    });
}

TEST(MessageBoxContent, TitleLosesItsBlanksAndPromptStaysPlainText) {
    const QString marked = QStringLiteral("<b>Tom & Jerry</b>");
    showAndAct(marked, 0, QStringLiteral("  Undo Rename  "), [&marked](frmMessageBox* box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Undo Rename"));
        EXPECT_EQ(prompt(box)->text(), marked);
        EXPECT_EQ(prompt(box)->toolTip(), QString()); // nothing shortened
        EXPECT_GE(prompt(box)->width(), prompt(box)->fontMetrics().horizontalAdvance(marked));
        pressEnter(box);
    });
    km::MessageBoxSeam::setNextAnswer(BoxAnswer::Ok);
    km::ShowMessageBox(QStringLiteral("x"), 0);
    EXPECT_EQ(km::MessageBoxSeam::lastCall().BoxTitle, QString());
}

TEST(MessageBoxContent, ASecondCallShowsOnlyWhatItAsks) {
    EXPECT_EQ(
        showAndAct(QStringLiteral("Rename?"), 36, QStringLiteral("Rename Images"), pressEnter),
        BoxAnswer::Yes);
    // Closing the next question must not repeat the earlier Yes.
    EXPECT_EQ(showAndAct(QStringLiteral("Undo?"), 36, {}, closeWindow), BoxAnswer::Cancel);
    showAndAct(QStringLiteral("Done"), 0, {}, [](frmMessageBox* box) {
        expectContent(box, StyleCase{0, "OK", nullptr, BoxAnswer::Ok, BoxAnswer::None, nullptr});
        EXPECT_EQ(box->windowTitle(), QString());
        pressEnter(box);
    });
}

TEST(MessageBoxIcons, AreFourDistinctPicturesOnTheBoxColour) {
    const QStringList names{"question", "exclamation", "stop", "information"};
    for (const QString& name : names) {
        const QImage image = iconFile(name);
        EXPECT_EQ(image.size(), QSize(32, 32)) << name.toStdString();
        EXPECT_EQ(image.pixel(0, 0), qRgb(236, 233, 216)) << name.toStdString();
        for (const QString& other : names.mid(names.indexOf(name) + 1)) {
            EXPECT_NE(image, iconFile(other)) << name.toStdString();
        }
    }
}

TEST(MessageBoxSeam, NextAnswerReturnsAtOnceAndRecordsTheCall) {
    // Should a box open anyway, close it so the failure shows instead of a hang.
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (frmMessageBox* box = openBox()) {
            ADD_FAILURE() << "a box was shown";
            box->done(QDialog::Rejected);
        }
    });
    guard.start(0);
    const int before = km::MessageBoxSeam::callCount();
    km::MessageBoxSeam::setNextAnswer(BoxAnswer::No);
    EXPECT_EQ(km::ShowMessageBox(QStringLiteral("Undo?"), 36, QStringLiteral("Undo")),
              BoxAnswer::No);
    guard.stop();
    EXPECT_EQ(km::MessageBoxSeam::callCount(), before + 1);
    EXPECT_EQ(km::MessageBoxSeam::lastCall().BoxPrompt, QStringLiteral("Undo?"));
    EXPECT_EQ(km::MessageBoxSeam::lastCall().BoxStyle, 36);
    EXPECT_EQ(km::MessageBoxSeam::lastCall().BoxTitle, QStringLiteral("Undo"));

    // The answer applies to one call only.
    EXPECT_EQ(showAndAct(QStringLiteral("Again?"), 36, {}, pressTabEnter), BoxAnswer::No);
}

} // namespace
