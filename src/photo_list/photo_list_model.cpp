// SPDX-License-Identifier: MIT
#include "photo_list/photo_list_model.h"

#include "files/file_names.h"

#include <QColor>
#include <algorithm>
#include <optional>
#include <utility>

namespace km {
namespace {

const QRgb kNormalColour = qRgb(0, 0, 0);
const QRgb kConflictColour = qRgb(255, 0, 0);
const QRgb kLeftOutColour = qRgb(128, 128, 128);

// The first and the last row at which two lists differ; none when they are equal.
template <typename List>
std::optional<std::pair<int, int>> changedRows(const List& before, const List& after) {
    const auto rows = static_cast<int>(after.size());
    if (static_cast<int>(before.size()) != rows)
        return rows > 0 ? std::optional(std::pair{0, rows - 1}) : std::nullopt;
    int first = 0;
    while (first < rows && before[first] == after[first])
        ++first;
    if (first == rows)
        return std::nullopt;
    int last = rows - 1;
    while (before[last] == after[last])
        --last;
    return std::pair{first, last};
}

} // namespace

PhotoListModel::PhotoListModel(QObject* parent) : QAbstractTableModel(parent) {}

void PhotoListModel::setIconProvider(std::function<QIcon(const QString&)> provider) {
    m_iconProvider = std::move(provider);
}

void PhotoListModel::addColumn(const QString& header) {
    const int column = columnCount();
    beginInsertColumns({}, column, column);
    m_headers.append(header);
    endInsertColumns();
}

void PhotoListModel::setColumnHeader(int column, const QString& header) {
    if (column < 0 || column >= m_headers.size() || m_headers[column] == header)
        return;
    m_headers[column] = header;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void PhotoListModel::setToolTipProvider(std::function<QString(int row)> provider) {
    m_toolTipProvider = std::move(provider);
}

void PhotoListModel::setPhotos(const QStringList& names,
                               std::function<QString(const QString&)> iconKeyOf) {
    beginResetModel();
    m_names.clear();
    m_newNames.clear();
    m_conflicts.clear();
    m_leftOut.clear();
    endResetModel();
    m_iconKeyOf = std::move(iconKeyOf);
    if (names.isEmpty())
        return;
    beginInsertRows({}, 0, static_cast<int>(names.size()) - 1);
    m_names = names;
    m_newNames.resize(names.size());
    m_conflicts.assign(static_cast<size_t>(names.size()), false);
    endInsertRows();
}

bool PhotoListModel::setNewNames(QStringList newNames) {
    newNames.resize(m_names.size());
    const auto changed = changedRows(m_newNames, newNames);
    m_newNames = std::move(newNames);
    if (changed && columnCount() > 1)
        emit dataChanged(index(changed->first, 1), index(changed->second, 1), {Qt::DisplayRole});
    return changed.has_value();
}

void PhotoListModel::setConflictRows(const std::vector<int>& rows) {
    std::vector<bool> conflicts(static_cast<size_t>(count()), false);
    for (int row : rows) {
        if (row >= 0 && row < count())
            conflicts[static_cast<size_t>(row)] = true;
    }
    const auto changed = changedRows(m_conflicts, conflicts);
    m_conflicts = std::move(conflicts);
    if (changed && columnCount() > 0)
        emit dataChanged(index(changed->first, 0), index(changed->second, columnCount() - 1),
                         {Qt::ForegroundRole});
}

void PhotoListModel::setLeftOutRows(const std::vector<bool>& leftOut, const QString& text) {
    setLeftOutRows(std::vector<quint8>(leftOut.begin(), leftOut.end()), {text});
}

void PhotoListModel::setLeftOutRows(std::vector<quint8> reasons, const QStringList& texts) {
    // No row flagged is held as none at all, so that lists without such rows pay nothing.
    const auto rows = static_cast<size_t>(count());
    const bool none =
        std::find_if(reasons.begin(), reasons.end(), [](quint8 k) { return k > 0; }) ==
        reasons.end();
    reasons.resize(none ? 0 : rows);
    if (reasons.empty() && m_leftOut.empty())
        return;
    std::vector<quint8> before = std::move(m_leftOut);
    before.resize(texts == m_leftOutTexts ? rows : 0, 0);
    std::vector<quint8> after = reasons;
    after.resize(rows, 0);
    const auto changed = changedRows(before, after);
    m_leftOut = std::move(reasons);
    m_leftOutTexts = texts;
    if (changed && columnCount() > 1)
        emit dataChanged(index(changed->first, 1), index(changed->second, 1),
                         {Qt::DisplayRole, Qt::ForegroundRole});
}

bool PhotoListModel::showsLeftOut(int row) const {
    const auto at = static_cast<size_t>(row);
    return at < m_leftOut.size() && m_leftOut[at] > 0 && m_leftOut[at] <= m_leftOutTexts.size() &&
           m_newNames[row].isEmpty();
}

std::vector<int> PhotoListModel::conflictRows() const {
    std::vector<int> rows;
    for (int row = 0; row < count(); ++row) {
        if (m_conflicts[static_cast<size_t>(row)])
            rows.push_back(row);
    }
    return rows;
}

int PhotoListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

int PhotoListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

QVariant PhotoListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() > 1)
            return QString();
        if (index.column() == 0)
            return fs::readableName(m_names[row]);
        return showsLeftOut(row) ? m_leftOutTexts[m_leftOut[static_cast<size_t>(row)] - 1]
                                 : m_newNames[row];
    case Qt::ForegroundRole:
        if (m_conflicts[static_cast<size_t>(row)])
            return QColor(kConflictColour);
        return QColor(index.column() == 1 && showsLeftOut(row) ? kLeftOutColour : kNormalColour);
    case Qt::DecorationRole:
        return index.column() == 0 ? icon(row) : QVariant();
    case Qt::ToolTipRole:
        if (m_toolTipProvider) {
            if (QString tip = m_toolTipProvider(row); !tip.isEmpty())
                return tip;
        }
        return {};
    default:
        return {};
    }
}

QVariant PhotoListModel::icon(int row) const {
    if (!m_iconKeyOf || !m_iconProvider)
        return {};
    const QString key = m_iconKeyOf(m_names[row]);
    if (key.isEmpty())
        return {};
    return m_iconProvider(key);
}

QVariant PhotoListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= m_headers.size())
        return {};
    return m_headers[section];
}

} // namespace km
