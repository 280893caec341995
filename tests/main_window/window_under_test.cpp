// SPDX-License-Identifier: MIT
#include "window_under_test.h"

#include "photo_list/list_view.h"
#include "widgets/check_box.h"
#include "widgets/folder_tree.h"
#include "widgets/picture_box.h"
#include "xpbutton/xpbutton.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The window's child of that type and name; a test fails when there is none.
template <typename Child> Child* child(const QObject& window, const QString& name) {
    auto* found = window.findChild<Child*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

template <typename Child> Child* child(const QObject& window, const char* name) {
    return child<Child>(window, QString::fromLatin1(name));
}

} // namespace

WindowUnderTest::WindowUnderTest(const QString& settingsFolder, const QString& folderTreeStart,
                                 const QString& journalFolder, const QString& optionsFolder)
    : km::MainWindow(settingsFolder, folderTreeStart, journalFolder, optionsFolder),
      FolderTreeview1(child<km::FolderTree>(*this, "FolderTreeview1")),
      lvFiles(child<km::ListView>(*this, "lvFiles")),
      obRenameAll(child<QRadioButton>(*this, "obRenameAll")),
      obRenameSelected(child<QRadioButton>(*this, "obRenameSelected")),
      cbPreview(child<km::CheckBox>(*this, "cbPreview")),
      cbJPG(child<km::CheckBox>(*this, "cbJPG")), cbBMP(child<km::CheckBox>(*this, "cbBMP")),
      cbGIF(child<km::CheckBox>(*this, "cbGIF")), tbPre(child<QLineEdit>(*this, "tbPre")),
      tbStart(child<QLineEdit>(*this, "tbStart")), tbLen(child<QLineEdit>(*this, "tbLen")),
      lblExample(child<QLabel>(*this, "lblExample")), bExit(child<km::XPButton>(*this, "bExit")),
      bAbout(child<km::XPButton>(*this, "bAbout")), bUndo(child<km::XPButton>(*this, "bUndo")),
      bRename(child<km::XPButton>(*this, "bRename")), Timer1(child<QTimer>(*this, "Timer1")),
      seam(*this) {}

km::PictureBox* WindowUnderTest::pbPreview(int index) const {
    return child<km::PictureBox>(*this, QStringLiteral("pbPreview%1").arg(index));
}

QStringList WindowUnderTest::rows() const {
    QStringList texts;
    for (int row = 1; row <= lvFiles->rowTotal(); ++row)
        texts << lvFiles->text(row);
    return texts;
}

QStringList WindowUnderTest::newNames() const {
    QStringList names;
    for (int row = 1; row <= lvFiles->rowTotal(); ++row)
        names << lvFiles->subItem(row);
    return names;
}
