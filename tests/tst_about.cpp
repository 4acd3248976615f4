// The About box's system-information launcher: which program it starts, and what it says when none will.
#include "AboutText.h"
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

// "last 2 4": the last and the programs at 2 and 4 of the list of stand-ins.
QStringList pick(const QString &indexes, const QString &prefix = {})
{
    QStringList names;
    for (const QString &i : indexes.split(u' ', Qt::SkipEmptyParts))
        names << prefix + systemInfoPrograms().at(i == "last" ? systemInfoPrograms().size() - 1 : i.toInt());
    return names;
}
} // namespace

class TestAbout : public QObject
{
    Q_OBJECT
private slots:
    // Indexes into the list of stand-in programs: which are installed, which will not start, which were tried.
    void startSysInfo_data() { addRows("about_sysinfo", {"installed", "broken", "attempts"}); }
    void startSysInfo()
    {
        QFETCH(QString, broken);
        QFETCH(QString, attempts);
        FakeSystem system{pick(cell("installed")), pick(broken)};
        info box(system.services());
        const bool started = !attempts.isEmpty() && !broken.endsWith(attempts.section(u' ', -1));
        QCOMPARE(box.StartSysInfo(), started);
        QCOMPARE(system.attempts, pick(attempts, QStringLiteral("/bin/")));
        QCOMPARE(system.messages, started ? QStringList() : QStringList{QStringLiteral(
                                      "Les informations système ne sont pas disponibles actuellement")});
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
