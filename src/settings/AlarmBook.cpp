#include "AlarmBook.h"

AlarmBook::AlarmBook(QString configDir, QObject *parent) : QObject(parent), configDir(std::move(configDir)) {}

QList<FileProblem> AlarmBook::load()
{
    const QList<FileProblem> problems = loadSettings(saved, savedInterval, savedSound, savedNames, keptFiles, configDir);
    revert();
    return problems;
}

QList<FileProblem> AlarmBook::save()
{
    QList<FileProblem> problems;
    if (const auto problem = storeAlarmTable(typed, configDir, keptFiles))
        problems << *problem;
    else
        saved = typed;
    if (const auto problem = storeInterval(typedInterval, configDir, keptFiles))
        problems << *problem;
    else
        savedInterval = typedInterval;
    if (typedSound != savedSound) {
        if (const auto problem = storeSoundSettings(typedSound, configDir, keptFiles))
            problems << *problem;
        else
            savedSound = typedSound;
    }
    AlarmNames names;
    for (int alarm = 1; alarm <= 10; ++alarm)
        names[size_t(alarm - 1)] = name(alarm);
    if (names != savedNames) {
        if (const auto problem = storeNames(names, configDir, keptFiles))
            problems << *problem;
        else
            savedNames = names;
    }
    return problems;
}

void AlarmBook::revert()
{
    for (size_t k = 0; k < typed.size(); ++k) {
        if (typed[k] != saved[k]) {
            typed[k] = saved[k];
            emit rowChanged(int(k) + 1);
        }
    }
    setInterval(savedInterval);
    setSoundSettings(savedSound);
    for (int alarm = 1; alarm <= 10; ++alarm)
        setName(alarm, savedNames[size_t(alarm - 1)]);
}

bool AlarmBook::changed() const
{
    if (typed != saved || typedInterval != savedInterval || typedSound != savedSound)
        return true;
    // A name is saved as it is called, so one that does not fit or only gained spaces changes nothing.
    for (int alarm = 1; alarm <= 10; ++alarm) {
        if (name(alarm) != savedNames[size_t(alarm - 1)])
            return true;
    }
    return false;
}

QString AlarmBook::name(int alarm) const
{
    // Checked before trimming, which would take a tab or a line break at either end away unseen.
    return nameFits(typedName(alarm)) ? typedName(alarm).trimmed() : QString();
}

void AlarmBook::setName(int alarm, const QString &name)
{
    QString &typed = typedNames[size_t(alarm - 1)];
    if (typed == name)
        return;
    typed = name;
    emit nameChanged(alarm);
}

void AlarmBook::setField(int alarm, int index, const QString &text)
{
    QString &field = typed[size_t(alarm - 1)].field(index);
    if (field == text)
        return;
    field = text;
    emit rowChanged(alarm);
}

void AlarmBook::setInterval(const QString &text)
{
    if (typedInterval == text)
        return;
    typedInterval = text;
    emit intervalChanged();
}

void AlarmBook::setSoundSettings(const SoundSettings &settings)
{
    if (typedSound == settings)
        return;
    typedSound = settings;
    emit soundSettingsChanged();
}

void AlarmBook::setLoudness(const AlarmLoudness &loudness)
{
    SoundSettings settings = typedSound;
    settings.level = QString::number(loudness.percent);
    settings.rise = QString::number(loudness.riseSeconds);
    setSoundSettings(settings);
}

std::optional<FileProblem> AlarmBook::chooseSound(int alarm, const std::array<QString, 4> &sound)
{
    AlarmRecords table = saved;
    AlarmRecord &row = typed[size_t(alarm - 1)];
    const AlarmRecord before = row;
    for (int i = 0; i < 4; ++i)
        table[size_t(alarm - 1)].field(5 + i) = row.field(5 + i) = sound[size_t(i)];
    if (row != before)
        emit rowChanged(alarm);
    const auto problem = storeAlarmTable(table, configDir, keptFiles);
    if (!problem)
        saved = table;
    return problem;
}
