// Starts Kalindor: the clock window, or one spoken phrase when asked on the command line.
#include "Autostart.h"
#include "CommandLine.h"
#include "EndSignals.h"
#include "SoundDevice.h"
#include "HorP.h"
#include "Notifier.h"
#include "Player.h"
#include "SessionBus.h"
#include "SoundNotice.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTextStream>

#include <memory>

int main(int argc, char *argv[])
{
    const bool window = wantsWindow(argc, argv);
    const bool busAnswers = !window || sessionBusAnswers(2000);
    if (!busAnswers)
        doWithoutSessionBus();
    std::unique_ptr<QCoreApplication> app = window ? std::make_unique<QApplication>(argc, argv)
                                                   : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kalindor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KALINDOR_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("kalindor")); // window and menu entry belong together

    QString error;
    const auto options = parseOptions(QCoreApplication::arguments(), &error);
    if (!options) {
        reportBadArguments(error);
        return 2;
    }
    if (options->mode == Options::Mode::Autostart) {
        QStringList command{QCoreApplication::applicationFilePath()};
        if (!options->configDir.isEmpty())
            command << QStringLiteral("--config-dir") << QDir(options->configDir).absolutePath();
        QString done;
        if (!setAutostart(options->autostart, command, &done, &error)) {
            QTextStream(stderr) << "kalindor: " << error << Qt::endl;
            return 1;
        }
        QTextStream(stdout) << done << Qt::endl;
        return 0;
    }
    if (options->mode != Options::Mode::Window)
        return sayOnce(*options);
    if (!window) // unreachable: only window options leave the window wanted
        return 2;

    const QString configDir = options->configDir.isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
        : options->configDir;
    HPMOD shared;
    DesktopNotifier notifier(QStringLiteral("Kalindor"), QStringLiteral("kalindor"));
    SoundNotice soundNotice(shared.CurrentLanguage, notifier.function());
    auto device = openOutput(*options, [&soundNotice](bool heard) { soundNotice.soundPlayed(heard); });
    if (!device)
        return 2;
    Player player(*device);
    player.interruptWhen(&EndSignals::received);
    SystemClock clock;
    HorPServices services = desktopServices(configDir);
    services.notify = notifier.function();
    if (!busAnswers)
        QTextStream(stderr) << "kalindor: the session bus does not answer; no desktop notifications this time" << Qt::endl;
    HorP mainWindow(shared, clock, player, std::move(services));
    EndSignals endSignals([&mainWindow] { mainWindow.Command7_Click(); });
    mainWindow.show();
    return app->exec();
}
