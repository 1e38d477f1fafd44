#include "app/Main.h"
#include "ciphers/Morseovka.h"
#include "exercises/MorseTrenink.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
struct Okno
{
    std::unique_ptr<TMorseTrenink> form = std::make_unique<TMorseTrenink>(7u);
    QRadioButton *kodNaPismeno = form->findChild<QRadioButton *>("kodNaPismenoRB");
    QRadioButton *pismenoNaKod = form->findChild<QRadioButton *>("pismenoNaKodRB");
    QRadioButton *poslech = form->findChild<QRadioButton *>("poslechRB");
    QSpinBox *uroven = form->findChild<QSpinBox *>("urovenSB");
    QSpinBox *rychlost = form->findChild<QSpinBox *>("rychlostZnakuSB");
    QSpinBox *efektivni = form->findChild<QSpinBox *>("efektivniRychlostSB");
    QLabel *otazka = form->findChild<QLabel *>("otazkaLab");
    QLabel *vysledek = form->findChild<QLabel *>("vysledekLab");
    QLabel *skore = form->findChild<QLabel *>("skoreLab");
    QLineEdit *odpoved = form->findChild<QLineEdit *>("odpovedE");
    QPushButton *overit = form->findChild<QPushButton *>("overitB");
    QPushButton *dalsi = form->findChild<QPushButton *>("dalsiB");
    QPushButton *prehrat = form->findChild<QPushButton *>("prehratB");
    QTableWidget *statistika = form->findChild<QTableWidget *>("statistikaT");

    // Types the answer and presses Enter, as a user does.
    void odpovez(const QString &text)
    {
        QTest::keyClicks(odpoved, text);
        QTest::keyClick(odpoved, Qt::Key_Return);
    }
};
} // namespace

class TestMorseTrenink : public QObject
{
    Q_OBJECT
private slots:
    void ovladace();
    void rezimy_data();
    void rezimy();
    void postupUrovne();
    void nabidka();
};

void TestMorseTrenink::ovladace()
{
    Okno o;
    QCOMPARE(o.form->objectName(), "MorseTreninkForm");
    QVERIFY(o.kodNaPismeno && o.pismenoNaKod && o.poslech && o.uroven && o.rychlost && o.efektivni && o.otazka &&
            o.vysledek && o.skore && o.odpoved && o.overit && o.dalsi && o.prehrat && o.statistika);
    QVERIFY(o.kodNaPismeno->isChecked());
    QCOMPARE(o.kodNaPismeno->text().remove(u'&'), "Kód → písmeno");
    QCOMPARE(o.pismenoNaKod->text().remove(u'&'), "Písmeno → kód");
    QCOMPARE(o.poslech->text().remove(u'&'), "Poslech");
    QCOMPARE(o.overit->text().remove(u'&'), "Ověřit");
    QCOMPARE(o.dalsi->text().remove(u'&'), "Další");
    QCOMPARE(o.prehrat->text().remove(u'&'), "Přehrát");
    QCOMPARE(o.uroven->minimum(), 1);
    QCOMPARE(o.uroven->maximum(), 36);
    QCOMPARE(o.uroven->value(), 1);
    QCOMPARE(o.rychlost->minimum(), 5);
    QCOMPARE(o.rychlost->maximum(), 40);
    QCOMPARE(o.rychlost->value(), 18);
    QCOMPARE(o.efektivni->value(), 8);
    QCOMPARE(o.efektivni->maximum(), 18);
    QCOMPARE(o.skore->text(), "Správně: 0 z 0");
    QCOMPARE(o.form->nastaveniZvuku().slovZaMinutu, 18);
    QCOMPARE(o.form->nastaveniZvuku().efektivniSlovZaMinutu, 8);
    o.rychlost->setValue(6);
    QCOMPARE(o.efektivni->value(), 6);
    QCOMPARE(o.efektivni->maximum(), 6);
}

void TestMorseTrenink::rezimy_data()
{
    QTest::addColumn<int>("rezim");
    QTest::addColumn<bool>("spravne");
    QTest::newRow("code to letter, right") << 0 << true;
    QTest::newRow("code to letter, wrong") << 0 << false;
    QTest::newRow("letter to code, right") << 1 << true;
    QTest::newRow("letter to code, wrong") << 1 << false;
    QTest::newRow("listening, right") << 2 << true;
    QTest::newRow("listening, wrong") << 2 << false;
}

// Each mode asks its way; Enter checks the typed answer, Enter again gives the next question.
void TestMorseTrenink::rezimy()
{
    QFETCH(int, rezim);
    QFETCH(bool, spravne);
    Okno o;
    QTest::mouseClick(rezim == 0 ? o.kodNaPismeno : rezim == 1 ? o.pismenoNaKod : o.poslech, Qt::LeftButton);
    for (int i = 1; i <= 3; ++i) {
        const QString znak = o.form->model().znakOtazky().toString();
        const QString kod = MorseKod(znak).toString();
        QVERIFY(znak == u"e" || znak == u"t");
        const QString otazka = rezim == 0 ? kod : rezim == 1 ? znak.toUpper() : QString();
        QCOMPARE(o.otazka->text(), otazka);
        const QString jina = znak == u"e" ? QStringLiteral("t") : QStringLiteral("e");
        const QString odpoved =
            rezim == 1 ? (spravne ? kod : MorseKod(jina).toString()) : (spravne ? znak.toUpper() : jina);
        o.odpovez(odpoved);
        QVERIFY(o.vysledek->text().startsWith(spravne ? u"Správně" : u"Špatně"));
        QVERIFY(o.vysledek->text().contains(kod));
        QCOMPARE(o.skore->text(), QStringLiteral("Správně: %1 z %2").arg(spravne ? i : 0).arg(i));
        QVERIFY(!o.overit->isEnabled() && o.dalsi->isEnabled());
        // A second Enter does not count the answer again: it moves on.
        QTest::keyClick(o.odpoved, Qt::Key_Return);
        QVERIFY(o.vysledek->text().isEmpty() && o.odpoved->text().isEmpty());
        QCOMPARE(o.form->model().pocetOdpovedi(), i);
        QVERIFY(o.overit->isEnabled() && !o.dalsi->isEnabled());
    }
    QVERIFY(o.statistika->rowCount() >= 2);
    int odpovedi = 0;
    for (int r = 0; r < o.statistika->rowCount(); ++r)
        odpovedi += o.statistika->item(r, 2)->text().toInt();
    QCOMPARE(odpovedi, 3);
}

// Twenty right answers move the trainer up; the level box and the result say so.
void TestMorseTrenink::postupUrovne()
{
    Okno o;
    for (int i = 0; i < 19; ++i) {
        o.odpovez(o.form->model().znakOtazky().toString());
        QCOMPARE(o.uroven->value(), 1);
        QTest::mouseClick(o.dalsi, Qt::LeftButton);
    }
    o.odpovez(o.form->model().znakOtazky().toString());
    QCOMPARE(o.uroven->value(), 2);
    QVERIFY(o.vysledek->text().endsWith(u"Postup na úroveň 2"));
    QCOMPARE(o.statistika->rowCount(), 3);
    QCOMPARE(o.statistika->item(2, 0)->text(), "I");
}

// "Morseovka – trénink" opens the one trainer, without Save and Print.
void TestMorseTrenink::nabidka()
{
    QTemporaryDir slozka;
    QVERIFY(slozka.isValid() && QDir::setCurrent(slozka.path()));
    TTalvoMain hlavni;
    QAction *trenink = hlavni.findChild<QAction *>("MorseTreninkSD");
    QVERIFY(trenink);
    trenink->trigger();
    trenink->trigger();
    QCOMPARE(hlavni.mdiArea()->subWindowList().size(), 1);
    QVERIFY(qobject_cast<TMorseTrenink *>(hlavni.aktivniOkno()));
    QVERIFY(hlavni.jeOtevreno(TTalvoMain::Jedinecne::MorseTrenink));
    QVERIFY(!hlavni.findChild<QAction *>("Ulozit")->isEnabled() && !hlavni.findChild<QAction *>("Tisk")->isEnabled());
}

QTEST_MAIN(TestMorseTrenink)
#include "tst_ui_morsetrenink.moc"
