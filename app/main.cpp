#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication aplikace(argc, argv);
    return 0;
}
