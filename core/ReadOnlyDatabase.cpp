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
    MsgBox(notDone + ": the file " + shownDatabasePath() + " can be read but not written.");
    return false;
}
