#include "statusbar.h"

#include "form.h"

#include <QDateTime>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

namespace suite {

QString StatusDateText(const QDateTime& when) { return when.toString(QStringLiteral("yyyy/M/d")); }

QString StatusTimeText(const QDateTime& when) { return when.toString(QStringLiteral("H:mm")); }

QStatusBar* Form::AddDateTimeStatusBar()
{
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    auto* date = new QLabel(bar);
    date->setObjectName(QStringLiteral("sbDate"));
    auto* time = new QLabel(bar);
    time->setObjectName(QStringLiteral("sbTime"));
    bar->addPermanentWidget(date);
    bar->addPermanentWidget(time);
    setStatusBar(bar);
    auto refresh = [date, time] {
        const QDateTime now = QDateTime::currentDateTime();
        date->setText(StatusDateText(now));
        time->setText(StatusTimeText(now));
    };
    refresh();
    // The clock panels keep themselves current while the window is open.
    auto* clock = new QTimer(bar);
    clock->setObjectName(QStringLiteral("sbClock"));
    connect(clock, &QTimer::timeout, bar, refresh);
    clock->start(1000);
    return bar;
}

}  // namespace suite
