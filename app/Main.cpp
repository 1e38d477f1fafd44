#include "app/Main.h"

#include "app/PracovniSlozka.h"
#include "decoders/Jpeg.h"
#include "descriptions/PopisSifry.h"
#include "descriptions/Ulozistepopisu.h"
#include "descriptions/okna/Prehled.h"
#include "descriptions/okna/Vlastnisifra.h"
#include "exercises/Cviceni.h"
#include "exercises/MorseKlic.h"
#include "exercises/MorseTrenink.h"
#include "exercises/SemaforTest.h"
#include "game/PripravaHry.h"
#include "resources/Pisma.h"
#include "text/Cisteni.h"
#include "text/Mnemoniky.h"
#include "windows/Koleckosifrujunit.h"
#include "windows/Morseovkaunit.h"
#include "windows/Mrizkaunit.h"
#include "windows/SemaforCteni.h"
#include "windows/Semaforsifrujunit.h"
#include "windows/Snekunit.h"
#include "windows/formular/Mnemoniky.h"
#include "windows/zpravy/TiskZpravy.h"
#include "windows/zpravy/Ukladani.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QUrl>

namespace {
constexpr QStringView PredponaNacti = u"Načti šifru: ";
const char *const SouborMatrix = ":/obrazky/matrix.jpg";

// Menu captions come from user-written titles: a lone "&" would turn into a mnemonic and vanish.
QString bezMnemoniky(QString text)
{
    return text.replace(u'&', QStringLiteral("&&"));
}
} // namespace

// One row per window that exists at most once, in the order of its menu.
struct TTalvoMain::DruhOkna
{
    Jedinecne druh = {};
    QString nabidka = {};   // objectName of the menu the item stands in
    QString oddelovac = {}; // objectName of a separator put before the item; empty for none
    QString jmeno = {};     // objectName of the menu item
    QString titulek = {};   // caption of the menu item
    std::function<QWidget *()> tvurce = {};
    bool ulozit = false;      // the window has a report to save
    bool tisk = false;        // the window has a report to print
    QString titulekOkna = {}; // the caption the window gets when it opens; empty keeps its own
    bool zaskrtnout = false;  // the menu item is checkable and stays checked once the window has opened
    QString popis = {};       // store folder of the description "Nápověda" opens over the window; empty: the guide
};

const QList<TTalvoMain::DruhOkna> &TTalvoMain::druhyOken()
{
    using J = Jedinecne;
    const QString sifrovani = QStringLiteral("Sifrovani");
    const QString cviceni = QStringLiteral("CviceniSifrovani");
    // The semaphore window, the quiz and the trainer have no report, so they enable neither Save nor Print.
    static const QList<DruhOkna> druhy = {
        {.druh = J::Morseovka,
         .nabidka = sifrovani,
         .jmeno = QStringLiteral("Morseovka1SD"),
         .titulek = QStringLiteral("Morseovka"),
         .tvurce = [] { return new TMorseovkaForm; },
         .ulozit = true,
         .tisk = true,
         .popis = QStringLiteral("Morseovka")},
        {.druh = J::Mrizka,
         .nabidka = sifrovani,
         .jmeno = QStringLiteral("MrizkaSD"),
         .titulek = QStringLiteral("Mřížka"),
         .tvurce = [] { return new TMrizkaForm; },
         .ulozit = true,
         .tisk = true,
         .popis = QStringLiteral("Mrizka")},
        {.druh = J::Kolecko,
         .nabidka = sifrovani,
         .jmeno = QStringLiteral("SifrovaciKolecko1SD"),
         .titulek = QStringLiteral("Šifrovací kolečko"),
         .tvurce = [] { return new TKoleckoSifrujForm; },
         .ulozit = true,
         .tisk = true,
         .popis = QStringLiteral("Sifrovacikolecko")},
        {.druh = J::Snek,
         .nabidka = sifrovani,
         .jmeno = QStringLiteral("Snek1SD"),
         .titulek = QStringLiteral("Šnek"),
         .tvurce = [] { return new TSnekForm; },
         .ulozit = true,
         .tisk = true,
         .popis = QStringLiteral("Snek")},
        {.druh = J::Semafor,
         .nabidka = sifrovani,
         .jmeno = QStringLiteral("Semafor1SD"),
         .titulek = QStringLiteral("Semafor"),
         .tvurce = [] { return new TSemaforSifrujForm; },
         .popis = QStringLiteral("Semafor")},
        {.druh = J::PripravaHry,
         .nabidka = sifrovani,
         .oddelovac = QStringLiteral("N6"),
         .jmeno = QStringLiteral("PripravaHrySD"),
         .titulek = QStringLiteral("Příprava hry pro hlídky"),
         .tvurce = [] { return new TPripravaHryForm; },
         .ulozit = true,
         .tisk = true},
        {.druh = J::SemaforCteni,
         .nabidka = sifrovani,
         .jmeno = QStringLiteral("SemaforCteniSD"),
         .titulek = QStringLiteral("Semafor – čtení"),
         .tvurce = [] { return new TSemaforCteni; },
         .popis = QStringLiteral("Semafor")},
        {.druh = J::Cviceni,
         .nabidka = cviceni,
         .jmeno = QStringLiteral("Test"),
         .titulek = QStringLiteral("Morseovka 1"),
         .tvurce = [] { return new TTalvoCviceni; },
         .titulekOkna = QStringLiteral("Test Morseovka"),
         .zaskrtnout = true,
         .popis = QStringLiteral("Morseovka")},
        {.druh = J::MorseTrenink,
         .nabidka = cviceni,
         .oddelovac = QStringLiteral("N7"),
         .jmeno = QStringLiteral("MorseTreninkSD"),
         .titulek = QStringLiteral("Morseovka – trénink"),
         .tvurce = [] { return new TMorseTrenink; },
         .popis = QStringLiteral("Morseovka")},
        {.druh = J::MorseKlic,
         .nabidka = cviceni,
         .jmeno = QStringLiteral("MorseKlicSD"),
         .titulek = QStringLiteral("Morseovka – vysílání klíčem"),
         .tvurce = [] { return new TMorseKlic; },
         .popis = QStringLiteral("Morseovka")},
        {.druh = J::SemaforTest,
         .nabidka = cviceni,
         .jmeno = QStringLiteral("SemaforTestSD"),
         .titulek = QStringLiteral("Semafor – test"),
         .tvurce = [] { return new TSemaforTest; },
         .popis = QStringLiteral("Semafor")},
    };
    return druhy;
}

TTalvoMain::TTalvoMain(QWidget *parent)
    : QMainWindow(parent), m_znakyVlastni(ZnakyVlastni), m_nahradaVelka(NahradaVelka)
{
    setObjectName(QStringLiteral("TTalvoMain"));
    setWindowTitle(QStringLiteral("Talvo"));
    setFont(pismoTahoma(8));
    move(0, 0);
    resize(818, 676);

    vytvorPlochu();
    vytvorMenu();
    VytvorMenuNacti();
    VytvorMenuPrehled();
    pridejMnemonikyMenu(menuBar());
}

TTalvoMain::~TTalvoMain()
{
    // The child windows go while the table of open windows still exists: each tells it that it is gone.
    delete m_plocha;
}

void TTalvoMain::vytvorPlochu()
{
    m_plocha = new QMdiArea(this);
    m_plocha->setObjectName(QStringLiteral("plocha"));
    m_plocha->setBackground(palette().color(QPalette::Light));
    m_plocha->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_plocha->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_plocha);

    // Children of the viewport that are not sub-windows stay below every sub-window.
    QWidget *pozadi = m_plocha->viewport();

    matrix = new QLabel(pozadi);
    matrix->setObjectName(QStringLiteral("matrix"));
    matrix->setGeometry(148, 117, 517, 388);
    QFile soubor(QString::fromLatin1(SouborMatrix));
    if (soubor.open(QIODevice::ReadOnly)) {
        if (const auto obraz = DekodujJpeg(soubor.readAll()))
            matrix->setPixmap(QPixmap::fromImage(*obraz));
    }

    Nadpis = new QLabel(QStringLiteral("Talvo 1.11"), pozadi);
    Nadpis->setObjectName(QStringLiteral("Nadpis"));
    Nadpis->setFont(pismoTahomaPx(27));
    Nadpis->move(330, 32);
    Nadpis->adjustSize();

    NazevTalvo = new QPlainTextEdit(QStringLiteral("noVisible"), pozadi);
    NazevTalvo->setObjectName(QStringLiteral("NazevTalvo"));
    NazevTalvo->hide();
}

QMenu *TTalvoMain::pridejMenu(QMenu *rodic, const QString &jmeno, const QString &titulek)
{
    QMenu *menu = rodic ? rodic->addMenu(titulek) : menuBar()->addMenu(titulek);
    menu->setObjectName(jmeno);
    menu->menuAction()->setObjectName(jmeno);
    return menu;
}

QAction *TTalvoMain::pridejPolozku(QMenu *menu, const QString &jmeno, const QString &titulek)
{
    auto *akce = new QAction(titulek, this);
    akce->setObjectName(jmeno);
    menu->addAction(akce);
    return akce;
}

QAction *TTalvoMain::oddelovac(const QString &jmeno)
{
    auto *akce = new QAction(this);
    akce->setSeparator(true);
    akce->setObjectName(jmeno);
    return akce;
}

void TTalvoMain::vytvorMenu()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));

    QMenu *soubor = pridejMenu(nullptr, QStringLiteral("Soubor"), QStringLiteral("Soubor"));
    Ulozit = pridejPolozku(soubor, QStringLiteral("Ulozit"), QStringLiteral("Uložit"));
    Ulozit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Ulozit->setEnabled(false);
    connect(Ulozit, &QAction::triggered, this, &TTalvoMain::UlozitClick);
    Tisk = pridejPolozku(soubor, QStringLiteral("Tisk"), QStringLiteral("Tisk"));
    Tisk->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    Tisk->setEnabled(false);
    connect(Tisk, &QAction::triggered, this, &TTalvoMain::TiskClick);
    connect(pridejPolozku(soubor, QStringLiteral("NastaveniTisku"), QStringLiteral("Nastavení tisku")),
            &QAction::triggered, this, &TTalvoMain::NastaveniTiskuClick);
    soubor->addAction(oddelovac(QStringLiteral("N1")));
    QAction *konec = pridejPolozku(soubor, QStringLiteral("Konec"), QStringLiteral("Konec"));
    // Ctrl+Z is undo in every edit box, so it must not close the program with all its open texts.
    konec->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(konec, &QAction::triggered, this, &TTalvoMain::KonecClick);

    QHash<QString, QMenu *> nabidky;
    for (const QString &jmeno : {QStringLiteral("Sifrovani"), QStringLiteral("CviceniSifrovani")})
        nabidky.insert(jmeno, pridejMenu(nullptr, jmeno,
                                         jmeno == u"Sifrovani" ? QStringLiteral("Šifrování")
                                                               : QStringLiteral("Cvičení šifrování")));
    for (const DruhOkna &druh : druhyOken()) {
        QMenu *nabidka = nabidky.value(druh.nabidka);
        if (!druh.oddelovac.isEmpty())
            nabidka->addAction(oddelovac(druh.oddelovac));
        QAction *polozka = pridejPolozku(nabidka, druh.jmeno, druh.titulek);
        polozka->setCheckable(druh.zaskrtnout);
        connect(polozka, &QAction::triggered, this, [this, &druh, polozka] {
            otevriDruh(druh);
            // Checked for good, also when the click on the checked item has just unchecked it.
            if (druh.zaskrtnout)
                polozka->setChecked(true);
        });
    }

    menuBar()->addAction(oddelovac(QStringLiteral("N4")));

    PrehledSifer = pridejMenu(nullptr, QStringLiteral("PrehledSifer"), QStringLiteral("Přehled šifer"));
    VlastniSifra = pridejMenu(PrehledSifer, QStringLiteral("VlastniSifra"), QStringLiteral("&Vložit/editovat popis"));
    connect(pridejPolozku(VlastniSifra, QStringLiteral("Nova"), QStringLiteral("&Nová")), &QAction::triggered, this,
            &TTalvoMain::NovaClick);
    VlastniSifra->addAction(oddelovac(QStringLiteral("N3")));
    PrehledSifer->addAction(oddelovac(QStringLiteral("N5")));

    menuBar()->addAction(oddelovac(QStringLiteral("N2")));

    QMenu *napoveda = pridejMenu(nullptr, QStringLiteral("Napoveda"), QStringLiteral("Nápověda"));
    connect(pridejPolozku(napoveda, QStringLiteral("Info1"), QStringLiteral("Info")), &QAction::triggered, this,
            &TTalvoMain::Info1Click);
    connect(pridejPolozku(napoveda, QStringLiteral("Dokumentace1"), QStringLiteral("Dokumentace")), &QAction::triggered,
            this, &TTalvoMain::Dokumentace1Click);
    QAction *napovedaOkna = pridejPolozku(napoveda, QStringLiteral("Napoveda2"), QStringLiteral("Nápověda"));
    napovedaOkna->setShortcut(QKeySequence::HelpContents);
    connect(napovedaOkna, &QAction::triggered, this, &TTalvoMain::Napoveda2Click);

    QMenu *okna = pridejMenu(nullptr, QStringLiteral("Okna1"), QStringLiteral("Okna"));
    connect(pridejPolozku(okna, QStringLiteral("Kaskada1"), QStringLiteral("Kaskáda")), &QAction::triggered, this,
            &TTalvoMain::Kaskada1Click);
}

const QList<PolozkaPopisu> &TTalvoMain::popisyUloziste()
{
    // Both menus list the store as it is at start: it is read once.
    if (!m_popisy) {
        QString chyba;
        m_popisy = PolozkyPopisu(SlozkaUloziste.toString(), &chyba).value_or(QList<PolozkaPopisu>());
        m_chybaUloziste = chyba;
    }
    return *m_popisy;
}

void TTalvoMain::VytvorMenuNacti()
{
    m_polozkyNacti = pridejPolozkyPopisu(VlastniSifra, PredponaNacti.toString(), &TTalvoMain::NactiSifruClick);
}

void TTalvoMain::VytvorMenuPrehled()
{
    m_polozkyPrehled = pridejPolozkyPopisu(PrehledSifer, QString(), &TTalvoMain::PrehledClick);
}

QList<QAction *> TTalvoMain::pridejPolozkyPopisu(QMenu *menu, const QString &predpona, void (TTalvoMain::*obsluha)())
{
    QList<QAction *> polozky;
    const QList<PolozkaPopisu> &popisy = popisyUloziste();
    // The mnemonic falls in the title, not in the prefix every item shares, and not on a letter of
    // the menu's fixed entries.
    QStringList titulky;
    for (const PolozkaPopisu &popis : popisy)
        titulky << bezMnemoniky(popis.titulek);
    QString obsazene;
    for (const QAction *a : menu->actions())
        if (const QChar c = MnemonikaTextu(a->text()); !c.isNull())
            obsazene += c;
    titulky = PridejMnemoniky(titulky, &obsazene);
    for (qsizetype i = 0; i < popisy.size(); ++i) {
        auto *akce = new QAction(bezMnemoniky(predpona) + titulky[i], this);
        akce->setData(popisy[i].slozka);
        connect(akce, &QAction::triggered, this, obsluha);
        // The first two entries of both menus are fixed; descriptions follow in listing order.
        menu->insertAction(menu->actions().value(i + 2), akce);
        polozky.append(akce);
    }
    return polozky;
}

void TTalvoMain::ohlasChybyStartu(const QString &chybaSlozky)
{
    QStringList chyby;
    for (const QString &chyba : {chybaSlozky, m_chybaUloziste})
        if (!chyba.isEmpty())
            chyby << chyba;
    if (!chyby.isEmpty())
        QMessageBox::warning(this, QStringLiteral("Talvo"), chyby.join(u'\n'));
}

bool TTalvoMain::jeOtevreno(Jedinecne druh) const
{
    return m_otevrene.value(druh) != nullptr;
}

QMdiArea *TTalvoMain::mdiArea() const
{
    return m_plocha;
}

QMdiSubWindow *TTalvoMain::otevriJedinecne(Jedinecne druh, const std::function<QWidget *()> &tvurce, bool povolitUlozit,
                                           bool povolitTisk)
{
    QMdiSubWindow *okno = m_otevrene.value(druh);
    if (okno) {
        ukazOkno(okno);
        return okno;
    }
    QWidget *obsah = tvurce ? tvurce() : nullptr;
    if (!obsah)
        return nullptr;
    okno = otevriOkno(obsah, povolitUlozit, povolitTisk);
    m_otevrene.insert(druh, okno);
    const auto zapomen = [this, druh, okno] {
        if (m_otevrene.value(druh) == okno)
            m_otevrene.remove(druh);
    };
    connect(okno, &QObject::destroyed, this, zapomen);
    connect(obsah, &QObject::destroyed, this, zapomen);
    return okno;
}

QMdiSubWindow *TTalvoMain::otevriOkno(QWidget *obsah, bool povolitUlozit, bool povolitTisk)
{
    pridejMnemonikyOkna(obsah, mnemonikyListy(menuBar()));
    pojmenujOvladaceOkna(obsah);
    QMdiSubWindow *okno = m_plocha->addSubWindow(obsah);
    okno->setAttribute(Qt::WA_DeleteOnClose);
    // Held as a plain QObject: the frame may be half-destroyed when its content goes.
    QPointer<QObject> hlidany(okno);
    // A window that deletes itself takes its frame along, so no empty frame stays behind.
    connect(obsah, &QObject::destroyed, this, [hlidany] {
        if (hlidany)
            hlidany->deleteLater();
    });
    if (povolitUlozit)
        Ulozit->setEnabled(true);
    if (povolitTisk)
        Tisk->setEnabled(true);
    ukazOkno(okno);
    return okno;
}

void TTalvoMain::ukazOkno(QMdiSubWindow *okno)
{
    okno->showMaximized();
    if (QWidget *obsah = okno->widget())
        obsah->show();
    m_plocha->setActiveSubWindow(okno);
    okno->raise();
}

QWidget *TTalvoMain::aktivniOkno() const
{
    QMdiSubWindow *okno = m_plocha->currentSubWindow();
    return okno ? okno->widget() : nullptr;
}

QString TTalvoMain::textInfo()
{
    // The maker's web address line is left empty: the program has no site of its own.
    const QStringList radky = {
        QStringLiteral("Název: Talvo "), QStringLiteral("Verze 1.11"), QString(), QString(), QString(),
        QStringLiteral("2026 Talvo")};
    return radky.join(u'\n');
}

QString TTalvoMain::slozkaOdesilatele() const
{
    auto *akce = qobject_cast<QAction *>(sender());
    return akce ? akce->data().toString() : QString();
}

void TTalvoMain::UlozitClick()
{
    ukladani()->UlozitClick(aktivniOkno());
}

void TTalvoMain::TiskClick()
{
    tisk()->TiskClick(aktivniOkno());
}

void TTalvoMain::NastaveniTiskuClick()
{
    tisk()->NastaveniTiskuClick();
}

TUkladaniZprav *TTalvoMain::ukladani()
{
    if (!m_ukladani)
        m_ukladani = new TUkladaniZprav(this);
    return m_ukladani;
}

TTiskZprav *TTalvoMain::tisk()
{
    // The same printer that the tool windows' own print buttons use.
    return TTiskZprav::proOkno(this);
}

void TTalvoMain::KonecClick()
{
    close();
}

void TTalvoMain::otevriDruh(const DruhOkna &druh)
{
    QMdiSubWindow *okno = otevriJedinecne(druh.druh, druh.tvurce, druh.ulozit, druh.tisk);
    if (okno && okno->widget() && !druh.titulekOkna.isEmpty())
        okno->widget()->setWindowTitle(druh.titulekOkna);
}

void TTalvoMain::NovaClick()
{
    auto *editor = new TTalvoVlastni;
    editor->setWindowTitle(QStringLiteral("Nová šifra"));
    otevriOkno(editor, true, false);
}

void TTalvoMain::NactiSifruClick()
{
    const QString slozka = slozkaOdesilatele();
    // The editor keeps its own caption; it shows before it loads, so a load error has a window to stand on.
    auto *editor = new TTalvoVlastni;
    otevriOkno(editor, true, false);
    editor->NactiPopis(slozka);
}

void TTalvoMain::PrehledClick()
{
    otevriPrehled(slozkaOdesilatele());
}

void TTalvoMain::otevriPrehled(const QString &slozka)
{
    auto *prehled = new TTalvoPrehled;
    otevriOkno(prehled, false, true);
    prehled->ZobrazPopis(slozka);
    // Also when the layout stopped on a missing file: the window stays and says which description it is.
    prehled->setWindowTitle(QStringLiteral("Přehled šifer - ") + slozka);
}

void TTalvoMain::Info1Click()
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Info"), textInfo(), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("InfoBox"));
    box.exec();
}

void TTalvoMain::Dokumentace1Click()
{
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(QDir::current().absoluteFilePath(QString::fromLatin1(SouborPrirucky))));
}

QString TTalvoMain::popisAktivnihoOkna() const
{
    const QMdiSubWindow *aktivni = m_plocha->activeSubWindow();
    if (!aktivni)
        return QString();
    for (const DruhOkna &druh : druhyOken())
        if (m_otevrene.value(druh.druh) == aktivni)
            return druh.popis;
    return QString();
}

void TTalvoMain::Napoveda2Click()
{
    // The description of the active tool window's cipher as the store has it, or the user guide
    // when no tool window is active or the store no longer holds that description.
    const QString slozka = popisAktivnihoOkna();
    if (!slozka.isEmpty() && QFileInfo(slozkaPopisu(SlozkaUloziste.toString(), slozka)).isDir())
        otevriPrehled(slozka);
    else
        Dokumentace1Click();
}

void TTalvoMain::Kaskada1Click()
{
    m_plocha->cascadeSubWindows();
}
