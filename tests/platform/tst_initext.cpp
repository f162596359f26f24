// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file's INI text against Qt's own INI settings, which earlier versions of
// the program read and wrote with: what it reads must be what they read, and what it
// writes must be, byte for byte, what they wrote.

#include "platform/qt/IniText.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace orbelle::platform;

namespace {

const QString Section = QStringLiteral("Settings");
const QString Key = QStringLiteral("k");

// Every character code from 0 to 170, which the scrambled dates are made of.
QString everyCode() {
    QString text;
    for (char16_t code = 0; code <= 170; ++code)
        text += QChar(code);
    return text;
}

// Qt's settings over files in a temporary folder; a new file name for every file, as
// Qt keeps what it read of a name while its size and time stay the same.
class QtIni {
public:
    QVariant read(const QByteArray& file) {
        put(file);
        return QSettings(m_path, QSettings::IniFormat).value(Section + u'/' + Key);
    }

    QByteArray write(const QByteArray& file, const QString& text) {
        put(file);
        {
            QSettings settings(m_path, QSettings::IniFormat);
            settings.setValue(Section + u'/' + Key, text);
        }
        QFile written(m_path);
        return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
    }

    // Every key and value, as Qt reads the file.
    QVariantMap everything(const QByteArray& file) {
        put(file);
        QSettings settings(m_path, QSettings::IniFormat);
        QVariantMap all;
        for (const QString& key : settings.allKeys())
            all[key] = settings.value(key);
        return all;
    }

private:
    void put(const QByteArray& file) {
        m_path = m_dir.filePath(QStringLiteral("%1.conf").arg(++m_files));
        QFile out(m_path);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
    }

    QTemporaryDir m_dir;
    QString m_path;
    int m_files = 0;
};

} // namespace

class TestIniText : public QObject {
    Q_OBJECT

private slots:
    void readsAsQtDoes_data();
    void readsAsQtDoes();
    void writesAsQtDoes_data();
    void writesAsQtDoes();
    void keepsWhatQtWouldDrop_data();
    void keepsWhatQtWouldDrop();
    void refusesAnEditThatWouldNotReadBack();
};

void TestIniText::readsAsQtDoes_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("isText"); // false: absent, or a list or typed value, which count as absent
    QTest::newRow("as written") << QByteArray("[Settings]\nk=\xE2\x80\xA0\xE2\x80\xA1\n") << true;
    QTest::newRow("blanks, a comment after the value") << QByteArray("[Settings]\n  k = v w  ; note\n") << true;
    QTest::newRow("quotes keep ; , = and blanks") << QByteArray("[Settings]\nk=\" a;b,c=d \"\n") << true;
    QTest::newRow("escapes") << QByteArray("[Settings]\nk=\\x41\\102\\t\\\"\\\\\\q\\x4g\n") << true;
    QTest::newRow("escaped line break") << QByteArray("[Settings]\nk=a\\\r\nb\n") << true;
    QTest::newRow("quoted line break") << QByteArray("[Settings]\nk=\"a\nb\"\n") << true;
    QTest::newRow("byte order mark, CR LF") << QByteArray("\xEF\xBB\xBF[Settings]\r\nk=v\r\n") << true;
    QTest::newRow("escaped names") << QByteArray("[ %53ettings ]\n%6B=v\n") << true;
    QTest::newRow("the last of repeated keys and sections")
        << QByteArray("[Settings]\nk=1\nk=2\n[Other]\nk=3\n[Settings]\nk=4\n[settings]\nk=5\n") << true;
    QTest::newRow("general keys are not the section's") << QByteArray("k=1\n[General]\nk=2\n") << false;
    QTest::newRow("not UTF-8") << QByteArray("[Settings]\nk=\xFF\xC3(\xE2\x82\n") << true;
    QTest::newRow("@@ escapes a leading @") << QByteArray("[Settings]\nk=@@Invalid()\n") << true;
    QTest::newRow("@String") << QByteArray("[Settings]\nk=@String(a b)\n") << true;
    QTest::newRow("@ByteArray") << QByteArray("[Settings]\nk=@ByteArray(a\xC3\xA9)\n") << true;
    QTest::newRow("geometry with too few numbers") << QByteArray("[Settings]\nk=@Rect(1 2)\n") << true;
    QTest::newRow("list") << QByteArray("[Settings]\nk=a, b\n") << false;
    QTest::newRow("@Variant") << QByteArray("[Settings]\nk=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n") << false;
    QTest::newRow("@Invalid") << QByteArray("[Settings]\nk=@Invalid()\n") << false;
    QTest::newRow("@Rect") << QByteArray("[Settings]\nk=@Rect(1 2 3 4)\n") << false;
}

void TestIniText::readsAsQtDoes() {
    QFETCH(QByteArray, file);
    QFETCH(bool, isText);
    QtIni qt;
    const QVariant expected = qt.read(file);
    const std::optional<QString> read = ini::textValue(file, Section, Key);
    QCOMPARE(read.has_value(), isText);
    if (isText)
        QCOMPARE(*read, expected.toString());
}

void TestIniText::writesAsQtDoes_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("text");
    const QString date = QString::fromUtf8("\xE2\x80\xA0\xE2\x80\xA1\xE2\x80\x9E\xE2\x80\xB9");
    QTest::newRow("a new file") << QByteArray() << date;
    QTest::newRow("every code up to 170") << QByteArray() << everyCode();
    QTest::newRow("leading @, hex digit after an escape") << QByteArray()
                                                          << QStringLiteral("@\x01"
                                                                            "a\x1f"
                                                                            "F");
    QTest::newRow("quoted: blanks and ;") << QByteArray() << QStringLiteral(" a;b ");
    QTest::newRow("the date replaced") << QByteArray("[Settings]\nk=old\n") << date;
    QTest::newRow("a section before") << QByteArray("[A]\nx=1\n\n[Settings]\nk=old\n") << date;
    QTest::newRow("a section after") << QByteArray("[Settings]\nk=old\n\n[Z]\nx=1\n") << date;
    QTest::newRow("added after other keys") << QByteArray("[Settings]\na=1\n\n[Z]\nx=1\n") << date;
    QTest::newRow("section added at the end") << QByteArray("[A]\nx=1\n") << date;
}

void TestIniText::writesAsQtDoes() {
    QFETCH(QByteArray, file);
    QFETCH(QString, text);
    QtIni qt;
    const std::optional<QByteArray> written = ini::withTextValue(file, Section, Key, text);
    QVERIFY(written);
    QCOMPARE(*written, qt.write(file, text));
}

void TestIniText::keepsWhatQtWouldDrop_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("comments") << QByteArray("; mine\n[Settings]\n; the date\nk=old ; old\n");
    QTest::newRow("CR LF, no break at the end") << QByteArray("[A]\r\nx=1\r\n[Settings]\r\nj=2");
    QTest::newRow("keys before any section") << QByteArray("x=1\n[Z]\ny=2\n");
    QTest::newRow("blank file") << QByteArray(" \n\n");
}

void TestIniText::keepsWhatQtWouldDrop() {
    QFETCH(QByteArray, file);
    QtIni qt;
    const std::optional<QByteArray> written = ini::withTextValue(file, Section, Key, QStringLiteral("new"));
    QVERIFY(written);
    QVariantMap expected = qt.everything(file);
    expected[Section + u'/' + Key] = QStringLiteral("new");
    QCOMPARE(qt.everything(*written), expected);
    // Comments and line ends stay where they were.
    for (const QByteArray& kept : {QByteArray("; mine\n"), QByteArray("; the date\n"), QByteArray("\r\nx=1\r\n")})
        QCOMPARE(written->contains(kept), file.contains(kept));
}

void TestIniText::refusesAnEditThatWouldNotReadBack() {
    // A quote left open at the end would take in a section added after it.
    QCOMPARE(ini::withTextValue("[A]\nx=\"open", Section, Key, QStringLiteral("new")), std::nullopt);
}

QTEST_GUILESS_MAIN(TestIniText)
#include "tst_initext.moc"
