// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every learn value shows whole in its fixed box: each topic and attribute is walked
// through the real learn screen with the installed fonts, and a value that would need
// the scroll bar fails, named by its record.

#include "AppFixture.h"

#include "knowledge/Captions.h"
#include "knowledge/Tables.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>

using namespace orbelle;
using namespace orbelle::fakes;
using namespace orbelle::modLearnAstrology;

class TestValueFit : public QObject {
    Q_OBJECT

private slots:
    void everyValueFits_data();
    void everyValueFits();
};

void TestValueFit::everyValueFits_data() {
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<int>("records");
    int values = 0;
    for (const Topic topic : {Topic::Signs, Topic::Planets, Topic::Houses}) {
        const QString caption = QString::fromUtf8(TopicCaptions(Mode::Learn)[std::size_t(topic)]);
        for (const std::string_view attribute : AttributeCaptions(topic)) {
            const QString name = QString::fromUtf8(attribute);
            QTest::addRow("%s/%s", qPrintable(caption), qPrintable(name)) << caption << name << RecordCount(topic);
            values += RecordCount(topic);
        }
    }
    // A table that lost a column would otherwise pass by walking less.
    if (values != 356)
        qFatal("the learn screen shows %d values, not 356", values);
}

void TestValueFit::everyValueFits() {
    QFETCH(QString, topic);
    QFETCH(QString, attribute);
    QFETCH(int, records);
    AppFixture app;
    app::frmMain& window = app.open();
    pickEntry(named<QComboBox>(&window, "cboLearnOptionMain"), topic);
    pickEntry(named<QComboBox>(&window, "cboLearnOptionSub"), attribute);
    app.pressNext();
    auto* value = named<QPlainTextEdit>(&window, "lblLabel_3");
    auto* title = named<QLabel>(&window, "lblLabel_2");
    auto* next = named<QPushButton>(&window, "cmdNextDesc");

    QStringList overflowing;
    for (int record = 0; record < records; ++record) {
        if (record > 0)
            QTest::mouseClick(next, Qt::LeftButton);
        // The scroll bar's range counts the lines that do not fit; a line cut in half counts.
        if (const int hidden = value->verticalScrollBar()->maximum(); hidden > 0)
            overflowing << QStringLiteral("%1 (%2 line(s) too many)").arg(title->text()).arg(hidden);
    }
    QVERIFY2(app.messageBox.shown.empty(), "the walk ended early");
    QVERIFY2(overflowing.isEmpty(), qPrintable(QStringLiteral("needs the scroll bar: ") + overflowing.join(", ")));
}

QTEST_MAIN(TestValueFit)
#include "tst_valuefit.moc"
