// SPDX-License-Identifier: MIT
#include "batch/file_ops.h"
#include "files/file_names.h"
#include "rename/rename_keeper.h"
#include "support/batch_fakes.h"
#include "support/temp_folder.h"
#include "terminal/terminal_commands.h"
#include "terminal/terminal_rename_plan.h"
#include "terminal/terminal_request.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Kind = km::TerminalRequest::Kind;

km::TerminalRequest read(const QStringList& arguments) {
    return km::readTerminalRequest(QStringList{"kestrelmark"} + arguments);
}

TEST(TerminalRequest, ReadsEachCommandAndNamesWhatItCannotRead) {
    EXPECT_EQ(read({}).kind, Kind::None);
    EXPECT_EQ(read({"/photos"}).kind, Kind::None);
    const km::TerminalRequest rename =
        read({"rename", "trip", "--prefix", "x_", "--order", "TAKEN", "--types", "jpg,heic",
              "--selected", "a.jpg", "b c.jpg", "--apply", "--json"});
    ASSERT_EQ(rename.kind, Kind::Rename);
    EXPECT_EQ(rename.rename.folder, "trip");
    EXPECT_EQ(rename.rename.prefix, "x_");
    EXPECT_EQ(rename.rename.order, km::PhotoOrder::Taken);
    EXPECT_TRUE(rename.rename.types->jpeg && rename.rename.types->moreTypes);
    EXPECT_FALSE(rename.rename.types->gif);
    EXPECT_EQ(rename.rename.selected, QStringList({"a.jpg", "b c.jpg"}));
    EXPECT_TRUE(rename.rename.apply && rename.json);
    EXPECT_EQ(read({"undo", "3"}).batch, 3);
    EXPECT_EQ(read({"recover", "trip", "--roll-back"}).direction, km::RecoveryDirection::RollBack);
    EXPECT_EQ(read({"history", "--help"}).kind, Kind::Help);

    const struct {
        QStringList arguments;
        const char* named;
    } refused[] = {
        {{"rename"}, "folder"},
        {{"rename", "a", "b"}, "\"b\""},
        {{"rename", "a", "--order", "size"}, "\"size\""},
        {{"rename", "a", "--types", "jpg,raw"}, "jpg,raw"},
        {{"rename", "a", "--digits"}, "--digits"},
        {{"rename", "a", "--selected"}, "--selected"},
        {{"rename", "a", "--bogus"}, "--bogus"},
        {{"undo", "0"}, "\"0\""},
        {{"history", "--apply"}, "--apply"},
        {{"recover", "a"}, "--finish"},
    };
    for (const auto& each : refused) {
        const km::TerminalRequest request = read(each.arguments);
        EXPECT_EQ(request.kind, Kind::Refused) << each.arguments.join(' ').toStdString();
        EXPECT_TRUE(request.message.contains(QLatin1String(each.named)))
            << request.message.toStdString();
    }
}

// Runs a command with its output caught; the places are the test's own.
class TerminalTest : public testing::Test {
protected:
    int run(const QStringList& arguments) {
        char* outText = nullptr;
        char* errText = nullptr;
        std::size_t outSize = 0;
        std::size_t errSize = 0;
        std::FILE* outStream = open_memstream(&outText, &outSize);
        std::FILE* errStream = open_memstream(&errText, &errSize);
        const int status =
            km::runTerminalCommand(read(arguments), places(), {outStream, errStream, false});
        std::fclose(outStream);
        std::fclose(errStream);
        out = QString::fromLocal8Bit(outText);
        err = QString::fromLocal8Bit(errText);
        std::free(outText);
        std::free(errText);
        return status;
    }
    km::TerminalPlaces places() const {
        return {config.filePath("Kestrelmark.cfg"), config.filePath("options.ini"), data.path()};
    }

    TempFolder photos;
    TempFolder config;
    TempFolder data;
    QString out;
    QString err;
};

// A dry run renames nothing; --apply renames, history lists it, undo gives the names back, and a
// clash is refused with status 1 and nothing renamed; the JSON lines read back.
TEST_F(TerminalTest, PlansAppliesListsAndUndoesWithTheirExitStatuses) {
    photos.writeNamed({"IMG_2.jpg", "IMG_1.jpg", "notes.txt"});
    const auto before = photos.snapshot();
    EXPECT_EQ(run({"rename", photos.path(), "--prefix", "trip_", "--digits", "2"}),
              km::kTerminalDone);
    EXPECT_TRUE(out.contains("IMG_1.jpg  trip_01.jpg\nIMG_2.jpg  trip_02.jpg\n"))
        << out.toStdString();
    EXPECT_EQ(photos.snapshot(), before);

    EXPECT_EQ(run({"rename", photos.path(), "--prefix", "trip_", "--apply", "--json"}),
              km::kTerminalDone);
    const QStringList lines = out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(QJsonDocument::fromJson(lines[1].toUtf8()).object()["new"].toString(),
              "trip_002.jpg");
    const QJsonObject outcome = QJsonDocument::fromJson(lines[3].toUtf8()).object();
    EXPECT_TRUE(outcome["outcome"].toObject()["done"].toBool());
    EXPECT_TRUE(photos.snapshot().contains("trip_001.jpg"));

    EXPECT_EQ(run({"history", photos.path()}), km::kTerminalDone);
    EXPECT_TRUE(out.contains("IMG_1.jpg -> trip_001.jpg")) << out.toStdString();
    EXPECT_EQ(run({"undo"}), km::kTerminalDone);
    EXPECT_EQ(photos.snapshot(), before);

    photos.writeNamed({"foto_001.jpg"});
    const auto clashing = photos.snapshot();
    EXPECT_EQ(run({"rename", photos.path(), "--selected", "IMG_1.jpg", "--apply"}),
              km::kTerminalRefused);
    EXPECT_TRUE(out.contains("foto_001.jpg is the name of a file that keeps it"));
    EXPECT_EQ(photos.snapshot(), clashing);
    EXPECT_EQ(run({"rename", photos.path(), "--digits", "0", "--apply"}), km::kTerminalRefused);
    EXPECT_EQ(photos.snapshot(), clashing);
    // A name that is not UTF-8 is selected as the list shows it, its bytes' letters in either case.
    photos.write(km::fs::nameFromBytes("raw\xff.jpg"), {});
    EXPECT_EQ(run({"rename", photos.path(), "--selected", "raw\\xff.jpg", "--prefix", "r_"}),
              km::kTerminalDone);
    EXPECT_TRUE(out.contains("raw\\xFF.jpg   r_001.jpg")) << out.toStdString();
    EXPECT_EQ(run({"rename", photos.path(), "--preset", "none"}), km::kTerminalUsage);
    EXPECT_TRUE(err.contains("\"none\""));
    EXPECT_EQ(run({"undo", "9"}), km::kTerminalUsage);
}

// A batch killed between its two passes is named by the next rename, which renames nothing, and
// settled from the command line.
TEST_F(TerminalTest, ABatchKilledMidwayIsRecoveredFromTheCommandLine) {
    photos.writeNamed({"a.jpg", "b.jpg"});
    const auto before = photos.snapshot();
    const km::TerminalRenamePlan plan =
        km::planTerminalRename(read({"rename", photos.path()}).rename, places());
    ASSERT_EQ(plan.batch.plan.pairs.size(), 2u);
    EXPECT_TRUE(killedInChild([&] {
        km::DiskFileOps disk;
        KillingFileOps killing(disk, 3);
        ScriptedQuestions questions;
        km::RenameKeeper keeper(data.path(), killing, questions);
        keeper.rename(plan.batch.plan);
    }));
    EXPECT_NE(photos.snapshot(), before);

    EXPECT_EQ(run({"rename", photos.path(), "--apply"}), km::kTerminalRefused);
    EXPECT_TRUE(err.contains("kestrelmark recover " + photos.pathWithSeparator()))
        << err.toStdString();
    EXPECT_EQ(run({"recover", photos.path(), "--roll-back"}), km::kTerminalDone);
    EXPECT_EQ(photos.snapshot(), before);
    EXPECT_EQ(run({"recover", photos.path(), "--finish"}), km::kTerminalRefused);
}

// Ctrl+C while --apply moves files (its journal exists only then) lets the batch finish: every
// photo has its new name and no journal is left behind.
TEST_F(TerminalTest, AnInterruptDuringApplyLetsTheBatchFinish) {
    for (int i = 1; i <= 3000; ++i)
        photos.write(QStringLiteral("IMG_%1.jpg").arg(i, 4, 10, QLatin1Char('0')), {});
    const auto journals = [this] {
        return QDir(data.path()).entryList({"*.journal"}, QDir::Files);
    };
    // A machine that keeps this process waiting may let a batch end unseen: it is undone and
    // run again.
    for (int attempt = 1; attempt <= 5; ++attempt) {
        std::fflush(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            std::FILE* nowhere = std::fopen("/dev/null", "w");
            _exit(
                km::runTerminalCommand(read({"rename", photos.path(), "--digits", "4", "--apply"}),
                                       places(), {nowhere, nowhere, false}));
        }
        int status = 0;
        bool ended = false;
        while (!ended && journals().isEmpty())
            ended = waitpid(child, &status, WNOHANG) == child;
        if (ended) {
            ASSERT_EQ(run({"undo"}), km::kTerminalDone);
            continue;
        }
        kill(child, SIGINT);
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT);
        int renamed = 0;
        for (const auto& [name, content] : photos.snapshot())
            renamed += name.startsWith("foto_") ? 1 : 0;
        EXPECT_EQ(renamed, 3000);
        EXPECT_TRUE(journals().isEmpty());
        return;
    }
    FAIL() << "no batch was seen while it moved files";
}

} // namespace
