#include "game/model/SouborHry.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

Hra UkazkovaHra()
{
    Hra hra;
    hra.sifra = SifraHry::Snek;
    hra.hlidky = {{QStringLiteral("Vlci"), QStringLiteral("Sraz u „Kamene“\nv 5:30"), QStringLiteral("6 LD dovnitř")},
                  {QStringLiteral("Sovy"), QString(), QStringLiteral("4 ph ven")}};
    hra.spolecnaZprava = QStringLiteral("Poklad je pod dubem");
    hra.stejnaZprava = true;
    hra.prilozitPomucku = true;
    return hra;
}

// The sample game's JSON with one change made to its object.
QByteArray Upraveny(const std::function<void(QJsonObject &)> &uprava)
{
    QJsonObject koren = QJsonDocument::fromJson(HraDoJson(UkazkovaHra())).object();
    uprava(koren);
    return QJsonDocument(koren).toJson();
}

void UpravHlidku(QJsonObject &koren, const std::function<void(QJsonObject &)> &uprava)
{
    QJsonArray hlidky = koren[QStringLiteral("hlidky")].toArray();
    QJsonObject prvni = hlidky[0].toObject();
    uprava(prvni);
    hlidky[0] = prvni;
    koren[QStringLiteral("hlidky")] = hlidky;
}

} // namespace

class TestHraSoubor : public QObject
{
    Q_OBJECT
private slots:
    void tamAZpet();
    void spatnyObsah_data();
    void spatnyObsah();
    void prilisVelky();
    void neplatnaHraSeNeulozi();
};

void TestHraSoubor::tamAZpet()
{
    QTemporaryDir slozka;
    QVERIFY(slozka.isValid());
    QRandomGenerator nahoda(5);
    for (const SifraHry sifra : SifryHry) {
        Hra hra = sifra == SifraHry::Snek ? UkazkovaHra() : NovaHra(sifra, nahoda);
        hra.sifra = sifra;
        if (sifra != SifraHry::Snek)
            hra.hlidky[1].zprava = QStringLiteral("Zpráva s \"uvozovkami\" a \\ lomítkem");
        const QString cesta = slozka.filePath(NazevSifry(sifra) + PriponaHry);
        QString chyba;
        QVERIFY2(UlozHru(cesta, hra, &chyba), qPrintable(chyba));
        const std::optional<Hra> nactena = NactiHru(cesta, &chyba);
        QVERIFY2(nactena, qPrintable(chyba));
        QCOMPARE(HraDoJson(*nactena), HraDoJson(hra));
    }
}

void TestHraSoubor::spatnyObsah_data()
{
    QTest::addColumn<QByteArray>("bajty");
    QTest::addColumn<QString>("chyba");
    const auto radek = [](const char *nazev, const QByteArray &bajty, const char *chyba) {
        QTest::newRow(nazev) << bajty << QString::fromUtf8(chyba);
    };
    radek("prazdny", QByteArray(), "Soubor není ve formátu JSON (chyba u bajtu 0).");
    radek("neni json", "Hlídka 1;Ahoj", "Soubor není ve formátu JSON (chyba u bajtu 1).");
    radek("useknuty", HraDoJson(UkazkovaHra()).first(40), "Soubor není ve formátu JSON (chyba u bajtu 40).");
    radek("pole", "[1, 2]", "Soubor není hra Talvo: nemá v sobě objekt JSON s položkami hry.");
    radek("jiny format", Upraveny([](QJsonObject &k) { k[QStringLiteral("format")] = QStringLiteral("zapisnik"); }),
          "Soubor není hra Talvo (jeho formát je „zapisnik“).");
    radek("verze 2", Upraveny([](QJsonObject &k) { k[QStringLiteral("verze")] = 2; }),
          "Soubor je hra ve verzi 2, Talvo čte jen verzi 1.");
    radek("verze jako text", Upraveny([](QJsonObject &k) { k[QStringLiteral("verze")] = QStringLiteral("1"); }),
          "V souboru položka „verze“ má být číslo.");
    radek("chybi hlidky", Upraveny([](QJsonObject &k) { k.remove(QStringLiteral("hlidky")); }),
          "V souboru chybí položka „hlidky“.");
    radek("chybi zaskrtnuti", Upraveny([](QJsonObject &k) { k.remove(QStringLiteral("prilozitPomucku")); }),
          "V souboru chybí položka „prilozitPomucku“.");
    radek("zaskrtnuti jako cislo", Upraveny([](QJsonObject &k) { k[QStringLiteral("stejnaZprava")] = 1; }),
          "V souboru položka „stejnaZprava“ má být true nebo false.");
    radek("neznama sifra", Upraveny([](QJsonObject &k) { k[QStringLiteral("sifra")] = QStringLiteral("Šneček"); }),
          "Šifru „Šneček“ Talvo nezná.");
    radek("zadna hlidka", Upraveny([](QJsonObject &k) { k[QStringLiteral("hlidky")] = QJsonArray(); }),
          "Hra má 0 hlídek, může jich mít 1 až 12.");
    radek("13 hlidek", Upraveny([](QJsonObject &k) {
              QJsonArray hlidky;
              for (int i = 0; i < 13; ++i)
                  hlidky.append(k[QStringLiteral("hlidky")].toArray()[0]);
              k[QStringLiteral("hlidky")] = hlidky;
          }),
          "Hra má 13 hlídek, může jich mít 1 až 12.");
    radek("hlidka neni objekt", Upraveny([](QJsonObject &k) { k[QStringLiteral("hlidky")] = QJsonArray{7}; }),
          "Hlídka č. 1 v souboru není objekt s položkami nazev, zprava a klic.");
    radek("hlidce chybi klic",
          Upraveny([](QJsonObject &k) { UpravHlidku(k, [](QJsonObject &h) { h.remove(QStringLiteral("klic")); }); }),
          "V 1. hlídce chybí položka „klic“.");
    radek("neplatny klic", Upraveny([](QJsonObject &k) {
              UpravHlidku(k, [](QJsonObject &h) { h[QStringLiteral("klic")] = QStringLiteral("6 LD doprava"); });
          }),
          "Hlídka „Vlci“: Směr „doprava“ neznám: dovnitř nebo ven.");
}

void TestHraSoubor::spatnyObsah()
{
    QFETCH(QByteArray, bajty);
    QFETCH(QString, chyba);
    QString duvod;
    QVERIFY(!HraZJson(bajty, &duvod));
    QCOMPARE(duvod, chyba);
}

// A valid game padded with blanks past 1 MB is refused by its size alone.
void TestHraSoubor::prilisVelky()
{
    QTemporaryDir slozka;
    const QString cesta = slozka.filePath(QStringLiteral("velka.talvohra"));
    QFile soubor(cesta);
    QVERIFY(soubor.open(QIODevice::WriteOnly));
    const QByteArray json = HraDoJson(UkazkovaHra());
    soubor.write(json + QByteArray(NejvetsiSouborHry - json.size(), ' '));
    soubor.close();
    QString chyba;
    QVERIFY2(NactiHru(cesta, &chyba), qPrintable(chyba));
    QVERIFY(soubor.open(QIODevice::Append));
    soubor.write(" ");
    soubor.close();
    QVERIFY(!NactiHru(cesta, &chyba));
    QCOMPARE(chyba, QStringLiteral("Hru ze souboru velka.talvohra nelze otevřít: Soubor je větší než 1 MB, hra tak "
                                   "velká být nemůže."));
}

// A game with a key that does not read is not written, and an older file stays as it was.
void TestHraSoubor::neplatnaHraSeNeulozi()
{
    QTemporaryDir slozka;
    const QString cesta = slozka.filePath(QStringLiteral("hra.talvohra"));
    QVERIFY(UlozHru(cesta, UkazkovaHra()));
    Hra spatna = UkazkovaHra();
    spatna.hlidky[1].klic = QStringLiteral("0 LD ven");
    QString chyba;
    QVERIFY(!UlozHru(cesta, spatna, &chyba));
    QCOMPARE(chyba, QStringLiteral("Hru do souboru hra.talvohra nelze uložit: Hlídka „Sovy“: Zadali jste 0. Zadavejte "
                                   "jen cislice 1-10!"));
    const std::optional<Hra> nactena = NactiHru(cesta);
    QVERIFY(nactena);
    QCOMPARE(HraDoJson(*nactena), HraDoJson(UkazkovaHra()));
    QVERIFY(!UlozHru(slozka.filePath(QStringLiteral("neni/hra.talvohra")), UkazkovaHra(), &chyba));
    QVERIFY(chyba.contains(QStringLiteral("hra.talvohra")));
}

QTEST_APPLESS_MAIN(TestHraSoubor)
#include "tst_core_hrasoubor.moc"
