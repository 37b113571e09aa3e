#pragma once
// The application object.
#include <QString>

class SQLDatabase;
class RecordSet;

class App {
public:
    // The start-up connection. getStartdatabase finds "i_virev_DB" beside the program; when it is
    // missing it shows the message and answers False, and the caller ends start-up and quits with
    // exit code 0. getdatabase then connects it and loads the fonts.
    static bool getStartdatabase();
    static void getdatabase();

    // Validation of a candidate database file before a switch; the messages are shown here.
    static bool checkDatabase(SQLDatabase& candidate);
    static bool checkDefaultTables(RecordSet& tables, const QString& name);
    static bool checkFields(RecordSet& columns, int tableType);

    // The file name of the start-up database, looked up beside the program.
    static constexpr const char* startDatabaseName = "i_virev_DB";
};
