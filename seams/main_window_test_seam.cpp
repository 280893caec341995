// SPDX-License-Identifier: MIT
#include "seams/main_window_test_seam.h"

#include "main_window/main_window.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

namespace km {

void MainWindowTestSeam::stopClock() {
    m_window.Timer1->stop();
}

void MainWindowTestSeam::tick() {
    m_window.Timer1_Timer();
}

void MainWindowTestSeam::rescan() {
    m_window.runCommand(&MainWindow::FillFileList);
}

void MainWindowTestSeam::readDatesInBackground() {
    m_window.m_dates.setWaitAtOnce(std::chrono::milliseconds(0));
}

bool MainWindowTestSeam::waitForDatesTaken() {
    const QDeadlineTimer deadline(10'000);
    while (m_window.m_dates.isReading() && !deadline.hasExpired()) {
        m_window.m_dates.waitForFinished();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return !m_window.m_dates.isReading();
}

QString MainWindowTestSeam::currentFolder() const {
    return m_window.CurrentFolder;
}

QString MainWindowTestSeam::settingsFile() const {
    return m_window.SettingsFile;
}

bool MainWindowTestSeam::loading() const {
    return m_window.Loading;
}

qint16 MainWindowTestSeam::shiftState() const {
    return MainWindow::ShiftState();
}

qint32 MainWindowTestSeam::rescanDueTick() const {
    return m_window.RescanDueTick;
}

QStringList MainWindowTestSeam::foundFiles() const {
    return m_window.FoundFiles;
}

qint32 MainWindowTestSeam::foundCount() const {
    return m_window.FoundCount;
}

PreviewColumn MainWindowTestSeam::preview() const {
    return m_window.Preview;
}

BatchPlan MainWindowTestSeam::undoList() const {
    return m_window.m_renames.undoList();
}

} // namespace km
