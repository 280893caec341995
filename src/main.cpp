#include "app/main_window.h"
#include "platform/file_system.h"
#include "platform/fonts.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    km::installFontSubstitutes();
    MainWindow window(km::fs::programFolder());
    window.Form_Load();
    return application.exec();
}
