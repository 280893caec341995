// SPDX-License-Identifier: MIT
#pragma once

#include <QValidator>

namespace km {

// Keeps a text box to one line of printable text: typed or pasted control characters (line
// breaks, tabs, ...) and line separators are dropped, the rest of the text is kept.
class SingleLineValidator final : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};

} // namespace km
