// SPDX-License-Identifier: MIT
// The window's place and its list's widths kept between starts, the divider between the folder
// tree and the list, and the list that follows its folder.
#include "main_window/main_window.h"
#include "photo_list/list_view.h"
#include "widgets/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace km {

namespace {

// The kept client area moved and shrunk as far as needed to lie inside `area`.
QRect keptWithin(const QRect& kept, const QRect& area, QSize smallest) {
    const QSize size = kept.size().boundedTo(area.size()).expandedTo(smallest);
    // A window larger than the screen (its smallest size on a tiny screen) starts at its corner.
    const int left = std::max(area.left(), std::min(kept.left(), area.right() + 1 - size.width()));
    const int top = std::max(area.top(), std::min(kept.top(), area.bottom() + 1 - size.height()));
    return {QPoint(left, top), size};
}

} // namespace

void MainWindow::chooseKeepWindow(bool on) {
    m_options.keepWindow = on;
    m_options.window = on ? windowPlace() : km::WindowPlace();
    saveOptions();
}

void MainWindow::chooseFollowFolder(bool on) {
    m_options.followFolder = on;
    saveOptions();
    m_listedStamp =
        on && !CurrentFolder.isEmpty() ? km::fs::folderStamp(CurrentFolder) : std::nullopt;
}

// The window's kept size and the list's widths, before the window is shown.
void MainWindow::restoreListWidths() {
    if (!m_options.keepWindow)
        return;
    const km::WindowPlace& place = m_options.window;
    if (place.geometry.isValid())
        resize(place.geometry.size().expandedTo(minimumSize()));
    if (place.listWidth > 0)
        m_form.setListWidthTwips(place.listWidth, Preview, TickCount);
    if (place.columnWidths.size() == 2) {
        m_form.lvFiles->setColumnWidth(0, place.columnWidths[0]);
        m_form.lvFiles->setColumnWidth(1, place.columnWidths[1]);
    }
}

// Shows the window where it was closed, inside the screen it was on (or the first one, when
// that screen is gone). False when no place is kept.
bool MainWindow::placeAsKept() {
    const km::WindowPlace& place = m_options.window;
    if (!m_options.keepWindow || !place.geometry.isValid())
        return false;
    const QScreen* screen = QGuiApplication::screenAt(place.geometry.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return false;
    setGeometry(keptWithin(place.geometry, screen->availableGeometry(), minimumSize()));
    if (place.maximised)
        showMaximized();
    else
        show();
    return true;
}

void MainWindow::keepWindowPlace() {
    if (!m_options.keepWindow)
        return;
    m_options.window = windowPlace();
    saveOptions();
}

km::WindowPlace MainWindow::windowPlace() const {
    km::WindowPlace place;
    place.maximised = isMaximized();
    place.geometry = place.maximised ? normalGeometry() : geometry();
    const double listWidth = m_form.listWidthTwips();
    if (listWidth != km::kDesignedListWidth)
        place.listWidth = static_cast<int>(std::lround(listWidth));
    if (m_form.lvFiles->model()->columnCount() == 2)
        place.columnWidths = {m_form.lvFiles->columnWidth(0), m_form.lvFiles->columnWidth(1)};
    return place;
}

// Dragging the divider left widens the list by as much.
void MainWindow::dragDivider(int pixels) {
    m_form.setListWidthTwips(m_listWidthAtPress - km::pixelsToTwips(pixels), Preview, TickCount);
}

// Whether the folder listed has gained, lost or renamed a file since; checked at every tick
// while the list follows its folder, one status call each.
bool MainWindow::folderChangedSinceListed() {
    if (!m_options.followFolder || CurrentFolder.isEmpty() || m_commands.isRunning())
        return false;
    return km::fs::folderStamp(CurrentFolder) != m_listedStamp;
}

} // namespace km
