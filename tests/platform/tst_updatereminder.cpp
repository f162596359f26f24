// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The update reminder at start-up, driven through the fakes: what it stores, when it
// speaks, what it says and what it opens.

#include "app/Services.h"
#include "app/StoredDate.h"
#include "app/modHelp.h"

#include "fakes/FakeServices.h"

#include <QDate>
#include <QLocale>
#include <QTest>

#include <optional>
#include <string>

using namespace orbelle;
using namespace orbelle::fakes;
using orbelle::app::Services;

namespace {

// FakeClock's today, 6 December 2026.
const QDate Today(2026, 12, 6);
const QLocale Us(QLocale::English, QLocale::UnitedStates);
const QString Absent = QStringLiteral("<absent>");

struct Desk : FakeServices {
    FakeMessageBox& box = messageBox;
    FakeSettingsStore& store = settings;

    // The stored date, read the way the store holds it.
    QString stored() const {
        const auto found = store.entries.find({"Orbelle", "Settings", modHelp::ScrambleText("Duration")});
        if (found == store.entries.end())
            return Absent;
        return QString::fromStdString(modHelp::UnscrambleText(found->second));
    }
    void storeDate(const std::string& text) {
        store.entries[{"Orbelle", "Settings", modHelp::ScrambleText("Duration")}] = modHelp::ScrambleText(text);
    }
};

std::string usText(QDate date) {
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year()).toStdString();
}

} // namespace

class TestUpdateReminder : public QObject {
    Q_OBJECT

private slots:
    void firstStartStoresTodayQuietly();
    void daysSinceLastReminder_data();
    void daysSinceLastReminder();
    void theMessage();
    void yesOpensTheDownloadPage();
    void noOpensNothing();
    void unreadableStoredDateCountsAsFirstStart_data();
    void unreadableStoredDateCountsAsFirstStart();
    void twoDigitYearOfTheLocaleIsThisCentury();
    void isoDateWhereTheLocaleFormWouldNotSurvive();
    void failingStore_data();
    void failingStore();

    void fourDigitYearFormat_data();
    void fourDigitYearFormat();
    void dateTextRoundTrip_data();
    void dateTextRoundTrip();
    void storedIsoDates_data();
    void storedIsoDates();
    void twoDigitYears_data();
    void twoDigitYears();
    void unreadableDateText_data();
    void unreadableDateText();
};

void TestUpdateReminder::firstStartStoresTodayQuietly() {
    Desk desk;
    modHelp::UpdateReminder(desk.services, Us);
    QVERIFY(desk.box.shown.empty());
    QVERIFY(desk.shell.opened.empty());
    QCOMPARE(desk.store.writes, 1);
    QCOMPARE(desk.stored(), QStringLiteral("12/6/2026"));
}

void TestUpdateReminder::daysSinceLastReminder_data() {
    QTest::addColumn<int>("offset"); // stored date minus today
    QTest::addColumn<bool>("reminds");
    QTest::newRow("-400") << -400 << true;
    QTest::newRow("-15") << -15 << true;
    QTest::newRow("-14") << -14 << false;
    QTest::newRow("-1") << -1 << false;
    QTest::newRow("0") << 0 << false;
    QTest::newRow("14") << 14 << false;
    QTest::newRow("15") << 15 << true;
    QTest::newRow("3000") << 3000 << true;
}

void TestUpdateReminder::daysSinceLastReminder() {
    QFETCH(int, offset);
    QFETCH(bool, reminds);
    Desk desk;
    const std::string last = usText(Today.addDays(offset));
    desk.storeDate(last);

    modHelp::UpdateReminder(desk.services, Us);

    QCOMPARE(desk.box.shown.size(), std::size_t{reminds ? 1u : 0u});
    QCOMPARE(desk.store.writes, reminds ? 1 : 0);
    QCOMPARE(desk.stored(), reminds ? QStringLiteral("12/6/2026") : QString::fromStdString(last));
    QVERIFY(desk.shell.opened.empty()); // the fake answers No
}

void TestUpdateReminder::theMessage() {
    Desk desk;
    desk.storeDate("11/1/2026");
    modHelp::UpdateReminder(desk.services, Us);
    QCOMPARE(desk.box.shown.size(), std::size_t{1});
    const ShownMessage& message = desk.box.shown.front();
    QCOMPARE(message.text, std::string("There maybe an update to this software available\r"
                                       "Do you want to check for an update?"));
    QVERIFY(message.buttons == MessageButtons::YesNo);
    QCOMPARE(message.caption, std::string("Orbelle"));
}

void TestUpdateReminder::yesOpensTheDownloadPage() {
    Desk desk;
    desk.storeDate("11/1/2026");
    desk.box.answers.push_back(MessageAnswer::Yes);
    modHelp::UpdateReminder(desk.services, Us);
    QCOMPARE(desk.stored(), QStringLiteral("12/6/2026"));
    QCOMPARE(desk.shell.opened.size(), std::size_t{1});
    QCOMPARE(desk.shell.opened.front(),
             "http://" + std::string(modHelp::WebHost) + "/orbelle/ssd.php?page=download-web-page");
}

void TestUpdateReminder::noOpensNothing() {
    Desk desk;
    desk.storeDate("11/1/2026");
    desk.box.answers.push_back(MessageAnswer::No);
    modHelp::UpdateReminder(desk.services, Us);
    QCOMPARE(desk.box.shown.size(), std::size_t{1});
    QCOMPARE(desk.stored(), QStringLiteral("12/6/2026"));
    QVERIFY(desk.shell.opened.empty());

    // The next start on the same day stays quiet.
    modHelp::UpdateReminder(desk.services, Us);
    QCOMPARE(desk.box.shown.size(), std::size_t{1});
}

void TestUpdateReminder::unreadableStoredDateCountsAsFirstStart_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("junk") << QStringLiteral("not a date");
    QTest::newRow("German date under a US format") << QStringLiteral("06.12.2025");
    QTest::newRow("no such day") << QStringLiteral("2/30/2025");
    QTest::newRow("month 13") << QStringLiteral("13/1/2025");
    QTest::newRow("only digits") << QStringLiteral("12062025");
    QTest::newRow("trailing text") << QStringLiteral("12/6/2025x");
    QTest::newRow("control characters") << QString::fromLatin1("\x0C\x0D\x0E");
    QTest::newRow("overlong") << QString(5000, QLatin1Char('1'));
}

void TestUpdateReminder::unreadableStoredDateCountsAsFirstStart() {
    QFETCH(QString, stored);
    Desk desk;
    desk.storeDate(stored.toStdString());
    modHelp::UpdateReminder(desk.services, Us);
    QVERIFY(desk.box.shown.empty());
    QVERIFY(desk.shell.opened.empty());
    QCOMPARE(desk.stored(), QStringLiteral("12/6/2026"));
}

void TestUpdateReminder::twoDigitYearOfTheLocaleIsThisCentury() {
    // "11/1/26" in Qt's own reading is 1926, ten thousand days or more ago.
    Desk desk;
    desk.storeDate("11/30/26");
    modHelp::UpdateReminder(desk.services, Us);
    QVERIFY(desk.box.shown.empty());
    QCOMPARE(desk.store.writes, 0);

    Desk older;
    older.storeDate("11/1/26");
    modHelp::UpdateReminder(older.services, Us);
    QCOMPARE(older.box.shown.size(), std::size_t{1});
    QCOMPARE(older.stored(), QStringLiteral("12/6/2026"));
}

void TestUpdateReminder::isoDateWhereTheLocaleFormWouldNotSurvive() {
    const QLocale bulgarian(QStringLiteral("bg_BG"));
    Desk quiet;
    quiet.storeDate("2026-11-22");
    modHelp::UpdateReminder(quiet.services, bulgarian);
    QVERIFY(quiet.box.shown.empty());
    QCOMPARE(quiet.store.writes, 0);

    Desk due;
    due.storeDate("2026-11-21");
    modHelp::UpdateReminder(due.services, bulgarian);
    QCOMPARE(due.box.shown.size(), std::size_t{1});
    QCOMPARE(due.stored(), QStringLiteral("2026-12-06"));
}

void TestUpdateReminder::failingStore_data() {
    QTest::addColumn<bool>("storedBefore");
    QTest::addColumn<bool>("failReads");
    QTest::addColumn<bool>("failWrites");
    QTest::addColumn<int>("messages");
    QTest::newRow("reads fail, nothing stored") << false << true << false << 0;
    QTest::newRow("reads fail over an old date") << true << true << false << 0;
    QTest::newRow("writes fail on the first start") << false << false << true << 0;
    QTest::newRow("reads and writes fail") << true << true << true << 0;
    // The date is readable, so the reminder speaks; the refused write then ends it.
    QTest::newRow("writes fail after the message") << true << false << true << 1;
}

void TestUpdateReminder::failingStore() {
    QFETCH(bool, storedBefore);
    QFETCH(bool, failReads);
    QFETCH(bool, failWrites);
    QFETCH(int, messages);
    Desk desk;
    if (storedBefore)
        desk.storeDate("11/1/2026");
    desk.store.failReads = failReads;
    desk.store.failWrites = failWrites;
    desk.box.answers.push_back(MessageAnswer::Yes);

    modHelp::UpdateReminder(desk.services, Us);

    QCOMPARE(static_cast<int>(desk.box.shown.size()), messages);
    QVERIFY(desk.shell.opened.empty());
    // A store that cannot be read or written keeps what it had.
    if (failWrites || failReads)
        QCOMPARE(desk.stored(), storedBefore ? QStringLiteral("11/1/2026") : Absent);
    else
        QCOMPARE(desk.stored(), QStringLiteral("12/6/2026"));
    QCOMPARE(desk.store.writes, failReads ? 0 : 1);
}

void TestUpdateReminder::fourDigitYearFormat_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    QTest::newRow("US") << QStringLiteral("M/d/yy") << QStringLiteral("M/d/yyyy");
    QTest::newRow("year first") << QStringLiteral("yy/M/d") << QStringLiteral("yyyy/M/d");
    QTest::newRow("year between") << QStringLiteral("d-yy-M") << QStringLiteral("d-yyyy-M");
    QTest::newRow("single y") << QStringLiteral("d/M/y") << QStringLiteral("d/M/yyyy");
    QTest::newRow("three y") << QStringLiteral("d/M/yyy") << QStringLiteral("d/M/yyyy");
    QTest::newRow("four y stay") << QStringLiteral("dd.MM.yyyy") << QStringLiteral("dd.MM.yyyy");
    QTest::newRow("five y stay") << QStringLiteral("d/M/yyyyy") << QStringLiteral("d/M/yyyyy");
    QTest::newRow("quoted y stays") << QStringLiteral("d.MM.yy 'y'.") << QStringLiteral("d.MM.yyyy 'y'.");
    QTest::newRow("quoted yy before the year") << QStringLiteral("'yy' d/M/yy") << QStringLiteral("'yy' d/M/yyyy");
    QTest::newRow("escaped quote inside quotes")
        << QStringLiteral("'it''s yy' yy") << QStringLiteral("'it''s yy' yyyy");
    QTest::newRow("escaped quote outside quotes") << QStringLiteral("yy''d") << QStringLiteral("yyyy''d");
    QTest::newRow("no year") << QStringLiteral("d/M") << QStringLiteral("d/M");
    QTest::newRow("empty") << QString() << QString();
}

void TestUpdateReminder::fourDigitYearFormat() {
    QFETCH(QString, format);
    QFETCH(QString, expected);
    QCOMPARE(modHelp::FourDigitYearFormat(format), expected);
}

void TestUpdateReminder::dateTextRoundTrip_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected"); // for 6 December 2026
    QTest::addColumn<QString>("stored");   // what the reminder keeps of it
    const auto row = [](const char* name, const QLocale& locale, const QString& text, const QString& stored) {
        QTest::newRow(name) << locale << text << stored;
    };
    const auto same = [&row](const char* name, const QLocale& locale, const QString& text) {
        row(name, locale, text, text);
    };
    const QString iso = QStringLiteral("2026-12-06");
    same("en_US", QLocale(QStringLiteral("en_US")), QStringLiteral("12/6/2026"));
    same("en_GB", QLocale(QStringLiteral("en_GB")), QStringLiteral("06/12/2026"));
    same("de_DE", QLocale(QStringLiteral("de_DE")), QStringLiteral("06.12.2026"));
    same("fr_FR", QLocale(QStringLiteral("fr_FR")), QStringLiteral("06/12/2026"));
    same("ja_JP", QLocale(QStringLiteral("ja_JP")), QStringLiteral("2026/12/06"));
    same("ru_RU", QLocale(QStringLiteral("ru_RU")), QStringLiteral("06.12.2026"));
    same("C", QLocale::c(), QStringLiteral("6 Dec 2026"));
    same("ko_KR, year first", QLocale(QStringLiteral("ko_KR")), QStringLiteral("2026. 12. 6."));
    // Characters without a Windows-1252 code would not survive the scrambling.
    row("bg_BG, Cyrillic abbreviation", QLocale(QStringLiteral("bg_BG")), QString::fromUtf8("6.12.2026 \xD0\xB3."),
        iso);
    row("ne_NP, Devanagari digits", QLocale(QStringLiteral("ne_NP")),
        QString::fromUtf8("\xE0\xA5\xA8\xE0\xA5\xA6\xE0\xA5\xA8\xE0\xA5\xAC/\xE0\xA5\xA7\xE0\xA5\xA8/"
                          "\xE0\xA5\xAC"),
        iso);
    row("ar_EG, Arabic digits and marks", QLocale(QStringLiteral("ar_EG")),
        QString::fromUtf8("\xD9\xA6\xE2\x80\x8F/\xD9\xA1\xD9\xA2\xE2\x80\x8F/\xD9\xA2\xD9\xA0\xD9\xA2\xD9\xA6"), iso);
}

void TestUpdateReminder::dateTextRoundTrip() {
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    QFETCH(QString, stored);
    const QList<QDate> dates = {QDate(2026, 12, 6), QDate(2000, 2, 29), QDate(2099, 1, 1), QDate(2031, 7, 15)};
    QCOMPARE(modHelp::ShortDateText(dates.front(), locale), expected);
    QCOMPARE(QString::fromStdString(modHelp::StoredDateText(dates.front(), locale)), stored);
    for (const QDate& date : dates) {
        const QString text = modHelp::ShortDateText(date, locale);
        QVERIFY2(text.contains(locale.toString(date.year()).remove(locale.groupSeparator())),
                 qPrintable(text + QStringLiteral(" lacks the four-digit year")));
        QCOMPARE(modHelp::ReadShortDate(text, locale).value_or(QDate()), date);
        QCOMPARE(modHelp::ReadStoredDate(modHelp::StoredDateText(date, locale), locale).value_or(QDate()), date);
    }
    // The reminder keeps that text, and reads it back on the next start the same day.
    Desk desk;
    modHelp::UpdateReminder(desk.services, locale);
    QCOMPARE(desk.stored(), stored);
    modHelp::UpdateReminder(desk.services, locale);
    QCOMPARE(desk.store.writes, 1);
    QVERIFY(desk.box.shown.empty());
}

void TestUpdateReminder::storedIsoDates_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected"); // invalid: unreadable
    QTest::newRow("ISO under en_US") << QStringLiteral("2026-12-06") << QDate(2026, 12, 6);
    QTest::newRow("ISO leap day") << QStringLiteral("2028-02-29") << QDate(2028, 2, 29);
    QTest::newRow("ISO with no such day") << QStringLiteral("2026-02-30") << QDate();
    QTest::newRow("ISO month 13") << QStringLiteral("2026-13-01") << QDate();
    QTest::newRow("ISO with a time") << QStringLiteral("2026-12-06T10:00") << QDate();
    QTest::newRow("ISO short") << QStringLiteral("2026-12-6") << QDate();
    QTest::newRow("ISO with a sign") << QStringLiteral("+2026-12-06") << QDate();
    QTest::newRow("US text still read") << QStringLiteral("12/6/2026") << QDate(2026, 12, 6);
}

void TestUpdateReminder::storedIsoDates() {
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    const std::optional<QDate> read = modHelp::ReadStoredDate(text.toStdString(), Us);
    QCOMPARE(read.has_value(), expected.isValid());
    QCOMPARE(read.value_or(QDate()), expected);
}

void TestUpdateReminder::twoDigitYears_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");
    const QLocale german(QStringLiteral("de_DE"));
    const QLocale korean(QStringLiteral("ko_KR"));
    QTest::newRow("en_US 26") << Us << QStringLiteral("12/6/26") << QDate(2026, 12, 6);
    QTest::newRow("en_US 00") << Us << QStringLiteral("1/1/00") << QDate(2000, 1, 1);
    QTest::newRow("en_US 99 is 2099, not 1999") << Us << QStringLiteral("12/31/99") << QDate(2099, 12, 31);
    QTest::newRow("de_DE 26") << german << QStringLiteral("06.12.26") << QDate(2026, 12, 6);
    QTest::newRow("ko_KR 26, year first") << korean << QStringLiteral("26. 12. 6.") << QDate(2026, 12, 6);
    QTest::newRow("four digits written as 19xx stay") << Us << QStringLiteral("12/6/1999") << QDate(1999, 12, 6);
}

void TestUpdateReminder::twoDigitYears() {
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QCOMPARE(modHelp::ReadShortDate(text, locale).value_or(QDate()), expected);
}

void TestUpdateReminder::unreadableDateText_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("blank") << QStringLiteral(" ");
    QTest::newRow("junk") << QStringLiteral("yesterday");
    QTest::newRow("no year") << QStringLiteral("12/6");
    QTest::newRow("day out of range") << QStringLiteral("12/32/2026");
    QTest::newRow("29 February of a common year") << QStringLiteral("2/29/2026");
    QTest::newRow("five-digit year") << QStringLiteral("12/6/20261");
    QTest::newRow("1 MB") << QString(1 << 20, QLatin1Char('7'));
    QTest::newRow("1 MB ending in a date") << QString(1 << 20, QLatin1Char(' ')) + QStringLiteral("12/6/2026");
    QString binary;
    for (int i = 0; i < 40; ++i)
        binary.append(QChar(static_cast<char16_t>((i * 4099) % 0xD800)));
    QTest::newRow("binary") << binary;
    QTest::newRow("NUL inside") << QString::fromUtf8("12/6\0/2026", 10);
}

void TestUpdateReminder::unreadableDateText() {
    QFETCH(QString, text);
    const std::optional<QDate> read = modHelp::ReadShortDate(text, Us);
    QVERIFY2(!read, qPrintable(read.value_or(QDate()).toString(Qt::ISODate)));
}

QTEST_APPLESS_MAIN(TestUpdateReminder)
#include "tst_updatereminder.moc"
