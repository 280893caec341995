// SPDX-License-Identifier: MIT
#include "seams/message_box_seam.h"

#include "dialogs/message_box.h"

#include <deque>

namespace km {

namespace {

MessageBoxState& lastState() {
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
    MessageBoxState& box = lastState();
    box.BoxPrompt = prompt;
    box.BoxStyle = style;
    box.BoxTitle = title;
    ++calls();
    if (!nextAnswers().empty()) {
        box.BoxResult = nextAnswers().front();
        nextAnswers().pop_front();
        return box.BoxResult;
    }
    showMessageBoxOf(box);
    return box.BoxResult;
}

const MessageBoxState& MessageBoxSeam::lastCall() {
    return lastState();
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
