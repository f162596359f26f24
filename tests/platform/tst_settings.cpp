// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// ReadSetting and WriteSetting: the scrambled key and value under the application's
// "Settings" section, first through the fake store, then through the real INI file,
// whose bytes a later version of the program must still be able to read.

#include "app/Services.h"
#include "app/modHelp.h"
#include "platform/qt/QtSettingsStore.h"
#include "settings/Cp1252.h"

#include "fakes/FakePlatform.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include <string>

using namespace orbelle;
using namespace orbelle::fakes;
using orbelle::app::Services;
using orbelle::platform::QtSettingsStore;

namespace {

// "Duration" and "12/6/2026" after scrambling, in UTF-8.
const std::string ScrambledDuration = "\xE2\x84\xA2\xC3\x8A\xC3\x87\xC2\xB6\xC3\x89\xC2\xBE\xC3\x84\xC3\x83";
const std::string ScrambledDate = "\xE2\x80\xA0\xE2\x80\xA1\xE2\x80\x9E\xE2\x80\xB9\xE2\x80\x9E"
                                  "\xE2\x80\xA1\xE2\x80\xA6\xE2\x80\xA1\xE2\x80\xB9";

// The file as QSettings writes it: characters up to U+00FF in a key become %XX,
// others %UXXXX; the value is plain UTF-8.
const QByteArray DateFileBytes = "[Settings]\n"
                                 "%U2122%CA%C7%B6%C9%BE%C4%C3="
                                 "\xE2\x80\xA0\xE2\x80\xA1\xE2\x80\x9E\xE2\x80\xB9\xE2\x80\x9E"
                                 "\xE2\x80\xA1\xE2\x80\xA6\xE2\x80\xA1\xE2\x80\xB9\n";
const QByteArray DurationLine = "[Settings]\n%U2122%CA%C7%B6%C9%BE%C4%C3=";
// The longest value whose line still keeps the file within the store's size limit.
const qsizetype HugeValueSize = QtSettingsStore::LargestFile - DurationLine.size() - 1;

struct Seams {
    FakeMessageBox box;
    FakeClipboard clipboard;
    FakeShell shell;
    FakeClock clock;
    ScriptedRandom random;
    Services with(orbelle::platform::SettingsStore& store, std::string application = "Orbelle") {
        Services services{box, clipboard, shell, store, clock, random, "Orbelle", {}};
        services.applicationName = std::move(application);
        return services;
    }
};

bool writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QByteArray junk() {
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes.append(static_cast<char>((i * 7919 + 13) % 256));
    return bytes;
}

enum class Damage {
    Missing,
    Empty,
    Directory,
    FolderIsAFile,
    Junk,
    DateThenJunk,
    Unreadable,
    HugeValue,
    Nonsense,
    InvalidUtf8,
    List,
    VariantJunk
};

} // namespace

Q_DECLARE_METATYPE(Damage)

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void writeStoresScrambledTexts_data();
    void writeStoresScrambledTexts();
    void readUnscramblesTheStoredValue();
    void absentOrUnreadableGivesEmptyText();
    void writeReportsARefusal();
    void writeReplacesTheValue();

    void fileBytesAfterWrite();
    void otherApplicationNameGoesToItsOwnFile();
    void everyCodeUpTo170ThroughTheFile();
    void damagedFile_data();
    void damagedFile();
};

void TestSettings::writeStoresScrambledTexts_data() {
    QTest::addColumn<QString>("application");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("storedKey");
    QTest::addColumn<QByteArray>("storedValue");
    QTest::newRow("Duration") << QStringLiteral("Orbelle") << QByteArray("Duration") << QByteArray("12/6/2026")
                              << QByteArray::fromStdString(ScrambledDuration)
                              << QByteArray::fromStdString(ScrambledDate);
    QTest::newRow("renamed executable") << QStringLiteral("orbelle-1.15") << QByteArray("abc") << QByteArray("")
                                        << QByteArray("\xC2\xB6\xC2\xB7\xC2\xB8") << QByteArray();
    QTest::newRow("upper half dropped from key and value") << QStringLiteral("Orbelle") << QByteArray("a\xC3\xA9")
                                                           << QByteArray("\xC3\xA9"
                                                                         "b")
                                                           << QByteArray("\xC2\xB6") << QByteArray("\xC2\xB7");
}

void TestSettings::writeStoresScrambledTexts() {
    QFETCH(QString, application);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, storedKey);
    QFETCH(QByteArray, storedValue);
    Seams seams;
    FakeSettingsStore store;
    Services services = seams.with(store, application.toStdString());

    modHelp::WriteSetting(services, key.toStdString(), value.toStdString());

    QCOMPARE(store.entries.size(), std::size_t{1});
    const auto& [address, stored] = *store.entries.begin();
    QCOMPARE(QString::fromStdString(std::get<0>(address)), application);
    QCOMPARE(QString::fromStdString(std::get<1>(address)), QStringLiteral("Settings"));
    QCOMPARE(QByteArray::fromStdString(std::get<2>(address)), storedKey);
    QCOMPARE(QByteArray::fromStdString(stored), storedValue);
}

void TestSettings::readUnscramblesTheStoredValue() {
    Seams seams;
    FakeSettingsStore store;
    store.entries[{"Orbelle", "Settings", ScrambledDuration}] = ScrambledDate;
    // Entries that differ in one level of the address must not answer.
    store.entries[{"Other", "Settings", "Duration"}] = "\xC2\xB6";
    store.entries[{"Orbelle", "Other", ScrambledDuration}] = "\xC2\xB6";
    Services services = seams.with(store);

    QCOMPARE(modHelp::ReadSetting(services, "Duration"), std::string("12/6/2026"));
}

void TestSettings::absentOrUnreadableGivesEmptyText() {
    Seams seams;
    FakeSettingsStore store;
    Services services = seams.with(store);
    // Stored unscrambled, so only a read that forgot to scramble the key would find it.
    store.entries[{"Orbelle", "Settings", "Duration"}] = ScrambledDate;
    QCOMPARE(modHelp::ReadSetting(services, "Duration"), std::string());

    store.entries[{"Orbelle", "Settings", ScrambledDuration}] = ScrambledDate;
    store.failReads = true;
    QCOMPARE(modHelp::ReadSetting(services, "Duration"), std::string());
}

void TestSettings::writeReportsARefusal() {
    Seams seams;
    FakeSettingsStore store;
    Services services = seams.with(store);
    QVERIFY(modHelp::TryWriteSetting(services, "Duration", "12/6/2026"));
    store.failWrites = true;
    QVERIFY(!modHelp::TryWriteSetting(services, "Duration", "1/1/2027"));
    modHelp::WriteSetting(services, "Duration", "1/1/2027"); // no report, no throw
    QCOMPARE(store.writes, 3);
    QCOMPARE(modHelp::ReadSetting(services, "Duration"), std::string("12/6/2026"));
}

void TestSettings::writeReplacesTheValue() {
    Seams seams;
    FakeSettingsStore store;
    Services services = seams.with(store);
    modHelp::WriteSetting(services, "Duration", "12/6/2026");
    modHelp::WriteSetting(services, "Duration", "1/2/2027");
    QCOMPARE(store.entries.size(), std::size_t{1});
    QCOMPARE(modHelp::ReadSetting(services, "Duration"), std::string("1/2/2027"));
}

void TestSettings::fileBytesAfterWrite() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Seams seams;
    QtSettingsStore store(dir.path());
    Services services = seams.with(store);
    const QString file = dir.path() + QStringLiteral("/Orbelle/Orbelle.conf");
    QCOMPARE(store.filePath("Orbelle"), file);

    QVERIFY(modHelp::TryWriteSetting(services, "Duration", "12/6/2026"));
    QCOMPARE(readFile(file), DateFileBytes);
    QCOMPARE(modHelp::ReadSetting(services, "Duration"), std::string("12/6/2026"));

    // A second write replaces the line rather than adding one.
    QVERIFY(modHelp::TryWriteSetting(services, "Duration", "1/2/2027"));
    QCOMPARE(readFile(file), DurationLine + "\xE2\x80\xA0\xE2\x80\x9E\xE2\x80\xA1\xE2\x80\x9E\xE2\x80\xA1"
                                            "\xE2\x80\xA6\xE2\x80\xA1\xC5\x92\n");

    // A fresh store, as at the next start, reads the same file.
    QtSettingsStore nextStart(dir.path());
    Services later = seams.with(nextStart);
    QCOMPARE(modHelp::ReadSetting(later, "Duration"), std::string("1/2/2027"));
}

void TestSettings::otherApplicationNameGoesToItsOwnFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Seams seams;
    QtSettingsStore store(dir.path());
    Services renamed = seams.with(store, "orbelle-test");
    QVERIFY(modHelp::TryWriteSetting(renamed, "Duration", "12/6/2026"));
    QCOMPARE(readFile(dir.path() + QStringLiteral("/orbelle-test/orbelle-test.conf")), DateFileBytes);
    Services usual = seams.with(store);
    QCOMPARE(modHelp::ReadSetting(usual, "Duration"), std::string());
}

void TestSettings::everyCodeUpTo170ThroughTheFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Seams seams;
    QtSettingsStore store(dir.path());
    Services services = seams.with(store);
    std::vector<unsigned char> codes;
    for (int code = 0; code <= 170; ++code)
        codes.push_back(static_cast<unsigned char>(code));
    const std::string value = orbelle::settings::Cp1252Text(codes);

    QVERIFY(modHelp::TryWriteSetting(services, "Duration", value));
    QtSettingsStore nextStart(dir.path());
    Services later = seams.with(nextStart);
    QCOMPARE(QByteArray::fromStdString(modHelp::ReadSetting(later, "Duration")), QByteArray::fromStdString(value));
}

void TestSettings::damagedFile_data() {
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<QByteArray>("readBefore");
    QTest::addColumn<bool>("writable");
    QTest::newRow("missing") << Damage::Missing << QByteArray() << true;
    QTest::newRow("empty") << Damage::Empty << QByteArray() << true;
    QTest::newRow("a directory in its place") << Damage::Directory << QByteArray() << false;
    QTest::newRow("a file in place of the folder") << Damage::FolderIsAFile << QByteArray() << false;
    QTest::newRow("binary junk") << Damage::Junk << QByteArray() << true;
    QTest::newRow("the date, then binary junk") << Damage::DateThenJunk << QByteArray("12/6/2026") << true;
    QTest::newRow("mode 000") << Damage::Unreadable << QByteArray() << false;
    // 'x' (120) unscrambles to '#' (35). Larger files are not settings (tst_settingspath).
    QTest::newRow("value filling the size limit") << Damage::HugeValue << QByteArray(HugeValueSize, '#') << true;
    QTest::newRow("value unscrambling to nonsense") << Damage::Nonsense << QByteArray("\x0C\x0D\x0E") << true;
    QTest::newRow("value that is not UTF-8") << Damage::InvalidUtf8 << QByteArray() << true;
    QTest::newRow("value read as a list") << Damage::List << QByteArray() << true;
    QTest::newRow("value claiming to be a serialized variant") << Damage::VariantJunk << QByteArray() << true;
}

void TestSettings::damagedFile() {
    QFETCH(Damage, damage);
    QFETCH(QByteArray, readBefore);
    QFETCH(bool, writable);
    if (damage == Damage::Unreadable && ::geteuid() == 0)
        QSKIP("file permissions do not stop root");

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.path() + QStringLiteral("/Orbelle");
    const QString file = folder + QStringLiteral("/Orbelle.conf");
    if (damage == Damage::FolderIsAFile) {
        QVERIFY(writeFile(folder, "[Settings]\n"));
    } else {
        QVERIFY(QDir().mkpath(folder));
    }
    switch (damage) {
    case Damage::Missing:
    case Damage::FolderIsAFile:
        break;
    case Damage::Empty:
        QVERIFY(writeFile(file, QByteArray()));
        break;
    case Damage::Directory:
        QVERIFY(QDir().mkpath(file));
        break;
    case Damage::Junk:
        QVERIFY(writeFile(file, junk()));
        break;
    case Damage::DateThenJunk:
        QVERIFY(writeFile(file, DateFileBytes + junk()));
        break;
    case Damage::Unreadable:
        QVERIFY(writeFile(file, DateFileBytes));
        QVERIFY(QFile::setPermissions(file, QFileDevice::Permissions()));
        break;
    case Damage::HugeValue:
        QVERIFY(writeFile(file, DurationLine + QByteArray(HugeValueSize, 'x') + '\n'));
        break;
    case Damage::Nonsense:
        QVERIFY(writeFile(file, DurationLine + "abc\n"));
        break;
    case Damage::InvalidUtf8:
        QVERIFY(writeFile(file, DurationLine + "\xFF\xFE\xC0\n"));
        break;
    case Damage::List:
        QVERIFY(writeFile(file, DurationLine + "\xC2\xB6, \xC2\xB7\n"));
        break;
    case Damage::VariantJunk:
        QVERIFY(writeFile(file, DurationLine + QByteArray("@Variant(\x00\x00\x00\x7F\xFF\xFF\xFF\xFF)\n", 18)));
        break;
    }

    Seams seams;
    QtSettingsStore store(dir.path());
    Services services = seams.with(store);
    QCOMPARE(QByteArray::fromStdString(modHelp::ReadSetting(services, "Duration")), readBefore);

    if (writable) {
        modHelp::WriteSetting(services, "Duration", "12/6/2026");
        QCOMPARE(modHelp::ReadSetting(services, "Duration"), std::string("12/6/2026"));
    } else {
        QVERIFY(!modHelp::TryWriteSetting(services, "Duration", "12/6/2026"));
        QCOMPARE(modHelp::ReadSetting(services, "Duration"), std::string());
        if (damage == Damage::Directory)
            QVERIFY(QFileInfo(file).isDir());
    }
    // Let the temporary folder clean up after itself.
    (void)QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
