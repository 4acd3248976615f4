#include "AlarmFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <sys/stat.h>

namespace {
FileProblem problem(FileProblem::Kind kind, const QString &path, const QString &detail = {})
{
    return FileProblem{kind, QDir::toNativeSeparators(path), detail};
}

FileProblem systemProblem(const QString &path, int error)
{
    if (error == EACCES || error == EPERM)
        return problem(FileProblem::AccessDenied, path);
    return problem(FileProblem::System, path, qt_error_string(error));
}

// The bytes of a regular file, or nullopt with `missing` telling a file that is not there from one that
// cannot be read. The name is checked first so that no device is ever opened; the open does not wait
// (a FIFO swapped in meanwhile would otherwise block it until a writer comes) and what was opened is
// checked again.
std::optional<QByteArray> readRegularFile(const QString &path, bool *missing, FileProblem *trouble)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status{};
    if (::stat(name.constData(), &status) != 0) {
        *missing = errno == ENOENT || errno == ENOTDIR;
        *trouble = systemProblem(path, errno);
        return std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        *trouble = problem(FileProblem::NotRegular, path);
        return std::nullopt;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *trouble = systemProblem(path, errno);
        return std::nullopt;
    }
    QFile file;
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        *trouble = problem(FileProblem::NotRegular, path);
        return std::nullopt;
    }
    QByteArray bytes = file.read(MaxFileBytes);
    if (file.error() != QFileDevice::NoError) {
        *trouble = problem(FileProblem::System, path, file.errorString());
        return std::nullopt;
    }
    return bytes;
}

// Loads one file through `read`, or reports it and keeps it from being written for the rest of the run.
template <typename Read>
void loadFile(QStringList &kept, const QString &configDir, const QString &name, Read read, QList<FileProblem> &problems)
{
    const QString path = QDir(configDir).filePath(name);
    bool missing = false;
    FileProblem trouble;
    if (const auto bytes = readRegularFile(path, &missing, &trouble)) {
        QBuffer buffer;
        buffer.setData(*bytes);
        buffer.open(QIODevice::ReadOnly);
        read(&buffer);
    } else {
        read(nullptr);
        if (!missing && !kept.contains(name)) {
            kept << name;
            problems << trouble;
        }
    }
}

// A second name for the file at `path`, links followed, so that a save replacing it leaves the old bytes
// under that name: "kalind.dta.damaged", or the first of "kalind.dta.damaged-2"... that is free, as one
// kept before is never overwritten. `already` when one of them is this very file, set aside by an earlier
// load. Empty when no such name can be made.
QString keepAside(const QString &path, bool *already)
{
    const QByteArray from = QFile::encodeName(path);
    struct stat original{};
    if (::stat(from.constData(), &original) != 0)
        return {};
    for (int n = 1; n <= 99; ++n) {
        const QString aside = path + QStringLiteral(".damaged") + (n > 1 ? QStringLiteral("-%1").arg(n) : QString());
        const QByteArray to = QFile::encodeName(aside);
        if (::linkat(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), AT_SYMLINK_FOLLOW) == 0)
            return aside;
        struct stat other{};
        if (errno != EEXIST)
            return {};
        if (::stat(to.constData(), &other) == 0 && other.st_dev == original.st_dev && other.st_ino == original.st_ino) {
            *already = true;
            return aside;
        }
    }
    return {};
}

std::optional<FileProblem> storeFile(const QString &configDir, const QString &name, const QStringList &kept,
                                     const std::function<bool(QIODevice &)> &write)
{
    const QString path = QDir(configDir).filePath(name);
    if (kept.contains(name))
        return problem(FileProblem::Kept, path);
    if (!QDir().mkpath(configDir))
        return problem(FileProblem::System, path,
                       QStringLiteral("the folder %1 cannot be created").arg(QDir::toNativeSeparators(configDir)));
    // The save mechanism follows links and replaces whatever they end at; only a regular file may be replaced.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return problem(FileProblem::NotRegular, path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return problem(FileProblem::System, path, file.errorString());
    // QSaveFile::commit() in Qt 6.4 links the file even when the flush inside it fails half-way
    // (a full disk), so the buffered bytes are flushed here, where a failure can still cancel.
    if (!write(file) || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return problem(FileProblem::System, path, reason);
    }
    if (!file.commit())
        return problem(FileProblem::System, path, file.errorString());
    return std::nullopt;
}
} // namespace

QList<FileProblem> loadSettings(AlarmRecords &table, QString &interval, SoundSettings &sound, AlarmNames &names,
                                QStringList &kept, const QString &configDir)
{
    QList<FileProblem> problems;
    std::optional<int> damagedTable;
    loadFile(kept, configDir, AlarmTableFileName, [&](QIODevice *file) {
        damagedTable = file ? alarmTableDamage(file->peek(MaxFileBytes)) : std::nullopt;
        if (file && !damagedTable)
            table = readAlarmTable(*file);
        else
            table.fill(defaultAlarmRecord());
    }, problems);
    // Bytes that are no table at all start as empty rows; they stay beside under a name of their own, so that
    // a save may write a new table. Where no such name can be made the file is kept as it is instead.
    if (damagedTable && !kept.contains(AlarmTableFileName)) {
        const QString path = QDir(configDir).filePath(AlarmTableFileName);
        bool already = false;
        if (const QString aside = keepAside(path, &already); !aside.isEmpty()) {
            if (!already)
                problems << problem(FileProblem::SetAside, path, QDir::toNativeSeparators(aside));
        } else {
            kept << AlarmTableFileName;
            problems << problem(FileProblem::Damaged, path, *damagedTable > 0 ? QString::number(*damagedTable) : QString());
        }
    }
    loadFile(kept, configDir, IntervalFileName, [&](QIODevice *file) {
        interval = file ? readInterval(*file) : DefaultInterval;
    }, problems);
    // A file beside the old two that opens but is not what Kalindor writes there.
    const auto keepDamaged = [&](const QString &name, std::optional<int> line) {
        if (line && !kept.contains(name)) {
            kept << name;
            problems << problem(FileProblem::Damaged, QDir(configDir).filePath(name),
                                *line > 0 ? QString::number(*line) : QString());
        }
    };
    std::optional<int> damagedLine;
    loadFile(kept, configDir, SoundFileName, [&](QIODevice *file) {
        sound = SoundSettings();
        if (file)
            damagedLine = readSoundSettings(*file, sound);
    }, problems);
    keepDamaged(SoundFileName, damagedLine);
    damagedLine.reset();
    loadFile(kept, configDir, NamesFileName, [&](QIODevice *file) {
        names = AlarmNames();
        if (file)
            damagedLine = readNames(*file, names);
    }, problems);
    keepDamaged(NamesFileName, damagedLine);
    return problems;
}

std::optional<FileProblem> storeAlarmTable(const AlarmRecords &table, const QString &configDir,
                                           const QStringList &kept)
{
    return storeFile(configDir, AlarmTableFileName, kept,
                     [&](QIODevice &file) { return writeAlarmTable(file, table); });
}

std::optional<FileProblem> storeInterval(const QString &interval, const QString &configDir, const QStringList &kept)
{
    return storeFile(configDir, IntervalFileName, kept,
                     [&](QIODevice &file) { return writeInterval(file, interval); });
}

std::optional<FileProblem> storeSoundSettings(const SoundSettings &sound, const QString &configDir, const QStringList &kept)
{
    return storeFile(configDir, SoundFileName, kept, [&](QIODevice &file) { return writeSoundSettings(file, sound); });
}

std::optional<FileProblem> storeNames(const AlarmNames &names, const QString &configDir, const QStringList &kept)
{
    return storeFile(configDir, NamesFileName, kept, [&](QIODevice &file) { return writeNames(file, names); });
}

void removeStaleTemporaries(const QString &configDir)
{
    static const QRegularExpression temporary(QStringLiteral("^(kalind|saytime|sound|names)\\.dta\\.[A-Za-z]{6}$"));
    const QDir dir(configDir);
    for (const QFileInfo &entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        if (temporary.match(entry.fileName()).hasMatch())
            QFile::remove(entry.filePath());
    }
}
