// SPDX-License-Identifier: MIT
#include "photo_list/list_view.h"

#include "photo_list/photo_list_model.h"
#include "widgets/twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <algorithm>

namespace km {

namespace {

// A row's black is the list's own text colour, so a dark theme shows it light. Rows in another
// colour keep showing it while selected: the selection takes that colour as its background, so a
// red row stays red whatever the selection.
class ColouredSelectionDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const QVariant foreground = index.data(Qt::ForegroundRole);
        if (!foreground.isValid())
            return;
        const QColor colour = foreground.value<QColor>();
        if (colour == Qt::black) {
            if (option->widget)
                option->palette.setBrush(QPalette::Text, option->widget->palette().text());
            return;
        }
        if (!(option->state & QStyle::State_Selected))
            return;
        option->palette.setColor(QPalette::Highlight, colour);
        option->palette.setColor(QPalette::HighlightedText, Qt::white);
    }
};

// The window's handlers number rows from 1, the model from 0.
int modelRow(int row) {
    return row - 1;
}

int listRow(int modelRow) {
    return modelRow + 1;
}

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
}

void ListView::bindImageList(std::function<QIcon(const QString&)> iconForKey) {
    m_model->setIconProvider(std::move(iconForKey));
}

void ListView::addColumn(const QString& key, const QString& header, double widthTwips) {
    m_columnKeys.append(key);
    m_model->addColumn(header);
    setColumnWidth(m_model->columnCount() - 1, km::twipsToPixels(widthTwips));
}

double ListView::widthTwips() const {
    return km::pixelsToTwips(width());
}

std::vector<bool> ListView::selectedFlags() const {
    std::vector<bool> flags(static_cast<size_t>(m_model->count()), false);
    // A row counts as selected, as in isSelected, only when all of its cells are.
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            if (!flags[static_cast<size_t>(row)])
                flags[static_cast<size_t>(row)] = selectionModel()->isRowSelected(row, {});
        }
    }
    return flags;
}

int ListView::rowTotal() const {
    return m_model->count();
}

QString ListView::text(int row) const {
    return m_model->names().value(modelRow(row));
}

QString ListView::subItem(int row) const {
    return m_model->newNames().value(modelRow(row));
}

void ListView::setSelected(int row, bool selected) {
    if (isSelected(row) == selected)
        return;
    const QModelIndex index = m_model->index(modelRow(row), 0);
    const auto flags = (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                       QItemSelectionModel::Rows;
    selectionModel()->select(index, flags);
    if (selected && !selectionModel()->currentIndex().isValid())
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

bool ListView::isSelected(int row) const {
    return selectionModel()->isRowSelected(modelRow(row), {});
}

int ListView::selectedItemPosition() const {
    const QModelIndex current = selectionModel()->currentIndex();
    if (current.isValid() && selectionModel()->isRowSelected(current.row(), {}))
        return listRow(current.row());
    const QModelIndexList selected = selectionModel()->selectedRows();
    if (selected.isEmpty())
        return 0;
    const auto lowest = std::min_element(
        selected.begin(), selected.end(),
        [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    return listRow(lowest->row());
}

// The tree view works out the area to redraw by visiting every row of the span, which for new names
// of 100,000 photos costs more than drawing the rows on screen again.
void ListView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                           const QList<int>& roles) {
    if (topLeft.row() == bottomRight.row()) {
        QTreeView::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    viewport()->update();
}

void ListView::setEmptyText(const QString& text) {
    if (text == m_emptyText)
        return;
    m_emptyText = text;
    viewport()->update();
}

void ListView::paintEvent(QPaintEvent* event) {
    QTreeView::paintEvent(event);
    if (m_emptyText.isEmpty() || m_model->count() > 0)
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    const int margin = fontMetrics().height() / 2;
    painter.drawText(viewport()->rect().adjusted(margin, margin, -margin, -margin),
                     Qt::AlignTop | Qt::AlignHCenter | Qt::TextWordWrap, m_emptyText);
}

// The right button reports its click as it is pressed: the photo list's menu opens then, and
// takes the release, so the preview and the names follow the row it was opened on.
void ListView::mousePressEvent(QMouseEvent* event) {
    QTreeView::mousePressEvent(event);
    if (event->button() == Qt::RightButton)
        emit Click();
}

void ListView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
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

bool ListView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QTreeView::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    if (!index.isValid() || !isCut(index))
        return QTreeView::viewportEvent(event);
    QString tip = index.data(Qt::DisplayRole).toString();
    if (const QString own = index.data(Qt::ToolTipRole).toString(); !own.isEmpty())
        tip += QLatin1Char('\n') + own;
    QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(index));
    return true;
}

// The text is wider than the room the cell gives it beside its icon.
bool ListView::isCut(const QModelIndex& index) const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    option.text = index.data(Qt::DisplayRole).toString();
    option.features |= QStyleOptionViewItem::HasDisplay;
    if (!index.data(Qt::DecorationRole).isNull())
        option.features |= QStyleOptionViewItem::HasDecoration;
    const QRect room = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return option.fontMetrics.horizontalAdvance(option.text) > room.width() - 2 * margin;
}

} // namespace km
