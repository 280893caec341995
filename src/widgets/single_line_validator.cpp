// SPDX-License-Identifier: MIT
#include "widgets/single_line_validator.h"

namespace km {

namespace {

bool isControl(QChar c) {
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

} // namespace

QValidator::State SingleLineValidator::validate(QString& input, int& position) const {
    int removedBeforeCursor = 0;
    QString kept;
    kept.reserve(input.size());
    for (int i = 0; i < input.size(); ++i) {
        if (!isControl(input.at(i)))
            kept.append(input.at(i));
        else if (i < position)
            ++removedBeforeCursor;
    }
    if (kept.size() != input.size()) {
        input = kept;
        position -= removedBeforeCursor;
    }
    return Acceptable;
}

} // namespace km
