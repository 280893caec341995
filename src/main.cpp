#include "app/main_window.h"
#include "app/settings_location.h"
#include "platform/file_system.h"
#include "platform/fonts.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    km::installFontSubstitutes();
    QApplication::setApplicationName(QStringLiteral("Kestrelmark"));
    MainWindow window(km::settingsFolder(km::fs::programFolder()));
    window.Form_Load();
    return application.exec();
}
