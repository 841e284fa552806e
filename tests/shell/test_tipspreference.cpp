#include "shell/tipspreference.h"

#include "testkit/writefaults.h"
#include "workingdir.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace suite::shell;
using suite::StepOutcome;
using suite::WriteStep;
using suite::testing::WriteFaults;

namespace {

struct FieldCase {
    const char* name;
    QByteArray contents;
    QString value;
};

const FieldCase kFieldCases[] = {
    {"never as written", "\"2.71828\"\r\n", "2.71828"},
    {"next start as written", "\"0\"\r\n", "0"},
    {"every start as written", "\"3.1416\"\r\n", "3.1416"},
    {"bare value", "0", "0"},
    {"bare value with line end", "3.1416\r\n", "3.1416"},
    {"bare value with lf only", "2.71828\n", "2.71828"},
    {"leading blanks before a quote", "   \"0\"\r\n", "0"},
    {"leading blanks before a bare value", "  0\r\n", "0"},
    {"blank inside the quotes stays", "\" 0\"\r\n", " 0"},
    {"empty quoted value", "\"\"\r\n", ""},
    {"bare value ends at a comma", "0,3.1416\r\n", "0"},
    {"quoted value ignores what follows", "\"3.1416\",\"0\"\r\n", "3.1416"},
    {"quoted value may hold a comma", "\"0,1\"\r\n", "0,1"},
    {"unclosed quote ends with the line", "\"0\r\n\"3.1416\"", "0"},
    {"only the first line counts", "\r\n\"0\"\r\n", ""},
    {"empty file", "", ""},
    {"near miss 0.0", "\"0.0\"\r\n", "0.0"},
    {"near miss 3.14", "\"3.14\"\r\n", "3.14"},
};

class FirstFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FirstFieldTest, ReadsTheFirstField)
{
    EXPECT_EQ(FirstField(GetParam().contents), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Contents, FirstFieldTest, ::testing::ValuesIn(kFieldCases),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

using PreferenceFileTest = suite::shell::testing::WorkingDirTest;

TEST_F(PreferenceFileTest, EachValueIsWrittenAsOneQuotedLineAndReadsBack)
{
    const struct {
        const char* value;
        QByteArray bytes;
    } cases[] = {
        {"2.71828", QByteArray("\"2.71828\"\r\n", 11)},
        {"0", QByteArray("\"0\"\r\n", 5)},
        {"3.1416", QByteArray("\"3.1416\"\r\n", 10)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        ASSERT_TRUE(WriteTipsMode(QString::fromLatin1(c.value)));
        EXPECT_EQ(PreferenceBytes(), c.bytes);
        EXPECT_EQ(ReadTipsMode(), QString::fromLatin1(c.value));
    }
}

TEST_F(PreferenceFileTest, WriteReplacesLongerContentWhole)
{
    PutPreference("\"3.1416\"\r\nsome older second line that must go\r\n");
    ASSERT_TRUE(WriteTipsMode(QStringLiteral("0")));
    EXPECT_EQ(PreferenceBytes(), QByteArray("\"0\"\r\n"));
}

TEST_F(PreferenceFileTest, OnlyAFileThatDiffersFromTheWrittenFormIsRewritten)
{
    const struct {
        const char* name;
        QByteArray stored;
        const char* value;
        bool rewritten;
    } cases[] = {
        {"same value as written", "\"2.71828\"\r\n", "2.71828", false},
        {"same value bare", "2.71828", "2.71828", true},
        {"same value then more", "\"0\"\r\nmore\r\n", "0", true},
        {"other value", "\"0\"\r\n", "3.1416", true},
    };
    const QDateTime longAgo(QDate(2001, 2, 3), QTime(4, 5, 6));
    const QString name = QString::fromLatin1(kPreferenceFileName);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PutPreference(c.stored);
        {
            QFile file(name);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            ASSERT_TRUE(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
        }
        ASSERT_TRUE(WriteTipsMode(QString::fromLatin1(c.value)));
        EXPECT_EQ(PreferenceBytes(), WrittenForm(QString::fromLatin1(c.value)));
        EXPECT_EQ(QFileInfo(name).lastModified() != longAgo, c.rewritten);
    }
}

TEST_F(PreferenceFileTest, MissingOrUnreadableFileReadsAsNothing)
{
    EXPECT_EQ(ReadTipsMode(), std::nullopt);
    ASSERT_TRUE(QDir().mkdir(QString::fromLatin1(kPreferenceFileName)));
    EXPECT_EQ(ReadTipsMode(), std::nullopt);
}

TEST_F(PreferenceFileTest, FailedWriteReportsFailure)
{
    ASSERT_TRUE(QDir().mkdir(QString::fromLatin1(kPreferenceFileName)));
    EXPECT_FALSE(WriteTipsMode(QStringLiteral("0")));
    EXPECT_FALSE(WriteTipsMode(QStringLiteral("0"), QStringLiteral("no-such-folder/Wendrake.SWC")));
}

TEST_F(PreferenceFileTest, WhatStandsInTheFilesPlaceIsReadOnlyWhenRegularAndNeverWrittenThrough)
{
    const QString name = QString::fromLatin1(kPreferenceFileName);
    ASSERT_TRUE(QDir().mkdir("elsewhere"));
    const QByteArray target = "\"3.1416\"\r\nkept\r\n";
    {
        QFile file("elsewhere/target");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(target);
    }
    const struct {
        const char* name;
        const char* link;  // or a pipe
        std::optional<QString> read;
        bool written;
    } cases[] = {
        {"link to a file elsewhere", "elsewhere/target", QStringLiteral("3.1416"), true},
        {"dangling link", "elsewhere/missing", std::nullopt, true},
        {"pipe", nullptr, std::nullopt, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(name);
        if (c.link) {
            ASSERT_TRUE(QFile::link(QString::fromLatin1(c.link), name));
        } else {
            ASSERT_EQ(::mkfifo(kPreferenceFileName, 0644), 0);
        }
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(ReadTipsMode(), c.read);
        EXPECT_EQ(WriteTipsMode(QStringLiteral("0")), c.written);
        EXPECT_LT(clock.elapsed(), 500);
        if (c.written) {
            EXPECT_EQ(PreferenceBytes(), QByteArray("\"0\"\r\n"));
        }
        EXPECT_EQ(QFileInfo(name).isSymLink(), false);
        EXPECT_EQ(QDir("elsewhere").entryList(QDir::Files), QStringList{"target"});
        QFile kept("elsewhere/target");
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), target);
    }
    QFile::remove(name);
}

TEST_F(PreferenceFileTest, AFailedWriteLeavesTheOldChoice)
{
    for (WriteStep step : {WriteStep::CreateTemp, WriteStep::Write, WriteStep::Sync, WriteStep::Close,
                           WriteStep::Rename}) {
        SCOPED_TRACE(int(step));
        PutPreference("\"0\"\r\n");
        const WriteFaults fullDisk{{step, StepOutcome::NoSpace}};
        EXPECT_FALSE(WriteTipsMode(QStringLiteral("3.1416")));
        EXPECT_EQ(PreferenceBytes(), QByteArray("\"0\"\r\n"));
    }
}

TEST_F(PreferenceFileTest, ARewriteInPlaceCutAtAnyStepReadsAsTheOldChoiceOrTheNew)
{
    const char* const values[] = {"2.71828", "0", "3.1416"};
    for (const char* before : values) {
        for (const char* after : values) {
            if (before == after) continue;
            for (WriteStep step : {WriteStep::OpenInPlace, WriteStep::WriteInPlace, WriteStep::SyncInPlace,
                                   WriteStep::Truncate, WriteStep::SyncTruncated}) {
                SCOPED_TRACE(::testing::Message() << before << " to " << after << " cut at step " << int(step));
                PutPreference(WrittenForm(QString::fromLatin1(before)));
                {
                    // The folder takes no new file, and the program dies before the step.
                    const WriteFaults faults{{WriteStep::CreateTemp, StepOutcome::NoAccess}, {step, StepOutcome::Die}};
                    WriteTipsMode(QString::fromLatin1(after));
                }
                const std::optional<QString> read = ReadTipsMode();
                ASSERT_TRUE(read.has_value());
                EXPECT_TRUE(*read == QString::fromLatin1(before) || *read == QString::fromLatin1(after)) << read->toStdString();
                // The next write leaves the file in its one-line form again.
                const WriteFaults closedFolder{{WriteStep::CreateTemp, StepOutcome::NoAccess}};
                ASSERT_TRUE(WriteTipsMode(QString::fromLatin1(after)));
                EXPECT_EQ(PreferenceBytes(), WrittenForm(QString::fromLatin1(after)));
            }
        }
    }
}

}  // namespace
