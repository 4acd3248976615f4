// Tests of the About box: its texts, the system-information launcher, and closing with OK.
#include "AboutText.h"
#include "info.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {
const QString Unavailable = QStringLiteral("Les informations système ne sont pas disponibles actuellement");

// A pretend system: finds the programs in `installed` under /opt/fake/bin, refuses to start those
// in `broken`, and logs every start attempt and every message.
struct FakeSystem
{
    QStringList installed;
    QStringList broken;
    QStringList attempts;
    QStringList started;
    QStringList messages;

    InfoServices services()
    {
        InfoServices s;
        s.findProgram = [this](const QString &name) {
            return installed.contains(name) ? QStringLiteral("/opt/fake/bin/") + name : QString();
        };
        s.startDetached = [this](const QString &program) {
            attempts << program;
            if (broken.contains(program.section(QLatin1Char('/'), -1)))
                return false;
            started << program;
            return true;
        };
        s.showMessage = [this](QWidget *, const QString &text) { messages << text; };
        return s;
    }
};

QStringList programs(std::initializer_list<int> indexes)
{
    QStringList names;
    for (int i : indexes)
        names << systemInfoPrograms().at(i);
    return names;
}

QStringList paths(std::initializer_list<int> indexes)
{
    QStringList result;
    for (const QString &name : programs(indexes))
        result << QStringLiteral("/opt/fake/bin/") + name;
    return result;
}
} // namespace

class TestAbout : public QObject
{
    Q_OBJECT
private slots:
    void init() { QCoreApplication::setApplicationVersion(QString()); }

    void fixedTexts()
    {
        FakeSystem system;
        info box(system.services());
        QCOMPARE(box.windowTitle(), QStringLiteral("À propos de Kalindor"));
        QCOMPARE(box.cmdOK->text(), QStringLiteral("OK"));
        QCOMPARE(box.cmdSysInfo->text(), QStringLiteral("&Infos système..."));
        QVERIFY(box.lblTitle->text().startsWith(QStringLiteral("Kalindor ")));
        QCOMPARE(box.lblVersion->text(), QStringLiteral("Version 1.0.0"));
        QVERIFY(!box.lblDescription->text().isEmpty());
        QVERIFY(!box.lblDisclaimer->text().isEmpty());
        QVERIFY(!box.Label1->text().isEmpty());
        QVERIFY2(!box.picIcon->pixmap().isNull(), "the icon picture is missing from the resources");
    }

    void versionText_data()
    {
        QTest::addColumn<QString>("applicationVersion");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no version set") << QString() << "Version 1.0.0";
        QTest::newRow("revision missing") << "2.5" << "Version 2.5.0";
        QTest::newRow("build number dropped") << "3.1.4.1" << "Version 3.1.4";
        QTest::newRow("not a version") << "beta" << "Version 1.0.0";
    }

    void versionText()
    {
        QFETCH(QString, applicationVersion);
        QFETCH(QString, expected);
        QCOMPARE(::versionText(applicationVersion), expected);
    }

    void startSysInfo_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("broken");
        QTest::addColumn<QStringList>("attempts");
        QTest::addColumn<bool>("started");

        const int last = int(systemInfoPrograms().size()) - 1;
        QTest::newRow("everything installed, first wins") << systemInfoPrograms() << QStringList() << paths({0}) << true;
        QTest::newRow("only later ones installed, earliest wins") << programs({last, 2, 4}) << QStringList() << paths({2}) << true;
        QTest::newRow("nothing installed") << QStringList() << QStringList() << QStringList() << false;
        QTest::newRow("installed but will not start") << programs({1}) << programs({1}) << paths({1}) << false;
        QTest::newRow("first will not start, next does") << programs({1, 3}) << programs({1}) << paths({1, 3}) << true;
    }

    void startSysInfo()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows asks the registry for its own tool");
#endif
        QFETCH(QStringList, installed);
        QFETCH(QStringList, broken);
        QFETCH(QStringList, attempts);
        QFETCH(bool, started);

        FakeSystem system{installed, broken};
        info box(system.services());
        QCOMPARE(box.StartSysInfo(), started);
        QCOMPARE(system.attempts, attempts);
        QCOMPARE(system.started.size(), started ? 1 : 0);
        if (started)
            QCOMPARE(system.messages, QStringList());
        else
            QCOMPARE(system.messages, QStringList{Unavailable});
    }

    void sysInfoButtonRunsTheLauncher()
    {
        FakeSystem system;
        info box(system.services());
        box.show();
        QTest::mouseClick(box.cmdSysInfo, Qt::LeftButton);
        QCOMPARE(system.messages, QStringList{Unavailable});
        QVERIFY(box.isVisible());
    }

    void okClosesAndDestroysTheBox()
    {
        QWidget mainWindow;
        mainWindow.show();
        FakeSystem system;
        QPointer<info> box = new info(system.services(), &mainWindow);
        box->show();
        QVERIFY(box->isWindow());
        QCOMPARE(box->windowModality(), Qt::NonModal);

        QTest::mouseClick(box->cmdOK, Qt::LeftButton);
        QTRY_VERIFY(box.isNull());
        QVERIFY(mainWindow.isVisible());
        QVERIFY(system.messages.isEmpty());
    }

};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
