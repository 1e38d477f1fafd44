// Text cleaning: the nine table pairs and the routine that applies them.
#include "text/Cisteni.h"

#include <QRandomGenerator>
#include <QTest>

namespace {
const QString Skladaci = QStringLiteral("áäčďéěíĺľňóôőöŕšťúůűüýřž");
const QString SkladaciVelke = QStringLiteral("ÁÄČĎÉĚÍĹĽŇÓÔŐÖŔŠŤÚŮŰÜÝŘŽ");

struct Par
{
    QStringView zdroj;
    QStringView nahrada;
};

Par parPodleJmena(const QString &jmeno)
{
    if (jmeno == u"MB")
        return {ZnakyMorseBezInterpunkce, NahradaMala};
    if (jmeno == u"MS")
        return {ZnakyMorseSInterpunkci, NahradaMala};
    if (jmeno == u"MD")
        return {ZnakyMorseDesifrovani, {}};
    if (jmeno == u"Mr")
        return {ZnakyMrizka, NahradaMala};
    if (jmeno == u"Ko")
        return {ZnakyKolecko, NahradaMala};
    if (jmeno == u"Sn")
        return {ZnakySnek, NahradaMala};
    if (jmeno == u"Se")
        return {ZnakySemafor, NahradaMala};
    if (jmeno == u"Vl")
        return {ZnakyVlastni, NahradaVelka};
    return {ZnakyNadpis, {}};
}
} // namespace

class TestCisteni : public QObject
{
    Q_OBJECT
private slots:
    void delkyTabulek_data();
    void delkyTabulek();
    void matice_data();
    void matice();
    void skladaciBlok();
    void priklady_data();
    void priklady();
    void prvniVyskytVyhrava();
    void vlastniTabulkaMimoZakladniRovinu();
    void nahodnyTextNepadaANeprodluzuje();
};

void TestCisteni::delkyTabulek_data()
{
    QTest::addColumn<QString>("tabulka");
    QTest::addColumn<int>("delka");
    QTest::newRow("ZnakyMorseBezInterpunkce") << "MB" << 65;
    QTest::newRow("ZnakyMorseSInterpunkci") << "MS" << 50;
    QTest::newRow("ZnakyMorseDesifrovani") << "MD" << 97;
    QTest::newRow("ZnakyMrizka") << "Mr" << 62;
    QTest::newRow("ZnakyKolecko") << "Ko" << 62;
    QTest::newRow("ZnakySnek") << "Sn" << 63;
    QTest::newRow("ZnakySemafor") << "Se" << 62;
    QTest::newRow("ZnakyVlastni") << "Vl" << 80;
    QTest::newRow("ZnakyNadpis") << "Na" << 3;
}

void TestCisteni::delkyTabulek()
{
    QFETCH(QString, tabulka);
    QFETCH(int, delka);
    QCOMPARE(parPodleJmena(tabulka).zdroj.size(), delka);
    QCOMPARE(NahradaMala.size(), 24);
    QCOMPARE(NahradaVelka.size(), 48);
}

// One row per character of the deletion matrix: which tables delete it ("x") and which let it through.
void TestCisteni::matice_data()
{
    QTest::addColumn<QChar>("znak");
    QTest::addColumn<QString>("sloupce"); // MB MS MD Mr Ko Sn Se Vl Na
    const struct
    {
        char16_t znak;
        const char *jmeno;
        const char *sloupce;
    } radky[] = {
        {0x0A, "LF", "xxxxxxxxx"},        {0x0D, "CR", "xxxxxxxxx"},     {0x20, "space", "..xx.x.xx"},
        {0x21, "!", "x.xxxxxx."},         {0x22, "quote", "x.xxxxxx."},  {0x23, "#", "xxxxxxxx."},
        {0x24, "$", "xxxxxxxx."},         {0x25, "%", "xxxxxxxx."},      {0x26, "&", "xxxxxxxx."},
        {0x27, "'", "xxxxxxxx."},         {0x28, "(", "x.xxxxxx."},      {0x29, ")", "x.xxxxxx."},
        {0x2A, "*", "xxxxxx.x."},         {0x2B, "+", "xxx.x.x.."},      {0x2C, ",", "x.xxxxxx."},
        {0x2D, "-", "x.....x.."},         {0x2E, ".", "x..xxxxx."},      {0x2F, "/", "x..xxxxx."},
        {0x3A, ":", "x..x.x.x."},         {0x3B, ";", "x.xx.x.x."},      {0x3C, "<", "xxxxxxxx."},
        {0x3D, "=", "x.x.x.x.."},         {0x3E, ">", "xxxxxxxx."},      {0x3F, "?", "x..xxxxx."},
        {0x40, "@", "xxxxxxxx."},         {0x5B, "[", "xxxxxxx.."},      {0x5C, "backslash", "xxxxxxxx."},
        {0x5D, "]", "xxxxxxx.."},         {0x5E, "^", "xxxxxxxx."},      {0x5F, "_", "x.x.xxx.."},
        {0x60, "`", "xxxxxxxx."},         {0x7B, "{", "xxxxxxx.."},      {0x7C, "|", "xxxxxxxx."},
        {0x7D, "}", "xxxxxxx.."},         {0x7E, "~", "xxxxxxxx."},      {0xA7, "section", "xxxxxxxx."},
        {0xA8, "diaeresis", "xxxxxxxx."}, {0xB0, "degree", "xxxxxxxx."}, {0xB4, "acute", "xxxxxxxx."},
        {0x2C7, "caron", "xxxxxxxx."},
    };
    for (const auto &r : radky)
        QTest::newRow(r.jmeno) << QChar(r.znak) << QString::fromLatin1(r.sloupce);
}

void TestCisteni::matice()
{
    QFETCH(QChar, znak);
    QFETCH(QString, sloupce);
    const QStringList jmena = {"MB", "MS", "MD", "Mr", "Ko", "Sn", "Se", "Vl", "Na"};
    for (int i = 0; i < jmena.size(); ++i) {
        const Par par = parPodleJmena(jmena[i]);
        const QString vysledek = VycistiText(QString(znak), par.zdroj, par.nahrada);
        const QString ocekavano = sloupce[i] == u'x' ? QString() : QString(znak);
        QVERIFY2(vysledek == ocekavano, qPrintable(jmena[i]));
    }
}

// Every tool table folds the 24 accented letters; Morse decoding deletes them; titles keep them.
void TestCisteni::skladaciBlok()
{
    for (const QString &jmeno : QStringList{"MB", "MS", "Mr", "Ko", "Sn", "Se", "Vl"}) {
        const Par par = parPodleJmena(jmeno);
        QCOMPARE(VycistiText(Skladaci, par.zdroj, par.nahrada), NahradaMala.toString());
    }
    QCOMPARE(VycistiText(SkladaciVelke, ZnakyVlastni, NahradaVelka), NahradaVelka.mid(24).toString());
    QCOMPARE(VycistiText(Skladaci, ZnakyMorseDesifrovani, {}), QString());
    QCOMPARE(VycistiText(QStringLiteral("abcxyz0189"), ZnakyMorseDesifrovani, {}), QString());
    QCOMPARE(VycistiText(Skladaci + SkladaciVelke, ZnakyNadpis, {}), Skladaci + SkladaciVelke);
    // Capitals pass a tool table unchanged: that is why the windows lower-case first.
    QCOMPARE(VycistiText(SkladaciVelke, ZnakyMrizka, NahradaMala), SkladaciVelke);
}

void TestCisteni::priklady_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tabulka");
    QTest::addColumn<bool>("malymi");
    QTest::addColumn<QString>("ocekavano");
    QTest::newRow("zlutoucky s interpunkci") << "Žluťoučký kůň"
                                             << "MS" << true << "zlutoucky kun";
    QTest::newRow("zlutoucky mrizka") << "Žluťoučký kůň"
                                      << "Mr" << true << "zlutouckykun";
    QTest::newRow("jen mazane znaky") << "!?.,;:()\r\n"
                                      << "MB" << true << "";
    QTest::newRow("dva radky bez interpunkce") << "Ahoj!\r\nSvete."
                                               << "MB" << true << "ahojsvete";
    QTest::newRow("dva radky s interpunkci") << "Ahoj!\r\nSvete."
                                             << "MS" << true << "ahoj!svete.";
    QTest::newRow("nazev slozky") << "Šnek 2"
                                  << "Vl" << false << "Snek2";
    QTest::newRow("nadpis dvou radku") << "Moje\r\nšifra\r\n"
                                       << "Na" << false << "Moješifra";
    QTest::newRow("nadpis s mezerou") << "Moje šifra"
                                      << "Na" << false << "Moješifra";
    QTest::newRow("otaznik mrizka") << "a?b"
                                    << "Mr" << true << "ab";
    QTest::newRow("otaznik s interpunkci") << "a?b"
                                           << "MS" << true << "a?b";
    QTest::newRow("morse desifrovani") << ".- -...x?:"
                                       << "MD" << true << ".--...?:";
    QTest::newRow("semafor hvezdicka") << "*12 j:;"
                                       << "Se" << true << "*12 j:;";
    QTest::newRow("velka pismena s diakritikou") << "ČŘŽ"
                                                 << "Ko" << true << "crz";
    QTest::newRow("prazdny text") << ""
                                  << "MS" << true << "";
    QTest::newRow("nazev se zavorkami") << "Šifra č. 5 (A-Z)"
                                        << "Vl" << false << "Sifrac5A-Z";
    const QString cizi = QStringLiteral("ß\u00E7\t€") + QChar(0xD83D) + QChar(0xDE00);
    for (const QString &jmeno : QStringList{"MB", "MS", "MD", "Mr", "Ko", "Sn", "Se", "Vl", "Na"})
        QTest::newRow(qPrintable("cizi znaky projdou " + jmeno)) << cizi << jmeno << false << cizi;
}

void TestCisteni::priklady()
{
    QFETCH(QString, text);
    QFETCH(QString, tabulka);
    QFETCH(bool, malymi);
    QFETCH(QString, ocekavano);
    const Par par = parPodleJmena(tabulka);
    const QString vysledek =
        malymi ? VycistiMalymi(text, par.zdroj, par.nahrada) : VycistiText(text, par.zdroj, par.nahrada);
    QCOMPARE(vysledek, ocekavano);
}

void TestCisteni::prvniVyskytVyhrava()
{
    // "a" stands twice: at position 1 (replaced by "1") and at 3 (where it would be deleted).
    QCOMPARE(VycistiText(u"abca", u"aba", u"12"), QStringLiteral("12c1"));
    QCOMPARE(VycistiText(u"aab", u"aab", u"x"), QStringLiteral("xx"));
    // A table used once, then another with the same source set but other replacement: not mixed up.
    QCOMPARE(VycistiText(u"ab", u"ab", u"XY"), QStringLiteral("XY"));
    QCOMPARE(VycistiText(u"ab", u"ab", u"Z"), QStringLiteral("Z"));
}

void TestCisteni::vlastniTabulkaMimoZakladniRovinu()
{
    const QString zdroj = QStringLiteral("€\u4E2D");
    QCOMPARE(VycistiText(QStringLiteral("a€b\u4E2Dc"), zdroj, u"E"), QStringLiteral("aEbc"));
}

void TestCisteni::nahodnyTextNepadaANeprodluzuje()
{
    QRandomGenerator generator(20261209);
    const QStringList jmena = {"MB", "MS", "MD", "Mr", "Ko", "Sn", "Se", "Vl", "Na"};
    for (int kolo = 0; kolo < 200; ++kolo) {
        QString text;
        const int delka = generator.bounded(0, 300);
        for (int i = 0; i < delka; ++i)
            text.append(QChar(char16_t(generator.bounded(0, 0x10000))));
        for (const QString &jmeno : jmena) {
            const Par par = parPodleJmena(jmeno);
            const QString vysledek = VycistiMalymi(text, par.zdroj, par.nahrada);
            QVERIFY(vysledek.size() <= MalymiPismeny(text).size());
            // Cleaning twice changes nothing more: every replacement lies outside the set or maps to itself.
            QCOMPARE(VycistiText(vysledek, par.zdroj, par.nahrada), vysledek);
        }
    }
    // A large text costs one pass.
    const QString velky(1 << 20, QChar(u'ž'));
    QCOMPARE(VycistiText(velky, ZnakyMrizka, NahradaMala), QString(1 << 20, QChar(u'z')));
}

QTEST_GUILESS_MAIN(TestCisteni)
#include "tst_core_cisteni.moc"
