#include "game/model/Hra.h"

#include "ciphers/Morseovka.h"
#include "ciphers/Semafor.h"
#include "text/Cisteni.h"
#include "text/Velikost.h"

#include <QRandomGenerator>
#include <QSet>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

// A typed text quoted in a message: long texts (a key from a file) are cut, so the box stays small.
QString ukazka(QStringView text)
{
    constexpr qsizetype Nejvice = 24;
    if (text.size() <= Nejvice)
        return text.toString();
    return text.first(Nejvice).toString() + u'…';
}

void odmitni(QString *chyba, const QString &duvod)
{
    if (chyba)
        *chyba = duvod;
}

// The key's words with blanks around and between them reduced to single spaces.
QString slova(QStringView text)
{
    return text.toString().simplified();
}

std::optional<KlicHry> klicMorseovky(QStringView text, QString *chyba)
{
    const QString klic = MalymiPismeny(slova(text));
    KlicHry vysledek;
    vysledek.sifra = SifraHry::Morseovka;
    if (klic == u"bez interpunkce") {
        vysledek.pocetZnaku = MorseBezInterpunkce;
        return vysledek;
    }
    if (klic == u"s interpunkcí") {
        vysledek.pocetZnaku = MorseSInterpunkci;
        return vysledek;
    }
    odmitni(chyba, QStringLiteral("Klíč Morseovky je „bez interpunkce“ nebo „s interpunkcí“, ne „%1“.")
                       .arg(ukazka(text.trimmed())));
    return std::nullopt;
}

std::optional<KlicHry> klicMrizky(QStringView text, QString *chyba)
{
    QString mrizka = text.toString();
    mrizka.removeIf([](QChar c) { return c.isSpace(); });
    if (mrizka.isEmpty()) {
        odmitni(chyba, QStringLiteral("Zadejte mřížku: řádky ze znaků X (okénko) a . (zavřeno) oddělené lomítkem, "
                                      "např. X./.."));
        return std::nullopt;
    }
    const qsizetype radku = mrizka.count(u'/') + 1;
    if (radku > NejvetsiMrizka) {
        odmitni(chyba, QStringLiteral("Mřížka má %1 řádků, může jich mít nejvýše %2.").arg(radku).arg(NejvetsiMrizka));
        return std::nullopt;
    }
    const int n = int(radku);
    KlicHry vysledek;
    vysledek.sifra = SifraHry::Mrizka;
    vysledek.velikost = n;
    const QList<QStringView> radky = QStringView(mrizka).split(u'/');
    for (int r = 0; r < n; ++r) {
        const QStringView radek = radky[r];
        if (radek.size() != n) {
            odmitni(chyba, QStringLiteral("Řádek %1 mřížky má %2 znaků, má jich mít %3 jako mřížka řádků.")
                               .arg(r + 1)
                               .arg(radek.size())
                               .arg(n));
            return std::nullopt;
        }
        for (int c = 0; c < n; ++c) {
            const QChar znak = radek[c];
            if (znak != u'X' && znak != u'x' && znak != u'.') {
                odmitni(chyba,
                        QStringLiteral("Znak „%1“ do mřížky nepatří: okénko je X, zavřené políčko tečka.").arg(znak));
                return std::nullopt;
            }
            vysledek.okenka[c][r] = znak != u'.';
        }
    }
    // A patrol could not read a card that leaves cells empty or writes twice into one cell.
    const StavMrizky stav = ZhodnotMrizku(PocitejOdkryti(vysledek.okenka, n), n);
    if (!stav.vPoradku()) {
        odmitni(chyba, PopisStavuMrizky(stav));
        return std::nullopt;
    }
    return vysledek;
}

std::optional<KlicHry> klicKolecka(QStringView text, QString *chyba)
{
    const QString klic = slova(text);
    const qsizetype mezera = klic.indexOf(u' ');
    const QStringView kolecko = QStringView(klic).first(mezera < 0 ? klic.size() : mezera);
    KlicHry vysledek;
    vysledek.sifra = SifraHry::Kolecko;
    if (kolecko == u"36") {
        vysledek.druh = DruhKolecka::bezCh;
    } else if (kolecko == u"37") {
        vysledek.druh = DruhKolecka::sCh;
    } else {
        odmitni(chyba, QStringLiteral("Klíč kolečka je 36 (bez CH) nebo 37 (s CH), mezera a znak klíče, např. 37 b."));
        return std::nullopt;
    }
    // The key character is read exactly as the wheel window reads its key edit.
    const QStringView znak = mezera < 0 ? QStringView() : QStringView(klic).sliced(mezera + 1);
    const PoziceKliceVysledek pozice = PoziceKlice(znak, vysledek.druh);
    if (!pozice.chyba.isEmpty()) {
        odmitni(chyba, pozice.chyba);
        return std::nullopt;
    }
    vysledek.otoceni = pozice.otoceniKolecka;
    return vysledek;
}

struct NazevRohu
{
    QStringView zkratka;
    int roh;
};
constexpr std::array<NazevRohu, 4> RohySneka{{
    {u"LD", LevyDolni},
    {u"LH", LevyHorni},
    {u"PD", PravyDolni},
    {u"PH", PravyHorni},
}};

std::optional<KlicHry> klicSneka(QStringView text, QString *chyba)
{
    const QStringList casti = slova(text).split(u' ', Qt::SkipEmptyParts);
    if (casti.size() != 3) {
        odmitni(chyba, QStringLiteral("Klíč šneka je velikost, roh a směr, např. 6 LD dovnitř."));
        return std::nullopt;
    }
    KlicHry vysledek;
    vysledek.sifra = SifraHry::Snek;
    // The snail window's own size check and words; a long text from a file is quoted only in part.
    const auto velikost = PrectiVelikost(casti[0], NejvetsiSnek);
    if (!velikost) {
        PrectiVelikost(ukazka(casti[0]), NejvetsiSnek, chyba);
        return std::nullopt;
    }
    vysledek.velikost = *velikost;
    const QString roh = casti[1].toUpper();
    const auto nalezeny =
        std::find_if(RohySneka.begin(), RohySneka.end(), [&roh](const NazevRohu &r) { return r.zkratka == roh; });
    if (nalezeny == RohySneka.end()) {
        odmitni(chyba, QStringLiteral("Roh „%1“ neznám: LD, LH, PD nebo PH (levý dolní, levý horní, pravý dolní, "
                                      "pravý horní).")
                           .arg(ukazka(casti[1])));
        return std::nullopt;
    }
    vysledek.roh = nalezeny->roh;
    const QString smer = MalymiPismeny(casti[2]);
    if (smer == u"dovnitř") {
        vysledek.smer = Dovnitr;
    } else if (smer == u"ven") {
        vysledek.smer = Ven;
    } else {
        odmitni(chyba, QStringLiteral("Směr „%1“ neznám: dovnitř nebo ven.").arg(ukazka(casti[2])));
        return std::nullopt;
    }
    return vysledek;
}

std::optional<KlicHry> klicSemaforu(QStringView text, QString *chyba)
{
    if (!text.trimmed().isEmpty()) {
        odmitni(chyba, QStringLiteral("Semafor nemá klíč: nechte políčko prázdné."));
        return std::nullopt;
    }
    KlicHry vysledek;
    vysledek.sifra = SifraHry::Semafor;
    return vysledek;
}

// Fisher-Yates with the caller's generator, so tests can repeat it.
template <typename T> void zamichej(QList<T> &seznam, QRandomGenerator &nahoda)
{
    for (qsizetype i = seznam.size() - 1; i > 0; --i)
        seznam.swapItemsAt(i, qsizetype(nahoda.bounded(int(i + 1))));
}

// The sizes 1-10 nearest to velikost first: velikost, velikost + 1, velikost - 1, ...
QList<int> velikostiOdNejblizsi(int velikost)
{
    QList<int> velikosti;
    for (int d = 0; velikosti.size() < NejvetsiMrizka && d < 2 * NejvetsiMrizka; ++d)
        for (const int v : {velikost + d, velikost - d})
            if (v >= 1 && v <= NejvetsiMrizka && !velikosti.contains(v))
                velikosti.append(v);
    return velikosti;
}

// How many cards of size n uncover every cell once: one hole of each four cells the turns
// carry into each other, the middle of an odd card always cut.
qint64 pocetMrizek(int n)
{
    const int ctveric = n * n / 4;
    return ctveric >= 31 ? std::numeric_limits<qint64>::max() : qint64(1) << (2 * ctveric);
}

QList<KlicHry> ruzneMrizky(const KlicHry &vzor, int pocet, QRandomGenerator &nahoda)
{
    QList<KlicHry> klice;
    QSet<QString> pouzite;
    for (const int n : velikostiOdNejblizsi(std::clamp(vzor.velikost, 1, NejvetsiMrizka))) {
        const qint64 zbyva = std::min<qint64>(pocet - klice.size(), pocetMrizek(n));
        // Random cards until enough different ones; a few repeats are expected, never many.
        for (qint64 nove = 0, pokusu = 0; nove < zbyva && pokusu < 4096; ++pokusu) {
            KlicHry klic = vzor;
            klic.velikost = n;
            klic.okenka = NahodnaOkenka(n, nahoda);
            if (!pouzite.contains(TextKlice(klic))) {
                pouzite.insert(TextKlice(klic));
                klice.append(klic);
                ++nove;
            }
        }
        if (klice.size() >= pocet)
            break;
    }
    return klice;
}

QList<KlicHry> ruzniSneci(const KlicHry &vzor, int pocet, QRandomGenerator &nahoda)
{
    QList<KlicHry> klice;
    for (const int n : velikostiOdNejblizsi(std::clamp(vzor.velikost, 1, NejvetsiSnek))) {
        QList<KlicHry> velikosti;
        for (const NazevRohu &roh : RohySneka)
            for (const int smer : {Dovnitr, Ven}) {
                KlicHry klic = vzor;
                klic.velikost = n;
                klic.roh = roh.roh;
                klic.smer = smer;
                velikosti.append(klic);
            }
        zamichej(velikosti, nahoda);
        for (const KlicHry &klic : std::as_const(velikosti))
            if (klice.size() < pocet)
                klice.append(klic);
        if (klice.size() >= pocet)
            break;
    }
    return klice;
}

QList<KlicHry> ruznaKolecka(const KlicHry &vzor, QRandomGenerator &nahoda)
{
    QList<KlicHry> klice;
    const QStringView kruh = vnejsiKruh(vzor.druh);
    for (int p = 0; p < kruh.size(); ++p) {
        // The CH sector is never a key, as in the wheel window.
        if (kruh[p] == u'-')
            continue;
        KlicHry klic = vzor;
        klic.otoceni = p;
        klice.append(klic);
    }
    zamichej(klice, nahoda);
    return klice;
}

QList<KlicHry> ruzneMorseovky(const KlicHry &vzor, QRandomGenerator &nahoda)
{
    QList<KlicHry> klice;
    for (const int pocetZnaku : {MorseBezInterpunkce, MorseSInterpunkci}) {
        KlicHry klic = vzor;
        klic.pocetZnaku = pocetZnaku;
        klice.append(klic);
    }
    zamichej(klice, nahoda);
    return klice;
}

// The rows of a grille block: the engine gives the cells column by column.
QStringList radkyMrizky(QStringView blok, int n)
{
    QStringList radky;
    radky.reserve(n);
    for (int r = 0; r < n; ++r) {
        QString radek;
        radek.reserve(n);
        for (int c = 0; c < n; ++c)
            radek.append(blok[c * n + r]);
        radky.append(radek);
    }
    return radky;
}

// The rows of the snail's table: N characters and a space each.
QStringList radkySneka(QStringView vystup, int n)
{
    QStringList radky;
    radky.reserve(n);
    for (int r = 0; r < n; ++r)
        radky.append(vystup.sliced(qsizetype(r) * (n + 1), n).toString());
    return radky;
}

void zasifrujPoBlocich(SifraHlidky &sifra, const KlicHry &klic)
{
    const int n = klic.velikost;
    if (n < 1 || n > NejvetsiMrizka || (klic.sifra == SifraHry::Snek && !PlatneKodySneka(klic.smer, klic.roh, nullptr)))
        return;
    QStringList bloky;
    for (const QString &blok : RozdelNaBloky(sifra.zprava, n * n)) {
        QStringList radky;
        if (klic.sifra == SifraHry::Mrizka) {
            const QString vystup = MrizkaSifruj(blok, klic.okenka, n);
            bloky.append(vystup);
            radky = radkyMrizky(vystup, n);
        } else {
            radky = radkySneka(SnekSifruj(blok, n, klic.smer, klic.roh), n);
            bloky.append(radky.join(QString()));
        }
        sifra.ctverce.append(radky);
    }
    sifra.zasifrovano = bloky.join(u' ');
}

// A patrol's name on one line, as the answer sheet and the messages show it.
QString nazevNaRadek(QString nazev)
{
    return nazev.replace(u'\r', u' ').replace(u'\n', u' ');
}

QString jmenoVChybe(const Hra &hra, qsizetype i)
{
    const QString nazev = nazevNaRadek(hra.hlidky[i].nazev).trimmed();
    return nazev.isEmpty() ? QStringLiteral("Hlídka č. %1").arg(i + 1)
                           : QStringLiteral("Hlídka „%1“").arg(ukazka(nazev));
}

bool zkontrolujPocet(const Hra &hra, QString *chyba, qsizetype *hlidka)
{
    if (hra.hlidky.size() >= NejmeneHlidek && hra.hlidky.size() <= NejviceHlidek)
        return true;
    if (chyba)
        *chyba = QStringLiteral("Počet hlídek je %1, může být %2 až %3.")
                     .arg(hra.hlidky.size())
                     .arg(NejmeneHlidek)
                     .arg(NejviceHlidek);
    if (hlidka)
        *hlidka = -1;
    return false;
}

bool selhaniHlidky(const Hra &hra, qsizetype i, const QString &duvod, QString *chyba, qsizetype *hlidka)
{
    if (chyba)
        *chyba = jmenoVChybe(hra, i) + QStringLiteral(": ") + duvod;
    if (hlidka)
        *hlidka = i;
    return false;
}

} // namespace

QString NazevSifry(SifraHry sifra)
{
    switch (sifra) {
    case SifraHry::Morseovka:
        return QStringLiteral("Morseovka");
    case SifraHry::Mrizka:
        return QStringLiteral("Mřížka");
    case SifraHry::Kolecko:
        return QStringLiteral("Šifrovací kolečko");
    case SifraHry::Snek:
        return QStringLiteral("Šnek");
    case SifraHry::Semafor:
        break;
    }
    return QStringLiteral("Semafor");
}

std::optional<SifraHry> SifraPodleNazvu(QStringView nazev)
{
    for (const SifraHry sifra : SifryHry)
        if (NazevSifry(sifra) == nazev)
            return sifra;
    return std::nullopt;
}

std::optional<KlicHry> PrectiKlic(SifraHry sifra, QStringView text, QString *chyba)
{
    switch (sifra) {
    case SifraHry::Morseovka:
        return klicMorseovky(text, chyba);
    case SifraHry::Mrizka:
        return klicMrizky(text, chyba);
    case SifraHry::Kolecko:
        return klicKolecka(text, chyba);
    case SifraHry::Snek:
        return klicSneka(text, chyba);
    case SifraHry::Semafor:
        break;
    }
    return klicSemaforu(text, chyba);
}

QString TextKlice(const KlicHry &klic)
{
    switch (klic.sifra) {
    case SifraHry::Morseovka:
        return klic.pocetZnaku == MorseSInterpunkci ? QStringLiteral("s interpunkcí")
                                                    : QStringLiteral("bez interpunkce");
    case SifraHry::Mrizka: {
        const int n = PlatnaVelikostMrizky(klic.velikost);
        QString text;
        for (int r = 0; r < n; ++r) {
            if (r > 0)
                text.append(u'/');
            for (int c = 0; c < n; ++c)
                text.append(klic.okenka[c][r] ? u'X' : u'.');
        }
        return text;
    }
    case SifraHry::Kolecko: {
        const QStringView kruh = vnejsiKruh(klic.druh);
        const int delka = delkaKruhu(klic.druh);
        return QStringLiteral("%1 %2").arg(delka).arg(kruh[((klic.otoceni % delka) + delka) % delka]);
    }
    case SifraHry::Snek: {
        QStringView roh = RohySneka[0].zkratka;
        for (const NazevRohu &r : RohySneka)
            if (r.roh == klic.roh)
                roh = r.zkratka;
        return QStringLiteral("%1 %2 %3")
            .arg(klic.velikost)
            .arg(roh)
            .arg(klic.smer == Ven ? QStringLiteral("ven") : QStringLiteral("dovnitř"));
    }
    case SifraHry::Semafor:
        break;
    }
    return {};
}

KlicHry VychoziKlic(SifraHry sifra, QRandomGenerator &nahoda)
{
    KlicHry klic;
    klic.sifra = sifra;
    if (sifra == SifraHry::Mrizka)
        klic.okenka = NahodnaOkenka(klic.velikost, nahoda);
    return klic;
}

QList<KlicHry> NahodneKlice(const KlicHry &vzor, int pocet, QRandomGenerator &nahoda)
{
    if (pocet <= 0)
        return {};
    QList<KlicHry> ruzne;
    switch (vzor.sifra) {
    case SifraHry::Morseovka:
        ruzne = ruzneMorseovky(vzor, nahoda);
        break;
    case SifraHry::Mrizka:
        ruzne = ruzneMrizky(vzor, pocet, nahoda);
        break;
    case SifraHry::Kolecko:
        ruzne = ruznaKolecka(vzor, nahoda);
        break;
    case SifraHry::Snek:
        ruzne = ruzniSneci(vzor, pocet, nahoda);
        break;
    case SifraHry::Semafor:
        ruzne.append(vzor);
        break;
    }
    if (ruzne.isEmpty())
        return {};
    // Fewer different keys than patrols: they take turns.
    QList<KlicHry> klice;
    klice.reserve(pocet);
    for (int i = 0; i < pocet; ++i)
        klice.append(ruzne[i % ruzne.size()]);
    return klice;
}

void RozdejRuzneKlice(Hra &hra, QRandomGenerator &nahoda)
{
    std::optional<KlicHry> vzor;
    for (qsizetype i = 0; i < hra.hlidky.size() && !vzor; ++i)
        vzor = PrectiKlic(hra.sifra, hra.hlidky[i].klic);
    const QList<KlicHry> klice =
        NahodneKlice(vzor ? *vzor : VychoziKlic(hra.sifra, nahoda), int(hra.hlidky.size()), nahoda);
    for (qsizetype i = 0; i < klice.size(); ++i)
        hra.hlidky[i].klic = TextKlice(klice[i]);
}

QString VychoziNazevHlidky(qsizetype poradi)
{
    return QStringLiteral("Hlídka %1").arg(poradi + 1);
}

Hra NovaHra(SifraHry sifra, QRandomGenerator &nahoda)
{
    Hra hra;
    hra.sifra = sifra;
    ZmenPocetHlidek(hra, VychoziPocetHlidek, nahoda);
    return hra;
}

void ZmenPocetHlidek(Hra &hra, int pocet, QRandomGenerator &nahoda)
{
    pocet = std::clamp(pocet, NejmeneHlidek, NejviceHlidek);
    if (hra.hlidky.size() > pocet)
        hra.hlidky.resize(pocet);
    while (hra.hlidky.size() < pocet)
        hra.hlidky.append(
            {VychoziNazevHlidky(hra.hlidky.size()), QString(), TextKlice(VychoziKlic(hra.sifra, nahoda))});
}

void ZmenSifru(Hra &hra, SifraHry sifra, QRandomGenerator &nahoda)
{
    hra.sifra = sifra;
    for (Hlidka &hlidka : hra.hlidky)
        hlidka.klic = TextKlice(VychoziKlic(sifra, nahoda));
}

QString ZpravaHlidky(const Hra &hra, qsizetype i)
{
    return hra.stejnaZprava ? hra.spolecnaZprava : hra.hlidky[i].zprava;
}

QStringList RozdelNaBloky(QStringView text, int delkaBloku)
{
    QStringList bloky;
    if (delkaBloku < 1)
        return bloky;
    bloky.reserve((text.size() + delkaBloku - 1) / delkaBloku);
    for (qsizetype od = 0; od < text.size(); od += delkaBloku)
        bloky.append(text.sliced(od, std::min<qsizetype>(delkaBloku, text.size() - od)).toString());
    return bloky;
}

SifraHlidky ZasifrujZpravu(const KlicHry &klic, QStringView zprava)
{
    SifraHlidky sifra;
    switch (klic.sifra) {
    case SifraHry::Morseovka:
        sifra.zprava = VycistiMalymi(
            zprava, klic.pocetZnaku == MorseSInterpunkci ? ZnakyMorseSInterpunkci : ZnakyMorseBezInterpunkce,
            NahradaMala);
        sifra.zasifrovano = MorseSifruj(sifra.zprava, klic.pocetZnaku);
        break;
    case SifraHry::Mrizka:
        sifra.zprava = VycistiMalymi(zprava, ZnakyMrizka, NahradaMala);
        zasifrujPoBlocich(sifra, klic);
        break;
    case SifraHry::Kolecko:
        sifra.zprava = VycistiMalymi(zprava, ZnakyKolecko, NahradaMala);
        sifra.zasifrovano = PrevedKoleckem(sifra.zprava, klic.druh, klic.otoceni);
        break;
    case SifraHry::Snek:
        sifra.zprava = VycistiMalymi(zprava, ZnakySnek, NahradaMala);
        zasifrujPoBlocich(sifra, klic);
        break;
    case SifraHry::Semafor:
        sifra.zprava = VycistiMalymi(zprava, ZnakySemafor, NahradaMala);
        sifra.obrazky = SemaforSifruj(sifra.zprava);
        // The characters that have a picture, in the pictures' order.
        for (const QChar c : std::as_const(sifra.zprava))
            if (c == u' ' || SemaforAbeceda.contains(c))
                sifra.zasifrovano.append(c);
        break;
    }
    return sifra;
}

const VysledekHlidky &SifrovaniHry::hlidka(const Hra &hra, qsizetype i)
{
    if (m_zaznamy.size() < hra.hlidky.size())
        m_zaznamy.resize(hra.hlidky.size());
    const QString zprava = ZpravaHlidky(hra, i);
    const QString &klic = hra.hlidky[i].klic;
    std::optional<Zaznam> &zaznam = m_zaznamy[i];
    if (zaznam && zaznam->sifra == hra.sifra && zaznam->klic == klic && zaznam->zprava == zprava)
        return zaznam->vysledek;

    VysledekHlidky vysledek;
    vysledek.klic = PrectiKlic(hra.sifra, klic, &vysledek.chybaKlice);
    if (vysledek.klic) {
        vysledek.sifra = ZasifrujZpravu(*vysledek.klic, zprava);
        ++m_pocetSifrovani;
    }
    zaznam = Zaznam{hra.sifra, klic, zprava, std::move(vysledek)};
    return zaznam->vysledek;
}

void SifrovaniHry::zapomen()
{
    m_zaznamy.clear();
}

bool ZkontrolujKlice(const Hra &hra, QString *chyba, qsizetype *hlidka)
{
    if (!zkontrolujPocet(hra, chyba, hlidka))
        return false;
    for (qsizetype i = 0; i < hra.hlidky.size(); ++i) {
        QString duvod;
        if (!PrectiKlic(hra.sifra, hra.hlidky[i].klic, &duvod))
            return selhaniHlidky(hra, i, duvod, chyba, hlidka);
    }
    return true;
}

bool ZkontrolujHru(const Hra &hra, SifrovaniHry &sifrovani, QString *chyba, qsizetype *hlidka)
{
    if (!zkontrolujPocet(hra, chyba, hlidka))
        return false;
    for (qsizetype i = 0; i < hra.hlidky.size(); ++i) {
        const VysledekHlidky &vysledek = sifrovani.hlidka(hra, i);
        if (!vysledek.klic)
            return selhaniHlidky(hra, i, vysledek.chybaKlice, chyba, hlidka);
        if (vysledek.sifra.zprava.isEmpty())
            return selhaniHlidky(hra, i, QStringLiteral("Zpráva je po vyčištění prázdná, není co zašifrovat."), chyba,
                                 hlidka);
    }
    return true;
}

QStringList BlokReseni(const Hra &hra, qsizetype i, SifrovaniHry &sifrovani)
{
    const VysledekHlidky &vysledek = sifrovani.hlidka(hra, i);
    return {QStringLiteral("Hlídka: ") + nazevNaRadek(hra.hlidky[i].nazev),
            QStringLiteral("Šifra: ") + NazevSifry(hra.sifra),
            QStringLiteral("Klíč: ") + (vysledek.klic ? TextKlice(*vysledek.klic) : hra.hlidky[i].klic),
            QStringLiteral("Zpráva: ") + vysledek.sifra.zprava,
            QStringLiteral("Zašifrováno: ") + vysledek.sifra.zasifrovano};
}

std::optional<QStringList> RadkyReseni(const Hra &hra, SifrovaniHry &sifrovani, QString *chyba)
{
    if (!ZkontrolujHru(hra, sifrovani, chyba))
        return std::nullopt;
    QStringList radky;
    for (qsizetype i = 0; i < hra.hlidky.size(); ++i) {
        if (i > 0)
            radky.append(QString());
        radky.append(BlokReseni(hra, i, sifrovani));
    }
    return radky;
}

std::optional<QStringList> ZpravaReseni(const Hra &hra, SifrovaniHry &sifrovani, QString *chyba)
{
    std::optional<QStringList> radky = RadkyReseni(hra, sifrovani, chyba);
    if (radky) {
        radky->prepend(QString());
        radky->prepend(NadpisReseni.toString());
    }
    return radky;
}
