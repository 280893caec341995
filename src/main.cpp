// SPDX-License-Identifier: MIT
#include "command_line/command_line.h"
#include "dialogs/message_box.h"
#include "files/file_system.h"
#include "language/translations.h"
#include "main_window/main_window.h"
#include "settings/options_file.h"
#include "settings/settings_file.h"
#include "settings/settings_location.h"
#include "terminal/terminal_commands.h"
#include "widgets/fonts.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <cstdio>
#include <optional>
#include <unistd.h>
#include <vector>

namespace {

const QString kVersion = QStringLiteral(KESTRELMARK_VERSION);

// Reads the arguments as given, before any window system is reached, so that help and version
// are answered in any terminal. The short-lived core application only names the program in the
// help text.
km::StartRequest readBeforeWindowSystem(int argc, char** argv) {
    int count = argc;
    std::vector<char*> copy(argv, argv + argc + 1);
    const QCoreApplication probe(count, copy.data());
    const km::StartRequest request = km::readCommandLine(QCoreApplication::arguments(), kVersion);
    if (request.action != km::StartRequest::Action::Answer)
        return request;
    // Only an answer is printed here: the translations are read for it alone, not at every start.
    const km::Translations translations(km::fs::programFolder());
    return km::readCommandLine(QCoreApplication::arguments(), kVersion);
}

// Prints what the command line asked for or what is wrong with it; returns the exit code.
int endWith(const km::StartRequest& request) {
    const bool answered = request.action == km::StartRequest::Action::Answer;
    std::fputs(request.output.toLocal8Bit().constData(), answered ? stdout : stderr);
    return answered ? 0 : km::kUsageError;
}

// `kestrelmark rename|history|undo|recover ...` runs without a window system: true with its exit
// status when the arguments name one of those commands.
std::optional<int> runInTerminal(int argc, char** argv) {
    int count = argc;
    std::vector<char*> copy(argv, argv + argc + 1);
    const QCoreApplication application(count, copy.data());
    const km::TerminalRequest request = km::readTerminalRequest(QCoreApplication::arguments());
    if (request.kind == km::TerminalRequest::Kind::None)
        return std::nullopt;
    QCoreApplication::setApplicationName(QStringLiteral("Kestrelmark"));
    const km::Translations translations(km::fs::programFolder());
    const km::TerminalPlaces places{
        km::settingsFolder(km::fs::programFolder()) + QLatin1Char('/') +
            QLatin1String(km::kSettingsFileName),
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QLatin1Char('/') +
            QLatin1String(km::kOptionsFileName),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)};
    const km::TerminalStreams streams{stdout, stderr, isatty(STDOUT_FILENO) == 1};
    return km::runTerminalCommand(request, places, streams);
}

} // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> status = runInTerminal(argc, argv))
        return *status;
    // A damaged photo only leaves its preview box empty; the JPEG reader need not say so too.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.jpeg.warning=false"));
    if (const km::StartRequest early = readBeforeWindowSystem(argc, argv);
        early.action == km::StartRequest::Action::Answer)
        return endWith(early);

    QApplication application(argc, argv);
    const km::Translations translations(km::fs::programFolder());
    km::installFontSubstitutes();
    QApplication::setApplicationName(QStringLiteral("Kestrelmark"));
    QApplication::setApplicationVersion(kVersion);
    // Read again without the window system's own options, which the application has taken out.
    const km::StartRequest request = km::readCommandLine(QApplication::arguments(), kVersion);
    if (request.action != km::StartRequest::Action::Start)
        return endWith(request);
    if (!request.folderProblem.isEmpty())
        std::fputs(("kestrelmark: " + request.folderProblem + "\n").toLocal8Bit().constData(),
                   stderr);

    const QString journals = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString options = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    km::MainWindow window(km::settingsFolder(km::fs::programFolder()),
                          km::MainWindow::FolderTreeStartDefault(), journals, options);
    window.setStartFolder(request.folder);
    window.load();
    // Exit or the close box used during start-up's scan has already unloaded the window; the
    // event loop that would have ended the program then was not running yet.
    if (window.isUnloaded())
        return 0;
    if (!request.folderProblem.isEmpty())
        km::ShowMessageBox(request.folderProblem, km::BoxExclamation,
                           QStringLiteral("Kestrelmark"));
    return application.exec();
}
