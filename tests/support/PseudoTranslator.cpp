#include "support/PseudoTranslator.h"

#include <QHash>
#include <algorithm>

namespace sumwright::testing {

namespace {

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

// Words of six letters at most, so a wrapping label can still break the line.
QString padding(qsizetype length)
{
    static const QString letters = QStringLiteral("ŴàŘéÎõÜ");
    QString text;
    for (qsizetype i = 0; i < length; ++i)
        text += (i % 7 == 0) ? QChar(u' ') : letters[i % letters.size()];
    return text;
}

} // namespace

QString PseudoTranslator::pseudo(const QString &source)
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
    for (qsizetype i = begin; i < end; ++i) {
        const QChar c = source[i];
        core += c;
        // The access key's letter and a place's number stay as they are.
        if ((c == u'&' || c == u'%') && i + 1 < end) {
            core += source[++i];
            continue;
        }
        core.back() = accented(c);
    }
    const qsizetype extra = (core.size() * 2 + 4) / 5;
    return source.left(begin) + core + padding(extra) + source.mid(end);
}

bool PseudoTranslator::isPseudo(const QString &text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0xC0 && c.unicode() < 0x250; });
}

QString PseudoTranslator::translate(const char * /*context*/, const char *sourceText,
                                    const char * /*disambiguation*/, int /*n*/) const
{
    return pseudo(QString::fromUtf8(sourceText));
}

} // namespace sumwright::testing
