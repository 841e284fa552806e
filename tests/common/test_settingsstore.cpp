#include "common/inifile.h"
#include "common/qtplatform.h"
#include "testkit/smalldisk.h"
#include "testkit/tempworkingdir.h"
#include "testkit/writefaults.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRect>
#include <QSettings>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace suite;
using suite::testing::SmallDisk;
using suite::testing::WriteFaults;

namespace {

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

bool IsRegular(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

// Texts that QSettings escapes, quotes or marks, each under a key of its own.
const QString kValues[] = {
    "1000", "-15", "6500.5", "", " leading blank", "trailing blank ", "a,b", "semi;colon",
    "eq=ual", "quo\"te", "back\\slash", "@at", "@@two", QString::fromUtf8("中文"), "tab\tin",
    "line\nbreak", QStringLiteral("\x01") + "a", QString::fromUtf8("\xF0\x9F\x98\x80"), "@ByteArray(x)",
    "\tleading tab", "x\\",
};

// Keys whose names QSettings escapes, and sections it treats apart.
const QString kKeys[] = {
    "Settings/MainLeft", "Settings/with blank", QString::fromUtf8("Settings/中"), "Settings/a/b",
    "Other Section/k", "General/x", "plain", "Settings/per%cent", "Settings/MainLeft2",
};

QString ValueKey(int i) { return QStringLiteral("Values/v%1").arg(i); }

using IniTest = suite::testing::TempWorkingDirTest;

TEST_F(IniTest, WhatQSettingsWritesReadsTheSame)
{
    {
        QSettings settings(QStringLiteral("qt.ini"), QSettings::IniFormat);
        for (int i = 0; i < int(std::size(kValues)); ++i) settings.setValue(ValueKey(i), kValues[i]);
        for (const QString& key : kKeys) settings.setValue(key, "for " + key);
        settings.sync();
        ASSERT_EQ(settings.status(), QSettings::NoError);
    }
    const QByteArray contents = Bytes("qt.ini");
    for (int i = 0; i < int(std::size(kValues)); ++i)
        EXPECT_EQ(ini::Value(contents, ValueKey(i)), kValues[i]) << kValues[i].toStdString();
    for (const QString& key : kKeys) EXPECT_EQ(ini::Value(contents, key), "for " + key) << key.toStdString();
    EXPECT_EQ(ini::Value(contents, "Settings/missing"), std::nullopt);
    EXPECT_EQ(ini::Value(contents, "MainLeft"), std::nullopt);
}

TEST_F(IniTest, WhatWeWriteQSettingsReadsTheSameAndWhatItWroteStays)
{
    // Ours from nothing, and ours over a file QSettings wrote.
    for (bool overQt : {false, true}) {
        SCOPED_TRACE(overQt ? "over a QSettings file" : "from nothing");
        QFile::remove("ours.ini");
        if (overQt) {
            QSettings settings(QStringLiteral("ours.ini"), QSettings::IniFormat);
            settings.setValue("Settings/MainLeft", "1");
            settings.setValue("Settings/Kept", "a, b");
            settings.setValue("Typed/rect", QRect(1, 2, 3, 4));
        }
        QByteArray contents = Bytes("ours.ini");
        if (!overQt) contents.clear();
        for (int i = 0; i < int(std::size(kValues)); ++i) contents = ini::WithValue(contents, ValueKey(i), kValues[i]);
        for (const QString& key : kKeys) contents = ini::WithValue(contents, key, "for " + key);
        Put("ours.ini", contents);

        QSettings settings(QStringLiteral("ours.ini"), QSettings::IniFormat);
        ASSERT_EQ(settings.status(), QSettings::NoError);
        for (int i = 0; i < int(std::size(kValues)); ++i)
            EXPECT_EQ(settings.value(ValueKey(i)).toString(), kValues[i]) << kValues[i].toStdString();
        for (const QString& key : kKeys) EXPECT_EQ(settings.value(key).toString(), "for " + key) << key.toStdString();
        if (overQt) {
            EXPECT_EQ(settings.value("Settings/Kept").toString(), "a, b");
            EXPECT_EQ(settings.value("Typed/rect").toRect(), QRect(1, 2, 3, 4));
        }
    }
}

TEST(Ini, SettingAValueLeavesEveryOtherLineAsItStands)
{
    const struct {
        const char* name;
        QByteArray before;
        const char* key;
        const char* value;
        QByteArray after;
    } cases[] = {
        {"value rewritten, blanks before it kept", "; note\n[Settings]\nMainLeft=1000\r\nMainTop = 5 \n\n[Other]\nx=1",
         "Settings/MainTop", "7", "; note\n[Settings]\nMainLeft=1000\r\nMainTop =7\n\n[Other]\nx=1"},
        {"new key after the last of its section", "[Settings]\nMainLeft=1000\n\n[Other]\nx=1\n", "Settings/MainTop",
         "7", "[Settings]\nMainLeft=1000\nMainTop=7\n\n[Other]\nx=1\n"},
        {"new key on a last line without a line feed", "[Other]\nx=1", "Other/y", "2", "[Other]\nx=1\ny=2\n"},
        {"the last of two lines of a key", "[Settings]\nMainLeft=1\nMainLeft=2\n", "Settings/MainLeft", "3",
         "[Settings]\nMainLeft=1\nMainLeft=3\n"},
        {"new section at the end", "[Other]\nx=1\n", "Settings/MainLeft", "1000",
         "[Other]\nx=1\n\n[Settings]\nMainLeft=1000\n"},
        {"new section in an empty file", "", "Settings/MainLeft", "1000", "[Settings]\nMainLeft=1000\n"},
        {"a key without a section goes to the top", "[Other]\nx=1\n", "plain", "p", "plain=p\n[Other]\nx=1\n"},
        {"a key without a section in its own", "[General]\na=1\n[Other]\nx=1\n", "plain", "p",
         "[General]\na=1\nplain=p\n[Other]\nx=1\n"},
        {"behind a byte order mark", "\xEF\xBB\xBF[Settings]\nMainLeft=1\n", "Settings/MainLeft", "2",
         "\xEF\xBB\xBF[Settings]\nMainLeft=2\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ini::WithValue(c.before, c.key, c.value).toStdString(), c.after.toStdString());
        EXPECT_EQ(ini::Value(c.after, c.key), QString::fromLatin1(c.value));
    }
}

TEST(Ini, ReadsHandWrittenLinesAsQSettingsDoes)
{
    const struct {
        const char* name;
        QByteArray contents;
        std::optional<QString> value;
    } cases[] = {
        {"blanks around key and value", "[Settings]\n  MainLeft  =  1000  \n", "1000"},
        {"quoted blanks stay", "[Settings]\nMainLeft=\" 1000 \"\n", " 1000 "},
        {"a list is no single text", "[Settings]\nMainLeft=1, 2\n", std::nullopt},
        {"a typed value is no text", "[Settings]\nMainLeft=@Rect(1 2 3 4)\n", std::nullopt},
        {"a doubled @ stands for one", "[Settings]\nMainLeft=@@1\n", "@1"},
        {"the last line of a key counts", "[Settings]\nMainLeft=1\n[Settings]\nMainLeft=2\n", "2"},
        {"a comment is no key", "[Settings]\n;MainLeft=1\n", std::nullopt},
        {"a key in another section", "[Other]\nMainLeft=1\n", std::nullopt},
        {"section names are escaped too", "[%53ettings]\nMain%4Ceft=1\n", "1"},
        {"hex and octal escapes", "[Settings]\nMainLeft=\\x31\\60\\x\n", "10"},
        {"section header with carriage return", "[Settings]\r\nMainLeft=5\r\n", "5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ini::Value(c.contents, "Settings/MainLeft"), c.value);
        QTemporaryDir dir;
        const QString file = dir.filePath("hand.ini");
        Put(file, c.contents);
        const QVariant qt = QSettings(file, QSettings::IniFormat).value("Settings/MainLeft");
        if (c.value) EXPECT_EQ(qt.toString(), *c.value);
        else EXPECT_TRUE(!qt.isValid() || qt.typeId() != QMetaType::QString);
    }
}

using SettingsStoreTest = suite::testing::TempWorkingDirTest;

TEST_F(SettingsStoreTest, KeepsEachProgramsSettingsWhereQSettingsDoes)
{
    EXPECT_EQ(QtSettingsStore().FileName("Dorvix"),
              QSettings(QSettings::IniFormat, QSettings::UserScope, "mathsuite", "Dorvix").fileName());
    QtSettingsStore store(dir_.path());
    store.Save("Dorvix", "Settings", "MainLeft", "1500");
    store.Save("Dorvix", "Settings", "MainTop", "-15");
    EXPECT_EQ(Bytes(dir_.filePath("mathsuite/Dorvix.ini")), "[Settings]\nMainLeft=1500\nMainTop=-15\n");
}

TEST_F(SettingsStoreTest, ALinkInTheFilesPlaceIsReplacedAndItsTargetLeftAlone)
{
    QtSettingsStore store(dir_.path());
    const QString file = store.FileName("Dorvix");
    const QByteArray target = "[Settings]\nMainTop=30\n";
    Put("outside/target.ini", target);
    ASSERT_TRUE(QDir().mkpath("mathsuite"));
    for (const char* link : {"../outside/target.ini", "../outside/missing.ini"}) {
        SCOPED_TRACE(link);
        QFile::remove(file);
        ASSERT_TRUE(QFile::link(QString::fromLatin1(link), file));
        const bool dangling = QString::fromLatin1(link).contains("missing");
        EXPECT_EQ(store.Get("Dorvix", "Settings", "MainTop", "1000"), dangling ? "1000" : "30");
        store.Save("Dorvix", "Settings", "MainLeft", "1500");
        EXPECT_TRUE(IsRegular(file));
        EXPECT_EQ(store.Get("Dorvix", "Settings", "MainLeft", "1000"), "1500");
        // What the link led to is read into the new file, never written.
        EXPECT_EQ(store.Get("Dorvix", "Settings", "MainTop", "1000"), dangling ? "1000" : "30");
        EXPECT_EQ(Bytes("outside/target.ini"), target);
        EXPECT_EQ(QDir("outside").entryList(QDir::Files | QDir::Hidden), QStringList{"target.ini"});
    }
}

TEST_F(SettingsStoreTest, APipeOrAFolderInTheFilesPlaceIsNeitherReadNorWritten)
{
    QtSettingsStore store(dir_.path());
    const QString file = store.FileName("Dorvix");
    ASSERT_TRUE(QDir().mkpath("mathsuite"));
    for (bool pipe : {true, false}) {
        SCOPED_TRACE(pipe ? "pipe" : "folder");
        if (pipe) ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0644), 0);
        else ASSERT_TRUE(QDir().mkdir(file));
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(store.Get("Dorvix", "Settings", "MainLeft", "1000"), "1000");
        store.Save("Dorvix", "Settings", "MainLeft", "1500");
        EXPECT_LT(clock.elapsed(), 500);
        EXPECT_EQ(QFileInfo(file).isDir(), !pipe);
        EXPECT_EQ(QDir("mathsuite").entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                  QStringList{"Dorvix.ini"});
        if (pipe) ::unlink(QFile::encodeName(file).constData());
        else QDir().rmdir(file);
    }
}

TEST_F(SettingsStoreTest, AWriteThatFailsLeavesTheFileAsItWas)
{
    QtSettingsStore store(dir_.path());
    store.Save("Dorvix", "Settings", "MainLeft", "1500");
    const QByteArray before = Bytes(store.FileName("Dorvix"));
    for (WriteStep step : {WriteStep::Write, WriteStep::Sync, WriteStep::Rename}) {
        const WriteFaults faults{{step, StepOutcome::NoSpace}};
        store.Save("Dorvix", "Settings", "MainLeft", "2500");
        store.Save("Dorvix", "Settings", "MainTop", "2500");
        EXPECT_EQ(Bytes(store.FileName("Dorvix")), before);
    }
    EXPECT_EQ(store.Get("Dorvix", "Settings", "MainLeft", "1000"), "1500");
}

TEST_F(SettingsStoreTest, AFullDiskLeavesTheFileAsItWas)
{
    const SmallDisk disk(dir_.filePath("disk"));
    if (!disk.Mounted()) GTEST_SKIP() << disk.Error();
    QtSettingsStore store(dir_.filePath("disk"));
    store.Save("Dorvix", "Settings", "MainLeft", "1500");
    const QByteArray before = Bytes(store.FileName("Dorvix"));
    ASSERT_TRUE(disk.Fill());
    store.Save("Dorvix", "Settings", "MainLeft", "2500");
    store.Save("Other", "Settings", "MainLeft", "2500");
    EXPECT_EQ(Bytes(store.FileName("Dorvix")), before);
    EXPECT_EQ(store.Get("Dorvix", "Settings", "MainLeft", "1000"), "1500");
    EXPECT_EQ(QDir(dir_.filePath("disk/mathsuite")).entryList(QDir::Files | QDir::Hidden), QStringList{"Dorvix.ini"});
}

}  // namespace
