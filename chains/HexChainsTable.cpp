#include "chains/HexChainsTable.h"

#include "core/FixedTableColumns.h"
#include "core/M_globals.h"
#include "core/ReadOnlyDatabase.h"
#include "display/ChainLogic.h"
#include "platform/SQLDatabase.h"

namespace HexChainsTable {

using namespace ChainColumn;

namespace {

const QString noConnection = "No database connection!";

SQLDatabase* connection(QString& error) {
    SQLDatabase* db = M_globals::db.get();
    if (!db || !db->isConnected()) {
        error = noConnection;
        return nullptr;
    }
    return db;
}

// The rowid is selected by name, so that a row is read, changed and deleted by its own id. A
// failure sets error to say that `notDone` was not done.
std::shared_ptr<RecordSet> selectRow(SQLDatabase& db, qint64 id, const QString& notDone, QString& error) {
    auto rows = db.SQLSelect("SELECT rowid AS rowid, * FROM HexChains WHERE rowid = ?1", {id});
    if (!rows || db.Error()) {
        error = databaseFailure(notDone);
        return nullptr;
    }
    return rows;
}

}  // namespace

QString notSaved(const QString& name) { return "The chain \"" + name + "\" was not saved"; }

QString notDeleted(const QString& name) { return "The chain \"" + name + "\" was not deleted"; }

Listing list(const QString& done) {
    Listing listing;
    SQLDatabase* db = connection(listing.error);
    if (!db) return listing;
    // The comments are read one at a time, when a row is clicked.
    auto rows = db->SQLSelect(QString("SELECT rowid AS rowid, %1, %2 FROM HexChains").arg(Name, Chain));
    if (!rows || db->Error()) {
        listing.error = readFailure("The list of saved chains could not be read", done);
        return listing;
    }
    // A field reads the current row: each is looked up by its name once.
    const DatabaseField name = rows->Field(Name), id = rows->Field("rowid"), chain = rows->Field(Chain);
    listing.rows.reserve(static_cast<size_t>(rows->RecordCount()));
    for (rows->MoveFirst(); !rows->isEOF(); rows->MoveNext())
        listing.rows.push_back({name.StringValue(), id.IntegerValue(), chain.StringValue()});
    rows->Close();
    return listing;
}

std::optional<Entry> read(qint64 id, QString& error) {
    SQLDatabase* db = connection(error);
    if (!db) return std::nullopt;
    auto rows = selectRow(*db, id, "The saved chain could not be read", error);
    if (!rows) return std::nullopt;
    rows->MoveFirst();
    std::optional<Entry> entry;
    if (!rows->isEOF()) entry = Entry{rows->Field(Name).StringValue(), rows->Field(Comment).StringValue()};
    rows->Close();
    return entry;
}

QString add(const QString& name, const QString& comment, const QString& chain) {
    QString error;
    SQLDatabase* db = connection(error);
    if (!db) return error;
    // Only a chain that can be loaded back is stored.
    if (QString refusal = ChainLogic::storedChainTooLong(chain, "It is not saved."); !refusal.isEmpty()) return refusal;
    DatabaseRecord record;
    record.Column(Name, name);
    QString test = comment;
    if (M_globals::DoesStringHaveText(test)) record.Column(Comment, comment);
    record.Column(Chain, chain);
    if (!db->InsertRecord("HexChains", record) || db->Error()) return databaseFailure(notSaved(name));
    if (!db->Commit() || db->Error()) return databaseFailure(notSaved(name));
    return {};
}

Removal remove(qint64 id, const QString& name, QString& error) {
    SQLDatabase* db = connection(error);
    if (!db) return Removal::Failed;
    auto rows = selectRow(*db, id, notDeleted(name), error);
    if (!rows) return Removal::Failed;
    rows->MoveFirst();
    if (rows->isEOF()) return Removal::Missing;
    const bool deleted = rows->DeleteRecord() && !db->Error() && db->Commit() && !db->Error();
    if (!deleted) error = databaseFailure(notDeleted(name));
    rows->Close();
    return deleted ? Removal::Deleted : Removal::Failed;
}

int firstMatch(const std::vector<QString>& texts, const QString& text) {
    for (size_t i = 0; i < texts.size(); ++i)
        if (texts[i] == text) return static_cast<int>(i);
    return -1;
}

}  // namespace HexChainsTable
