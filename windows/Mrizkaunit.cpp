#include "windows/Mrizkaunit.h"

#include "resources/Zdroje.h"
#include "text/Cisteni.h"
#include "windows/PoleMrizky.h"
#include "windows/formular/Formular.h"
#include "windows/zpravy/TiskZpravy.h"
#include "windows/zpravy/Vystrihovanky.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <string_view>

namespace {
// The content area at its design size; the controls sit at fixed places in it. The card helper
// sits below the largest grid, so it never covers a cell.
constexpr QSize PlochaOkna(784, 615);
constexpr int VrchPomocnika = TMrizkaForm::PocatekMrizky.y() + NejvetsiMrizka * TMrizkaForm::VelikostBunky + 8;
constexpr QColor BarvaChybi(0xd0, 0x10, 0x10);
constexpr QColor BarvaPrekryva(0x10, 0x50, 0xe0);
constexpr int CisloObrazkuMrizky = 51;
constexpr int VychoziVelikost = 6;
// What a refused size text falls back to.
constexpr int NahradniVelikost = 1;

} // namespace

TMrizkaForm::TMrizkaForm(QWidget *parent)
    : TOknoSeZpravou(QStringLiteral("MrizkaForm"), QStringLiteral("Mřížka"), PlochaOkna + QSize(20, 20), parent)
{
    vytvorLevySloupec();
    vytvorPravySloupec();
    vytvorPomocnika();
    // Reading order: the left column top down, then the right one.
    poradiFokusu(
        {Zdroj, DesifrujB, ZasifrujB, Button1, Cil, velikostMrizky, poleMrizky, NahodnaMrizkaB, VytiskniMrizkuB});

    // The grid's pattern of whole pixels, cut to the grid's size below: at one pixel per point.
    const QPixmap mrizka = QPixmap::fromImage(obrazekZdroje(CisloObrazkuMrizky));
    obrazekMrizky = mrizka.copy(0, 0, NejvetsiMrizka * VelikostBunky, NejvetsiMrizka * VelikostBunky);
    QImage inverzni = obrazekMrizky.toImage();
    inverzni.invertPixels();
    obrazekOkenek = QPixmap::fromImage(inverzni);

    m_velikost = ZkontrolujVelikost();
    RozmistiCary();
    nastavTexty(Zdroj, Cil);
    Label3->setBuddy(Zdroj);
    Label4->setBuddy(Cil);
    postavMrizku();

    obsah()->installEventFilter(this);
    connect(ZasifrujB, &QPushButton::clicked, this, &TMrizkaForm::ZasifrujBClick);
    connect(DesifrujB, &QPushButton::clicked, this, &TMrizkaForm::DesifrujBClick);
    connect(Button1, &QPushButton::clicked, this, &TMrizkaForm::Button1Click);
    connect(velikostMrizky, &QLineEdit::textChanged, this, &TMrizkaForm::velikostMrizkyChange);
    connect(NahodnaMrizkaB, &QPushButton::clicked, this, &TMrizkaForm::NahodnaMrizkaBClick);
    connect(VytiskniMrizkuB, &QPushButton::clicked, this, &TMrizkaForm::VytiskniMrizkuBClick);
    Zdroj->setFocus();
}

void TMrizkaForm::vytvorLevySloupec()
{
    QWidget *plocha = obsah();
    Label1 =
        popisek(plocha, "Label1", QStringLiteral("Zadejte text, označte okénka v mřížce a stiskněte tlačítko."), true);
    Label1->setGeometry(16, 12, 500, 16);
    Shape1 = cara(plocha, "Shape1");
    Shape1->setGeometry(16, 32, 500, 1);
    Label5 = popisek(plocha, "Label5", QStringLiteral("Povolené znaky: a-Z, 0-9."));
    Label5->setGeometry(16, 40, 130, 16);
    Label9 = popisek(plocha, "Label9", QStringLiteral("Diakritika a ostatní znaky budou odstraněny."));
    Label9->setGeometry(150, 40, 366, 16);
    Label6 = popisek(plocha, "Label6",
                     QStringLiteral("Délka textu nesmí být delší než velikost * velikost (např. 25 pro velikost 5). "
                                    "Text za touto délkou bude ignorován. Kratší text bude doplněn."));
    Label6->setGeometry(16, 60, 500, 32);
    Shape2 = cara(plocha, "Shape2");
    Shape2->setGeometry(16, 98, 500, 1);
    Label10 = popisek(plocha, "Label10",
                      QStringLiteral("Pokud se vám nezašifruje celý text a ve výsledném textu jsou podtržítka, změnte "
                                     "rozmístění okének (okénka se při rotaci mřížky překrývají)"));
    Label10->setGeometry(16, 106, 500, 32);
    Label11 = popisek(plocha, "Label11", QStringLiteral("Doporučuji šifrovat po blocích délky 36 znaků a menších."));
    Label11->setGeometry(16, 142, 500, 16);

    Label3 = popisek(plocha, "Label3", QStringLiteral("Zdrojový text"), true);
    Label3->setGeometry(16, 170, 500, 16);
    Zdroj = memo(plocha, "Zdroj", QStringLiteral("Toto je text který chci celý zašifrovat 123"));
    Zdroj->setGeometry(16, 188, 500, 140);

    DesifrujB = tlacitko(plocha, "DesifrujB", QStringLiteral("Dešifruj"), NapovedaDesifruj.toString());
    DesifrujB->setGeometry(16, 336, 150, 25);
    ZasifrujB = tlacitko(plocha, "ZasifrujB", QStringLiteral("Zašifruj"), NapovedaZasifruj.toString());
    ZasifrujB->setGeometry(174, 336, 150, 25);
    Button1 = tlacitko(plocha, "Button1", QStringLiteral("Obnovit zdrojový text"), NapovedaObnovit.toString());
    Button1->setGeometry(332, 336, 150, 25);

    Label4 = popisek(plocha, "Label4", QStringLiteral("Cílový text"), true);
    Label4->setGeometry(16, 372, 500, 16);
    Cil = memo(plocha, "Cil");
    Cil->setGeometry(16, 390, 500, 164);
    Cil->setEnabled(false);
}

void TMrizkaForm::vytvorPravySloupec()
{
    QWidget *plocha = obsah();
    const int x = PocatekMrizky.x();
    Label7 = popisek(plocha, "Label7", QStringLiteral("Velikost mřížky (1-10)"), true);
    Label7->setGeometry(x, 170, 240, 16);
    velikostMrizky = editace(plocha, "velikostMrizky", QString::number(VychoziVelikost));
    velikostMrizky->setGeometry(x, 188, 49, 21);
    Label7->setBuddy(velikostMrizky);
    velikostMrizky->setAccessibleName(Label7->text());
    Label8 = popisek(plocha, "Label8",
                     QStringLiteral("Kliknutím do čtverečků označte/zrušte místa kde mají být okénka."), true);
    Label8->setGeometry(x, 218, 240, 30);
    Label2 = popisek(plocha, "Label2", QStringLiteral("Tmavé čtverečky označují  okénka (díry)."));
    Label2->setGeometry(x, 254, 240, 16);

    // Below every other control, so the frame's bars lie over the focus frame's edge cells too.
    poleMrizky = new TPoleMrizky(plocha);
    poleMrizky->lower();
    Label8->setBuddy(poleMrizky);
    connect(poleMrizky, &TPoleMrizky::prepni, this, [this](QPoint bunka) {
        prepniOkenko(bunka);
        obsah()->update();
    });

    // Made after the frame, so the covers lie over the parts of its bars that reach past the grid.
    VodorovnaCara = pruh(plocha, "VodorovnaCara");
    SvislaCara = pruh(plocha, "SvislaCara");
    VodorovnaCara2 = pruh(plocha, "VodorovnaCara2");
    SvislaCara2 = pruh(plocha, "SvislaCara2");
    QPixmap bila(16 * VelikostBunky, 16 * VelikostBunky);
    bila.fill(plocha->palette().color(QPalette::Window));
    VodorovnyObr = obrazek(plocha, "VodorovnyObr", bila);
    SvislyObr = obrazek(plocha, "SvislyObr", bila);
}

void TMrizkaForm::vytvorPomocnika()
{
    QWidget *plocha = obsah();
    const int x = PocatekMrizky.x();
    StavMrizkyLab = popisek(plocha, "StavMrizkyLab", QString(), true);
    StavMrizkyLab->setGeometry(x, VrchPomocnika, 240, 16);
    LegendaMrizkyLab = popisek(plocha, "LegendaMrizkyLab",
                               QStringLiteral("Červený rámeček: políčko se neodkryje nikdy, modrý: odkryje se "
                                              "vícekrát."));
    LegendaMrizkyLab->setGeometry(x, VrchPomocnika + 18, 240, 28);
    NahodnaMrizkaB = tlacitko(plocha, "NahodnaMrizkaB", QStringLiteral("Náhodná mřížka"),
                              QStringLiteral("Vystřihne náhodnou mřížku, která odkryje každé políčko právě jednou."));
    NahodnaMrizkaB->setGeometry(x, VrchPomocnika + 50, 200, 25);
    VytiskniMrizkuB = tlacitko(plocha, "VytiskniMrizkuB", QStringLiteral("Vytisknout mřížku k vystřižení"),
                               QStringLiteral("Vytiskne mřížku ve skutečné velikosti (políčko 1 cm) s návodem a "
                                              "čtvercem pro zápis."));
    VytiskniMrizkuB->setGeometry(x, VrchPomocnika + 80, 200, 25);
}

void TMrizkaForm::RozmistiCary()
{
    const int v = m_velikost * VelikostBunky;
    const int x = PocatekMrizky.x();
    const int y = PocatekMrizky.y();
    // The top and left bars lie over the grid's first two pixel rows and columns, the bottom and
    // right bars over its last ones; the two latter reach past the grid, under the covers.
    VodorovnaCara->setGeometry(x, y, v, 2);
    SvislaCara->setGeometry(x, y, 2, v);
    VodorovnaCara2->setGeometry(x, y + v - 1, 200, 2);
    SvislaCara2->setGeometry(x + v - 1, y, 2, 201);
    VodorovnyObr->setGeometry(x, VodorovnaCara2->y() + 2, 249, 191);
    poleMrizky->setGeometry(QRect(PocatekMrizky, QSize(v, v)));
    SvislyObr->setGeometry(SvislaCara2->x() + 2, y - 4, 219, 210);
}

int TMrizkaForm::ZkontrolujVelikost()
{
    return velikostZTextu(velikostMrizky->text(), NejvetsiMrizka, NahradniVelikost);
}

void TMrizkaForm::postavMrizku()
{
    m_okenka = VychoziMrizka(m_velikost);
    aktualizujStav();
}

void TMrizkaForm::aktualizujStav()
{
    m_pocty = PocitejOdkryti(m_okenka, m_velikost);
    const StavMrizky stav = ZhodnotMrizku(m_pocty, m_velikost);
    StavMrizkyLab->setText(PopisStavuMrizky(stav));
    QPalette paleta = StavMrizkyLab->palette();
    // Green or red that read on the form's background, light or dark.
    const bool tmava = paleta.color(QPalette::Window).lightness() < 128;
    const QColor dobre = tmava ? QColor(0x60, 0xd0, 0x80) : QColor(0x00, 0x70, 0x20);
    const QColor spatne = tmava ? QColor(0xff, 0x70, 0x70) : BarvaChybi;
    paleta.setColor(QPalette::WindowText, stav.vPoradku() ? dobre : spatne);
    StavMrizkyLab->setPalette(paleta);
    LegendaMrizkyLab->setVisible(!stav.vPoradku());
    poleMrizky->nastav(m_velikost, m_okenka, m_pocty);
}

void TMrizkaForm::NahodnaMrizkaBClick()
{
    m_okenka = NahodnaOkenka(m_velikost, *QRandomGenerator::global());
    aktualizujStav();
    obsah()->update();
}

void TMrizkaForm::VytiskniMrizkuBClick()
{
    const Vystrihovanka karta = Vystrihovanka::zMrizky(m_okenka, m_velikost);
    TTiskZprav::proOkno(this)->vyberATiskni(
        [&karta](QPrinter &tiskarna, QString *chyba) { return TiskniVystrihovanku(tiskarna, karta, chyba); });
}

void TMrizkaForm::velikostMrizkyChange()
{
    m_velikost = ZkontrolujVelikost();
    postavMrizku();
    RozmistiCary();
    obsah()->update();
}

std::optional<QPoint> TMrizkaForm::bunkaNaBode(QPoint bod) const
{
    const QPoint odPocatku = bod - PocatekMrizky;
    if (odPocatku.x() < 0 || odPocatku.y() < 0)
        return std::nullopt;
    const QPoint bunka(odPocatku.x() / VelikostBunky, odPocatku.y() / VelikostBunky);
    if (bunka.x() >= m_velikost || bunka.y() >= m_velikost)
        return std::nullopt;
    return bunka;
}

QRect TMrizkaForm::ctverecBunky(QPoint bunka)
{
    return QRect(bunka * VelikostBunky, QSize(VelikostBunky, VelikostBunky));
}

bool TMrizkaForm::eventFilter(QObject *objekt, QEvent *udalost)
{
    if (objekt == obsah()) {
        switch (udalost->type()) {
        case QEvent::Paint: {
            QPainter malir(obsah());
            FormPaint(malir);
            break;
        }
        // The second press of a double click arrives as the double click itself.
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const QPoint bod = static_cast<QMouseEvent *>(udalost)->position().toPoint();
            // A press that a control passed on (a frame bar, a cover, a label) toggles nothing; the
            // grid control takes its own presses, so one reaching the area here was sent to it.
            const QWidget *pod = obsah()->childAt(bod);
            if (!pod || pod == poleMrizky)
                FormMouseDown(bod);
            return true;
        }
        default:
            break;
        }
    }
    return TOknoSeZpravou::eventFilter(objekt, udalost);
}

void TMrizkaForm::FormPaint(QPainter &malir) const
{
    kresliMrizku(malir);
    kresliOkenka(malir);
    kresliPokryti(malir);
}

void TMrizkaForm::kresliMrizku(QPainter &malir) const
{
    const int strana = m_velikost * VelikostBunky;
    malir.drawPixmap(PocatekMrizky, obrazekMrizky, QRect(0, 0, strana, strana));
}

void TMrizkaForm::kresliOkenka(QPainter &malir) const
{
    for (int c = 0; c < m_velikost; ++c) {
        for (int r = 0; r < m_velikost; ++r) {
            if (!m_okenka[c][r])
                continue;
            const QRect ctverec = ctverecBunky(QPoint(c, r));
            malir.drawPixmap(PocatekMrizky + ctverec.topLeft(), obrazekOkenek, ctverec);
        }
    }
}

void TMrizkaForm::kresliPokryti(QPainter &malir) const
{
    for (int c = 0; c < m_velikost; ++c) {
        for (int r = 0; r < m_velikost; ++r) {
            if (m_pocty[c][r] == 1)
                continue;
            const QColor barva = m_pocty[c][r] == 0 ? BarvaChybi : BarvaPrekryva;
            // Two pixels wide, inside the square's light area, leaving its middle as it was.
            const QRect ctverec = ctverecBunky(QPoint(c, r)).translated(PocatekMrizky);
            const QPoint roh = ctverec.topLeft() + QPoint(1, 1);
            malir.fillRect(QRect(roh, QSize(17, 2)), barva);
            malir.fillRect(QRect(roh + QPoint(0, 15), QSize(17, 2)), barva);
            malir.fillRect(QRect(roh, QSize(2, 17)), barva);
            malir.fillRect(QRect(roh + QPoint(15, 0), QSize(2, 17)), barva);
        }
    }
}

void TMrizkaForm::FormMouseDown(QPoint bod)
{
    if (const auto bunka = bunkaNaBode(bod))
        prepniOkenko(*bunka);
    obsah()->update();
}

void TMrizkaForm::prepniOkenko(QPoint bunka)
{
    bool &okenko = m_okenka[bunka.x()][bunka.y()];
    okenko = !okenko;
    aktualizujStav();
}

void TMrizkaForm::spustSifru(Sifra sifra)
{
    const QString zdroj = ulozAVycistiZdroj(ZnakyMrizka, NahradaMala);
    if (zdroj.isEmpty())
        return;
    Cil->setEnabled(true);
    Cil->setPlainText(sifra(zdroj, m_okenka, m_velikost));
}

void TMrizkaForm::ZasifrujBClick()
{
    spustSifru(MrizkaSifruj);
}

void TMrizkaForm::DesifrujBClick()
{
    spustSifru(MrizkaDesifruj);
}

void TMrizkaForm::NaplnTisk()
{
    pridejOddily({{QStringLiteral("Zdrojový text:"), Zdroj->toPlainText()},
                  {QStringLiteral("Cilový text:"), Cil->toPlainText()}});
}
