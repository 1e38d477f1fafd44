// Every window under a light and a dark palette: each text the window shows keeps its contrast
// against the background it stands on. With TALVO_SNIMKY set to a folder, each window is also
// saved there as a picture, to be looked at (run with QT_SCALE_FACTOR=2 for the high-resolution one).
#include "app/Main.h"
#include "descriptions/Ulozistepopisu.h"
#include "resources/Zdroje.h"
#include "support/OdpovidacOken.h"
#include "support/Soubory.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The dark palette of Fusion as dark desktop themes give it.
QPalette tmavaPaleta()
{
    QPalette p;
    const QColor okno(0x35, 0x35, 0x35), zaklad(0x23, 0x23, 0x23), text(0xf0, 0xf0, 0xf0);
    for (const auto skupina : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(skupina, QPalette::Window, okno);
        p.setColor(skupina, QPalette::WindowText, text);
        p.setColor(skupina, QPalette::Base, zaklad);
        p.setColor(skupina, QPalette::AlternateBase, okno);
        p.setColor(skupina, QPalette::Text, text);
        p.setColor(skupina, QPalette::Button, okno);
        p.setColor(skupina, QPalette::ButtonText, text);
        p.setColor(skupina, QPalette::Light, QColor(0x50, 0x50, 0x50));
        p.setColor(skupina, QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
        p.setColor(skupina, QPalette::HighlightedText, Qt::black);
        p.setColor(skupina, QPalette::ToolTipBase, zaklad);
        p.setColor(skupina, QPalette::ToolTipText, text);
    }
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x90, 0x90, 0x90));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x90, 0x90, 0x90));
    p.setColor(QPalette::Disabled, QPalette::Base, okno);
    p.setColor(QPalette::Disabled, QPalette::Window, okno);
    p.setColor(QPalette::Disabled, QPalette::Button, okno);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x90, 0x90, 0x90));
    return p;
}

// WCAG's relative luminance and contrast ratio of two colours.
double jas(const QColor &barva)
{
    const auto slozka = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * slozka(barva.redF()) + 0.7152 * slozka(barva.greenF()) + 0.0722 * slozka(barva.blueF());
}

double kontrast(const QColor &a, const QColor &b)
{
    const double ja = jas(a), jb = jas(b);
    return (std::max(ja, jb) + 0.05) / (std::min(ja, jb) + 0.05);
}

// The colour a widget's text stands on: the first widget up the chain that fills its background
// (a scroll area's viewport counts as filled with its base colour).
QColor pozadi(const QWidget *w)
{
    for (const QWidget *v = w->parentWidget(); v; v = v->parentWidget()) {
        if (v->autoFillBackground())
            return v->palette().color(v->backgroundRole());
        if (qobject_cast<const QAbstractScrollArea *>(v->parentWidget()) &&
            static_cast<const QAbstractScrollArea *>(v->parentWidget())->viewport() == v)
            return v->palette().color(QPalette::Base);
    }
    return w->palette().color(QPalette::Window);
}

// Every shown text of okno drawn on its parent's background (labels, check and radio boxes) whose
// contrast is below 3:1, as "objectName: ratio".
QStringList necitelne(QWidget *okno)
{
    QStringList chyby;
    for (QWidget *w : okno->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(okno) || w->width() == 0)
            continue;
        const auto *label = qobject_cast<QLabel *>(w);
        const bool tlacitkoBezRamu = qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w);
        if (!(label && !label->text().trimmed().isEmpty()) && !tlacitkoBezRamu)
            continue;
        const QPalette::ColorGroup skupina = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
        const QColor barvaTextu = w->palette().color(skupina, w->foregroundRole());
        const QColor pod = w->autoFillBackground() ? w->palette().color(w->backgroundRole()) : pozadi(w);
        // Disabled texts are meant to be faint; they still must be seen.
        const double nejmene = w->isEnabled() ? 3.0 : 1.6;
        if (kontrast(barvaTextu, pod) < nejmene)
            chyby << u"%1: %2"_s.arg(w->objectName()).arg(kontrast(barvaTextu, pod), 0, 'f', 2);
    }
    return chyby;
}

} // namespace

class TestVzhled : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
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
    const QString dodane = QStringLiteral(TALVO_PREHLED);
    QVERIFY2(QFileInfo(dodane).isDir(), qPrintable(dodane));
    QVERIFY(zkopirujSlozku(dodane, SlozkaUloziste.toString()));
}

void TestVzhled::cleanupTestCase()
{
    QVERIFY(QDir::setCurrent(m_puvodni));
}

void TestVzhled::okna_data()
{
    QTest::addColumn<QString>("polozka"); // objectName of the menu item, or "Prehled:<n>" for an overview
    QTest::addColumn<bool>("tmava");
    // Every window of the two cipher menus, as the menus list them, and the first overview.
    TTalvoMain hlavni;
    QStringList polozky;
    for (const char *menu : {"Sifrovani", "CviceniSifrovani"})
        for (const QAction *a : hlavni.findChild<QMenu *>(menu)->actions())
            if (!a->isSeparator() && !a->menu())
                polozky << a->objectName();
    QVERIFY(!hlavni.polozkyPrehled().isEmpty());
    polozky << u"Prehled"_s;
    for (const bool tmava : {false, true})
        for (const QString &p : polozky)
            QTest::newRow(qPrintable(p + (tmava ? u" tmava"_s : u" svetla"_s))) << p << tmava;
}

void TestVzhled::okna()
{
    QFETCH(QString, polozka);
    QFETCH(bool, tmava);
    const QPalette puvodni = QApplication::palette();
    QApplication::setPalette(tmava ? tmavaPaleta() : QApplication::style()->standardPalette());
    {
        TTalvoMain hlavni;
        hlavni.resize(1000, 760);
        hlavni.show();
        QVERIFY(QTest::qWaitForWindowExposed(&hlavni));
        OdpovidacOken odpovidac;
        odpovidac.ocekavej(300);
        if (polozka == u"Prehled")
            hlavni.polozkyPrehled().first()->trigger();
        else
            hlavni.findChild<QAction *>(polozka)->trigger();
        QMdiSubWindow *okno = hlavni.mdiArea()->activeSubWindow();
        QVERIFY(okno && okno->widget());
        QVERIFY(!odpovidac.odpovezeno());
        QCoreApplication::processEvents();
        const QStringList chyby = necitelne(okno->widget());
        if (const QByteArray slozka = qgetenv("TALVO_SNIMKY"); !slozka.isEmpty()) {
            const QString jmeno = polozka + (tmava ? u"-tmava"_s : u"-svetla"_s) + u".png"_s;
            QVERIFY(hlavni.grab().save(QDir(QString::fromLocal8Bit(slozka)).filePath(jmeno)));
        }
        QVERIFY2(chyby.isEmpty(), qPrintable(chyby.join(u", ")));
    }
    QApplication::setPalette(puvodni);
}

// Every numbered bitmap has its double-size drawing, which halved is the bitmap itself but for the
// antialiased edges; the windows get it on a screen of twice the density, at the bitmap's size.
void TestVzhled::obrazky()
{
    const QList<int> cisla = cislaZdroju();
    QVERIFY(cisla.size() >= 39);
    for (const int cislo : cisla) {
        const QImage obraz = obrazekZdroje(cislo).convertToFormat(QImage::Format_RGB32);
        const QImage dvojity(cestaZdroje(cislo).chopped(4) + u"@2x.png"_s);
        QCOMPARE(dvojity.size(), obraz.size() * 2);
        // Both brought down to a quarter, so thin lines and captions' letters falling on other pixels
        // do not count: on average within 6 of 255 grey levels.
        const QSize ctvrt = obraz.size() / 4;
        const auto zmensi = [ctvrt](const QImage &o) {
            return o.convertToFormat(QImage::Format_RGB32).scaled(ctvrt, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        };
        const QImage a = zmensi(obraz), b = zmensi(dvojity);
        qint64 rozdil = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                rozdil += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
        const double prumer = double(rozdil) / (qint64(a.width()) * a.height());
        QVERIFY2(prumer < 6, qPrintable(u"%1: %2"_s.arg(cislo).arg(prumer)));
        const QPixmap bitmapa = bitmapaZdroje(cislo);
        const qreal pomer = qApp->devicePixelRatio() > 1 ? 2.0 : 1.0;
        QCOMPARE(bitmapa.devicePixelRatio(), pomer);
        QCOMPARE(bitmapa.deviceIndependentSize(), QSizeF(obraz.size()));
    }
}

QTEST_MAIN(TestVzhled)
#include "tst_ui_vzhled.moc"
