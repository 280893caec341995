#include "app/main_window.h"

MainWindow::MainWindow(const QString& settingsFolder, QWidget* parent)
    : QWidget(parent), m_settingsFolder(settingsFolder) {}

void MainWindow::Form_Load() {
    show();
}
