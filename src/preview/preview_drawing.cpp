// SPDX-License-Identifier: MIT
#include "preview/preview_drawing.h"

#include "files/file_names.h"
#include "numbers/rounding.h"
#include "preview/outlined_name.h"
#include "preview/preview_fit.h"
#include "thumbnails/thumbnail.h"
#include "thumbnails/thumbnail_video.h"
#include "widgets/picture_box.h"
#include "widgets/twips.h"

#include <algorithm>
#include <optional>

namespace km {
namespace {

QSizeF innerSize(const PictureBox& box) {
    return {box.scaleWidth(), box.scaleHeight()};
}

QSizeF naturalTwips(const ThumbnailSource& source) {
    const QSize pixels = source.naturalSize();
    return {roundHalfEven(pixelsToTwips(pixels.width())),
            roundHalfEven(pixelsToTwips(pixels.height()))};
}

// One run of the preview over boxes `first` onwards.
class PreviewDrawing {
public:
    PreviewDrawing(const PreviewContext& context, int first, bool& running)
        : m_context(context), m_first(first), m_running(running) {}

    void clearBoxes() const {
        const int count = m_context.previewCount();
        for (int index = m_first; index < count; ++index) {
            PictureBox* box = m_context.box(index);
            if (!box)
                continue;
            box->clear();
            box->setFontName("Tahoma");
            box->setFontBold(true);
        }
    }

    // False when the run was cancelled while events were delivered.
    bool drawBoxes() const {
        if (!m_context.previewChecked() || m_context.foundCount() < 1)
            return true;
        const int selected = m_context.selectedPosition();
        PictureBox* firstBox = m_context.box(0);
        if (selected < 1 || !firstBox || !boxHoldsPicture(innerSize(*firstBox)))
            return true;
        const FitLimits limits = fitLimits(innerSize(*firstBox));
        // The column keeps the selection it started from; the bounds are read again per box
        // because the window may have hidden boxes or refilled its list meanwhile.
        for (int index = m_first; index < m_context.previewCount(); ++index) {
            const long long row = static_cast<long long>(selected) + index;
            if (row > lastRow(selected))
                break;
            if (!drawBox(index, static_cast<int>(row), limits))
                return false;
        }
        return true;
    }

private:
    long long lastRow(int selected) const {
        const long long lastShown = static_cast<long long>(m_context.previewCount()) + selected - 1;
        return std::min<long long>(lastShown, m_context.rowCount());
    }

    bool drawBox(int index, int row, const FitLimits& limits) const {
        PictureBox* box = m_context.box(index);
        if (!box || !boxHoldsPicture(innerSize(*box)))
            return true;
        const QString name = m_context.rowText(row);
        const ThumbnailSource source(m_context.currentFolder() + name);
        std::optional<TwipRect> place;
        if (!source.naturalSize().isEmpty())
            place = fitPicture(naturalTwips(source), limits, innerSize(*box));

        if (!deliverEventsAndContinue())
            return false;
        if (index >= m_context.previewCount())
            return true;
        if (place) {
            box->drawPicture(source.render(twipsToPixels(*place).size()), *place);
            if (const std::optional<qint64> length = source.videoLength())
                printOutlinedLength(*box, videoLengthText(*length), *place);
        }
        printOutlinedName(*box, fs::readableName(name));
        return deliverEventsAndContinue();
    }

    bool deliverEventsAndContinue() const {
        m_context.deliverPendingEvents();
        return m_running;
    }

    const PreviewContext& m_context;
    int m_first;
    bool& m_running;
};

} // namespace

void drawPreviewColumn(const PreviewContext& context, int start) {
    bool unsharedFlag = false;
    bool& running = context.running ? *context.running : unsharedFlag;
    running = true;
    const PreviewDrawing drawing(context, std::max(start, 0), running);
    drawing.clearBoxes();
    if (!drawing.drawBoxes())
        return;
    running = false;
}

} // namespace km
