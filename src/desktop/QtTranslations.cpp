#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

void QtTranslations::follow(int language)
{
    const int wanted = language == 0 || language == 1 ? language : 2;
    if (wanted == current)
        return;
    current = wanted;
    translator.reset();
    if (wanted == 2)
        return;
    // Without the translations package Qt simply stays in English.
    auto next = std::make_unique<QTranslator>();
    const QString name = wanted == 0 ? QStringLiteral("qtbase_fr") : QStringLiteral("qtbase_de");
    if (next->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) && QCoreApplication::installTranslator(next.get()))
        translator = std::move(next);
}
