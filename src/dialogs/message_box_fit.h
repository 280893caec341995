// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>
#include <QString>

class QFontMetrics;

namespace km {

// The prompt as drawn in a box that must stay on the screen, its lines separated by LF. A prompt
// whose lines fit in `room` (pixels) comes back unchanged. Otherwise a line wider than the room
// breaks at spaces, a word still wider (a long file name) keeps its start and end around "...",
// and when the lines are more than the room's height holds, the last one that fits becomes "...".
QString fitPromptToRoom(const QString& prompt, const QFontMetrics& metrics, QSize room);

// The full prompt as a tooltip that wraps within the screen: as rich text, since Qt wraps only
// those, with a zero-width space every few characters of a word too long for a line (a long file
// name), where the line may break without anything being seen.
QString wrappingToolTip(const QString& prompt);

} // namespace km
