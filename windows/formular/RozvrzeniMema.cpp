#include "windows/formular/RozvrzeniMema.h"

#include "resources/Pisma.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace {

bool maDlouhyBeh(QStringView text)
{
    qsizetype beh = 0;
    for (const QChar znak : text) {
        beh = znak.isSpace() ? 0 : beh + 1;
        if (beh > DelkaBehuBezMezery)
            return true;
    }
    return false;
}

// What is known about a long paragraph: whether it holds a run without a space that is too long
// for breaking at word boundaries. It lives with the paragraph and goes when the paragraph does.
struct BehOdstavce : QTextBlockUserData
{
    explicit BehOdstavce(bool jeDlouhy) : dlouhy(jeDlouhy) {}
    bool dlouhy;
};

BehOdstavce *behOdstavce(const QTextBlock &blok)
{
    return static_cast<BehOdstavce *>(blok.userData());
}

class TRozvrzeniMema : public QPlainTextDocumentLayout
{
public:
    explicit TRozvrzeniMema(QTextDocument *dokument)
        : QPlainTextDocumentLayout(dokument), m_pocetBloku(dokument->blockCount())
    {
    }

    QRectF blockBoundingRect(const QTextBlock &blok) const override
    {
        if (!blok.isValid() || blok.length() <= DlouhyOdstavec || blok.layout()->lineCount() > 0)
            return QPlainTextDocumentLayout::blockBoundingRect(blok);
        // A cursor placed while an emptied memo is refilled needs no lines; they are made once, when
        // the new text has been announced.
        if (m_plni)
            return {};
        blok.layout()->setCacheEnabled(true);
        QTextDocument *dokument = document();
        const QTextOption volby = dokument->defaultTextOption();
        const bool poSlovech =
            volby.wrapMode() == QTextOption::WrapAtWordBoundaryOrAnywhere || volby.wrapMode() == QTextOption::WordWrap;
        if (!poSlovech || !dlouhyBeh(blok))
            return QPlainTextDocumentLayout::blockBoundingRect(blok);
        // This paragraph alone is broken anywhere: the option is read while it is laid out.
        QTextOption kdekoli = volby;
        kdekoli.setWrapMode(QTextOption::WrapAnywhere);
        m_tiche = true;
        dokument->setDefaultTextOption(kdekoli);
        const QRectF obdelnik = QPlainTextDocumentLayout::blockBoundingRect(blok);
        dokument->setDefaultTextOption(volby);
        m_tiche = false;
        return obdelnik;
    }

protected:
    void documentChanged(int od, int odebrano, int pridano) override
    {
        if (m_tiche)
            return;
        QTextDocument *dokument = document();
        const int pocetBloku = dokument->blockCount();
        m_plni = pridano == 0 && dokument->isEmpty();
        QTextBlock prvni = dokument->findBlock(od);
        const QTextBlock posledni = dokument->findBlock(std::max(0, od + odebrano + pridano - 1));
        const bool uvnitrOdstavce = prvni == posledni && pocetBloku == m_pocetBloku;
        bool dlouhy = false;
        for (QTextBlock blok = prvni; blok.isValid(); blok = blok.next()) {
            obnovBeh(blok, uvnitrOdstavce, od, pridano);
            dlouhy = dlouhy || blok.length() > DlouhyOdstavec;
            if (blok == posledni)
                break;
        }
        if (!dlouhy) {
            QPlainTextDocumentLayout::documentChanged(od, odebrano, pridano);
            m_pocetBloku = pocetBloku;
            return;
        }
        // Laid out when next shown, through blockBoundingRect (a hidden report memo never is).
        for (QTextBlock blok = prvni; blok.isValid(); blok = blok.next()) {
            blok.clearLayout();
            if (blok.isVisible() ? blok.lineCount() == 0 : blok.lineCount() > 0)
                blok.setLineCount(blok.isVisible() ? 1 : 0);
            if (blok == posledni)
                break;
        }
        // As the base layout does; a shown memo then lays out what its scroll bar needs (a hidden one
        // only counts lines).
        if (pocetBloku != m_pocetBloku)
            emit documentSizeChanged(documentSize());
        m_pocetBloku = pocetBloku;
        emit update(QRectF(0., -dokument->documentMargin(), 1000000000., 1000000000.));
    }

private:
    bool dlouhyBeh(const QTextBlock &blok) const
    {
        if (const BehOdstavce *beh = behOdstavce(blok))
            return beh->dlouhy;
        const bool dlouhy = maDlouhyBeh(blok.text());
        QTextBlock(blok).setUserData(new BehOdstavce(dlouhy));
        return dlouhy;
    }

    // A change inside one paragraph is looked at with DelkaBehuBezMezery characters on each side,
    // which hold a part longer than the limit of any long run through the change. A paragraph that
    // had such a run keeps the mark (breaking anywhere is never wrong); a joined or split paragraph
    // is looked at afresh when it is next laid out.
    void obnovBeh(QTextBlock &blok, bool uvnitrOdstavce, int od, int pridano)
    {
        BehOdstavce *beh = behOdstavce(blok);
        if (!beh || beh->dlouhy)
            return;
        if (!uvnitrOdstavce) {
            blok.setUserData(nullptr);
            return;
        }
        const int zacatek = std::max(od - DelkaBehuBezMezery, blok.position());
        const int konec = std::min(od + pridano + DelkaBehuBezMezery, blok.position() + blok.length() - 1);
        beh->dlouhy = maDlouhyBeh(textMezi(zacatek, konec));
    }

    // Read character by character: a QTextCursor would lay out the paragraph to place itself.
    QString textMezi(int zacatek, int konec) const
    {
        if (konec <= zacatek)
            return {};
        const QTextDocument *dokument = document();
        QString text(konec - zacatek, Qt::Uninitialized);
        for (int i = zacatek; i < konec; ++i)
            text[i - zacatek] = dokument->characterAt(i);
        return text;
    }

    int m_pocetBloku;
    // The memo was emptied and its new text is not yet announced (QPlainTextEdit::setPlainText).
    bool m_plni = false;
    // Our own switch of the wrap option around one paragraph's layout, not a change.
    mutable bool m_tiche = false;
};

} // namespace

void pripravMemo(QPlainTextEdit *memo)
{
    const QString text = memo->toPlainText();
    // Set on the memo itself: the memo gives its font to the document again whenever it changes,
    // such as when the window's font changes, and the strategy set here stays part of it.
    memo->setFont(pismoBezTvarovani(memo->font()));
    auto *dokument = new QTextDocument(memo);
    dokument->setDefaultFont(memo->font());
    auto *rozvrzeni = new TRozvrzeniMema(dokument);
    rozvrzeni->setPaintDevice(memo->viewport());
    dokument->setDocumentLayout(rozvrzeni);
    memo->setDocument(dokument);
    if (!text.isEmpty())
        memo->setPlainText(text);
}
