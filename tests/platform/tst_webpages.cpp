// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The addresses behind the menus, link labels and the update reminder.

#include "app/Services.h"
#include "app/modHelp.h"

#include "fakes/FakeServices.h"

#include <QTest>

#include <string>

using namespace orbelle;
using namespace orbelle::fakes;

namespace {

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

} // namespace

class TestWebPages : public QObject {
    Q_OBJECT

private slots:
    void hostIsTheConfiguredOne();
    void address_data();
    void address();
    void everyPageKeyIsListed();
};

void TestWebPages::hostIsTheConfiguredOne() {
    QCOMPARE(text(modHelp::WebHost), QStringLiteral(CONFIGURED_WEB_HOST));
}

void TestWebPages::address_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    const QString prefix = QStringLiteral("http://" CONFIGURED_WEB_HOST "/orbelle/ssd.php?page=");
    QTest::newRow("help-web-page") << text(modHelp::HelpWebPage) << prefix + QStringLiteral("help-web-page");
    QTest::newRow("home-page") << text(modHelp::HomePage) << prefix + QStringLiteral("home-page");
    QTest::newRow("download-web-page") << text(modHelp::DownloadWebPage)
                                       << prefix + QStringLiteral("download-web-page");
    QTest::newRow("donate") << text(modHelp::DonatePage) << prefix + QStringLiteral("donate");
    QTest::newRow("fully-branded") << text(modHelp::FullyBrandedPage) << prefix + QStringLiteral("fully-branded");
    QTest::newRow("co-brand") << text(modHelp::CoBrandPage) << prefix + QStringLiteral("co-brand");
}

void TestWebPages::address() {
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const std::string pageKey = key.toStdString();
    QCOMPARE(QString::fromStdString(modHelp::WebPageAddress(pageKey)), expected);

    FakeServices fake;
    modHelp::OpenWebPage(fake.services, pageKey);
    QCOMPARE(fake.shell.opened.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(fake.shell.opened.front()), expected);
    // Opening a page touches nothing else.
    QVERIFY(fake.messageBox.shown.empty());
    QCOMPARE(fake.settings.reads + fake.settings.writes, 0);
}

void TestWebPages::everyPageKeyIsListed() {
    QStringList keys;
    for (const std::string_view key : modHelp::PageKeys)
        keys << text(key);
    QCOMPARE(keys, QStringList({QStringLiteral("help-web-page"), QStringLiteral("home-page"),
                                QStringLiteral("download-web-page"), QStringLiteral("donate"),
                                QStringLiteral("fully-branded"), QStringLiteral("co-brand")}));
}

QTEST_APPLESS_MAIN(TestWebPages)
#include "tst_webpages.moc"
