// SPDX-License-Identifier: MIT
#pragma once

#include <QTreeView>
#include <functional>
#include <vector>

namespace km {

class PhotoListModel;

// The photo list: a report view over the rows of a PhotoListModel, each with a text, a first
// sub-item, a small icon by key, a selected flag and text colours. Several rows can be selected
// with Shift and Ctrl; the list never sorts by itself.
class ListView : public QTreeView {
    Q_OBJECT

public:
    explicit ListView(QWidget* parent = nullptr);

    // Where small icons come from, by key (the bound image list).
    void bindImageList(std::function<QIcon(const QString& key)> iconForKey);

    void addColumn(const QString& key, const QString& header, double widthTwips);
    double widthTwips() const;

    // The rows as a whole, numbered from 0.
    km::PhotoListModel& photos() { return *m_model; }
    const km::PhotoListModel& photos() const { return *m_model; }
    // Each row's selected flag, numbered from 0.
    std::vector<bool> selectedFlags() const;

    // Rows numbered from 1 in the order they were added, as the window's handlers name them.
    int rowTotal() const;
    QString text(int row) const;
    QString subItem(int row) const;
    void setSelected(int row, bool selected);
    bool isSelected(int row) const;
    // The number of the row the list reports as its selected item; 0 when none is selected.
    int selectedItemPosition() const;

    // A line shown in the list while it has no rows; empty for none.
    void setEmptyText(const QString& text);
    QString emptyText() const { return m_emptyText; }

signals:
    // A user's click in the list (or a keyboard move of the selection), selection already updated.
    void Click();

protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // A cell whose text is cut shows it whole in its tooltip, above the row's own.
    bool viewportEvent(QEvent* event) override;

private:
    bool isCut(const QModelIndex& index) const;

    km::PhotoListModel* m_model;
    QStringList m_columnKeys;
    QString m_emptyText;
};

} // namespace km
