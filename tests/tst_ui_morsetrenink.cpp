#include "ciphers/Morseovka.h"
#include "exercises/MorseTrenink.h"
#include "support/Najdi.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

class TestMorseTrenink : public QObject
{
    Q_OBJECT
private slots:
    void rezimy_data();
    void rezimy();
    void postupUrovne();
};

void TestMorseTrenink::rezimy_data()
{
    QTest::addColumn<QString>("rezim");
    QTest::addColumn<bool>("spravne");
    for (const char *rezim : {"kodNaPismenoRB", "pismenoNaKodRB", "poslechRB"})
        for (const bool spravne : {true, false})
            QTest::addRow("%s, %s", rezim, spravne ? "right" : "wrong") << QString(rezim) << spravne;
}

// Each mode asks its way; Enter checks the typed answer, Enter again gives the next question.
void TestMorseTrenink::rezimy()
{
    QFETCH(QString, rezim);
    QFETCH(bool, spravne);
    TMorseTrenink okno(7u);
    QVERIFY(najdi<QRadioButton>(okno, "kodNaPismenoRB")->isChecked());
    QCOMPARE(okno.nastaveniZvuku().efektivniSlovZaMinutu, 8);
    najdi<QSpinBox>(okno, "rychlostZnakuSB")->setValue(6);
    QCOMPARE(okno.nastaveniZvuku().efektivniSlovZaMinutu, 6);

    QTest::mouseClick(najdi<QRadioButton>(okno, rezim.toLatin1()), Qt::LeftButton);
    auto *odpoved = najdi<QLineEdit>(okno, "odpovedE");
    auto *vysledek = najdi<QLabel>(okno, "vysledekLab");
    for (int i = 1; i <= 3; ++i) {
        const QString znak = okno.model().znakOtazky().toString();
        const QString kod = MorseKod(znak).toString();
        const QString jina = znak == u"e" ? QStringLiteral("t") : QStringLiteral("e");
        QVERIFY(znak == u"e" || znak == u"t");
        QCOMPARE(najdi<QLabel>(okno, "otazkaLab")->text(), rezim == u"kodNaPismenoRB"   ? kod
                                                           : rezim == u"pismenoNaKodRB" ? znak.toUpper()
                                                                                        : QString());
        if (rezim == u"pismenoNaKodRB")
            QTest::keyClicks(odpoved, spravne ? kod : MorseKod(jina).toString());
        else
            QTest::keyClicks(odpoved, spravne ? znak.toUpper() : jina);
        QTest::keyClick(odpoved, Qt::Key_Return);
        QVERIFY(vysledek->text().startsWith(spravne ? u"Správně" : u"Špatně") && vysledek->text().contains(kod));
        QCOMPARE(najdi<QLabel>(okno, "skoreLab")->text(),
                 QStringLiteral("Správně: %1 z %2").arg(spravne ? i : 0).arg(i));
        QVERIFY(!najdi<QPushButton>(okno, "overitB")->isEnabled() && najdi<QPushButton>(okno, "dalsiB")->isEnabled());
        // A second Enter does not count the answer again: it moves on.
        QTest::keyClick(odpoved, Qt::Key_Return);
        QVERIFY(vysledek->text().isEmpty() && odpoved->text().isEmpty());
        QCOMPARE(okno.model().pocetOdpovedi(), i);
    }
    auto *statistika = najdi<QTableWidget>(okno, "statistikaT");
    QCOMPARE(statistika->rowCount(), 2);
    QCOMPARE(statistika->item(0, 2)->text().toInt() + statistika->item(1, 2)->text().toInt(), 3);
}

// Twenty right answers move the trainer up; the level box and the result say so.
void TestMorseTrenink::postupUrovne()
{
    TMorseTrenink okno(3u);
    auto *odpoved = najdi<QLineEdit>(okno, "odpovedE");
    auto *uroven = najdi<QSpinBox>(okno, "urovenSB");
    QVERIFY(uroven->value() == 1 && uroven->maximum() == 36);
    for (int i = 1; i <= 20; ++i) {
        QCOMPARE(uroven->value(), 1);
        odpoved->setText(okno.model().znakOtazky().toString());
        QTest::mouseClick(najdi<QPushButton>(okno, "overitB"), Qt::LeftButton);
        if (i < 20)
            QTest::mouseClick(najdi<QPushButton>(okno, "dalsiB"), Qt::LeftButton);
    }
    QCOMPARE(uroven->value(), 2);
    QVERIFY(najdi<QLabel>(okno, "vysledekLab")->text().endsWith(u"Postup na úroveň 2"));
    QCOMPARE(najdi<QTableWidget>(okno, "statistikaT")->item(2, 0)->text(), "I");
}

QTEST_MAIN(TestMorseTrenink)
#include "tst_ui_morsetrenink.moc"
