// SPDX-License-Identifier: MIT
#include "thumbnails/thumbnail_choice.h"

#include "thumbnails/thumbnail_letterbox.h"

#include <algorithm>

namespace km {
namespace {

constexpr double kSmallestShare = 0.9;

long long pixelsOf(QSize size) {
    return static_cast<long long>(size.width()) * size.height();
}

} // namespace

bool embeddedPreviewFits(QSize preview, QSize picture, QSize drawn) {
    if (drawn.isEmpty() || !sameProportions(preview, picture))
        return false;
    return preview.width() >= kSmallestShare * drawn.width() &&
           preview.height() >= kSmallestShare * drawn.height();
}

std::vector<std::size_t> previewsToTry(const std::vector<QSize>& previews, QSize picture,
                                       QSize drawn) {
    std::vector<std::size_t> chosen;
    for (std::size_t index = 0; index < previews.size(); ++index)
        if (embeddedPreviewFits(largestPictureArea(previews[index], picture), picture, drawn))
            chosen.push_back(index);
    std::stable_sort(chosen.begin(), chosen.end(), [&previews](std::size_t a, std::size_t b) {
        return pixelsOf(previews[a]) < pixelsOf(previews[b]);
    });
    return chosen;
}

} // namespace km
