#include "WriterSupport.h"

#include "chains/Whexchains.h"
#include "display/HexSettings.h"
#include "display/displayWindow.h"
#include "platform/DisclosureTriangle.h"
#include "platform/Listbox.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

QString everyWriterSql() {
    return chainsDatabaseSql(
        "INSERT INTO HexChains VALUES ('rise', 'one step', '700,500;63,63;0,0');"
        "CREATE TABLE MY_HEX AS SELECT * FROM ENGLISH_DEFAULT; INSERT INTO TheTables VALUES ('MY_HEX', 0, 1, 1, 'me');"
        "CREATE TABLE MY_TRI AS SELECT * FROM TRIGRAMS_DEFAULT; INSERT INTO TheTables VALUES ('MY_TRI', 1, 1, 1, 'me');");
}

QString shown(const QString& path) { return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()); }

ListsWindow* catalogueWith(const QString& name) {
    ChooseMenuItem(frontWindow(), "Filegetdbscheme");
    StartedProgram::settle();
    ListsWindow* lists = findWindow<ListsWindow>();
    if (!lists) return nullptr;
    for (int row = 0; row < lists->Lschema->ListCount(); ++row)
        if (lists->Lschema->Cell(row, 0) == name) clickRow(lists->Lschema, row);
    return lists;
}

void saveChain(displayWindow* display, const QString& name, const LastStep& last) {
    if (display->virevcount < 2)
        for (int code : {63, 0}) display->newhex(code, true);
    ChooseMenuItem(display, "HexChainssave");
    StartedProgram::settle();
    Whexchains* window = findWindow<Whexchains>();
    ASSERT_NE(window, nullptr);
    typeInto(window->ef1[0], name);
    last([&] {
        clickOn(window->PBsave);
        StartedProgram::settle();
    });
    if (Whexchains* open = findWindow<Whexchains>()) open->Close();
    StartedProgram::settle();
}

void setTitleFont(const LastStep& last) {
    HexSettings* settings = HexSettings::instance();
    settings->Show();
    StartedProgram::settle();
    QTest::mouseClick(settings->DisclosureTriangle1, Qt::LeftButton);
    settings->FontMenuTitle->setListIndex(settings->FontMenuTitle->findText("DejaVu Serif"));
    last([&] { QTest::mouseClick(settings->PushButton1, Qt::LeftButton); });
    StartedProgram::settle();
}

void expectEachSays(StartedProgram& program, const std::vector<WriterCase>& cases,
                    const std::function<QString(const QString& notDone)>& says, const QByteArray& original) {
    for (const WriterCase& c : cases) {
        SCOPED_TRACE(c.what);
        program.dialogs.messages.clear();
        c.act();
        StartedProgram::settle();
        EXPECT_EQ(program.dialogs.messages, QStringList{says(c.notDone)});
        EXPECT_EQ(fileBytes(program.databasePath()), original);
    }
}
