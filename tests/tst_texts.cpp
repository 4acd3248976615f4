// Every text the code asks for, in each of the three translation files the build compiles in.
#include <QDirIterator>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>

class TestTexts : public QObject
{
    Q_OBJECT
private slots:
    // Each text asked for by its words in src/: translate("Context", "Source"[, "comment"]) or
    // QT_TRANSLATE_NOOP(3). Escapes are left as written, so a text that needs one fails until it is checked.
    void everyLanguage()
    {
        std::array<QTranslator, 3> translators;
        const char *codes[] = {"fr", "de", "en"};
        for (size_t i = 0; i < translators.size(); ++i)
            QVERIFY(translators[i].load(QStringLiteral(":/i18n/kalindor_%1.qm").arg(QLatin1String(codes[i]))));
        static const QRegularExpression asked(
            QStringLiteral("(?:QT_TRANSLATE_NOOP3?|\\btranslate)\\(\\s*\"(\\w+)\",\\s*\"((?:[^\"\\\\]|\\\\.)*)\""
                           "(?:,\\s*\"((?:[^\"\\\\]|\\\\.)*)\")?\\s*\\)"));
        int found = 0;
        QStringList missing;
        QDirIterator files(QStringLiteral(KALINDOR_SOURCE_DIR), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            for (const QRegularExpressionMatch &m : asked.globalMatch(QString::fromUtf8(file.readAll()))) {
                ++found;
                const QByteArray context = m.captured(1).toUtf8(), source = m.captured(2).toUtf8(), comment = m.captured(3).toUtf8();
                for (size_t i = 0; i < translators.size(); ++i)
                    if (translators[i].translate(context, source, comment.isEmpty() ? nullptr : comment.constData()).isEmpty())
                        missing << QStringLiteral("%1 %2 (%3)").arg(m.captured(1), m.captured(2), QLatin1String(codes[i]));
            }
        }
        // A pattern that no longer matches how the code asks would leave nothing to check.
        QVERIFY2(found > 100, QByteArray::number(found));
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_texts.moc"
