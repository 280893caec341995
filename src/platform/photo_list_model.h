#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QRgb>
#include <functional>
#include <vector>

namespace km {

// The rows of the photo list in a plain vector: rows keep the order in which they were added and
// the model never sorts them. Changes made row by row are announced in bulk (see flush and
// announceAllChanged), so a recomputation of 100,000 rows costs one notification.
class PhotoListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    struct Row {
        QString text;
        QString subItem;
        QRgb textColour = qRgb(0, 0, 0);
        QRgb subItemColour = qRgb(0, 0, 0);
        int iconIndex = -1;
    };

    explicit PhotoListModel(QObject* parent = nullptr);

    // Gives the icon of an icon index; the list view binds it to its image list.
    void setIconProvider(std::function<QIcon(int)> provider);
    // Appends a column with its header text.
    void addColumn(const QString& header);

    void clear();
    // Appends a row; views see it at the next flush.
    void append(const QString& text);
    // Announces the rows appended since the last flush, in one notification.
    void flush();

    int count() const { return static_cast<int>(m_rows.size()); }
    const Row& row(int index) const { return m_rows[static_cast<size_t>(index)]; }
    Row& row(int index) { return m_rows[static_cast<size_t>(index)]; }

    // Announces that any cell may have changed, in one notification.
    void announceAllChanged();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<Row> m_rows;
    int m_announced = 0;
    QStringList m_headers;
    std::function<QIcon(int)> m_iconProvider;
};

} // namespace km
