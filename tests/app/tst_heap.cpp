#include "app/heap.h"

#include <QtTest>

#include <cstdio>
#include <cstdlib>
#include <cstring>

// The program starts itself again with the C library's large-page setting:
// the setting is added to what the environment already holds, the arguments
// come through unchanged, and a setting already there (the restarted
// program's own, or one the user gave) is left as it is, with no restart.
class TestHeap : public QObject {
    Q_OBJECT

private slots:
    void restartsOnceWithTheSetting_data()
    {
        QTest::addColumn<QByteArray>("before");  // "-" for no variable at all
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("starts");
        QTest::newRow("none") << QByteArray("-") << QByteArray("glibc.malloc.hugetlb=1") << 2;
        QTest::newRow("empty") << QByteArray("") << QByteArray("glibc.malloc.hugetlb=1") << 2;
        QTest::newRow("others kept") << QByteArray("glibc.malloc.arena_max=2")
                                     << QByteArray("glibc.malloc.arena_max=2:glibc.malloc.hugetlb=1") << 2;
        QTest::newRow("user's own choice") << QByteArray("glibc.malloc.hugetlb=0")
                                           << QByteArray("glibc.malloc.hugetlb=0") << 1;
    }

    void restartsOnceWithTheSetting()
    {
#if !defined(__GLIBC__)
        QSKIP("only the GNU C library has the setting");
#endif
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(int, starts);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("GLIBC_TUNABLES"));
        if (before != "-")
            environment.insert(QStringLiteral("GLIBC_TUNABLES"), QString::fromLatin1(before));
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--heap-child"), QStringLiteral("due parole"), QStringLiteral("città")});
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(child.readAllStandardOutput(), after + "|due parole|città\n");
        QCOMPARE(child.readAllStandardError().count("avvio\n"), starts);
    }
};

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--heap-child") == 0) {
        // Each start of the process, before and after the restart.
        std::fputs("avvio\n", stderr);
        Heap::preferLargePages(argv);
        const char* tunables = std::getenv("GLIBC_TUNABLES");
        std::printf("%s", tunables ? tunables : "");
        for (int i = 2; i < argc; ++i)
            std::printf("|%s", argv[i]);
        std::printf("\n");
        return 0;
    }
    QCoreApplication app(argc, argv);
    TestHeap test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_heap.moc"
