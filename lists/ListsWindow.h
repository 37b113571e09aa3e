#pragma once
// The lists window: in mode 0 the rows of the hexagram-text table in use, in mode 1 those of the
// trigram table in use, in mode 2 the catalogue of the file's text tables ("Schema"). One list on
// top, one pane below, and a splitter bar between them that the user drags. Its Tables commands
// manage the text tables.
#include "platform/Window.h"

class EditField;
class ImageWell;
class Listbox;

class ListsWindow : public Window {
    Q_OBJECT
public:
    static ListsWindow* instance();

    ListsWindow();

    int Listis = 0;
    QString thetextstr;  // the record text of the hexagram row clicked last
    QString trigramRecord;  // the record text of the trigram row clicked last

    // Shows the list of the mode. After `done`, a change just written to the file, a list that can
    // not be read says that the change was made.
    void WakeUp(int mode, const QString& done = {});
    void LoadHexagrams();
    void LoadTrigrams();
    void LoadSchema(const QString& done = {});

    void Event_Open() override;
    void Event_Close() override;
    void Event_Activate() override;
    void Event_Resized() override;
    void Event_EnableMenuItems() override;
    bool Event_KeyDown(const QString& key) override;
    void AddMenuHandlers() override;
    void applyTextFont() override;

    Listbox* ListHex = nullptr;
    Listbox* ListTri = nullptr;
    EditField* EFRecord = nullptr;
    Listbox* Lschema = nullptr;
    Listbox* Ltable = nullptr;
    ImageWell* WindowSplit = nullptr;

    bool _DisplayAddtoChain_Action();
    bool _DisplayEditLastHex_Action();
    bool _OptionsChainWindow_Action();
    bool _FileHelp_Action();
    bool _Tablescopy_Action();
    bool _Tablesshow_Action();
    bool _Tablesedit_Action();
    bool _TablesUse_Action();
    bool _Tablesdelete_Action();
    bool _archiveexport_Action();
    bool _archiveimport_Action();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ListHex_CellClick(int row);
    void ListTri_CellClick(int row);
    void Lschema_CellClick(int row);
    bool ListHex_DragRow(class DragItem& drag, int row);
    void WindowSplit_MouseDrag(int y);
    void WindowSplit_MouseUp();

    // The layout rule around the split position S (the bar's top).
    QRect upperRect() const;
    QRect lowerRect() const;
    void layOutPanes();
    void redrawAll();
    void sendSelectedHexagram(bool addToChain);
    // The selected catalogue row's table name and kind (0 hexagram text, 1 trigram); false when
    // no row is selected.
    bool selectedTable(QString& name, int& kind) const;
    // Opens the editor of a table of `kind` on `name`, editable or only to be viewed.
    void showEditor(const QString& name, int kind, bool editable);

    int dragStartY = 0;
};
