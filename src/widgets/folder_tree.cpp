// SPDX-License-Identifier: MIT
#include "widgets/folder_tree.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QScopedValueRollback>
#include <QStandardPaths>

namespace km {

FolderTree::FolderTree(const QString& startFolder, QWidget* parent)
    : QTreeView(parent), m_model(new QFileSystemModel(this)) {
    m_model->setFilter(QDir::Dirs | QDir::Drives | QDir::NoDotAndDotDot);
    m_model->setReadOnly(true);
    m_model->setRootPath(QStringLiteral("/"));
    setModel(m_model);
    setHeaderHidden(true);
    for (int column = 1; column < m_model->columnCount(); ++column)
        hideColumn(column);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    m_model->sort(0, Qt::AscendingOrder);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { onCurrentChanged(current); });
    // Folders load and sort in the background; keep a selection made by the program in view as
    // its parents fill in, until the user takes over.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, [this] { revealCurrent(); });
    connect(m_model, &QAbstractItemModel::layoutChanged, this, [this] { revealCurrent(); });
    setSelectedPath(startFolder);
}

QString FolderTree::selectedPath() const {
    return m_selectedPath;
}

void FolderTree::setSelectedPath(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return;
    const QModelIndex index = m_model->index(QDir::cleanPath(path));
    if (!index.isValid())
        return;
    m_settingPath = true;
    setCurrentIndex(index);
    m_settingPath = false;
    m_selectedPath = QDir::cleanPath(m_model->filePath(index));
    m_revealPending = true;
    revealCurrent();
}

QString FolderTree::defaultStartFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QFileInfo(pictures).isDir())
        return pictures;
    return QDir::homePath();
}

void FolderTree::revealCurrent() {
    const QModelIndex current = currentIndex();
    if (!m_revealPending || !current.isValid())
        return;
    for (QModelIndex parent = current.parent(); parent.isValid(); parent = parent.parent())
        expand(parent);
    scrollTo(current, QAbstractItemView::PositionAtCenter);
}

void FolderTree::mousePressEvent(QMouseEvent* event) {
    m_revealPending = false;
    const QScopedValueRollback user(m_userInput, true);
    QTreeView::mousePressEvent(event);
}

void FolderTree::mouseMoveEvent(QMouseEvent* event) {
    const QScopedValueRollback user(m_userInput, true);
    QTreeView::mouseMoveEvent(event);
}

void FolderTree::mouseReleaseEvent(QMouseEvent* event) {
    const QScopedValueRollback user(m_userInput, true);
    QTreeView::mouseReleaseEvent(event);
}

void FolderTree::wheelEvent(QWheelEvent* event) {
    m_revealPending = false;
    QTreeView::wheelEvent(event);
}

void FolderTree::keyPressEvent(QKeyEvent* event) {
    m_revealPending = false;
    const QScopedValueRollback user(m_userInput, true);
    QTreeView::keyPressEvent(event);
}

// When the selected folder is deleted or renamed outside the program, the view moves its current
// row to a neighbour. That is nobody's choice: the selection stays the vanished folder, and no row
// is current, so that a click on any folder, the neighbour included, selects it.
void FolderTree::onCurrentChanged(const QModelIndex& current) {
    if (m_settingPath || !current.isValid())
        return;
    if (!m_userInput) {
        const QScopedValueRollback setting(m_settingPath, true);
        selectionModel()->clear();
        return;
    }
    m_selectedPath = QDir::cleanPath(m_model->filePath(current));
    emit Click();
}

} // namespace km
