// The description model without widgets: loading with its refusals, saving back byte for byte (every
// shipped description too), the saves it refuses, picture copies that never overwrite, and the menu
// listing with the store it makes or cannot make.
#include "descriptions/PopisSifry.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using Soubory = QMap<QString, QByteArray>;
using S = SouborPopisu;

namespace {
const QString Uloziste = SlozkaUloziste.toString();
const QString Snek = u"talvoPrehled/Snek/Snek"_s;

bool zapis(const QString &cesta, const QByteArray &bajty)
{
    QFile soubor(cesta);
    return QDir().mkpath(QFileInfo(cesta).path()) && soubor.open(QIODevice::WriteOnly) &&
           soubor.write(bajty) == bajty.size();
}

// Every file under slozka with its bytes, named relative to it.
Soubory snimek(const QString &slozka = Uloziste)
{
    Soubory soubory;
    const QDir koren(QFileInfo(slozka).absoluteFilePath());
    for (QDirIterator it(koren.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        QFile soubor(it.next());
        soubory.insert(koren.relativeFilePath(soubor.fileName()),
                       soubor.open(QIODevice::ReadOnly) ? soubor.readAll() : QByteArray("(unreadable)"));
    }
    return soubory;
}

// The texts as loaded, given back as an editor that changed nothing gives them.
PopisSifry::Texty bezZmen(const PopisSifry &popis)
{
    return {popis.nactenyText(S::Nadpis).value_or(QString()), popis.nactenyText(S::Popis).value_or(QString()),
            popis.nactenyText(S::Priklad), popis.nactenyText(S::NadpisObrazku)};
}
} // namespace

class TestPopisSifry : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void nacteni_data();
    void nacteni();
    void ulozeni_data();
    void ulozeni();
    void pruchod_data();
    void pruchod();
    void dodanePopisy_data();
    void dodanePopisy();
    void polozky_data();
    void polozky();

private:
    std::unique_ptr<QTemporaryDir> m_slozka;
};

void TestPopisSifry::init()
{
    m_slozka = std::make_unique<QTemporaryDir>();
    QVERIFY(m_slozka->isValid() && QDir::setCurrent(m_slozka->path()) && QDir().mkdir(Uloziste));
}

void TestPopisSifry::nacteni_data()
{
    QTest::addColumn<QString>("slozka");
    QTest::addColumn<Soubory>("soubory");
    QTest::addColumn<PopisSifry::Nacteni>("vysledek");
    QTest::addColumn<QString>("zprava");
    QTest::addColumn<bool>("nadpis");  // the title is loaded
    QTest::addColumn<bool>("zustava"); // the folder is still there afterwards
    using N = PopisSifry::Nacteni;
    const QString chybi = u"Soubory talvo \"Snek\" NEEXISTUJÍ! Vytvořte šifru znova."_s;
    QTest::newRow("whole") << u"Snek"_s << Soubory{{"-nadpis.txt", "S"}, {"-popis.txt", "p"}} << N::Nacteno << QString()
                           << true << true;
    QTest::newRow("empty folder goes") << u"Snek"_s << Soubory{} << N::ChybiSoubory << chybi << false << false;
    QTest::newRow("description missing, title kept")
        << u"Snek"_s << Soubory{{"-nadpis.txt", "S"}} << N::ChybiSoubory << chybi << true << true;
    QTest::newRow("example over the limit")
        << u"Snek"_s
        << Soubory{{"-nadpis.txt", "S"}, {"-popis.txt", "p"}, {"-priklad.txt", QByteArray(MaxBajtuTextu + 1, 'x')}}
        << N::PrilisVelkySoubor
        << u"Soubor talvoPrehled/Snek/Snek-priklad.txt je příliš velký (262145 "
           u"bajtů, editor otevře nejvýše 262144)."_s
        << false << true;
    QTest::newRow("name that leaves the store")
        << u".."_s << Soubory{} << N::ChybiSoubory << u"Soubory talvo \"..\" NEEXISTUJÍ! Vytvořte šifru znova."_s
        << false << true;
}

void TestPopisSifry::nacteni()
{
    QFETCH(QString, slozka);
    QFETCH(Soubory, soubory);
    QFETCH(PopisSifry::Nacteni, vysledek);
    QFETCH(QString, zprava);
    QFETCH(bool, nadpis);
    QFETCH(bool, zustava);
    QVERIFY(QDir().mkpath(u"talvoPrehled/Snek"_s));
    for (auto it = soubory.cbegin(); it != soubory.cend(); ++it)
        QVERIFY(zapis(Snek + it.key(), it.value()));
    PopisSifry popis;
    QString chyba;
    QCOMPARE(popis.nacti(slozka, &chyba), vysledek);
    QVERIFY2(chyba.startsWith(zprava), qPrintable(chyba));
    QCOMPARE(popis.nactenyText(S::Nadpis).has_value(), nadpis);
    QCOMPARE(QFileInfo(u"talvoPrehled/Snek"_s).isDir(), zustava);
    QVERIFY(QFileInfo(Uloziste).isDir());
}

void TestPopisSifry::ulozeni_data()
{
    QTest::addColumn<QString>("nadpis");
    QTest::addColumn<QString>("prekazka");
    QTest::addColumn<PopisSifry::Ulozeni>("vysledek");
    QTest::addColumn<QString>("zprava");
    QTest::addColumn<Soubory>("soubory");
    using U = PopisSifry::Ulozeni;
    // A new text is Windows-1250 with CR LF; the left-out picture title is not written.
    QTest::newRow("new description") << u"Šnek"_s << QString() << U::Ulozeno << QString()
                                     << Soubory{{"Snek/Snek-nadpis.txt", "\x8Anek"},
                                                {"Snek/Snek-popis.txt", "a\r\nb"},
                                                {"Snek/Snek-priklad.txt", "x"}};
    QTest::newRow("name that cleans to nothing")
        << u"?! ."_s << QString() << U::NeplatnyNazev << u"Zadejte název šifry. Šifra nebyla uložena."_s << Soubory{};
    QTest::newRow("store missing: made, nothing written")
        << u"Šnek"_s << u"store"_s << U::UlozisteVytvoreno
        << u"Chybějící složka \"talvoPrehled\" byla vytvorena. Ulozte sifru ZNOVA!"_s << Soubory{};
    QTest::newRow("a file where the folder should be")
        << u"Šnek"_s << u"file"_s << U::Chyba << u"Soubor talvoPrehled/Snek/Snek-nadpis.txt nelze uložit"_s
        << Soubory{{"Snek", "soubor"}};
}

void TestPopisSifry::ulozeni()
{
    QFETCH(QString, nadpis);
    QFETCH(QString, prekazka);
    QFETCH(PopisSifry::Ulozeni, vysledek);
    QFETCH(QString, zprava);
    QFETCH(Soubory, soubory);
    if (prekazka == u"store")
        QVERIFY(QDir(Uloziste).removeRecursively());
    else if (prekazka == u"file")
        QVERIFY(zapis(u"talvoPrehled/Snek"_s, "soubor"));
    PopisSifry popis;
    QString chyba;
    QCOMPARE(popis.uloz({nadpis, u"a\r\nb"_s, u"x"_s, std::nullopt}, &chyba), vysledek);
    QVERIFY2(chyba.startsWith(zprava), qPrintable(chyba));
    QVERIFY(QFileInfo(Uloziste).isDir());
    QCOMPARE(snimek(), soubory);
}

void TestPopisSifry::pruchod_data()
{
    QTest::addColumn<Soubory>("soubory");
    QTest::addColumn<QString>("konec");     // the description's line end
    QTest::addColumn<QString>("zobrazeny"); // the description as a box shows it, one kind of line end
    QTest::addColumn<QString>("upraveny");  // the description as an editor gives it back after an edit
    QTest::addColumn<QByteArray>("zapsany");
    QTest::newRow("Windows-1250, mixed line ends")
        << Soubory{{"-nadpis.txt", "\x8Anek"},
                   {"-popis.txt", "a\r\nb\xA0\x9E\nc"},
                   {"-priklad.txt", "x\ny\n"},
                   {"-nadpisObrazku.txt", "Tabulka"}}
        << u"\r\n"_s << u"a\r\nb\u00A0ž\r\nc"_s << u"a\r\nb\u00A0ž\r\nc!"_s << QByteArray("a\r\nb\xA0\x9E\r\nc!");
    QTest::newRow("LF, no picture title") << Soubory{{"-nadpis.txt", "Snek"}, {"-popis.txt", "p\np"}} << u"\n"_s
                                          << u"p\np"_s << u"p\np!"_s << QByteArray("p\np!");
    QTest::newRow("UTF-8 with a mark, CR")
        << Soubory{{"-nadpis.txt", "\xEF\xBB\xBF\xC5\xA0nek\r\n"}, {"-popis.txt", "\xEF\xBB\xBFo\rk"}} << u"\r"_s
        << u"o\rk"_s << u"o\rk!"_s << QByteArray("\xEF\xBB\xBFo\rk!");
}

// Saved unchanged, a loaded description rewrites every file byte for byte; an edited text keeps its encoding.
void TestPopisSifry::pruchod()
{
    QFETCH(Soubory, soubory);
    QFETCH(QString, konec);
    QFETCH(QString, zobrazeny);
    QFETCH(QString, upraveny);
    QFETCH(QByteArray, zapsany);
    for (auto it = soubory.cbegin(); it != soubory.cend(); ++it)
        QVERIFY(zapis(Snek + it.key(), it.value()));
    const Soubory pred = snimek();
    PopisSifry popis;
    QCOMPARE(popis.nacti(u"Snek"_s), PopisSifry::Nacteni::Nacteno);
    QCOMPARE(popis.konecRadku(S::Popis), konec);
    QCOMPARE(popis.bezNadpisuObrazku(), !soubory.contains("-nadpisObrazku.txt"));
    QCOMPARE(popis.uloz(bezZmen(popis)), PopisSifry::Ulozeni::Ulozeno);
    QCOMPARE(snimek(), pred);
    // A box that still shows what it was filled with gives back the text as read, not as shown.
    PopisSifry::Texty texty = bezZmen(popis);
    popis.zobrazeno(S::Popis, zobrazeny);
    texty.popis = zobrazeny;
    QCOMPARE(popis.uloz(texty), PopisSifry::Ulozeni::Ulozeno);
    QCOMPARE(snimek(), pred);

    texty.popis = upraveny;
    QCOMPARE(popis.uloz(texty), PopisSifry::Ulozeni::Ulozeno);
    QCOMPARE(snimek().value(u"Snek/Snek-popis.txt"_s), zapsany);
}

void TestPopisSifry::dodanePopisy_data()
{
    QTest::addColumn<QString>("slozka");
    const QStringList dodane = SeznamSifer(QStringLiteral(TALVO_PREHLED));
    QVERIFY2(!dodane.isEmpty(), TALVO_PREHLED);
    for (const QString &f : dodane)
        QTest::newRow(qPrintable(f)) << f;
}

// Every shipped description, opened and saved into a copy of the store, pictures included, changes no byte.
void TestPopisSifry::dodanePopisy()
{
    QFETCH(QString, slozka);
    const QString dodany = slozkaPopisu(QStringLiteral(TALVO_PREHLED), slozka);
    const Soubory pred = snimek(dodany);
    QVERIFY(pred.size() >= 3);
    for (auto it = pred.cbegin(); it != pred.cend(); ++it)
        QVERIFY(zapis(slozkaPopisu(Uloziste, slozka) + u'/' + it.key(), it.value()));
    PopisSifry popis;
    QCOMPARE(popis.nacti(slozka), PopisSifry::Nacteni::Nacteno);
    const PopisSifry::Texty texty = bezZmen(popis);
    QCOMPARE(PopisSifry::slozka(texty), slozka);
    QCOMPARE(popis.uloz(texty), PopisSifry::Ulozeni::Ulozeno);
    for (const S s : {S::Obrazek1, S::Obrazek})
        QVERIFY(popis.zkopirujObrazek(slozka, s, popis.ulozenyObrazek(s)));
    QCOMPARE(snimek(slozkaPopisu(Uloziste, slozka)), pred);
}

void TestPopisSifry::polozky_data()
{
    QTest::addColumn<QString>("prekazka");
    QTest::addColumn<QStringList>("ocekavane"); // folder=caption; null when the store cannot be made
    QTest::newRow("captions, folder name without a title")
        << QString() << QStringList{u"Morse=Morseovaabeceda"_s, u"Prazdna=Prazdna"_s};
    QTest::newRow("store missing: made, empty") << u"none"_s << QStringList{};
    QTest::newRow("a file named like the store") << u"file"_s << QStringList{u"null"_s};
    QTest::newRow("a link to nowhere named like the store") << u"link"_s << QStringList{u"null"_s};
}

void TestPopisSifry::polozky()
{
    QFETCH(QString, prekazka);
    QFETCH(QStringList, ocekavane);
    QVERIFY(zapis(u"talvoPrehled/Morse/Morse-nadpis.txt"_s, "Morseova abeceda\r\n"));
    QVERIFY(QDir().mkdir(u"talvoPrehled/Prazdna"_s));
    if (!prekazka.isEmpty())
        QVERIFY(QDir(Uloziste).removeRecursively());
    if (prekazka == u"file")
        QVERIFY(zapis(Uloziste, "neni slozka"));
    else if (prekazka == u"link")
        QVERIFY(QFile::link(u"chybi/talvoPrehled"_s, Uloziste));
    QString chyba;
    const auto polozky = PolozkyPopisu(Uloziste, &chyba);
    QStringList dostane;
    for (const PolozkaPopisu &p : polozky.value_or(QList<PolozkaPopisu>()))
        dostane << p.slozka + u'=' + p.titulek;
    QCOMPARE(polozky ? dostane : QStringList{u"null"_s}, ocekavane);
    QCOMPARE(QFileInfo(Uloziste).isDir(), prekazka.isEmpty() || prekazka == u"none");
    // The message names the folder in full, so the user knows where Talvo was started.
    const QString plna = QDir::toNativeSeparators(m_slozka->filePath(Uloziste));
    QCOMPARE(chyba, polozky ? QString() : u"Složku %1 nelze vytvořit. Popisy šifer nebude možné uložit."_s.arg(plna));
}

QTEST_GUILESS_MAIN(TestPopisSifry)
#include "tst_core_popissifry.moc"
