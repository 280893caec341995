// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QLabel;

namespace km {
class XPButton;
} // namespace km

namespace km {

// The about window: the program's picture and a Close button in a thin frame, without border
// or title bar, centred on the screen. Close is the only control that takes the focus, so
// Enter or Space closes the window as soon as it opens.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    AboutDialog();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void centreOnScreen();
    void bClose_Click();

    QLabel* Image1 = nullptr;
    km::XPButton* bClose = nullptr;
};

// Shows a fresh about window modally, without owner, and returns once it has been closed.
void showAboutDialog();

} // namespace km
