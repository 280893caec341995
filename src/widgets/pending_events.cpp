// SPDX-License-Identifier: MIT
#include "widgets/pending_events.h"

#include <QCoreApplication>

namespace km {

void deliverPendingEvents() {
    QCoreApplication::processEvents();
}

} // namespace km
