#include "RecordingDevice.h"
#include "Rows.h"

#include <QFile>
#include <QTest>

void RecordingDevice::play(const Pcm &pcm)
{
    if (eachPiece)
        eachPiece();
    if (!pcm.continuation)
        log << pcm.origin;
    playedSeconds += pcm.seconds();
}

std::vector<int> idList(const QString &text)
{
    std::vector<int> ids;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts))
        ids.push_back(word.toInt());
    return ids;
}

void addRows(const char *table, const QStringList &columns)
{
    static QList<QByteArray> names; // QtTest keeps the pointers, not the names
    for (const QString &column : columns)
        QTest::addColumn<QString>((names << column.toLatin1()).constLast().constData());
    QFile file(QStringLiteral(KALINDOR_TEST_DATA "/%1.tsv").arg(QLatin1String(table)));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no test table %s", qPrintable(file.fileName()));
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() != columns.size() + 1)
            qFatal("%s: %lld columns in \"%s\"", table, qlonglong(fields.size()), qPrintable(line));
        QTestData &row = QTest::newRow(qPrintable(fields[0]));
        for (QString field : fields.mid(1))
            row << field.replace(QStringLiteral("\\t"), QStringLiteral("\t")).replace(QStringLiteral("\\r"), QStringLiteral("\r")).replace(QStringLiteral("\\n"), QStringLiteral("\n"))
                          .replace(QStringLiteral("\\ufeff"), QStringLiteral("\uFEFF"));
    }
}

QString cell(const char *column)
{
    return *static_cast<QString *>(QTest::qData(column, QMetaType::QString));
}

QString testData(const QString &name)
{
    return QStringLiteral(KALINDOR_TEST_DATA "/") + name;
}
