// Builds the user guide, talvo_uzivatelska_dokumentace.pdf, from its Markdown source.
//
// The pictures of the guide are taken here, offscreen, from the program's own windows: the main
// window opens each window through its menu, the window gets its default text and one press of its
// cipher button, and the whole main window is grabbed. The Markdown names a picture as
// "snimky/<scene>.png"; every picture it names must be taken here and every one taken must be named,
// so a window that changes or disappears changes the guide or stops the build.
//
// Every chapter (a first-level heading) starts a page; the paragraph "OBSAH" becomes the table of
// contents with the page of every chapter; the pages carry their numbers at the foot.
// Usage: generuj_prirucku SOURCE.md STORE_PARENT OUTPUT.pdf [PICTURE_FOLDER]

#include "app/Aplikace.h"
#include "app/Main.h"
#include "app/PracovniSlozka.h"
#include "descriptions/Ulozistepopisu.h"
#include "exercises/Cviceni.h"
#include "exercises/MorseTrenink.h"
#include "resources/Pisma.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <stdexcept>

namespace {
// Pixels of a 96 dpi screen kept free at the top and the bottom of every page's text.
constexpr qreal OkrajStrany = 8;

using Scena = std::function<void(TTalvoMain &)>;

[[noreturn]] void chyba(const QString &text)
{
    throw std::runtime_error(text.toStdString());
}

template <typename T> T *najdi(const QObject &v, const char *jmeno)
{
    auto *objekt = v.findChild<T *>(QString::fromLatin1(jmeno));
    if (!objekt)
        chyba(QStringLiteral("no control %1").arg(QString::fromLatin1(jmeno)));
    return objekt;
}

QWidget &aktivni(TTalvoMain &hlavni)
{
    QWidget *okno = hlavni.aktivniOkno();
    if (!okno)
        chyba(QStringLiteral("no window is open"));
    return *okno;
}

void spust(TTalvoMain &hlavni, const char *akce)
{
    najdi<QAction>(hlavni, akce)->trigger();
}

void stiskni(QWidget &okno, const char *tlacitko)
{
    QPushButton *b = najdi<QPushButton>(okno, tlacitko);
    if (!b->isEnabled())
        chyba(QStringLiteral("button %1 is disabled").arg(QString::fromLatin1(tlacitko)));
    b->click();
}

void napis(QWidget &okno, const char *memo, const QString &text)
{
    najdi<QPlainTextEdit>(okno, memo)->setPlainText(text);
}

// The overview shown in the guide: the Morse description when the store has one, else the first.
QAction *popisKUkazce(const TTalvoMain &hlavni)
{
    const QList<QAction *> &polozky = hlavni.polozkyPrehled();
    if (polozky.isEmpty())
        chyba(QStringLiteral("the store holds no description"));
    for (QAction *a : polozky)
        if (a->data().toString().startsWith(QStringLiteral("Morse"), Qt::CaseInsensitive))
            return a;
    return polozky.first();
}

// The scenes, by the name of their picture.
std::map<QString, Scena> sceny()
{
    return {
        {QStringLiteral("hlavni"), [](TTalvoMain &) {}},
        {QStringLiteral("morseovka"),
         [](TTalvoMain &h) {
             spust(h, "Morseovka1SD");
             napis(aktivni(h), "Zdroj", QStringLiteral("Ahoj, světe!"));
             stiskni(aktivni(h), "ZasifrujB");
         }},
        {QStringLiteral("mrizka"),
         [](TTalvoMain &h) {
             spust(h, "MrizkaSD");
             stiskni(aktivni(h), "ZasifrujB");
         }},
        {QStringLiteral("kolecko"),
         [](TTalvoMain &h) {
             spust(h, "SifrovaciKolecko1SD");
             stiskni(aktivni(h), "ZasifrujDesifrujB");
         }},
        {QStringLiteral("snek"),
         [](TTalvoMain &h) {
             spust(h, "Snek1SD");
             stiskni(aktivni(h), "SifrujB");
         }},
        {QStringLiteral("semafor"),
         [](TTalvoMain &h) {
             spust(h, "Semafor1SD");
             stiskni(aktivni(h), "ZasifrujDesifrujB");
         }},
        {QStringLiteral("prehled"), [](TTalvoMain &h) { popisKUkazce(h)->trigger(); }},
        {QStringLiteral("cviceni"),
         [](TTalvoMain &h) {
             spust(h, "Test");
             auto *test = qobject_cast<TTalvoCviceni *>(h.aktivniOkno());
             if (!test)
                 chyba(QStringLiteral("the quiz did not open"));
             // Six answers right, one wrong, three left out: a score of 6 to 4 after "Vyhodnotit".
             for (int q = 0; q < 6; ++q)
                 test->spravnaVolba(q)->setChecked(true);
             for (QRadioButton *volba : test->volby(6))
                 if (volba != test->spravnaVolba(6))
                     volba->setChecked(true);
             stiskni(*test, "Button1");
         }},
        {QStringLiteral("trenink"),
         [](TTalvoMain &h) {
             spust(h, "MorseTreninkSD");
             auto *trenink = qobject_cast<TMorseTrenink *>(h.aktivniOkno());
             if (!trenink)
                 chyba(QStringLiteral("the trainer did not open"));
             // Three answers right, then a wrong one whose result stays shown.
             auto *odpoved = najdi<QLineEdit>(*trenink, "odpovedE");
             for (int i = 0; i < 4; ++i) {
                 if (i > 0)
                     stiskni(*trenink, "dalsiB");
                 const QString znak = trenink->model().znakOtazky().toString();
                 odpoved->setText(i < 3 ? znak : (znak == u"e" ? QStringLiteral("t") : QStringLiteral("e")));
                 stiskni(*trenink, "overitB");
             }
         }},
        {QStringLiteral("editor"),
         [](TTalvoMain &h) {
             spust(h, "Nova");
             napis(aktivni(h), "NazevTalvo", QStringLiteral("Tajná zpráva oddílu"));
             napis(aktivni(h), "PopisTalvo",
                   QStringLiteral("Každé písmeno se nahradí písmenem, které v abecedě stojí o tři místa dál."));
             napis(aktivni(h), "PrikladZdroj", QStringLiteral("ahoj -> dkrm"));
         }},
    };
}

// The working folder of the scenes: a copy of the shipped store, or, while nothing is shipped yet,
// one small description, so the overview has something to show.
void pripravSlozku(const QTemporaryDir &docasna, const QString &dodavana)
{
    const QString start = docasna.filePath(QStringLiteral("start"));
    const QString pracovni = docasna.filePath(QStringLiteral("pracovni"));
    QDir().mkpath(start);
    QString potize;
    const QString slozka =
        pripravPracovniSlozku({start, dodavanaSlozka(dodavana, QStringLiteral(".")), pracovni, {}}, &potize);
    if (!potize.isEmpty())
        chyba(potize);
    QDir::setCurrent(slozka);
    if (!SeznamSifer().isEmpty())
        return;
    const QString f = QStringLiteral("Ukazka");
    if (!QDir().mkpath(slozkaPopisu(SlozkaUloziste.toString(), f)))
        chyba(QStringLiteral("cannot create the sample description"));
    const std::pair<SouborPopisu, const char *> soubory[] = {
        {SouborPopisu::Nadpis, "Ukázka"}, {SouborPopisu::Popis, "Popis šifry."}, {SouborPopisu::Priklad, "ahoj"}};
    for (const auto &[druh, text] : soubory) {
        QFile soubor(souborPopisu(SlozkaUloziste.toString(), f, druh));
        if (!soubor.open(QIODevice::WriteOnly) || soubor.write(text) < 0)
            chyba(QStringLiteral("cannot write the sample description"));
    }
}

// A thin grey frame, so a window with a white edge does not melt into the page.
QImage sRamem(QImage obraz)
{
    QPainter malir(&obraz);
    malir.setPen(QPen(Qt::gray, 0));
    malir.drawRect(QRectF(QPointF(0, 0), obraz.deviceIndependentSize()).adjusted(0, 0, -1, -1));
    return obraz;
}

std::map<QString, QImage> vyfot(const std::map<QString, Scena> &scenar)
{
    // A window that asks or complains in a modal box has not shown what the guide expects: the box is
    // closed, so nothing waits for an answer, and the build fails.
    QString modalni;
    QTimer strazce;
    QObject::connect(&strazce, &QTimer::timeout, [&modalni] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            modalni = box->windowTitle();
            box->close();
        }
    });
    strazce.start(0);
    std::map<QString, QImage> snimky;
    for (const auto &[jmeno, scena] : scenar) {
        // A fresh main window per picture, so no window of an earlier scene shows.
        TTalvoMain hlavni;
        hlavni.show();
        scena(hlavni);
        // A window taller than the main window's usual size (the editor) is shown whole.
        if (const QWidget *okno = hlavni.aktivniOkno()) {
            const int navic = hlavni.height() - hlavni.mdiArea()->viewport()->height();
            hlavni.resize(hlavni.width(), std::max(hlavni.height(), okno->sizeHint().height() + navic + 4));
        }
        QCoreApplication::processEvents();
        if (!modalni.isEmpty())
            chyba(QStringLiteral("the scene %1 opened the box \"%2\"").arg(jmeno, modalni));
        snimky[jmeno] = sRamem(hlavni.grab().toImage());
    }
    return snimky;
}

// Czech typesetting: a one-letter preposition or conjunction never ends a line.
void svazJednopismenna(QTextDocument &dokument)
{
    static const QRegularExpression vzor(QStringLiteral("(?<!\\w)[kKsSvVzZoOuUaAiI] "),
                                         QRegularExpression::UseUnicodePropertiesOption);
    for (QTextCursor c = dokument.find(vzor); !c.isNull(); c = dokument.find(vzor, c)) {
        const QString pismeno = c.selectedText().left(1);
        c.insertText(pismeno + QChar(0x00A0));
    }
}

// Picture sizes: the width of the text, at most; centred.
void upravObrazky(QTextDocument &dokument, const std::map<QString, QImage> &snimky, qreal sirka)
{
    QList<QTextFragment> obrazky;
    for (QTextBlock b = dokument.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                obrazky.append(it.fragment());
    for (const QTextFragment &f : obrazky) {
        QTextImageFormat obraz = f.charFormat().toImageFormat();
        const auto snimek = snimky.find(QFileInfo(obraz.name()).completeBaseName());
        if (snimek == snimky.end())
            chyba(QStringLiteral("the guide names a picture no scene takes: %1").arg(obraz.name()));
        const QSizeF velikost = snimek->second.deviceIndependentSize();
        const qreal meritko = std::min<qreal>(1, sirka / velikost.width());
        obraz.setWidth(velikost.width() * meritko);
        obraz.setHeight(velikost.height() * meritko);
        QTextCursor c(&dokument);
        c.setPosition(f.position());
        c.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
        c.setCharFormat(obraz);
        QTextBlockFormat odstavec = c.blockFormat();
        odstavec.setAlignment(Qt::AlignHCenter);
        c.setBlockFormat(odstavec);
    }
}

struct Kapitola
{
    QString nazev;
    QTextBlock blok;
};

QList<Kapitola> kapitoly(const QTextDocument &dokument)
{
    QList<Kapitola> vysledek;
    for (QTextBlock b = dokument.begin(); b.isValid(); b = b.next())
        if (b.blockFormat().headingLevel() == 1)
            vysledek.append({b.text(), b});
    return vysledek;
}

int strana(const QTextDocument &dokument, const QTextBlock &blok)
{
    const QRectF r = dokument.documentLayout()->blockBoundingRect(blok);
    return static_cast<int>(r.top() / dokument.pageSize().height()) + 1;
}

// Replaces the paragraph "OBSAH" with a table of the chapters that follow it and their pages.
void vlozObsah(QTextDocument &dokument)
{
    QTextBlock misto;
    for (QTextBlock b = dokument.begin(); b.isValid(); b = b.next())
        if (b.text() == QStringLiteral("OBSAH"))
            misto = b;
    if (!misto.isValid())
        return;
    // Changes laid out piece by piece can leave lines where they stood before a page break moved
    // them; the whole document is laid out again before anything is measured or drawn.
    dokument.markContentsDirty(0, dokument.characterCount());
    QList<Kapitola> seznam;
    for (const Kapitola &k : kapitoly(dokument))
        if (k.blok.position() > misto.position())
            seznam.append(k);
    QList<int> strany;
    for (const Kapitola &k : seznam)
        strany.append(strana(dokument, k.blok));

    QTextCursor c(misto);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    c.removeSelectedText();
    QTextTableFormat format;
    format.setBorder(0);
    format.setCellPadding(3);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 80));
    format.setColumnWidthConstraints(
        {QTextLength(QTextLength::PercentageLength, 88), QTextLength(QTextLength::PercentageLength, 12)});
    QTextTable *tabulka = c.insertTable(static_cast<int>(seznam.size()), 2, format);
    for (int i = 0; i < seznam.size(); ++i) {
        tabulka->cellAt(i, 0).firstCursorPosition().insertText(seznam[i].nazev);
        QTextCursor cislo = tabulka->cellAt(i, 1).firstCursorPosition();
        QTextBlockFormat vpravo;
        vpravo.setAlignment(Qt::AlignRight);
        cislo.setBlockFormat(vpravo);
        cislo.insertText(QString::number(strany[i]));
    }
    dokument.markContentsDirty(0, dokument.characterCount());
    // The table must leave every chapter where it was; it fits on the title page.
    for (int i = 0; i < seznam.size(); ++i)
        if (strana(dokument, seznam[i].blok) != strany[i])
            chyba(QStringLiteral("the table of contents pushed the chapters on"));
}

void tiskni(QTextDocument &dokument, QPdfWriter &pdf)
{
    QPainter malir(&pdf);
    const QRect telo = pdf.pageLayout().paintRectPixels(pdf.resolution());
    const qreal vyska = dokument.pageSize().height();
    const int stran = dokument.pageCount();
    QFont pata = dokument.defaultFont();
    pata.setPointSizeF(9);
    for (int i = 0; i < stran; ++i) {
        if (i > 0)
            pdf.newPage();
        malir.save();
        malir.translate(0, -i * vyska);
        const QRectF vyrez(0, i * vyska, telo.width(), vyska);
        malir.setClipRect(vyrez);
        QAbstractTextDocumentLayout::PaintContext kontext;
        kontext.clip = vyrez;
        dokument.documentLayout()->draw(&malir, kontext);
        malir.restore();
        malir.setFont(pata);
        malir.setPen(Qt::darkGray);
        const qreal pod = pdf.pageLayout().marginsPixels(pdf.resolution()).bottom();
        malir.drawText(QRectF(0, vyska, telo.width(), pod * 0.6), Qt::AlignCenter,
                       QStringLiteral("%1 / %2").arg(i + 1).arg(stran));
    }
}

void vytvorPdf(const QString &markdown, const std::map<QString, QImage> &snimky, const QString &vystup)
{
    QSaveFile soubor(vystup);
    if (!soubor.open(QIODevice::WriteOnly))
        chyba(QStringLiteral("cannot write %1").arg(vystup));
    QPdfWriter pdf(&soubor);
    pdf.setTitle(QStringLiteral("Talvo: uživatelská příručka"));
    pdf.setCreator(QStringLiteral("Talvo"));
    pdf.setResolution(300);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(18, 16, 18, 18), QPageLayout::Millimeter);

    QTextDocument dokument;
    dokument.documentLayout()->setPaintDevice(&pdf);
    // The windows speak Tahoma; the guide reads better in a book face with a real bold.
    QFont pismo(QStringLiteral("Liberation Sans"));
    pismo.setPointSizeF(10.5);
    dokument.setDefaultFont(pismo);
    // Setting the text drops the resources, so the pictures come after it.
    dokument.setMarkdown(markdown);
    for (const auto &[jmeno, snimek] : snimky)
        dokument.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("snimky/%1.png").arg(jmeno)), snimek);
    const QRect telo = pdf.pageLayout().paintRectPixels(pdf.resolution());
    dokument.setPageSize(telo.size());
    // Every page starts a little below the top of the body: accents of a capital at the top of a
    // page stay on that page instead of reaching into the foot of the page before.
    dokument.setDocumentMargin(0);
    QTextFrameFormat ramec = dokument.rootFrame()->frameFormat();
    ramec.setTopMargin(OkrajStrany);
    ramec.setBottomMargin(OkrajStrany);
    dokument.rootFrame()->setFrameFormat(ramec);

    // Picture widths are in pixels of a 96 dpi screen; the text is as wide as the body.
    upravObrazky(dokument, snimky, telo.width() * 96.0 / pdf.resolution());
    for (const Kapitola &k : kapitoly(dokument)) {
        if (k.blok == dokument.begin())
            continue;
        QTextBlockFormat format = k.blok.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(k.blok).setBlockFormat(format);
    }
    svazJednopismenna(dokument);
    vlozObsah(dokument);
    tiskni(dokument, pdf);
    if (!soubor.commit())
        chyba(QStringLiteral("cannot write %1").arg(vystup));
}

// Every picture the Markdown names, by scene name.
QStringList jmenaObrazku(const QString &markdown)
{
    static const QRegularExpression vzor(QStringLiteral("!\\[[^\\]]*\\]\\(snimky/([a-z0-9_]+)\\.png\\)"));
    QStringList jmena;
    for (auto it = vzor.globalMatch(markdown); it.hasNext();)
        jmena << it.next().captured(1);
    return jmena;
}
} // namespace

int main(int argc, char *argv[])
{
    // Pictures at twice the screen's density, so the printed windows stay sharp.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    Aplikace aplikace(argc, argv);
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: generuj_prirucku SOURCE.md STORE_PARENT OUTPUT.pdf [PICTURE_FOLDER]\n");
        return 2;
    }
    try {
        QFile zdroj(QString::fromLocal8Bit(argv[1]));
        if (!zdroj.open(QIODevice::ReadOnly))
            chyba(QStringLiteral("cannot read %1").arg(zdroj.fileName()));
        const QString markdown = QString::fromUtf8(zdroj.readAll());
        const QString vystup = QFileInfo(QString::fromLocal8Bit(argv[3])).absoluteFilePath();
        const QString slozkaSnimku =
            argc == 5 ? QFileInfo(QString::fromLocal8Bit(argv[4])).absoluteFilePath() : QString();

        const auto scenar = sceny();
        for (const QString &jmeno : jmenaObrazku(markdown))
            if (!scenar.contains(jmeno))
                chyba(QStringLiteral("the guide names a picture no scene takes: %1").arg(jmeno));
        for (const auto &[jmeno, scena] : scenar)
            if (!jmenaObrazku(markdown).contains(jmeno))
                chyba(QStringLiteral("the guide shows no picture of the scene %1").arg(jmeno));

        NactiTahomu();
        QTemporaryDir docasna;
        if (!docasna.isValid())
            chyba(QStringLiteral("no temporary folder"));
        pripravSlozku(docasna, QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath());
        const auto snimky = vyfot(scenar);
        if (!slozkaSnimku.isEmpty()) {
            QDir().mkpath(slozkaSnimku);
            for (const auto &[jmeno, snimek] : snimky)
                snimek.save(QDir(slozkaSnimku).filePath(jmeno + QStringLiteral(".png")));
        }
        vytvorPdf(markdown, snimky, vystup);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "generuj_prirucku: %s\n", e.what());
        return 1;
    }
    return 0;
}
