// The About box's system-information launcher: which program it starts, and what it says when none will.
#include "Rows.h"
#include "info.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
// A pretend system: finds the programs in `installed` under /bin/, refuses to start those in `broken`.
struct FakeSystem
{
    QStringList installed, broken, attempts, messages;

    InfoServices services()
    {
        return {[this](const QString &name) { return installed.contains(name) ? "/bin/" + name : QString(); },
                [this](const QString &path, const QStringList &arguments) {
                    attempts << path + (arguments.isEmpty() ? QString() : u':' + arguments.join(u':'));
                    return !broken.contains(path.mid(5));
                },
                [this](QWidget *, const QString &text) { messages << text; }};
    }
};

// Each of the names, put under `folder`.
QStringList under(const QString &folder, const QString &names)
{
    QStringList paths;
    for (const QString &name : names.split(u' ', Qt::SkipEmptyParts))
        paths << folder + name;
    return paths;
}
} // namespace

class TestAbout : public QObject
{
    Q_OBJECT
private slots:
    // Which programs are installed, which of them will not start, which were tried in turn, and whether
    // the box says that none could be started.
    void startSysInfo_data() { addRows("about_sysinfo", {"installed", "broken", "attempts", "started"}); }
    void startSysInfo()
    {
        FakeSystem system{under({}, cell("installed")), under({}, cell("broken"))};
        info box(system.services());
        const bool started = cell("started") == "yes";
        QCOMPARE(box.StartSysInfo(), started);
        QCOMPARE(system.attempts, under(QStringLiteral("/bin/"), cell("attempts")));
        QCOMPARE(system.messages, started ? QStringList() : QStringList{QStringLiteral(
                                      "Les informations système ne sont pas disponibles actuellement")});
    }

    // The real lookup and start: a stand-in tool on a PATH of its own leaves a mark when started.
    void startsToolFoundOnPath()
    {
        QTemporaryDir dir;
        QFile tool(dir.filePath("xfce4-about"));
        QVERIFY(tool.open(QIODevice::WriteOnly) && tool.write("#!/bin/sh\necho \"$@\" > \"$0.ran\"\n") > 0);
        tool.close();
        QVERIFY(tool.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir.path()));
        InfoServices services = systemInfoServices();
        services.showMessage = {};
        const bool started = info(services).StartSysInfo();
        qputenv("PATH", path);
        QVERIFY(started);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(tool.fileName() + ".ran"), 10000);
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
