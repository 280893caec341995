// SPDX-License-Identifier: MIT
#pragma once

#include "photo_dates/date_taken.h"
#include "photo_dates/date_taken_cache.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>
#include <vector>

namespace km {

// The dates taken of a listing's photos for a window that must not wait: those the cache holds,
// and those read within the first moments, at once; the rest on a thread of its own, which
// reports its progress and ends with ended(). One reading runs at a time, as the cache is the
// reading's while it runs; each read() or forget() is a new listing, and only the dates of the
// listing asked last are ever given.
class DateReading final : public QObject {
    Q_OBJECT
public:
    using Dates = std::vector<PhotoFacts>;

    explicit DateReading(QObject* parent = nullptr);
    // Stops the reading and waits for it: it uses the cache.
    ~DateReading() override;

    // The dates of names (in folder) when they come at once; nothing while they are read in the
    // background. A reading of an earlier listing still running is stopped first, and its end
    // asks for the folder to be listed again.
    // Wanted says whether the cameras are read with the dates.
    std::optional<Dates> read(const QString& folder, const QStringList& names,
                              FactsWanted wanted = FactsWanted::Dates);
    // A new listing that waits for no dates: a reading still running is stopped, its end ignored.
    void forget();
    // Stops the reading and waits for it to end.
    void stop();

    // True from a read() that gave nothing until its dates are taken, or it is forgotten.
    bool isReading() const { return m_reading; }
    int progressValue() const { return m_watcher.progressValue(); }
    int progressMaximum() const { return m_watcher.progressMaximum(); }

    // What a reading that ended asks of its listing, at the time it is asked.
    enum class End {
        // Nothing: the reading was forgotten, or is not over.
        Nothing,
        // The folder is to be listed again: the reading was stopped for a later listing.
        ListAgain,
        // Its dates are ready: currentDates() takes them.
        Dates,
    };
    End end();
    // The dates of the reading that ended, while its listing is still the one asked last; the
    // reading is then over.
    std::optional<Dates> currentDates();

    // How long read() waits for the dates the cache does not hold before it reads them in the
    // background.
    void setWaitAtOnce(std::chrono::milliseconds wait) { m_waitAtOnce = wait; }
    void waitForFinished() { m_watcher.waitForFinished(); }

signals:
    // Files read of the files to read, while the current reading runs.
    void progress(int done, int total);
    void ended();

private:
    DateTakenCache m_cache;
    QFutureWatcher<Dates> m_watcher;
    std::chrono::milliseconds m_waitAtOnce{50};
    bool m_reading = false;
    // A read() came while an earlier listing's reading ran: the folder is listed again after it.
    bool m_listAgain = false;
    quint64 m_listing = 0;
    quint64 m_readingListing = 0;
};

} // namespace km
