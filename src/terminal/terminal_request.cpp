// SPDX-License-Identifier: MIT
#include "terminal/terminal_request.h"

#include <QCoreApplication>
#include <map>

namespace km {

namespace {

class TerminalWords {
    Q_DECLARE_TR_FUNCTIONS(TerminalWords)

public:
    static QString help() {
        return tr("Usage:\n"
                  "  kestrelmark rename FOLDER [--prefix TEXT] [--start N] [--digits N]\n"
                  "      [--pattern P] [--preset NAME] [--order name|taken]\n"
                  "      [--numbers run|restart|shared] [--extcase keep|lower|upper]\n"
                  "      [--types jpg,bmp,gif,heic,png,tif,webp,video] [--companions]\n"
                  "      [--selected NAME...] [--apply] [--json]\n"
                  "      shows each photo's old and new name; renames only with --apply\n"
                  "  kestrelmark history [FOLDER] [--json]\n"
                  "      lists the recorded renames, newest first\n"
                  "  kestrelmark undo [BATCH] [--json]\n"
                  "      gives the files of a recorded rename their names back (1, the newest,\n"
                  "      unless BATCH names another as history numbers them)\n"
                  "  kestrelmark recover FOLDER --finish|--roll-back [--json]\n"
                  "      settles a rename a crash cut short in FOLDER\n"
                  "Values not given come from the window's settings, which are never written.\n"
                  "Exit status: 0 done or planned, 1 refused, 2 bad usage, 3 failed with every\n"
                  "file given its name back, 4 files left under other names.\n");
    }
};

TerminalRequest refused(const QString& reason) {
    TerminalRequest request;
    request.kind = TerminalRequest::Kind::Refused;
    request.message = reason;
    return request;
}

template <typename Choice>
std::optional<Choice> choiceOf(const QString& value, const std::map<QString, Choice>& choices) {
    const auto found = choices.find(value.toLower());
    return found == choices.end() ? std::nullopt : std::optional(found->second);
}

std::optional<TerminalTypes> typesOf(const QString& value) {
    TerminalTypes types;
    for (const QString& type : value.toLower().split(QLatin1Char(','))) {
        if (type == QLatin1String("jpg") || type == QLatin1String("jpeg"))
            types.jpeg = true;
        else if (type == QLatin1String("bmp"))
            types.bitmap = true;
        else if (type == QLatin1String("gif"))
            types.gif = true;
        else if (type == QLatin1String("heic") || type == QLatin1String("png") ||
                 type == QLatin1String("tif") || type == QLatin1String("webp"))
            types.moreTypes = true;
        else if (type == QLatin1String("video"))
            types.videos = true;
        else
            return std::nullopt;
    }
    return types;
}

// Reads the arguments of one command after its name; what it cannot read refuses the whole.
class ArgumentReader {
public:
    ArgumentReader(const QStringList& arguments, qsizetype first)
        : m_arguments(arguments), m_at(first) {}

    bool atEnd() const { return m_at >= m_arguments.size(); }
    QString next() { return m_arguments[m_at++]; }
    bool nextIsValue() const {
        return !atEnd() && !m_arguments[m_at].startsWith(QLatin1String("--"));
    }
    // The value after an option; none, with `problem` saying so, when the arguments end.
    std::optional<QString> valueOf(const QString& option, QString& problem) {
        if (atEnd()) {
            problem = TerminalWords::tr("%1 needs a value").arg(option);
            return std::nullopt;
        }
        return next();
    }

private:
    const QStringList& m_arguments;
    qsizetype m_at;
};

// Reads one --option of rename; false with `problem` set when it cannot.
bool readRenameOption(const QString& option, ArgumentReader& reader, TerminalRequest& request,
                      QString& problem) {
    TerminalRename& rename = request.rename;
    const auto text = [&](std::optional<QString>& into) {
        into = reader.valueOf(option, problem);
        return into.has_value();
    };
    const auto choice = [&](auto& into, const auto& choices) {
        const std::optional<QString> value = reader.valueOf(option, problem);
        if (!value)
            return false;
        into = choiceOf(*value, choices);
        if (!into)
            problem = TerminalWords::tr("%1 cannot be \"%2\"").arg(option, *value);
        return into.has_value();
    };
    if (option == QLatin1String("--prefix"))
        return text(rename.prefix);
    if (option == QLatin1String("--start"))
        return text(rename.start);
    if (option == QLatin1String("--digits"))
        return text(rename.digits);
    if (option == QLatin1String("--pattern"))
        return text(rename.pattern);
    if (option == QLatin1String("--preset"))
        return text(rename.preset);
    if (option == QLatin1String("--order"))
        return choice(rename.order,
                      std::map<QString, PhotoOrder>{{QStringLiteral("name"), PhotoOrder::Name},
                                                    {QStringLiteral("taken"), PhotoOrder::Taken}});
    if (option == QLatin1String("--numbers"))
        return choice(rename.numbers, std::map<QString, DateNumbering>{
                                          {QStringLiteral("run"), DateNumbering::Run},
                                          {QStringLiteral("restart"), DateNumbering::Restart},
                                          {QStringLiteral("shared"), DateNumbering::Shared}});
    if (option == QLatin1String("--extcase"))
        return choice(rename.extensionCase,
                      std::map<QString, fs::ExtensionCase>{
                          {QStringLiteral("keep"), fs::ExtensionCase::Keep},
                          {QStringLiteral("lower"), fs::ExtensionCase::Lower},
                          {QStringLiteral("upper"), fs::ExtensionCase::Upper}});
    if (option == QLatin1String("--types")) {
        const std::optional<QString> value = reader.valueOf(option, problem);
        if (!value)
            return false;
        rename.types = typesOf(*value);
        if (!rename.types)
            problem = TerminalWords::tr("--types cannot hold \"%1\"").arg(*value);
        return rename.types.has_value();
    }
    if (option == QLatin1String("--companions")) {
        rename.companions = true;
        return true;
    }
    if (option == QLatin1String("--apply")) {
        rename.apply = true;
        return true;
    }
    if (option == QLatin1String("--selected")) {
        while (reader.nextIsValue())
            rename.selected << reader.next();
        if (rename.selected.isEmpty())
            problem = TerminalWords::tr("--selected needs at least one name");
        return !rename.selected.isEmpty();
    }
    problem = TerminalWords::tr("unknown option %1").arg(option);
    return false;
}

TerminalRequest readCommand(TerminalRequest::Kind kind, ArgumentReader reader) {
    TerminalRequest request;
    request.kind = kind;
    QStringList positional;
    while (!reader.atEnd()) {
        const QString argument = reader.next();
        if (argument == QLatin1String("--json")) {
            request.json = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            request.kind = TerminalRequest::Kind::Help;
            request.message = TerminalWords::help();
            return request;
        } else if (kind == TerminalRequest::Kind::Recover &&
                   (argument == QLatin1String("--finish") ||
                    argument == QLatin1String("--roll-back"))) {
            request.direction = argument == QLatin1String("--finish") ? RecoveryDirection::Finish
                                                                      : RecoveryDirection::RollBack;
            request.message = argument;
        } else if (argument.startsWith(QLatin1String("--"))) {
            QString problem = TerminalWords::tr("unknown option %1").arg(argument);
            if (kind != TerminalRequest::Kind::Rename ||
                !readRenameOption(argument, reader, request, problem))
                return refused(problem);
        } else {
            positional << argument;
        }
    }
    // Each command takes one folder or batch at most.
    if (positional.size() > 1)
        return refused(TerminalWords::tr("unexpected argument \"%1\"").arg(positional.last()));
    const QString only = positional.value(0);
    switch (kind) {
    case TerminalRequest::Kind::Rename:
        if (only.isEmpty())
            return refused(TerminalWords::tr("rename needs the folder whose photos to rename"));
        request.rename.folder = only;
        break;
    case TerminalRequest::Kind::Recover:
        if (only.isEmpty())
            return refused(TerminalWords::tr("recover needs the folder of the interrupted rename"));
        if (request.message.isEmpty())
            return refused(TerminalWords::tr("recover needs --finish or --roll-back"));
        request.message.clear();
        request.folder = only;
        break;
    case TerminalRequest::Kind::History:
        request.folder = only;
        break;
    case TerminalRequest::Kind::Undo:
        if (!only.isEmpty()) {
            bool ok = false;
            request.batch = only.toInt(&ok);
            if (!ok || request.batch < 1)
                return refused(TerminalWords::tr("\"%1\" is not a batch number").arg(only));
        }
        break;
    default:
        break;
    }
    return request;
}

} // namespace

TerminalRequest readTerminalRequest(const QStringList& arguments) {
    const std::map<QString, TerminalRequest::Kind> commands{
        {QStringLiteral("rename"), TerminalRequest::Kind::Rename},
        {QStringLiteral("history"), TerminalRequest::Kind::History},
        {QStringLiteral("undo"), TerminalRequest::Kind::Undo},
        {QStringLiteral("recover"), TerminalRequest::Kind::Recover}};
    if (arguments.size() < 2)
        return {};
    const auto command = commands.find(arguments[1]);
    if (command == commands.end())
        return {};
    return readCommand(command->second, ArgumentReader(arguments, 2));
}

} // namespace km
