#include "FileProblemTexts.h"

#include "Texts.h"

#include <algorithm>
#include <array>

namespace {
// "path: reason". Reasons the system gives (a full disk, an I/O error) come in its own words.
QString describe(const FileProblem &problem, Language language)
{
    // In the order of FileProblem's kinds.
    static const std::array<const char *, 3> reasons = {
        QT_TRANSLATE_NOOP("FileProblemTexts", "not a regular file"),
        QT_TRANSLATE_NOOP("FileProblemTexts", "permission denied"),
        QT_TRANSLATE_NOOP("FileProblemTexts", "unreadable when loaded, left as it is"),
    };
    const Texts texts(language);
    QString reason;
    if (problem.kind == FileProblem::System)
        reason = problem.detail;
    else if (problem.kind == FileProblem::SetAside)
        reason = texts.translate("FileProblemTexts", "not an alarm table; the alarms start empty and it is kept as %1")
                     .arg(problem.detail);
    else if (problem.kind != FileProblem::Damaged)
        reason = texts.translate("FileProblemTexts", reasons[problem.kind]);
    else if (problem.detail.isEmpty())
        reason = texts.translate("FileProblemTexts", "too large to be settings, left as it is");
    else
        reason = texts.translate("FileProblemTexts", "line %1 cannot be read, left as it is").arg(problem.detail);
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
    // A table set aside is replaced at the next save: the promise to leave it alone would not hold.
    const bool setAside = std::all_of(problems.begin(), problems.end(),
                                      [](const FileProblem &problem) { return problem.kind == FileProblem::SetAside; });
    return withFiles(
        setAside ? Texts(language).translate("FileProblemTexts", "The alarm table cannot be read. Save writes a new one.")
                 : Texts(language).translate("FileProblemTexts",
                                             "A settings file cannot be read. Kalindor will not change it until it is started again."),
        problems, language);
}

QString storeFailureText(const QList<FileProblem> &problems, Language language)
{
    return withFiles(Texts(language).translate("FileProblemTexts", "The settings could not be saved."), problems, language);
}
