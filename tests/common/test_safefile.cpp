#include "common/safefile.h"
#include "testkit/smalldisk.h"
#include "testkit/tempworkingdir.h"
#include "testkit/writefaults.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using namespace suite;
using suite::testing::SmallDisk;
using suite::testing::WriteFaults;

namespace {

const QString kFile = QStringLiteral("prog/pref");

// Only for regular files: a pipe would hold the test up.
QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Put(const QString& path, const QByteArray& bytes, mode_t mode = 0644)
{
    QFile::remove(path);  // a file left read-only before
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
    file.close();
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

struct stat Look(const QString& path)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) st.st_mode = 0;
    return st;
}

mode_t Type(const QString& path) { return Look(path).st_mode & S_IFMT; }
mode_t Bits(const QString& path) { return Look(path).st_mode & 07777; }

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// The old content, or the new one followed by nothing but blank lines: what a reader of the
// first line or of the keys finds either way.
bool OldOrNew(const QByteArray& contents, const QByteArray& old, const QByteArray& fresh)
{
    if (contents == old) return true;
    if (!contents.startsWith(fresh)) return false;
    for (qsizetype i = fresh.size(); i < contents.size(); ++i)
        if (contents[i] != '\n') return false;
    return true;
}

// The effective user for a while: one without root's right to write any file, where the
// test runs as root.
class AsOrdinaryUser {
public:
    AsOrdinaryUser()
    {
        if (::geteuid() == 0) switched_ = ::setegid(65534) == 0 && ::seteuid(65534) == 0;
    }
    ~AsOrdinaryUser()
    {
        if (switched_) {
            (void)::seteuid(0);
            (void)::setegid(0);
        }
    }
    bool Ordinary() const { return ::geteuid() != 0; }

private:
    bool switched_ = false;
};

class SafeFileTest : public suite::testing::TempWorkingDirTest {
protected:
    void SetUp() override
    {
        TempWorkingDirTest::SetUp();
        ASSERT_TRUE(QDir().mkdir(QStringLiteral("prog")));
        ASSERT_TRUE(QDir().mkdir(QStringLiteral("outside")));
    }
};

const QByteArray kOld = "\"3.1416\"\r\n";
const QByteArray kNew = "\"0\"\r\n";

TEST_F(SafeFileTest, ReplacesTheWholeFileAndKeepsItsPermissionBits)
{
    for (mode_t mode : {0600, 0640, 0604, 0755}) {
        SCOPED_TRACE(mode);
        Put(kFile, kOld + "a longer tail that has to go\r\n", mode);
        ASSERT_TRUE(ReplaceFile(kFile, kNew));
        EXPECT_EQ(Bytes(kFile), kNew);
        EXPECT_EQ(Bits(kFile), mode);
        EXPECT_EQ(Entries("prog"), QStringList{"pref"});
    }
    // A new file gets the bits of any file the program makes.
    ASSERT_TRUE(QFile::remove(kFile));
    const mode_t mask = ::umask(022);
    ::umask(mask);
    ASSERT_TRUE(ReplaceFile(kFile, kNew));
    EXPECT_EQ(Bytes(kFile), kNew);
    EXPECT_EQ(Bits(kFile), 0666 & ~mask);
    EXPECT_EQ(ReadRegularFile(kFile, 100), kNew);
    EXPECT_EQ(ReadRegularFile(kFile, 2), kNew.left(2));
}

TEST_F(SafeFileTest, ALinkInTheFilesPlaceIsReplacedAndItsTargetLeftAlone)
{
    const struct {
        const char* name;
        const char* link;  // relative to the program's folder
        std::optional<QByteArray> target;
        bool pipe;
    } cases[] = {
        {"link to a file outside", "../outside/target", QByteArray("other text\r\n"), false},
        {"link to a file holding the new content", "../outside/target", kNew, false},
        {"dangling link", "../outside/target", std::nullopt, false},
        {"link to a pipe", "../outside/target", std::nullopt, true},
        {"link to a file beside it", "beside", QByteArray("beside\r\n"), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(kFile);
        const QString target = QDir("prog").filePath(QString::fromLatin1(c.link));
        QFile::remove(target);
        if (c.target) Put(target, *c.target);
        if (c.pipe) { ASSERT_EQ(::mkfifo(QFile::encodeName(target).constData(), 0644), 0); }
        ASSERT_EQ(::symlink(c.link, QFile::encodeName(kFile).constData()), 0);
        const QStringList outside = Entries("outside");

        QElapsedTimer clock;
        clock.start();
        ASSERT_TRUE(ReplaceFile(kFile, kNew));
        EXPECT_LT(clock.elapsed(), 500);
        EXPECT_EQ(Type(kFile), S_IFREG);
        EXPECT_EQ(Bytes(kFile), kNew);
        EXPECT_EQ(Entries("outside"), outside);
        if (c.target) { EXPECT_EQ(Bytes(target), *c.target); }
        if (c.pipe) { EXPECT_EQ(Type(target), S_IFIFO); }
        if (!c.target && !c.pipe) { EXPECT_FALSE(QFileInfo::exists(target)); }
        QFile::remove(target);
    }
}

TEST_F(SafeFileTest, WhatIsNotARegularFileIsNeverOpenedAndStaysAsItWas)
{
    // Each makes a thing in the file's place and gives its type.
    const struct {
        const char* name;
        mode_t type;
        bool (*make)(const QByteArray&);
    } cases[] = {
        {"pipe", S_IFIFO, [](const QByteArray& n) { return ::mkfifo(n.constData(), 0644) == 0; }},
        {"folder", S_IFDIR, [](const QByteArray& n) { return ::mkdir(n.constData(), 0755) == 0; }},
        {"socket", S_IFSOCK,
         [](const QByteArray& n) {
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             std::strncpy(address.sun_path, n.constData(), sizeof address.sun_path - 1);
             const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
             const bool bound = ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
             ::close(s);
             return bound;
         }},
        // Only root makes devices: elsewhere the row is left out.
        {"device", S_IFCHR,
         [](const QByteArray& n) { return ::mknod(n.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray name = QFile::encodeName(kFile);
        if (!c.make(name)) {
            EXPECT_EQ(c.type, S_IFCHR) << "could not make the " << c.name;
            continue;
        }
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(ReadRegularFile(kFile, 100), std::nullopt);
        EXPECT_FALSE(ReplaceFile(kFile, kNew));
        EXPECT_LT(clock.elapsed(), 500);
        EXPECT_EQ(Type(kFile), c.type);
        EXPECT_EQ(Entries("prog"), QStringList{"pref"});
        if (c.type == S_IFDIR) EXPECT_TRUE(QDir().rmdir(kFile));
        else EXPECT_EQ(::unlink(name.constData()), 0);
    }
    // A link to a pipe reads as nothing too, at once.
    ASSERT_EQ(::mkfifo("outside/pipe", 0644), 0);
    ASSERT_EQ(::symlink("../outside/pipe", QFile::encodeName(kFile).constData()), 0);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(ReadRegularFile(kFile, 100), std::nullopt);
    EXPECT_LT(clock.elapsed(), 500);
    EXPECT_EQ(ReadRegularFile(QStringLiteral("prog/missing"), 100), std::nullopt);
}

TEST_F(SafeFileTest, AStepThatFailsOrIsCutShortLeavesTheOldFileAsItWas)
{
    for (WriteStep step : {WriteStep::CreateTemp, WriteStep::Write, WriteStep::Sync, WriteStep::Close,
                           WriteStep::Rename}) {
        for (StepOutcome outcome : {StepOutcome::NoSpace, StepOutcome::Die}) {
            SCOPED_TRACE(::testing::Message() << "step " << int(step) << ", outcome " << int(outcome));
            for (const QString& entry : Entries("prog")) QFile::remove("prog/" + entry);
            Put(kFile, kOld, 0640);
            {
                const WriteFaults faults{{step, outcome}};
                EXPECT_FALSE(ReplaceFile(kFile, kNew));
            }
            EXPECT_EQ(Bytes(kFile), kOld);
            EXPECT_EQ(Bits(kFile), 0640u);
            // A program killed leaves its half-made file beside; a failure clears up after itself.
            if (outcome == StepOutcome::NoSpace) { EXPECT_EQ(Entries("prog"), QStringList{"pref"}); }
        }
    }
}

TEST_F(SafeFileTest, AFolderClosedToNewFilesHasAnExistingFileRewrittenInPlace)
{
    const WriteFaults closedFolder{{WriteStep::CreateTemp, StepOutcome::NoAccess}};
    for (const auto& [old, fresh] : {std::pair(kOld, kNew), std::pair(kNew, kOld)}) {
        Put(kFile, old, 0604);
        ASSERT_TRUE(ReplaceFile(kFile, fresh));
        EXPECT_EQ(Bytes(kFile), fresh);
        EXPECT_EQ(Bits(kFile), 0604u);
    }
    // Never a link, and nothing new.
    Put("outside/target", kOld);
    ASSERT_TRUE(QFile::remove(kFile));
    ASSERT_TRUE(QFile::link("../outside/target", kFile));
    EXPECT_FALSE(ReplaceFile(kFile, kNew));
    EXPECT_EQ(Type(kFile), S_IFLNK);
    EXPECT_EQ(Bytes("outside/target"), kOld);
    ASSERT_TRUE(QFile::remove(kFile));
    EXPECT_FALSE(ReplaceFile(kFile, kNew));
    EXPECT_EQ(Entries("prog"), QStringList());
}

TEST_F(SafeFileTest, ARewriteInPlaceCutAtAnyStepLeavesTheOldContentOrTheNewNeverNothing)
{
    const QByteArray longer = "\"2.71828\"\r\n";
    for (const auto& [old, fresh] : {std::pair(kOld, kNew), std::pair(kNew, longer), std::pair(kOld, longer)}) {
        for (WriteStep step : {WriteStep::OpenInPlace, WriteStep::WriteInPlace, WriteStep::SyncInPlace,
                               WriteStep::Truncate, WriteStep::SyncTruncated}) {
            for (StepOutcome outcome : {StepOutcome::Die, StepOutcome::NoSpace}) {
                SCOPED_TRACE(::testing::Message() << old.constData() << " to " << fresh.constData() << ", step "
                                                  << int(step) << ", outcome " << int(outcome));
                Put(kFile, old);
                {
                    const WriteFaults faults{{WriteStep::CreateTemp, StepOutcome::NoAccess}, {step, outcome}};
                    EXPECT_FALSE(ReplaceFile(kFile, fresh));
                }
                const QByteArray after = Bytes(kFile);
                if (outcome == StepOutcome::NoSpace) EXPECT_EQ(after, old);
                else EXPECT_TRUE(OldOrNew(after, old, fresh)) << after.toStdString();
            }
        }
    }
}

TEST_F(SafeFileTest, AFolderClosedOnDiskStillTakesTheFile)
{
    ASSERT_EQ(::chmod(QFile::encodeName(dir_.path()).constData(), 0755), 0);
    Put(kFile, kOld, 0666);
    ASSERT_EQ(::chmod("prog", 0555), 0);
    {
        const AsOrdinaryUser user;
        if (!user.Ordinary()) GTEST_SKIP() << "root writes into a closed folder all the same";
        EXPECT_TRUE(ReplaceFile(kFile, kNew));
    }
    ::chmod("prog", 0755);
    EXPECT_EQ(Bytes(kFile), kNew);
    EXPECT_EQ(Entries("prog"), QStringList{"pref"});
}

TEST_F(SafeFileTest, AFileClosedToWritingKeepsItsContent)
{
    // The folder takes new files from anyone, so only the file's own bits say no.
    ASSERT_EQ(::chmod(QFile::encodeName(dir_.path()).constData(), 0755), 0);
    ASSERT_EQ(::chmod("prog", 0777), 0);
    Put(kFile, kOld, 0444);
    {
        const AsOrdinaryUser user;
        if (!user.Ordinary()) GTEST_SKIP() << "cannot leave root's rights to test a read-only file";
        EXPECT_FALSE(ReplaceFile(kFile, kNew));
        EXPECT_EQ(Bytes(kFile), kOld);
        EXPECT_EQ(Entries("prog"), QStringList{"pref"});
        // What it already holds needs no writing.
        EXPECT_TRUE(ReplaceFile(kFile, kOld));
    }
    EXPECT_EQ(Bits(kFile), 0444);
    ::chmod("prog", 0755);
}

TEST_F(SafeFileTest, AFullDiskLeavesTheOldFileAsItWas)
{
    const SmallDisk disk(QStringLiteral("disk"));
    if (!disk.Mounted()) GTEST_SKIP() << disk.Error();
    const QString file = QStringLiteral("disk/pref");
    const QByteArray page(4000, 'x');
    Put(file, kNew);
    Put("disk/big", page);
    ASSERT_TRUE(disk.Fill());

    EXPECT_FALSE(ReplaceFile(file, kOld));
    EXPECT_EQ(Bytes(file), kNew);
    EXPECT_EQ(Entries("disk"), (QStringList{"ballast", "big", "pref"}));

    // In place, what fits where the old content was goes in; what needs more room fails whole.
    const WriteFaults closedFolder{{WriteStep::CreateTemp, StepOutcome::NoAccess}};
    EXPECT_TRUE(ReplaceFile(file, kOld));
    EXPECT_EQ(Bytes(file), kOld);
    EXPECT_FALSE(ReplaceFile("disk/big", QByteArray(5000, 'y')));
    EXPECT_EQ(Bytes("disk/big"), page);
}

}  // namespace
