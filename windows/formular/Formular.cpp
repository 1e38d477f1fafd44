#include "windows/formular/Formular.h"

#include "resources/Pisma.h"
#include "windows/formular/RozvrzeniMema.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QChildEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <utility>

QLabel *popisek(QWidget *rodic, QAnyStringView jmeno, const QString &text, bool tucne)
{
    auto *label = new QLabel(text, rodic);
    label->setObjectName(jmeno);
    label->setFont(pismoTahoma(8, tucne));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    // The accents of capitals (Š, Á, Ř) rise above the font's ascent; without room above the first
    // line the label clips them and "Šifra" reads "Sifra".
    const QFontMetrics mira(label->font());
    label->setContentsMargins(0, qMax(0, -mira.boundingRect(QStringLiteral("ŠÁŘ")).top() - mira.ascent()), 0, 0);
    return label;
}

QPushButton *tlacitko(QWidget *rodic, QAnyStringView jmeno, const QString &text, const QString &napoveda)
{
    auto *button = new QPushButton(text, rodic);
    button->setObjectName(jmeno);
    button->setToolTip(napoveda);
    button->setMinimumWidth(150);
    return button;
}

QPlainTextEdit *memo(QWidget *rodic, QAnyStringView jmeno, const QString &text)
{
    auto *pole = new QPlainTextEdit(rodic);
    pole->setObjectName(jmeno);
    pripravMemo(pole);
    pole->setPlainText(text);
    pole->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pole->setTabChangesFocus(true);
    return pole;
}

namespace {
// Watches the text area of one memo; the memo owns it.
class VyberVseDvojklikem : public QObject
{
public:
    explicit VyberVseDvojklikem(QPlainTextEdit *memo) : QObject(memo), m_memo(memo) {}

protected:
    bool eventFilter(QObject *objekt, QEvent *udalost) override
    {
        if (udalost->type() == QEvent::MouseButtonDblClick && m_memo->isEnabled()) {
            m_memo->selectAll();
            return true;
        }
        return QObject::eventFilter(objekt, udalost);
    }

private:
    QPlainTextEdit *m_memo;
};
} // namespace

void vyberVseDvojklikem(QPlainTextEdit *memo)
{
    memo->viewport()->installEventFilter(new VyberVseDvojklikem(memo));
}

void omezDelku(QPlainTextEdit *memo, int nejvice)
{
    // The change is noted when the document reports where it happened and cut once the document
    // has finished it, so the memo's own bookkeeping of that change is complete.
    struct Zmena
    {
        int pozice = 0;
        int pridano = 0;
    };
    auto zmena = std::make_shared<Zmena>();
    QTextDocument *dokument = memo->document();
    QObject::connect(dokument, &QTextDocument::contentsChange, memo, [zmena](int pozice, int, int pridano) {
        *zmena = {pozice, pridano};
    });
    QObject::connect(dokument, &QTextDocument::contentsChanged, memo, [memo, nejvice, zmena] {
        QTextDocument *dokument = memo->document();
        const int delka = dokument->characterCount() - 1;
        const int navic = delka - nejvice;
        const Zmena posledni = std::exchange(*zmena, Zmena{});
        // setPlainText replaces the text with undo switched off; what the program writes there
        // (a cleaned or restored source) is left whole, only the user's edits are limited.
        if (navic <= 0 || posledni.pridano <= 0 || !dokument->isUndoRedoEnabled())
            return;
        const int konec = std::min(posledni.pozice + posledni.pridano, delka);
        int zacatek = std::max(posledni.pozice, konec - navic);
        // Never leaves half of a character outside the basic plane behind.
        if (zacatek > posledni.pozice && dokument->characterAt(zacatek).isLowSurrogate())
            --zacatek;
        QTextCursor kurzor(dokument);
        // Undo takes back the change and its cut in one step.
        kurzor.joinPreviousEditBlock();
        kurzor.setPosition(zacatek);
        kurzor.setPosition(konec, QTextCursor::KeepAnchor);
        kurzor.removeSelectedText();
        kurzor.endEditBlock();
    });
}

QPlainTextEdit *radkovyMemo(QWidget *rodic, QAnyStringView jmeno, const QString &text)
{
    auto *pole = new QPlainTextEdit(text, rodic);
    pole->setObjectName(jmeno);
    pole->setLineWrapMode(QPlainTextEdit::NoWrap);
    pole->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pole->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pole->setTabChangesFocus(true);
    const int okraj = int(pole->document()->documentMargin()) + pole->frameWidth();
    pole->setFixedHeight(pole->fontMetrics().lineSpacing() + 2 * okraj + 2);
    return pole;
}

QLineEdit *editace(QWidget *rodic, QAnyStringView jmeno, const QString &text)
{
    auto *pole = new QLineEdit(text, rodic);
    pole->setObjectName(jmeno);
    return pole;
}

QRadioButton *prepinac(QWidget *rodic, QAnyStringView jmeno, const QString &text, bool vybrany)
{
    auto *tlacitko = new QRadioButton(text, rodic);
    tlacitko->setObjectName(jmeno);
    tlacitko->setChecked(vybrany);
    return tlacitko;
}

QCheckBox *zaskrtavatko(QWidget *rodic, QAnyStringView jmeno, const QString &text, bool zaskrtnuto)
{
    auto *pole = new QCheckBox(text, rodic);
    pole->setObjectName(jmeno);
    pole->setChecked(zaskrtnuto);
    return pole;
}

QSpinBox *cislo(QWidget *rodic, QAnyStringView jmeno, int nejmene, int nejvice, int hodnota)
{
    auto *pole = new QSpinBox(rodic);
    pole->setObjectName(jmeno);
    pole->setRange(nejmene, nejvice);
    pole->setValue(hodnota);
    // Typing a number out of range is finished by the box itself, not answered with a box.
    pole->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    return pole;
}

namespace {
// Gives the controls inside a bold-captioned group box their normal weight back as they are
// polished, unless they were given a font of their own. (A style sheet would make only the caption
// bold, but it also cuts the controls inside off from the window's font.)
class NormalniVahaUvnitr : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objekt, QEvent *udalost) override
    {
        if (udalost->type() == QEvent::ChildPolished) {
            auto *ovladac = qobject_cast<QWidget *>(static_cast<QChildEvent *>(udalost)->child());
            if (ovladac && !ovladac->testAttribute(Qt::WA_SetFont)) {
                QFont normalni;
                normalni.setWeight(QFont::Normal);
                ovladac->setFont(normalni);
            }
        }
        return QObject::eventFilter(objekt, udalost);
    }
};
} // namespace

QGroupBox *skupina(QWidget *rodic, QAnyStringView jmeno, const QString &titulek, bool tucne)
{
    auto *box = new QGroupBox(titulek, rodic);
    box->setObjectName(jmeno);
    if (tucne) {
        QFont pismo;
        pismo.setBold(true);
        box->setFont(pismo);
        box->installEventFilter(new NormalniVahaUvnitr(box));
    }
    return box;
}

QFrame *cara(QWidget *rodic, QAnyStringView jmeno)
{
    auto *linka = new QFrame(rodic);
    linka->setObjectName(jmeno);
    linka->setFrameShape(QFrame::HLine);
    linka->setFrameShadow(QFrame::Plain);
    linka->setFixedHeight(1);
    return linka;
}

QFrame *pruh(QWidget *rodic, QAnyStringView jmeno)
{
    auto *pruh = new QFrame(rodic);
    pruh->setObjectName(jmeno);
    // In the text colour: black on the light form, light on a dark one.
    QPalette paleta = pruh->palette();
    paleta.setColor(QPalette::Window, paleta.color(QPalette::WindowText));
    pruh->setPalette(paleta);
    pruh->setAutoFillBackground(true);
    return pruh;
}

QLabel *obrazek(QWidget *rodic, QAnyStringView jmeno, const QPixmap &pixmapa)
{
    auto *label = new QLabel(rodic);
    label->setObjectName(jmeno);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setPixmap(pixmapa);
    return label;
}

void hlaseni(QWidget *rodic, const QString &text, QMessageBox::Icon ikona, const QString &titulek)
{
    QMessageBox box(ikona, titulek, text, QMessageBox::Ok, rodic);
    box.setObjectName(QStringLiteral("hlaseni"));
    box.exec();
}

QScrollArea *svitek(QWidget *rodic, QAnyStringView jmeno)
{
    auto *box = new QScrollArea(rodic);
    box->setObjectName(jmeno);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    box->setWidgetResizable(false);
    auto *plocha = new QWidget;
    plocha->setObjectName(QStringLiteral("plocha"));
    nastavBiloPozadi(plocha);
    box->setWidget(plocha);
    nastavBiloPozadi(box->viewport());
    return box;
}

QTextEdit *textovyBox(QWidget *rodic, QAnyStringView jmeno, qreal body, int sirka, const QString &text)
{
    auto *box = new QTextEdit(rodic);
    box->setObjectName(jmeno);
    box->setReadOnly(true);
    box->setFont(pismoTahoma(body));
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setLineWidth(1);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // The wrap width is fixed, so the lines do not depend on whether the box has been resized yet.
    box->setLineWrapMode(QTextEdit::FixedPixelWidth);
    box->setLineWrapColumnOrWidth(sirka - 2 * box->frameWidth());
    box->resize(sirka, box->height());
    // Only as much room above the first line as the accents of capitals (Š, Á, Ř) rise above the
    // font's ascent, none below the last, so that a line fits a box only a little taller than the font
    // and "Šnek" does not read "Snek".
    box->document()->setDocumentMargin(1);
    box->setPlainText(text);
    const QFontMetrics mira(box->font());
    QTextFrameFormat okraje = box->document()->rootFrame()->frameFormat();
    okraje.setTopMargin(qMax(1, -mira.boundingRect(QStringLiteral("ŠÁŘ")).top() - mira.ascent()));
    okraje.setBottomMargin(0);
    okraje.setLeftMargin(4);
    okraje.setRightMargin(4);
    box->document()->rootFrame()->setFrameFormat(okraje);
    return box;
}

QStringList zobrazeneRadky(const QTextEdit *box)
{
    QTextDocument *dokument = box->document();
    // Asking for the size lays the whole document out at the box's wrap width.
    dokument->documentLayout()->documentSize();
    QStringList radky;
    for (QTextBlock blok = dokument->begin(); blok.isValid(); blok = blok.next()) {
        const QString text = blok.text();
        const QTextLayout *rozvrzeni = blok.layout();
        if (!rozvrzeni || rozvrzeni->lineCount() == 0) {
            radky.append(text);
            continue;
        }
        for (int i = 0; i < rozvrzeni->lineCount(); ++i) {
            const QTextLine radek = rozvrzeni->lineAt(i);
            radky.append(text.mid(radek.textStart(), radek.textLength()));
        }
    }
    return radky;
}

QVBoxLayout *sloupecFormulare(QWidget *plocha)
{
    auto *sloupec = new QVBoxLayout(plocha);
    sloupec->setContentsMargins(16, 12, 16, 12);
    sloupec->setSpacing(6);
    return sloupec;
}

QHBoxLayout *radaZleva(std::initializer_list<QWidget *> ovladace)
{
    auto *rada = new QHBoxLayout;
    for (QWidget *ovladac : ovladace)
        rada->addWidget(ovladac);
    rada->addStretch();
    return rada;
}

void poradiFokusu(std::initializer_list<QWidget *> ovladace)
{
    QWidget *predchozi = nullptr;
    for (QWidget *ovladac : ovladace) {
        if (predchozi)
            QWidget::setTabOrder(predchozi, ovladac);
        predchozi = ovladac;
    }
}

void nastavBiloPozadi(QWidget *widget)
{
    QPalette paleta = widget->palette();
    paleta.setColor(QPalette::Window, paleta.color(QPalette::Base));
    widget->setPalette(paleta);
    widget->setAutoFillBackground(true);
}

QWidget *plochaOkna(QWidget *okno, QSize navrh)
{
    auto *box = new QScrollArea(okno);
    box->setObjectName(QStringLiteral("svitek"));
    box->setWidgetResizable(true);
    box->setFrameShape(QFrame::NoFrame);
    auto *plocha = new QWidget;
    plocha->setObjectName(QStringLiteral("obsah"));
    plocha->setMinimumSize(navrh - QSize(20, 20));
    nastavBiloPozadi(plocha);
    box->setWidget(plocha);
    nastavBiloPozadi(box->viewport());

    auto *rozvrzeni = new QVBoxLayout(okno);
    rozvrzeni->setContentsMargins(0, 0, 0, 0);
    rozvrzeni->addWidget(box);
    return plocha;
}

void pripravOkno(QWidget *okno, QAnyStringView jmeno, const QString &titulek, QSize velikost)
{
    okno->setObjectName(jmeno);
    okno->setWindowTitle(titulek);
    okno->setFont(pismoTahoma(8));
    nastavBiloPozadi(okno);
    okno->resize(velikost);
}
