#include "support/HlidacTisku.h"

#include <QApplication>
#include <QProgressDialog>

HlidacTisku::HlidacTisku(int zrusitPo)
{
    m_casovac.setInterval(0);
    QObject::connect(&m_casovac, &QTimer::timeout, [this, zrusitPo] {
        if (QProgressDialog *prubeh = HlidacTisku::prubeh()) {
            videno = true;
            maximum = prubeh->maximum();
            popisek = prubeh->labelText();
            if (zrusitPo >= 0 && prubeh->value() >= zrusitPo && !prubeh->wasCanceled()) {
                zrusenoPo = prubeh->value();
                prubeh->cancel();
            }
        }
    });
    m_casovac.start();
}

QProgressDialog *HlidacTisku::prubeh()
{
    for (QWidget *okno : QApplication::topLevelWidgets())
        if (okno->objectName() == QLatin1String("PrubehTisku") && okno->isVisible())
            return qobject_cast<QProgressDialog *>(okno);
    return nullptr;
}
