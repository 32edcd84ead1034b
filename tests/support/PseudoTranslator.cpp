#include "support/PseudoTranslator.h"

#include "ui/Toolkit.h"

#include <QHash>
#include <algorithm>
#include <cstring>

namespace sumwright::testing {

namespace {

using Script = PseudoTranslator::Script;

QChar accented(QChar c)
{
    static const QHash<QChar, QChar> table = [] {
        const QString plain = QStringLiteral("aceinosuyzACEINOSUYZ");
        const QString marked = QStringLiteral("áçéîñöšüýžÅÇÉÎÑÖŠÜÝŽ");
        QHash<QChar, QChar> map;
        for (qsizetype i = 0; i < plain.size(); ++i)
            map.insert(plain[i], marked[i]);
        return map;
    }();
    return table.value(c, c);
}

// The letters each script writes a Latin letter as; the Arabic ones join, with descenders and
// marks above and below, the Japanese ones mix kana with kanji of many strokes, the Devanagari
// ones put vowel signs above and below their consonants.
const QString &letters(Script script)
{
    static const QString arabic = QStringLiteral("سهلمتوطصعبالأسئةخجپچژگیکنق");
    static const QString japanese
            = QStringLiteral("問題数足引掛割算答間違時秒やさしいふつうむずかテスト");
    static const QString devanagari = QStringLiteral("किखीगुघूचेजैटोडौतंदृनिपीमु");
    switch (script) {
    case Script::Arabic:
        return arabic;
    case Script::Japanese:
        return japanese;
    default:
        return devanagari;
    }
}

QChar written(QChar c, Script script)
{
    if (script == Script::Latin)
        return accented(c);
    if (!c.isLetter())
        return c;
    const QString &set = letters(script);
    return set[c.toLower().unicode() % set.size()];
}

// What follows an access key's letter, which is drawn on its own: a translator keeps the key on
// a letter that stands alone, so a sign that would sit on it becomes the letter that carries it.
QChar writtenAfterKey(QChar c, Script script)
{
    const QChar letter = written(c, script);
    if (!letter.isMark())
        return letter;
    const QString &set = letters(script);
    return set[(set.indexOf(letter) + set.size() - 1) % set.size()];
}

// Words of six letters at most, so a wrapping label can still break the line.
QString padding(qsizetype length, Script script)
{
    static const QString latin = QStringLiteral("ŴàŘéÎõÜ");
    const QString &set = script == Script::Latin ? latin : letters(script);
    QString text;
    for (qsizetype i = 0; i < length; ++i)
        text += (i % 7 == 0) ? QChar(u' ') : set[i % set.size()];
    return text;
}

bool inPseudoRange(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0xC0 && u < 0x250)         // accented Latin
            || (u >= 0x600 && u < 0x700)    // Arabic
            || (u >= 0x900 && u < 0x980)    // Devanagari
            || (u >= 0x3040 && u < 0x3100)  // kana
            || (u >= 0x4E00 && u < 0xA000); // kanji
}

} // namespace

PseudoTranslator::PseudoTranslator(Script script)
    : m_script(script)
{
    toolkit::useFacesFor(locale());
}

PseudoTranslator::~PseudoTranslator()
{
    toolkit::useFacesFor(QLocale::c());
}

QLocale PseudoTranslator::locale() const
{
    switch (m_script) {
    case Script::Arabic:
        return QLocale(QLocale::Arabic);
    case Script::Japanese:
        return QLocale(QLocale::Japanese);
    case Script::Devanagari:
        return QLocale(QLocale::Hindi);
    case Script::Latin:
        break;
    }
    return QLocale::c();
}

QString PseudoTranslator::pseudo(const QString &source) const
{
    qsizetype begin = 0;
    qsizetype end = source.size();
    while (begin < end && source[begin].isSpace())
        ++begin;
    while (end > begin && source[end - 1].isSpace())
        --end;
    if (begin == end)
        return source;
    QString core;
    // Japanese writes a word in half as many glyphs: every second letter is left out.
    qsizetype inWord = 0;
    bool afterKey = false;
    for (qsizetype i = begin; i < end; ++i) {
        const QChar c = source[i];
        // The access key's letter and a place's number stay as they are.
        if ((c == u'&' || c == u'%') && i + 1 < end) {
            core += c;
            core += source[++i];
            afterKey = c == u'&';
            continue;
        }
        inWord = c.isLetter() ? inWord + 1 : 0;
        if (m_script == Script::Japanese && inWord % 2 == 0)
            continue;
        core += afterKey ? writtenAfterKey(c, m_script) : written(c, m_script);
        afterKey = false;
    }
    const qsizetype extra = (core.size() * 2 + 4) / 5;
    return source.left(begin) + core + padding(extra, m_script) + source.mid(end);
}

bool PseudoTranslator::isPseudo(const QString &text)
{
    return std::any_of(text.begin(), text.end(), inPseudoRange);
}

QString PseudoTranslator::translate(const char *context, const char *sourceText,
                                    const char * /*disambiguation*/, int /*n*/) const
{
    // Qt's question for the direction of the language, answered as a real translation does.
    if (std::strcmp(context, "QGuiApplication") == 0
        && std::strcmp(sourceText, "QT_LAYOUT_DIRECTION") == 0)
        return m_script == Script::Arabic ? QStringLiteral("RTL") : QStringLiteral("LTR");
    return pseudo(QString::fromUtf8(sourceText));
}

} // namespace sumwright::testing
