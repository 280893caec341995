// SPDX-License-Identifier: MIT
#pragma once

#include "batch/batch.h"
#include "preview/preview_column.h"

#include <QString>
#include <QStringList>

namespace km {

class MainWindow;

// What tests and benchmarks do to a main window that its user cannot: stop its 100 ms clock and
// tick it by hand, list the folder again at once, and read the state kept behind the controls.
// Everything else they do through the controls, found by object name, as a user would; the
// message box has its own seam (MessageBoxSeam).
class MainWindowTestSeam {
public:
    explicit MainWindowTestSeam(MainWindow& window) : m_window(window) {}

    // Stops the timer, so that only tick() advances the clock.
    void stopClock();
    // One tick of the 100 ms timer, as if it had fired.
    void tick();
    // Lists the current folder again, as the delayed rescan does.
    void rescan();
    // Dates taken not yet cached are read in the background at once, without a first wait.
    void readDatesInBackground();
    // Waits (10 s at most) until dates taken read in the background have ordered the list; true
    // when none are being read any more.
    bool waitForDatesTaken();

    QString currentFolder() const;
    QString settingsFile() const;
    bool loading() const;
    qint16 shiftState() const;
    qint32 rescanDueTick() const;
    QStringList foundFiles() const;
    qint32 foundCount() const;
    PreviewColumn preview() const;
    BatchPlan undoList() const;

private:
    MainWindow& m_window;
};

} // namespace km
