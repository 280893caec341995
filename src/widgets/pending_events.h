// SPDX-License-Identifier: MIT
#pragma once

namespace km {

// Lets the window system deliver the events that are waiting, once, then returns.
void deliverPendingEvents();

} // namespace km
