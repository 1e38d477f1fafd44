#include "game/model/SouborHry.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSaveFile>

namespace {

constexpr QStringView ZnackaFormatu = u"talvohra";

// Reads one field of the expected JSON type; false with the reason when it is missing or
// of another type.
class CteckaPolozek
{
public:
    CteckaPolozek(const QJsonObject &objekt, QString misto) : m_objekt(objekt), m_misto(std::move(misto)) {}

    bool text(const QString &nazev, QString &cil, QString *chyba) const
    {
        const QJsonValue hodnota = m_objekt.value(nazev);
        if (!zkontroluj(hodnota, QJsonValue::String, nazev, QStringLiteral("text"), chyba))
            return false;
        cil = hodnota.toString();
        return true;
    }

    bool logicka(const QString &nazev, bool &cil, QString *chyba) const
    {
        const QJsonValue hodnota = m_objekt.value(nazev);
        if (!zkontroluj(hodnota, QJsonValue::Bool, nazev, QStringLiteral("true nebo false"), chyba))
            return false;
        cil = hodnota.toBool();
        return true;
    }

    bool pole(const QString &nazev, QJsonArray &cil, QString *chyba) const
    {
        const QJsonValue hodnota = m_objekt.value(nazev);
        if (!zkontroluj(hodnota, QJsonValue::Array, nazev, QStringLiteral("seznam"), chyba))
            return false;
        cil = hodnota.toArray();
        return true;
    }

    bool cislo(const QString &nazev, double &cil, QString *chyba) const
    {
        const QJsonValue hodnota = m_objekt.value(nazev);
        if (!zkontroluj(hodnota, QJsonValue::Double, nazev, QStringLiteral("číslo"), chyba))
            return false;
        cil = hodnota.toDouble();
        return true;
    }

private:
    bool zkontroluj(const QJsonValue &hodnota, QJsonValue::Type typ, const QString &nazev, const QString &popis,
                    QString *chyba) const
    {
        if (hodnota.type() == typ)
            return true;
        if (chyba)
            *chyba = hodnota.isUndefined() ? QStringLiteral("%1chybí položka „%2“.").arg(m_misto, nazev)
                                           : QStringLiteral("%1položka „%2“ má být %3.").arg(m_misto, nazev, popis);
        return false;
    }

    QJsonObject m_objekt;
    QString m_misto;
};

bool odmitni(QString *chyba, const QString &duvod)
{
    if (chyba)
        *chyba = duvod;
    return false;
}

bool prectiHlidku(const QJsonValue &hodnota, qsizetype i, Hlidka &hlidka, QString *chyba)
{
    const QString misto = QStringLiteral("V %1. hlídce ").arg(i + 1);
    if (!hodnota.isObject())
        return odmitni(
            chyba, QStringLiteral("Hlídka č. %1 v souboru není objekt s položkami nazev, zprava a klic.").arg(i + 1));
    const CteckaPolozek polozky(hodnota.toObject(), misto);
    return polozky.text(QStringLiteral("nazev"), hlidka.nazev, chyba) &&
           polozky.text(QStringLiteral("zprava"), hlidka.zprava, chyba) &&
           polozky.text(QStringLiteral("klic"), hlidka.klic, chyba);
}

bool prectiHru(const QJsonObject &koren, Hra &hra, QString *chyba)
{
    const CteckaPolozek polozky(koren, QStringLiteral("V souboru "));
    QString format;
    if (!polozky.text(QStringLiteral("format"), format, chyba))
        return false;
    if (format != ZnackaFormatu)
        return odmitni(chyba, QStringLiteral("Soubor není hra Talvo (jeho formát je „%1“).").arg(format.left(40)));
    double verze = 0;
    if (!polozky.cislo(QStringLiteral("verze"), verze, chyba))
        return false;
    if (verze != VerzeSouboruHry)
        return odmitni(
            chyba,
            QStringLiteral("Soubor je hra ve verzi %1, Talvo čte jen verzi %2.").arg(verze).arg(VerzeSouboruHry));

    QString nazevSifry;
    if (!polozky.text(QStringLiteral("sifra"), nazevSifry, chyba))
        return false;
    const std::optional<SifraHry> sifra = SifraPodleNazvu(nazevSifry);
    if (!sifra)
        return odmitni(chyba, QStringLiteral("Šifru „%1“ Talvo nezná.").arg(nazevSifry.left(40)));
    hra.sifra = *sifra;

    QJsonArray hlidky;
    if (!polozky.text(QStringLiteral("spolecnaZprava"), hra.spolecnaZprava, chyba) ||
        !polozky.logicka(QStringLiteral("stejnaZprava"), hra.stejnaZprava, chyba) ||
        !polozky.logicka(QStringLiteral("prilozitPomucku"), hra.prilozitPomucku, chyba) ||
        !polozky.pole(QStringLiteral("hlidky"), hlidky, chyba))
        return false;
    if (hlidky.size() < NejmeneHlidek || hlidky.size() > NejviceHlidek)
        return odmitni(chyba, QStringLiteral("Hra má %1 hlídek, může jich mít %2 až %3.")
                                  .arg(hlidky.size())
                                  .arg(NejmeneHlidek)
                                  .arg(NejviceHlidek));
    hra.hlidky.reserve(hlidky.size());
    for (qsizetype i = 0; i < hlidky.size(); ++i) {
        Hlidka hlidka;
        if (!prectiHlidku(hlidky.at(i), i, hlidka, chyba))
            return false;
        hra.hlidky.append(hlidka);
    }
    return ZkontrolujKlice(hra, chyba);
}

QString nazevSouboru(const QString &cesta)
{
    return QFileInfo(cesta).fileName();
}

} // namespace

QByteArray HraDoJson(const Hra &hra)
{
    QJsonArray hlidky;
    for (const Hlidka &hlidka : hra.hlidky)
        hlidky.append(QJsonObject{{QStringLiteral("nazev"), hlidka.nazev},
                                  {QStringLiteral("zprava"), hlidka.zprava},
                                  {QStringLiteral("klic"), hlidka.klic}});
    const QJsonObject koren{{QStringLiteral("format"), ZnackaFormatu.toString()},
                            {QStringLiteral("verze"), VerzeSouboruHry},
                            {QStringLiteral("sifra"), NazevSifry(hra.sifra)},
                            {QStringLiteral("stejnaZprava"), hra.stejnaZprava},
                            {QStringLiteral("prilozitPomucku"), hra.prilozitPomucku},
                            {QStringLiteral("spolecnaZprava"), hra.spolecnaZprava},
                            {QStringLiteral("hlidky"), hlidky}};
    return QJsonDocument(koren).toJson(QJsonDocument::Indented);
}

std::optional<Hra> HraZJson(const QByteArray &bajty, QString *chyba)
{
    if (bajty.size() > NejvetsiSouborHry) {
        odmitni(chyba, QStringLiteral("Soubor je větší než 1 MB, hra tak velká být nemůže."));
        return std::nullopt;
    }
    QJsonParseError chybaJson;
    const QJsonDocument dokument = QJsonDocument::fromJson(bajty, &chybaJson);
    if (chybaJson.error != QJsonParseError::NoError) {
        odmitni(chyba, QStringLiteral("Soubor není ve formátu JSON (chyba u bajtu %1).").arg(chybaJson.offset));
        return std::nullopt;
    }
    if (!dokument.isObject()) {
        odmitni(chyba, QStringLiteral("Soubor není hra Talvo: nemá v sobě objekt JSON s položkami hry."));
        return std::nullopt;
    }
    Hra hra;
    if (!prectiHru(dokument.object(), hra, chyba))
        return std::nullopt;
    return hra;
}

bool UlozHru(const QString &cesta, const Hra &hra, QString *chyba)
{
    auto selhani = [&](const QString &duvod) {
        return odmitni(chyba, QStringLiteral("Hru do souboru %1 nelze uložit: %2").arg(nazevSouboru(cesta), duvod));
    };
    QString duvod;
    if (!ZkontrolujKlice(hra, &duvod))
        return selhani(duvod);
    // Written beside the old file and put in its place only when complete.
    QSaveFile soubor(cesta);
    if (!soubor.open(QIODevice::WriteOnly))
        return selhani(soubor.errorString());
    const QByteArray bajty = HraDoJson(hra);
    // The write buffer goes out before the commit, so a full disk is noticed and the old file stays.
    if (soubor.write(bajty) != bajty.size() || !soubor.flush() || soubor.error() != QFileDevice::NoError) {
        const QString chybaZapisu = soubor.errorString();
        soubor.cancelWriting();
        return selhani(chybaZapisu);
    }
    if (!soubor.commit())
        return selhani(soubor.errorString());
    return true;
}

std::optional<Hra> NactiHru(const QString &cesta, QString *chyba)
{
    auto selhani = [&](const QString &duvod) -> std::optional<Hra> {
        odmitni(chyba, QStringLiteral("Hru ze souboru %1 nelze otevřít: %2").arg(nazevSouboru(cesta), duvod));
        return std::nullopt;
    };
    QFile soubor(cesta);
    if (!soubor.open(QIODevice::ReadOnly))
        return selhani(soubor.errorString());
    // The size is known before anything is read; a device without one is read no further than
    // one byte past the limit.
    if (soubor.size() > NejvetsiSouborHry)
        return selhani(QStringLiteral("Soubor je větší než 1 MB, hra tak velká být nemůže."));
    const QByteArray bajty = soubor.read(NejvetsiSouborHry + 1);
    if (soubor.error() != QFileDevice::NoError)
        return selhani(soubor.errorString());
    QString duvod;
    std::optional<Hra> hra = HraZJson(bajty, &duvod);
    if (!hra)
        return selhani(duvod);
    return hra;
}
