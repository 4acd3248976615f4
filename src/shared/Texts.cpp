#include "Texts.h"

#include <QTranslator>

#include <algorithm>
#include <array>
#include <memory>

namespace {
// The files' language codes, in the order of Language.
constexpr std::array<const char *, 3> Codes = {"fr", "de", "en"};

// One translator per language, loaded at first use and never installed in the application: each text is
// asked for in the language it is needed in (the window's, or --lang's), and Qt's own texts follow the
// window's language by a translator of their own.
const QTranslator &translator(int index)
{
    static const auto translators = [] {
        std::array<std::unique_ptr<QTranslator>, Codes.size()> loaded;
        for (size_t i = 0; i < Codes.size(); ++i) {
            loaded[i] = std::make_unique<QTranslator>();
            if (!loaded[i]->load(QStringLiteral(":/i18n/kalindor_%1.qm").arg(QLatin1String(Codes[i]))))
                qWarning("kalindor: the %s texts are missing from this build", Codes[i]);
        }
        return loaded;
    }();
    return *translators[size_t(index)];
}
} // namespace

Texts::Texts(Language language) : index(std::clamp<int>(language, French, English)) {}

QString Texts::translate(const char *context, const char *source, const char *comment) const
{
    const QString text = translator(index).translate(context, source, comment);
    // A text the files lack is said in English rather than not at all; the catalogue test fails on it.
    return text.isNull() ? QString::fromUtf8(source) : text;
}

QLocale Texts::locale() const
{
    // An English desktop's own English (en_US, en_IN, …) orders the dates as its users read them. Taken by
    // its name, as the system's locale would write the day names in LC_TIME's language, which may be another.
    if (const QLocale desktop(QLocale::system().name()); index == English && desktop.language() == QLocale::English)
        return desktop;
    return QLocale(translate("Texts", "en_GB", "the locale of the language's dates and numbers"));
}

QString Texts::timeFormat() const
{
    // The locale's own clock decides (en_US, en_IN, en_AU read 12 hours; en_GB, en_IE 24), never a list of
    // names; its marker is written after a plain space, where newer locale data puts a narrow one.
    if (index == English && locale().timeFormat(QLocale::ShortFormat).contains(u'a', Qt::CaseInsensitive))
        return QStringLiteral("h:mm AP");
    return QStringLiteral("HH:mm");
}
