#include "windows/Formular.h"

#include "resources/Pisma.h"
#include "windows/zpravy/RozvrzeniMema.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

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
    auto *pole = new QPlainTextEdit(rodic);
    pole->setObjectName(jmeno);
    pripravMemo(pole);
    pole->setPlainText(text);
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
