// SPDX-License-Identifier: MIT
#include "naming/name_pattern.h"

#include "files/file_names.h"

#include <algorithm>
#include <utility>

namespace km {

namespace {

constexpr QStringView kTimeFormat = u"hh-mm-ss";

bool isUnsafeTyped(QChar c) {
    return c == u'/' || c == u':' || c.unicode() < 0x20 || c.unicode() == 0x7f;
}

// What a memory card or a Windows share refuses in a name, besides control characters.
bool isRefusedByWindows(QChar c) {
    switch (c.unicode()) {
    case u'/':
    case u'\\':
    case u':':
    case u'*':
    case u'?':
    case u'"':
    case u'<':
    case u'>':
    case u'|':
        return true;
    default:
        return c.unicode() < 0x20 || c.unicode() == 0x7f;
    }
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == QChar::Nbsp;
}

std::optional<PatternField> fieldNamed(QStringView name) {
    for (const auto& [each, field] : patternFieldNames())
        if (each == name)
            return field;
    return std::nullopt;
}

class PatternParser {
public:
    explicit PatternParser(QStringView text) : m_text(text) {}

    NamePattern::Reading run(std::vector<NamePattern::Piece>& pieces) {
        if (m_text.size() > NamePattern::kMaxLength)
            return fail(PatternFault::TooLong, NamePattern::kMaxLength, {});
        QString literal;
        for (qsizetype at = 0; at < m_text.size();) {
            const QChar c = m_text[at];
            if (c == u'}')
                return fail(PatternFault::UnopenedBrace, at, QStringLiteral("}"));
            if (isUnsafeTyped(c))
                return fail(PatternFault::UnsafeCharacter, at, QString(c));
            if (c != u'{') {
                literal.append(c);
                ++at;
                continue;
            }
            const qsizetype close = m_text.indexOf(u'}', at + 1);
            const qsizetype nextOpen = m_text.indexOf(u'{', at + 1);
            if (close < 0 || (nextOpen >= 0 && nextOpen < close))
                return fail(PatternFault::UnclosedBrace, at, QStringLiteral("{"));
            if (!literal.isEmpty())
                pieces.push_back({PatternField::Text, std::exchange(literal, {}), std::nullopt});
            NamePattern::Piece piece;
            if (auto error = readField(at + 1, close, piece))
                return {std::nullopt, std::move(error)};
            pieces.push_back(std::move(piece));
            at = close + 1;
        }
        if (!literal.isEmpty())
            pieces.push_back({PatternField::Text, std::move(literal), std::nullopt});
        return {};
    }

private:
    // The field between the braces, [from, to).
    std::optional<PatternError> readField(qsizetype from, qsizetype to, NamePattern::Piece& piece) {
        const QStringView inside = m_text.sliced(from, to - from);
        const qsizetype colon = inside.indexOf(u':');
        const QStringView name = colon < 0 ? inside : inside.first(colon);
        const std::optional<PatternField> field = fieldNamed(name);
        const bool dated = field == PatternField::Date || field == PatternField::Time;
        if (!field || (colon >= 0 && !dated))
            return PatternError{PatternFault::UnknownField, from, inside.toString()};
        piece.field = *field;
        if (!dated)
            return std::nullopt;
        const QStringView format =
            colon < 0 ? (field == PatternField::Date ? kDefaultDatePattern : kTimeFormat)
                      : inside.sliced(colon + 1);
        const qsizetype fault = DatePattern::faultAt(format);
        if (fault >= 0) {
            const qsizetype at = from + colon + 1 + std::min(fault, format.size());
            return PatternError{PatternFault::UnknownDateFormat, at,
                                format.sliced(std::min(fault, format.size())).left(1).toString()};
        }
        piece.date = DatePattern::read(format);
        return std::nullopt;
    }

    NamePattern::Reading fail(PatternFault fault, qsizetype at, QString text) {
        return {std::nullopt, PatternError{fault, at, std::move(text)}};
    }

    QStringView m_text;
};

} // namespace

const std::vector<std::pair<QStringView, PatternField>>& patternFieldNames() {
    static const std::vector<std::pair<QStringView, PatternField>> kNames = {
        {u"prefix", PatternField::Prefix},     {u"number", PatternField::Number},
        {u"date", PatternField::Date},         {u"time", PatternField::Time},
        {u"camera", PatternField::Camera},     {u"make", PatternField::Make},
        {u"model", PatternField::Model},       {u"lens", PatternField::Lens},
        {u"serial", PatternField::Serial},     {u"name", PatternField::Name},
        {u"original", PatternField::Original}, {u"folder", PatternField::Folder},
    };
    return kNames;
}

NamePattern::Reading NamePattern::read(QStringView text) {
    NamePattern pattern;
    Reading reading = PatternParser(text).run(pattern.m_pieces);
    if (reading.error)
        return reading;
    pattern.m_text = text.toString();
    reading.pattern = std::move(pattern);
    return reading;
}

bool NamePattern::uses(PatternField field) const {
    return std::any_of(m_pieces.begin(), m_pieces.end(),
                       [field](const Piece& piece) { return piece.field == field; });
}

bool NamePattern::usesPhotoFacts() const {
    return std::any_of(m_pieces.begin(), m_pieces.end(), [](const Piece& piece) {
        switch (piece.field) {
        case PatternField::Date:
        case PatternField::Time:
        case PatternField::Make:
        case PatternField::Model:
        case PatternField::Camera:
        case PatternField::Lens:
        case PatternField::Serial:
            return true;
        default:
            return false;
        }
    });
}

QString safeNameValue(const QString& value) {
    // Most values are safe already: they are given back without a copy.
    bool safe = !value.isEmpty() && !isBlank(value.front()) && !isBlank(value.back()) &&
                value.front() != u'.' && value.back() != u'.';
    for (qsizetype i = 0; safe && i < value.size(); ++i)
        safe =
            !isRefusedByWindows(value[i]) && !(isBlank(value[i]) && i > 0 && isBlank(value[i - 1]));
    if (safe)
        return value;

    QString made;
    made.reserve(value.size());
    for (const QChar c : value) {
        if (isBlank(c)) {
            if (!made.isEmpty() && made.back() != u' ')
                made.append(u' ');
        } else {
            made.append(isRefusedByWindows(c) ? QChar(u'-') : c);
        }
    }
    const auto trimmed = [](QChar c) {
        return isBlank(c) || c == u'.';
    };
    qsizetype first = 0;
    while (first < made.size() && trimmed(made[first]))
        ++first;
    qsizetype end = made.size();
    while (end > first && trimmed(made[end - 1]))
        --end;
    return made.sliced(first, end - first);
}

QString cameraName(const QString& make, const QString& model) {
    if (model.isEmpty())
        return {};
    const QStringView trimmedMake = QStringView(make).trimmed();
    const QStringView makeWord = trimmedMake.first(
        trimmedMake.indexOf(u' ') < 0 ? trimmedMake.size() : trimmedMake.indexOf(u' '));
    if (makeWord.isEmpty() || model.startsWith(makeWord, Qt::CaseInsensitive))
        return model;
    return makeWord.toString() + u' ' + model;
}

QStringView originalNumber(QStringView stem) {
    const auto isDigit = [](QChar c) {
        return c >= u'0' && c <= u'9';
    };
    qsizetype end = stem.size();
    while (end > 0 && !isDigit(stem[end - 1]))
        --end;
    qsizetype begin = end;
    while (begin > 0 && isDigit(stem[begin - 1]))
        --begin;
    return stem.sliced(begin, end - begin);
}

} // namespace km
