// SPDX-License-Identifier: MIT
#include "dialogs/earlier_renames_dialog.h"

#include "widgets/designed_font.h"
#include "widgets/twips.h"
#include "xpbutton/xpbutton.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeWidget>

namespace km {

namespace {

// The window's colour, the message box's.
const QColor kEarlierRenamesBack(236, 233, 216);
constexpr km::TwipRect kEarlierArea{0, 0, 10200, 4560};
constexpr km::TwipRect kEarlierBatchList{120, 120, 9960, 3690};
constexpr km::TwipRect kEarlierUndoButton{7800, 3960, 1080, 375};
constexpr km::TwipRect kEarlierCloseButton{9000, 3960, 1080, 375};

km::XPButton* createEarlierRenamesButton(QWidget* parent, const QString& name,
                                         const QString& caption) {
    const km::Colour back =
        name == QLatin1String("bUndo") ? km::rgb(236, 233, 216) : km::kSystemButtonFace;
    auto* button = km::createXPButton(
        parent, {.backColor = back, .font = km::designedFont(), .caption = caption});
    button->setObjectName(name);
    km::setGeometryTwips(button,
                         name == QLatin1String("bUndo") ? kEarlierUndoButton : kEarlierCloseButton);
    return button;
}

} // namespace

EarlierRenamesDialog::EarlierRenamesDialog(const std::vector<EarlierRenameRow>& rows,
                                           QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmEarlierRenames"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Earlier Renames"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(km::designedFont());
    // The labels stand on the design's ground; the list keeps the user's colours.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kEarlierRenamesBack);
    colours.setColor(QPalette::WindowText,
                     km::designedSystemColours().color(QPalette::WindowText));
    setPalette(colours);
    setAutoFillBackground(true);
    setFixedSize(km::twipsToPixels(kEarlierArea).size());
    createControls(rows);
}

void EarlierRenamesDialog::createControls(const std::vector<EarlierRenameRow>& rows) {
    lvBatches = new QTreeWidget(this);
    lvBatches->setObjectName(QStringLiteral("lvBatches"));
    lvBatches->setRootIsDecorated(false);
    lvBatches->setUniformRowHeights(true);
    lvBatches->setHeaderLabels({tr("When"), tr("Folder"), tr("Files"), tr("Example"), tr("State")});
    for (const EarlierRenameRow& row : rows)
        lvBatches->addTopLevelItem(new QTreeWidgetItem(
            lvBatches, {row.when, row.folder, row.files, row.example, row.state}));
    for (int column = 0; column < lvBatches->columnCount(); ++column)
        lvBatches->resizeColumnToContents(column);
    km::setGeometryTwips(lvBatches, kEarlierBatchList);
    if (!rows.empty())
        lvBatches->setCurrentItem(lvBatches->topLevelItem(0));

    bUndo = createEarlierRenamesButton(this, QStringLiteral("bUndo"), tr("&Undo"));
    bUndo->setEnabled(!rows.empty());
    bClose = createEarlierRenamesButton(this, QStringLiteral("bClose"), tr("&Close"));
    connect(bUndo, &km::XPButton::Click, this, &EarlierRenamesDialog::bUndo_Click);
    connect(bClose, &km::XPButton::Click, this, &QDialog::reject);
    lvBatches->setFocus();
}

// Enter undoes wherever the focus is, Escape closes: the window's default and cancel buttons.
void EarlierRenamesDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        bUndo_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void EarlierRenamesDialog::bUndo_Click() {
    QTreeWidgetItem* current = lvBatches->currentItem();
    if (!bUndo->Enabled() || !current)
        return;
    const int row = lvBatches->indexOfTopLevelItem(current);
    accept();
    emit undoChosen(row);
}

} // namespace km
