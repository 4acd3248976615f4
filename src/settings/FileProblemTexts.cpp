#include "FileProblemTexts.h"

#include <algorithm>
#include <array>

namespace {
const std::array<QString, 3> StoreFailedByLanguage = {
    QStringLiteral("Les réglages n'ont pas pu être enregistrés."),
    QStringLiteral("Die Einstellungen konnten nicht gespeichert werden."),
    QStringLiteral("The settings could not be saved."),
};
const std::array<QString, 3> LoadFailedByLanguage = {
    QStringLiteral("Un fichier de réglages ne peut pas être lu. Kalindor ne le modifiera pas avant son prochain "
                   "démarrage."),
    QStringLiteral("Eine Einstellungsdatei kann nicht gelesen werden. Kalindor ändert sie bis zum nächsten Start "
                   "nicht."),
    QStringLiteral("A settings file cannot be read. Kalindor will not change it until it is started again."),
};

// "path: reason". Reasons the system gives (a full disk, an I/O error) come in its own words.
QString describe(const FileProblem &problem, Language language)
{
    static const std::array<std::array<QString, 3>, 3> reasons = {{
        {QStringLiteral("ce n'est pas un fichier ordinaire"), QStringLiteral("keine gewöhnliche Datei"),
         QStringLiteral("not a regular file")},
        {QStringLiteral("accès refusé"), QStringLiteral("Zugriff verweigert"), QStringLiteral("permission denied")},
        {QStringLiteral("illisible au chargement, laissé tel quel"),
         QStringLiteral("beim Laden unlesbar, bleibt unverändert"),
         QStringLiteral("unreadable when loaded, left as it is")},
    }};
    const QString reason = problem.kind == FileProblem::System
        ? problem.detail
        : reasons[problem.kind][std::clamp<int>(language, French, English)];
    return problem.path + QStringLiteral(": ") + reason;
}

QString withFiles(QString text, const QList<FileProblem> &problems, Language language)
{
    for (const FileProblem &problem : problems)
        text += QStringLiteral("\n\n") + describe(problem, language);
    return text;
}
} // namespace

QString loadFailureText(const QList<FileProblem> &problems, Language language)
{
    return withFiles(LoadFailedByLanguage[std::clamp<int>(language, French, English)], problems, language);
}

QString storeFailureText(const QList<FileProblem> &problems, Language language)
{
    return withFiles(StoreFailedByLanguage[std::clamp<int>(language, French, English)], problems, language);
}
