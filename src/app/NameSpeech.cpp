#include "NameSpeech.h"

#include "Texts.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTextToSpeech>
#include <QThread>

class NameSpeechWorker final : public QObject
{
public:
    void say(const QString &name, const QLocale &locale, int percent, const QElapsedTimer &asked)
    {
        if (asked.elapsed() > NameSpeech::TakeWithinMs)
            return;
        // Made at the first name, not at start: speech-dispatcher may be started by it, which takes a while.
        if (!engine)
            engine = new QTextToSpeech(QStringLiteral("speechd"), this);
        if (engine->state() == QTextToSpeech::Error) {
            // No service: the next name tries again, a service started meanwhile may answer it.
            delete engine;
            return;
        }
        if (asked.elapsed() > NameSpeech::TakeWithinMs)
            return;
        engine->setLocale(locale);
        engine->setVolume(percent / 100.0);
        engine->say(name);
    }

private:
    QPointer<QTextToSpeech> engine;
};

NameSpeech::NameSpeech() : thread(new QThread), worker(new NameSpeechWorker)
{
    thread->setObjectName(QStringLiteral("speech"));
    worker->moveToThread(thread);
    thread->start();
}

NameSpeech::~NameSpeech()
{
    NameSpeechWorker *const held = worker;
    QMetaObject::invokeMethod(held, [held] {
        held->deleteLater(); // with the service's connection, once the loop has ended
        QThread::currentThread()->quit();
    });
    // The thread's state is read against a monotonic timer rather than waited for on a condition with a
    // time limit: where the time is faked (libfaketime) such a wait may end at once.
    QElapsedTimer waited;
    waited.start();
    while (!thread->isFinished() && waited.elapsed() < EndWaitMs)
        QThread::msleep(5);
    if (thread->isFinished() && thread->wait())
        delete thread;
    // Otherwise the thread is still in the service's start: it and the worker go with the process.
}

void NameSpeech::speakName(const QString &name, Language language, int percent)
{
    QElapsedTimer asked;
    asked.start();
    NameSpeechWorker *const target = worker;
    QMetaObject::invokeMethod(target, [target, name, locale = Texts(language).locale(), percent, asked] {
        target->say(name, locale, percent, asked);
    });
}
