#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>

namespace sumwright {

// The program's own texts and Qt's, in one language, installed into the running application for
// as long as this object lives, with the language's direction (Arabic, Persian and Hebrew lay
// every window out right to left) and the faces of its script. The texts are written in English:
// for an English locale, the C locale, or a language the program has no translation for, nothing is
// loaded at all, so the common start-up pays nothing for translations.
class Language
{
public:
    explicit Language(const QLocale &locale);
    ~Language();
    Language(const Language &) = delete;
    Language &operator=(const Language &) = delete;

    // The translation in use ("de", "fr", "es", "pt_BR"), or empty for English.
    [[nodiscard]] QString name() const { return m_name; }
    // Whether Qt's own texts (context menus, command-line messages) were found for it too.
    [[nodiscard]] bool hasToolkitTexts() const { return m_toolkit != nullptr; }

    // The translations the program carries, as resource names.
    [[nodiscard]] static QStringList available();
    // The translation for a locale: its preferred languages in order, the first one that is
    // English or has a translation deciding; empty for English.
    [[nodiscard]] static QString translationFor(const QLocale &locale);
    // The system's language for messages, as the C library decides it: LC_ALL, LC_MESSAGES,
    // LANG, and LANGUAGE's list of preferences only when those name a real locale. Under the
    // C or POSIX locale LANGUAGE is ignored and the program stays in English.
    [[nodiscard]] static QLocale systemLocale();

private:
    QString m_name;
    std::unique_ptr<QTranslator> m_program;
    std::unique_ptr<QTranslator> m_toolkit;
};

} // namespace sumwright
