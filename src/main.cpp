#include "app/main_window.h"
#include "app/settings_location.h"
#include "platform/file_system.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QStandardPaths>

int main(int argc, char** argv) {
    // A damaged photo only leaves its preview box empty; the JPEG reader need not say so too.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.jpeg.warning=false"));
    QApplication application(argc, argv);
    km::installFontSubstitutes();
    QApplication::setApplicationName(QStringLiteral("Kestrelmark"));
    const QString journals = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    MainWindow window(km::settingsFolder(km::fs::programFolder()),
                      MainWindow::FolderTreeStartDefault(), journals);
    window.Form_Load();
    // Exit or the close box used during start-up's scan has already unloaded the window; the
    // event loop that would have ended the program then was not running yet.
    if (window.Unloaded())
        return 0;
    return application.exec();
}
