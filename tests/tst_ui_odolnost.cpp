// Bad input from a damaged store, from the file system and from the user: each gets a clear message
// or a defined result, nothing already saved is lost, nothing crashes or hangs.
#include "app/Main.h"
#include "descriptions/Ulozistepopisu.h"
#include "descriptions/okna/Prehled.h"
#include "descriptions/okna/Vlastnisifra.h"
#include "support/OdpovidacOken.h"
#include "support/Poruchy.h"
#include "support/Soubory.h"
#include "text/Mnemoniky.h"
#include "windows/zpravy/Ukladani.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDirIterator>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

#include <unistd.h>

using namespace Qt::StringLiterals;
using Soubory = QMap<QString, QByteArray>;

namespace {
const QString Uloziste = SlozkaUloziste.toString();
const QString Sifra = u"talvoPrehled/Sifra/Sifra"_s;
constexpr qint64 Velky = 50LL * 1024 * 1024;

// Every file and folder of the store with its bytes (a folder as "<slozka>").
Soubory snimek()
{
    Soubory soubory;
    for (QDirIterator it(Uloziste, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString cesta = it.next();
        soubory.insert(cesta, it.fileInfo().isDir() ? QByteArray("<slozka>") : obsahSouboru(cesta));
    }
    return soubory;
}

QByteArray nahodneBajty(qint64 delka, quint32 start)
{
    QByteArray bajty(delka, Qt::Uninitialized);
    QRandomGenerator nahoda(start);
    nahoda.fillRange(reinterpret_cast<quint32 *>(bajty.data()), bajty.size() / 4);
    return bajty;
}

// A Windows bitmap header (file and info header, 24 bits a pixel) for a picture of w x h.
QByteArray hlavickaBmp(qint32 w, qint32 h)
{
    QByteArray b("BM");
    const auto pridej = [&b](quint32 hodnota, int bajtu) {
        for (int i = 0; i < bajtu; ++i)
            b.append(char(hodnota >> (8 * i)));
    };
    pridej(54 + quint32(w) * 3 * quint32(h), 4), pridej(0, 4), pridej(54, 4);
    pridej(40, 4), pridej(quint32(w), 4), pridej(quint32(h), 4), pridej(1, 2), pridej(24, 2);
    pridej(0, 4), pridej(0, 4), pridej(2835, 4), pridej(2835, 4), pridej(0, 4), pridej(0, 4);
    return b;
}

QByteArray png()
{
    QImage obraz(3, 3, QImage::Format_RGB32);
    obraz.fill(Qt::red);
    QByteArray bajty;
    QBuffer buffer(&bajty);
    buffer.open(QIODevice::WriteOnly);
    obraz.save(&buffer, "PNG");
    return bajty;
}

// The text of the modal box that akce opens, or "" when none opens.
QString zpravaPo(const std::function<void()> &akce)
{
    auto odpovidac = std::make_unique<OdpovidacOken>();
    odpovidac->ocekavej();
    akce();
    return odpovidac->odpovezeno() ? odpovidac->text() : QString();
}

// The words the table rows expect of a message: all must be in it; "" expects no message at all.
bool sedi(const QString &zprava, const QString &ocekavana)
{
    if (ocekavana.isEmpty())
        return zprava.isEmpty();
    const QStringList casti = ocekavana.split(u'|');
    return std::all_of(casti.begin(), casti.end(), [&](const QString &cast) { return zprava.contains(cast); });
}

template <typename T = QPlainTextEdit> T *prvek(const QObject &okno, const QString &jmeno)
{
    return okno.findChild<T *>(jmeno);
}

// A store damage: it changes the description "Sifra" (title "Sifra", description, text example).
enum class Porucha
{
    NadpisNahodny,
    NadpisVelky,
    PopisVelky,
    PrazdnaSlozka,
    SouborJeSlozka,
    NecitelnaSlozka,
    NecitelnySoubor,
    BmpUseknuta,
    BmpObri,
    PngJakoBmp,
};
} // namespace

Q_DECLARE_METATYPE(Porucha)

class TestOdolnost : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void poskozeneUloziste_data();
    void poskozeneUloziste();
    void ulozeniSelze_data();
    void ulozeniSelze();
    void zpravaPresNenahraditelnySoubor();
    void vlozeniDoKazdehoMema_data();
    void vlozeniDoKazdehoMema();

private:
    bool priprav(Porucha porucha);

    std::optional<QTemporaryDir> m_slozka;
    const QString m_puvodni = QDir::currentPath();
};

void TestOdolnost::init()
{
    QVERIFY(m_slozka.emplace().isValid() && QDir::setCurrent(m_slozka->path()));
    QVERIFY(zapisSoubor(Sifra + u"-nadpis.txt"_s, "Sifra") && zapisSoubor(Sifra + u"-popis.txt"_s, "Popis\r\nšifry") &&
            zapisSoubor(Sifra + u"-priklad.txt"_s, "x") && zapisSoubor(u"soubor"_s, "obyčejný soubor"));
}

void TestOdolnost::cleanup()
{
    vratCteni(u"talvoPrehled/Sifra"_s);
    vratCteni(Sifra + u"-popis.txt"_s);
    QVERIFY(QDir::setCurrent(m_puvodni));
    m_slozka.reset();
}

bool TestOdolnost::priprav(Porucha porucha)
{
    const QString pomocny = m_slozka->filePath(u"soubor"_s);
    switch (porucha) {
    case Porucha::NadpisNahodny:
        return zapisSoubor(Sifra + u"-nadpis.txt"_s, nahodneBajty(4096, 7));
    case Porucha::NadpisVelky:
        return zapisSoubor(Sifra + u"-nadpis.txt"_s, QByteArray("Nadpis ").repeated(Velky / 7));
    case Porucha::PopisVelky:
        return zapisSoubor(Sifra + u"-popis.txt"_s, nahodneBajty(Velky, 11));
    case Porucha::PrazdnaSlozka:
        return QDir(u"talvoPrehled/Sifra"_s).removeRecursively() && QDir().mkpath(u"talvoPrehled/Sifra"_s);
    case Porucha::SouborJeSlozka:
        return QFile::remove(Sifra + u"-popis.txt"_s) && QDir().mkpath(Sifra + u"-popis.txt"_s);
    case Porucha::NecitelnaSlozka:
        if (geteuid() != 0)
            return udelejNecitelny(u"talvoPrehled/Sifra"_s, pomocny);
        // What root sees of a folder it may not read: the names, but nothing behind them.
        for (const char *pripona : {"-nadpis.txt", "-popis.txt", "-priklad.txt"})
            if (!udelejNecitelny(Sifra + QLatin1String(pripona), pomocny))
                return false;
        return true;
    case Porucha::NecitelnySoubor:
        return udelejNecitelny(Sifra + u"-popis.txt"_s, pomocny);
    case Porucha::BmpUseknuta:
        return QFile::remove(Sifra + u"-priklad.txt"_s) && zapisSoubor(Sifra + u"-obr1.bmp"_s, hlavickaBmp(100, 100));
    case Porucha::BmpObri:
        return zapisSoubor(Sifra + u"-obr.bmp"_s, hlavickaBmp(60000, 60000) + QByteArray(4096, '\0'));
    case Porucha::PngJakoBmp:
        return zapisSoubor(Sifra + u"-obr.bmp"_s, png());
    }
    return false;
}

void TestOdolnost::poskozeneUloziste_data()
{
    // The menu caption (".." stands for the rest of a cut caption), then the words of the messages that
    // the overview and the editor show ("" none), and whether the editor fills its name box.
    QTest::addColumn<Porucha>("porucha");
    QTest::addColumn<QString>("titulek");
    QTest::addColumn<QString>("prehled");
    QTest::addColumn<QString>("editor");
    QTest::addColumn<bool>("nacteno");
    const QString chybi = u"Soubory o šifře Sifra NEEXISTUJÍ!"_s;
    const QString chybiEditoru = u"Soubory talvo \"Sifra\" NEEXISTUJÍ!"_s;
    QTest::newRow("title of random bytes") << Porucha::NadpisNahodny << u".."_s << QString() << QString() << true;
    QTest::newRow("title of 50 MB") << Porucha::NadpisVelky << u"NadpisNadpis.."_s << QString()
                                    << u"Sifra-nadpis.txt je příliš velký|editor otevře nejvýše 16384|nebyla načtena"_s
                                    << false;
    QTest::newRow("description of 50 MB") << Porucha::PopisVelky << u"Sifra"_s << QString()
                                          << u"Sifra-popis.txt je příliš velký|nebyla načtena"_s << false;
    QTest::newRow("empty folder") << Porucha::PrazdnaSlozka << u"Sifra"_s << chybi << chybiEditoru << false;
    QTest::newRow("folder where a file should be")
        << Porucha::SouborJeSlozka << u"Sifra"_s << chybi << chybiEditoru << true;
    QTest::newRow("folder without read permission")
        << Porucha::NecitelnaSlozka << u"Sifra"_s << chybi << chybiEditoru << false;
    QTest::newRow("file without read permission")
        << Porucha::NecitelnySoubor << u"Sifra"_s << chybi << chybiEditoru << true;
    QTest::newRow("BMP cut off after its header")
        << Porucha::BmpUseknuta << u"Sifra"_s << u"Sifra-obr1.bmp nelze zobrazit|useknutý|54 bajtů"_s << QString()
        << true;
    QTest::newRow("BMP of 60000 x 60000 pixels")
        << Porucha::BmpObri << u"Sifra"_s << u"Sifra-obr.bmp nelze zobrazit|příliš velký (60000 × 60000"_s << QString()
        << true;
    QTest::newRow("PNG renamed to .bmp") << Porucha::PngJakoBmp << u"Sifra"_s
                                         << u"Sifra-obr.bmp nelze zobrazit|není obrázek BMP, je to obrázek PNG"_s
                                         << QString() << true;
}

// The damaged description from the menus: its entry, an overview and an editor on it. The store keeps
// every byte (an editor removes only the empty folder of a description it could not open).
void TestOdolnost::poskozeneUloziste()
{
    QFETCH(Porucha, porucha);
    QFETCH(QString, titulek);
    QFETCH(QString, prehled);
    QFETCH(QString, editor);
    QFETCH(bool, nacteno);
    QVERIFY(priprav(porucha));
    const Soubory pred = snimek();

    TTalvoMain hlavni;
    QCOMPARE(hlavni.polozkyPrehled().size(), 1);
    const QString menu = BezMnemoniky(hlavni.polozkyPrehled().at(0)->text());
    QCOMPARE(BezMnemoniky(hlavni.polozkyNacti().at(0)->text()), u"Načti šifru: "_s + menu);
    QVERIFY2(menu.size() <= MaxZnakuTitulku + 1 && !menu.contains(u'\t'), qPrintable(menu));
    if (titulek.endsWith(u".."_s))
        QVERIFY2(menu.startsWith(titulek.chopped(2)) && menu.endsWith(u'…') && menu.size() > 1, qPrintable(menu));
    else
        QCOMPARE(menu, titulek);

    const QString zPrehledu = zpravaPo([&] { hlavni.polozkyPrehled().at(0)->trigger(); });
    QVERIFY2(sedi(zPrehledu, prehled), qPrintable(zPrehledu));
    auto *okno = qobject_cast<TTalvoPrehled *>(hlavni.aktivniOkno());
    QVERIFY(okno);
    QCOMPARE(okno->windowTitle(), u"Přehled šifer - Sifra"_s);
    // A page shows only the beginning of a long text, and says that it does.
    if (porucha == Porucha::NadpisVelky || porucha == Porucha::PopisVelky) {
        const QString text =
            prvek<QTextEdit>(*okno, porucha == Porucha::NadpisVelky ? u"text0"_s : u"text1"_s)->toPlainText();
        QVERIFY2(text.size() <= MaxBajtuTextu + 200, qPrintable(QString::number(text.size())));
        QVERIFY(text.endsWith(u"[Text je zkrácen: soubor má 50,0 MB, zobrazen je jen jeho začátek.]"_s));
    }

    const QString zEditoru = zpravaPo([&] { hlavni.polozkyNacti().at(0)->trigger(); });
    QVERIFY2(sedi(zEditoru, editor), qPrintable(zEditoru));
    auto *vlastni = qobject_cast<TTalvoVlastni *>(hlavni.aktivniOkno());
    QVERIFY(vlastni);
    QCOMPARE(!prvek(*vlastni, u"NazevTalvo"_s)->document()->isEmpty(), nacteno);

    Soubory po = snimek();
    if (porucha == Porucha::PrazdnaSlozka)
        QVERIFY(po.isEmpty() && !QFileInfo::exists(u"talvoPrehled/Sifra"_s));
    else
        QCOMPARE(po, pred);
}

void TestOdolnost::ulozeniSelze_data()
{
    // The title typed into a new editor, the fault, the words of the message; the store must not change
    // except where a text was written whole before the fault.
    QTest::addColumn<QString>("nazev");
    QTest::addColumn<QString>("porucha");
    QTest::addColumn<QString>("zprava");
    QTest::newRow("title of 10 000 characters")
        << QString(10000, u'ž') << QString() << u"Název šifry je příliš dlouhý|10018 bajtů|nejvýše 255"_s;
    QTest::newRow("title only of removed characters")
        << u"?! .:\r\n"_s << QString() << u"Zadejte název šifry. Šifra nebyla uložena."_s;
    QTest::newRow("title with a NUL") << u"Sif\0ra"_s << QString() << u"nelze použít jako název složky"_s;
    QTest::newRow("file where the description folder should be")
        << u"Šifra"_s << u"soubor místo složky"_s << u"Soubor talvoPrehled/Sifra/Sifra-nadpis.txt nelze uložit"_s;
    QTest::newRow("read-only store") << u"Šifra"_s << u"jen pro čtení"_s
                                     << u"Soubor talvoPrehled/Sifra/Sifra-nadpis.txt nelze uložit"_s;
    QTest::newRow("device that fails mid-write")
        << u"Šifra"_s << u"zařízení selže"_s << u"Soubor talvoPrehled/Sifra/Sifra-popis.txt nelze uložit"_s;
}

void TestOdolnost::ulozeniSelze()
{
    QFETCH(QString, nazev);
    QFETCH(QString, porucha);
    QFETCH(QString, zprava);
    if (porucha == u"soubor místo složky")
        QVERIFY(QDir(u"talvoPrehled/Sifra"_s).removeRecursively() && zapisSoubor(u"talvoPrehled/Sifra"_s, "soubor"));
    Soubory ocekavany = snimek();
    TTalvoVlastni editor;
    prvek(editor, u"NazevTalvo"_s)->setPlainText(nazev);
    // Longer than the device takes: the title goes through, the description stops half-way.
    prvek(editor, u"PopisTalvo"_s)->setPlainText(QString(2000, u'p'));
    std::optional<ZamekZapisu> zamky[2];
    std::optional<OmezeniZapisu> omezeni;
    if (porucha == u"jen pro čtení") {
        for (int i = 0; i < 2; ++i) {
            zamky[i].emplace(i == 0 ? Uloziste : u"talvoPrehled/Sifra"_s);
            QVERIFY(zamky[i]->zamceno());
        }
    } else if (porucha == u"zařízení selže") {
        omezeni.emplace(1000);
        QVERIFY(omezeni->platne());
        ocekavany[Sifra + u"-nadpis.txt"_s] = "\x8Aifra";
    }
    const QString odpoved = zpravaPo([&] { prvek<QPushButton>(editor, u"UlozitSifru"_s)->click(); });
    omezeni.reset();
    zamky[1].reset();
    zamky[0].reset();
    QVERIFY2(sedi(odpoved, zprava), qPrintable(odpoved));
    QCOMPARE(snimek(), ocekavany);
}

// Save over a report file that cannot be replaced: the user is told, the old report stays whole.
void TestOdolnost::zpravaPresNenahraditelnySoubor()
{
    TTalvoMain hlavni;
    hlavni.findChild<QAction *>(u"Morseovka1SD"_s)->trigger();
    const QString cesta = m_slozka->filePath(u"zprava.txt"_s);
    QVERIFY(zapisSoubor(cesta, "stará zpráva\r\n"));
    ZamekZapisu zamek(cesta);
    ZamekZapisu zamekSlozky(m_slozka->path());
    QVERIFY(zamek.zamceno() && zamekSlozky.zamceno());
    auto *dialog = hlavni.ukladani()->SaveDialog1();
    // The question whether to replace the file is not what this is about.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    OdpovidacOken box;
    OdpovidacOken odpovidac([&](QWidget *okno) {
        dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->setText(cesta);
        // The error box comes while the save runs, after the dialog has closed.
        box.ocekavej();
        OdpovidacOken::prijmi(okno);
    });
    odpovidac.ocekavej();
    QVERIFY(!hlavni.ukladani()->UlozitClick(hlavni.aktivniOkno()));
    QCOMPARE(odpovidac.trida(), u"QFileDialog"_s);
    QVERIFY(box.odpovezeno());
    QVERIFY2(box.text().startsWith(u"Soubor %1 nelze uložit"_s.arg(cesta)), qPrintable(box.text()));
    QCOMPARE(obsahSouboru(cesta), QByteArray("stará zpráva\r\n"));
}

void TestOdolnost::vlozeniDoKazdehoMema_data()
{
    QTest::addColumn<QString>("akce");
    QTest::newRow("Morse window") << u"Morseovka1SD"_s;
    QTest::newRow("grille window") << u"MrizkaSD"_s;
    QTest::newRow("wheel window") << u"SifrovaciKolecko1SD"_s;
    QTest::newRow("snail window") << u"Snek1SD"_s;
    QTest::newRow("semaphore window") << u"Semafor1SD"_s;
    QTest::newRow("description editor") << u"Nova"_s;
}

// 1 MB pasted into every memo a user can type in, then every button of the window pressed (any box
// answered): the memo holds what it may hold and the report carries it whole.
void TestOdolnost::vlozeniDoKazdehoMema()
{
    QFETCH(QString, akce);
    TTalvoMain hlavni;
    hlavni.findChild<QAction *>(akce)->trigger();
    QWidget *okno = hlavni.aktivniOkno();
    QVERIFY(okno);
    QString text;
    while (text.size() < 1024 * 1024)
        text += u"Žluťoučký kůň úpěl ďábelské ódy, 123.\n"_s;
    text.truncate(1024 * 1024);
    QApplication::clipboard()->setText(text);
    const auto mema = okno->findChildren<QPlainTextEdit *>();
    int vlozeno = 0;
    for (QPlainTextEdit *memo : mema) {
        if (memo->isHidden() || memo->isReadOnly() || !memo->isEnabled())
            continue;
        memo->selectAll();
        memo->paste();
        ++vlozeno;
        // The semaphore's source takes 300 characters, everything else the whole text.
        const int nejvice = akce == u"Semafor1SD" ? 300 : int(text.size());
        QCOMPARE(memo->document()->characterCount() - 1, nejvice);
    }
    QVERIFY(vlozeno >= 1);
    // The report carries every pasted character; the semaphore window has none.
    auto *zprava = dynamic_cast<IZprava *>(okno);
    QCOMPARE(zprava == nullptr, akce == u"Semafor1SD");
    if (zprava) {
        const QStringList radky = radkyZpravy(*zprava);
        QVERIFY2(radky.join(u'\n').count(u"Žluťoučký"_s) >= text.count(u"Žluťoučký"_s),
                 qPrintable(u"%1 lines"_s.arg(radky.size())));
    }
    // Every button on what was pasted; a box that one opens is answered.
    OdpovidacOken odpovidac;
    for (QPushButton *tlacitko : okno->findChildren<QPushButton *>()) {
        if (!tlacitko->isEnabled() || tlacitko->objectName().startsWith(u"Vlozit"_s))
            continue;
        odpovidac.ocekavej(200);
        tlacitko->click();
    }
    if (zprava)
        QVERIFY(!radkyZpravy(*zprava).isEmpty());
}

QTEST_MAIN(TestOdolnost)
#include "tst_ui_odolnost.moc"
