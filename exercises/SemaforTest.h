#pragma once
// The semaphore quiz: shows a sign's picture and offers four letters, or a letter and four pictures;
// a click on a choice shows whether it was right (naming the right one when not), counts the score
// and asks the next sign. The questions are TSemaforTestModel's. The quiz has no report for Save and
// Print.

#include "exercises/model/SemaforTest.h"

#include <QPixmap>
#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class TSemaforTest : public QWidget
{
    Q_OBJECT
public:
    // The questions are drawn from a generator started from the current time.
    explicit TSemaforTest(QWidget *parent = nullptr);
    // The questions are drawn from a generator started from pocatek, so the same questions can be asked again.
    explicit TSemaforTest(quint32 pocatek, QWidget *parent = nullptr);

    const TSemaforTestModel &model() const { return m_model; }

public slots:
    // A click on the choice at index volba (0-3).
    void volbaClick(int volba);

private:
    void vytvorOvladace();
    void zmenRezim();
    void ukazOtazku();
    const QPixmap &bitmapa(int obrazek);

    TSemaforTestModel m_model;
    QGroupBox *RezimGB = nullptr;
    QRadioButton *obrazekNaPismenoRB = nullptr;
    QRadioButton *pismenoNaObrazekRB = nullptr;
    QLabel *OtazkaNadpisLab = nullptr;
    QLabel *otazkaObrazekLab = nullptr;
    QLabel *otazkaLab = nullptr;
    std::array<QPushButton *, TSemaforTestModel::PocetVoleb> m_volby{};
    QLabel *vysledekLab = nullptr;
    QLabel *skoreLab = nullptr;
    std::array<QPixmap, 28> m_bitmapy;
};
