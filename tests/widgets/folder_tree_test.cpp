// SPDX-License-Identifier: MIT
#include "support/temp_folder.h"
#include "widgets/folder_tree.h"

#include <QFileSystemModel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using km::FolderTree;

namespace {

TEST(FolderTree, StartsOnItsStartFolderAndSelectsWhatItIsGiven) {
    TempFolder root;
    root.makeFolder("a");
    root.makeFolder("b");
    FolderTree tree(root.filePath("a"));
    EXPECT_EQ(tree.selectedPath(), root.filePath("a"));

    QSignalSpy clicks(&tree, &FolderTree::Click);
    tree.setSelectedPath(root.filePath("b") + "/");
    EXPECT_EQ(tree.selectedPath(), root.filePath("b"));
    EXPECT_EQ(clicks.count(), 0);
}

TEST(FolderTree, AnEmptyOrMissingPathLeavesTheSelectionAsItIs) {
    TempFolder root;
    root.makeFolder("a");
    root.write("file.jpg", "x");
    FolderTree tree(root.filePath("a"));
    for (const QString& path : {QString(), root.filePath("gone"), root.filePath("file.jpg")}) {
        tree.setSelectedPath(path);
        EXPECT_EQ(tree.selectedPath(), root.filePath("a")) << path.toStdString();
    }
}

TEST(FolderTree, AUsersSelectionRaisesClick) {
    TempFolder root;
    root.makeFolder("a");
    root.makeFolder("b");
    FolderTree tree(root.filePath("a"));
    tree.resize(300, 400);
    tree.show();
    QSignalSpy clicks(&tree, &FolderTree::Click);
    tree.setFocus();
    QTest::keyClick(&tree, Qt::Key_Up); // the row above: a sibling or the parent folder
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_NE(tree.selectedPath(), root.filePath("a"));
}

TEST(FolderTree, ASelectedFolderThatVanishesStaysSelectedWithoutAClick) {
    TempFolder root;
    for (const char* name : {"a", "b", "c"})
        root.makeFolder(name);
    FolderTree tree(root.filePath("b"));
    tree.resize(300, 400);
    tree.show();
    QSignalSpy clicks(&tree, &FolderTree::Click);
    QSignalSpy removed(tree.model(), &QAbstractItemModel::rowsRemoved);
    // The model watches a folder once it has listed it.
    auto* model = qobject_cast<QFileSystemModel*>(tree.model());
    ASSERT_NE(model, nullptr);
    const QModelIndex parent = model->index(root.path());
    for (int i = 0; i < 100 && model->rowCount(parent) < 3; ++i)
        QTest::qWait(50);
    QTest::qWait(100);
    ASSERT_TRUE(QDir(root.filePath("b")).removeRecursively());
    for (int i = 0; i < 100 && removed.isEmpty(); ++i)
        QTest::qWait(50);
    ASSERT_FALSE(removed.isEmpty());
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(tree.selectedPath(), root.filePath("b"));
}

TEST(FolderTree, TheDefaultStartIsPicturesOrHome) {
    const QString start = FolderTree::defaultStartFolder();
    EXPECT_FALSE(start.isEmpty());
    EXPECT_TRUE(QFileInfo(start).isDir());
}

} // namespace
