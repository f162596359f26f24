// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Long use in a short time: whole tests and learn walks back to back through the real
// main window, with the program's own random source, answered and stepped by clicks
// and keys. Every test and walk must come out right, and after the first hundred
// rounds the window must stop growing: as many objects and widgets after the last
// hundred as after the first, and no more heap in use beyond a small allowance.
//   tst_soak [-rounds N] [Qt Test options]    (default: 500 tests and 500 walks)

#include "app/Services.h"
#include "app/frmMain.h"
#include "platform/Mt19937Random.h"

#include "app/Named.h"
#include "fakes/FakePlatform.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define ORBELLE_SOAK_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORBELLE_SOAK_ASAN 1
#endif
#endif

// The sanitizer's allocator keeps freed blocks in quarantine, which the process's
// figures would count as used; it tells the bytes still allocated itself. (GCC ships
// the function without its header.)
#ifdef ORBELLE_SOAK_ASAN
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

using namespace orbelle;
using namespace orbelle::fakes;

namespace {

constexpr int DefaultRounds = 500;
constexpr int RoundsPerCheck = 100;
// Caches that fill on first use (glyph pictures, font glyphs, style pixmaps) are full
// after the first hundred rounds; what a round leaves behind is not. A report with its
// working copies takes a kilobyte or more, so keeping one a round goes past this
// within the four hundred rounds that are compared.
constexpr long long HeapAllowanceBytes = 256 * 1024;
// Qt's text caches then fill and empty in a saw tooth some 300 KB high, a cycle every
// twenty or thirty rounds, at a pace set by the texts on show. One reading lands
// anywhere on a tooth; the lowest of the last fifty rounds' readings stands on the
// floor, which is what something kept every round raises.
constexpr std::ptrdiff_t FloorRounds = 50;

// Records per topic: signs, planets, houses.
constexpr int RecordCount[3] = {12, 10, 12};

struct Snapshot {
    int round = 0;
    qsizetype objects = 0;   // the main window and everything in it
    qsizetype widgets = 0;   // every widget of the application
    qsizetype topLevels = 0; // windows, shown or not
    long long heapBytes = 0; // allocated and not yet freed, the floor of the last rounds
    long long residentKiB = 0;
    double seconds = 0;
};

long long residentKiB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    if (fields.size() < 2)
        return 0;
    return fields[1].toLongLong() * (sysconf(_SC_PAGESIZE) / 1024);
}

long long heapInUse() {
#ifdef ORBELLE_SOAK_ASAN
    return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
#else
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
#endif
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

public:
    explicit TestSoak(int rounds)
        : m_rounds(rounds) {}

private slots:
    void init();
    void cleanup();
    void testsAndWalksLeaveNothingBehind();

private:
    // Seams: scripted where they would reach outside the process, the real random
    // source for the questions.
    FakeMessageBox m_messageBox;
    FakeClipboard m_clipboard;
    FakeShell m_shell;
    FakeSettingsStore m_settings;
    FakeClock m_clock;
    platform::Mt19937Random m_random{20260611u};
    app::Services m_services{m_messageBox, m_clipboard, m_shell, m_settings, m_clock, m_random, "Orbelle", [] {}};
    std::unique_ptr<app::frmMain> m_window;
    app::frmMain* w = nullptr;

    // The soak's own choices (topic, attribute, answer, how to answer), apart from the
    // program's draws, so that a failing round can be replayed from its seed.
    std::mt19937 m_choices{7u};
    int m_rounds = DefaultRounds;

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_choices); }
    template <typename T = QWidget> T* find(const QString& name) const { return named<T>(w, name); }
    template <typename T = QWidget> T* find(const QString& name, int index) const { return named<T>(w, name, index); }
    QWidget* currentScreen() const { return find<QStackedWidget>("screens")->currentWidget(); }
    void pick(QComboBox* list, int index);
    void wholeTest(int round);
    void learnWalk(int round);
    Snapshot snapshot(int round, long long heapFloor, const QElapsedTimer& clock) const;
};

void TestSoak::init() {
    m_window = std::make_unique<app::frmMain>(m_services);
    w = m_window.get();
    w->show();
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowExposed(w));
}

void TestSoak::cleanup() {
    // Deleted without closing: closing would open the exit screen, which ends the process.
    m_window.reset();
    w = nullptr;
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Steps a closed list to an entry with the arrow keys, as a person picks one.
void TestSoak::pick(QComboBox* list, int index) {
    QVERIFY(index >= 0 && index < list->count());
    list->setFocus();
    while (list->currentIndex() < index)
        QTest::keyClick(list, Qt::Key_Down);
    while (list->currentIndex() > index)
        QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(list->currentIndex(), index);
}

void TestSoak::wholeTest(int round) {
    QWidget* welcome = find("Frame1");
    auto* topics = find<QComboBox>("cboTestOptionMain");
    auto* attributes = find<QComboBox>("cboTestOptionSub");
    QTest::mouseClick(find<QRadioButton>("optOption", 1), Qt::LeftButton);
    QVERIFY(topics->isEnabled());
    const int topic = below(3);
    pick(topics, topic);
    pick(attributes, below(int(attributes->count())));
    const QString topicCaption = topics->currentText();
    const QString attributeCaption = attributes->currentText();
    QTest::mouseClick(find<QPushButton>("cmdNext"), Qt::LeftButton);
    QWidget* test = find("Frame3");

    const int questions = RecordCount[topic];
    int right = 0;
    for (int q = 0; q < questions; ++q) {
        QVERIFY2(currentScreen() == test, qPrintable(QString("round %1, question %2").arg(round).arg(q)));
        QCOMPARE(w->workingState().CurrentIndex, q);
        QVERIFY(!find<QLabel>("lblTest", 2)->text().isEmpty());
        const int choice = below(5);
        switch (below(3)) {
        case 0:
            QTest::mouseClick(find<QRadioButton>("optAnswer_Choice", choice), Qt::LeftButton);
            break;
        case 1:
            QTest::mouseClick(find<QPlainTextEdit>("txtAnswer_Choice", choice)->viewport(), Qt::LeftButton, {},
                              QPoint(20, 8));
            break;
        default:
            QTest::keyClick(w, Qt::Key(Qt::Key_1 + choice));
            break;
        }
        QVERIFY2(find<QRadioButton>("optAnswer_Choice", choice)->isChecked(),
                 qPrintable(QString("round %1, question %2, choice %3").arg(round).arg(q).arg(choice)));
        const std::string answer = find<QRadioButton>("optAnswer_Choice", choice)->text().toStdString();
        right += answer == w->workingState().CorrectAnswers[std::size_t(q)] ? 1 : 0;
        QTest::mouseClick(find<QPushButton>("cmdNextQuestion"), Qt::LeftButton);
    }

    QCOMPARE(currentScreen(), find("Frame4"));
    auto* box = find<QTextEdit>("RTB");
    const QString report = box->toPlainText();
    QVERIFY2(report.startsWith(QString("Orbelle Result\n\n%1 - %2\n\n").arg(topicCaption, attributeCaption)),
             qPrintable(QString("round %1: %2").arg(round).arg(report.left(80))));
    QCOMPARE(report.count(QStringLiteral("Orbelle Result")), 1);
    QCOMPARE(report.count(QStringLiteral("Question: ")), questions);
    QVERIFY2(report.endsWith(QString("%1 Correct out of %2 Questions").arg(right).arg(questions)),
             qPrintable(QString("round %1: %2").arg(round).arg(report.right(40))));
    // The box holds this report and nothing else.
    QCOMPARE(box->document()->characterCount(), report.size() + 1);

    QTest::mouseClick(find<QPushButton>("cmdBackToMain_1"), Qt::LeftButton);
    QCOMPARE(currentScreen(), welcome);
    QVERIFY(w->workingState().UserAnswers.empty());
}

void TestSoak::learnWalk(int round) {
    QWidget* welcome = find("Frame1");
    auto* topics = find<QComboBox>("cboLearnOptionMain");
    auto* attributes = find<QComboBox>("cboLearnOptionSub");
    QTest::mouseClick(find<QRadioButton>("optOption", 0), Qt::LeftButton);
    QVERIFY(topics->isEnabled());
    const int topic = below(3);
    pick(topics, topic);
    pick(attributes, below(int(attributes->count())));
    QTest::mouseClick(find<QPushButton>("cmdNext"), Qt::LeftButton);
    QCOMPARE(currentScreen(), find("Frame2"));

    // Next until the program says that the last record is on show.
    m_messageBox.shown.clear();
    int steps = 0;
    while (m_messageBox.shown.empty() && steps <= RecordCount[topic]) {
        QVERIFY(!find<QLabel>("lblLabel", 2)->text().isEmpty());
        QTest::mouseClick(find<QPushButton>("cmdNextDesc"), Qt::LeftButton);
        ++steps;
    }
    QVERIFY2(steps == RecordCount[topic], qPrintable(QString("round %1: %2 steps").arg(round).arg(steps)));
    QCOMPARE(m_messageBox.shown.size(), std::size_t(1));
    QCOMPARE(m_messageBox.shown[0].text, std::string("You are at the last record"));
    QCOMPARE(w->workingState().CurrentIndex, RecordCount[topic] - 1);
    m_messageBox.shown.clear();

    QTest::mouseClick(find<QPushButton>("cmdBackToMain_0"), Qt::LeftButton);
    QCOMPARE(currentScreen(), welcome);
    QVERIFY(w->workingState().RecordValues.empty());
}

Snapshot TestSoak::snapshot(int round, long long heapFloor, const QElapsedTimer& clock) const {
    Snapshot s;
    s.round = round;
    s.objects = w->findChildren<QObject*>().size();
    s.widgets = QApplication::allWidgets().size();
    s.topLevels = QApplication::topLevelWidgets().size();
    s.heapBytes = heapFloor;
    s.residentKiB = residentKiB();
    s.seconds = double(clock.elapsed()) / 1000.0;
    std::printf("after %4d rounds: %lld objects, %lld widgets, %lld windows, heap %lld KiB, resident %lld KiB, "
                "%.1f s\n",
                s.round, static_cast<long long>(s.objects), static_cast<long long>(s.widgets),
                static_cast<long long>(s.topLevels), s.heapBytes / 1024, s.residentKiB, s.seconds);
    std::fflush(stdout);
    return s;
}

void TestSoak::testsAndWalksLeaveNothingBehind() {
    QElapsedTimer clock;
    clock.start();
    std::vector<Snapshot> checks;
    std::vector<long long> heapAfterRound;
    for (int round = 1; round <= m_rounds; ++round) {
        wholeTest(round);
        if (QTest::currentTestFailed())
            return;
        learnWalk(round);
        if (QTest::currentTestFailed())
            return;
        // Repaint what the round left on show, as the event loop would between clicks.
        // Whatever was handed to the event loop (repaints, deferred deletions) is done
        // before counting, so that nothing waiting to go is counted as kept.
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        heapAfterRound.push_back(heapInUse());
        if (round % RoundsPerCheck == 0 || round == m_rounds) {
            const auto recent = heapAfterRound.end() - std::min(FloorRounds, std::ssize(heapAfterRound));
            checks.push_back(snapshot(round, *std::min_element(recent, heapAfterRound.end()), clock));
        }
    }
    if (checks.size() < 2)
        QSKIP("fewer than two hundred rounds: nothing to compare");

    const Snapshot& first = checks.front();
    const Snapshot& last = checks.back();
    for (const Snapshot& later : checks) {
        QVERIFY2(later.objects == first.objects && later.widgets == first.widgets && later.topLevels == first.topLevels,
                 qPrintable(QString("after %1 rounds: %2 objects, %3 widgets, %4 windows; after %5: %6, %7, %8")
                                .arg(later.round)
                                .arg(later.objects)
                                .arg(later.widgets)
                                .arg(later.topLevels)
                                .arg(first.round)
                                .arg(first.objects)
                                .arg(first.widgets)
                                .arg(first.topLevels)));
    }
    const long long growth = last.heapBytes - first.heapBytes;
    QVERIFY2(growth <= HeapAllowanceBytes,
             qPrintable(QString("the floor of the heap in use grew by %1 bytes from round %2 to round %3")
                            .arg(growth)
                            .arg(first.round)
                            .arg(last.round)));
}

namespace {

// The application as QTEST_MAIN sets it up, with the soak's length on top.
int runSoak(int argc, char** argv, int rounds) {
    QTEST_MAIN_SETUP()
    TestSoak soak(rounds);
    return QTest::qExec(&soak, argc, argv);
}

} // namespace

int main(int argc, char* argv[]) {
    // "-rounds N" is the soak's own; everything else goes to Qt Test.
    int rounds = DefaultRounds;
    std::vector<char*> arguments;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "-rounds") == 0 && i + 1 < argc) {
            rounds = std::atoi(argv[++i]);
            if (rounds < 1) {
                std::fprintf(stderr, "-rounds needs a positive count\n");
                return 2;
            }
            continue;
        }
        arguments.push_back(argv[i]);
    }
    const int count = int(arguments.size());
    arguments.push_back(nullptr);
    return runSoak(count, arguments.data(), rounds);
}

#include "tst_soak.moc"
