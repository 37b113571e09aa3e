#include "platform/SQLDatabase.h"
#include "support/TestSupport.h"

#include <QFile>
#include <chrono>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <thread>

namespace {

class Database : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(createDatabase(path, R"(
            CREATE TABLE t (name varchar, n integer, flag integer, note varchar);
            INSERT INTO t VALUES ('a', 1, 1, 'x'), ('b', 2, 0, 'y'), ('b', 2, 0, 'y');
            CREATE TABLE log (id INTEGER PRIMARY KEY AUTOINCREMENT, word varchar);
            CREATE TABLE "odd""name" (v varchar);
            INSERT INTO "odd""name" VALUES ('quoted');)"));
        db.setDatabaseFile(path);
        ASSERT_TRUE(db.Connect());
    }
    QStringList column(const QString& sql, const QString& name) {
        QStringList values;
        auto rs = db.SQLSelect(sql);
        EXPECT_TRUE(rs) << db.ErrorMessage().toStdString();
        for (; rs && !rs->isEOF(); rs->MoveNext()) values << rs->Field(name).StringValue();
        return values;
    }
    TestFolder folder;
    // A column of a select through a second connection, as another program sees the file.
    QStringList readRows(const QString& sql) {
        SQLDatabase other;
        other.setDatabaseFile(path);
        EXPECT_TRUE(other.Connect());
        QStringList values;
        auto rs = other.SQLSelect(sql);
        for (; rs && !rs->isEOF(); rs->MoveNext()) values << rs->IdxField(1).StringValue();
        return values;
    }
    QString path = folder.path("db");
    SQLDatabase db;
};

}  // namespace

TEST(DatabaseConnect, NeverCreatesAndRefusesOtherFiles) {
    TestFolder folder;
    SQLDatabase missing;
    missing.setDatabaseFile(folder.path("none"));
    EXPECT_FALSE(missing.Connect());
    EXPECT_FALSE(QFile::exists(folder.path("none")));

    QFile text(folder.path("text"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("this is not a database, just some text that is long enough to look like a header");
    text.close();
    SQLDatabase notDatabase;
    notDatabase.setDatabaseFile(folder.path("text"));
    EXPECT_FALSE(notDatabase.Connect());
    EXPECT_FALSE(notDatabase.ErrorMessage().isEmpty());
}

TEST_F(Database, ConnectAgainSucceedsAtOnce) {
    EXPECT_TRUE(db.Connect());
    EXPECT_TRUE(db.isConnected());
}

// Another program's lock is waited for: a write made while it is held briefly goes through once
// it is gone; a lock held throughout fails the write with the engine's message, and nothing is
// written.
TEST_F(Database, ALockIsWaitedForBeforeAWriteFails) {
    std::promise<bool> lockTaken;
    std::thread otherProgram([&] {
        HeldLock lock(path);
        lockTaken.set_value(lock.held());
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    });
    const bool held = lockTaken.get_future().get();
    EXPECT_TRUE(db.SQLExecute("INSERT INTO log (word) VALUES ('after a wait')")) << db.ErrorMessage().toStdString();
    otherProgram.join();
    ASSERT_TRUE(held);

    {
        HeldLock lock(path);
        ASSERT_TRUE(lock.held());
        EXPECT_TRUE(db.BeginTransaction());
        EXPECT_FALSE(db.SQLExecute("INSERT INTO log (word) VALUES ('never')"));
        EXPECT_EQ(db.ErrorMessage(), "database is locked");
        EXPECT_TRUE(db.ErrorIsBusy());
        EXPECT_TRUE(db.Rollback());
        EXPECT_FALSE(db.ErrorIsBusy());
    }
    // Only a lock is told as one.
    EXPECT_FALSE(db.SQLExecute("INSERT INTO nowhere VALUES (1)"));
    EXPECT_FALSE(db.ErrorIsBusy());
    EXPECT_EQ(column("SELECT word FROM log", "word"), QStringList{"after a wait"});
}

TEST_F(Database, FieldsByNameAndPosition) {
    auto rs = db.SQLSelect("SELECT * FROM t");
    ASSERT_TRUE(rs);
    EXPECT_EQ(rs->RecordCount(), 3);
    EXPECT_EQ(rs->Field("NAME").StringValue(), "a");  // any letter case
    EXPECT_EQ(rs->IdxField(2).IntegerValue(), 1);      // counted from 1
    EXPECT_EQ(rs->IdxField(1).StringValue(), "a");
    EXPECT_TRUE(rs->Field("Flag").BooleanValue());
    // A column that does not exist reads as empty, 0 and False.
    for (DatabaseField missing : {rs->Field("nothing"), rs->IdxField(0), rs->IdxField(9)}) {
        EXPECT_EQ(missing.StringValue(), "");
        EXPECT_EQ(missing.IntegerValue(), 0);
        EXPECT_FALSE(missing.BooleanValue());
    }
    // Past the last row nothing is read.
    for (int i = 0; i < 5; ++i) rs->MoveNext();
    EXPECT_TRUE(rs->isEOF());
    EXPECT_EQ(rs->Field("name").StringValue(), "");
}

TEST_F(Database, BooleansAndIntegersFromText) {
    struct Case { const char* stored; bool boolean; qint64 integer; };
    const Case cases[] = {{"1", true, 1}, {"0", false, 0}, {"7", true, 7}, {"true", true, 0},
                          {"TRUE", true, 0}, {"false", false, 0}, {"", false, 0}, {"12abc", false, 12}};
    for (const Case& c : cases) {
        auto rs = db.SQLSelect("SELECT ? AS v", {QString(c.stored)});
        ASSERT_TRUE(rs);
        EXPECT_EQ(rs->Field("v").BooleanValue(), c.boolean) << c.stored;
        EXPECT_EQ(rs->Field("v").IntegerValue(), c.integer) << c.stored;
    }
}

TEST_F(Database, IntegersFromRealsTruncateAndStopAtTheEndsOfTheRange) {
    // As the engine's own CAST: a real beyond the 64-bit range gives the nearest end.
    struct Case { const char* stored; qint64 integer; };
    const Case cases[] = {{"2.9", 2}, {"-2.9", -2}, {"1e300", INT64_MAX}, {"-1e300", INT64_MIN},
                          {"9.3e18", INT64_MAX}, {"-9.3e18", INT64_MIN}, {"4e15", 4000000000000000}};
    for (const Case& c : cases) {
        auto rs = db.SQLSelect(QString("SELECT %1 AS v, CAST(%1 AS INTEGER) AS engine").arg(c.stored));
        ASSERT_TRUE(rs);
        EXPECT_EQ(rs->Field("v").IntegerValue(), c.integer) << c.stored;
        EXPECT_EQ(rs->Field("engine").IntegerValue(), c.integer) << c.stored;
    }
}

TEST_F(Database, UpdateWritesOnlySetFieldsOfTheCurrentRow) {
    // Without a rowid in the select: the current row is found by its values; of two equal rows only
    // one changes.
    auto rs = db.SQLSelect("SELECT * FROM t WHERE name = 'b'");
    ASSERT_TRUE(rs);
    rs->Edit();
    rs->Field("note").setStringValue("it's \"new\"");
    ASSERT_TRUE(rs->Update()) << db.ErrorMessage().toStdString();
    EXPECT_EQ(column("SELECT * FROM t ORDER BY rowid", "note"), QStringList({"x", "it's \"new\"", "y"}));
    EXPECT_EQ(column("SELECT * FROM t ORDER BY rowid", "n"), QStringList({"1", "2", "2"}));
    EXPECT_EQ(rs->Field("note").StringValue(), "it's \"new\"");

    // With the rowid selected: the row of that id.
    auto byId = db.SQLSelect("SELECT rowid AS rowid, * FROM t ORDER BY rowid DESC");
    ASSERT_TRUE(byId);
    byId->Edit();
    byId->Field("flag").setBooleanValue(true);
    ASSERT_TRUE(byId->Update());
    EXPECT_EQ(column("SELECT * FROM t ORDER BY rowid", "flag"), QStringList({"1", "0", "1"}));
}

TEST_F(Database, AChangeThatWritesNothingFailsAndSaysWhy) {
    // Each case edits the current row of its select and expects Update to fail with a message
    // holding `says`, the table left as it was.
    struct Case {
        const char* what;
        const char* select;
        std::function<void(RecordSet&)> set;
        const char* says;
    };
    const Case cases[] = {
        {"a column the table lacks", "SELECT rowid AS rowid, * FROM t",
         [](RecordSet& rs) { rs.Field("ShortName").setStringValue("s"); }, "The table t has no column ShortName."},
        {"a known and an unknown column: neither is written", "SELECT rowid AS rowid, * FROM t",
         [](RecordSet& rs) {
             rs.Field("note").setStringValue("changed");
             rs.Field("nosuch").setStringValue("s");
         },
         "nosuch"},
        {"a column the statement computed", "SELECT rowid AS rowid, *, n + 1 AS later FROM t",
         [](RecordSet& rs) { rs.Field("later").setIntegerValue(7); }, "cannot be changed"},
        {"a position beyond the columns", "SELECT * FROM t", [](RecordSet& rs) { rs.IdxField(9).setStringValue("s"); },
         "no column 9"},
        {"nothing set", "SELECT rowid AS rowid, * FROM t", [](RecordSet&) {}, "Nothing was set"},
        {"the row deleted since it was read", "SELECT rowid AS rowid, * FROM t",
         [this](RecordSet& rs) {
             ASSERT_TRUE(db.SQLExecute("DELETE FROM t WHERE name = 'a'"));
             rs.Field("note").setStringValue("changed");
         },
         "no longer in the table t"},
        {"the row changed since it was read (no rowid selected)", "SELECT * FROM t",
         [this](RecordSet& rs) {
             ASSERT_TRUE(db.SQLExecute("UPDATE t SET n = 9 WHERE name = 'a'"));
             rs.Field("note").setStringValue("changed");
         },
         "no longer in the table t"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(db.SQLExecute("DELETE FROM t"));
        ASSERT_TRUE(db.SQLExecute("INSERT INTO t VALUES ('a', 1, 1, 'x'), ('b', 2, 0, 'y')"));
        auto rs = db.SQLSelect(c.select);
        ASSERT_TRUE(rs);
        rs->Edit();
        c.set(*rs);
        const QStringList before = column("SELECT * FROM t ORDER BY rowid", "note");
        EXPECT_FALSE(rs->Update());
        EXPECT_TRUE(db.Error());
        EXPECT_TRUE(db.ErrorMessage().contains(c.says)) << db.ErrorMessage().toStdString();
        EXPECT_EQ(column("SELECT * FROM t ORDER BY rowid", "note"), before);
    }

    // A new Edit starts afresh: the unknown name of the failed update is forgotten.
    auto rs = db.SQLSelect("SELECT rowid AS rowid, * FROM t");
    ASSERT_TRUE(rs);
    rs->Edit();
    rs->Field("nosuch").setStringValue("s");
    EXPECT_FALSE(rs->Update());
    rs->Edit();
    rs->Field("note").setStringValue("z");
    EXPECT_TRUE(rs->Update()) << db.ErrorMessage().toStdString();
    EXPECT_FALSE(db.Error());
}

TEST_F(Database, ColumnsChangedByAnotherConnectionAreNamedAsTheyNowAre) {
    ASSERT_TRUE(db.SQLSelect("SELECT * FROM t"));  // the schema as this connection first read it
    ASSERT_TRUE(createDatabase(path, "ALTER TABLE t DROP COLUMN n"));
    auto rs = db.SQLSelect("SELECT * FROM t WHERE name = 'a'");
    ASSERT_TRUE(rs);
    EXPECT_EQ(rs->FieldCount(), 3);
    EXPECT_EQ(rs->Field("note").StringValue(), "x");
    EXPECT_EQ(rs->Field("n").StringValue(), "");
}

TEST_F(Database, DeleteRecordOfARowGoneSinceItWasReadFails) {
    auto rs = db.SQLSelect("SELECT rowid AS rowid, * FROM t WHERE name = 'a'");
    ASSERT_TRUE(rs);
    ASSERT_TRUE(db.SQLExecute("DELETE FROM t WHERE name = 'a'"));
    EXPECT_FALSE(rs->DeleteRecord());
    EXPECT_TRUE(db.ErrorMessage().contains("no longer in the table t")) << db.ErrorMessage().toStdString();
    EXPECT_EQ(rs->RecordCount(), 1);
}

TEST_F(Database, TableNamesCompareAsTheEngineComparesThem) {
    // The engine refuses a second table whose name it takes for the first one's.
    struct Case {
        const char* first;
        const char* second;
    };
    const Case cases[] = {
        {"English_Default", "ENGLISH_DEFAULT"},
        {"trigrams_default", "TRIGRAMS_DEFAULT"},
        {"abc", "abd"},
        {"abc", "abc "},
        {"\u00e4rger", "\u00c4RGER"},  // letters beyond ASCII keep their case
    };
    for (const Case& c : cases) {
        const QString first = QString::fromUtf8(c.first), second = QString::fromUtf8(c.second);
        SCOPED_TRACE((first + " / " + second).toStdString());
        ASSERT_TRUE(db.SQLExecute("CREATE TABLE " + quoteIdentifier(first) + " (v)"));
        const bool engineSame = !db.SQLExecute("CREATE TABLE " + quoteIdentifier(second) + " (v)");
        EXPECT_EQ(sameTableName(first, second), engineSame);
        EXPECT_EQ(sameTableName(second, first), engineSame);
        EXPECT_TRUE(db.SQLExecute("DROP TABLE " + quoteIdentifier(first)));
        if (!engineSame) {
            EXPECT_TRUE(db.SQLExecute("DROP TABLE " + quoteIdentifier(second)));
        }
    }
}

TEST_F(Database, DeleteRecordRemovesTheCurrentRowOnly) {
    auto rs = db.SQLSelect("SELECT rowid AS rowid, * FROM t WHERE name = 'b'");
    ASSERT_TRUE(rs);
    ASSERT_TRUE(rs->DeleteRecord());
    EXPECT_EQ(column("SELECT * FROM t ORDER BY rowid", "name"), QStringList({"a", "b"}));
    EXPECT_EQ(rs->RecordCount(), 1);
}

TEST_F(Database, OneStatementAtATime) {
    EXPECT_FALSE(db.SQLSelect("SELECT 1; DROP TABLE t"));
    EXPECT_TRUE(db.Error());
    EXPECT_FALSE(db.SQLExecute("DELETE FROM t; DROP TABLE t"));
    EXPECT_EQ(column("SELECT * FROM t", "name").size(), 3);
    EXPECT_TRUE(db.SQLExecute("DELETE FROM t WHERE name = 'a';  "));  // a trailing separator is fine
    EXPECT_FALSE(db.Error());
}

TEST_F(Database, FailedSelectReportsTheEngineMessage) {
    EXPECT_FALSE(db.SQLSelect("SELECT * FROM nowhere"));
    EXPECT_TRUE(db.Error());
    EXPECT_TRUE(db.ErrorMessage().contains("nowhere"));
    EXPECT_TRUE(db.SQLSelect("SELECT * FROM t"));
    EXPECT_FALSE(db.Error());  // the next statement clears it
}

TEST_F(Database, QuotedNamesAndBoundValues) {
    EXPECT_EQ(quoteIdentifier("odd\"name"), "\"odd\"\"name\"");
    EXPECT_EQ(column("SELECT * FROM " + quoteIdentifier("odd\"name"), "v"), QStringList({"quoted"}));
    EXPECT_EQ(column("SELECT * FROM t WHERE name = ?", "n").size(), 0);
    auto rs = db.SQLSelect("SELECT * FROM t WHERE name = ?", {QString("a' OR '1'='1")});
    ASSERT_TRUE(rs);
    EXPECT_TRUE(rs->isEOF());
}

TEST_F(Database, SchemasListOwnTablesAndColumns) {
    EXPECT_TRUE(db.SQLExecute("INSERT INTO log (word) VALUES ('w')"));  // makes sqlite_sequence
    QStringList tables;
    auto schema = db.TableSchema();
    ASSERT_TRUE(schema);
    for (; !schema->isEOF(); schema->MoveNext()) tables << schema->IdxField(1).StringValue();
    EXPECT_EQ(tables, QStringList({"t", "log", "odd\"name"}));

    QStringList columns;
    auto fields = db.FieldSchema("t");
    ASSERT_TRUE(fields);
    for (; !fields->isEOF(); fields->MoveNext()) columns << fields->Field("ColumnName").StringValue();
    EXPECT_EQ(columns, QStringList({"name", "n", "flag", "note"}));
}

TEST_F(Database, InsertRecordAndTransactions) {
    EXPECT_TRUE(db.Commit());  // no transaction open: nothing to do
    DatabaseRecord record;
    record.Column("name", "c");
    record.IntegerColumn("n", 3);
    record.BooleanColumn("flag", true);
    ASSERT_TRUE(db.InsertRecord("t", record));
    EXPECT_EQ(column("SELECT * FROM t WHERE name = 'c'", "flag"), QStringList({"1"}));

    ASSERT_TRUE(db.BeginTransaction());
    ASSERT_TRUE(db.SQLExecute("CREATE TABLE copy (v varchar)"));
    ASSERT_TRUE(db.Rollback());
    EXPECT_FALSE(db.SQLSelect("SELECT * FROM copy"));
}

// A connection opened for reading only reads, says it is read-only, and leaves the file as it was
// whatever it is asked to write.
TEST_F(Database, AReadOnlyConnectionReadsAndWritesNothing) {
    EXPECT_FALSE(db.isReadOnly());
    db.Close();
    const QByteArray before = fileBytes(path);
    SQLDatabase reader;
    reader.setDatabaseFile(path);
    reader.setReadOnly(true);
    ASSERT_TRUE(reader.Connect());
    EXPECT_TRUE(reader.isReadOnly());
    auto rows = reader.SQLSelect("SELECT name FROM t");
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->RecordCount(), 3);
    EXPECT_FALSE(reader.SQLExecute("INSERT INTO log (word) VALUES ('never')"));
    EXPECT_FALSE(reader.SQLExecute("CREATE TABLE never (v varchar)"));
    EXPECT_FALSE(reader.ErrorMessage().isEmpty());
    reader.Close();
    EXPECT_FALSE(reader.isReadOnly());
    EXPECT_EQ(fileBytes(path), before);
}

// Work left half done when the connection closes is not made permanent: the file keeps none of it,
// byte for byte.
TEST_F(Database, CloseRollsAnOpenTransactionBack) {
    const QByteArray before = fileBytes(path);
    ASSERT_TRUE(db.BeginTransaction());
    ASSERT_TRUE(db.SQLExecute("INSERT INTO log (word) VALUES ('half done')"));
    ASSERT_TRUE(db.SQLExecute("CREATE TABLE half (v varchar)"));
    db.Close();
    EXPECT_EQ(fileBytes(path), before);
    ASSERT_TRUE(db.Connect());
    EXPECT_TRUE(column("SELECT word FROM log", "word").isEmpty());
    EXPECT_FALSE(db.SQLSelect("SELECT * FROM half"));
}

// A transaction is not joined by another: the inner begin fails with a message, and the outer one
// goes on, its work committed or rolled back whole by its own caller.
TEST_F(Database, ATransactionBegunInsideAnotherIsRefused) {
    for (const bool commit : {true, false}) {
        SCOPED_TRACE(commit ? "outer commits" : "outer rolls back");
        ASSERT_TRUE(db.BeginTransaction());
        ASSERT_TRUE(db.SQLExecute("INSERT INTO log (word) VALUES ('outer')"));
        EXPECT_FALSE(db.BeginTransaction());
        EXPECT_TRUE(db.Error());
        EXPECT_FALSE(db.ErrorMessage().isEmpty());
        // Still the outer transaction: a second connection sees nothing of it yet.
        EXPECT_EQ(readRows("SELECT word FROM log"), QStringList{});
        ASSERT_TRUE(db.SQLExecute("INSERT INTO log (word) VALUES ('outer, more')"));
        ASSERT_TRUE(commit ? db.Commit() : db.Rollback());
        EXPECT_EQ(readRows("SELECT word FROM log"), commit ? QStringList({"outer", "outer, more"}) : QStringList{});
        ASSERT_TRUE(db.SQLExecute("DELETE FROM log"));
    }
}

TEST_F(Database, RecordSetOutlivesItsConnection) {
    auto rs = db.SQLSelect("SELECT * FROM t");
    ASSERT_TRUE(rs);
    db.Close();
    EXPECT_EQ(rs->Field("name").StringValue(), "a");
    rs->Edit();
    rs->Field("name").setStringValue("z");
    EXPECT_FALSE(rs->Update());
}
