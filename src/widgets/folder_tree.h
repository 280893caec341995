// SPDX-License-Identifier: MIT
#pragma once

#include <QTreeView>

class QFileSystemModel;

namespace km {

// A tree of the file system's folders (hidden ones not shown) with a read/write selected path and
// a notification when the user selects a folder.
class FolderTree : public QTreeView {
    Q_OBJECT

public:
    // startFolder is selected at once; the main window passes the user's Pictures or home folder.
    explicit FolderTree(const QString& startFolder, QWidget* parent = nullptr);

    // The full path of the folder last selected by the user or the program, also when it has
    // vanished since; empty when nothing is selected.
    QString selectedPath() const;
    // Selects the folder when it exists; an empty or missing path leaves the selection as it is.
    // Never raises Click.
    void setSelectedPath(const QString& path);

    // The folder the tree selects on its own: the user's Pictures folder if it exists, else home.
    static QString defaultStartFolder();

signals:
    // The user selected a folder; selectedPath() gives it.
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onCurrentChanged(const QModelIndex& current);
    // Expands the selection's parents and scrolls it into view; folders load in the background,
    // so this runs again as they arrive.
    void revealCurrent();

    QFileSystemModel* m_model;
    QString m_selectedPath;
    // Set while the user's mouse or keys act on the tree: only then is a new current row a choice.
    bool m_userInput = false;
    bool m_settingPath = false;
    bool m_revealPending = false;
};

} // namespace km
