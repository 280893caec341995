// SPDX-License-Identifier: MIT
#include "dialogs/message_box.h"

#include "dialogs/message_box_form.h"

#include <deque>

namespace km {

namespace {

MessageBoxState& moduleState() {
    static MessageBoxState state;
    return state;
}

std::deque<BoxAnswer>& nextAnswers() {
    static std::deque<BoxAnswer> answers;
    return answers;
}

int& calls() {
    static int count = 0;
    return count;
}

} // namespace

BoxAnswer ShowMessageBox(const QString& prompt, qint32 style, const QString& title) {
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

const MessageBoxState& MessageBoxSeam::lastCall() {
    return moduleState();
}

void MessageBoxSeam::setNextAnswer(BoxAnswer answer) {
    nextAnswers().push_back(answer);
}

void MessageBoxSeam::clearNextAnswers() {
    nextAnswers().clear();
}

int MessageBoxSeam::callCount() {
    return calls();
}

} // namespace km
