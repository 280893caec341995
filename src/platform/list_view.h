#pragma once

#include <QRgb>
#include <QTreeView>
#include <functional>

namespace km {
class PhotoListModel;
}

// The photo list: a report view of rows numbered from 1 in the order they were added, each with a
// text, a first sub-item, a small icon by key, a selected flag and text colours. Several rows can
// be selected with Shift and Ctrl; the list never sorts by itself.
class ListView : public QTreeView {
    Q_OBJECT

public:
    explicit ListView(QWidget* parent = nullptr);

    // Where small icons come from, by key (the bound image list).
    void bindImageList(std::function<QIcon(const QString& key)> iconForKey);

    void addColumn(const QString& key, const QString& header, double widthTwips);
    double widthTwips() const;

    void clearRows();
    // Appends a row and returns its number (the previous row count + 1).
    int addRow(const QString& text);
    void setSmallIcon(int row, const QString& key);
    void setSelected(int row, bool selected);
    bool isSelected(int row) const;
    int rowTotal() const;
    QString text(int row) const;
    QString subItem(int row) const;
    void setSubItem(int row, const QString& text);
    void setTextColour(int row, QRgb colour);
    void setSubItemColour(int row, QRgb colour);
    // Shows every change made since the last refresh.
    void refresh();
    // The 1-based number of the row the list reports as its selected item; 0 when none is selected.
    int selectedItemPosition() const;

signals:
    // A user's click in the list (or a keyboard move of the selection), selection already updated.
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    km::PhotoListModel* m_model;
    QStringList m_columnKeys;
    QStringList m_iconKeys;
    std::function<QIcon(const QString&)> m_iconForKey;
};
