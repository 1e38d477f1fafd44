#include "windows/formular/Mnemoniky.h"

#include "text/Mnemoniky.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace {

void pridejMnemonikyAkci(const QList<QAction *> &akce)
{
    QList<QAction *> polozky;
    QStringList texty;
    for (QAction *a : akce) {
        if (a->isSeparator() || a->text().isEmpty())
            continue;
        polozky << a;
        texty << a->text();
    }
    const QStringList s = PridejMnemoniky(texty);
    for (qsizetype i = 0; i < polozky.size(); ++i) {
        if (s[i] != texty[i])
            polozky[i]->setText(s[i]);
        if (QMenu *podmenu = polozky[i]->menu())
            pridejMnemonikyMenu(podmenu);
    }
}

} // namespace

void pridejMnemonikyMenu(QMenuBar *lista)
{
    pridejMnemonikyAkci(lista->actions());
}

void pridejMnemonikyMenu(QMenu *menu)
{
    pridejMnemonikyAkci(menu->actions());
}

QString mnemonikyListy(const QMenuBar *lista)
{
    QString pismena;
    for (const QAction *a : lista->actions())
        if (const QChar c = MnemonikaTextu(a->text()); !c.isNull())
            pismena += c;
    return pismena;
}

void pridejMnemonikyOkna(QWidget *okno, const QString &obsazene)
{
    QList<QWidget *> ovladace;
    QStringList texty;
    for (QWidget *w : okno->findChildren<QWidget *>()) {
        if (auto *tlacitko = qobject_cast<QAbstractButton *>(w); tlacitko && !tlacitko->text().isEmpty()) {
            ovladace << w;
            texty << tlacitko->text();
        } else if (auto *popisek = qobject_cast<QLabel *>(w);
                   popisek && popisek->buddy() && !popisek->text().isEmpty() && popisek->textFormat() != Qt::RichText) {
            ovladace << w;
            texty << popisek->text();
        }
    }
    QString zabrane = obsazene;
    const QStringList s = PridejMnemoniky(texty, &zabrane);
    for (qsizetype i = 0; i < ovladace.size(); ++i) {
        if (s[i] == texty[i])
            continue;
        if (auto *tlacitko = qobject_cast<QAbstractButton *>(ovladace[i]))
            tlacitko->setText(s[i]);
        else
            static_cast<QLabel *>(ovladace[i])->setText(s[i]);
    }
}
