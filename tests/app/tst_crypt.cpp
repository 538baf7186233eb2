#include <QtTest>
class T : public QObject { Q_OBJECT
private slots:
 void todo() {}
};
QTEST_GUILESS_MAIN(T)
#include "tst_crypt.moc"
