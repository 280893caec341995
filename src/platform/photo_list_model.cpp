#include "platform/photo_list_model.h"

#include <QColor>

namespace km {

PhotoListModel::PhotoListModel(QObject* parent) : QAbstractTableModel(parent) {}

void PhotoListModel::setIconProvider(std::function<QIcon(int)> provider) {
    m_iconProvider = std::move(provider);
}

void PhotoListModel::addColumn(const QString& header) {
    const int column = columnCount();
    beginInsertColumns({}, column, column);
    m_headers.append(header);
    endInsertColumns();
}

void PhotoListModel::clear() {
    beginResetModel();
    m_rows.clear();
    m_announced = 0;
    endResetModel();
}

void PhotoListModel::append(const QString& text) {
    // Rows added in one go are announced together, at the latest when control returns to the
    // event loop.
    if (m_announced == count())
        QMetaObject::invokeMethod(this, &PhotoListModel::flush, Qt::QueuedConnection);
    m_rows.push_back(Row{text, {}, qRgb(0, 0, 0), qRgb(0, 0, 0), -1});
}

void PhotoListModel::flush() {
    if (m_announced == count())
        return;
    beginInsertRows({}, m_announced, count() - 1);
    m_announced = count();
    endInsertRows();
}

void PhotoListModel::announceAllChanged() {
    flush();
    if (m_announced > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(m_announced - 1, columnCount() - 1));
}

int PhotoListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_announced;
}

int PhotoListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

QVariant PhotoListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row& entry = row(index.row());
    const bool first = index.column() == 0;
    switch (role) {
    case Qt::DisplayRole:
        return first ? entry.text : (index.column() == 1 ? entry.subItem : QString());
    case Qt::ForegroundRole:
        return QColor(first ? entry.textColour : entry.subItemColour);
    case Qt::DecorationRole:
        if (first && entry.iconIndex >= 0 && m_iconProvider)
            return m_iconProvider(entry.iconIndex);
        return {};
    default:
        return {};
    }
}

QVariant PhotoListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= m_headers.size())
        return {};
    return m_headers[section];
}

} // namespace km
