// Every window under a light and a dark palette: each text the window shows keeps its contrast
// against the background it stands on, and Tab goes through the controls in reading order. With TALVO_SNIMKY set to a
// folder, each window is also saved there as a picture, to be looked at (run with QT_SCALE_FACTOR=2 for the
// high-resolution one).
#include "app/Main.h"
#include "descriptions/Ulozistepopisu.h"
#include "resources/Zdroje.h"
#include "support/OdpovidacOken.h"
#include "support/Soubory.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Fusion's dark colours, as dark desktop themes give them.
QPalette tmavaPaleta()
{
    QPalette p(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText})
        p.setColor(role, QColor(0xf0, 0xf0, 0xf0));
    p.setColor(QPalette::Base, QColor(0x23, 0x23, 0x23));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(0x90, 0x90, 0x90));
    return p;
}

// WCAG's contrast ratio of two colours.
double kontrast(const QColor &a, const QColor &b)
{
    const auto jas = [](const QColor &c) {
        const auto s = [](double x) { return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4); };
        return 0.2126 * s(c.redF()) + 0.7152 * s(c.greenF()) + 0.0722 * s(c.blueF()) + 0.05;
    };
    return std::max(jas(a), jas(b)) / std::min(jas(a), jas(b));
}

// The colour a widget's text stands on: its own filled background, or the first one up the chain
// (a scroll area's viewport counts as filled with its base colour).
QColor pozadi(const QWidget *w)
{
    for (const QWidget *v = w; v; v = v->parentWidget()) {
        if (v->autoFillBackground())
            return v->palette().color(v->backgroundRole());
        if (auto *svitek = qobject_cast<const QAbstractScrollArea *>(v->parentWidget());
            svitek && svitek->viewport() == v)
            return v->palette().color(QPalette::Base);
    }
    return w->palette().color(QPalette::Window);
}

// Every shown text drawn on its parent's background (labels, check and radio boxes) whose contrast
// is below 3:1 (1.6:1 while disabled, meant to be faint), as "objectName: ratio".
QStringList necitelne(QWidget *okno)
{
    QStringList chyby;
    for (QWidget *w : okno->findChildren<QWidget *>()) {
        const auto *label = qobject_cast<QLabel *>(w);
        if (!w->isVisibleTo(okno) || !(label ? !label->text().trimmed().isEmpty()
                                             : qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)))
            continue;
        const QColor text =
            w->palette().color(w->isEnabled() ? QPalette::Active : QPalette::Disabled, w->foregroundRole());
        if (const double k = kontrast(text, pozadi(w)); k < (w->isEnabled() ? 3.0 : 1.6))
            chyby << u"%1: %2"_s.arg(w->objectName()).arg(k, 0, 'f', 2);
    }
    return chyby;
}

// The controls Tab visits, in its order: shown, taking focus by Tab and not holding other such
// controls (a scrolled area holding the form is passed through, not counted).
QList<QWidget *> retezTabulatoru(QWidget *okno)
{
    QList<QWidget *> vsechny;
    for (QWidget *w = okno->nextInFocusChain(); w != okno && okno->isAncestorOf(w); w = w->nextInFocusChain())
        if (w->isVisibleTo(okno) && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
            vsechny << w;
    QList<QWidget *> retez;
    for (QWidget *w : vsechny)
        if (std::none_of(vsechny.cbegin(), vsechny.cend(),
                         [w](const QWidget *v) { return v != w && w->isAncestorOf(v); }))
            retez << w;
    return retez;
}

// Steps of Tab that go against reading order ("a → b"): back to the left within one line, or back up
// other than to the top of a column to the right (which is reading on).
QStringList protiCteni(QWidget *okno)
{
    QList<QWidget *> retez = retezTabulatoru(okno);
    const auto obdelnik = [okno](const QWidget *w) { return QRect(w->mapTo(okno, QPoint()), w->size()); };
    // The chain is a ring: it is read from the control that comes first on the page (the topmost, and
    // the leftmost of those on its line), whichever has the focus when the window opens.
    if (retez.isEmpty())
        return {};
    auto prvni = std::min_element(retez.begin(), retez.end(), [&obdelnik](const QWidget *x, const QWidget *y) {
        return obdelnik(x).top() < obdelnik(y).top();
    });
    const QRect nahore = obdelnik(*prvni);
    for (auto i = retez.begin(); i != retez.end(); ++i)
        if (const QRect r = obdelnik(*i); r.center().y() < nahore.bottom() && r.left() < obdelnik(*prvni).left())
            prvni = i;
    std::rotate(retez.begin(), prvni, retez.end());
    QStringList chyby;
    for (qsizetype i = 1; i < retez.size(); ++i) {
        const QRect a = obdelnik(retez[i - 1]), b = obdelnik(retez[i]);
        const int spolecnaVyska = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top());
        const bool jedenRadek = spolecnaVyska > std::min(a.height(), b.height()) / 2;
        if ((jedenRadek && b.right() <= a.left()) || (!jedenRadek && b.bottom() < a.top() && b.left() < a.right()))
            chyby << retez[i - 1]->objectName() + u" → "_s + retez[i]->objectName();
    }
    return chyby;
}

} // namespace

class TestVzhled : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { QVERIFY(QDir::setCurrent(m_puvodni)); }
    void okna_data();
    void okna();
    void obrazky();

private:
    QTemporaryDir m_slozka;
    const QString m_puvodni = QDir::currentPath();
};

void TestVzhled::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(u"Fusion"_s));
    QVERIFY(m_slozka.isValid() && QDir::setCurrent(m_slozka.path()));
    QVERIFY(zkopirujSlozku(QStringLiteral(TALVO_PREHLED), SlozkaUloziste.toString()));
}

void TestVzhled::okna_data()
{
    QTest::addColumn<QString>("polozka"); // objectName of the menu item; "Prehled" for the first overview
    QTest::addColumn<bool>("tmava");
    // Every window of the two cipher menus, as the menus list them, an overview and the description editor.
    TTalvoMain hlavni;
    QStringList polozky{u"Prehled"_s, u"Nova"_s};
    for (const char *menu : {"Sifrovani", "CviceniSifrovani"})
        for (const QAction *a : hlavni.findChild<QMenu *>(menu)->actions())
            if (!a->isSeparator())
                polozky << a->objectName();
    for (const bool tmava : {false, true})
        for (const QString &p : polozky)
            QTest::newRow(qPrintable(p + (tmava ? u" tmava"_s : u" svetla"_s))) << p << tmava;
}

void TestVzhled::okna()
{
    QFETCH(QString, polozka);
    QFETCH(bool, tmava);
    QApplication::setPalette(tmava ? tmavaPaleta() : QApplication::style()->standardPalette());
    TTalvoMain hlavni;
    hlavni.resize(1000, 760);
    hlavni.show();
    QVERIFY(QTest::qWaitForWindowExposed(&hlavni));
    OdpovidacOken odpovidac;
    odpovidac.ocekavej(300);
    (polozka == u"Prehled" ? hlavni.polozkyPrehled().first() : hlavni.findChild<QAction *>(polozka))->trigger();
    QMdiSubWindow *okno = hlavni.mdiArea()->activeSubWindow();
    QVERIFY(okno && okno->widget() && !odpovidac.odpovezeno());
    if (const QString slozka = qEnvironmentVariable("TALVO_SNIMKY"); !slozka.isEmpty())
        QVERIFY(hlavni.grab().save(QDir(slozka).filePath(polozka + (tmava ? u"-tmava.png"_s : u"-svetla.png"_s))));
    const QStringList chyby = necitelne(okno->widget());
    QVERIFY2(chyby.isEmpty(), qPrintable(chyby.join(u", ")));
    const QStringList poradi = protiCteni(okno->widget());
    QVERIFY2(poradi.isEmpty(), qPrintable(poradi.join(u", ")));
}

// Every numbered bitmap has its double-size drawing, which brought down to a quarter next to the
// bitmap (so thin lines and captions' letters falling on other pixels do not count) differs on
// average by less than 6 of 255 grey levels; on a screen of twice the density the windows get it,
// at the bitmap's size.
void TestVzhled::obrazky()
{
    const QList<int> cisla = cislaZdroju();
    QVERIFY(cisla.size() >= 39);
    for (const int cislo : cisla) {
        const QImage obraz = obrazekZdroje(cislo);
        const QImage dvojity(cestaZdroje(cislo).chopped(4) + u"@2x.png"_s);
        QCOMPARE(dvojity.size(), obraz.size() * 2);
        const auto ctvrt = [&obraz](const QImage &o) {
            return o.convertToFormat(QImage::Format_RGB32)
                .scaled(obraz.size() / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        };
        const QImage a = ctvrt(obraz), b = ctvrt(dvojity);
        double rozdil = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                rozdil += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
        QVERIFY2(rozdil / (a.width() * a.height()) < 6, qPrintable(QString::number(cislo)));
        const QPixmap bitmapa = bitmapaZdroje(cislo);
        QCOMPARE(bitmapa.devicePixelRatio(), qApp->devicePixelRatio() > 1 ? 2.0 : 1.0);
        QCOMPARE(bitmapa.deviceIndependentSize(), QSizeF(obraz.size()));
    }
}

QTEST_MAIN(TestVzhled)
#include "tst_ui_vzhled.moc"
