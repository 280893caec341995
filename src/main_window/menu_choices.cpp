// SPDX-License-Identifier: MIT
// The photo list's menu: each choice is kept at once and applied by listing the folder again.
#include "main_window/main_window.h"
#include "main_window/window_words.h"
#include "photo_list/list_view.h"
#include "photo_list/photo_list_model.h"

namespace km {

void MainWindow::chooseOrder(km::PhotoOrder order) {
    m_options.order = order;
    saveOptions();
    showOrderInHeader();
    runCommand(&MainWindow::FillFileList);
}

void MainWindow::chooseCompanions(bool on) {
    m_options.companions = on;
    saveOptions();
    runCommand(&MainWindow::FillFileList);
}

// A date in or out of the names may change the order and the dates to read: the folder is
// listed again.
void MainWindow::chooseDate(km::DateInNames date) {
    m_options.date = date;
    saveOptions();
    showOrderInHeader();
    ShowExample();
    runCommand(&MainWindow::FillFileList);
}

void MainWindow::chooseNumbers(km::DateNumbering numbers) {
    m_options.numbers = numbers;
    saveOptions();
    ShowExample();
    runCommand(&MainWindow::UpdateNewNames);
}

void MainWindow::chooseMoreTypes(bool on) {
    m_options.moreTypes = on;
    saveOptions();
    runCommand(&MainWindow::FillFileList);
}

void MainWindow::saveOptions() const {
    // A folder that cannot be written only means the choice is not kept for the next start.
    if (!m_optionsFile.isEmpty())
        km::writeOptionsFile(m_optionsFile, m_options);
}

void MainWindow::showOrderInHeader() {
    m_form.lvFiles->photos().setColumnHeader(
        0, WindowWords::originalNameHeader(m_options.orderInForce() == PhotoOrder::Taken));
}

} // namespace km
