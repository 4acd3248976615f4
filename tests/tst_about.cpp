// Tests of the About box: its texts, the system-information launcher, and closing with OK.
#include "AboutText.h"
#include "info.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {
// A pretend system: finds the programs in `installed` under /bin/, refuses to start those in `broken`.
struct FakeSystem
{
    QStringList installed, broken, attempts, messages;

    InfoServices services()
    {
        return {[this](const QString &name) { return installed.contains(name) ? "/bin/" + name : QString(); },
                [this](const QString &path) { attempts << path; return !broken.contains(path.mid(5)); },
                [this](QWidget *, const QString &text) { messages << text; }};
    }
};

QStringList pick(const QList<int> &indexes, const QString &prefix = {})
{
    QStringList names;
    for (int i : indexes)
        names << prefix + systemInfoPrograms().at(i);
    return names;
}
} // namespace

class TestAbout : public QObject
{
    Q_OBJECT
private slots:
    void textsAndOk()
    {
        FakeSystem system;
        QPointer<info> box = new info(system.services());
        QCOMPARE((QStringList{box->windowTitle(), box->lblVersion->text(), box->cmdOK->text(), box->cmdSysInfo->text()}),
                 (QStringList{"À propos de Kalindor", "Version 1.0.0", "OK", "&Infos système..."}));
        QVERIFY2(!box->picIcon->pixmap().isNull(), "the icon picture is missing from the resources");
        QCOMPARE(versionText(QStringLiteral("2.5")), QStringLiteral("Version 2.5.0"));
        box->show();
        QTest::mouseClick(box->cmdOK, Qt::LeftButton);
        QTRY_VERIFY(box.isNull());
    }

    void startSysInfo_data()
    {
        QTest::addColumn<QList<int>>("installed");
        QTest::addColumn<QList<int>>("broken");
        QTest::addColumn<QList<int>>("attempts");
        const int last = int(systemInfoPrograms().size()) - 1;
        QTest::newRow("only later ones installed, earliest wins") << QList<int>{last, 2, 4} << QList<int>{}
                                                                  << QList<int>{2};
        QTest::newRow("nothing installed") << QList<int>{} << QList<int>{} << QList<int>{};
        QTest::newRow("first will not start, next does") << QList<int>{1, 3} << QList<int>{1} << QList<int>{1, 3};
        QTest::newRow("the only one will not start") << QList<int>{1} << QList<int>{1} << QList<int>{1};
    }

    void startSysInfo()
    {
        QFETCH(QList<int>, installed);
        QFETCH(QList<int>, broken);
        QFETCH(QList<int>, attempts);
        FakeSystem system{pick(installed), pick(broken)};
        info box(system.services());
        const bool started = !attempts.isEmpty() && !broken.contains(attempts.last());
        QCOMPARE(box.StartSysInfo(), started);
        QCOMPARE(system.attempts, pick(attempts, QStringLiteral("/bin/")));
        QCOMPARE(system.messages, started ? QStringList() : QStringList{QStringLiteral(
                                      "Les informations système ne sont pas disponibles actuellement")});
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
