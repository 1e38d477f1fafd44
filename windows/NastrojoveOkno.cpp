#include "windows/NastrojoveOkno.h"

#include "resources/Pisma.h"
#include "text/Cisteni.h"
#include "windows/formular/Formular.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QVBoxLayout>

TNastrojoveOkno::TNastrojoveOkno(const QString &jmeno, const QString &titulek, QSize navrh, QWidget *parent)
    : QWidget(parent), m_navrh(navrh)
{
    setObjectName(jmeno);
    setWindowTitle(titulek);
    setFont(pismoTahoma(8));
    nastavBiloPozadi(this);
    resize(navrh);

    m_svitek = new QScrollArea(this);
    m_svitek->setObjectName(QStringLiteral("svitek"));
    m_svitek->setWidgetResizable(true);
    m_svitek->setFrameShape(QFrame::NoFrame);
    m_obsah = new QWidget;
    m_obsah->setObjectName(QStringLiteral("obsah"));
    // Below the design size the controls stop shrinking and the scroll bars appear.
    m_obsah->setMinimumSize(navrh - QSize(20, 20));
    nastavBiloPozadi(m_obsah);
    m_svitek->setWidget(m_obsah);
    nastavBiloPozadi(m_svitek->viewport());

    auto *rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->setContentsMargins(0, 0, 0, 0);
    rozvrzeni->addWidget(m_svitek);
}

TNastrojoveOkno::~TNastrojoveOkno() = default;

void TNastrojoveOkno::nastavZdroj(QPlainTextEdit *zdroj)
{
    m_zdroj = zdroj;
    ulozenyZdroj = zdroj->toPlainText();
}

QString TNastrojoveOkno::ulozAVycistiZdroj(QStringView znaky, QStringView nahrada)
{
    const QString vycisteny = ulozAVycisti(znaky, nahrada);
    ukazZdroj(vycisteny);
    return vycisteny;
}

QString TNastrojoveOkno::ulozAVycisti(QStringView znaky, QStringView nahrada)
{
    ulozenyZdroj = m_zdroj->toPlainText();
    return VycistiMalymi(ulozenyZdroj, znaky, nahrada);
}

void TNastrojoveOkno::ukazZdroj(const QString &text)
{
    // ulozenyZdroj is mostly what the memo holds, so a changed text is told without reading the memo.
    if (text == ulozenyZdroj && text == m_zdroj->toPlainText())
        return;
    m_zdroj->setPlainText(text);
}

void TNastrojoveOkno::Button1Click()
{
    if (m_zdroj)
        ukazZdroj(ulozenyZdroj);
}

void TNastrojoveOkno::sledujDvojklik(QPlainTextEdit *memo, std::function<void()> obsluha)
{
    memo->viewport()->installEventFilter(this);
    m_dvojkliky.insert(memo->viewport(), std::move(obsluha));
}

bool TNastrojoveOkno::eventFilter(QObject *objekt, QEvent *udalost)
{
    if (udalost->type() == QEvent::MouseButtonDblClick) {
        const auto obsluha = m_dvojkliky.constFind(objekt);
        auto *plocha = qobject_cast<QWidget *>(objekt);
        if (obsluha != m_dvojkliky.cend() && plocha && plocha->isEnabled()) {
            (*obsluha)();
            // Handled here, so the memo does not narrow the selection to one word afterwards.
            return true;
        }
    }
    return QWidget::eventFilter(objekt, udalost);
}

void TNastrojoveOkno::closeEvent(QCloseEvent *udalost)
{
    FormClose();
    QWidget::closeEvent(udalost);
}

void TNastrojoveOkno::FormClose()
{
    emit zavreno();
}

TOknoSeZpravou::TOknoSeZpravou(const QString &jmeno, const QString &titulek, QSize navrh, QWidget *parent)
    : TNastrojoveOkno(jmeno, titulek, navrh, parent), m_memoTisk(vytvorMemoTisk(this))
{
}

void TOknoSeZpravou::pridejDoTisku(const QString &text)
{
    pridejDoZpravy(m_memoTisk, text);
}
