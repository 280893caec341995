// SPDX-License-Identifier: MIT
#pragma once

#include "settings/options_file.h"

#include <QObject>
#include <QPoint>
#include <functional>

class QAbstractItemView;

namespace km {

// The photo list's context menu: the order the photos are numbered in, whether RAW and
// sidecar files are renamed with their photo, and whether phones' photo types are listed. It opens
// on the right mouse button, the Menu key and Shift+F10, showing the choices as they stand.
class PhotoListMenu : public QObject {
    Q_OBJECT

public:
    // current gives the choices in force each time the menu opens.
    PhotoListMenu(QAbstractItemView& list, std::function<Options()> current);

    // Opens the menu at a point of the list's viewport and waits for the user's choice.
    void open(QPoint viewportPoint);

signals:
    void orderChosen(km::PhotoOrder order);
    void companionsChosen(bool on);
    void moreTypesChosen(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPoint keyboardPoint() const;

    QAbstractItemView& m_list;
    std::function<Options()> m_current;
};

} // namespace km
