// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/pending_events.h"

#include <QString>
#include <functional>

namespace km {

class PictureBox;

// What drawing the preview column needs from the main window. Everything is read through
// functions, because the window's state may change while the preview lets events run.
struct PreviewContext {
    std::function<int()> previewCount;         // PreviewCount: boxes 0 .. count - 1 are visible
    std::function<PictureBox*(int index)> box; // element `index` of pbPreview
    std::function<QString()> currentFolder;    // CurrentFolder, ending with "/"
    std::function<bool()> previewChecked;      // cbPreview is in its checked state
    std::function<int()> foundCount;           // FoundCount
    std::function<int()> rowCount;             // rows of the photo list
    std::function<QString(int row)> rowText;   // original name of a row, 1-based
    std::function<int()> selectedPosition;     // 1-based row of the selected item, 0 when none
    bool* running = nullptr;                   // PreviewRunning; must outlive the call
    std::function<void()> deliverPendingEvents = km::deliverPendingEvents;
};

// Clears boxes `start` to PreviewCount - 1 and, when the preview is on, draws into them the
// thumbnails of the selected row and the rows after it, each with its name. Lets events run twice
// per box and returns at once, drawing nothing more, when the running flag was cleared meanwhile
// (by Exit or by a newer preview, which then owns the boxes).
void drawPreviewColumn(const PreviewContext& context, int start);

} // namespace km
