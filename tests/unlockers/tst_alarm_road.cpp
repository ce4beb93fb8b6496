#include <QTest>
class TestAlarmRoad : public QObject { Q_OBJECT };
QTEST_MAIN(TestAlarmRoad)
#include "tst_alarm_road.moc"
