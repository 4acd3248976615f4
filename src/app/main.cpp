// Starts Kalindor: the clock window, or one spoken phrase when asked on the command line.
#include "AlarmBook.h"
#include "AlarmList.h"
#include "AlarmRinger.h"
#include "AnnouncementSchedule.h"
#include "ClockEngine.h"
#include "CommandLine.h"
#include "DesktopServices.h"
#include "EndSignals.h"
#include "FileProblemTexts.h"
#include "SoundDevice.h"
#include "HorP.h"
#include "NameSpeech.h"
#include "Notifier.h"
#include "SessionBus.h"
#include "SingleInstance.h"
#include "SoundNotice.h"
#include "SoundQueue.h"
#include "TextNumber.h"

#include <QApplication>
#include <QScopeGuard>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <memory>
#include <optional>

namespace {
// What Qt says while it connects to the display, held back until it is known whether it connected.
QStringList &displayMessages()
{
    static QStringList messages;
    return messages;
}

// Qt ends a program that cannot reach a display by an abort, after a few lines that blame the
// installation; a person needs one line that says what to do instead.
std::unique_ptr<QApplication> openDisplay(int &argc, char **argv)
{
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (type != QtFatalMsg) {
                displayMessages() << qFormatLogMessage(type, context, message);
                return;
            }
            std::fputs("kalindor: cannot open a display; use --say for speech without a window\n", stderr);
            std::_Exit(1);
        });
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const QString &message : std::as_const(displayMessages()))
        QTextStream(stderr) << message << Qt::endl;
    displayMessages().clear();
    return app;
}

// One Kalindor per settings folder: the exit status when this start ends here, nothing when it goes on.
std::optional<int> claimFolder(SingleInstance &instance, const QString &configDir)
{
    QString error;
    switch (instance.claim(std::chrono::seconds(5), &error)) {
    case SingleInstance::Claim::Raised:
        return 0;
    case SingleInstance::Claim::Unreachable:
        QTextStream(stderr) << "kalindor: " << error << Qt::endl;
        return 1;
    case SingleInstance::Claim::Unlocked:
        QTextStream(stderr) << "kalindor: " << error << "; another Kalindor could use the same settings" << Qt::endl;
        break;
    case SingleInstance::Claim::Owner:
        removeStaleTemporaries(configDir);
        break;
    }
    return std::nullopt;
}

bool somethingToSound(const AlarmBook &book, const QDateTime &now)
{
    // From just before this minute: a start within an alarm's own minute still rings it, at the first tick.
    const Zone zone(now);
    const AlarmStates states = alarmStates(book.rows(), minuteStart(now.toMSecsSinceEpoch(), zone) - 1, zone);
    return announcementDue(leadingNumber(book.interval()), u"00")
        || std::any_of(states.begin(), states.end(), [](const AlarmState &state) { return state.kind == AlarmState::Rings; });
}

void complain(const QString &text)
{
    QTextStream(stderr) << "kalindor: " << text << Qt::endl;
}

// The window over the engine, until the program ends; what could not be read is told once it shows.
int runClockWindow(ClockEngine &engine, AlarmBook &book, DesktopNotifier &notifier, SingleInstance &instance, bool hidden,
                   const QList<FileProblem> &unread)
{
    HorPServices services = desktopServices();
    services.sayBeforeEnd = [&notifier](const QString &title, const QString &text) {
        if (!notifier.notifyBeforeEnd({title, text, {}, {}, {}, {}}))
            complain(title + QStringLiteral(". ") + text);
    };
    const auto warn = services.settings.warn;
    HorP mainWindow(engine, book, std::move(services));
    // Closing the window ends Kalindor through its exit button's handler, or hides it while alarms ring on.
    QApplication::setQuitOnLastWindowClosed(false);
    // At logout: nothing to say, the session is going.
    EndSignals endSignals([] { QCoreApplication::exit(0); });
    instance.onRaise = [&mainWindow] { mainWindow.showAgain(); };
    engine.start();
    // At login, as the autostart entry asks, a clock that rings on with its window closed starts in the tray.
    if (!hidden || !keepsRinging(book.soundSettings()))
        mainWindow.show();
    // Told without waiting for the user: the clock and the alarms go on behind the message.
    if (!unread.isEmpty() && warn)
        warn(&mainWindow, QStringLiteral("Kalindor"), loadFailureText(unread, engine.shared().CurrentLanguage));
    const int status = QCoreApplication::exec();
    instance.onRaise = {}; // the window goes with this function
    return status;
}

// The clock for the whole run, and its window: the book, the sound, the engine, then the window.
int runWindow(const Options &options, bool busAnswers)
{
    const QString configDir = settingsFolder(options);
    SingleInstance instance(configDir);
    if (const std::optional<int> status = claimFolder(instance, configDir))
        return *status;
    DesktopNotifier notifier(QStringLiteral("Kalindor"), QStringLiteral("kalindor"));
    std::optional<SoundNotice> soundNotice; // in the engine's language, once there is an engine
    // The device reports from the thread that plays; the notice is given on this one.
    auto device = openOutput(options, [&soundNotice](bool heard) {
        QMetaObject::invokeMethod(QCoreApplication::instance(), [&soundNotice, heard] {
            if (soundNotice)
                soundNotice->soundPlayed(heard);
        }, Qt::QueuedConnection);
    });
    if (!device)
        return 1;
    // Made before the queue, so that it outlives the queue's end, which may read it.
    int status = 0;
    SoundQueue sounds(std::move(device));
    // A thread held in a read that the kernel does not let go (a sound file on a share whose server is
    // gone) ends the process without its destructors (see SoundQueue); it still has the status to leave with.
    sounds.whenStuckAtEnd([&status] { return status; });
    // Once the windows are gone, before the sound thread is waited for: the display is told now (the held
    // thread would keep the connection open), and the folder is given up for a later start.
    const auto letGo = qScopeGuard([&instance] {
        QGuiApplication::sync();
        instance.release();
    });
    SystemClock clock;
    ClockEngineServices engineServices{notifier.function(), complain, {}, {}};
    // A WAV file is not the speakers: their volume is nothing to tell of then.
    if (options.output.isEmpty())
        engineServices.askOutput = [&sounds](std::function<void(OutputLevel)> answer) { sounds.askOutput(std::move(answer)); };
    NameSpeech names;
    engineServices.speakName = [&names](const QString &name, Language language, int percent) {
        names.speakName(name, language, percent);
    };
    if (!busAnswers)
        QTextStream(stderr) << "kalindor: the session bus does not answer; no desktop notifications this time" << Qt::endl;
    // Each settings file is read once, here; from now on the book is what the program knows of them.
    AlarmBook book(configDir);
    const QList<FileProblem> unread = book.load();
    ClockEngine engine(book, clock, sounds, std::move(engineServices));
    soundNotice.emplace(engine.shared().CurrentLanguage, notifier.function());
    QObject::connect(&engine.ringer(), &AlarmRinger::alarmStarted, &engine, [&soundNotice] { soundNotice->alarmStarted(); });
    // A clock that is to ring or speak by itself must say at once that it cannot be heard, not at its
    // first sound in the night; one with nothing set says nothing until a sound is asked for.
    if (somethingToSound(book, clock.now()))
        sounds.probe();
    return status = runClockWindow(engine, book, notifier, instance, options.hidden, unread);
}
} // namespace

int main(int argc, char *argv[])
{
    // A window's picture of itself (1.3 MB for ALARM SET) is then always mapped apart and goes back to the
    // system when the window closes; by default the allocator raises this bound to the size of the first
    // such picture freed, and later ones stay in its heap, held, after the window has gone.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    const bool window = wantsWindow(argc, argv);
    const bool busAnswers = !window || sessionBusAnswers(2000);
    if (!busAnswers)
        doWithoutSessionBus();
    std::unique_ptr<QCoreApplication> app;
    // The window repaints a few small glyphs a second. Handed over in shared memory, each repaint
    // brings a completion event back from the X server that wakes two threads; copied, it brings none.
    if (window && !qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    if (window)
        app = openDisplay(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kalindor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KALINDOR_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("kalindor")); // window and menu entry belong together

    const ParsedLine line = parseOptions(QCoreApplication::arguments());
    if (!line.options) {
        reportBadArguments(line.problem);
        return line.status;
    }
    const Options &options = *line.options;
    switch (options.mode) {
    case Options::Mode::Help:
    case Options::Mode::Version:
        QTextStream(stdout) << options.text << Qt::flush;
        return 0;
    case Options::Mode::Autostart:
        return changeAutostart(options);
    case Options::Mode::Alarms:
        return listAlarms(options);
    case Options::Mode::SayTime:
    case Options::Mode::SayDate:
        return sayOnce(options);
    case Options::Mode::Window:
        break;
    }
    // Only a line that asks for the window has a display by now.
    return window ? runWindow(options, busAnswers) : 2;
}
