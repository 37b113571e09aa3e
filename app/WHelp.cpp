#include "app/WHelp.h"

#include "app/MenuBar1.h"
#include "platform/Clipboard.h"
#include "platform/Keyboard.h"

WHelp* WHelp::instance() { return windowInstance<WHelp>(); }

WHelp::WHelp() {
    setTitle("Untitled");
    setWidth(732);
    setHeight(291);
    setMinimumContentSize(64, 291);
    setMaximumContentSize(32000, 32000);
    setInitiallyVisible(false);

    EditField1 = new EditField(this, "EditField1", 0, 0, 732, 250, true);
    EditField1->setReadOnly(true);
    EditField1->setAcceptTabs(true);
    EditField1->setTextSize(10);
    EditField1->setBorder(true);
    EditField1->setScrollbarVertical(true);
    EditField1->setTextColor(RGB(0, 0, 0));
    EditField1->setBackColor(RGB(255, 255, 255));

    PushButton1 = new PushButton(this, "PushButton1", 249, 263, 69, 20, "O.K.");
    PushButton1->setDefault(true);
    PushButton1->setTextSize(12);

    PopupMenu1 = new PopupMenu(this, "PopupMenu1", 130, 262, 60, 20);
    for (const char* size : {"10", "12", "14", "16"}) PopupMenu1->AddRow(size);
    PopupMenu1->setListIndex(0);
    PopupMenu1->setTextSize(12);

    StaticText1 = new StaticText(this, "StaticText1", 68, 263, 50, 20, "textsize");
    StaticText1->setTextSize(12);

    connect(PushButton1, &PushButton::Action, this, &WHelp::PushButton1_Action);
    connect(PopupMenu1, &PopupMenu::Change, this, &WHelp::PopupMenu1_Change);
}

void WHelp::PushButton1_Action() { Hide(); }

void WHelp::PopupMenu1_Change() {
    static const int sizes[] = {10, 12, 14, 16};
    const int index = PopupMenu1->ListIndex();
    if (index >= 0 && index < 4) EditField1->setTextSize(sizes[index]);
    EditField1->Refresh(true);
}

void WHelp::AddMenuHandlers() { AddMenuHandler("EditCopy", [this] { return _EditCopy_Action(); }); }

void WHelp::Event_EnableMenuItems() { EditCopy()->setEnabled(true); }

void WHelp::Event_Resized() {
    EditField1->setWidth(Width());
    EditField1->setHeight(Height() - 50);
    PushButton1->setTop(Height() - 37);
    StaticText1->setTop(Height() - 37);
    PopupMenu1->setTop(Height() - 37);
}

bool WHelp::Event_KeyDown(const QString& key) {
    if (Keyboard::isCommandW(key)) {
        Close();
        return true;
    }
    return false;
}

void WHelp::Event_Activate() {
    // Setting the text moves the view to the top, so only a text with tabs is set again.
    const QString text = EditField1->Text();
    if (text.contains(QChar(9))) EditField1->setText(QString(text).replace(QChar(9), QString(7, QChar(' '))));
    EditField1->Refresh(true);
}

bool WHelp::_EditCopy_Action() {
    Clipboard clipboard;
    clipboard.setText(EditField1->Text());
    clipboard.Close();
    return false;
}
