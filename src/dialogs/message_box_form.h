// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs/message_box_call.h"
#include "widgets/image_list.h"

#include <QDialog>
#include <QSize>

class QLabel;

namespace km {
class XPButton;
} // namespace km

namespace km {

// The message box window: a prompt, at most one icon and one or two buttons, sized to the prompt
// and centred on the screen. A prompt too large for the screen's free area is wrapped and
// shortened to fit; Ctrl+C copies the whole prompt. It fills itself from the module state when
// it is created and writes the answer back there; each call creates a fresh one.
class frmMessageBox : public QDialog {
    Q_OBJECT

public:
    explicit frmMessageBox(km::MessageBoxState& state);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void Form_Load();
    void Form_Resize();
    void fitPrompt(QSize room);
    QSize borderSize() const;
    void bYesOk_Click();
    void bNoCancel_Click();

    km::MessageBoxState& m_state;
    QLabel* lblPrompt = nullptr;
    QLabel* imgIcon = nullptr;
    km::XPButton* bYesOk = nullptr;
    km::XPButton* bNoCancel = nullptr;
    ImageList ilIcons;
    km::BoxAnswer YesOkResult = km::BoxAnswer::None;
    km::BoxAnswer NoCancelResult = km::BoxAnswer::None;
    QSize m_laidOutBorder{-1, -1};
    bool m_resizing = false;
};

} // namespace km
