#include "ciphers/MorseovkaSlova.h"

#include <QTest>

class TestMorseovkaSlova : public QObject
{
    Q_OBJECT
private slots:
    void slovaCtouKod();
    void slabiky_data();
    void slabiky();
    void keCteni_data();
    void keCteni();
};

namespace {
// "a-[kát]": the syllables joined by "-", a long one in brackets.
QString popis(const QList<SlabikaSlova> &slabiky)
{
    QStringList casti;
    for (const SlabikaSlova &s : slabiky)
        casti << (s.dlouha ? u'[' + s.text + u']' : s.text);
    return casti.join(u'-');
}
} // namespace

// Every word, syllable by syllable, reads as the code of its letter; the table runs A to H, CH, I to Z.
void TestMorseovkaSlova::slovaCtouKod()
{
    QStringList poradi;
    for (const MorseSlovo &slovo : MorseSlova) {
        const QList<SlabikaSlova> slabiky = SlabikySlova(slovo);
        QString cele;
        for (const SlabikaSlova &s : slabiky)
            cele += s.text;
        QCOMPARE(cele, slovo.slovo);
        QVERIFY2(!MorseKod(slovo.znak).isEmpty(), qPrintable(slovo.znak.toString()));
        QCOMPARE(KodSlabik(slabiky), MorseKod(slovo.znak));
        QCOMPARE(MorseSlovoZnaku(slovo.znak), &slovo);
        poradi << slovo.znak.toString();
    }
    QCOMPARE(poradi.join(u' '), "a b c d e f g h ch i j k l m n o p q r s t u v w x y z");
    QCOMPARE(MorseKod(u"ch"), u"----");
    QVERIFY(MorseSlovoZnaku(u"1") == nullptr && MorseSlovoZnaku(u"A") == nullptr);
}

void TestMorseovkaSlova::slabiky_data()
{
    QTest::addColumn<QString>("slovo");
    QTest::addColumn<QString>("rozdeleni");
    QTest::addColumn<QString>("slabiky");
    const auto radek = [](const char *nazev, const char *slovo, const char *rozdeleni, const char *slabiky) {
        QTest::newRow(nazev) << QString(slovo) << QString(rozdeleni) << QString(slabiky);
    };
    radek("ch is one consonant", "hrachovina", "", "hra-cho-vi-na");
    radek("two words, capital", "Grónská zem", "", "[Grón]-[ská ]-zem");
    radek("a word without a vowel joins the next", "chvátám k vám sám", "", "[chvá]-[tám ]-[k vám ]-[sám]");
    radek("the table's split of ch", "chvátám k vám sám", "chvá-tám-k vám-sám", "[chvá]-[tám ]-[k vám ]-[sám]");
    radek("two vowels side by side", "vyučený", "", "vy-u-če-[ný]");
    radek("a long capital vowel alone", "Ó náš pán", "", "[Ó ]-[náš ]-[pán]");
    radek("ou is one core", "mouka", "", "mou-ka");
    radek("no vowel at all", "krk", "", "krk");
    radek("refused: split spells another word", "akát", "a-kat", "");
    radek("refused: empty syllable", "akát", "a--kát", "");
    radek("empty word", "", "", "");
}

void TestMorseovkaSlova::slabiky()
{
    QFETCH(QString, slovo);
    QFETCH(QString, rozdeleni);
    QFETCH(QString, slabiky);
    QCOMPARE(popis(SlabikySlova(slovo, rozdeleni)), slabiky);
}

void TestMorseovkaSlova::keCteni_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("nahlas");
    QTest::newRow("code") << ".-"
                          << "tečka čárka";
    QTest::newRow("one dot alone") << "."
                                   << "tečka";
    QTest::newRow("in a sentence") << "Špatně: a = .-/-..."
                                   << "Špatně: a = tečka čárka lomítko čárka tečka tečka tečka";
    QTest::newRow("full stop and hyphen stay") << "Správně. Pan-ta."
                                               << "Správně. Pan-ta.";
    QTest::newRow("dash alone") << "a - b"
                                << "a čárka b";
}

// A screen reader reads codes as their elements, sentences as they stand.
void TestMorseovkaSlova::keCteni()
{
    QFETCH(QString, text);
    QFETCH(QString, nahlas);
    QCOMPARE(MorseKeCteni(text), nahlas);
}

QTEST_APPLESS_MAIN(TestMorseovkaSlova)
#include "tst_core_morseovkaslova.moc"
