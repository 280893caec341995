// SPDX-License-Identifier: MIT
#include "listing/listing_choices.h"

namespace km {

ScanChoice scanChoiceFor(bool jpeg, bool bitmap, bool gif, const Options& options) {
    ScanChoice choice;
    choice.jpeg = jpeg;
    choice.bitmap = bitmap;
    choice.gif = gif;
    choice.moreTypes = options.moreTypes;
    choice.companions = options.companions;
    choice.raw = options.raw;
    choice.videos = options.videos;
    return choice;
}

FactsWanted factsWantedFor(const Options& options) {
    return options.namesShowCameras() || !options.clocks.empty() ? FactsWanted::DatesAndCameras
                                                                 : FactsWanted::Dates;
}

GuessedDates guessedDates(const std::vector<DateSource>& sources, const QStringList& newNames) {
    GuessedDates guessed;
    for (qsizetype row = 0; row < newNames.size() && row < qsizetype(sources.size()); ++row) {
        if (newNames[row].isEmpty())
            continue;
        const DateSource source = sources[static_cast<std::size_t>(row)];
        guessed.fromNames += source == DateSource::Name;
        guessed.fromFileTimes += source == DateSource::FileTime;
    }
    return guessed;
}

} // namespace km
