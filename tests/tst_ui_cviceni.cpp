#include "app/Main.h"
#include "exercises/Cviceni.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {
// The international codes of A to L, written out here so that a wrong table entry shows.
const QStringList Kody{".-", "-...", "-.-.", "-..", ".", "..-.", "--.", "....", "..", ".---", "-.-", ".-.."};

QString stav(const TTalvoCviceni &okno)
{
    return okno.findChild<QLabel *>("SpravneLab")->text() + ':' + okno.findChild<QLabel *>("SpatneLab")->text();
}

// Per question: 'S' clicks the right choice, 'W' a wrong one, '-' leaves the question as it is.
void vyber(const TTalvoCviceni &okno, QStringView vyber)
{
    for (int q = 0; q < 10; ++q) {
        const auto &volby = okno.volby(q);
        const auto spravna = std::find(volby.begin(), volby.end(), okno.spravnaVolba(q)) - volby.begin();
        if (vyber[q] != u'-')
            volby[vyber[q] == u'S' ? spravna : (spravna + 1) % 3]->click();
    }
}
} // namespace

class TestCviceni : public QObject
{
    Q_OBJECT
private slots:
    void otazky();
    void vyhodnoceni_data();
    void vyhodnoceni();
    void zMenu();
};

// Every question offers its letter's code once, beside the codes of the next two letters, in an
// order that depends on the start value alone; over many start values every order turns up.
void TestCviceni::otazky()
{
    std::array<QSet<QString>, TTalvoCviceni::PocetOtazek> poradi;
    for (quint32 pocatek = 0; pocatek < 60; ++pocatek) {
        TTalvoCviceni okno(pocatek), stejne(pocatek);
        QCOMPARE(okno.windowTitle(), "Test z morseovky 1");
        const auto boxy = okno.findChild<QWidget *>("TestPanel")->findChildren<QGroupBox *>();
        QCOMPARE(boxy.size(), 10);
        for (int q = 0; q < 10; ++q) {
            QCOMPARE(boxy[q]->title(), QString("Písmeno %1 je: ").arg(QChar(u'A' + q)));
            QCOMPARE(boxy[q]->geometry().topLeft(), QPoint(187 * (q % 4), 90 * (q / 4)));
            QStringList kody;
            for (int r = 0; r < 3; ++r) {
                QRadioButton *volba = okno.volby(q)[r];
                QVERIFY(volba->parentWidget() == boxy[q] && volba->pos() == QPoint(10, 20 * (r + 1)));
                QVERIFY(!volba->isChecked() && volba->text() == stejne.volby(q)[r]->text());
                kody << volba->text();
            }
            QCOMPARE(okno.spravnaVolba(q)->text(), Kody[q]);
            QCOMPARE(QSet<QString>(kody.begin(), kody.end()), (QSet<QString>{Kody[q], Kody[q + 1], Kody[q + 2]}));
            poradi[q].insert(kody.join(u' '));
        }
    }
    for (const QSet<QString> &videna : poradi)
        QCOMPARE(videna.size(), 6);
}

void TestCviceni::vyhodnoceni_data()
{
    // A selection, the score "right:wrong" it gets, a change made after it and the score then.
    QTest::addColumn<QString>("prubeh");
    QTest::newRow("nothing selected") << "---------- 0:10 ---------- 0:10";
    QTest::newRow("all right") << "SSSSSSSSSS 10:0 ---------- 10:0";
    QTest::newRow("all wrong") << "WWWWWWWWWW 0:10 SSSSSSSSSS 10:0";
    QTest::newRow("half answered, then the rest") << "SSSSS----- 5:5 -----SSSSS 10:0";
    QTest::newRow("recount after a change") << "SSSSSSSSSS 10:0 WW--S----W 7:3";
}

void TestCviceni::vyhodnoceni()
{
    QFETCH(QString, prubeh);
    const QStringList kroky = prubeh.split(u' ');
    TTalvoCviceni okno(12345);
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    QCOMPARE(stav(okno), "0:0");
    for (int i = 0; i < 4; i += 2) {
        vyber(okno, kroky[i]);
        QTest::mouseClick(okno.findChild<QPushButton *>("Button1"), Qt::LeftButton);
        QCOMPARE(stav(okno), kroky[i + 1]);
        // Only the right choices are enlarged, chosen or not, and they stay inside their box.
        for (int q = 0; q < 10; ++q)
            for (QRadioButton *volba : okno.volby(q)) {
                QCOMPARE(volba->font().pointSizeF(), volba == okno.spravnaVolba(q) ? 14.0 : 8.0);
                QVERIFY(volba->parentWidget()->rect().contains(volba->geometry()));
            }
    }
}

// "Morseovka 1" shows the open quiz as it is, makes a new one after a close and keeps its check.
void TestCviceni::zMenu()
{
    QTemporaryDir slozka;
    QVERIFY(slozka.isValid() && QDir::setCurrent(slozka.path()));
    TTalvoMain hlavni;
    auto *test = hlavni.findChild<QAction *>("Test");
    QPointer<TTalvoCviceni> prvni;
    for (int i = 0; i < 2; ++i) {
        test->trigger();
        if (!prvni)
            prvni = qobject_cast<TTalvoCviceni *>(hlavni.aktivniOkno());
        QVERIFY(prvni && hlavni.aktivniOkno() == prvni && hlavni.mdiArea()->subWindowList().size() == 1);
        QVERIFY(test->isChecked() && !hlavni.findChild<QAction *>("Tisk")->isEnabled());
        QCOMPARE(hlavni.mdiArea()->currentSubWindow()->windowTitle(), "Test Morseovka");
        QCOMPARE(stav(*prvni), i == 0 ? "0:0" : "1:9");
        vyber(*prvni, u"---S------");
        prvni->findChild<QPushButton *>("Button1")->click();
    }
    hlavni.mdiArea()->currentSubWindow()->close();
    QTRY_VERIFY(prvni.isNull());
    QVERIFY(!hlavni.jeOtevreno(TTalvoMain::Jedinecne::Cviceni) && test->isChecked());
    test->trigger();
    auto *druhy = qobject_cast<TTalvoCviceni *>(hlavni.aktivniOkno());
    QVERIFY(druhy && test->isChecked() && !druhy->spravnaVolba(3)->isChecked());
    QCOMPARE(druhy->windowTitle(), "Test Morseovka");
    QCOMPARE(stav(*druhy), "0:0");
}

QTEST_MAIN(TestCviceni)
#include "tst_ui_cviceni.moc"
