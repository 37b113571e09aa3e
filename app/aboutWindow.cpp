#include "app/aboutWindow.h"

#include "core/M_globals.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Keyboard.h"

#include <QFileInfo>
#include <QUrl>


aboutWindow* aboutWindow::instance() { return windowInstance<aboutWindow>(); }

aboutWindow::aboutWindow() {
    setTitle("yarrowen");
    setWidth(300);
    setHeight(326);
    setResizeable(false);
    setMaximizeButton(false);
    setBackColor(RGB(255, 255, 255));

    StaticText1 = new StaticText(this, "StaticText1", 21, 16, 114, 20, "program version:");
    StaticText2 = new StaticText(this, "StaticText2", 138, 16, 54, 20, "0.6.02");
    PushButton1 = new PushButton(this, "PushButton1", 99, 130, 80, 20, "close");
    PushButton1->setDefault(true);
    EFdatabase = new EditField(this, "EFdatabase", 13, 192, 276, 22, false);
    EFdatabase->setReadOnly(true);
    EFdatabase->setBorder(false);
    // A path longer than the field keeps its start and its file name in sight.
    EFdatabase->setElideMiddle(true);
    EFdatabase->setTextColor(RGB(0, 0, 0));
    EFdatabase->setBackColor(RGB(255, 255, 255));
    StaticText5 = new StaticText(this, "StaticText5", 9, 165, 100, 20, "Database is:");
    StaticText6 = new StaticText(this, "StaticText6", 7, 226, 107, 20, "Trigram table is:");
    StaticText7 = new StaticText(this, "StaticText7", 9, 266, 126, 20, "Hexagram table is:");
    stTri = new StaticText(this, "stTri", 27, 246, 254, 20, "Trigram table is:");
    stHex = new StaticText(this, "stHex", 29, 286, 252, 20, "Hexagram table is:");
    StaticText8 = new StaticText(this, "StaticText8", 21, 48, 114, 20, "database version:");
    StaticText9 = new StaticText(this, "StaticText9", 138, 48, 26, 20, "1");
    PushButton3 = new PushButton(this, "PushButton3", 159, 88, 90, 20, "Updates...");
    PushButton4 = new PushButton(this, "PushButton4", 19, 88, 90, 20, "credits...");

    connect(PushButton1, &PushButton::Action, this, &aboutWindow::PushButton1_Action);
    connect(PushButton3, &PushButton::Action, this, &aboutWindow::PushButton3_Action);
    connect(PushButton4, &PushButton::Action, this, &aboutWindow::PushButton4_Action);
}

void aboutWindow::PushButton1_Action() { Close(); }

// Where nothing opens the README, the user learns where it is.
void aboutWindow::PushButton3_Action() {
    const QString path = QUrl(projectHomeAddress()).toLocalFile();
    if (!QFileInfo::exists(path)) {
        MsgBox("The README is not beside the program, where it belongs:" + CR + path);
        return;
    }
    if (!ShowURL(projectHomeAddress()))
        MsgBox("Nothing on this computer opens the README. It is here:" + CR + path);
}

void aboutWindow::PushButton4_Action() { MsgBox(creditsText()); }

bool aboutWindow::Event_KeyDown(const QString& key) {
    if (Keyboard::isCommandW(key)) Close();
    return false;
}

void aboutWindow::Event_Activate() {
    EFdatabase->setText(M_globals::f_db.isEmpty() ? QString() : QFileInfo(M_globals::f_db).absoluteFilePath());
    stTri->setText(M_globals::TableTri);
    stHex->setText(M_globals::TableHex);
}

QString projectHomeAddress() {
    const Application* application = Application::instance();
    const QString folder = application ? application->applicationFolder() : QString();
    return QUrl::fromLocalFile(QFileInfo(folder + "/README.md").absoluteFilePath()).toString();
}

QString creditsText() {
    return QString("Sources for default database:  ") + CR +
           "1) I Virev, the Book of Changes: its classic text (traditional, anonymous)" + CR +
           "2) The English hexagram and trigram texts written for yarrowen (the yarrowen contributors)" + CR + CR +
           "Made with C++ and Qt 6, with SQLite for the database.";
}
