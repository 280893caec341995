// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>
#include <functional>
#include <vector>

namespace km {

// The rows of the photo list, numbered from 0 in the order given; the model never sorts them.
// Each row is a photo's name, its new name, a small icon and whether it is in conflict. Every
// change is made to the whole list at once and announced at once.
class PhotoListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit PhotoListModel(QObject* parent = nullptr);

    // Gives the picture of a small-icon key; the list view binds it to its image list.
    void setIconProvider(std::function<QIcon(const QString& key)> provider);
    // Appends a column with its header text.
    void addColumn(const QString& header);
    void setColumnHeader(int column, const QString& header);
    // Gives the tooltip of a row, asked for only when one is shown; none by default.
    void setToolTipProvider(std::function<QString(int row)> provider);

    // Replaces every row by one per name, with the small icon iconKeyOf(name) (empty for none),
    // no new name and no conflict. The key is asked for only when a row is drawn, so that a long
    // list costs no more than the rows on screen.
    void setPhotos(const QStringList& names, std::function<QString(const QString& name)> iconKeyOf);
    // newNames[i] becomes row i's new name; rows past its end get an empty one. This and
    // setConflictRows announce only the span of rows that changed, as views redraw row by row.
    // True when a new name changed.
    bool setNewNames(QStringList newNames);
    // Shows these rows in conflict colours and every other row in the normal ones.
    void setConflictRows(const std::vector<int>& rows);
    // Rows flagged here that have no new name show text in grey in its place: the photo keeps
    // its name, and text says why. Rows past the end of leftOut are not flagged.
    void setLeftOutRows(const std::vector<bool>& leftOut, const QString& text);
    // The same with a text of its own for each reason: a row whose reason is k > 0 shows
    // texts[k - 1]; 0 is no reason.
    void setLeftOutRows(std::vector<quint8> reasons, const QStringList& texts);

    int count() const { return static_cast<int>(m_names.size()); }
    const QStringList& names() const { return m_names; }
    // One entry per row.
    const QStringList& newNames() const { return m_newNames; }
    // The rows in conflict, ascending.
    std::vector<int> conflictRows() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant icon(int row) const;
    bool showsLeftOut(int row) const;

    QStringList m_names;
    QStringList m_newNames;
    std::vector<bool> m_conflicts;
    std::vector<quint8> m_leftOut;
    QStringList m_leftOutTexts;
    std::function<QString(const QString& name)> m_iconKeyOf;
    QStringList m_headers;
    std::function<QIcon(const QString&)> m_iconProvider;
    std::function<QString(int row)> m_toolTipProvider;
};

} // namespace km
