#include "dialogs/message_box.h"

#include "dialogs/message_box_form.h"

#include <deque>

namespace modMessageBox {

namespace {

MessageBoxState& moduleState() {
    static MessageBoxState state;
    return state;
}

std::deque<qint32>& nextAnswers() {
    static std::deque<qint32> answers;
    return answers;
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
    if (!nextAnswers().empty()) {
        box.BoxResult = nextAnswers().front();
        nextAnswers().pop_front();
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
    nextAnswers().push_back(answer);
}

void clearNextAnswer() {
    nextAnswers().clear();
}

int callCount() {
    return calls();
}

} // namespace modMessageBox
