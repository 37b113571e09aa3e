// A select on the connection in use whose failure is told to the user.
#include "core/M_globals.h"
#include "core/ReadOnlyDatabase.h"
#include "platform/Dialogs.h"
#include "platform/SQLDatabase.h"

namespace M_globals {

std::shared_ptr<RecordSet> selectShowingFailure(const QString& notRead, const QString& sql,
                                                const QVariantList& values) {
    if (!db) return nullptr;
    std::shared_ptr<RecordSet> rows = db->SQLSelect(sql, values);
    if (!rows || db->Error()) {
        MsgBox(readFailure(notRead));
        return nullptr;
    }
    return rows;
}

}  // namespace M_globals
