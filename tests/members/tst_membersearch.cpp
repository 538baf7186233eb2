#include "app/dates.h"
#include "members/membersearch.h"
#include "members/membersfixture.h"
#include "output/resultlines.h"
#include "output/resultlist.h"
#include "output/searchhandback.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

members::SearchTexts typed(const MemberFields& filters)
{
    members::SearchTexts t;
    for (const auto& [name, text] : filters) {
        const auto at = std::find_if(members::kSearchFields.begin(), members::kSearchFields.end(),
                                     [&field = name](const char* f) { return field == QLatin1String(f); });
        Q_ASSERT(at != members::kSearchFields.end());
        t[std::size_t(at - members::kSearchFields.begin())] = text;
    }
    return t;
}

}  // namespace

class TestMemberSearch : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        AppDir::set(m_dir->path());
    }
    void cleanup() { Clock::set({}); }

    void matching_data()
    {
        QTest::addColumn<MemberFields>("filters");
        QTest::addColumn<QList<int>>("found");
        // 1 Rossi Carlo (Roma), 2 Carlo Ross (Milano), 3 Bianchi Rossi (Roma),
        // 4 Rossi Anna annulled, 5 Rossi Ugo with a flag that is neither Sì nor No,
        // 6 Verdi Àngelo.
        QTest::newRow("all empty: every record not annulled") << MemberFields{} << QList<int>{1, 2, 3, 6};
        QTest::newRow("substring in any case") << MemberFields{{"Tesserato", "ROSS"}} << QList<int>{1, 2, 3};
        QTest::newRow("trailing blank is typed text")
            << MemberFields{{"Tesserato", "Rossi "}} << QList<int>{1};
        QTest::newRow("leading blank is typed text")
            << MemberFields{{"Tesserato", " Rossi"}} << QList<int>{3};
        QTest::newRow("every filter must match")
            << MemberFields{{"Tesserato", "rossi"}, {"ComuneRes", "roma"}} << QList<int>{1, 3};
        QTest::newRow("one of two filters is not enough")
            << MemberFields{{"Tesserato", "ross"}, {"ComuneRes", "Milano"}} << QList<int>{2};
        QTest::newRow("blanks only: required 0, every record")
            << MemberFields{{"Note", "   "}} << QList<int>{1, 2, 3, 6};
        QTest::newRow("only A-Z are lowered") << MemberFields{{"Tesserato", "àngelo"}} << QList<int>{};
        QTest::newRow("accented letter as stored") << MemberFields{{"Tesserato", "Àngelo"}} << QList<int>{6};
        QTest::newRow("each filter on its own field")
            << MemberFields{{"Carica", "Roma"}} << QList<int>{};
        QTest::newRow("no match") << MemberFields{{"CodFisc", "XYZ"}} << QList<int>{};
    }
    void matching()
    {
        QFETCH(MemberFields, filters);
        QFETCH(QList<int>, found);
        writeMembers({
            {{"Tesserato", "Rossi Carlo"}, {"ComuneRes", "Roma"}},
            {{"Tesserato", "Carlo Ross"}, {"ComuneRes", "Milano"}},
            {{"Tesserato", "Bianchi Rossi"}, {"ComuneRes", "Roma"}},
            {{"Tesserato", "Rossi Anna"}, {"ComuneRes", "Roma"}, {"Annullata", "S\u00EC"}},
            {{"Tesserato", "Rossi Ugo"}, {"ComuneRes", "Roma"}, {"Annullata", "no"}},
            {{"Tesserato", "Verdi \u00C0ngelo"}},
        });
        QCOMPARE(positions(members::search(membersPath(), typed(filters))), found);
    }

    void resultLineLayout()
    {
        const Record r = memberRecord({{"Tesserato", "Rossi Mario"},
                                       {"NumTessera", "A-123456789012345678901"},
                                       {"DataScade", "31/12/2025"},
                                       {"Recapito", "3331234567890"},
                                       {"Note", "paga in contanti, chiamare la sera"}});
        QCOMPARE(members::resultLine(r),
                 QStringLiteral("Rossi Mario                     Tessera n. A-123456789012345678  Scad. 31/12/2025"
                                "  Tel. 333123456789  paga in contanti, chiamare la sera"));
        const Record empty = memberRecord({});
        QCOMPARE(members::resultLine(empty), QString(30, ' ') + "  Tessera n. " + QString(20, ' ') + "  Scad. "
                                                 + QString(10, ' ') + "  Tel. " + QString(12, ' ') + "  ");
    }

    void missingArchiveIsAnError()
    {
        QVERIFY_THROWS_EXCEPTION(ArchiveError, members::search(membersPath(), {}, ArchiveFile::Mode::ReadOnly));
    }

    void findSteppingWraps()
    {
        const QStringList lines{"Rossi Carlo", "Bianchi", "carlo ross", "Verdi", "ROSSI anna"};
        const auto at = [&lines](int row) { return lines.at(row); };
        FindInList find;
        // A new text starts at the first line, which is tested first.
        QCOMPARE(find.step(5, at, 3, "ross"), 0);
        QCOMPARE(find.step(5, at, 0, "ross"), 2);
        QCOMPARE(find.step(5, at, 2, "ross"), 4);
        QCOMPARE(find.step(5, at, 4, "ross"), 0);  // wraps
        // Another text starts over; no selection means the first line.
        QCOMPARE(find.step(5, at, -1, "verdi"), 3);
        // Not found: the selection stays, the text is remembered.
        QCOMPARE(find.step(5, at, 1, "neri"), 1);
        QCOMPARE(find.lastText(), QStringLiteral("neri"));
        // The only match, found again, stays the selected line (tested last).
        QCOMPARE(find.step(5, at, 1, "Bianchi"), 1);
        QCOMPARE(find.step(5, at, 1, "Bianchi"), 1);
        // The typed text is not trimmed.
        QCOMPARE(find.step(5, at, 0, "ross "), 0);
        QCOMPARE(find.step(5, at, 0, "ross "), 0);
        QCOMPARE(find.step(5, at, 0, "carlo r"), 2);
        find.reset();
        QCOMPARE(find.step(5, at, 2, "carlo r"), 2);  // new again after a reset: from the top
    }

    void renewalRule_data()
    {
        QTest::addColumn<QString>("expiry");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<bool>("due");
        // Today is 05/03/2025.
        QTest::newRow("in 10 days, 10 days of notice") << "15/03/2025" << "10" << true;
        QTest::newRow("in 10 days, 9 days of notice") << "15/03/2025" << "9" << false;
        QTest::newRow("0 days of notice, expires today") << "05/03/2025" << "0" << true;
        QTest::newRow("0 days of notice, expires tomorrow") << "06/03/2025" << "0" << false;
        QTest::newRow("expired last year") << "10/01/2024" << "0" << true;
    }
    void renewalRule()
    {
        QFETCH(QString, expiry);
        QFETCH(QString, notice);
        QFETCH(bool, due);
        Clock::set(QDateTime(QDate(2025, 3, 5), QTime(23, 59)));
        writeMembers({{{"Tesserato", "Rossi Mario"}, {"DataScade", expiry}, {"Preavviso", notice}}});
        QCOMPARE(members::renewals(membersPath(), Clock::today()).size(), due ? 1 : 0);
    }

    void renewalListKeepsOrderSkipsAnnulledStopsAtUnreadable()
    {
        const QDate today(2025, 3, 5);
        writeMembers({
            {{"Tesserato", "Uno"}, {"DataScade", "01/01/2025"}, {"Preavviso", "0"}},
            {{"Tesserato", "Annullato"}, {"DataScade", "01/01/2025"}, {"Preavviso", "0"}, {"Annullata", "S\u00EC"}},
            {{"Tesserato", "Futuro"}, {"DataScade", "01/01/2026"}, {"Preavviso", "30"}},
            {{"Tesserato", "Due"}, {"DataScade", "20/03/2025"}, {"Preavviso", "30"}},
            {{"Tesserato", "Data rotta"}, {"DataScade", "31/02/2025"}, {"Preavviso", "0"}},
            {{"Tesserato", "Dopo"}, {"DataScade", "01/01/2025"}, {"Preavviso", "0"}},
        });
        const QList<ResultLine> lines = members::renewals(membersPath(), today);
        QCOMPARE(positions(lines), (QList<int>{1, 4}));
        QVERIFY(lines.at(1).text.startsWith("Due "));
    }

    // A route is the dialog and the caller key together: the same key in
    // another dialog is another route, and registering one leaves the other.
    void handBackGoesToTheRegisteredRouteOnly()
    {
        QStringList got;
        const SearchHandBack::Route members{"frmTrovaAnagrafica", "turni"};
        const SearchHandBack::Route hours{"frmTrovaOrari", "turni"};
        SearchHandBack::registerReceiver(members, [&got](int position, const Record&) {
            got << QStringLiteral("member %1").arg(position);
        });
        SearchHandBack::registerReceiver(hours, [&got](int position, const Record&) {
            got << QStringLiteral("template %1").arg(position);
        });
        const Record r = memberRecord({});
        QVERIFY(SearchHandBack::deliver(members, 7, r));
        QVERIFY(SearchHandBack::deliver(hours, 8, r));
        QVERIFY(!SearchHandBack::deliver({"frmTrovaAnagrafica", "scadenzario"}, 9, r));
        QVERIFY(!SearchHandBack::deliver({"frmTrovaScadenzario", "turni"}, 10, r));
        SearchHandBack::registerReceiver(members, {});
        QVERIFY(!SearchHandBack::hasReceiver(members));
        QVERIFY(SearchHandBack::deliver(hours, 11, r));
        SearchHandBack::registerReceiver(hours, {});
        QCOMPARE(got, (QStringList{"member 7", "template 8", "template 11"}));
    }
};

QTEST_GUILESS_MAIN(TestMemberSearch)
#include "tst_membersearch.moc"
