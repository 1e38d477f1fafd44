// The baseline of the start-up benchmark: a bare QMainWindow program, started and measured exactly as
// Talvo is (StartTalvo.cpp), so the difference is what Talvo itself costs.
#include "Necinnost.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication aplikace(argc, argv);
    QMainWindow okno;
    okno.resize(818, 676);
    okno.show();
    poNecinnosti(&okno, [] {
        ohlasNecinnost();
        QCoreApplication::exit(0);
    });
    return aplikace.exec();
}
