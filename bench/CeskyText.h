#pragma once
// The text every benchmark runs on: lower-case Czech words with diacritics and spaces, one line,
// the same for every run of a given length.

#include <QHash>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

inline const QString &CeskyText(qsizetype delka)
{
    static QHash<qsizetype, QString> texty;
    auto it = texty.find(delka);
    if (it != texty.end())
        return *it;
    static const QStringList slova = {u"žluťoučký"_qs, u"kůň"_qs,     u"úpěl"_qs,   u"ďábelské"_qs,  u"ódy"_qs,
                                      u"příliš"_qs,    u"šifra"_qs,   u"skaut"_qs,  u"morseovka"_qs, u"tábor"_qs,
                                      u"řeka"_qs,      u"čtvrtek"_qs, u"hlídka"_qs, u"oheň"_qs,      u"stezka"_qs,
                                      u"zpráva"_qs,    u"klíč"_qs,    u"mřížka"_qs, u"šnek"_qs,      u"kolečko"_qs,
                                      u"v"_qs,         u"a"_qs,       u"ve"_qs,     u"je"_qs};
    QRandomGenerator nahoda(20);
    QString text;
    text.reserve(delka + 16);
    while (text.size() < delka) {
        text.append(slova[nahoda.bounded(int(slova.size()))]);
        text.append(u' ');
    }
    text.truncate(delka);
    return *texty.insert(delka, text);
}
