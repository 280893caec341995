// SPDX-License-Identifier: MIT
// Names checked as they are typed, while the photo list's menu asks for it: the rows whose new
// names no file system here can hold, and those whose numbers are cut or not counted, turn red
// with the reason in their tooltips, and Rename! is off while a name cannot be given.
#include "batch/batch_words.h"
#include "batch/name_rules.h"
#include "main_window/main_window.h"
#include "main_window/row_tooltip.h"
#include "main_window/window_words.h"
#include "photo_list/list_view.h"
#include "photo_list/photo_list_model.h"
#include "plan/clash_reason.h"
#include "xpbutton/xpbutton.h"

#include <QLabel>

namespace km {

// True when every new name can be given; it is always while names are not checked.
bool MainWindow::checkNamesAsTyped(const km::NamingFields& fields) {
    m_checkedRows.clear();
    m_rowNameFaults.clear();
    m_numberCheck = {};
    m_form.bRename->setToolTip(QString());
    m_form.lblExample->setToolTip(QString());
    if (!m_options.checkNames)
        return true;
    const QStringList& newNames = m_form.lvFiles->photos().newNames();
    m_rowNameFaults.assign(static_cast<std::size_t>(newNames.size()), km::NameFault::None);
    km::NameFault firstFault = km::NameFault::None;
    QString faultyName;
    for (qsizetype row = 0; row < newNames.size(); ++row) {
        if (newNames[row].isEmpty())
            continue;
        const km::NameFault fault = km::newNameFault(newNames[row]);
        m_rowNameFaults[static_cast<std::size_t>(row)] = fault;
        if (fault != km::NameFault::None && firstFault == km::NameFault::None) {
            firstFault = fault;
            faultyName = newNames[row];
        }
    }
    // Patterns and dates number the photos their own ways; the designed names count them.
    if (!m_options.namePattern() && m_options.date == km::DateInNames::None)
        m_numberCheck = km::checkNumbers(fields, newNames);
    for (int row = 0; row < static_cast<int>(newNames.size()); ++row) {
        const auto at = static_cast<std::size_t>(row);
        if (m_rowNameFaults[at] != km::NameFault::None ||
            (at < m_numberCheck.rows.size() && m_numberCheck.rows[at] != km::NumberTrouble::None))
            m_checkedRows.push_back(row);
    }
    if (m_numberCheck.first != km::NumberTrouble::None)
        m_form.lblExample->setToolTip(km::numberTroubleText(m_numberCheck));
    if (firstFault == km::NameFault::None)
        return true;
    m_form.bRename->setToolTip(
        WindowWords::renameOffText(faultyName, km::nameFaultText(firstFault, faultyName)));
    return false;
}

// The designed message, and, while names are checked, the first clash it means.
QString MainWindow::duplicatesMessage() const {
    const QString designed = WindowWords::duplicatesFound();
    if (!m_options.checkNames)
        return designed;
    const km::PhotoListModel& photos = m_form.lvFiles->photos();
    const QStringList names = photos.names().mid(0, FoundCount);
    for (const int row : photos.conflictRows()) {
        const km::ClashReason clash =
            km::clashReasonOf(row, names, photos.newNames(), m_companions);
        if (clash.kind != km::ClashReason::Kind::None)
            return designed + QStringLiteral("\r\n\r\n") +
                   WindowWords::firstClash(km::fs::readableName(names.value(row)),
                                           km::clashText(clash));
    }
    return designed;
}

} // namespace km
