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
    const QString journal = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                            QStringLiteral("/interrupted-batch.journal");
    MainWindow window(km::settingsFolder(km::fs::programFolder()),
                      MainWindow::FolderTreeStartDefault(), journal);
    window.Form_Load();
    return application.exec();
}
