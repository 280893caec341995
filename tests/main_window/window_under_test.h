// SPDX-License-Identifier: MIT
#pragma once

#include "main_window/main_window.h"
#include "seams/main_window_test_seam.h"

#include <QStringList>

class QLabel;
class QLineEdit;
class QRadioButton;
class QTimer;

namespace km {
class CheckBox;
class FolderTree;
class ListView;
class PictureBox;
class XPButton;
} // namespace km

// The main window as tests drive it: its controls, found by their object names, and its seam.
class WindowUnderTest : public km::MainWindow {
public:
    WindowUnderTest(const QString& settingsFolder, const QString& folderTreeStart,
                    const QString& journalFolder = QString(),
                    const QString& optionsFolder = QString());

    // Element `index` of the preview column; the column grows with the window.
    km::PictureBox* pbPreview(int index) const;
    // The photo list's names and new names, top to bottom.
    QStringList rows() const;
    QStringList newNames() const;

    km::FolderTree* const FolderTreeview1;
    km::ListView* const lvFiles;
    QRadioButton* const obRenameAll;
    QRadioButton* const obRenameSelected;
    km::CheckBox* const cbPreview;
    km::CheckBox* const cbJPG;
    km::CheckBox* const cbBMP;
    km::CheckBox* const cbGIF;
    QLineEdit* const tbPre;
    QLineEdit* const tbStart;
    QLineEdit* const tbLen;
    QLabel* const lblExample;
    km::XPButton* const bExit;
    km::XPButton* const bAbout;
    km::XPButton* const bUndo;
    km::XPButton* const bRename;
    QTimer* const Timer1;
    km::MainWindowTestSeam seam;
};
