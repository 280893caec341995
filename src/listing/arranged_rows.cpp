// SPDX-License-Identifier: MIT
#include "listing/arranged_rows.h"

#include "photo_dates/camera_clocks.h"

#include <numeric>

namespace km {

ArrangedRows arrangeRows(const QString& folder, const QStringList& found,
                         std::vector<PhotoFacts> facts, const Options& options) {
    const MissingDates missing{options.nameDates, options.fileTimes};
    std::vector<DateSource> sources;
    if (missing.fromNames || missing.fromFileTimes)
        sources = fillMissingDates(folder, found, facts, missing);
    std::vector<qint32> shifts;
    if (!options.clocks.empty())
        shifts = applyClockOffsets(facts, found, options.clocks);
    std::vector<int> order;
    if (options.orderInForce() == PhotoOrder::Taken) {
        order = orderTaken(facts);
    } else {
        order.resize(facts.size());
        std::iota(order.begin(), order.end(), 0);
    }
    ArrangedRows rows;
    rows.names.reserve(found.size());
    rows.times.reserve(facts.size());
    rows.cameras.reserve(facts.size());
    rows.recorded.reserve(facts.size());
    for (const int index : order) {
        const auto at = static_cast<std::size_t>(index);
        rows.names.append(found[index]);
        const PhotoFacts& each = facts[at];
        rows.times.push_back(each.taken ? std::optional(each.taken->time) : std::nullopt);
        rows.cameras.push_back(each.cameraTags());
        rows.recorded.push_back(each.recorded);
        if (!sources.empty())
            rows.sources.push_back(sources[at]);
        if (!shifts.empty())
            rows.clockShifts.push_back(shifts[at]);
    }
    return rows;
}

} // namespace km
