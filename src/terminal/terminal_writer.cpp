// SPDX-License-Identifier: MIT
#include "terminal/terminal_writer.h"

#include "terminal/terminal_rename_plan.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace km {

namespace {

class TerminalWriterWords {
    Q_DECLARE_TR_FUNCTIONS(TerminalWriterWords)
};

constexpr int kWidestOldColumn = 48;

QString oneLine(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QByteArray jsonLine(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace

TerminalWriter::TerminalWriter(const TerminalStreams& streams, bool json)
    : m_streams(streams), m_json(json) {}

void TerminalWriter::line(std::FILE* stream, const QString& text) {
    std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), stream);
}

void TerminalWriter::text(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), m_streams.out);
}

void TerminalWriter::usage(const QString& reason) {
    line(m_streams.err,
         TerminalWriterWords::tr("kestrelmark: %1\nTry 'kestrelmark rename --help'.").arg(reason));
}

void TerminalWriter::problem(const QString& text) {
    if (m_json)
        std::fputs(jsonLine({{QStringLiteral("problem"), oneLine(text)}}).append('\n').constData(),
                   m_streams.out);
    line(m_streams.err, QStringLiteral("kestrelmark: ") + oneLine(text));
}

void TerminalWriter::plan(const TerminalRenamePlan& plan, bool applying) {
    if (m_json) {
        for (const TerminalRow& row : plan.rows) {
            QJsonObject object{{QStringLiteral("name"), row.name},
                               {QStringLiteral("new"), row.newName}};
            if (!row.keptBecause.isEmpty())
                object.insert(QStringLiteral("kept"), row.keptBecause);
            if (!row.refusal.isEmpty())
                object.insert(QStringLiteral("refused"), row.refusal);
            std::fputs(jsonLine(object).append('\n').constData(), m_streams.out);
        }
        QJsonObject summary{
            {QStringLiteral("folder"), plan.folder},
            {QStringLiteral("renamed"), static_cast<qint64>(plan.batch.plan.pairs.size())},
            {QStringLiteral("companions"), static_cast<qint64>(plan.companions)},
            {QStringLiteral("refused"), plan.refused()},
            {QStringLiteral("apply"), applying}};
        if (!plan.batchRefusal.isEmpty())
            summary.insert(QStringLiteral("refusal"), oneLine(plan.batchRefusal));
        std::fputs(jsonLine({{QStringLiteral("plan"), summary}}).append('\n').constData(),
                   m_streams.out);
        return;
    }
    qsizetype width = 0;
    for (const TerminalRow& row : plan.rows)
        width = std::max(width, row.name.size());
    width = std::min<qsizetype>(width, kWidestOldColumn);
    for (const TerminalRow& row : plan.rows) {
        QString shown = row.name.leftJustified(width) + QStringLiteral("  ") +
                        (row.newName.isEmpty() ? row.keptBecause : row.newName);
        if (!row.refusal.isEmpty())
            shown += QStringLiteral("  (") + row.refusal + QLatin1Char(')');
        if (!row.refusal.isEmpty() && m_streams.colours)
            shown = QStringLiteral("\x1b[31m") + shown + QStringLiteral("\x1b[0m");
        line(m_streams.out, shown);
    }
    for (const QString& count : plan.counts)
        line(m_streams.out, count);
    if (!plan.batchRefusal.isEmpty())
        line(m_streams.err, oneLine(plan.batchRefusal));
    if (plan.anyRowRefused)
        line(m_streams.err, TerminalWriterWords::tr("Nothing is renamed: the names in red would "
                                                    "clash or cannot be file names."));
    else if (!applying)
        line(m_streams.out,
             plan.batch.plan.pairs.size() == 1
                 ? TerminalWriterWords::tr("1 file would be renamed; add --apply to rename it.")
                 : TerminalWriterWords::tr("%1 files would be renamed; add --apply to rename "
                                           "them.")
                       .arg(plan.batch.plan.pairs.size()));
}

void TerminalWriter::outcome(const BatchOutcome& outcome, const QString& message, std::size_t files,
                             bool sayRenamed) {
    if (m_json) {
        QJsonObject object{
            {QStringLiteral("done"), outcome.done},
            {QStringLiteral("touched"), outcome.touched},
            {QStringLiteral("files"), static_cast<qint64>(files)},
            {QStringLiteral("stranded"), static_cast<qint64>(outcome.stranded.size())}};
        if (!message.isEmpty())
            object.insert(QStringLiteral("message"), oneLine(message));
        std::fputs(jsonLine({{QStringLiteral("outcome"), object}}).append('\n').constData(),
                   m_streams.out);
        return;
    }
    if (outcome.done && sayRenamed)
        line(m_streams.out, files == 1 ? TerminalWriterWords::tr("1 file renamed.")
                                       : TerminalWriterWords::tr("%1 files renamed.").arg(files));
    if (!message.isEmpty())
        line(outcome.done ? m_streams.out : m_streams.err, oneLine(message));
}

void TerminalWriter::history(const std::vector<EarlierRenameTexts>& batches) {
    int number = 0;
    for (const EarlierRenameTexts& batch : batches) {
        ++number;
        if (m_json) {
            std::fputs(jsonLine({{QStringLiteral("batch"), number},
                                 {QStringLiteral("when"), batch.when},
                                 {QStringLiteral("folder"), batch.folder},
                                 {QStringLiteral("files"), batch.files.toInt()},
                                 {QStringLiteral("example"), batch.example},
                                 {QStringLiteral("state"), batch.state}})
                           .append('\n')
                           .constData(),
                       m_streams.out);
            continue;
        }
        line(m_streams.out,
             QStringLiteral("%1  %2  %3  %4  %5  %6")
                 .arg(number, 3)
                 .arg(batch.when, batch.folder, batch.files, batch.example, batch.state));
    }
}

void TerminalWriter::recovered(const QString& message, bool consistent) {
    if (m_json) {
        std::fputs(jsonLine({{QStringLiteral("recovered"), consistent},
                             {QStringLiteral("message"), oneLine(message)}})
                       .append('\n')
                       .constData(),
                   m_streams.out);
        return;
    }
    line(consistent ? m_streams.out : m_streams.err, oneLine(message));
}

} // namespace km
