#include "platform/list_view.h"

#include "platform/photo_list_model.h"
#include "platform/twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace {

// Rows in a colour other than black keep showing it while selected: the selection takes that
// colour as its background, so a red row stays red whatever the selection.
class ColouredSelectionDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const QVariant foreground = index.data(Qt::ForegroundRole);
        if (!(option->state & QStyle::State_Selected) || !foreground.isValid())
            return;
        const QColor colour = foreground.value<QColor>();
        if (colour == Qt::black)
            return;
        option->palette.setColor(QPalette::Highlight, colour);
        option->palette.setColor(QPalette::HighlightedText, Qt::white);
    }
};

} // namespace

ListView::ListView(QWidget* parent) : QTreeView(parent), m_model(new km::PhotoListModel(this)) {
    setModel(m_model);
    setItemDelegate(new ColouredSelectionDelegate(this));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSortingEnabled(false);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(16, 16));
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    m_model->setIconProvider([this](int index) {
        return m_iconForKey ? m_iconForKey(m_iconKeys.value(index)) : QIcon();
    });
}

void ListView::bindImageList(std::function<QIcon(const QString&)> iconForKey) {
    m_iconForKey = std::move(iconForKey);
}

void ListView::addColumn(const QString& key, const QString& header, double widthTwips) {
    m_columnKeys.append(key);
    m_model->addColumn(header);
    setColumnWidth(m_model->columnCount() - 1, km::twipsToPixels(widthTwips));
}

double ListView::widthTwips() const {
    return km::pixelsToTwips(width());
}

void ListView::clearRows() {
    m_model->clear();
}

int ListView::addRow(const QString& text) {
    m_model->append(text);
    return m_model->count();
}

void ListView::setSmallIcon(int row, const QString& key) {
    qsizetype index = m_iconKeys.indexOf(key);
    if (index < 0) {
        m_iconKeys.append(key);
        index = m_iconKeys.size() - 1;
    }
    m_model->row(row - 1).iconIndex = static_cast<int>(index);
}

void ListView::setSelected(int row, bool selected) {
    if (isSelected(row) == selected)
        return;
    m_model->flush();
    const QModelIndex index = m_model->index(row - 1, 0);
    const auto flags = (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                       QItemSelectionModel::Rows;
    selectionModel()->select(index, flags);
    if (selected && !selectionModel()->currentIndex().isValid())
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

bool ListView::isSelected(int row) const {
    if (row - 1 >= m_model->rowCount())
        return false;
    return selectionModel()->isRowSelected(row - 1, {});
}

int ListView::rowTotal() const {
    return m_model->count();
}

QString ListView::text(int row) const {
    return m_model->row(row - 1).text;
}

QString ListView::subItem(int row) const {
    return m_model->row(row - 1).subItem;
}

void ListView::setSubItem(int row, const QString& text) {
    m_model->row(row - 1).subItem = text;
}

void ListView::setTextColour(int row, QRgb colour) {
    m_model->row(row - 1).textColour = colour;
}

void ListView::setSubItemColour(int row, QRgb colour) {
    m_model->row(row - 1).subItemColour = colour;
}

void ListView::refresh() {
    m_model->announceAllChanged();
}

int ListView::selectedItemPosition() const {
    const QModelIndex current = selectionModel()->currentIndex();
    if (current.isValid() && selectionModel()->isRowSelected(current.row(), {}))
        return current.row() + 1;
    const QModelIndexList rows = selectionModel()->selectedRows();
    int lowest = 0;
    for (const QModelIndex& index : rows) {
        if (lowest == 0 || index.row() + 1 < lowest)
            lowest = index.row() + 1;
    }
    return lowest;
}

void ListView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        emit Click();
}

void ListView::keyReleaseEvent(QKeyEvent* event) {
    QTreeView::keyReleaseEvent(event);
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            emit Click();
        break;
    default:
        break;
    }
}
