// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QString>
#include <vector>

class QTreeWidget;

namespace km {
class XPButton;
} // namespace km

namespace km {

// One earlier batch as the window lists it.
struct EarlierRenameRow {
    QString when;
    QString folder;
    QString files;
    // One of its renames, as "IMG_0001.JPG -> foto_001.JPG".
    QString example;
    // Whether it can still be undone: its files as it left them, some changed since, its folder
    // gone, or its record damaged.
    QString state;
};

// The "Earlier Renames" window: the recorded batches, newest first, the newest selected, with
// Undo (the default, Enter) and Close (Escape). It only offers the choice: undoChosen names the
// row, and the window closes.
class EarlierRenamesDialog : public QDialog {
    Q_OBJECT

public:
    explicit EarlierRenamesDialog(const std::vector<EarlierRenameRow>& rows,
                                  QWidget* parent = nullptr);

signals:
    void undoChosen(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls(const std::vector<EarlierRenameRow>& rows);
    void bUndo_Click();

    QTreeWidget* lvBatches = nullptr;
    km::XPButton* bUndo = nullptr;
    km::XPButton* bClose = nullptr;
};

} // namespace km
