#include "descriptions/TextovySoubor.h"

#include <QFile>
#include <QIODevice>
#include <QLocale>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace {

constexpr QByteArrayView ZnackaUtf8("\xEF\xBB\xBF", 3);
constexpr QByteArrayView ZnackaUtf16Le("\xFF\xFE", 2);
constexpr QByteArrayView ZnackaUtf16Be("\xFE\xFF", 2);
constexpr const char *JmenoWindows1250 = "windows-1250";

// The mark has already been cut off, so a U+FEFF that follows belongs to the text and is kept.
QString DekodujUtf(QByteArrayView bajty, QStringConverter::Encoding kodovani)
{
    QStringDecoder dekoder(kodovani, QStringConverter::Flag::ConvertInitialBom);
    return dekoder.decode(bajty);
}

bool JenAscii(QByteArrayView bajty)
{
    return std::all_of(bajty.begin(), bajty.end(), [](char b) { return static_cast<unsigned char>(b) < 0x80; });
}

QByteArray ZakodujUtf(const QString &text, QStringConverter::Encoding kodovani, QByteArrayView znacka)
{
    QStringEncoder koder(kodovani);
    return znacka.toByteArray() + QByteArray(koder.encode(text));
}

// Windows-1250 bytes of text, or nullopt when a character has no byte there.
std::optional<QByteArray> Zakoduj1250(const QString &text)
{
    QStringEncoder koder(JmenoWindows1250);
    QByteArray bajty = koder.encode(text);
    if (!koder.isValid() || koder.hasError())
        return std::nullopt;
    return bajty;
}

// The bytes without a UTF-8 sequence that starts near their end and is not complete there.
QByteArrayView bezUtnutehoZnaku(QByteArrayView bajty)
{
    for (qsizetype i = bajty.size() - 1; i >= 0 && i >= bajty.size() - 4; --i) {
        const auto b = static_cast<unsigned char>(bajty[i]);
        if (b < 0x80)
            break;
        if (b < 0xC0)
            continue;
        const qsizetype delka = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
        return bajty.size() - i < delka ? bajty.first(i) : bajty;
    }
    return bajty;
}

QString velikostCesky(qint64 bajtu)
{
    const QLocale cesky(QLocale::Czech, QLocale::CzechRepublic);
    if (bajtu >= 1024 * 1024)
        return cesky.toString(double(bajtu) / (1024 * 1024), 'f', 1) + QStringLiteral(" MB");
    if (bajtu >= 1024)
        return cesky.toString((bajtu + 1023) / 1024) + QStringLiteral(" kB");
    return cesky.toString(bajtu) + QStringLiteral(" B");
}

} // namespace

PrectenyText DekodujText(const QByteArray &bajty, bool utnuto)
{
    const QByteArrayView vse(bajty);
    if (vse.startsWith(ZnackaUtf8))
        return {DekodujUtf(vse.sliced(ZnackaUtf8.size()), QStringConverter::Utf8), Kodovani::Utf8Bom};
    if (vse.startsWith(ZnackaUtf16Le))
        return {DekodujUtf(vse.sliced(ZnackaUtf16Le.size()), QStringConverter::Utf16LE), Kodovani::Utf16LeBom};
    if (vse.startsWith(ZnackaUtf16Be))
        return {DekodujUtf(vse.sliced(ZnackaUtf16Be.size()), QStringConverter::Utf16BE), Kodovani::Utf16BeBom};
    // Pure ASCII reads the same in both 8-bit readings; it counts as the code page.
    if (JenAscii(bajty))
        return {QString::fromLatin1(bajty), Kodovani::Windows1250};
    // Stateless, so a sequence cut off at the end of the file counts as invalid too; where the
    // caller cut the file, the character it cut in two is left out instead.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    QString text = utf8.decode(utnuto ? bezUtnutehoZnaku(vse) : vse);
    if (!utf8.hasError())
        return {text, Kodovani::Utf8};
    QStringDecoder cp1250(JmenoWindows1250);
    return {cp1250.decode(bajty), Kodovani::Windows1250};
}

bool JeVeWindows1250(QStringView text)
{
    return Zakoduj1250(text.toString()).has_value();
}

QByteArray ZakodujText(const QString &text, std::optional<Kodovani> puvodni, Kodovani *pouzite)
{
    Kodovani cil = puvodni.value_or(Kodovani::Windows1250);
    QByteArray bajty;
    switch (cil) {
    case Kodovani::Windows1250:
        // Bytes that would read back differently (missing characters, or bytes that happen
        // to form valid UTF-8) are not written this way.
        if (const auto b = Zakoduj1250(text); b && DekodujText(*b).text == text)
            bajty = *b;
        else
            cil = Kodovani::Utf8Bom;
        break;
    case Kodovani::Utf8:
        // A text that starts with U+FEFF would lose it to the mark detection on reading.
        bajty = text.toUtf8();
        if (DekodujText(bajty).text != text)
            cil = Kodovani::Utf8Bom;
        break;
    case Kodovani::Utf8Bom:
    case Kodovani::Utf16LeBom:
    case Kodovani::Utf16BeBom:
        break;
    }
    // Half of a surrogate pair has no UTF-8 form; only UTF-16 keeps such a text as it is.
    if (cil == Kodovani::Utf8Bom && !text.isValidUtf16())
        cil = Kodovani::Utf16LeBom;
    switch (cil) {
    case Kodovani::Utf8Bom:
        bajty = ZakodujUtf(text, QStringConverter::Utf8, ZnackaUtf8);
        break;
    case Kodovani::Utf16LeBom:
        bajty = ZakodujUtf(text, QStringConverter::Utf16LE, ZnackaUtf16Le);
        break;
    case Kodovani::Utf16BeBom:
        bajty = ZakodujUtf(text, QStringConverter::Utf16BE, ZnackaUtf16Be);
        break;
    case Kodovani::Windows1250:
    case Kodovani::Utf8:
        break;
    }
    if (pouzite)
        *pouzite = cil;
    return bajty;
}

std::optional<PrectenyText> PrectiText(const QString &cesta, QString *chyba, qint64 nejvice)
{
    QFile soubor(cesta);
    const auto selhani = [&] {
        if (chyba)
            *chyba = QStringLiteral("Soubor %1 nelze přečíst: %2").arg(cesta, soubor.errorString());
        return std::nullopt;
    };
    if (!soubor.open(QIODevice::ReadOnly))
        return selhani();
    const qint64 velikost = soubor.size();
    const bool zkratit = nejvice >= 0 && velikost > nejvice;
    const QByteArray bajty = zkratit ? soubor.read(nejvice) : soubor.readAll();
    if (soubor.error() != QFileDevice::NoError)
        return selhani();
    PrectenyText text = DekodujText(bajty, zkratit);
    text.zkraceno = zkratit;
    text.velikost = std::max(velikost, qint64(bajty.size()));
    return text;
}

QString PoznamkaOZkraceni(const PrectenyText &text)
{
    return QStringLiteral("[Text je zkrácen: soubor má %1, zobrazen je jen jeho začátek.]")
        .arg(velikostCesky(text.velikost));
}

bool ZapisBajty(QIODevice &zarizeni, const QByteArray &bajty, QString *chyba)
{
    qint64 zapsano = 0;
    while (zapsano < bajty.size()) {
        const qint64 kus = zarizeni.write(bajty.constData() + zapsano, bajty.size() - zapsano);
        if (kus <= 0) {
            if (chyba) {
                const QString duvod = zarizeni.errorString();
                *chyba = QStringLiteral("zapsáno jen %1 z %2 bajtů").arg(zapsano).arg(bajty.size());
                if (!duvod.isEmpty() && duvod != QLatin1String("Unknown error"))
                    *chyba += QStringLiteral(" (%1)").arg(duvod);
            }
            return false;
        }
        zapsano += kus;
    }
    return true;
}

bool ZapisSouborPres(const QString &cesta, const std::function<bool(QIODevice &, QString *)> &zapisovac, QString *chyba)
{
    const auto selhani = [&](const QString &duvod) {
        if (chyba)
            *chyba = QStringLiteral("Soubor %1 nelze uložit: %2").arg(cesta, duvod);
        return false;
    };
    QSaveFile soubor(cesta);
    if (!soubor.open(QIODevice::WriteOnly))
        return selhani(soubor.errorString());
    QString duvod;
    if (!zapisovac(soubor, &duvod)) {
        soubor.cancelWriting();
        return selhani(duvod);
    }
    // What is still in the write buffer goes out here: QSaveFile's commit would not notice that the
    // device took only part of it (a full disk), and would put the cut file in place of the old one.
    if (!soubor.flush() || soubor.error() != QFileDevice::NoError) {
        duvod = soubor.errorString();
        soubor.cancelWriting();
        return selhani(duvod);
    }
    if (!soubor.commit())
        return selhani(soubor.errorString());
    return true;
}

bool ZapisSoubor(const QString &cesta, const QByteArray &bajty, QString *chyba)
{
    return ZapisSouborPres(
        cesta, [&bajty](QIODevice &zarizeni, QString *duvod) { return ZapisBajty(zarizeni, bajty, duvod); }, chyba);
}

bool ZapisText(const QString &cesta, const QString &text, QString *chyba, std::optional<Kodovani> puvodni,
               Kodovani *pouzite)
{
    return ZapisSoubor(cesta, ZakodujText(text, puvodni, pouzite), chyba);
}

QString TextRadku(const QStringList &radky)
{
    const QString konec = QStringLiteral("\r\n");
    QString text;
    for (const QString &radek : radky) {
        for (qsizetype i = 0; i < radek.size(); ++i) {
            const QChar c = radek.at(i);
            if (c == u'\r') {
                if (i + 1 < radek.size() && radek.at(i + 1) == u'\n')
                    ++i;
                text += konec;
            } else if (c == u'\n') {
                text += konec;
            } else {
                text += c;
            }
        }
        text += konec;
    }
    return text;
}

bool ZapisRadky(const QString &cesta, const QStringList &radky, QString *chyba)
{
    return ZapisText(cesta, TextRadku(radky), chyba);
}
