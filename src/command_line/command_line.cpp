// SPDX-License-Identifier: MIT
#include "command_line/command_line.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace km {
namespace {

StartRequest answer(const QString& text) {
    StartRequest request;
    request.action = StartRequest::Action::Answer;
    request.output = text;
    return request;
}

StartRequest refusal(const QString& programName, const QString& reason) {
    StartRequest request;
    request.action = StartRequest::Action::Refuse;
    request.output = programName + QStringLiteral(": ") + reason + QStringLiteral("\nTry '") +
                     programName + QStringLiteral(" --help'.\n");
    return request;
}

// Empty when the path names a folder; otherwise a sentence saying why it cannot be opened.
QString folderProblem(const QString& given, const QFileInfo& path) {
    const QString subject = QStringLiteral("\"") + given + QStringLiteral("\" cannot be opened: ");
    if (!path.exists())
        return subject + QStringLiteral("there is no such folder.");
    if (!path.isDir())
        return subject + QStringLiteral("it is not a folder.");
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
        QStringLiteral("Renames the photos of a folder in one batch."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption showVersion({QStringLiteral("v"), QStringLiteral("version")},
                                         QStringLiteral("Show the version and end."));
    parser.addOptions({help, showVersion});
    parser.addPositionalArgument(
        QStringLiteral("folder"),
        QStringLiteral("The folder whose photos to list, instead of the one used last."),
        QStringLiteral("[FOLDER]"));

    if (!parser.parse(arguments))
        return refusal(programName, parser.errorText());
    if (parser.isSet(help))
        return answer(parser.helpText());
    if (parser.isSet(showVersion))
        return answer(QStringLiteral("Kestrelmark ") + version + QStringLiteral("\n"));
    const QStringList folders = parser.positionalArguments();
    if (folders.size() > 1)
        return refusal(programName, QStringLiteral("only one folder can be opened at a time."));
    StartRequest request;
    if (!folders.isEmpty())
        chooseFolder(request, folders.front());
    return request;
}

} // namespace km
