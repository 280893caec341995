// SPDX-License-Identifier: MIT
#include "command_line/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace km {
namespace {

class CommandLineWords {
    Q_DECLARE_TR_FUNCTIONS(CommandLineWords)
};

StartRequest answer(const QString& text) {
    StartRequest request;
    request.action = StartRequest::Action::Answer;
    request.output = text;
    return request;
}

StartRequest refusal(const QString& programName, const QString& reason) {
    StartRequest request;
    request.action = StartRequest::Action::Refuse;
    request.output = CommandLineWords::tr("%1: %2\nTry '%1 --help'.\n").arg(programName, reason);
    return request;
}

// Empty when the path names a folder; otherwise a sentence saying why it cannot be opened.
QString folderProblem(const QString& given, const QFileInfo& path) {
    if (!path.exists())
        return CommandLineWords::tr("\"%1\" cannot be opened: there is no such folder.").arg(given);
    if (!path.isDir())
        return CommandLineWords::tr("\"%1\" cannot be opened: it is not a folder.").arg(given);
    return QString();
}

void chooseFolder(StartRequest& request, const QString& given) {
    const QFileInfo path(given);
    request.folderProblem = folderProblem(given, path);
    if (request.folderProblem.isEmpty())
        request.folder = QDir::cleanPath(path.absoluteFilePath());
}

} // namespace

StartRequest readCommandLine(const QStringList& arguments, const QString& version) {
    const QString programName =
        arguments.isEmpty() ? QStringLiteral("kestrelmark") : QFileInfo(arguments[0]).fileName();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CommandLineWords::tr("Renames the photos of a folder in one batch.") + QLatin1Char('\n') +
        CommandLineWords::tr("In a terminal, without a window: kestrelmark rename, history, undo "
                             "and recover (kestrelmark rename --help)."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  CommandLineWords::tr("Show this help and end."));
    const QCommandLineOption showVersion({QStringLiteral("v"), QStringLiteral("version")},
                                         CommandLineWords::tr("Show the version and end."));
    parser.addOptions({help, showVersion});
    parser.addPositionalArgument(
        CommandLineWords::tr("folder"),
        CommandLineWords::tr("The folder whose photos to list, instead of the one used last."),
        CommandLineWords::tr("[FOLDER]"));

    if (!parser.parse(arguments))
        return refusal(programName, parser.errorText());
    if (parser.isSet(help))
        return answer(parser.helpText());
    if (parser.isSet(showVersion))
        return answer(QStringLiteral("Kestrelmark ") + version + QStringLiteral("\n"));
    const QStringList folders = parser.positionalArguments();
    if (folders.size() > 1)
        return refusal(programName,
                       CommandLineWords::tr("only one folder can be opened at a time."));
    StartRequest request;
    if (!folders.isEmpty())
        chooseFolder(request, folders.front());
    return request;
}

} // namespace km
