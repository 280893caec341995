// SPDX-License-Identifier: MIT
#include "platform/events.h"

#include <QCoreApplication>

namespace km {

void deliverPendingEvents() {
    QCoreApplication::processEvents();
}

} // namespace km
