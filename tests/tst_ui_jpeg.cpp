// The JPEG decoder, the main window's compiled-in picture and the numbered bitmap registry.
#include "app/Jpeg.h"
#include "app/Zdroje.h"

#include <QFile>
#include <QTest>

namespace {
QByteArray obrazekMatrix()
{
    QFile soubor(QStringLiteral(":/obrazky/matrix.jpg"));
    if (!soubor.open(QIODevice::ReadOnly))
        return {};
    return soubor.readAll();
}

// The same picture with other dimensions written into its frame header.
QByteArray sRozmery(QByteArray data, int sirka, int vyska)
{
    for (qsizetype i = 0; i + 8 < data.size(); ++i) {
        const auto znacka = static_cast<unsigned char>(data[i + 1]);
        if (static_cast<unsigned char>(data[i]) == 0xFF && (znacka == 0xC0 || znacka == 0xC2)) {
            data[i + 5] = char(vyska >> 8);
            data[i + 6] = char(vyska & 0xFF);
            data[i + 7] = char(sirka >> 8);
            data[i + 8] = char(sirka & 0xFF);
            return data;
        }
    }
    return {};
}
} // namespace

class TestJpeg : public QObject
{
    Q_OBJECT
private slots:
    void obrazekMatrixSeDekoduje();
    void poskozenyJpeg_data();
    void poskozenyJpeg();
    void useknutyKonecSeDoplni();
    void neznameCisloZdroje_data();
    void neznameCisloZdroje();
    void znamaCislaSeNactou();
};

void TestJpeg::obrazekMatrixSeDekoduje()
{
    const QByteArray data = obrazekMatrix();
    QVERIFY(!data.isEmpty());
    QString chyba;
    const auto obraz = DekodujJpeg(data, &chyba);
    QVERIFY2(obraz.has_value(), qPrintable(chyba));
    QCOMPARE(obraz->size(), QSize(516, 391));

    qint64 tmavych = 0;
    qint64 zelenych = 0;
    for (int y = 0; y < obraz->height(); ++y) {
        for (int x = 0; x < obraz->width(); ++x) {
            const QColor barva = obraz->pixelColor(x, y);
            if (barva.red() < 40 && barva.green() < 40 && barva.blue() < 40)
                ++tmavych;
            if (barva.green() > 180 && barva.red() < 120 && barva.blue() < 120)
                ++zelenych;
        }
    }
    const qint64 vsech = qint64(obraz->width()) * obraz->height();
    QVERIFY2(tmavych * 2 > vsech, qPrintable(QStringLiteral("dark %1 of %2").arg(tmavych).arg(vsech)));
    QVERIFY2(zelenych > 1000, qPrintable(QStringLiteral("bright green %1").arg(zelenych)));
}

void TestJpeg::poskozenyJpeg_data()
{
    QTest::addColumn<QByteArray>("data");
    const QByteArray spravny = obrazekMatrix();
    QTest::newRow("prazdny") << QByteArray();
    QTest::newRow("nahodne bajty") << QByteArray("this is not a picture at all, just some text bytes");
    QTest::newRow("jen znacka zacatku") << QByteArray("\xFF\xD8", 2);
    QTest::newRow("useknuta hlavicka") << spravny.left(40);
    QTest::newRow("png misto jpeg") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
    QTest::newRow("obri rozmery") << sRozmery(spravny, 60000, 60000);
    QTest::newRow("nulova sirka") << sRozmery(spravny, 0, 391);
}

void TestJpeg::poskozenyJpeg()
{
    QFETCH(QByteArray, data);
    QString chyba;
    const auto obraz = DekodujJpeg(data, &chyba);
    QVERIFY(!obraz.has_value());
    QVERIFY(!chyba.isEmpty());
}

void TestJpeg::useknutyKonecSeDoplni()
{
    // libjpeg fills a picture whose data end early; the decoder keeps what it has.
    const QByteArray data = obrazekMatrix();
    const auto obraz = DekodujJpeg(data.left(data.size() / 2));
    QVERIFY(obraz.has_value());
    QCOMPARE(obraz->size(), QSize(516, 391));
}

void TestJpeg::neznameCisloZdroje_data()
{
    QTest::addColumn<int>("cislo");
    QTest::newRow("nula") << 0;
    QTest::newRow("zaporne") << -5;
    QTest::newRow("mezi semaforem a snekem") << 35;
    QTest::newRow("velke") << 100000;
}

void TestJpeg::neznameCisloZdroje()
{
    QFETCH(int, cislo);
    QVERIFY(!cislaZdroju().contains(cislo));
    QVERIFY(obrazekZdroje(cislo).isNull());
    QVERIFY(bitmapaZdroje(cislo).isNull());
    QCOMPARE(cestaZdroje(cislo), QStringLiteral(":/bitmapy/%1.bmp").arg(cislo));
}

void TestJpeg::znamaCislaSeNactou()
{
    // Every listed number loads, and every number the program may use outside that list is null.
    const QList<int> cisla = cislaZdroju();
    for (int cislo = 1; cislo <= 80; ++cislo) {
        const bool carried = cisla.contains(cislo);
        QCOMPARE(!obrazekZdroje(cislo).isNull(), carried);
    }
    QVERIFY(std::is_sorted(cisla.begin(), cisla.end()));
}

QTEST_MAIN(TestJpeg)
#include "tst_ui_jpeg.moc"
