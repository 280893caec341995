#include "dialogs/message_box.h"

#include "dialogs/message_box_form.h"

#include <optional>
#include <utility>

namespace modMessageBox {

namespace {

MessageBoxState& moduleState() {
    static MessageBoxState state;
    return state;
}

std::optional<qint32>& nextAnswer() {
    static std::optional<qint32> answer;
    return answer;
}

int& calls() {
    static int count = 0;
    return count;
}

} // namespace

qint32 ShowMessageBox(const QString& prompt, qint32 style, const QString& title) {
    MessageBoxState& box = moduleState();
    box.BoxPrompt = prompt;
    box.BoxStyle = style;
    box.BoxTitle = title;
    ++calls();
    if (const std::optional<qint32> answer = std::exchange(nextAnswer(), std::nullopt)) {
        box.BoxResult = *answer;
        return box.BoxResult;
    }
    frmMessageBox form(box);
    form.exec();
    return box.BoxResult;
}

const MessageBoxState& state() {
    return moduleState();
}

void setNextAnswer(qint32 answer) {
    nextAnswer() = answer;
}

void clearNextAnswer() {
    nextAnswer().reset();
}

int callCount() {
    return calls();
}

} // namespace modMessageBox
