#include "windows/PoleMrizky.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <array>
#include <memory>

namespace {

constexpr int Bunka = 20;

// One cell of the grid for a screen reader. It has no object of its own: the grid's interface
// makes it, keeps it and deletes it.
class PristupnostBunky : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    PristupnostBunky(TPoleMrizky *pole, QPoint bunka) : m_pole(pole), m_bunka(bunka) {}

    bool isValid() const override
    {
        return m_pole && m_bunka.x() < m_pole->velikost() && m_bunka.y() < m_pole->velikost();
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_pole ? m_pole->window()->windowHandle() : nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_pole.data()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text druh) const override
    {
        if (!isValid())
            return QString();
        switch (druh) {
        case QAccessible::Name:
            return TPoleMrizky::nazevBunky(m_bunka);
        case QAccessible::Description:
            return m_pole->popisBunky(m_bunka);
        default:
            return QString();
        }
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect ctverec = m_pole->ctverec(m_bunka);
        return QRect(m_pole->mapToGlobal(ctverec.topLeft()), ctverec.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State stav;
        if (!isValid()) {
            stav.invalid = true;
            return stav;
        }
        stav.focusable = true;
        stav.focused = m_pole->hasFocus() && m_pole->fokus() == m_bunka;
        stav.checkable = true;
        stav.checked = m_pole->jeOkenko(m_bunka);
        return stav;
    }
    void *interface_cast(QAccessible::InterfaceType druh) override
    {
        return druh == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override { return {toggleAction(), setFocusAction()}; }
    void doAction(const QString &akce) override
    {
        if (!isValid())
            return;
        if (akce == toggleAction()) {
            m_pole->nastavFokus(m_bunka);
            emit m_pole->prepni(m_bunka);
        } else if (akce == setFocusAction()) {
            m_pole->setFocus(Qt::OtherFocusReason);
            m_pole->nastavFokus(m_bunka);
        }
    }
    QStringList keyBindingsForAction(const QString &akce) const override
    {
        return akce == toggleAction() ? QStringList{QStringLiteral("Space")} : QStringList();
    }

private:
    QPointer<TPoleMrizky> m_pole;
    QPoint m_bunka;
};

// The grid for a screen reader: a table whose children are the cells, row after row.
class PristupnostPole : public QAccessibleWidget
{
public:
    explicit PristupnostPole(TPoleMrizky *pole) : QAccessibleWidget(pole, QAccessible::Table) {}
    ~PristupnostPole() override
    {
        for (const auto &radek : m_bunky)
            for (const QAccessible::Id id : radek)
                if (id)
                    QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return pole()->velikost() * pole()->velikost(); }
    QAccessibleInterface *child(int index) const override
    {
        const int n = pole()->velikost();
        if (index < 0 || index >= n * n)
            return nullptr;
        return bunka(QPoint(index % n, index / n));
    }
    int indexOfChild(const QAccessibleInterface *dite) const override
    {
        const int n = pole()->velikost();
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < n; ++c)
                if (m_bunky[c][r] && QAccessible::accessibleInterface(m_bunky[c][r]) == dite)
                    return r * n + c;
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint b = pole()->bunkaNaBode(pole()->mapFromGlobal(QPoint(x, y)));
        return b.x() < 0 ? nullptr : bunka(b);
    }
    QAccessibleInterface *focusChild() const override { return pole()->hasFocus() ? bunka(pole()->fokus()) : nullptr; }

private:
    TPoleMrizky *pole() const { return static_cast<TPoleMrizky *>(widget()); }
    QAccessibleInterface *bunka(QPoint b) const
    {
        QAccessible::Id &id = m_bunky[b.x()][b.y()];
        if (!id)
            id = QAccessible::registerAccessibleInterface(new PristupnostBunky(pole(), b));
        return QAccessible::accessibleInterface(id);
    }

    mutable std::array<std::array<QAccessible::Id, NejvetsiMrizka>, NejvetsiMrizka> m_bunky{};
};

QAccessibleInterface *tovarnaPole(const QString &trida, QObject *objekt)
{
    if (trida == QLatin1String("TPoleMrizky") && objekt && objekt->isWidgetType())
        return new PristupnostPole(static_cast<TPoleMrizky *>(objekt));
    return nullptr;
}

} // namespace

TPoleMrizky::TPoleMrizky(QWidget *parent) : QWidget(parent)
{
    static const bool zavedeno = [] {
        QAccessible::installFactory(tovarnaPole);
        return true;
    }();
    Q_UNUSED(zavedeno);
    setObjectName(QStringLiteral("poleMrizky"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Mřížka"));
    setAccessibleDescription(QStringLiteral("Šipkami vyberte políčko, mezerníkem nebo Enterem v něm vystřihněte "
                                            "okénko nebo ho zavřete."));
}

void TPoleMrizky::nastav(int velikost, const Okenka &okenka, const PocetOdkryti &pocty)
{
    const bool jinaVelikost = velikost != m_velikost;
    const Okenka predtim = m_okenka;
    m_velikost = velikost;
    m_okenka = okenka;
    m_pocty = pocty;
    const int posledni = std::max(velikost - 1, 0);
    m_fokus = QPoint(std::min(m_fokus.x(), posledni), std::min(m_fokus.y(), posledni));
    if (jinaVelikost) {
        QAccessibleEvent zmena(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&zmena);
    } else if (QAccessible::isActive()) {
        // A cut or closed hole changes that cell's checked state.
        QAccessible::State zaskrtnuti;
        zaskrtnuti.checked = true;
        for (int c = 0; c < velikost; ++c) {
            for (int r = 0; r < velikost; ++r) {
                if (predtim[c][r] == okenka[c][r])
                    continue;
                QAccessibleStateChangeEvent zmena(this, zaskrtnuti);
                zmena.setChild(r * velikost + c);
                QAccessible::updateAccessibility(&zmena);
            }
        }
    }
    update();
}

void TPoleMrizky::nastavFokus(QPoint bunka)
{
    if (m_velikost == 0 || bunka.x() < 0 || bunka.y() < 0 || bunka.x() >= m_velikost || bunka.y() >= m_velikost)
        return;
    if (bunka == m_fokus)
        return;
    m_fokus = bunka;
    update();
    ohlasFokus();
}

QString TPoleMrizky::nazevBunky(QPoint bunka)
{
    return QStringLiteral("Řádek %1, sloupec %2").arg(bunka.y() + 1).arg(bunka.x() + 1);
}

QString TPoleMrizky::popisBunky(QPoint bunka) const
{
    QString popis = jeOkenko(bunka) ? QStringLiteral("okénko") : QStringLiteral("zavřeno");
    const int pocet = pocetOdkryti(bunka);
    if (pocet == 0)
        popis += QStringLiteral(", neodkryje se nikdy");
    else if (pocet > 1)
        popis += QStringLiteral(", odkryje se %1krát").arg(pocet);
    return popis;
}

QRect TPoleMrizky::ctverec(QPoint bunka) const
{
    return QRect(bunka * Bunka, QSize(Bunka, Bunka));
}

QPoint TPoleMrizky::bunkaNaBode(QPoint bod) const
{
    if (bod.x() < 0 || bod.y() < 0)
        return QPoint(-1, -1);
    const QPoint bunka(bod.x() / Bunka, bod.y() / Bunka);
    if (bunka.x() >= m_velikost || bunka.y() >= m_velikost)
        return QPoint(-1, -1);
    return bunka;
}

void TPoleMrizky::paintEvent(QPaintEvent *)
{
    if (!hasFocus() || m_velikost == 0)
        return;
    // Inside the cell's square, clear of the grid's lines and of the window's coverage frames: dashes
    // of the text colour over the base colour, which show on a light cell, on a hole and beside
    // the red and blue frames alike.
    QPainter malir(this);
    const QRect ramecek = ctverec(m_fokus).adjusted(5, 5, -5, -5);
    malir.setBrush(Qt::NoBrush);
    malir.setPen(QPen(palette().color(QPalette::Base), 2));
    malir.drawRect(ramecek);
    QPen carky(palette().color(QPalette::Text), 2, Qt::CustomDashLine);
    carky.setDashPattern({1.5, 1.5});
    malir.setPen(carky);
    malir.drawRect(ramecek);
}

void TPoleMrizky::keyPressEvent(QKeyEvent *udalost)
{
    if (m_velikost == 0 || (udalost->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QWidget::keyPressEvent(udalost);
        return;
    }
    switch (udalost->key()) {
    case Qt::Key_Left:
        posun(-1, 0);
        break;
    case Qt::Key_Right:
        posun(1, 0);
        break;
    case Qt::Key_Up:
        posun(0, -1);
        break;
    case Qt::Key_Down:
        posun(0, 1);
        break;
    case Qt::Key_Home:
        nastavFokus(QPoint(0, m_fokus.y()));
        break;
    case Qt::Key_End:
        nastavFokus(QPoint(m_velikost - 1, m_fokus.y()));
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!udalost->isAutoRepeat())
            emit prepni(m_fokus);
        break;
    default:
        QWidget::keyPressEvent(udalost);
        return;
    }
    udalost->accept();
}

void TPoleMrizky::mousePressEvent(QMouseEvent *udalost)
{
    const QPoint bunka = bunkaNaBode(udalost->position().toPoint());
    if (bunka.x() < 0) {
        QWidget::mousePressEvent(udalost);
        return;
    }
    nastavFokus(bunka);
    emit prepni(bunka);
}

// The second press of a double click arrives as the double click itself, and toggles again.
void TPoleMrizky::mouseDoubleClickEvent(QMouseEvent *udalost)
{
    mousePressEvent(udalost);
}

void TPoleMrizky::focusInEvent(QFocusEvent *udalost)
{
    QWidget::focusInEvent(udalost);
    update();
    ohlasFokus();
}

void TPoleMrizky::focusOutEvent(QFocusEvent *udalost)
{
    QWidget::focusOutEvent(udalost);
    update();
}

void TPoleMrizky::posun(int dx, int dy)
{
    nastavFokus(
        QPoint(std::clamp(m_fokus.x() + dx, 0, m_velikost - 1), std::clamp(m_fokus.y() + dy, 0, m_velikost - 1)));
}

void TPoleMrizky::ohlasFokus()
{
    if (!hasFocus() || m_velikost == 0)
        return;
    QAccessibleEvent fokus(this, QAccessible::Focus);
    fokus.setChild(m_fokus.y() * m_velikost + m_fokus.x());
    QAccessible::updateAccessibility(&fokus);
}
