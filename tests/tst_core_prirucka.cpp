// The user guide as the build made it: every chapter of its Markdown source starts a page of the
// PDF, the table of contents gives that page, and the pictures of the windows lie on the pages of
// the chapters that show them.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
struct Kapitola
{
    QString nazev;
    int obrazku = 0;
};

// The first-level headings of the source and how many pictures each chapter shows.
QList<Kapitola> kapitolyZdroje()
{
    QFile zdroj(QString::fromUtf8(TALVO_PRIRUCKA_MD));
    if (!zdroj.open(QIODevice::ReadOnly))
        return {};
    QList<Kapitola> kapitoly;
    for (const QString &radek : QString::fromUtf8(zdroj.readAll()).split(u'\n')) {
        if (radek.startsWith(u"# "))
            kapitoly.append({radek.mid(2).trimmed()});
        else if (!kapitoly.isEmpty())
            kapitoly.last().obrazku += static_cast<int>(radek.count(u"!["));
    }
    return kapitoly;
}

QString vystup(const QString &program, const QStringList &argumenty)
{
    QProcess proces;
    proces.start(program, argumenty);
    if (!proces.waitForFinished(120000) || proces.exitCode() != 0)
        return {};
    // The guide binds a one-letter word to the next one with a no-break space.
    return QString::fromUtf8(proces.readAllStandardOutput()).replace(QChar(0x00A0), u' ');
}

QString prvniRadek(const QString &strana)
{
    for (const QString &radek : strana.split(u'\n'))
        if (!radek.trimmed().isEmpty())
            return radek.simplified();
    return {};
}
} // namespace

class TestPrirucka : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void kapitola_data();
    void kapitola();

private:
    // The page, from 1, that begins with the heading; 0 when none does.
    int stranaKapitoly(const QString &nazev) const;

    QList<Kapitola> m_kapitoly;
    QStringList m_strany;
    QList<int> m_stranyObrazku;
};

void TestPrirucka::initTestCase()
{
    m_kapitoly = kapitolyZdroje();
    QVERIFY(m_kapitoly.size() > 5);
    m_strany = vystup(u"pdftotext"_s, {u"-layout"_s, QString::fromUtf8(TALVO_PRIRUCKA_PDF), u"-"_s}).split(u'\f');
    // pdftotext ends every page with a form feed, the last one too.
    if (!m_strany.isEmpty() && m_strany.last().trimmed().isEmpty())
        m_strany.removeLast();
    QVERIFY(m_strany.size() >= m_kapitoly.size());
    // "page num type width height ..." after two header lines; soft masks are no pictures of their own.
    const QStringList obrazky =
        vystup(u"pdfimages"_s, {u"-list"_s, QString::fromUtf8(TALVO_PRIRUCKA_PDF)}).split(u'\n');
    for (const QString &radek : obrazky.mid(2)) {
        const QStringList sloupce = radek.simplified().split(u' ');
        if (sloupce.size() > 2 && sloupce[2] == u"image")
            m_stranyObrazku.append(sloupce[0].toInt());
    }
}

int TestPrirucka::stranaKapitoly(const QString &nazev) const
{
    for (int i = 0; i < m_strany.size(); ++i)
        if (prvniRadek(m_strany[i]) == nazev)
            return i + 1;
    return 0;
}

void TestPrirucka::kapitola_data()
{
    QTest::addColumn<int>("poradi");
    for (int i = 0; i < m_kapitoly.size(); ++i)
        QTest::newRow(m_kapitoly[i].nazev.toUtf8().constData()) << i;
}

void TestPrirucka::kapitola()
{
    QFETCH(int, poradi);
    const Kapitola &k = m_kapitoly[poradi];
    const int strana = stranaKapitoly(k.nazev);
    QVERIFY2(strana > 0, "the chapter does not start a page");
    if (poradi > 0) {
        QVERIFY(strana > stranaKapitoly(m_kapitoly[poradi - 1].nazev));
        // The title page lists the chapter with its page.
        const QRegularExpression vObsahu(u"^\\s*"_s + QRegularExpression::escape(k.nazev) + u"\\s+(\\d+)\\s*$"_s,
                                         QRegularExpression::MultilineOption);
        const QRegularExpressionMatch radek = vObsahu.match(m_strany.first());
        QVERIFY2(radek.hasMatch(), "the table of contents does not list the chapter");
        QCOMPARE(radek.captured(1).toInt(), strana);
    }
    const int dalsi = poradi + 1 < m_kapitoly.size() ? stranaKapitoly(m_kapitoly[poradi + 1].nazev)
                                                     : static_cast<int>(m_strany.size()) + 1;
    const auto obrazku =
        std::count_if(m_stranyObrazku.begin(), m_stranyObrazku.end(), [&](int s) { return s >= strana && s < dalsi; });
    QCOMPARE(obrazku, k.obrazku);
}

QTEST_GUILESS_MAIN(TestPrirucka)
#include "tst_core_prirucka.moc"
