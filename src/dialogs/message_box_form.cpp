// SPDX-License-Identifier: MIT
#include "dialogs/message_box_form.h"

#include "dialogs/message_box_content.h"
#include "dialogs/message_box_fit.h"
#include "dialogs/message_box_icons.h"
#include "dialogs/message_box_layout.h"
#include "widgets/designed_font.h"
#include "widgets/twips.h"
#include "xpbutton/colour.h"
#include "xpbutton/xpbutton.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <algorithm>

namespace km {

namespace {

const QColor kBackColor(236, 233, 216);

// The stored settings of the dialog's two buttons.
km::XPButtonSettings storedButtonSettings(const QString& caption, km::Colour backColour) {
    return {.backColor = backColour, .font = km::designedFont(), .caption = caption};
}

km::XPButton* createButton(QWidget* parent, const QString& name, const QString& caption,
                           km::Colour backColour) {
    auto* button = km::createXPButton(parent, storedButtonSettings(caption, backColour));
    button->setObjectName(name);
    return button;
}

QLabel* createLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

// Removes leading and trailing blanks only; other white space stays part of the title.
QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == u' ')
        ++first;
    while (end > first && text.at(end - 1) == u' ')
        --end;
    return text.mid(first, end - first);
}

// Prompts separate their lines with CR LF; the label breaks lines at LF only.
QString labelLines(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

// Where a window of `frame` size starting at `topLeft` goes to lie inside `area` as far as it can.
QPoint keptInside(QPoint topLeft, QSize frame, const QRect& area) {
    const int left = std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - frame.width()));
    const int top = std::max(area.top(), std::min(topLeft.y(), area.bottom() + 1 - frame.height()));
    return {left, top};
}

} // namespace

frmMessageBox::frmMessageBox(km::MessageBoxState& state) : QDialog(nullptr), m_state(state) {
    setObjectName(QStringLiteral("frmMessageBox"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Messagebox"));
    setFont(km::designedFont());
    // Its ground is the design's, so the prompt on it takes the design's text colour too.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackColor);
    colours.setColor(QPalette::WindowText,
                     km::designedSystemColours().color(QPalette::WindowText));
    setPalette(colours);
    setAutoFillBackground(true);
    resize(km::twipsToPixels(3825), km::twipsToPixels(1650));
    createControls();
    Form_Load();
}

void frmMessageBox::createControls() {
    lblPrompt = createLabel(this, QStringLiteral("lblPrompt"));
    lblPrompt->setTextFormat(Qt::PlainText);
    lblPrompt->setWordWrap(false);
    lblPrompt->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblPrompt->setText(QStringLiteral("This is a messagebox"));
    km::setGeometryTwips(lblPrompt, {840, 120, 1515, 195});

    imgIcon = createLabel(this, QStringLiteral("imgIcon"));
    km::setGeometryTwips(imgIcon, {120, 120, 495, 495});

    bYesOk =
        createButton(this, QStringLiteral("bYesOk"), QStringLiteral("Yes"), km::rgb(236, 233, 216));
    km::setGeometryTwips(bYesOk, {840, 1080, 1095, 315});
    bNoCancel = createButton(this, QStringLiteral("bNoCancel"), QStringLiteral("No"),
                             km::kSystemButtonFace);
    km::setGeometryTwips(bNoCancel, {2160, 1080, 1095, 315});
    setTabOrder(bYesOk, bNoCancel);

    connect(bYesOk, &km::XPButton::Click, this, &frmMessageBox::bYesOk_Click);
    connect(bNoCancel, &km::XPButton::Click, this, &frmMessageBox::bNoCancel_Click);
    ilIcons = km::loadMessageBoxIcons();
}

void frmMessageBox::Form_Load() {
    setWindowTitle(trimBlanks(m_state.BoxTitle));
    lblPrompt->setText(labelLines(m_state.BoxPrompt));
    lblPrompt->adjustSize();

    const km::MessageBoxContent content = km::messageBoxContent(m_state.BoxStyle);
    bYesOk->setCaption(content.yesOkCaption);
    bYesOk->setVisible(true);
    YesOkResult = content.yesOkResult;
    bNoCancel->setVisible(content.noCancelShown);
    if (content.noCancelShown) {
        bNoCancel->setCaption(content.noCancelCaption);
        NoCancelResult = content.noCancelResult;
    }

    if (!content.iconKey.isEmpty()) {
        imgIcon->setPixmap(ilIcons.picture(content.iconKey));
        imgIcon->resize(imgIcon->pixmap().size());
    }
    // Until a button answers, the answer is that of closing the box, so a box closed by the
    // window system never reports an earlier call's answer.
    m_state.BoxResult = content.closeResult();
    bYesOk->setFocus();
}

void frmMessageBox::Form_Resize() {
    if (m_resizing)
        return;
    m_resizing = true;
    const QSize border = borderSize();
    const QScreen* where = screen();
    const QRect screenRect = where ? where->geometry() : QRect();
    const QRect available = where ? where->availableGeometry() : QRect();
    if (where)
        fitPrompt(km::largestPromptSize(available.size(), border));

    km::MessageBoxMeasures measures;
    measures.promptWidth = km::pixelsToTwips(lblPrompt->width());
    measures.promptHeight = km::pixelsToTwips(lblPrompt->height());
    measures.borderWidth = km::pixelsToTwips(border.width());
    measures.borderHeight = km::pixelsToTwips(border.height());
    measures.twipsPerPixelX = km::twipsPerPixel();
    measures.twipsPerPixelY = km::twipsPerPixel();
    measures.yesOkWidth = km::pixelsToTwips(bYesOk->width());
    measures.noCancelWidth = km::pixelsToTwips(bNoCancel->width());
    measures.noCancelShown = !bNoCancel->isHidden();
    measures.screenWidth = km::pixelsToTwips(screenRect.width());
    measures.screenHeight = km::pixelsToTwips(screenRect.height());
    const km::MessageBoxPlacement place = km::placeMessageBox(measures);

    setFixedSize(km::twipsToPixels(place.clientWidth), km::twipsToPixels(place.clientHeight));
    bYesOk->move(km::twipsToPixels(place.yesOkLeft), km::twipsToPixels(place.buttonTop));
    bNoCancel->move(km::twipsToPixels(place.noCancelLeft), km::twipsToPixels(place.buttonTop));
    imgIcon->move(km::twipsToPixels(place.iconLeft), km::twipsToPixels(place.iconTop));
    lblPrompt->move(km::twipsToPixels(place.promptLeft), km::twipsToPixels(place.promptTop));
    const QPoint centred = screenRect.topLeft() + QPoint(km::twipsToPixels(place.window.left),
                                                         km::twipsToPixels(place.window.top));
    move(where ? keptInside(centred, size() + border, available) : centred);
    m_laidOutBorder = border;
    m_resizing = false;
}

// Fits the prompt into `room` from the full text each time, so a later border size refits it
// from scratch. A prompt that had to be shortened or wrapped keeps its full text in the tooltip.
void frmMessageBox::fitPrompt(QSize room) {
    const QString full = labelLines(m_state.BoxPrompt);
    const QString shown = km::fitPromptToRoom(full, lblPrompt->fontMetrics(), room);
    if (lblPrompt->text() != shown) {
        lblPrompt->setText(shown);
        lblPrompt->adjustSize();
    }
    lblPrompt->setToolTip(shown == full ? QString() : km::wrappingToolTip(full));
}

QSize frmMessageBox::borderSize() const {
    return frameGeometry().size() - size();
}

void frmMessageBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Resize();
}

void frmMessageBox::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (isVisible())
        Form_Resize();
}

void frmMessageBox::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    // The window manager may add its frame only after the box is shown; centre again once then.
    if (isVisible() && borderSize() != m_laidOutBorder)
        Form_Resize();
}

void frmMessageBox::keyPressEvent(QKeyEvent* event) {
    // Only a button answers; Escape must not close the box with an answer nobody chose.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    // The whole prompt, also what a shortened prompt does not show.
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(labelLines(m_state.BoxPrompt));
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmMessageBox::bYesOk_Click() {
    m_state.BoxResult = YesOkResult;
    accept();
}

void frmMessageBox::bNoCancel_Click() {
    m_state.BoxResult = NoCancelResult;
    accept();
}

} // namespace km
