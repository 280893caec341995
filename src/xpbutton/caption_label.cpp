// SPDX-License-Identifier: MIT
#include "xpbutton/caption_label.h"

#include "widgets/designed_font.h"
#include "widgets/twips.h"

#include <QFontMetrics>
#include <QPainter>

namespace km {

namespace {

constexpr int kTextFlags = Qt::AlignTop | Qt::AlignHCenter | Qt::TextShowMnemonic;

} // namespace

CaptionLabel::CaptionLabel()
    : m_caption(QStringLiteral("Command")), m_colour(kSystemButtonText), m_font(designedFont()),
      m_geometry(twipsToPixels(TwipRect{480, 120, 975, 210})) {}

QString CaptionLabel::shownText() const {
    QString shown;
    shown.reserve(m_caption.size());
    for (qsizetype i = 0; i < m_caption.size(); ++i) {
        if (m_caption[i] == QLatin1Char('&') && ++i == m_caption.size())
            break;
        shown += m_caption[i];
    }
    return shown;
}

void CaptionLabel::fitToText() {
    m_geometry.setSize(QFontMetrics(m_font).size(Qt::TextShowMnemonic, m_caption));
}

void CaptionLabel::paint(QPainter& painter, const QPalette& palette) const {
    if (m_geometry.width() <= 0 || m_geometry.height() <= 0)
        return;
    painter.save();
    painter.setFont(m_font);
    painter.setPen(toQColor(m_colour, palette));
    painter.setClipRect(m_geometry);
    // A caption wider than its box wraps between words; only the lines that fit show.
    painter.drawText(m_geometry, kTextFlags | Qt::TextWordWrap, m_caption);
    painter.restore();
}

} // namespace km
