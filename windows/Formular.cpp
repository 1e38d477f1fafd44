#include "windows/Formular.h"

#include "resources/Pisma.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextLayout>

QLabel *popisek(QWidget *rodic, QAnyStringView jmeno, const QString &text, bool tucne)
{
    auto *label = new QLabel(text, rodic);
    label->setObjectName(jmeno);
    label->setFont(pismoTahoma(8, tucne));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
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
    auto *pole = new QPlainTextEdit(text, rodic);
    pole->setObjectName(jmeno);
    pole->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pole->setTabChangesFocus(true);
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

QGroupBox *skupina(QWidget *rodic, QAnyStringView jmeno, const QString &titulek, bool tucne)
{
    auto *box = new QGroupBox(titulek, rodic);
    box->setObjectName(jmeno);
    if (tucne) {
        // Only the caption is bold; the buttons inside keep the window's font.
        box->setStyleSheet(QStringLiteral("QGroupBox { font-weight: bold; }"));
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

QLabel *obrazek(QWidget *rodic, QAnyStringView jmeno, const QPixmap &pixmapa)
{
    auto *label = new QLabel(rodic);
    label->setObjectName(jmeno);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setPixmap(pixmapa);
    return label;
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
    // A thin margin above and below, so that a line fits a box only a little taller than the font.
    box->document()->setDocumentMargin(1);
    box->setPlainText(text);
    QTextFrameFormat okraje = box->document()->rootFrame()->frameFormat();
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

QScrollArea *posuvnyPanel(QWidget *rodic, QAnyStringView jmeno)
{
    auto *panel = new QScrollArea(rodic);
    panel->setObjectName(jmeno);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(1);
    panel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    panel->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    panel->setWidgetResizable(false);
    panel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return panel;
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
    paleta.setColor(QPalette::Window, Qt::white);
    widget->setPalette(paleta);
    widget->setAutoFillBackground(true);
}
