// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a person sees. Each row drives the real windows to one state, renders a screen
// on the offscreen platform with the installed fonts and compares it with its
// reference picture in tests/app/references/. A picture that differs beyond
// antialiasing noise fails, and its actual and difference pictures are written beside
// the test log (Testing/Temporary/tst_byeye/ in the build folder).
//   ORBELLE_BYEYE=references (make references): rewrites the references instead;
//   ORBELLE_BYEYE=screenshots (make screenshots): renders the README's pictures.

#include "AppFixture.h"
#include "PictureDiff.h"

#include "knowledge/Captions.h"
#include "knowledge/Tables.h"
#include "platform/qt/QtMessageBox.h"

#include <QAction>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyleHints>
#include <QTimer>

#include <functional>

using namespace orbelle;
using namespace orbelle::fakes;
using namespace orbelle::modLearnAstrology;

namespace {

// A pixel counts as changed when a colour channel moves by more than this; a picture
// fails when more pixels than that change. Antialiasing noise stays below both; a
// control moved by one pixel changes its whole outline or every stroke of its text.
constexpr int ChannelTolerance = 40;
constexpr int PixelTolerance = 6;

enum class Scene { Welcome, Learn, Value, Overflow, Question, Report, About, Exit, Notice };

// The prose columns: their values are paragraphs, each shown alone in the value box.
struct ProseColumn {
    Topic topic;
    const char* topicName; // in the picture's file name
    const char* attribute;
};
const ProseColumn ProseColumns[] = {
    {Topic::Signs, "signs", "Positive Traits"},     {Topic::Signs, "signs", "Negative Traits"},
    {Topic::Planets, "planets", "Positive Traits"}, {Topic::Planets, "planets", "Negative Traits"},
    {Topic::Houses, "houses", "Attributes"},
};

QString fileName(QString text) {
    return text.toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
}

QString learnCaption(Topic topic) {
    return QString::fromUtf8(TopicCaptions(Mode::Learn)[std::size_t(topic)]);
}

// Renders a widget as it stands once the events it posted to itself are handled: a
// scroll area, for one, shows or hides its scroll bar only then.
QImage settledPicture(QWidget* widget) {
    QApplication::processEvents();
    return widget->grab().toImage();
}

// Renders the modal window that `open` shows, then closes it.
QImage grabModal(const std::function<void()>& open) {
    QImage picture;
    QTimer::singleShot(0, [&picture] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            picture = settledPicture(modal);
            modal->close();
        }
    });
    open();
    return picture;
}

} // namespace

class TestByEye : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void looksAsDrawn_data();
    void looksAsDrawn();

private:
    QImage render(Scene scene, const QString& topic, const QString& attribute, int record);
    void learnWalk(const QString& topic, const QString& attribute, int record);
    void testUpTo(const QString& topic, const QString& attribute, int record, bool wholeTest);
    void moveMouseAside();

    AppFixture* m_app = nullptr;
    QString m_mode;
};

void TestByEye::initTestCase() {
    // Only what this machine draws the same way every time: the packaged fonts at 96 dpi,
    // one device pixel per pixel, Qt's own style and a caret that does not blink.
    if (QFontDatabase::families().contains(QStringLiteral("Verdana"), Qt::CaseInsensitive))
        QSKIP("Verdana is installed; the references show DejaVu Sans, which stands in for it");
    const QString standIn = QFontInfo(QFont(QStringLiteral("Verdana"))).family();
    if (standIn != QStringLiteral("DejaVu Sans"))
        QSKIP(
            qPrintable(QStringLiteral("Verdana is drawn with %1 here; the references show DejaVu Sans").arg(standIn)));
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    QCOMPARE(qApp->devicePixelRatio(), 1.0);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    m_mode = qEnvironmentVariable("ORBELLE_BYEYE");
    QVERIFY2(m_mode.isEmpty() || m_mode == "references" || m_mode == "screenshots", qPrintable(m_mode));
}

void TestByEye::looksAsDrawn_data() {
    QTest::addColumn<Scene>("scene");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<int>("record"); // the record on show or asked first
    QTest::addColumn<QString>("screenshot");
    const auto row = [](const char* name, Scene scene, const QString& topic = {}, const QString& attribute = {},
                        int record = 0, const QString& screenshot = {}) {
        QTest::newRow(name) << scene << topic << attribute << record << screenshot;
    };
    row("welcome", Scene::Welcome, {}, {}, 0, "welcome");
    row("learn-leo-lucky-number", Scene::Learn, "Learn By Signs", "Lucky Number", 4, "learn");
    int proseValues = 0;
    for (const auto& [topic, topicName, attribute] : ProseColumns) {
        FillTopicTable(topic);
        for (int record = 0; record < RecordCount(topic); ++record) {
            const QString title = QString::fromStdString(RecordTitle(topic, record));
            const QString name = QStringLiteral("value/%1-%2-%3").arg(topicName, fileName(attribute), fileName(title));
            QTest::newRow(qPrintable(name))
                << Scene::Value << learnCaption(topic) << QString(attribute) << record << QString();
            ++proseValues;
        }
    }
    if (proseValues != 56)
        qFatal("%d prose values, not 56", proseValues);
    // A desktop with a wider font or a larger scale: the paragraph scrolls on the panel's colours.
    row("value-overflow", Scene::Overflow, "Learn By Signs", "Positive Traits", 4);
    row("question-saturn-keywords", Scene::Question, "Test By Planets", "Keywords", 6, "question");
    row("question-leo-positive-traits", Scene::Question, "Test By Signs", "Positive Traits", 4);
    row("report-planets-keywords", Scene::Report, "Test By Planets", "Keywords", 0, "report");
    row("about", Scene::About);
    row("exit", Scene::Exit);
    row("notice-last-record", Scene::Notice);
}

void TestByEye::looksAsDrawn() {
    QFETCH(Scene, scene);
    QFETCH(QString, topic);
    QFETCH(QString, attribute);
    QFETCH(int, record);
    QFETCH(QString, screenshot);
    if (m_mode == "screenshots" && screenshot.isEmpty())
        QSKIP("not a screenshot of the README");

    AppFixture app;
    m_app = &app;
    app.open();
    const QImage actual = render(scene, topic, attribute, record);
    app.closeAll();
    m_app = nullptr;
    QVERIFY(!actual.isNull());

    const QString tag = QString::fromUtf8(QTest::currentDataTag());
    if (m_mode == "screenshots") {
        QVERIFY(saveSmallPng(actual, QStringLiteral(ORBELLE_SCREENSHOT_DIR "/%1.png").arg(screenshot)));
        return;
    }
    const QString referencePath = QStringLiteral(ORBELLE_REFERENCE_DIR "/%1.png").arg(tag);
    const QImage reference(referencePath);
    const PictureDifference difference = comparePictures(actual, reference, 0);
    if (m_mode == "references") {
        if (!difference.sameSize || difference.pixels > 0)
            QVERIFY(saveSmallPng(actual, referencePath));
        return;
    }

    const QString out = QStringLiteral(ORBELLE_BYEYE_OUTPUT_DIR "/%1").arg(tag);
    QFile::remove(out + "-actual.png");
    QFile::remove(out + "-difference.png");
    const PictureDifference seen = comparePictures(actual, reference, ChannelTolerance);
    if (seen.sameSize && seen.pixels <= PixelTolerance)
        return;
    saveSmallPng(actual, out + "-actual.png");
    if (seen.sameSize)
        saveSmallPng(seen.picture, out + "-difference.png");
    QString verdict = QStringLiteral("%1 pixels differ").arg(seen.pixels);
    if (reference.isNull())
        verdict = QStringLiteral("no reference (make references writes one)");
    else if (!seen.sameSize)
        verdict = QStringLiteral("the reference is %1 by %2 pixels").arg(reference.width()).arg(reference.height());
    QFAIL(qPrintable(QStringLiteral("%1; see %2-actual.png").arg(verdict, out)));
}

QImage TestByEye::render(Scene scene, const QString& topic, const QString& attribute, int record) {
    app::frmMain& window = *m_app->window;
    switch (scene) {
    case Scene::Welcome:
        break;
    case Scene::Learn:
        learnWalk(topic, attribute, record);
        break;
    case Scene::Value:
        learnWalk(topic, attribute, record);
        return settledPicture(named(&window, "lblLabel_3"));
    case Scene::Overflow: {
        learnWalk(topic, attribute, record);
        QWidget* value = named(&window, "lblLabel_3");
        QFont wider = value->font();
        wider.setPointSizeF(10);
        value->setFont(wider);
        return settledPicture(value);
    }
    case Scene::Question:
        testUpTo(topic, attribute, record, false);
        break;
    case Scene::Report:
        // The other banner in front, as one start in two shows it.
        m_app->random.push(drawFor(1, 6));
        window.CoBrand_Randomize();
        testUpTo(topic, attribute, record, true);
        break;
    case Scene::About:
        return grabModal([&window] { named<QAction>(&window, "mnuAbout")->trigger(); });
    case Scene::Exit:
        window.close();
        for (QWidget* shown : QApplication::topLevelWidgets()) {
            if (shown->objectName() == "frmExit" && shown->isVisible())
                return settledPicture(shown);
        }
        return {};
    case Scene::Notice:
        return grabModal([] {
            platform::QtMessageBox notice;
            notice.show("You are at the last record", platform::MessageButtons::Ok, app::ProgramTitle);
        });
    }
    moveMouseAside();
    return settledPicture(&window);
}

void TestByEye::learnWalk(const QString& topic, const QString& attribute, int record) {
    app::frmMain& window = *m_app->window;
    pickEntry(named<QComboBox>(&window, "cboLearnOptionMain"), topic);
    pickEntry(named<QComboBox>(&window, "cboLearnOptionSub"), attribute);
    m_app->pressNext();
    for (int step = 0; step < record; ++step)
        QTest::mouseClick(named<QPushButton>(&window, "cmdNextDesc"), Qt::LeftButton);
}

// Asks `record` first and goes on in table order; every question offers records 0 to 4
// with the asked one in place of the first or, every other question, of the second, so
// that the untouched first choice is right on every other answer.
void TestByEye::testUpTo(const QString& topic, const QString& attribute, int record, bool wholeTest) {
    app::frmMain& window = *m_app->window;
    QTest::mouseClick(named<QRadioButton>(&window, "optOption", 1), Qt::LeftButton);
    pickEntry(named<QComboBox>(&window, "cboTestOptionMain"), topic);
    pickEntry(named<QComboBox>(&window, "cboTestOptionSub"), attribute);
    const int questions = RecordCount(TopicFromIndex(named<QComboBox>(&window, "cboTestOptionMain")->currentIndex()));
    for (int q = 0; q < questions; ++q)
        m_app->random.push(drawFor((record + q) % questions, questions - 1));
    for (int q = 0; q < questions; ++q) {
        for (int choice = 0; choice < 5; ++choice)
            m_app->random.push(drawFor(choice, questions - 1));
        m_app->random.push(drawFor(q % 2, 4));
    }
    m_app->pressNext();
    for (int q = 0; wholeTest && q < questions; ++q)
        QTest::mouseClick(named<QPushButton>(&window, "cmdNextQuestion"), Qt::LeftButton);
}

// The last click leaves the pointer over a button, which would draw it hovered.
void TestByEye::moveMouseAside() {
    QTest::mouseMove(m_app->window.get(), QPoint(1, m_app->window->height() - 1));
}

QTEST_MAIN(TestByEye)
#include "tst_byeye.moc"
