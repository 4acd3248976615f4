// The About box's system-information launcher: which program it starts, and what it says when none will.
#include "Rows.h"
#include "info.h"

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
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
