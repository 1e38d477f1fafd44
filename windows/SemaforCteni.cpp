#include "windows/SemaforCteni.h"

#include "resources/Zdroje.h"
#include "windows/formular/Formular.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr QSize Navrh(720, 600);
constexpr int StranaObrazku = 48;
constexpr int ZnakuVRadku = 10;

// The caption of a sign as its button's hint and accessible name.
QString popisZnaku(int obrazek)
{
    if (obrazek == SemaforMezera)
        return QStringLiteral("mezera");
    if (obrazek == SemaforZnakCislic)
        return QStringLiteral("ČÍSLICE (znak číslic)");
    const QString pismeno = semaforVyznam(obrazek).toUpper();
    const QChar cislice = semaforCislice(obrazek);
    if (obrazek == SemaforZnakPismen)
        return QStringLiteral("%1 (po číslicích znak písmen)").arg(pismeno);
    if (!cislice.isNull())
        return QStringLiteral("%1 (po znaku číslic %2)").arg(pismeno, cislice);
    return pismeno;
}
} // namespace

TSemaforCteni::TSemaforCteni(QWidget *parent) : QWidget(parent)
{
    pripravOkno(this, "SemaforCteniForm", QStringLiteral("Semafor – čtení"), Navrh);
    vytvorOvladace();
    for (int i = 1; i <= SemaforPocetObrazku; ++i)
        connect(m_znaky[std::size_t(i - 1)], &QPushButton::clicked, this, [this, i] { znakClick(i); });
    connect(zpetB, &QPushButton::clicked, this, &TSemaforCteni::zpetBClick);
    connect(smazatB, &QPushButton::clicked, this, &TSemaforCteni::smazatBClick);
    ukazStav();
    m_znaky[0]->setFocus();
}

void TSemaforCteni::vytvorOvladace()
{
    QWidget *plocha = plochaOkna(this, Navrh);
    QVBoxLayout *sloupec = sloupecFormulare(plocha);

    Label1 = popisek(plocha, "Label1",
                     QStringLiteral("Klikejte na obrázky v pořadí, v jakém je vidíte. Po znaku číslic znamenají A–I "
                                    "číslice 1–9 a K nulu, dokud nepřijde znak písmen J."),
                     true);
    auto *mrizka = new QGridLayout;
    mrizka->setSpacing(4);
    for (int i = 1; i <= SemaforPocetObrazku; ++i) {
        QPushButton *b = tlacitko(plocha, QStringLiteral("znak%1B").arg(i), QString(), popisZnaku(i));
        // The picture of the space is blank: its button says what it is instead.
        if (i == SemaforMezera)
            b->setText(QStringLiteral("mezera"));
        else
            b->setIcon(QIcon(bitmapa(i)));
        b->setIconSize(QSize(StranaObrazku, StranaObrazku));
        b->setFixedSize(StranaObrazku + 12, StranaObrazku + 12);
        b->setAccessibleName(popisZnaku(i));
        m_znaky[std::size_t(i - 1)] = b;
        mrizka->addWidget(b, (i - 1) / ZnakuVRadku, (i - 1) % ZnakuVRadku);
    }
    mrizka->setColumnStretch(ZnakuVRadku, 1);

    PrijateLab = popisek(plocha, "PrijateLab", QStringLiteral("&Přijaté obrázky"), true);
    prijateLW = new QListWidget(plocha);
    prijateLW->setObjectName("prijateLW");
    prijateLW->setAccessibleName(QStringLiteral("Přijaté obrázky"));
    prijateLW->setViewMode(QListView::IconMode);
    prijateLW->setFlow(QListView::LeftToRight);
    prijateLW->setWrapping(true);
    prijateLW->setResizeMode(QListView::Adjust);
    prijateLW->setMovement(QListView::Static);
    prijateLW->setIconSize(QSize(StranaObrazku, StranaObrazku));
    prijateLW->setGridSize(QSize(StranaObrazku + 4, StranaObrazku + 4));
    prijateLW->setSelectionMode(QAbstractItemView::NoSelection);
    prijateLW->setMinimumHeight(2 * (StranaObrazku + 4) + 8);
    PrijateLab->setBuddy(prijateLW);

    TextLab = popisek(plocha, "TextLab", QStringLiteral("Pře&čtený text"), true);
    textE = memo(plocha, "textE");
    textE->setReadOnly(true);
    textE->setAccessibleName(QStringLiteral("Přečtený text"));
    textE->setFixedHeight(56);
    TextLab->setBuddy(textE);
    rezimLab = popisek(plocha, "rezimLab", QString());
    rezimLab->setAccessibleName(QStringLiteral("Režim čtení"));

    zpetB = tlacitko(plocha, "zpetB", QStringLiteral("&Zpět"), QStringLiteral("Odebere poslední obrázek."));
    zpetB->setAccessibleName(QStringLiteral("Zpět"));
    smazatB = tlacitko(plocha, "smazatB", QStringLiteral("&Smazat"), QStringLiteral("Odebere všechny obrázky."));
    smazatB->setAccessibleName(QStringLiteral("Smazat"));

    sloupec->addWidget(Label1);
    sloupec->addLayout(mrizka);
    sloupec->addSpacing(8);
    sloupec->addWidget(PrijateLab);
    sloupec->addWidget(prijateLW, 1);
    sloupec->addWidget(TextLab);
    sloupec->addWidget(textE);
    auto *tlacitka = new QHBoxLayout;
    tlacitka->addWidget(zpetB);
    tlacitka->addWidget(smazatB);
    tlacitka->addSpacing(12);
    tlacitka->addWidget(rezimLab, 1);
    sloupec->addLayout(tlacitka);
}

const QPixmap &TSemaforCteni::bitmapa(int obrazek)
{
    QPixmap &bitmapa = m_bitmapy.at(std::size_t(obrazek - 1));
    if (bitmapa.isNull())
        bitmapa = bitmapaZdroje(obrazek);
    return bitmapa;
}

void TSemaforCteni::ukazStav()
{
    textE->setPlainText(m_cteni.text());
    textE->moveCursor(QTextCursor::End);
    rezimLab->setText(m_cteni.cislice() ? QStringLiteral("Čtou se číslice.") : QStringLiteral("Čtou se písmena."));
    zpetB->setEnabled(!m_cteni.obrazky().isEmpty());
    smazatB->setEnabled(!m_cteni.obrazky().isEmpty());
}

void TSemaforCteni::znakClick(int obrazek)
{
    if (!m_cteni.pridej(obrazek))
        return;
    auto *polozka = new QListWidgetItem(QIcon(bitmapa(obrazek)), QString(), prijateLW);
    polozka->setToolTip(popisZnaku(obrazek));
    prijateLW->scrollToItem(polozka);
    ukazStav();
}

void TSemaforCteni::zpetBClick()
{
    if (m_cteni.obrazky().isEmpty())
        return;
    m_cteni.zpet();
    delete prijateLW->takeItem(prijateLW->count() - 1);
    ukazStav();
}

void TSemaforCteni::smazatBClick()
{
    m_cteni.smaz();
    prijateLW->clear();
    ukazStav();
}
