// SPDX-License-Identifier: MIT
#pragma once

#include "main_window/main_layout.h"
#include "preview/preview_column.h"

#include <QWidget>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace km {

class CheckBox;
class Divider;
class FolderTree;
class ListView;
class PictureBox;
class Shape;
class XPButton;

// The main window's controls at their designed places, texts, colours and tab order, and the
// layout that fits them to the client area. The window holds one and owns what it builds (the
// controls are its children). It keeps no program state: the window owns the preview column's
// bookkeeping and passes it in.
class MainForm {
public:
    MainForm(QWidget& window, const QString& folderTreeStart);
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    // The client area in whole twips.
    double clientWidthTwips() const;
    double clientHeightTwips() const;

    // Places every resizable control for the current client area and fits the preview column.
    // Does nothing while the client area is empty (a minimised window).
    void layoutControls(km::PreviewColumn& column, int tickCount);

    // The list's width the user asked for by dragging the divider, in twips; the layout keeps it
    // within bounds. The New Name column grows and shrinks with the list.
    double listWidthTwips() const { return m_listWidth; }
    void setListWidthTwips(double twips, km::PreviewColumn& column, int tickCount);

    // Gives the frames' captions and the controls in them colours readable on the window's
    // ground, again after the user's palette changes.
    void followPalette();

    QGroupBox* frameFiles;
    FolderTree* FolderTreeview1;
    Divider* divider;
    ListView* lvFiles;
    QRadioButton* obRenameAll;
    QRadioButton* obRenameSelected;
    CheckBox* cbPreview;
    QGroupBox* frameTypes;
    CheckBox* cbJPG;
    CheckBox* cbBMP;
    CheckBox* cbGIF;
    QGroupBox* frameRename;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* tbPre;
    QLineEdit* tbStart;
    QLineEdit* tbLen;
    QLabel* lblExample;
    QGroupBox* framePreview;
    std::vector<PictureBox*> pbPreview;
    QLabel* imgPreview;
    Shape* Shape1;
    XPButton* bExit;
    XPButton* bAbout;
    XPButton* bUndo;
    XPButton* bRename;

private:
    QWidget& m_window;

    void createPhotoFilesFrame(const km::MainLayout& designed, const QString& folderTreeStart);
    void createTypesFrame();
    void createRenameFrame(const km::MainLayout& designed);
    void createPreviewFrame();
    void createButtonBand(const km::MainLayout& designed);
    void setTabOrder();
    void applyPreviewChange(const km::PreviewColumnChange& change);
    void placeList(const km::TwipRect& rect);

    double m_listWidth = km::kDesignedListWidth;
};

} // namespace km
