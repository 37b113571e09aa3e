#include "ShellSupport.h"

#include "core/M_globals.h"
#include "platform/SQLDatabase.h"
#include "platform/Window.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

StartedProgram::StartedProgram(const QString& sql) {
    if (!sql.isEmpty()) {
        EXPECT_TRUE(createDatabase(databasePath(), sql));
    }
    application = std::make_unique<App>();
    application->setApplicationFolder(folderPath());
    prepareApplication(*application);
    started = application->Start();
    settle();
}

StartedProgram::~StartedProgram() {
    if (!application->hasShutDown()) quit();
    application.reset();
    settle();
    M_globals::db.reset();
    M_globals::f_db.clear();
}

void StartedProgram::settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void StartedProgram::quit() {
    application->Quit(0);
    settle();
}

QString readValue(const QString& databaseFile, const QString& sql) {
    SQLDatabase db;
    db.setDatabaseFile(databaseFile);
    if (!db.Connect()) return "<no connection>";
    auto rows = db.SQLSelect(sql);
    if (!rows || rows->isEOF()) return "<no row>";
    return rows->IdxField(1).StringValue();
}
