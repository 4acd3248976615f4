#include "AlarmName.h"

#include "Texts.h"

#include <algorithm>

namespace {
qsizetype characters(const QString &name)
{
    return name.toUcs4().size();
}

bool isControl(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Control || category == QChar::Separator_Line || category == QChar::Separator_Paragraph;
}

bool holdsControl(const QString &name)
{
    const QList<uint> points = name.toUcs4();
    return std::any_of(points.begin(), points.end(), [](uint c) { return isControl(char32_t(c)); });
}
} // namespace

bool nameFits(const QString &name)
{
    return characters(name) <= MaxNameLength && !holdsControl(name);
}

QString nameProblem(const QString &name, Language language)
{
    const Texts texts(language);
    if (holdsControl(name))
        return texts.translate("AlarmName", "Name not kept: no tabs or line breaks");
    if (characters(name) > MaxNameLength)
        return texts.translate("AlarmName", "Name not kept: %1 characters, at most %2")
            .arg(characters(name))
            .arg(MaxNameLength);
    return {};
}
