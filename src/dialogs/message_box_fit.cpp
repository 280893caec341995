// SPDX-License-Identifier: MIT
#include "dialogs/message_box_fit.h"

#include <QFontMetrics>
#include <QStringList>
#include <QTextDocument>
#include <algorithm>

namespace km {

namespace {

const QString kShortened = QStringLiteral("...");

// `word` cut to its first and last characters around "...", as many as fit in `width`.
QString shortenInTheMiddle(const QString& word, const QFontMetrics& metrics, int width) {
    const auto withKept = [&word](qsizetype kept) {
        return word.left(kept - kept / 2) + kShortened + word.right(kept / 2);
    };
    qsizetype fits = 0;
    qsizetype tooMany = word.size();
    while (tooMany - fits > 1) {
        const qsizetype middle = (fits + tooMany) / 2;
        if (metrics.horizontalAdvance(withKept(middle)) <= width)
            fits = middle;
        else
            tooMany = middle;
    }
    return withKept(fits);
}

// One line of the prompt as lines no wider than `width`, broken at spaces.
QStringList wrapLine(const QString& line, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(line) <= width)
        return {line};
    QStringList wrapped;
    QString current;
    for (QString word : line.split(u' ', Qt::SkipEmptyParts)) {
        if (metrics.horizontalAdvance(word) > width)
            word = shortenInTheMiddle(word, metrics, width);
        const QString joined = current.isEmpty() ? word : current + u' ' + word;
        if (current.isEmpty() || metrics.horizontalAdvance(joined) <= width) {
            current = joined;
            continue;
        }
        wrapped.append(current);
        current = word;
    }
    wrapped.append(current);
    return wrapped;
}

// How many lines a label in this font shows within `height`. Measured as the label lays its lines
// out, which may set them a fraction of a pixel farther apart than the font's line spacing; the
// step is taken over ten lines and rounded up so the fractions cannot add up past `height`.
qsizetype linesInHeight(const QFontMetrics& metrics, int height) {
    const auto linesHeight = [&metrics](qsizetype count) {
        const QString lines = QStringLiteral("X\n").repeated(count - 1) + u'X';
        return metrics.boundingRect(QRect(), Qt::AlignHCenter, lines).height();
    };
    constexpr int kSteps = 10;
    const int first = linesHeight(1);
    const int step = std::max(1, (linesHeight(1 + kSteps) - first + kSteps - 1) / kSteps);
    return 1 + std::max(0, height - first) / step;
}

// A word of more characters than this gets break points in a tooltip.
constexpr qsizetype kToolTipWordLength = 40;

QString withBreakPoints(const QString& text) {
    QString broken;
    broken.reserve(text.size() + text.size() / kToolTipWordLength);
    qsizetype wordLength = 0;
    for (const QChar c : text) {
        if (c.isSpace()) {
            wordLength = 0;
        } else if (++wordLength > kToolTipWordLength && !c.isLowSurrogate()) {
            broken += QChar(0x200B);
            wordLength = 1;
        }
        broken += c;
    }
    return broken;
}

} // namespace

QString wrappingToolTip(const QString& prompt) {
    return Qt::convertFromPlainText(withBreakPoints(prompt), Qt::WhiteSpaceNormal);
}

QString fitPromptToRoom(const QString& prompt, const QFontMetrics& metrics, QSize room) {
    const int width = std::max(room.width(), metrics.horizontalAdvance(kShortened));
    const qsizetype linesThatFit = linesInHeight(metrics, room.height());
    QStringList lines;
    for (const QString& line : prompt.split(u'\n'))
        lines.append(wrapLine(line, metrics, width));
    if (lines.size() > linesThatFit) {
        lines.resize(linesThatFit - 1);
        lines.append(kShortened);
    }
    return lines.join(u'\n');
}

} // namespace km
