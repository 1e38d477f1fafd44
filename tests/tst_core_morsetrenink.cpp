#include "exercises/model/MorseTrenink.h"

#include <QSet>
#include <QTest>

Q_DECLARE_METATYPE(RezimTreninku)

class TestMorseTrenink : public QObject
{
    Q_OBJECT
private slots:
    void poradi_data();
    void poradi();
    void brana_data();
    void brana();
    void odpoved_data();
    void odpoved();
    void vyberUpredni();
};

namespace {
// Draws questions until the given character is asked.
bool doptejSe(TMorseTreninkModel &model, QStringView znak)
{
    for (int i = 0; i < 100000; ++i) {
        model.dalsiOtazka();
        if (model.znakOtazky() == znak)
            return true;
    }
    return false;
}

QString spravnaOdpoved(const TMorseTreninkModel &model)
{
    return model.rezim() == RezimTreninku::PismenoNaKod ? model.kodOtazky() : model.znakOtazky().toString();
}
} // namespace

void TestMorseTrenink::poradi_data()
{
    QTest::addColumn<int>("uroven");
    QTest::addColumn<QString>("znaky");
    const QString vse = "e t i a n m s u r w d k g o h ch v f l p j b x c y z q 1 2 3 4 5 6 7 8 9 0";
    QTest::newRow("level 1") << 1 << "e t";
    QTest::newRow("level 15 reaches ch") << 15 << vse.left(vse.indexOf(u" v"));
    QTest::newRow("level 36: everything") << 36 << vse;
    QTest::newRow("refused: level 0 is 1") << 0 << "e t";
}

// Level k asks the first k + 1 characters of the order, each of them and nothing else, and never the
// same twice in a row.
void TestMorseTrenink::poradi()
{
    QFETCH(int, uroven);
    QFETCH(QString, znaky);
    TMorseTreninkModel model(7);
    model.nastavUroven(uroven);
    QCOMPARE(model.pocetTrenovanych(), znaky.count(u' ') + 1);
    QSet<QString> poloz;
    QString predchozi;
    for (int i = 0; i < 3000; ++i) {
        model.dalsiOtazka();
        const QString znak = model.znakOtazky().toString();
        QVERIFY2(znak != predchozi, qPrintable(znak));
        QVERIFY(!model.kodOtazky().isEmpty());
        poloz.insert(znak);
        predchozi = znak;
    }
    const QStringList ocekavane = znaky.split(u' ');
    QCOMPARE(poloz, QSet<QString>(ocekavane.begin(), ocekavane.end()));
}

void TestMorseTrenink::brana_data()
{
    // The level to start at, the answers in order (1 right, 0 wrong), the level after them and
    // how many times the level went up.
    QTest::addColumn<int>("od");
    QTest::addColumn<QString>("odpovedi");
    QTest::addColumn<int>("uroven");
    QTest::addColumn<int>("postupu");
    QTest::newRow("19 of 20") << 1 << "0" + QString(19, u'1') << 2 << 1;
    QTest::newRow("18 of 20") << 3 << "00" + QString(18, u'1') << 4 << 1;
    QTest::newRow("17 of 20 stays") << 1 << "000" + QString(17, u'1') << 1 << 0;
    QTest::newRow("fewer than 20 answers") << 1 << QString(19, u'1') << 1 << 0;
    QTest::newRow("the last 20 count") << 1 << "00000" + QString(18, u'1') << 2 << 1;
    QTest::newRow("counts again at the new level") << 1 << QString(40, u'1') << 3 << 2;
    QTest::newRow("level 36 is the top") << 36 << QString(40, u'1') << 36 << 0;
}

void TestMorseTrenink::brana()
{
    QFETCH(int, od);
    QFETCH(QString, odpovedi);
    QFETCH(int, uroven);
    QFETCH(int, postupu);
    TMorseTreninkModel model(3);
    model.nastavUroven(od);
    int postupy = 0;
    for (const QChar spravne : odpovedi) {
        model.dalsiOtazka();
        const int predtim = model.uroven();
        const auto vysledek = model.over(spravne == u'1' ? spravnaOdpoved(model) : QStringLiteral("#"));
        QVERIFY(vysledek && vysledek->spravne == (spravne == u'1'));
        QCOMPARE(vysledek->postup, model.uroven() == predtim + 1);
        QCOMPARE(vysledek->text.endsWith(QStringLiteral("\nPostup na úroveň %1").arg(model.uroven())),
                 vysledek->postup);
        postupy += vysledek->postup;
    }
    QCOMPARE(model.uroven(), uroven);
    QCOMPARE(postupy, postupu);
}

void TestMorseTrenink::odpoved_data()
{
    QTest::addColumn<RezimTreninku>("rezim");
    QTest::addColumn<QString>("znak");
    QTest::addColumn<QString>("otazka");
    QTest::addColumn<QString>("odpoved");
    QTest::addColumn<QString>("vysledek");
    const auto radek = [](const char *nazev, RezimTreninku rezim, const char *znak, const char *otazka,
                          const char *odpoved, const char *vysledek) {
        QTest::newRow(nazev) << rezim << QString(znak) << QString(otazka) << QString(odpoved) << QString(vysledek);
    };
    const auto k = RezimTreninku::KodNaPismeno, p = RezimTreninku::PismenoNaKod, s = RezimTreninku::Poslech;
    radek("letter, capital, spaces around", k, "a", ".-", "  A ", "Správně: A je .- (akát)");
    radek("ch typed as Ch", k, "ch", "----", "Ch", "Správně: CH je ---- (chvátám k vám sám)");
    radek("wrong: c for ch", k, "ch", "----", "c", "Špatně: CH je ---- (chvátám k vám sám)");
    radek("wrong: empty", k, "a", ".-", "", "Špatně: A je .- (akát)");
    radek("wrong: the code instead", k, "a", ".-", ".-", "Špatně: A je .- (akát)");
    radek("code", p, "a", "A", " .- ", "Správně: A je .- (akát)");
    radek("wrong: letter instead of code", p, "a", "A", "a", "Špatně: A je .- (akát)");
    radek("listening, a digit has no word", s, "5", "", "s", "Špatně: 5 je .....");
}

// The answer is checked and named; it counts once, and a second check of the same question gives nothing.
void TestMorseTrenink::odpoved()
{
    QFETCH(RezimTreninku, rezim);
    QFETCH(QString, znak);
    QFETCH(QString, otazka);
    QFETCH(QString, odpoved);
    QFETCH(QString, vysledek);
    TMorseTreninkModel model(11);
    model.nastavUroven(TMorseTreninkModel::NejvyssiUroven);
    model.nastavRezim(rezim);
    QVERIFY(!model.over(odpoved));
    QVERIFY(doptejSe(model, znak));
    QCOMPARE(model.textOtazky(), otazka);
    QVERIFY(model.cekaNaOdpoved());
    const auto prvni = model.over(odpoved);
    QVERIFY(prvni);
    QCOMPARE(prvni->text, vysledek);
    QCOMPARE(prvni->spravne, vysledek.startsWith("Správně"));
    QVERIFY(!model.cekaNaOdpoved() && !model.over(odpoved));
    QCOMPARE(model.textSkore(), QStringLiteral("Správně: %1 z 1").arg(prvni->spravne ? 1 : 0));
}

// From a fixed generator start: the newest character comes up far more often than the average one, and a
// character answered wrong again and again far more often than the others, the newest included.
void TestMorseTrenink::vyberUpredni()
{
    TMorseTreninkModel model(2026);
    model.nastavUroven(10);
    const int otazek = 11000;
    int nejnovejsi = 0;
    for (int i = 0; i < otazek; ++i) {
        model.dalsiOtazka();
        nejnovejsi += model.znakOtazky() == u"d";
    }
    QVERIFY2(nejnovejsi > 2 * otazek / 11, qPrintable(QString::number(nejnovejsi)));

    model.nastavUroven(TMorseTreninkModel::NejvyssiUroven);
    QHash<QString, int> pocty;
    for (int i = 0; i < 2 * otazek; ++i) {
        model.dalsiOtazka();
        const bool e = model.znakOtazky() == u"e";
        if (i >= otazek)
            ++pocty[model.znakOtazky().toString()];
        QVERIFY(model.over(e ? QStringLiteral("#") : spravnaOdpoved(model)));
    }
    const int e = pocty.value(QStringLiteral("e"));
    for (auto it = pocty.cbegin(); it != pocty.cend(); ++it) {
        // The newest character is favoured too, though less.
        const double kolikrat = it.key() == u"e" ? 1 : it.key() == u"0" ? 1.5 : 4;
        QVERIFY2(e >= kolikrat * it.value(),
                 qPrintable(QStringLiteral("e %1, %2 %3").arg(e).arg(it.key()).arg(it.value())));
    }
    QCOMPARE(model.uroven(), TMorseTreninkModel::NejvyssiUroven);
}

QTEST_APPLESS_MAIN(TestMorseTrenink)
#include "tst_core_morsetrenink.moc"
