#include "windows/formular/Mnemoniky.h"

#include "text/Mnemoniky.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>

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

// The text a screen reader reads for a caption: no mnemonic, "&&" a plain "&".
QString nahlasTitulek(const QString &text)
{
    return BezMnemoniky(text).replace(QStringLiteral("&&"), QStringLiteral("&"));
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
        // A button with a shortcut of its own (not its caption's mnemonic) keeps it.
        if (auto *tlacitko = qobject_cast<QAbstractButton *>(w);
            tlacitko && !tlacitko->text().isEmpty() &&
            (tlacitko->shortcut().isEmpty() || tlacitko->shortcut() == QKeySequence::mnemonic(tlacitko->text()))) {
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

void pojmenujOvladaceOkna(QWidget *okno)
{
    const QList<QWidget *> vsechny = okno->findChildren<QWidget *>();
    // Labels first: a label names its buddy wherever in the window the two sit (Qt itself looks
    // only at the buddy's siblings).
    for (QWidget *w : vsechny) {
        auto *popisek = qobject_cast<QLabel *>(w);
        if (!popisek || !popisek->buddy() || !popisek->buddy()->accessibleName().isEmpty() ||
            popisek->textFormat() == Qt::RichText)
            continue;
        popisek->buddy()->setAccessibleName(nahlasTitulek(popisek->text()).trimmed());
    }
    // The scroll areas that hold a window's controls take the focus to scroll by keyboard; they
    // are the window's area, so they take its title.
    const QString titulek = okno->windowTitle();
    for (QWidget *w : vsechny) {
        if (qobject_cast<QScrollArea *>(w) && w->focusPolicy() != Qt::NoFocus && w->accessibleName().isEmpty() &&
            !titulek.isEmpty())
            w->setAccessibleName(titulek);
    }
    for (QWidget *w : vsechny) {
        auto *seznam = qobject_cast<QComboBox *>(w);
        if (seznam && !seznam->accessibleName().isEmpty() && seznam->view()->accessibleName().isEmpty())
            seznam->view()->setAccessibleName(seznam->accessibleName());
    }
}
