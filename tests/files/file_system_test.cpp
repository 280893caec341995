// SPDX-License-Identifier: MIT
#include "files/file_names.h"
#include "files/file_system.h"
#include "files/no_replace_rename.h"
#include "support/temp_folder.h"

#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QStringList listOne(const TempFolder& folder, const QString& pattern) {
    return km::fs::listFolder(folder.path(), {pattern}).matches.at(0);
}

TEST(ListFolder, MatchesEachPatternIgnoringCaseInNaturalOrder) {
    TempFolder folder;
    folder.writeNamed({"b.JPG", "a.jpg", "c.jpeg", "d.bmp", "e.gif", "f.png", "IMG_10.jpg",
                       "IMG_2.jpg", "noext"});
    const km::fs::FolderListing listing =
        km::fs::listFolder(folder.path(), {"*.jpg", "*.jpeg", "*.bmp", "*.gif"});
    ASSERT_TRUE(listing.error.ok());
    ASSERT_EQ(listing.matches.size(), 4u);
    EXPECT_EQ(listing.matches[0], QStringList({"a.jpg", "b.JPG", "IMG_2.jpg", "IMG_10.jpg"}));
    EXPECT_EQ(listing.matches[1], QStringList({"c.jpeg"}));
    EXPECT_EQ(listing.matches[2], QStringList({"d.bmp"}));
    EXPECT_EQ(listing.matches[3], QStringList({"e.gif"}));
}

TEST(ListFolder, LeavesOutHiddenFilesFoldersAndDanglingLinks) {
    TempFolder folder;
    folder.writeNamed({".hidden.jpg", "shown.jpg"});
    folder.makeFolder("folder.jpg");
    ASSERT_EQ(symlink("shown.jpg", folder.filePath("link.jpg").toUtf8().constData()), 0);
    ASSERT_EQ(symlink("missing.jpg", folder.filePath("dangling.jpg").toUtf8().constData()), 0);
    EXPECT_EQ(listOne(folder, "*.jpg"), QStringList({"link.jpg", "shown.jpg"}));
}

// Names as cards of older cameras and archives made on Windows write them: each is listed, read
// as \xHH where its bytes are not UTF-8, and renamed away and back byte for byte.
TEST(NamesThatAreNotUtf8, AreListedShownAndRenamedBackByteForByte) {
    struct Case {
        QByteArray bytes;
        const char* readable;
    };
    const Case cases[] = {
        {"caf\xE9.jpg", "caf\\xE9.jpg"},             // Latin-1
        {"\x80lone.jpg", "\\x80lone.jpg"},           // a lone continuation byte
        {"over\xC0\xAF.jpg", "over\\xC0\\xAF.jpg"},  // an overlong "/"
        {"\xED\xA0\x80.jpg", "\\xED\\xA0\\x80.jpg"}, // an encoded surrogate
        {"\xE9t\xE9 \xF0\x9F\x93\xB7.jpg", "\\xE9t\\xE9 \xF0\x9F\x93\xB7.jpg"}, // mixed
        {"\x80\xA0\xFF\xFE.jpg", "\\x80\\xA0\\xFF\\xFE.jpg"},                   // 0x80-0xFF only
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.readable);
        TempFolder folder;
        folder.writeNamed({"a.jpg"});
        const QByteArray native = QFile::encodeName(folder.path()) + '/' + c.bytes;
        FILE* raw = std::fopen(native.constData(), "w");
        ASSERT_NE(raw, nullptr);
        std::fclose(raw);

        const QStringList listed = listOne(folder, "*.jpg");
        ASSERT_EQ(listed.size(), 2);
        const QString name = listed.at(listed.at(0) == "a.jpg" ? 1 : 0);
        EXPECT_TRUE(km::fs::hasRawBytes(name));
        EXPECT_EQ(km::fs::nativeName(name), c.bytes);
        EXPECT_EQ(km::fs::readableName(name), QString::fromUtf8(c.readable));
        EXPECT_EQ(km::fs::nameFromBytes(c.bytes), name);

        ASSERT_TRUE(km::fs::renameNoReplace(folder.filePath(name), folder.filePath("b.jpg")).ok());
        EXPECT_NE(access(native.constData(), F_OK), 0);
        ASSERT_TRUE(km::fs::renameNoReplace(folder.filePath("b.jpg"), folder.filePath(name)).ok());
        EXPECT_EQ(access(native.constData(), F_OK), 0);
    }
}

TEST(ListFolder, TakesFilteredFilesInTheSameRead) {
    TempFolder folder;
    folder.writeNamed({"a.jpg", "a.CR2", ".b.cr2", "c.txt"});
    folder.makeFolder("d.cr2");
    ASSERT_EQ(symlink("a.CR2", folder.filePath("e.cr2").toUtf8().constData()), 0);
    const km::fs::FolderListing listing =
        km::fs::listFolder(folder.path(), {"*.jpg"}, [](const QString& name) {
            return name.endsWith(".cr2", Qt::CaseInsensitive);
        });
    EXPECT_EQ(listing.matches.at(0), QStringList({"a.jpg"}));
    QStringList taken = listing.filtered;
    taken.sort();
    EXPECT_EQ(taken, QStringList({"a.CR2", "e.cr2"}));
}

TEST(ListFolder, AMissingFolderGivesAnEmptyListAndAnError) {
    TempFolder folder;
    const km::fs::FolderListing listing =
        km::fs::listFolder(folder.filePath("gone"), {"*.jpg", "*.gif"});
    EXPECT_FALSE(listing.error.ok());
    EXPECT_TRUE(listing.matches.at(0).isEmpty());
    EXPECT_TRUE(listing.matches.at(1).isEmpty());
}

TEST(ListFolder, RefusesAPathHoldingNul) {
    TempFolder folder;
    folder.writeNamed({"a.jpg"});
    // Cut at the NUL, this path would list the folder itself.
    const QString path = folder.path() + QChar(u'\0') + QStringLiteral("junk");
    const km::fs::FolderListing listing = km::fs::listFolder(path, {"*.jpg"});
    EXPECT_FALSE(listing.error.ok());
    EXPECT_TRUE(listing.matches.at(0).isEmpty());
}

TEST(SortNaturally, OrdersNumbersByValueAndBreaksTiesByCodePoint) {
    QStringList names{"img_10.jpg",
                      "IMG_2.jpg",
                      "img_2.jpg",
                      "IMG_002.jpg",
                      "b.jpg",
                      "A.jpg",
                      "a.jpg",
                      "img_1a.jpg",
                      "img_1.jpg",
                      "x99999999999999999999.jpg",
                      "x100000000000000000000.jpg"};
    km::fs::sortNaturally(names);
    EXPECT_EQ(names, QStringList({"A.jpg", "a.jpg", "b.jpg", "img_1.jpg", "img_1a.jpg",
                                  "IMG_002.jpg", "IMG_2.jpg", "img_2.jpg", "img_10.jpg",
                                  "x99999999999999999999.jpg", "x100000000000000000000.jpg"}));
}

TEST(MatchesWildcard, HandlesStarsQuestionMarksAndCase) {
    EXPECT_TRUE(km::fs::matchesWildcard("photo.JPG", "*.jpg"));
    EXPECT_TRUE(km::fs::matchesWildcard(".jpg", "*.jpg"));
    EXPECT_FALSE(km::fs::matchesWildcard("photo.jpg.txt", "*.jpg"));
    EXPECT_FALSE(km::fs::matchesWildcard("photo.jpeg", "*.jpg"));
    EXPECT_TRUE(km::fs::matchesWildcard("a.b.jpg", "*.*.jpg"));
    EXPECT_TRUE(km::fs::matchesWildcard("abc", "a?c"));
    EXPECT_FALSE(km::fs::matchesWildcard("ac", "a?c"));
}

// Listings check "*.ext" patterns by the name's ending alone; that check must agree with the
// general matcher, including where case folding outside ASCII meets an ASCII letter.
TEST(EndsWithIgnoringCase, AgreesWithTheWildcardMatcher) {
    const QStringList names{"x.JPG",  "x.jpg.bmp", ".jpg",     "x.jpeg",       "xjpg",
                            "x.Jpg ", "jpg",       "x.jp",     "x.JPÉ",        "x.jpé",
                            "x.mK",   "x.m\u212A", "x.\u017F", "x.\U00010000", ""};
    const QStringList endings{".jpg", ".jpeg", ".JPG", ".jpé", ".mk", ".s", "\U00010000"};
    for (const QString& name : names) {
        for (const QString& ending : endings)
            EXPECT_EQ(km::fs::endsWithIgnoringCase(name, ending),
                      km::fs::matchesWildcard(name, "*" + ending))
                << name.toStdString() << " / " << ending.toStdString();
    }
}

// Each way of renaming without replacing, as renameNoReplaceAt falls back to it, and the whole.
using NoReplaceWay = km::fs::FileError (*)(int, const char*, const char*);

class RenameNoReplace : public testing::TestWithParam<NoReplaceWay> {
protected:
    km::fs::FileError rename(const QString& from, const QString& to) const {
        const QByteArray source = km::fs::nativePath(from);
        const QByteArray target = km::fs::nativePath(to);
        return km::fs::toldAsTaken(AT_FDCWD, target.constData(),
                                   GetParam()(AT_FDCWD, source.constData(), target.constData()));
    }
};

TEST_P(RenameNoReplace, RenamesToAFreeName) {
    TempFolder folder;
    folder.write("a.jpg", "A");
    const km::fs::FileError result = rename(folder.filePath("a.jpg"), folder.filePath("b.jpg"));
    EXPECT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(folder.snapshot(), (std::map<QString, QByteArray>{{"b.jpg", "A"}}));
}

TEST_P(RenameNoReplace, NeverReplacesAnExistingTarget) {
    TempFolder folder;
    folder.write("a.jpg", "A");
    folder.write("b.jpg", "B");
    folder.makeFolder("dir");
    const auto before = folder.snapshot();
    for (const char* target : {"b.jpg", "dir"}) {
        const km::fs::FileError result = rename(folder.filePath("a.jpg"), folder.filePath(target));
        EXPECT_EQ(result.code, EEXIST) << target;
        EXPECT_EQ(result.message, target == QString("dir") ? "a folder of that name already exists"
                                                           : "a file of that name already exists");
        EXPECT_EQ(folder.snapshot(), before) << target;
    }
}

TEST_P(RenameNoReplace, ReportsAMissingSourceAndTouchesNothing) {
    TempFolder folder;
    folder.write("b.jpg", "B");
    const km::fs::FileError result = rename(folder.filePath("a.jpg"), folder.filePath("c.jpg"));
    EXPECT_EQ(result.code, ENOENT);
    EXPECT_EQ(folder.snapshot(), (std::map<QString, QByteArray>{{"b.jpg", "B"}}));
}

INSTANTIATE_TEST_SUITE_P(EveryMethod, RenameNoReplace,
                         testing::Values(&km::fs::renameNoReplaceAt,
                                         &km::fs::renameWithNoReplaceFlag,
                                         &km::fs::renameByHardLink, &km::fs::renameAfterCheck));

TEST(RenameNoReplaceNames, RefusesNamesHoldingNul) {
    TempFolder folder;
    folder.write("a.jpg", "A");
    const QString target = folder.path(); // cut at the NUL, the target would be the folder
    const km::fs::FileError result =
        km::fs::renameNoReplace(folder.filePath("a.jpg"), target + QChar(u'\0') + "x.jpg");
    EXPECT_EQ(result.code, EINVAL);
    EXPECT_EQ(folder.snapshot(), (std::map<QString, QByteArray>{{"a.jpg", "A"}}));
}

TEST(IsListableFile, AcceptsOnlyVisibleRegularFiles) {
    TempFolder folder;
    folder.writeNamed({"a.cfg", ".hidden.cfg"});
    folder.makeFolder("dir.cfg");
    EXPECT_TRUE(km::fs::isListableFile(folder.filePath("a.cfg")));
    EXPECT_FALSE(km::fs::isListableFile(folder.filePath(".hidden.cfg")));
    EXPECT_FALSE(km::fs::isListableFile(folder.filePath("dir.cfg")));
    EXPECT_FALSE(km::fs::isListableFile(folder.filePath("missing.cfg")));
    EXPECT_FALSE(km::fs::isListableFile(QString()));
}

} // namespace
