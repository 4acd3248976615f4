// Every text the code asks for, in each of the three translation files the build compiles in.
#include <QDirIterator>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>

class TestTexts : public QObject
{
    Q_OBJECT
private slots:
    // A row for each text asked for by its words in src/: translate("Context", "Source"[, "comment"]) or
    // QT_TRANSLATE_NOOP(3). Escapes are left as written, so a text that needs one fails until it is checked.
    void everyLanguage_data()
    {
        QTest::addColumn<QByteArray>("context");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QByteArray>("comment");
        static const QRegularExpression asked(
            QStringLiteral("(?:QT_TRANSLATE_NOOP3?|\\btranslate)\\(\\s*\"(\\w+)\",\\s*\"((?:[^\"\\\\]|\\\\.)*)\""
                           "(?:,\\s*\"((?:[^\"\\\\]|\\\\.)*)\")?\\s*\\)"));
        QSet<QString> seen;
        QDirIterator files(QStringLiteral(KALINDOR_SOURCE_DIR), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            for (const QRegularExpressionMatch &m : asked.globalMatch(QString::fromUtf8(file.readAll()))) {
                const QString tag = (m.captured(1) + u' ' + m.captured(2) + u' ' + m.captured(3)).trimmed();
                if (!seen.contains(tag))
                    QTest::newRow(tag.toUtf8()) << m.captured(1).toUtf8() << m.captured(2).toUtf8() << m.captured(3).toUtf8();
                seen.insert(tag);
            }
        }
        // A pattern that no longer matches how the code asks would leave nothing to check.
        QVERIFY2(seen.size() > 100, QByteArray::number(seen.size()));
    }
    void everyLanguage()
    {
        QFETCH(QByteArray, context);
        QFETCH(QByteArray, source);
        QFETCH(QByteArray, comment);
        for (const char *code : {"fr", "de", "en"}) {
            QTranslator translator;
            QVERIFY(translator.load(QStringLiteral(":/i18n/kalindor_%1.qm").arg(QLatin1String(code))));
            const QString text = translator.translate(context, source, comment.isEmpty() ? nullptr : comment.constData());
            QVERIFY2(!text.isEmpty(), code);
        }
    }
};

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_texts.moc"
