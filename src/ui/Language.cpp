#include "ui/Language.h"

#include "ui/Toolkit.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <cstring>

namespace sumwright {

namespace {

const QString ResourceFolder = QStringLiteral(":/i18n");
const QString Prefix = QStringLiteral("sumwright_");

bool isCLocale(const QByteArray &name)
{
    return name.isEmpty() || name == "C" || name == "POSIX" || name.startsWith("C.");
}

// The program's texts in one language, which also tell Qt the language's direction. Qt lays
// every window out right to left when the installed translations answer its question
// "QT_LAYOUT_DIRECTION" with "RTL" (and mirrors that again under -reverse); the answer comes
// from the language itself, so no translation file has to carry it and it holds whether or
// not the system has Qt's own translations.
class ProgramTranslator final : public QTranslator
{
public:
    explicit ProgramTranslator(Qt::LayoutDirection direction)
        : m_direction(direction == Qt::RightToLeft ? QStringLiteral("RTL") : QStringLiteral("LTR"))
    {
    }

    [[nodiscard]] QString translate(const char *context, const char *sourceText,
                                    const char *disambiguation, int n) const override
    {
        if (std::strcmp(sourceText, "QT_LAYOUT_DIRECTION") == 0
            && std::strcmp(context, "QGuiApplication") == 0)
            return m_direction;
        return QTranslator::translate(context, sourceText, disambiguation, n);
    }

private:
    QString m_direction;
};

} // namespace

QStringList Language::available()
{
    return QString::fromLatin1(SUMWRIGHT_TRANSLATIONS).split(u',');
}

namespace {

// The translation that serves a language best where the program has none of its own, as
// desktops fall back: Bokmål readers get Nynorsk, the other written Norwegian that every
// Norwegian school teaches, rather than English.
QLocale::Language readerOf(QLocale::Language language)
{
    return language == QLocale::NorwegianBokmal ? QLocale::NorwegianNynorsk : language;
}

// Among the translations of one language, the one in the reader's script: Hong Kong and
// Macau read the traditional Chinese one, Singapore the simplified one. Otherwise the first,
// so Portuguese from Portugal reads the Brazilian translation rather than English.
QString bestOf(const QStringList &names, const QLocale &wanted)
{
    QString first;
    const QLocale::Language language = readerOf(wanted.language());
    for (const QString &name : names) {
        const QLocale candidate(name);
        if (candidate.language() != language)
            continue;
        if (candidate.script() == wanted.script())
            return name;
        if (first.isEmpty())
            first = name;
    }
    return first;
}

} // namespace

QString Language::translationFor(const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return {};
    QStringList names;
    for (const QString &preferred : locale.uiLanguages()) {
        const QLocale wanted(preferred);
        if (wanted.language() == QLocale::English || wanted.language() == QLocale::C)
            return {};
        if (names.isEmpty())
            names = available();
        if (QString name = bestOf(names, wanted); !name.isEmpty())
            return name;
    }
    return {};
}

QLocale Language::systemLocale()
{
    QByteArray messages = qgetenv("LC_ALL");
    if (messages.isEmpty())
        messages = qgetenv("LC_MESSAGES");
    if (messages.isEmpty())
        messages = qgetenv("LANG");
    if (isCLocale(messages))
        return QLocale::c();
    return QLocale::system();
}

Language::Language(const QLocale &locale)
    : m_name(translationFor(locale))
{
    if (m_name.isEmpty())
        return;
    const QLocale language(m_name);
    auto program = std::make_unique<ProgramTranslator>(language.textDirection());
    if (!program->load(Prefix + m_name, ResourceFolder)) {
        m_name.clear();
        return;
    }
    // The faces first: installing the translation lays the windows out again.
    toolkit::useFacesFor(language);
    QCoreApplication::installTranslator(program.get());
    m_program = std::move(program);
    // Qt's own texts come with the system's Qt, where the system has them for this language.
    auto toolkit = std::make_unique<QTranslator>();
    if (toolkit->load(QStringLiteral("qtbase_") + m_name,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(toolkit.get());
        m_toolkit = std::move(toolkit);
    }
}

// A translator takes itself out of the application when it is destroyed, and Qt takes back
// its direction; the faces go back to the Latin ones.
Language::~Language()
{
    if (m_program)
        toolkit::useFacesFor(QLocale::c());
}

} // namespace sumwright
