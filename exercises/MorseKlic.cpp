#include "exercises/MorseKlic.h"

#include "ciphers/Morseovka.h"
#include "resources/Pisma.h"
#include "text/Cisteni.h"
#include "windows/PrehravacMorseovky.h"
#include "windows/formular/Formular.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>

#include <atomic>
#include <cmath>
#include <cstring>
#include <memory>
#include <numbers>

namespace {
constexpr QSize Navrh(640, 560);
constexpr int VychoziRychlost = 8;
constexpr int FrekvenceTonu = 700;
constexpr int ZpozdeniTonuMs = 30; // how much sound the output holds ahead: the tone's delay
constexpr double NabehTonuMs = 5;  // the tone rises and falls over this, so that it does not click
// Silence of this many units after a release completes the letter.
constexpr double JednotekTicha = 3.0;
} // namespace

// The side tone: a sine that the output pulls all the time, silent while the key is up, so a press
// sounds after the output's short buffer instead of after starting a new output.
class ZdrojTonuKlice : public QIODevice
{
public:
    ZdrojTonuKlice(int vzorkovani, QObject *parent)
        : QIODevice(parent), m_krokFaze(2 * std::numbers::pi * FrekvenceTonu / vzorkovani),
          m_krokHlasitosti(1000.0 / (NabehTonuMs * vzorkovani))
    {
        open(QIODevice::ReadOnly);
    }
    void zapni(bool zapnuto) { m_zapnuto.store(zapnuto); }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return 1 << 16; }

protected:
    qint64 readData(char *data, qint64 maxlen) override
    {
        const double cil = m_zapnuto.load() ? 1.0 : 0.0;
        const qint64 vzorku = maxlen / 2;
        for (qint64 i = 0; i < vzorku; ++i) {
            if (m_hlasitost < cil)
                m_hlasitost = std::min(cil, m_hlasitost + m_krokHlasitosti);
            else if (m_hlasitost > cil)
                m_hlasitost = std::max(cil, m_hlasitost - m_krokHlasitosti);
            const auto vzorek = qint16(std::lround(12000 * m_hlasitost * std::sin(m_faze)));
            std::memcpy(data + 2 * i, &vzorek, 2);
            m_faze = std::fmod(m_faze + m_krokFaze, 2 * std::numbers::pi);
        }
        return 2 * vzorku;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    std::atomic<bool> m_zapnuto = false;
    double m_krokFaze;
    double m_krokHlasitosti;
    double m_faze = 0;
    double m_hlasitost = 0;
};

// The output of the side tone, opened on the first press and kept while the tone is wanted.
class TTonKlice : public QObject
{
public:
    explicit TTonKlice(QObject *parent) : QObject(parent) {}
    ~TTonKlice() override { vypni(); }

    // Sounds or silences the tone; false with the reason when there is no output to play it.
    bool zapni(bool zapnuto, QString *chyba)
    {
        // An output that could not be opened is not tried again on every press, only after vypni().
        if (!m_vystup && zapnuto && (m_nedostupny || !otevri(chyba))) {
            m_nedostupny = true;
            return false;
        }
        if (m_zdroj)
            m_zdroj->zapni(zapnuto);
        return true;
    }
    void vypni()
    {
        m_nedostupny = false;
        if (m_vystup)
            m_vystup->stop();
        m_vystup.reset();
        m_zdroj.reset();
    }

private:
    bool otevri(QString *chyba)
    {
        QAudioDevice zarizeni;
        QAudioFormat format;
        if (!vyberVystupZvuku(0, &zarizeni, &format, chyba))
            return false;
        m_zdroj = std::make_unique<ZdrojTonuKlice>(format.sampleRate(), nullptr);
        m_vystup = std::make_unique<QAudioSink>(zarizeni, format);
        m_vystup->setBufferSize(qsizetype(format.bytesForDuration(ZpozdeniTonuMs * 1000)));
        m_vystup->start(m_zdroj.get());
        if (m_vystup->error() != QAudio::NoError) {
            *chyba = QStringLiteral("Zvukový výstup nelze otevřít.");
            vypni();
            return false;
        }
        return true;
    }

    std::unique_ptr<ZdrojTonuKlice> m_zdroj;
    std::unique_ptr<QAudioSink> m_vystup;
    bool m_nedostupny = false;
};

TKlicPlocha::TKlicPlocha(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumHeight(96);
}

void TKlicPlocha::nastav(bool dole)
{
    if (dole == m_dole)
        return;
    m_dole = dole;
    update();
    if (dole)
        emit stisknuto();
    else
        emit uvolneno();
}

void TKlicPlocha::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPalette &paleta = palette();
    p.fillRect(rect(), m_dole ? paleta.color(QPalette::Highlight) : paleta.color(QPalette::Button));
    p.setPen(paleta.color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(m_dole ? paleta.color(QPalette::HighlightedText) : paleta.color(QPalette::ButtonText));
    p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
               m_dole ? QStringLiteral("Klíč stisknut")
                      : QStringLiteral("Klíč: držte mezerník nebo tlačítko myši (klikněte sem, ať má klíč fokus)"));
    if (hasFocus()) {
        p.setPen(QPen(paleta.color(QPalette::Highlight), 1, Qt::DashLine));
        p.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void TKlicPlocha::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Space) {
        QWidget::keyPressEvent(event);
        return;
    }
    // A held space bar repeats its press (and, on some systems, its release): only the first counts.
    if (!event->isAutoRepeat())
        nastav(true);
}

void TKlicPlocha::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Space) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        nastav(false);
}

void TKlicPlocha::mousePressEvent(QMouseEvent *)
{
    setFocus(Qt::MouseFocusReason);
    nastav(true);
}

void TKlicPlocha::mouseReleaseEvent(QMouseEvent *event)
{
    // Down while any button is held.
    if (event->buttons() == Qt::NoButton)
        nastav(false);
}

void TKlicPlocha::focusOutEvent(QFocusEvent *event)
{
    // A key that loses the focus would never hear its release.
    nastav(false);
    QWidget::focusOutEvent(event);
}

QString RozdilOdVzoru(const QString &prijato, const QString &vzor)
{
    const QString cekano = VycistiMalymi(vzor, ZnakyMorseSInterpunkci, NahradaMala).simplified();
    if (cekano.isEmpty())
        return {};
    const QString text = prijato.simplified();
    const qsizetype spolecne = std::min(text.size(), cekano.size());
    for (qsizetype i = 0; i < spolecne; ++i)
        if (text[i] != cekano[i])
            return QStringLiteral("První rozdíl na %1. znaku: čeká se „%2“, přijato „%3“.")
                .arg(i + 1)
                .arg(cekano[i] == u' ' ? QStringLiteral("mezera") : QString(cekano[i]))
                .arg(text[i] == u' ' ? QStringLiteral("mezera") : QString(text[i]));
    if (text.size() > cekano.size())
        return QStringLiteral("Přijato víc než vzor, navíc od %1. znaku.").arg(cekano.size() + 1);
    if (text.size() == cekano.size())
        return QStringLiteral("Shoda se vzorem.");
    return QStringLiteral("Zatím bez chyby (%1 z %2 znaků).").arg(text.size()).arg(cekano.size());
}

TMorseKlic::TMorseKlic(QWidget *parent) : QWidget(parent), m_dekoder(VychoziRychlost)
{
    pripravOkno(this, "MorseKlicForm", QStringLiteral("Morseovka – vysílání klíčem"), Navrh);
    m_bezi.start();
    m_hodiny = [this] { return m_bezi.elapsed(); };
    vytvorOvladace();
    m_ticho = new QTimer(this);
    m_ticho->setSingleShot(true);
    m_ticho->setTimerType(Qt::PreciseTimer);
    m_ton = new TTonKlice(this);
    connect(m_ticho, &QTimer::timeout, this, &TMorseKlic::tichoUplynulo);
    connect(klicPlocha, &TKlicPlocha::stisknuto, this, &TMorseKlic::klicDolu);
    connect(klicPlocha, &TKlicPlocha::uvolneno, this, &TMorseKlic::klicNahoru);
    connect(smazatB, &QPushButton::clicked, this, &TMorseKlic::smazatBClick);
    connect(vzorE, &QLineEdit::textChanged, this, &TMorseKlic::ukazRozdil);
    connect(tonCB, &QCheckBox::toggled, this, [this](bool zapnuto) {
        if (!zapnuto)
            m_ton->vypni();
    });
    // A new speed is where the decoder starts from: it takes effect for a new message.
    connect(rychlostSB, &QSpinBox::valueChanged, this, [this] {
        if (!m_zacato)
            zacni();
    });
    zacni();
    klicPlocha->setFocus();
}

TMorseKlic::~TMorseKlic()
{
    // The key lets go when it loses the focus as the window goes: that release has no window to go to.
    klicPlocha->disconnect(this);
}

void TMorseKlic::vytvorOvladace()
{
    QWidget *plocha = plochaOkna(this, Navrh);
    QVBoxLayout *sloupec = sloupecFormulare(plocha);

    Label1 = popisek(plocha, "Label1",
                     QStringLiteral("Vysílejte morseovku na klíči: krátký stisk je tečka, dlouhý čárka. Pauza tří "
                                    "teček ukončí písmeno, pauza sedmi slovo. Čtení se přizpůsobí vašemu tempu."),
                     true);
    RychlostLab = popisek(plocha, "RychlostLab", QStringLiteral("&Rychlost (slov/min):"));
    RychlostLab->setWordWrap(false);
    rychlostSB =
        cislo(plocha, "rychlostSB", DekoderKlicovani::NejmeneSlov, DekoderKlicovani::NejviceSlov, VychoziRychlost);
    rychlostSB->setAccessibleName(QStringLiteral("Rychlost (slov/min)"));
    rychlostSB->setToolTip(QStringLiteral("Rychlost, ze které čtení začíná; platí pro novou zprávu (po Smazat)."));
    RychlostLab->setBuddy(rychlostSB);
    tonCB = zaskrtavatko(plocha, "tonCB", QStringLiteral("&Zvuk klíče"), true);
    tonCB->setAccessibleName(QStringLiteral("Zvuk klíče"));
    tonCB->setToolTip(QStringLiteral("Při stisknutém klíči zní tón."));

    klicPlocha = new TKlicPlocha(plocha);
    klicPlocha->setObjectName("klicPlocha");
    klicPlocha->setAccessibleName(QStringLiteral("Klíč"));
    klicPlocha->setAccessibleDescription(QStringLiteral("Mezerník nebo tlačítko myši stiskne klíč."));

    KodLab = popisek(plocha, "KodLab", QStringLiteral("&Kód"), true);
    kodE = memo(plocha, "kodE");
    kodE->setReadOnly(true);
    kodE->setAccessibleName(QStringLiteral("Kód"));
    kodE->setFont(pismoTahoma(11));
    KodLab->setBuddy(kodE);
    TextLab = popisek(plocha, "TextLab", QStringLiteral("&Text"), true);
    textE = memo(plocha, "textE");
    textE->setReadOnly(true);
    textE->setAccessibleName(QStringLiteral("Text"));
    textE->setFont(pismoTahoma(11));
    TextLab->setBuddy(textE);
    odhadRychlostiLab = popisek(plocha, "odhadRychlostiLab", QString());
    odhadRychlostiLab->setAccessibleName(QStringLiteral("Odhad rychlosti"));

    VzorLab = popisek(plocha, "VzorLab", QStringLiteral("&Vzor (text k odvysílání):"));
    VzorLab->setWordWrap(false);
    vzorE = editace(plocha, "vzorE");
    vzorE->setAccessibleName(QStringLiteral("Vzor"));
    vzorE->setToolTip(QStringLiteral("Nepovinné: přečtený text se s ním porovná a ukáže se první rozdíl."));
    VzorLab->setBuddy(vzorE);
    rozdilLab = popisek(plocha, "rozdilLab", QString());
    rozdilLab->setAccessibleName(QStringLiteral("Rozdíl od vzoru"));

    smazatB = tlacitko(plocha, "smazatB", QStringLiteral("&Smazat"), QStringLiteral("Smaže kód i text a začne znovu."));
    smazatB->setAccessibleName(QStringLiteral("Smazat"));
    // Buttons and boxes do not take the space bar from the key by a mouse click.
    for (QWidget *w : std::initializer_list<QWidget *>{smazatB, tonCB})
        w->setFocusPolicy(Qt::TabFocus);
    StavZvukuLab = popisek(plocha, "StavZvukuLab", QString());
    StavZvukuLab->setWordWrap(false);
    StavZvukuLab->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // The boxes share what height the key leaves, so the window needs no scrolling at its size.
    for (QPlainTextEdit *memo : {kodE, textE}) {
        memo->setMinimumHeight(56);
        memo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    }

    auto *nastaveni = new QHBoxLayout;
    nastaveni->addWidget(RychlostLab);
    nastaveni->addWidget(rychlostSB);
    nastaveni->addSpacing(12);
    nastaveni->addWidget(tonCB);
    nastaveni->addSpacing(12);
    nastaveni->addWidget(StavZvukuLab, 1);
    nastaveni->addWidget(smazatB);
    auto *vzor = new QHBoxLayout;
    vzor->addWidget(VzorLab);
    vzor->addWidget(vzorE, 1);

    sloupec->addWidget(Label1);
    sloupec->addLayout(nastaveni);
    sloupec->addWidget(klicPlocha, 1);
    sloupec->addWidget(odhadRychlostiLab);
    sloupec->addWidget(KodLab);
    sloupec->addWidget(kodE, 1);
    sloupec->addWidget(TextLab);
    sloupec->addWidget(textE, 1);
    sloupec->addLayout(vzor);
    sloupec->addWidget(rozdilLab);
    // Tab goes as the window reads; the key still has the focus when the window opens.
    poradiFokusu({rychlostSB, tonCB, smazatB, klicPlocha, kodE, textE, vzorE});
}

void TMorseKlic::nastavHodiny(std::function<qint64()> hodiny)
{
    m_hodiny = std::move(hodiny);
}

void TMorseKlic::zacni()
{
    m_ticho->stop();
    m_dekoder = DekoderKlicovani(rychlostSB->value());
    m_zacato = false;
    m_dole = klicPlocha->dole();
    m_posledni = m_hodiny();
    m_zobrazenoKodu = 0;
    m_dekodovanoDo = 0;
    m_text.clear();
    kodE->clear();
    textE->clear();
    ukazRozdil();
    ukaz();
}

void TMorseKlic::klicDolu()
{
    if (m_dole)
        return;
    const qint64 ted = m_hodiny();
    // The pause before the first press of a message is no part of it.
    if (m_zacato)
        m_dekoder.pridej(int(std::min<qint64>(ted - m_posledni, DekoderKlicovani::NejdelsiUsekMs)));
    m_zacato = true;
    m_posledni = ted;
    m_dole = true;
    m_ticho->stop();
    if (tonCB->isChecked()) {
        QString chyba;
        if (!m_ton->zapni(true, &chyba) && !chyba.isEmpty())
            StavZvukuLab->setText(chyba);
    }
    ukaz();
}

void TMorseKlic::klicNahoru()
{
    if (!m_dole)
        return;
    const qint64 ted = m_hodiny();
    m_dekoder.pridej(int(std::min<qint64>(ted - m_posledni, DekoderKlicovani::NejdelsiUsekMs)));
    m_posledni = ted;
    m_dole = false;
    QString chyba;
    m_ton->zapni(false, &chyba);
    m_ticho->start(int(std::ceil(JednotekTicha * m_dekoder.jednotkaMs())));
    ukaz();
}

void TMorseKlic::tichoUplynulo()
{
    if (m_dole)
        return;
    m_dekoder.dokonciZnak();
    ukaz();
}

void TMorseKlic::smazatBClick()
{
    zacni();
    klicPlocha->setFocus();
}

void TMorseKlic::ukaz()
{
    const QString &kod = m_dekoder.kod();
    // The decoder only appends, so only the new end of the code is added to the box.
    if (kod.size() > m_zobrazenoKodu) {
        QTextCursor kurzor(kodE->document());
        kurzor.movePosition(QTextCursor::End);
        kurzor.insertText(kod.sliced(m_zobrazenoKodu));
        m_zobrazenoKodu = kod.size();
        kodE->moveCursor(QTextCursor::End);
    }
    // The text shows the letters that are complete; it changes only when one more is.
    // Only the letters completed since the last time are decoded and added, so a long message costs
    // in proportion to its length. The decoder writes at most "//" between letters: a new piece that
    // starts with "/" is the second half of a word gap that follows the letter decoded before.
    if (kod.endsWith(u'/') && kod.size() > m_dekodovanoDo) {
        QStringView kus = QStringView(kod).sliced(m_dekodovanoDo);
        QString pridano;
        if (m_dekodovanoDo > 0 && kus.startsWith(u'/')) {
            pridano = QStringLiteral(" ");
            kus = kus.sliced(1);
        }
        pridano += MorseDesifruj(kus, MorseSInterpunkci, ZapisCh::JakoZnak);
        m_dekodovanoDo = kod.size();
        if (!pridano.isEmpty()) {
            m_text += pridano;
            QTextCursor kurzor(textE->document());
            kurzor.movePosition(QTextCursor::End);
            kurzor.insertText(pridano);
            textE->moveCursor(QTextCursor::End);
            ukazRozdil();
        }
    }
    odhadRychlostiLab->setText(QStringLiteral("Odhad rychlosti: %1 slov/min").arg(m_dekoder.odhadSlovZaMinutu()));
}

void TMorseKlic::ukazRozdil()
{
    rozdilLab->setText(RozdilOdVzoru(m_text, vzorE->text()));
}
