// The JPEG decoder, the main window's compiled-in picture and the numbered bitmap registry.
#include "decoders/Jpeg.h"
#include "resources/Zdroje.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

namespace {
QByteArray obrazekMatrix()
{
    QFile soubor(QStringLiteral(":/obrazky/matrix.jpg"));
    return soubor.open(QIODevice::ReadOnly) ? soubor.readAll() : QByteArray();
}

// The same (baseline) picture with other dimensions written into its frame header; empty if it has none.
QByteArray sRozmery(QByteArray data, quint16 sirka, quint16 vyska)
{
    const qsizetype i = data.indexOf("\xFF\xC0");
    const quint16 rozmery[2] = {qToBigEndian(vyska), qToBigEndian(sirka)};
    return i < 0 ? QByteArray() : data.replace(i + 5, 4, reinterpret_cast<const char *>(rozmery), 4);
}
} // namespace

class TestJpeg : public QObject
{
    Q_OBJECT
private slots:
    void obrazekMatrixSeDekoduje();
    void poskozenyJpeg_data();
    void poskozenyJpeg();
    void registrZdroju();
};

void TestJpeg::obrazekMatrixSeDekoduje()
{
    const QByteArray data = obrazekMatrix();
    QString chyba;
    const auto obraz = DekodujJpeg(data, &chyba);
    QVERIFY2(obraz.has_value(), qPrintable(chyba));
    QCOMPARE(obraz->size(), QSize(516, 391));
    // The picture is mostly dark with bright green signs.
    qint64 tmavych = 0;
    qint64 zelenych = 0;
    for (int y = 0; y < obraz->height(); ++y) {
        for (int x = 0; x < obraz->width(); ++x) {
            const QColor c = obraz->pixelColor(x, y);
            tmavych += c.red() < 40 && c.green() < 40 && c.blue() < 40;
            zelenych += c.green() > 180 && c.red() < 120 && c.blue() < 120;
        }
    }
    QVERIFY2(tmavych * 2 > 516 * 391, qPrintable(QString::number(tmavych)));
    QVERIFY2(zelenych > 1000, qPrintable(QString::number(zelenych)));
    // libjpeg fills a picture whose data end early; the decoder keeps what it has.
    const auto pulka = DekodujJpeg(data.left(data.size() / 2));
    QVERIFY(pulka.has_value());
    QCOMPARE(pulka->size(), QSize(516, 391));
}

void TestJpeg::poskozenyJpeg_data()
{
    QTest::addColumn<QByteArray>("data");
    const QByteArray spravny = obrazekMatrix();
    QTest::newRow("prazdny") << QByteArray();
    QTest::newRow("png misto jpeg") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
    QTest::newRow("useknuta hlavicka") << spravny.left(40);
    QTest::newRow("obri rozmery") << sRozmery(spravny, 60000, 60000);
    QTest::newRow("nulova sirka") << sRozmery(spravny, 0, 391);
}

void TestJpeg::poskozenyJpeg()
{
    QFETCH(QByteArray, data);
    QVERIFY(!data.isEmpty() || qstrcmp(QTest::currentDataTag(), "prazdny") == 0);
    QString chyba;
    QVERIFY(!DekodujJpeg(data, &chyba).has_value());
    QVERIFY(!chyba.isEmpty());
}

void TestJpeg::registrZdroju()
{
    // Every listed number loads; numbers outside the list, the gap 29-40 among them, give null pictures.
    const QList<int> cisla = cislaZdroju();
    QVERIFY(std::is_sorted(cisla.begin(), cisla.end()));
    for (int cislo : {-5, 0, 35, 100000})
        QVERIFY(!cisla.contains(cislo));
    for (int cislo = -5; cislo <= 80; ++cislo) {
        QCOMPARE(!obrazekZdroje(cislo).isNull(), cisla.contains(cislo));
        QCOMPARE(!bitmapaZdroje(cislo).isNull(), cisla.contains(cislo));
    }
    QVERIFY(obrazekZdroje(100000).isNull() && bitmapaZdroje(100000).isNull());
    QCOMPARE(cestaZdroje(35), QStringLiteral(":/bitmapy/35.bmp"));
}

QTEST_MAIN(TestJpeg)
#include "tst_ui_jpeg.moc"
