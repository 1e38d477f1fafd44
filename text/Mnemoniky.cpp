#include "text/Mnemoniky.h"

namespace {

bool jeZakladni(QChar c)
{
    const char16_t u = c.toLower().unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9');
}

bool muzeBytMnemonikou(QChar c)
{
    return c.isLetterOrNumber();
}

// The position of the letter to mark in text, or -1: the first free one of the passes in order.
qsizetype vyberPismeno(QStringView text, QStringView obsazene)
{
    const auto volne = [&](qsizetype i) {
        const QChar c = text[i];
        return muzeBytMnemonikou(c) && !obsazene.contains(c.toLower());
    };
    const auto zacatekSlova = [&](qsizetype i) { return i == 0 || !text[i - 1].isLetterOrNumber(); };
    // Word starts among a-z and digits, then any a-z or digit, then the same with accents.
    for (const bool jenZakladni : {true, false}) {
        for (const bool jenZacatky : {true, false}) {
            for (qsizetype i = 0; i < text.size(); ++i) {
                if (text[i] == u'&') { // "&&" is a written "&": skip both
                    ++i;
                    continue;
                }
                if ((!jenZakladni || jeZakladni(text[i])) && (!jenZacatky || zacatekSlova(i)) && volne(i))
                    return i;
            }
        }
    }
    return -1;
}

} // namespace

QChar MnemonikaTextu(QStringView text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toLower();
        ++i;
    }
    return QChar();
}

QString BezMnemoniky(QStringView text)
{
    QString bez;
    bez.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            if (text[i + 1] == u'&')
                bez += text[i++];
            continue;
        }
        bez += text[i];
    }
    return bez;
}

QStringList PridejMnemoniky(const QStringList &texty, QString *obsazene)
{
    QString vlastni;
    QString &zabrane = obsazene ? *obsazene : vlastni;
    // Those that have a free one keep it, and their letters are taken before any is given; the
    // others lose theirs and get one below.
    QStringList bez = texty;
    for (QString &text : bez) {
        const QChar c = MnemonikaTextu(text);
        if (c.isNull())
            continue;
        if (zabrane.contains(c))
            text = BezMnemoniky(text);
        else
            zabrane += c;
    }
    QStringList vysledek;
    vysledek.reserve(texty.size());
    for (const QString &text : std::as_const(bez)) {
        if (!MnemonikaTextu(text).isNull()) {
            vysledek << text;
            continue;
        }
        const qsizetype i = vyberPismeno(text, zabrane);
        if (i < 0) {
            vysledek << text;
            continue;
        }
        zabrane += text[i].toLower();
        vysledek << text.left(i) + u'&' + text.mid(i);
    }
    return vysledek;
}
