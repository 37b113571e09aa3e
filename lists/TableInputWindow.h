#pragma once
// The new-table dialog: asks for a name and a creator, then makes the new text table as a copy of
// the table it was opened on, catalogues it and turns the lists window back to its catalogue.
#include "platform/Window.h"

class EditField;
class ProgressWheel;
class PushButton;
class StaticText;

class TableInputWindow : public Window {
    Q_OBJECT
public:
    static TableInputWindow* instance();

    TableInputWindow();

    int TableType = 0;     // 0 makes a hexagram-text table, 1 a trigram table
    QString OldTableName;  // the table copied

    void wakeup(int type, const QString& oldName);
    bool Event_KeyDown(const QString& key) override;

    void PB_default_Action();
    void PB_cancel_Action();
    bool CreateHexTable();
    bool CreateTriTable();

    StaticText* STmessage = nullptr;
    StaticText* STinput = nullptr;
    EditField* EFinput = nullptr;
    PushButton* PB_default = nullptr;
    PushButton* PB_cancel = nullptr;
    StaticText* STerror = nullptr;
    ProgressWheel* ProgressWheel1 = nullptr;
    StaticText* StaticText1 = nullptr;
    EditField* EFcreator = nullptr;

private:
    void refuse(const QString& text);
    void hideMessageLine();
    void showProgress(const QString& text);
    bool createTable(int kind);
    QString newName;  // the checked name, without its leading blanks
};
