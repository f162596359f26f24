// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings scrambling: Windows-1252 codes moved by 85, with the characters that
// would leave the code page dropped. The stored bytes depend on every detail here.

#include "app/modHelp.h"
#include "settings/Cp1252.h"

#include <QByteArray>
#include <QTest>

#include <string>
#include <vector>

using orbelle::settings::Cp1252Character;
using orbelle::settings::Cp1252Code;
using orbelle::settings::Cp1252Codes;
using orbelle::settings::Cp1252Text;
namespace modHelp = orbelle::modHelp;

namespace {

std::string bytes(const QByteArray& array) {
    return std::string(array.constData(), static_cast<std::size_t>(array.size()));
}

QByteArray array(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

class TestScramble : public QObject {
    Q_OBJECT

private slots:
    void scramble_data();
    void scramble();
    void unscramble_data();
    void unscramble();
    void everyCodeUpTo170SurvivesTheRoundTrip();
    void datesSurviveTheRoundTrip_data();
    void datesSurviveTheRoundTrip();
    void malformedInputOfAMegabyte();

    void codePageCharacters_data();
    void codePageCharacters();
    void everyCodeComesBack();
    void charactersWithoutACode_data();
    void charactersWithoutACode();
};

void TestScramble::scramble_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("abc -> 182 183 184") << QByteArray("abc") << QByteArray("\xC2\xB6\xC2\xB7\xC2\xB8");
    QTest::newRow("Duration starts with the trade mark sign")
        << QByteArray("Duration") << QByteArray("\xE2\x84\xA2\xC3\x8A\xC3\x87\xC2\xB6\xC3\x89\xC2\xBE\xC3\x84\xC3\x83");
    QTest::newRow("12/6/2026") << QByteArray("12/6/2026")
                               << QByteArray("\xE2\x80\xA0\xE2\x80\xA1\xE2\x80\x9E\xE2\x80\xB9\xE2\x80\x9E"
                                             "\xE2\x80\xA1\xE2\x80\xA6\xE2\x80\xA1\xE2\x80\xB9");
    QTest::newRow("code 0 -> U") << QByteArray("\0", 1) << QByteArray("U");
    QTest::newRow("code 170 -> 255") << QByteArray("\xC2\xAA") << QByteArray("\xC3\xBF");
    QTest::newRow("code 171 dropped") << QByteArray("\xC2\xAB") << QByteArray();
    QTest::newRow("e acute (233) dropped inside a word")
        << QByteArray("caf\xC3\xA9s") << QByteArray("\xC2\xB8\xC2\xB6\xC2\xBB\xC3\x88");
    QTest::newRow("euro sign is 128 -> O tilde") << QByteArray("\xE2\x82\xAC") << QByteArray("\xC3\x95");
    QTest::newRow("trade mark sign is 153 -> i circumflex") << QByteArray("\xE2\x84\xA2") << QByteArray("\xC3\xAE");
    QTest::newRow("undefined code 0x81 -> 214") << QByteArray("\xC2\x81") << QByteArray("\xC3\x96");
    QTest::newRow("U+0080 has no code: counts as ?") << QByteArray("\xC2\x80") << QByteArray("\xE2\x80\x9D");
    QTest::newRow("Cyrillic has no code: counts as ?") << QByteArray("\xD0\xB6") << QByteArray("\xE2\x80\x9D");
    QTest::newRow("emoji has no code: counts as ?") << QByteArray("\xF0\x9F\x98\x80") << QByteArray("\xE2\x80\x9D");
    QTest::newRow("stray byte FF: ?, then the rest") << QByteArray("a\xFF"
                                                                   "b")
                                                     << QByteArray("\xC2\xB6\xE2\x80\x9D\xC2\xB7");
    QTest::newRow("lone continuation byte") << QByteArray("\x80") << QByteArray("\xE2\x80\x9D");
    QTest::newRow("euro cut short at the end: one ?") << QByteArray("\xE2\x82") << QByteArray("\xE2\x80\x9D");
    QTest::newRow("euro cut short before a letter: ?, then the letter") << QByteArray("\xE2\x82"
                                                                                      "a")
                                                                        << QByteArray("\xE2\x80\x9D\xC2\xB6");
    QTest::newRow("overlong slash: two ?") << QByteArray("\xC0\xAF") << QByteArray("\xE2\x80\x9D\xE2\x80\x9D");
    QTest::newRow("encoded surrogate: three ?")
        << QByteArray("\xED\xA0\x80") << QByteArray("\xE2\x80\x9D\xE2\x80\x9D\xE2\x80\x9D");
    QTest::newRow("beyond U+10FFFF: four ?")
        << QByteArray("\xF4\x90\x80\x80") << QByteArray("\xE2\x80\x9D\xE2\x80\x9D\xE2\x80\x9D\xE2\x80\x9D");
}

void TestScramble::scramble() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(array(modHelp::ScrambleText(bytes(text))), expected);
}

void TestScramble::unscramble_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("182 183 184 -> abc") << QByteArray("\xC2\xB6\xC2\xB7\xC2\xB8") << QByteArray("abc");
    QTest::newRow("back to Duration") << QByteArray(
                                             "\xE2\x84\xA2\xC3\x8A\xC3\x87\xC2\xB6\xC3\x89\xC2\xBE\xC3\x84\xC3\x83")
                                      << QByteArray("Duration");
    QTest::newRow("code 84 dropped") << QByteArray("T") << QByteArray();
    QTest::newRow("code 85 -> code 0") << QByteArray("U") << QByteArray("\0", 1);
    QTest::newRow("codes 97 to 99 -> control characters") << QByteArray("abc") << QByteArray("\x0C\x0D\x0E");
    QTest::newRow("mixed: low codes dropped, order kept") << QByteArray("A\xC2\xB6"
                                                                        "B\xC2\xB7")
                                                          << QByteArray("ab");
    QTest::newRow("code 255 -> 170") << QByteArray("\xC3\xBF") << QByteArray("\xC2\xAA");
    QTest::newRow("O tilde -> euro sign") << QByteArray("\xC3\x95") << QByteArray("\xE2\x82\xAC");
    QTest::newRow("right double quotation mark -> ?") << QByteArray("\xE2\x80\x9D") << QByteArray("?");
    QTest::newRow("character without a code counts as 63: dropped") << QByteArray("\xD0\xB6") << QByteArray();
    QTest::newRow("malformed byte counts as 63: dropped") << QByteArray("\xFF") << QByteArray();
}

void TestScramble::unscramble() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(array(modHelp::UnscrambleText(bytes(text))), expected);
}

void TestScramble::everyCodeUpTo170SurvivesTheRoundTrip() {
    for (int code = 0; code <= 170; ++code) {
        const std::string text = Cp1252Text({static_cast<unsigned char>(code)});
        const std::string scrambled = modHelp::ScrambleText(text);
        const std::vector<unsigned char> scrambledCodes = Cp1252Codes(scrambled);
        QVERIFY2(scrambledCodes == std::vector<unsigned char>{static_cast<unsigned char>(code + 85)},
                 qPrintable(QStringLiteral("code %1 was not raised by 85").arg(code)));
        QVERIFY2(modHelp::UnscrambleText(scrambled) == text,
                 qPrintable(QStringLiteral("code %1 did not come back").arg(code)));
    }
}

void TestScramble::datesSurviveTheRoundTrip_data() {
    QTest::addColumn<QString>("date");
    QTest::newRow("US") << QStringLiteral("12/6/2026");
    QTest::newRow("German") << QStringLiteral("06.12.2026");
    QTest::newRow("Japanese") << QStringLiteral("2026/12/06");
    QTest::newRow("Korean, with blanks") << QStringLiteral("2026. 12. 6.");
    QTest::newRow("C locale, month name") << QStringLiteral("6 Dec 2026");
}

void TestScramble::datesSurviveTheRoundTrip() {
    QFETCH(QString, date);
    const std::string text = date.toStdString();
    const std::string scrambled = modHelp::ScrambleText(text);
    QCOMPARE(Cp1252Codes(scrambled).size(), text.size()); // nothing dropped on the way
    QCOMPARE(QString::fromStdString(modHelp::UnscrambleText(scrambled)), date);
}

void TestScramble::malformedInputOfAMegabyte() {
    const std::string junk(1 << 20, '\xFF');
    const std::string scrambled = modHelp::ScrambleText(junk);
    // One "?" (148, three bytes in UTF-8) for every stray byte.
    QCOMPARE(scrambled.size(), junk.size() * 3);
    QCOMPARE(scrambled.substr(0, 3), std::string("\xE2\x80\x9D"));
    QVERIFY(modHelp::UnscrambleText(junk).empty());
}

void TestScramble::codePageCharacters_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<uint>("character");
    QTest::addColumn<QByteArray>("utf8");
    QTest::newRow("0x00") << 0x00 << 0x0000u << QByteArray("\0", 1);
    QTest::newRow("0x7F") << 0x7F << 0x007Fu << QByteArray("\x7F");
    QTest::newRow("0x80 euro") << 0x80 << 0x20ACu << QByteArray("\xE2\x82\xAC");
    QTest::newRow("0x81 undefined") << 0x81 << 0x0081u << QByteArray("\xC2\x81");
    QTest::newRow("0x82") << 0x82 << 0x201Au << QByteArray("\xE2\x80\x9A");
    QTest::newRow("0x83") << 0x83 << 0x0192u << QByteArray("\xC6\x92");
    QTest::newRow("0x8A") << 0x8A << 0x0160u << QByteArray("\xC5\xA0");
    QTest::newRow("0x8C") << 0x8C << 0x0152u << QByteArray("\xC5\x92");
    QTest::newRow("0x8D undefined") << 0x8D << 0x008Du << QByteArray("\xC2\x8D");
    QTest::newRow("0x8E") << 0x8E << 0x017Du << QByteArray("\xC5\xBD");
    QTest::newRow("0x8F undefined") << 0x8F << 0x008Fu << QByteArray("\xC2\x8F");
    QTest::newRow("0x90 undefined") << 0x90 << 0x0090u << QByteArray("\xC2\x90");
    QTest::newRow("0x91") << 0x91 << 0x2018u << QByteArray("\xE2\x80\x98");
    QTest::newRow("0x94") << 0x94 << 0x201Du << QByteArray("\xE2\x80\x9D");
    QTest::newRow("0x96") << 0x96 << 0x2013u << QByteArray("\xE2\x80\x93");
    QTest::newRow("0x98") << 0x98 << 0x02DCu << QByteArray("\xCB\x9C");
    QTest::newRow("0x99 trade mark") << 0x99 << 0x2122u << QByteArray("\xE2\x84\xA2");
    QTest::newRow("0x9B") << 0x9B << 0x203Au << QByteArray("\xE2\x80\xBA");
    QTest::newRow("0x9D undefined") << 0x9D << 0x009Du << QByteArray("\xC2\x9D");
    QTest::newRow("0x9F") << 0x9F << 0x0178u << QByteArray("\xC5\xB8");
    QTest::newRow("0xA0") << 0xA0 << 0x00A0u << QByteArray("\xC2\xA0");
    QTest::newRow("0xE9") << 0xE9 << 0x00E9u << QByteArray("\xC3\xA9");
    QTest::newRow("0xFF") << 0xFF << 0x00FFu << QByteArray("\xC3\xBF");
}

void TestScramble::codePageCharacters() {
    QFETCH(int, code);
    QFETCH(uint, character);
    QFETCH(QByteArray, utf8);
    const auto byte = static_cast<unsigned char>(code);
    QCOMPARE(static_cast<uint>(Cp1252Character(byte)), character);
    QCOMPARE(static_cast<int>(Cp1252Code(static_cast<char32_t>(character))), code);
    QCOMPARE(array(Cp1252Text({byte})), utf8);
    QCOMPARE(Cp1252Codes(bytes(utf8)), std::vector<unsigned char>{byte});
}

void TestScramble::everyCodeComesBack() {
    std::vector<unsigned char> all;
    for (int code = 0; code <= 255; ++code) {
        const auto byte = static_cast<unsigned char>(code);
        QVERIFY2(Cp1252Code(Cp1252Character(byte)) == byte, qPrintable(QStringLiteral("code %1").arg(code)));
        all.push_back(byte);
    }
    QCOMPARE(Cp1252Codes(Cp1252Text(all)), all);
}

void TestScramble::charactersWithoutACode_data() {
    QTest::addColumn<uint>("character");
    QTest::newRow("U+0080") << 0x0080u;
    QTest::newRow("U+009E") << 0x009Eu;
    QTest::newRow("U+0100") << 0x0100u;
    QTest::newRow("U+0436 Cyrillic") << 0x0436u;
    QTest::newRow("U+D800 surrogate") << 0xD800u;
    QTest::newRow("U+FFFD replacement") << 0xFFFDu;
    QTest::newRow("U+1F600 emoji") << 0x1F600u;
    QTest::newRow("beyond U+10FFFF") << 0x110000u;
}

void TestScramble::charactersWithoutACode() {
    QFETCH(uint, character);
    QCOMPARE(static_cast<int>(Cp1252Code(static_cast<char32_t>(character))), 63);
}

QTEST_APPLESS_MAIN(TestScramble)
#include "tst_scramble.moc"
