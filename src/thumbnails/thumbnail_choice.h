// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>
#include <cstddef>
#include <vector>

namespace km {

// Whether an embedded preview's picture (bars already cut away) can stand in for a picture drawn
// at `drawn`, all three sizes in the same orientation: the picture's proportions within 2%, and
// at least 90% of the drawn size in each direction.
bool embeddedPreviewFits(QSize preview, QSize picture, QSize drawn);

// The embedded previews worth decoding for a picture drawn at `drawn`, smallest first: those that
// could still fit once bars are cut away. Indexes into `previews`.
std::vector<std::size_t> previewsToTry(const std::vector<QSize>& previews, QSize picture,
                                       QSize drawn);

} // namespace km
