// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Looking up a record's glyph: positions count from 1, houses have none.

#include "knowledge/Pictures.h"
#include "knowledge/Tables.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace orbelle::modLearnAstrology;

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void pictureFor_data();
    void pictureFor();
    void listsDeclareTheirSizes();
    void positionsOutsideAListHaveNoPicture();
    void descriptionsTellTheShapeWithoutTheName();
};

void TestPictures::pictureFor_data() {
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    QTest::newRow("Aries is sign picture 1") << int(Topic::Signs) << 0 << ":/glyphs/signs/01aries.png" << QSize(40, 36);
    QTest::newRow("Leo") << int(Topic::Signs) << 4 << ":/glyphs/signs/05leo.png" << QSize(40, 36);
    QTest::newRow("Pisces is sign picture 12")
        << int(Topic::Signs) << 11 << ":/glyphs/signs/12pisces.png" << QSize(40, 36);
    QTest::newRow("Sun") << int(Topic::Planets) << 0 << ":/glyphs/planets/01sun.png" << QSize(40, 41);
    QTest::newRow("Moon") << int(Topic::Planets) << 1 << ":/glyphs/planets/02moon.png" << QSize(39, 53);
    QTest::newRow("Jupiter is planet picture 3")
        << int(Topic::Planets) << 2 << ":/glyphs/planets/03jupiter.png" << QSize(36, 33);
    QTest::newRow("Mercury") << int(Topic::Planets) << 3 << ":/glyphs/planets/04mercury.png" << QSize(36, 33);
    QTest::newRow("Venus") << int(Topic::Planets) << 4 << ":/glyphs/planets/05venus.png" << QSize(30, 30);
    QTest::newRow("Mars") << int(Topic::Planets) << 5 << ":/glyphs/planets/06mars.png" << QSize(36, 33);
    QTest::newRow("Saturn") << int(Topic::Planets) << 6 << ":/glyphs/planets/07saturn.png" << QSize(36, 33);
    QTest::newRow("Uranus") << int(Topic::Planets) << 7 << ":/glyphs/planets/08uranus.png" << QSize(30, 30);
    QTest::newRow("Neptune") << int(Topic::Planets) << 8 << ":/glyphs/planets/09neptune.png" << QSize(30, 30);
    QTest::newRow("Pluto") << int(Topic::Planets) << 9 << ":/glyphs/planets/10pluto.png" << QSize(30, 30);
}

void TestPictures::pictureFor() {
    QFETCH(int, topic);
    QFETCH(int, record);
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    const Picture* picture = PictureFor(Topic(topic), record);
    QVERIFY(picture);
    QCOMPARE(QString::fromUtf8(picture->resource.data(), qsizetype(picture->resource.size())), resource);
    QCOMPARE(QSize(picture->width, picture->height), size);
}

void TestPictures::listsDeclareTheirSizes() {
    QCOMPARE(imgSign().size(), std::size_t(12));
    QCOMPARE(imgPlanet().size(), std::size_t(10));
    for (int record = 0; record < 12; ++record)
        QVERIFY2(!PictureFor(Topic::Houses, record), "houses have no picture");
}

void TestPictures::positionsOutsideAListHaveNoPicture() {
    QVERIFY(!ImageAt(imgSign(), 0));
    QVERIFY(!ImageAt(imgSign(), 13));
    QVERIFY(ImageAt(imgSign(), 12));
    QVERIFY(!ImageAt(imgPlanet(), 11));
    QVERIFY(!PictureFor(Topic::Planets, 10));
    QVERIFY(!PictureFor(Topic::Signs, -1));
}

void TestPictures::descriptionsTellTheShapeWithoutTheName() {
    // A listener learns the glyph from its description, so it may not give the answer away.
    QStringList names;
    for (Topic topic : {Topic::Signs, Topic::Planets}) {
        FillTopicTable(topic);
        for (int record = 0; record < RecordCount(topic); ++record)
            names << QString::fromStdString(RecordTitle(topic, record));
    }
    QCOMPARE(names.size(), 22);
    QSet<QString> seen;
    for (std::span<const Picture> list : {imgSign(), imgPlanet()}) {
        for (const Picture& picture : list) {
            const QString description =
                QString::fromUtf8(picture.description.data(), qsizetype(picture.description.size()));
            const qsizetype words = description.split(QLatin1Char(' '), Qt::SkipEmptyParts).size();
            QVERIFY2(words >= 6 && words <= 15, qPrintable(description));
            QVERIFY2(description.endsWith(QLatin1Char('.')), qPrintable(description));
            for (const QString& name : names) {
                const QRegularExpression word(QStringLiteral("\\b%1\\b").arg(name),
                                              QRegularExpression::CaseInsensitiveOption);
                QVERIFY2(!description.contains(word), qPrintable(name + QStringLiteral(": ") + description));
            }
            QVERIFY2(!seen.contains(description), qPrintable(description));
            seen.insert(description);
        }
    }
    QCOMPARE(seen.size(), 22);
}

QTEST_APPLESS_MAIN(TestPictures)
#include "tst_pictures.moc"
