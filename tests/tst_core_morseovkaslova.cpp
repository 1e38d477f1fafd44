#include "ciphers/MorseovkaSlova.h"

#include <QTest>

class TestMorseovkaSlova : public QObject
{
    Q_OBJECT
private slots:
    void slovaCtouKod();
    void slabiky_data();
    void slabiky();
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
    QTest::newRow("ch is one consonant") << "hrachovina"
                                         << ""
                                         << "hra-cho-vi-na";
    QTest::newRow("two words, capital") << "Grónská zem"
                                        << ""
                                        << "[Grón]-[ská ]-zem";
    QTest::newRow("a word without a vowel joins the next") << "chvátám k vám sám"
                                                           << ""
                                                           << "[chvá]-[tám ]-[k vám ]-[sám]";
    QTest::newRow("the table's split of ch") << "chvátám k vám sám"
                                             << "chvá-tám-k vám-sám"
                                             << "[chvá]-[tám ]-[k vám ]-[sám]";
    QTest::newRow("two vowels side by side") << "vyučený"
                                             << ""
                                             << "vy-u-če-[ný]";
    QTest::newRow("a long vowel alone") << "ó náš pán"
                                        << ""
                                        << "[ó ]-[náš ]-[pán]";
    QTest::newRow("long capital vowel") << "ÝGAR"
                                        << ""
                                        << "[Ý]-GAR";
    QTest::newRow("ou is one core") << "mouka"
                                    << ""
                                    << "mou-ka";
    QTest::newRow("split chosen by the table") << "xénokratés"
                                               << "xé-no-kra-tés"
                                               << "[xé]-no-kra-[tés]";
    QTest::newRow("no vowel at all") << "krk"
                                     << ""
                                     << "krk";
    QTest::newRow("refused: split spells another word") << "akát"
                                                        << "a-kat"
                                                        << "";
    QTest::newRow("refused: split shorter than the word") << "akát"
                                                          << "a-ká"
                                                          << "";
    QTest::newRow("refused: empty syllable") << "akát"
                                             << "a--kát"
                                             << "";
    QTest::newRow("empty word") << ""
                                << ""
                                << "";
}

void TestMorseovkaSlova::slabiky()
{
    QFETCH(QString, slovo);
    QFETCH(QString, rozdeleni);
    QFETCH(QString, slabiky);
    QCOMPARE(popis(SlabikySlova(slovo, rozdeleni)), slabiky);
}

QTEST_APPLESS_MAIN(TestMorseovkaSlova)
#include "tst_core_morseovkaslova.moc"
