// SPDX-License-Identifier: MIT
#include "dialogs/about_dialog.h"

#include "widgets/designed_font.h"
#include "widgets/twips.h"
#include "xpbutton/xpbutton.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace km {

namespace {

class AboutWords {
    Q_DECLARE_TR_FUNCTIONS(AboutWords)
};

constexpr km::TwipRect kClientArea{0, 0, 3855, 2535};
constexpr km::TwipRect kImage1{120, 120, 3600, 2280};
constexpr km::TwipRect kCloseButton{1440, 1920, 975, 255};

// How the form keeps its Close button's settings.
km::XPButtonSettings bCloseSettings() {
    return {.extentX = 1720,
            .extentY = 450,
            .backColor = km::rgb(255, 255, 192),
            .font = km::designedFont(),
            .caption = AboutWords::tr("Close")};
}

} // namespace

AboutDialog::AboutDialog() : QDialog(nullptr) {
    setObjectName(QStringLiteral("frmAbout"));
    // A tool window stays out of the task bar; no frame means no title bar and no border.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setModal(true);
    setFont(km::designedFont());
    setFixedSize(km::twipsToPixels(kClientArea).size());
    createControls();
    centreOnScreen();
}

void AboutDialog::createControls() {
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The picture holds words too: each translation names its own.
    Image1->setPixmap(QPixmap(AboutWords::tr(":/about/kestrelmark.gif", "the about picture")));
    km::setGeometryTwips(Image1, kImage1);

    bClose = km::createXPButton(this, bCloseSettings());
    bClose->setObjectName(QStringLiteral("bClose"));
    km::setGeometryTwips(bClose, kCloseButton);
    connect(bClose, &km::XPButton::Click, this, &AboutDialog::bClose_Click);
    bClose->setFocus();
}

void AboutDialog::centreOnScreen() {
    const QScreen* where = QGuiApplication::primaryScreen();
    if (!where)
        return;
    const QRect area = where->geometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

void AboutDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    // Shape2: a one-pixel frame around the whole window, transparent inside.
    const QColor frame = km::designedSystemColours().color(QPalette::WindowText);
    const int right = width() - 1;
    const int bottom = height() - 1;
    painter.fillRect(0, 0, width(), 1, frame);
    painter.fillRect(0, bottom, width(), 1, frame);
    painter.fillRect(0, 0, 1, height(), frame);
    painter.fillRect(right, 0, 1, height(), frame);
}

void AboutDialog::keyPressEvent(QKeyEvent* event) {
    // Only Close closes the window; Escape does nothing here.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void AboutDialog::bClose_Click() {
    accept();
}

void showAboutDialog() {
    AboutDialog frmAbout;
    frmAbout.exec();
}

} // namespace km
