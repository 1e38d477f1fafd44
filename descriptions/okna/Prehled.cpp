#include "descriptions/okna/Prehled.h"

#include "decoders/Bitmapa.h"

#include "descriptions/TextovySoubor.h"
#include "descriptions/Ulozistepopisu.h"
#include "resources/Pisma.h"
#include "windows/formular/Formular.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QScrollArea>
#include <QStyle>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int SirkaPozadi = 785;
constexpr int VyskaPozadi = 1500;
constexpr int MaxSirkaObrazku = 700;
// Below a picture example the picture title keeps this gap, and picture 1 the next one below the title.
constexpr int MezeraPodObrazkem = 6;
constexpr int MezeraNadObrazkem = 15;

int vyskaRadku(qreal body)
{
    return body >= 13 ? 30 : 21;
}

// The text as a box shows it: line ends of any kind become one break, and a final line end opens no
// empty last line.
QString textKZobrazeni(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

QString velkymi(const QString &text)
{
    return QLocale(QLocale::Czech, QLocale::CzechRepublic).toUpper(text);
}

QString naJednomRadku(QString text)
{
    return text.replace(u'\n', u' ');
}
} // namespace

TTalvoPrehled::TTalvoPrehled(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TalvoPrehled"));
    setWindowTitle(QStringLiteral("TalvoPrehled"));
    setFont(pismoTahoma(8));
    nastavBiloPozadi(this);
    resize(800, 608);

    // The window scrolls when it is smaller than pozadi; pozadi scrolls when the description is taller.
    auto *okno = new QScrollArea(this);
    okno->setObjectName(QStringLiteral("svitek"));
    okno->setFrameShape(QFrame::NoFrame);
    okno->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    nastavBiloPozadi(okno->viewport());
    pozadi = svitek(nullptr, "pozadi");
    pozadi->setFrameStyle(QFrame::Box | QFrame::Plain);
    pozadi->setLineWidth(1);
    pozadi->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The content keeps its full 785 pixels: the frame and the vertical scroll bar that a description
    // taller than the box brings come on top, so no text box is ever cut off at the right.
    const int scrollbar = pozadi->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, pozadi);
    pozadi->setFixedSize(SirkaPozadi + 2 * pozadi->frameWidth() + scrollbar, VyskaPozadi);
    m_plocha = pozadi->widget();
    m_plocha->resize(SirkaPozadi, 0);
    okno->setWidget(pozadi);

    auto *rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->setContentsMargins(0, 0, 0, 0);
    rozvrzeni->addWidget(okno);
}

QString TTalvoPrehled::zpravaChybiSoubory(const QString &f)
{
    // The program has no download site of its own, so the address between the quotes stays empty.
    return QStringLiteral("Soubory o šifře ") + f + QStringLiteral(" NEEXISTUJÍ!. ") + QStringLiteral("\n\r") +
           QStringLiteral("Stahnete si znova aplikaci z webu ") + QStringLiteral("\"\"") +
           QStringLiteral(" a prekopirujte slozku ") + u'"' + SlozkaUloziste.toString() + u'"' +
           QStringLiteral(" k pouzivane kopii aplikace nebo pouzivejte nove stazenou aplikaci.");
}

QString TTalvoPrehled::cesta(SouborPopisu s) const
{
    return souborPopisu(SlozkaUloziste.toString(), m_slozka, s);
}

bool TTalvoPrehled::existuje(SouborPopisu s) const
{
    return QFileInfo(cesta(s)).isFile();
}

void TTalvoPrehled::ohlasChybiSoubory()
{
    hlaseni(this, zpravaChybiSoubory(m_slozka));
}

std::optional<QString> TTalvoPrehled::prectiText(SouborPopisu s)
{
    // A page shows only so much: a larger file is read that far and the page says it is cut.
    if (const auto precteny = PrectiText(cesta(s), nullptr, limitCteni(s))) {
        if (!precteny->zkraceno)
            return textKZobrazeni(precteny->text);
        return textKZobrazeni(precteny->text) + u'\n' + PoznamkaOZkraceni(*precteny);
    }
    ohlasChybiSoubory();
    return std::nullopt;
}

std::optional<QImage> TTalvoPrehled::prectiObrazek(SouborPopisu s)
{
    if (!QFileInfo(cesta(s)).isFile()) {
        ohlasChybiSoubory();
        return std::nullopt;
    }
    QString chyba;
    auto obraz = NactiBmp(cesta(s), &chyba);
    if (!obraz)
        QMessageBox::critical(this, QStringLiteral("Talvo"), chyba);
    return obraz;
}

int TTalvoPrehled::pridejText(int k, qreal body, const QString &text, int nahore)
{
    // The box gets its width before its text, so its lines are counted at that width.
    QTextEdit *box = textovyBox(m_plocha, QStringLiteral("text%1").arg(k), body, SirkaPozadi, text);
    const int radku = std::max(int(zobrazeneRadky(box).size()), 1);
    box->setGeometry(0, nahore, SirkaPozadi, radku * vyskaRadku(body));
    // What each box is, for a screen reader: the boxes take the focus (their text can be selected).
    static constexpr std::array<const char16_t *, 5> Nazvy{u"Název šifry", u"Popis šifry", u"Příklad šifrování",
                                                           u"Příklad", u"Nadpis obrázku"};
    box->setAccessibleName(QString::fromUtf16(Nazvy[std::size_t(k)]));
    box->show();
    m_texty[k] = box;
    m_zobrazene[k] = text;
    m_plocha->resize(SirkaPozadi, std::max(m_plocha->height(), nahore + box->height()));
    return nahore + box->height();
}

int TTalvoPrehled::pridejObrazek(int k, const QImage &obraz, int nahore)
{
    // Drawn unscaled from its top-left corner: a wider picture is cut off at the right.
    m_obrazy[k] = obraz.copy(0, 0, std::min(obraz.width(), MaxSirkaObrazku), obraz.height());
    QLabel *label = obrazek(m_plocha, QStringLiteral("obrazek%1").arg(k), QPixmap::fromImage(m_obrazy[k]));
    label->setGeometry(QRect(QPoint(0, nahore), m_obrazy[k].size()));
    label->show();
    m_plocha->resize(SirkaPozadi, std::max(m_plocha->height(), nahore + label->height()));
    return nahore + label->height();
}

bool TTalvoPrehled::ZobrazPopis(const QString &f)
{
    m_slozka = f;
    // Only a folder of the store itself is read, never one that a name like ".." would reach.
    if (!JeSlozkaUloziste(f)) {
        ohlasChybiSoubory();
        return false;
    }
    const auto nadpis = prectiText(SouborPopisu::Nadpis);
    if (!nadpis)
        return false;
    int y = pridejText(0, 14, *nadpis, 0);
    const auto popis = prectiText(SouborPopisu::Popis);
    if (!popis)
        return false;
    y = pridejText(1, 12, *popis, y);
    y = pridejText(2, 13, QStringLiteral("Příklad šifrování"), y);

    // Without an example text the picture "-obr1.bmp" takes its place, and an empty, hidden text 3 stays
    // behind it. The picture title then keeps a small gap below the picture, whatever the title's height.
    int mezeraPodNadpisemObrazku = 0;
    if (existuje(SouborPopisu::Priklad)) {
        const auto priklad = prectiText(SouborPopisu::Priklad);
        if (!priklad)
            return false;
        y = pridejText(3, 12, *priklad, y);
    } else {
        const auto obraz = prectiObrazek(SouborPopisu::Obrazek1);
        if (!obraz)
            return false;
        pridejText(3, 12, QString(), y);
        m_texty[3]->hide();
        y = pridejObrazek(0, *obraz, y) + MezeraPodObrazkem;
        mezeraPodNadpisemObrazku = MezeraNadObrazkem;
    }

    std::optional<QString> nadpisObrazku = QString();
    if (existuje(SouborPopisu::NadpisObrazku))
        nadpisObrazku = prectiText(SouborPopisu::NadpisObrazku);
    if (!nadpisObrazku)
        return false;
    y = pridejText(4, 13, *nadpisObrazku, y) + mezeraPodNadpisemObrazku;

    if (existuje(SouborPopisu::Obrazek)) {
        const auto obraz = prectiObrazek(SouborPopisu::Obrazek);
        if (!obraz)
            return false;
        pridejObrazek(1, *obraz, y);
    }
    return true;
}

PrehledKTisku TTalvoPrehled::pripravTisk()
{
    // A fresh report box for every Print; the previous one goes.
    delete m_zprava;
    m_zprava = textovyBox(this, "memoTisk", 8, VelikostZpravyPrehledu.width());
    m_zprava->resize(VelikostZpravyPrehledu);
    m_zprava->hide();

    QTextCursor kurzor(m_zprava->document());
    bool prvni = true;
    const auto pridej = [&](const QString &text, qreal body) {
        QTextCharFormat format;
        format.setFontPointSize(body);
        if (!prvni)
            kurzor.insertBlock(QTextBlockFormat(), format);
        prvni = false;
        kurzor.setBlockCharFormat(format);
        kurzor.insertText(text, format);
    };
    pridej(QString(), 14);
    pridej(velkymi(m_zobrazene[0]), 14);
    pridej(QString(), 10);
    pridej(m_zobrazene[1], 10);
    pridej(QString(), 10);
    pridej(QString(), 10);
    pridej(QStringLiteral("PŘÍKLAD ŠIFROVÁNÍ"), 10);
    pridej(QString(), 10);
    pridej(m_zobrazene[3], 10);

    PrehledKTisku tisk;
    tisk.nazev = naJednomRadku(m_zobrazene[0]);
    tisk.radky = zobrazeneRadky(m_zprava);
    tisk.obrazekA = m_obrazy[0];
    tisk.obrazekB = m_obrazy[1];
    tisk.nadpisB = naJednomRadku(velkymi(m_zobrazene[4]));
    return tisk;
}
