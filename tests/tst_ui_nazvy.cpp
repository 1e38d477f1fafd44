// The accessible names pojmenujOvladaceOkna gives the controls of a window that have none.
#include "windows/formular/Mnemoniky.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTest>
#include <QVBoxLayout>

class TestNazvy : public QObject
{
    Q_OBJECT
private slots:
    void popisek_data();
    void popisek();
    void plochaAseznam();
};

void TestNazvy::popisek_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("drivejsi");
    QTest::addColumn<bool>("jinyRodic");
    QTest::addColumn<QString>("jmeno");
    QTest::newRow("mnemonic dropped") << "Ši&fra:" << QString() << false << "Šifra:";
    QTest::newRow("label in another widget") << "&Počet hlídek" << QString() << true << "Počet hlídek";
    QTest::newRow("written ampersand stays one") << "Klíč && heslo" << QString() << false << "Klíč & heslo";
    QTest::newRow("padding trimmed") << "  Zdrojový text " << QString() << false << "Zdrojový text";
    QTest::newRow("name given before stays") << "&Hlídky"
                                             << "Hlídky hry" << false << "Hlídky hry";
    QTest::newRow("rich text label names nothing") << "<b>Klíč</b>" << QString() << false << QString();
}

void TestNazvy::popisek()
{
    QFETCH(QString, text);
    QFETCH(QString, drivejsi);
    QFETCH(bool, jinyRodic);
    QFETCH(QString, jmeno);
    QWidget okno;
    auto *skupina = new QWidget(&okno);
    auto *popisek = new QLabel(text, jinyRodic ? &okno : skupina);
    if (text.startsWith(u'<'))
        popisek->setTextFormat(Qt::RichText);
    auto *editace = new QLineEdit(skupina);
    editace->setAccessibleName(drivejsi);
    popisek->setBuddy(editace);
    pojmenujOvladaceOkna(&okno);
    QCOMPARE(editace->accessibleName(), jmeno);
}

void TestNazvy::plochaAseznam()
{
    QWidget okno;
    okno.setWindowTitle(QStringLiteral("Šnek"));
    auto *rozvrzeni = new QVBoxLayout(&okno);
    auto *plocha = new QScrollArea;
    auto *memo = new QPlainTextEdit;
    auto *pojmenovana = new QScrollArea;
    pojmenovana->setAccessibleName(QStringLiteral("Cílový text"));
    auto *bezFokusu = new QScrollArea;
    bezFokusu->setFocusPolicy(Qt::NoFocus);
    auto *sifra = new QComboBox;
    sifra->addItem(QStringLiteral("Morseovka"));
    auto *popisek = new QLabel(QStringLiteral("Ši&fra:"));
    popisek->setBuddy(sifra);
    for (QWidget *w : std::initializer_list<QWidget *>{plocha, memo, pojmenovana, bezFokusu, popisek, sifra})
        rozvrzeni->addWidget(w);
    pojmenujOvladaceOkna(&okno);
    QCOMPARE(plocha->accessibleName(), QStringLiteral("Šnek"));
    QCOMPARE(pojmenovana->accessibleName(), QStringLiteral("Cílový text"));
    QCOMPARE(bezFokusu->accessibleName(), QString());
    // A memo is no window area: without a label it stays unnamed, for the walk to find.
    QCOMPARE(memo->accessibleName(), QString());
    QCOMPARE(sifra->accessibleName(), QStringLiteral("Šifra:"));
    QCOMPARE(sifra->view()->accessibleName(), QStringLiteral("Šifra:"));
}

QTEST_MAIN(TestNazvy)
#include "tst_ui_nazvy.moc"
