// SPDX-License-Identifier: MIT
#include "scan/date_reading.h"

#include "photo_dates/folder_dates.h"

namespace km {

DateReading::DateReading(QObject* parent) : QObject(parent) {
    // A watcher given a new future still delivers what the old one had sent: only the current
    // reading counts.
    connect(&m_watcher, &QFutureWatcherBase::progressValueChanged, this, [this](int done) {
        if (m_reading && m_watcher.isRunning())
            emit progress(done, m_watcher.progressMaximum());
    });
    connect(&m_watcher, &QFutureWatcherBase::finished, this, &DateReading::ended);
}

DateReading::~DateReading() {
    stop();
}

void DateReading::stop() {
    m_watcher.cancel();
    m_watcher.waitForFinished();
}

std::optional<DateReading::Dates> DateReading::read(const QString& folder, const QStringList& names,
                                                    FactsWanted wanted) {
    ++m_listing;
    if (m_watcher.isRunning()) {
        // The reading of an earlier listing holds the cache: it is stopped, then the folder is
        // listed anew.
        m_watcher.cancel();
        m_listAgain = true;
        m_reading = true;
        return std::nullopt;
    }
    auto dates = readFolderFacts(
        folder, names, m_cache, [](int, int) { return false; }, m_waitAtOnce, wanted);
    if (!dates) {
        m_readingListing = m_listing;
        m_watcher.setFuture(readFolderFactsInBackground(folder, names, m_cache, wanted));
        m_reading = true;
        return std::nullopt;
    }
    m_reading = false;
    return dates;
}

// The reading keeps the cache until it has ended; the next reading waits for that.
void DateReading::forget() {
    ++m_listing;
    if (!m_reading)
        return;
    m_watcher.cancel();
    m_reading = false;
    m_listAgain = false;
}

DateReading::End DateReading::end() {
    if (!m_reading || !m_watcher.isFinished())
        return End::Nothing;
    if (m_listAgain || m_watcher.future().resultCount() == 0) {
        m_listAgain = false;
        return End::ListAgain;
    }
    return End::Dates;
}

std::optional<DateReading::Dates> DateReading::currentDates() {
    // A listing made since then has its own dates.
    if (m_readingListing != m_listing || m_watcher.isRunning())
        return std::nullopt;
    m_reading = false;
    return m_watcher.result();
}

} // namespace km
