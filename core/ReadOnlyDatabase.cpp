#include "core/ReadOnlyDatabase.h"

#include "core/DatabaseCheck.h"
#include "core/M_globals.h"
#include "platform/Dialogs.h"
#include "platform/SQLDatabase.h"

#include <QDir>
#include <QFileInfo>

namespace {

std::function<bool(const QString&)>& writableAnswer() {
    static std::function<bool(const QString&)> answer;
    return answer;
}

}  // namespace

QString shownDatabasePath() { return QDir::toNativeSeparators(QFileInfo(M_globals::f_db).absoluteFilePath()); }

QString notDoneWithFile(const QString& notDone, const QString& why) {
    return notDone + ": the file " + shownDatabasePath() + " " + why + ".";
}

QString databaseFailure(const QString& notDone) {
    if (!M_globals::db) return "No database connection!";
    if (!M_globals::db->ErrorIsBusy()) return M_globals::db->ErrorMessage();
    return notDoneWithFile(notDone, "is locked by another program") + CR +
           "Try again when that program has finished with it.";
}

QString readFailure(const QString& notRead, const QString& done) {
    if (done.isEmpty()) return databaseFailure(notRead);
    const QString both = done + ", but " + notRead.left(1).toLower() + notRead.mid(1);
    if (M_globals::db && !M_globals::db->ErrorIsBusy()) return both + ": " + M_globals::db->ErrorMessage();
    return databaseFailure(both);
}

QString tableNotRead(const QString& table) { return "The table " + table + " could not be read"; }

bool databaseFileWritable(const QString& path) {
    if (writableAnswer()) return writableAnswer()(path);
    return writable(path) && writable(QFileInfo(path).absolutePath());
}

void setDatabaseWritableAnswer(std::function<bool(const QString&)> answer) { writableAnswer() = std::move(answer); }

void chooseConnectionMode(SQLDatabase& db, const QString& path) { db.setReadOnly(!databaseFileWritable(path)); }

void tellWhenReadOnly() {
    if (!databaseIsReadOnly()) return;
    // The engine itself only reads a file whose header asks for a later version of it to write.
    const QString why = databaseFileWritable(M_globals::f_db) ? headerReadOnlyReason(M_globals::f_db) : QString();
    MsgBox("The file " + shownDatabasePath() + " can be read but not written: nothing will be saved to it." + CR +
           (why.isEmpty() ? "To save your changes, make the file and its folder writable and open it again." : why));
}

bool databaseIsReadOnly() { return M_globals::db && M_globals::db->isReadOnly(); }

bool mayWriteDatabase(const QString& notDone) {
    if (!databaseIsReadOnly()) return true;
    MsgBox(notDoneWithFile(notDone, "can be read but not written"));
    return false;
}
