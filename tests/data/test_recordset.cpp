#include "TestDatabase.h"
#include "TestPlatform.h"

#include "data/DataError.h"
#include "data/DataFolder.h"
#include "data/RecordSet.h"
#include "data/RecordSetModel.h"
#include "data/Schema.h"

#include <QSignalSpy>
#include <QTest>
#include <memory>

class TestRecordSet : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestPlatform> platform;

    static void addGuest(const QString &name, const QString &room = QStringLiteral("PM 01"))
    {
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("Nama"), name},
                                                     {QStringLiteral("NoKamar"), room},
                                                     {QStringLiteral("Checkin"), QStringLiteral("2004-02-28")},
                                                     {QStringLiteral("Harga"), 60000}});
    }

    static int errorOf(const std::function<void()> &work)
    {
        try {
            work();
        } catch (const DataError &e) {
            return e.number();
        }
        return 0;
    }

private slots:
    void init() { platform = std::make_unique<TestPlatform>(); }
    void cleanup()
    {
        VERIFY_PLATFORM_CLEAN(*platform);
        platform.reset();
    }

    void emptyTableIsAtItsEndAtOnce()
    {
        RecordSet rs(Schema::tamu());
        rs.open(DataFolder::databaseLocation());
        QCOMPARE(rs.count(), 0);
        QVERIFY(rs.isEof());
        QVERIFY(rs.isBof());
        QVERIFY(!rs.hasCurrent());
        QCOMPARE(errorOf([&] { rs.moveFirst(); }), int(DataError::NoCurrentRecord));
        QCOMPARE(errorOf([&] { rs.moveLast(); }), int(DataError::NoCurrentRecord));
        QCOMPARE(errorOf([&] { rs.text(0); }), int(DataError::NoCurrentRecord));
    }

    void readsFieldsByNameAndAsBoxesShowThem()
    {
        addGuest(QStringLiteral("Siti"));
        RecordSet rs(Schema::tamu());
        rs.open(DataFolder::databaseLocation());
        QCOMPARE(rs.count(), 1);
        QCOMPARE(rs.absolutePosition(), 1);
        QCOMPARE(rs.text(QStringLiteral("Checkin")), QStringLiteral("28/02/2004"));
        QCOMPARE(rs.text(QStringLiteral("Harga")), QStringLiteral("60000"));
        QCOMPARE(rs.text(QStringLiteral("No KTP/KTA")), QString());
        QCOMPARE(rs.value(QStringLiteral("Nama")).toString(), QStringLiteral("Siti"));
    }

    void pendingChangeIsWrittenWhenTheRowMovesAway()
    {
        addGuest(QStringLiteral("Satu"));
        addGuest(QStringLiteral("Dua"));
        RecordSet rs(Schema::tamu());
        rs.open(DataFolder::databaseLocation());
        rs.setText(QStringLiteral("No KTP/KTA"), QStringLiteral("KTP-1"));
        rs.setText(QStringLiteral("Checkin"), QStringLiteral("1/3/2004"));
        QCOMPARE(rs.editMode(), RecordSet::EditMode::Editing);
        QVERIFY(TestDatabase::rows(QStringLiteral("SELECT \"No KTP/KTA\" FROM \"Tamu\" WHERE \"Nama\"='Satu'")).first().value(QStringLiteral("No KTP/KTA")).isNull());
        rs.moveNext();
        QCOMPARE(rs.editMode(), RecordSet::EditMode::None);
        const QVariantMap row = TestDatabase::rows(QStringLiteral("SELECT * FROM \"Tamu\" WHERE \"Nama\"='Satu'")).first();
        QCOMPARE(row.value(QStringLiteral("No KTP/KTA")).toString(), QStringLiteral("KTP-1"));
        QCOMPARE(row.value(QStringLiteral("Checkin")).toString(), QStringLiteral("2004-03-01"));
    }

    void requeryDropsPendingChangesAndNewRows()
    {
        addGuest(QStringLiteral("Satu"));
        RecordSet rs(Schema::tamu());
        rs.open(DataFolder::databaseLocation());
        rs.setText(QStringLiteral("Nama"), QStringLiteral("Diubah"));
        rs.requery();
        QCOMPARE(rs.text(QStringLiteral("Nama")), QStringLiteral("Satu"));

        rs.addNew();
        QCOMPARE(rs.count(), 2);
        QCOMPARE(rs.text(QStringLiteral("Nama")), QString());
        rs.setText(QStringLiteral("Nama"), QStringLiteral("Baru"));
        rs.requery();
        QCOMPARE(rs.count(), 1);
        QCOMPARE(rs.position(), 0);
        QCOMPARE(TestDatabase::rows(QStringLiteral("SELECT * FROM \"Tamu\"")).size(), 1);
    }

    void addNewIsWrittenByUpdateWithStoreAssignedKeys()
    {
        RecordSet rs(Schema::transaksi());
        rs.open(DataFolder::databaseLocation());
        for (const QString &name : {QStringLiteral("A"), QStringLiteral("B")}) {
            rs.addNew();
            rs.setText(QStringLiteral("Nama"), name);
            rs.setText(QStringLiteral("Lama"), QStringLiteral("2"));
            rs.update();
        }
        QCOMPARE(rs.text(QStringLiteral("NoTransaksi")), QStringLiteral("002"));
        rs.moveFirst();
        QCOMPARE(rs.text(QStringLiteral("NoTransaksi")), QStringLiteral("001"));

        RecordSet guests(Schema::tamu());
        guests.open(DataFolder::databaseLocation());
        guests.addNew();
        guests.setText(QStringLiteral("Nama"), QStringLiteral("Tamu"));
        guests.update();
        QCOMPARE(guests.text(QStringLiteral("NoID")), QStringLiteral("1"));
    }

    void repeatedKeyIsAKeyViolationAndStaysPending()
    {
        TestDatabase::exec(QStringLiteral("CREATE UNIQUE INDEX ktp ON \"Tamu\" (\"No KTP/KTA\")"));
        TestDatabase::insert(QStringLiteral("Tamu"), {{QStringLiteral("No KTP/KTA"), QStringLiteral("K1")}});
        RecordSet rs(Schema::tamu());
        rs.open(DataFolder::databaseLocation());
        rs.addNew();
        rs.setText(QStringLiteral("No KTP/KTA"), QStringLiteral("K1"));
        QCOMPARE(errorOf([&] { rs.update(); }), int(DataError::KeyViolation));
        QCOMPARE(rs.editMode(), RecordSet::EditMode::Adding);
        QCOMPARE(rs.text(QStringLiteral("No KTP/KTA")), QStringLiteral("K1"));
        rs.setText(QStringLiteral("No KTP/KTA"), QStringLiteral("K2"));
        rs.update();
        QCOMPARE(TestDatabase::rows(QStringLiteral("SELECT * FROM \"Tamu\"")).size(), 2);
    }

    void textThatTheFieldCannotHoldIsAMismatchNotAKeyViolation()
    {
        RecordSet rs(Schema::tamu());
        rs.open(DataFolder::databaseLocation());
        rs.addNew();
        rs.setText(QStringLiteral("Checkin"), QStringLiteral("31/02/2004"));
        QCOMPARE(rs.text(QStringLiteral("Checkin")), QStringLiteral("31/02/2004"));
        QCOMPARE(errorOf([&] { rs.update(); }), int(DataError::TypeMismatch));
        rs.setText(QStringLiteral("Harga"), QStringLiteral("60000,5"));
        rs.setText(QStringLiteral("Checkin"), QStringLiteral("28/02/2004"));
        QCOMPARE(errorOf([&] { rs.update(); }), int(DataError::TypeMismatch));
        rs.setText(QStringLiteral("Harga"), QStringLiteral("60000"));
        rs.update();
        QCOMPARE(TestDatabase::rows(QStringLiteral("SELECT \"Harga\" FROM \"Tamu\"")).first().value(QStringLiteral("Harga")).toInt(), 60000);
    }

    void deleteThenMoveNextLandsOnTheFollowingRow()
    {
        for (const char *n : {"A", "B", "C"})
            addGuest(QString::fromLatin1(n));
        RecordSet rs(Schema::tamu());
        rs.open(DataFolder::databaseLocation());
        rs.moveNext(); // B
        rs.deleteCurrent();
        QVERIFY(!rs.hasCurrent());
        rs.moveNext();
        QCOMPARE(rs.text(QStringLiteral("Nama")), QStringLiteral("C"));
        rs.deleteCurrent();
        rs.moveNext();
        QVERIFY(rs.isEof());
        rs.moveLast();
        QCOMPARE(rs.text(QStringLiteral("Nama")), QStringLiteral("A"));
        rs.deleteCurrent();
        QCOMPARE(rs.count(), 0);
        QCOMPARE(TestDatabase::rows(QStringLiteral("SELECT * FROM \"Tamu\"")).size(), 0);
    }

    void gridModelFollowsTheRecordSet()
    {
        addGuest(QStringLiteral("A"));
        RecordSet rs(Schema::tamu());
        RecordSetModel model(&rs);
        rs.open(DataFolder::databaseLocation());
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.columnCount(), 10);
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("No KTP/KTA"));
        QCOMPARE(model.index(0, 6).data().toString(), QStringLiteral("28/02/2004"));
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        rs.setText(QStringLiteral("Nama"), QStringLiteral("B"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(model.index(0, 2).data().toString(), QStringLiteral("B"));
        rs.addNew();
        QCOMPARE(model.rowCount(), 2);
        rs.requery();
        QCOMPARE(model.rowCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestRecordSet)
#include "test_recordset.moc"
