// SPDX-License-Identifier: MIT
#include "main_window/main_form.h"

#include "main_window/main_form_buttons.h"
#include "numbers/rounding.h"
#include "photo_list/list_view.h"
#include "widgets/check_box.h"
#include "widgets/designed_font.h"
#include "widgets/divider.h"
#include "widgets/focus_frame.h"
#include "widgets/folder_tree.h"
#include "widgets/picture_box.h"
#include "widgets/readable_colour.h"
#include "widgets/shape.h"
#include "widgets/single_line_validator.h"
#include "xpbutton/xpbutton.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

namespace km {

namespace {

const QColor kCaptionBlue(0, 0, 255);

QGroupBox* makeFrame(const QString& title, const km::TwipRect& rect, QWidget* parent) {
    auto* frame = new QGroupBox(title, parent);
    km::setGeometryTwips(frame, rect);
    return frame;
}

template <typename Widget>
Widget* place(Widget* widget, const km::TwipRect& rect, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    km::setGeometryTwips(widget, rect);
    return widget;
}

// A frame's caption is blue where blue can be read on the window's ground; the controls inside
// it keep the window's text colours rather than taking the caption's.
void colourFrame(QGroupBox* frame, const QPalette& window) {
    QPalette caption = frame->palette();
    caption.setColor(
        QPalette::WindowText,
        km::readableOn(window.color(QPalette::Window), {kCaptionBlue, window.color(QPalette::Link),
                                                        window.color(QPalette::WindowText)}));
    frame->setPalette(caption);
    for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QPalette colours = child->palette();
        colours.setColor(QPalette::WindowText, window.color(QPalette::WindowText));
        colours.setColor(QPalette::Text, window.color(QPalette::Text));
        child->setPalette(colours);
    }
}

QLabel* makeFieldLabel(const QString& text, const km::TwipRect& rect, const char* name,
                       QWidget* parent) {
    auto* label = place(new QLabel(text, parent), rect, name);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    return label;
}

// Every button is created from the settings the form stores for it.
km::XPButton* makeButton(const km::TwipRect& rect, const char* name, QWidget* parent) {
    return place(km::createXPButton(parent, mainFormButtonSettings(QString::fromLatin1(name))),
                 rect, name);
}

} // namespace

MainForm::MainForm(QWidget& window, const QString& folderTreeStart) : m_window(window) {
    window.setObjectName(QStringLiteral("frmMain"));
    window.setWindowTitle(QStringLiteral("Kestrelmark"));
    window.setFont(km::designedFont());
    window.resize(km::twipsToPixels(km::kDesignedClientWidth),
                  km::twipsToPixels(km::kDesignedClientHeight));
    window.setMinimumSize(km::twipsToPixels(km::kMinimumClientWidth),
                          km::twipsToPixels(km::kMinimumClientHeight));

    const km::MainLayout designed =
        km::computeMainLayout(km::kDesignedClientWidth, km::kDesignedClientHeight);
    createButtonBand(designed);
    frameFiles = makeFrame(MainFormWords::tr("Photo Files "), designed.frameFiles, &window);
    frameFiles->setObjectName(QStringLiteral("frameFiles"));
    createPhotoFilesFrame(designed, folderTreeStart);
    frameTypes = makeFrame(MainFormWords::tr("Photo Types"), designed.frameTypes, &window);
    frameTypes->setObjectName(QStringLiteral("frameTypes"));
    createTypesFrame();
    frameRename = makeFrame(MainFormWords::tr("Rename "), designed.frameRename, &window);
    frameRename->setObjectName(QStringLiteral("frameRename"));
    createRenameFrame(designed);
    framePreview = makeFrame(MainFormWords::tr("Preview "), designed.framePreview, &window);
    framePreview->setObjectName(QStringLiteral("framePreview"));
    createPreviewFrame();
    setTabOrder();
    followPalette();
}

void MainForm::followPalette() {
    const QPalette window = m_window.palette();
    for (QGroupBox* frame : {frameFiles, frameTypes, frameRename, framePreview})
        colourFrame(frame, window);
    QPalette red = lblExample->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    lblExample->setPalette(red);
}

void MainForm::createPhotoFilesFrame(const km::MainLayout& l, const QString& folderTreeStart) {
    FolderTreeview1 =
        place(new FolderTree(folderTreeStart, frameFiles), l.folderTree, "FolderTreeview1");
    lvFiles = place(new ListView(frameFiles), l.lvFiles, "lvFiles");
    divider = place(new Divider(frameFiles), l.divider, "divider");
    new FocusFrame(*FolderTreeview1);
    new FocusFrame(*lvFiles);
    obRenameAll = place(new QRadioButton(MainFormWords::tr("Rename All"), frameFiles),
                        l.obRenameAll, "obRenameAll");
    obRenameAll->setChecked(true);
    obRenameSelected =
        place(new QRadioButton(MainFormWords::tr("Rename Selected Only"), frameFiles),
              l.obRenameSelected, "obRenameSelected");
    cbPreview = place(new CheckBox(MainFormWords::tr("Preview Images"), frameFiles), l.cbPreview,
                      "cbPreview");
}

void MainForm::createTypesFrame() {
    cbJPG = place(new CheckBox(MainFormWords::tr("JPEG (*.jpg; *.jpeg)"), frameTypes),
                  {360, 360, 1815, 255}, "cbJPG");
    cbJPG->setValue(1);
    cbBMP = place(new CheckBox(MainFormWords::tr("Bitmap (*.bmp)"), frameTypes),
                  {360, 720, 1815, 255}, "cbBMP");
    cbGIF = place(new CheckBox(MainFormWords::tr("GIF (*.gif)"), frameTypes),
                  {360, 1080, 1815, 195}, "cbGIF");
}

void MainForm::createRenameFrame(const km::MainLayout& l) {
    Label1 =
        makeFieldLabel(MainFormWords::tr("Prefix:"), {120, 405, 1455, 255}, "Label1", frameRename);
    tbPre = place(new QLineEdit(QStringLiteral("foto_"), frameRename), l.tbPre, "tbPre");
    Label2 = makeFieldLabel(MainFormWords::tr("Start numbering at:"), {120, 765, 1455, 255},
                            "Label2", frameRename);
    tbStart =
        place(new QLineEdit(QStringLiteral("1"), frameRename), {1680, 720, 1215, 285}, "tbStart");
    Label3 = makeFieldLabel(MainFormWords::tr("Number of digits:"), {120, 1125, 1455, 255},
                            "Label3", frameRename);
    tbLen =
        place(new QLineEdit(QStringLiteral("3"), frameRename), {1680, 1080, 1215, 285}, "tbLen");
    // File names made of these texts must not hold line breaks or other control characters.
    for (QLineEdit* box : {tbPre, tbStart, tbLen})
        box->setValidator(new SingleLineValidator(box));
    lblExample =
        place(new QLabel(MainFormWords::tr("(Example:)"), frameRename), l.lblExample, "lblExample");
    lblExample->setWordWrap(true);
    lblExample->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void MainForm::createPreviewFrame() {
    auto* first = place(new PictureBox(framePreview), km::kPreviewBox0, "pbPreview0");
    pbPreview.push_back(first);
    imgPreview = place(new QLabel(framePreview), {240, 2520, 2160, 1680}, "imgPreview");
    imgPreview->setScaledContents(true);
    imgPreview->hide();
}

void MainForm::createButtonBand(const km::MainLayout& l) {
    Shape1 =
        place(new Shape(toQColor(kBandColour, m_window.palette()), &m_window), l.shape1, "Shape1");
    bExit = makeButton(l.bExit, "bExit", &m_window);
    bAbout = makeButton(l.bAbout, "bAbout", &m_window);
    bUndo = makeButton(l.bUndo, "bUndo", &m_window);
    bRename = makeButton(l.bRename, "bRename", &m_window);
}

void MainForm::setTabOrder() {
    const std::vector<QWidget*> order{FolderTreeview1, lvFiles, obRenameAll, obRenameSelected,
                                      cbPreview,       cbJPG,   cbBMP,       cbGIF,
                                      tbPre,           tbStart, tbLen,       bExit,
                                      bAbout,          bUndo,   bRename,     pbPreview.front()};
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

double MainForm::clientWidthTwips() const {
    return km::roundHalfEven(km::pixelsToTwips(m_window.width()));
}

double MainForm::clientHeightTwips() const {
    return km::roundHalfEven(km::pixelsToTwips(m_window.height()));
}

void MainForm::layoutControls(km::PreviewColumn& column, int tickCount) {
    const double W = clientWidthTwips();
    const double H = clientHeightTwips();
    if (W == 0 || H == 0)
        return;
    const km::MainLayout l = km::computeMainLayout(W, H, m_listWidth);
    km::setGeometryTwips(Shape1, l.shape1);
    km::setGeometryTwips(bExit, l.bExit);
    km::setGeometryTwips(bAbout, l.bAbout);
    km::setGeometryTwips(bUndo, l.bUndo);
    km::setGeometryTwips(bRename, l.bRename);
    km::setGeometryTwips(frameRename, l.frameRename);
    km::setGeometryTwips(frameTypes, l.frameTypes);
    km::setGeometryTwips(tbPre, l.tbPre);
    km::setGeometryTwips(lblExample, l.lblExample);
    km::setGeometryTwips(framePreview, l.framePreview);
    km::setGeometryTwips(frameFiles, l.frameFiles);
    km::setGeometryTwips(FolderTreeview1, l.folderTree);
    placeList(l.lvFiles);
    km::setGeometryTwips(divider, l.divider);
    km::setGeometryTwips(obRenameAll, l.obRenameAll);
    km::setGeometryTwips(obRenameSelected, l.obRenameSelected);
    km::setGeometryTwips(cbPreview, l.cbPreview);
    applyPreviewChange(km::planPreviewColumn(l.framePreview.height, column, tickCount));
}

void MainForm::setListWidthTwips(double twips, km::PreviewColumn& column, int tickCount) {
    m_listWidth = std::max(km::kDesignedListWidth, twips);
    layoutControls(column, tickCount);
    // What the window's width allows now is what is kept: a drag beyond it comes back from there.
    m_listWidth = std::min(m_listWidth, lvFiles->widthTwips());
}

// The room the list gains or loses goes to its New Name column, which so reaches the list's edge.
void MainForm::placeList(const km::TwipRect& rect) {
    const int before = lvFiles->width();
    km::setGeometryTwips(lvFiles, rect);
    const int change = lvFiles->width() - before;
    if (change == 0 || lvFiles->model()->columnCount() < 2)
        return;
    constexpr int kNarrowestColumn = 40;
    lvFiles->setColumnWidth(1, std::max(kNarrowestColumn, lvFiles->columnWidth(1) + change));
}

void MainForm::applyPreviewChange(const km::PreviewColumnChange& change) {
    for (int i = change.createFrom; i < change.createTo; ++i) {
        PictureBox* box = pbPreview.front()->createCopy();
        box->setObjectName(QStringLiteral("pbPreview%1").arg(i));
        km::TwipRect rect = km::kPreviewBox0;
        rect.top += km::kPreviewBoxStep * i;
        km::setGeometryTwips(box, rect);
        pbPreview.push_back(box);
        QWidget::setTabOrder(pbPreview[static_cast<size_t>(i) - 1], box);
    }
    for (int i = change.showFrom; i < change.showTo; ++i)
        pbPreview[static_cast<size_t>(i)]->show();
    for (int i = change.hideFrom; i < change.hideTo; ++i)
        pbPreview[static_cast<size_t>(i)]->hide();
}

} // namespace km
