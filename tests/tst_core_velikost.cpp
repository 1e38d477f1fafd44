#include "text/Velikost.h"

#include <QTest>

class TestVelikost : public QObject
{
    Q_OBJECT
private slots:
    void prectiVelikost_data();
    void prectiVelikost();
};

void TestVelikost::prectiVelikost_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("velikost");
    QTest::addColumn<QString>("chyba");
    const auto odmitnuti = [](const QString &text) {
        return QStringLiteral("Zadali jste ") + text + QStringLiteral(". Zadavejte jen cislice 1-10!");
    };
    QTest::newRow("smallest") << "1" << 1 << QString();
    QTest::newRow("largest") << "10" << 10 << QString();
    QTest::newRow("default") << "6" << 6 << QString();
    QTest::newRow("zero refused") << "0" << 0 << odmitnuti("0");
    QTest::newRow("too large refused") << "12" << 0 << odmitnuti("12");
    QTest::newRow("negative refused") << "-3" << 0 << odmitnuti("-3");
    QTest::newRow("letters refused") << "abc" << 0 << odmitnuti("abc");
    QTest::newRow("digits then letter refused") << "5a" << 0 << odmitnuti("5a");
    QTest::newRow("empty refused") << "" << 0 << "Zadali jste . Zadavejte jen cislice 1-10!";
    QTest::newRow("placeholder shown as typed") << "%1%2" << 0 << odmitnuti("%1%2");
}

void TestVelikost::prectiVelikost()
{
    QFETCH(QString, text);
    QFETCH(int, velikost);
    QFETCH(QString, chyba);
    QString hlaseni = QStringLiteral("unchanged");
    const std::optional<int> n = PrectiVelikost(text, 10, &hlaseni);
    QCOMPARE(n.value_or(0), velikost);
    QCOMPARE(hlaseni, chyba.isEmpty() ? QStringLiteral("unchanged") : chyba);
    // The message is optional.
    QCOMPARE(PrectiVelikost(text, 10).value_or(0), velikost);
}

QTEST_GUILESS_MAIN(TestVelikost)
#include "tst_core_velikost.moc"
