// SPDX-License-Identifier: MIT
#include "preview/preview_column.h"

#include <algorithm>
#include <cmath>

namespace km {

PreviewColumnChange planPreviewColumn(double framePreviewHeight, PreviewColumn& column,
                                      int tickCount) {
    PreviewColumnChange change;
    int n = static_cast<int>(std::floor((framePreviewHeight - kPreviewBox0.top) / kPreviewBoxStep));
    if (n <= 0)
        n = 1;
    if (n > column.count) {
        change.createFrom = column.loaded;
        change.createTo = std::max(column.loaded, n);
        change.showFrom = column.count;
        change.showTo = n;
        column.loaded = std::max(column.loaded, n);
        column.dueTick = tickCount;
        column.start = column.count;
        column.count = n;
    } else if (n < column.count) {
        change.hideFrom = n;
        change.hideTo = column.count;
        column.count = n;
    }
    return change;
}

} // namespace km
