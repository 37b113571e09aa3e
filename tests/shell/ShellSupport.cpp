#include "ShellSupport.h"

#include "core/M_globals.h"
#include "input/InputWindow.h"
#include "platform/SQLDatabase.h"
#include "platform/Window.h"

#include <QCoreApplication>
#include <QFile>
#include <gtest/gtest.h>

StartedProgram::StartedProgram(const QString& sql, std::unique_ptr<App> app) {
    if (!sql.isEmpty()) {
        EXPECT_TRUE(createDatabase(databasePath(), sql));
    }
    start(std::move(app));
}

StartedProgram::StartedProgram(const RawFile& file) {
    QFile out(databasePath());
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(file.contents);
    out.close();
    start(nullptr);
}

StartedProgram::StartedProgram(const std::function<bool(const QString& path)>& make) {
    EXPECT_TRUE(make(databasePath()));
    madeListing = folderListing(folderPath());
    start(nullptr);
}

void StartedProgram::start(std::unique_ptr<App> app) {
    application = app ? std::move(app) : std::make_unique<App>();
    application->setApplicationFolder(folderPath());
    prepareApplication(*application);
    started = application->Start();
    settle();
}

StartedProgram::~StartedProgram() {
    if (!application->hasShutDown()) quit();
    application.reset();
    settle();
    // The shared state as a new process has it.
    M_globals::db.reset();
    M_globals::f_db.clear();
    M_globals::tridata.assign(1, nullptr);
    M_globals::font_text.clear();
    M_globals::isprintersetup = false;
    M_globals::printsettings.clear();
    M_globals::Printer_ps.reset();
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

void StartedProgram::closeInputWindow() {
    if (InputWindow* input = findWindow<InputWindow>()) input->Close();
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

QString databaseSql(const QString& trigramPrefix, const QString& textFont, const QString& displayBounds) {
    QString sql = validDatabaseSql();
    sql.replace("'tri", "'" + trigramPrefix);
    sql += QString("UPDATE ProgramPrefs SET font_text = '%1', DisplayW = '%2';\n").arg(textFont, displayBounds);
    return sql;
}
