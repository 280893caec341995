// SPDX-License-Identifier: MIT
#include "main_window/photo_list_menu.h"

#include <QAbstractItemView>
#include <QActionGroup>
#include <QKeyEvent>
#include <QMenu>

namespace km {

PhotoListMenu::PhotoListMenu(QAbstractItemView& list, std::function<Options()> current)
    : QObject(&list), m_list(list), m_current(std::move(current)) {
    // The right mouse button and the Menu key arrive as a context-menu request.
    list.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&list, &QWidget::customContextMenuRequested, this,
            [this](QPoint point) { open(point); });
    list.installEventFilter(this);
}

// Shift+F10 is the other keyboard way to a context menu; the window system does not translate it.
bool PhotoListMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_list && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
            open(keyboardPoint());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

// Below the current row's name, or at the top left of the list when there is none.
QPoint PhotoListMenu::keyboardPoint() const {
    const QRect row = m_list.visualRect(m_list.currentIndex());
    return row.isValid() ? row.bottomLeft() : QPoint(0, 0);
}

void PhotoListMenu::open(QPoint viewportPoint) {
    const Options options = m_current();
    QMenu menu(&m_list);
    auto* order = new QActionGroup(&menu);
    QAction* byName = menu.addAction(QStringLiteral("Number in order of name"));
    QAction* byTaken = menu.addAction(QStringLiteral("Number in order taken"));
    for (QAction* action : {byName, byTaken}) {
        action->setCheckable(true);
        order->addAction(action);
    }
    (options.order == PhotoOrder::Taken ? byTaken : byName)->setChecked(true);
    menu.addSeparator();
    QAction* companions =
        menu.addAction(QStringLiteral("Rename RAW and sidecar files with their photo"));
    companions->setCheckable(true);
    companions->setChecked(options.companions);
    QAction* moreTypes = menu.addAction(QStringLiteral("List HEIC, PNG, TIFF and WebP photos too"));
    moreTypes->setCheckable(true);
    moreTypes->setChecked(options.moreTypes);

    connect(byName, &QAction::triggered, this, [this, options] {
        if (options.order != PhotoOrder::Name)
            emit orderChosen(PhotoOrder::Name);
    });
    connect(byTaken, &QAction::triggered, this, [this, options] {
        if (options.order != PhotoOrder::Taken)
            emit orderChosen(PhotoOrder::Taken);
    });
    connect(companions, &QAction::triggered, this, [this](bool on) { emit companionsChosen(on); });
    connect(moreTypes, &QAction::triggered, this, [this](bool on) { emit moreTypesChosen(on); });
    menu.exec(m_list.viewport()->mapToGlobal(viewportPoint));
}

} // namespace km
