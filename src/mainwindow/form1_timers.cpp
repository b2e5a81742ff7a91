// Timer2 saves the live record every 10 seconds.
#include "mainwindow/form1.h"

#include <QTimer>

namespace lmv::mainwindow {

namespace {

QTimer* NewTimer(const QString& name, int intervalMs, QObject* owner)
{
    auto* timer = new QTimer(owner);
    timer->setObjectName(name);
    timer->setInterval(intervalMs);
    return timer;
}

}

void TForm1::CreateTimers()
{
    QTimer* timer2 = NewTimer(QStringLiteral("Timer2"), 10000, this);
    connect(timer2, &QTimer::timeout, this, [this] { RunReportingErrors(&TForm1::Timer2Timer); });
    timer2->start();
}

}
