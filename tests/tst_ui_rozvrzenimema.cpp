#include "ciphers/Morseovka.h"
#include "windows/formular/Formular.h"
#include "windows/Morseovkaunit.h"
#include "windows/formular/RozvrzeniMema.h"
#include "windows/zpravy/Zprava.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <memory>

namespace {
QString dlouhyText()
{
    QString text;
    while (text.size() <= DlouhyOdstavec)
        text += QStringLiteral("ahoj svete jak se mas ");
    return text;
}

// The display lines of a paragraph once the memo has painted it.
QStringList zobrazeneRadky(QPlainTextEdit *memo, int odstavec)
{
    const QTextBlock blok = memo->document()->findBlockByNumber(odstavec);
    memo->viewport()->repaint();
    QStringList radky;
    for (int i = 0; i < blok.layout()->lineCount(); ++i) {
        const QTextLine radek = blok.layout()->lineAt(i);
        radky.append(blok.text().mid(radek.textStart(), radek.textLength()));
    }
    return radky;
}
} // namespace

class TestRozvrzeniMema : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void odstavce_data();
    void odstavce();
    void psaniDoDlouhehoOdstavce();
    void skrytaZpravaSeNerozvrhuje();
    void pismoBezTvarovani();

private:
    std::unique_ptr<QWidget> m_okno;
    QPlainTextEdit *m_memo = nullptr;
};

void TestRozvrzeniMema::init()
{
    m_okno = std::make_unique<QWidget>();
    m_memo = memo(m_okno.get(), "memo");
    m_memo->resize(300, 200);
    m_okno->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_okno.get()));
}

void TestRozvrzeniMema::odstavce_data()
{
    QTest::addColumn<int>("odstavec");
    QTest::addColumn<bool>("poSlovech");
    QTest::newRow("long text breaks at word boundaries") << 0 << true;
    QTest::newRow("long Morse paragraph breaks anywhere") << 1 << false;
}

// Each paragraph of one memo is broken its own way, and every display line fits the memo.
void TestRozvrzeniMema::odstavce()
{
    QFETCH(int, odstavec);
    QFETCH(bool, poSlovech);
    const QString text = dlouhyText() + u'\n' + MorseSifruj(dlouhyText(), MorseBezInterpunkce);
    m_memo->setPlainText(text);
    const QStringList radky = zobrazeneRadky(m_memo, odstavec);
    QCOMPARE(m_memo->toPlainText(), text);
    QCOMPARE(radky.join(QString()), text.split(u'\n').at(odstavec));
    QVERIFY(radky.size() > 10);
    const QFontMetricsF metriky(m_memo->document()->defaultFont());
    for (qsizetype i = 0; i + 1 < radky.size(); ++i) {
        QVERIFY2(metriky.horizontalAdvance(radky[i].trimmed()) <= m_memo->viewport()->width(), qPrintable(radky[i]));
        if (poSlovech)
            QVERIFY2(radky[i].endsWith(u' '), qPrintable(radky[i]));
    }
    // The memo keeps the wrap mode it was set up with; only the Morse paragraph is laid out otherwise,
    // as looking for word boundaries in it would cost time growing with its square.
    QCOMPARE(m_memo->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    QCOMPARE(m_memo->document()->findBlockByNumber(odstavec).layout()->textOption().wrapMode(),
             poSlovech ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::WrapAnywhere);
}

// A paragraph laid out when shown is laid out again after a keystroke, covering the new text.
void TestRozvrzeniMema::psaniDoDlouhehoOdstavce()
{
    const QString morse = MorseSifruj(dlouhyText(), MorseBezInterpunkce);
    m_memo->setPlainText(morse);
    QVERIFY(!zobrazeneRadky(m_memo, 0).isEmpty());
    QTextCursor kurzor = m_memo->textCursor();
    kurzor.setPosition(100);
    m_memo->setTextCursor(kurzor);
    QTest::keyClicks(m_memo, "x y");
    const QString ocekavany = morse.left(100) + "x y" + morse.mid(100);
    QCOMPARE(m_memo->toPlainText(), ocekavany);
    QCOMPARE(zobrazeneRadky(m_memo, 0).join(QString()), ocekavany);
}

// Filling a report lays out none of its long lines: the report memo is never shown.
void TestRozvrzeniMema::skrytaZpravaSeNerozvrhuje()
{
    TMorseovkaForm form;
    form.findChild<QPlainTextEdit *>("Zdroj")->setPlainText(dlouhyText());
    form.findChild<QPlainTextEdit *>("Cil")->setPlainText(MorseSifruj(dlouhyText(), MorseBezInterpunkce));
    QCOMPARE(radkyZpravy(form).size(), 5);
    for (int odstavec : {1, 4}) {
        const QTextBlock blok = form.memoTisk()->document()->findBlockByNumber(odstavec);
        QVERIFY(blok.length() > DlouhyOdstavec);
        QCOMPARE(blok.layout()->lineCount(), 0);
    }
}

// The memo lays out its text unshaped, also after the window's font changed (the memo then gives
// the document its font again).
void TestRozvrzeniMema::pismoBezTvarovani()
{
    const auto bezTvarovani = [this] {
        return (m_memo->document()->defaultFont().styleStrategy() & QFont::PreferNoShaping) != 0;
    };
    QVERIFY(bezTvarovani());
    m_okno->setFont(QFont(QStringLiteral("Serif"), 14));
    QCOMPARE(m_memo->document()->defaultFont().pointSize(), 14);
    QVERIFY(bezTvarovani());
}

QTEST_MAIN(TestRozvrzeniMema)
#include "tst_ui_rozvrzenimema.moc"
