#pragma once
// The go-to dialog: asks for a book number (1..64) or a Boolean number (0..63) and makes the
// hexagram-text editor show that row. Its field takes only digits, two at most.
#include "platform/Controls.h"
#include "platform/Window.h"

class GotoHexWindow : public Window {
    Q_OBJECT
public:
    // The open dialog, or a new one.
    static GotoHexWindow* instance();

    GotoHexWindow();

    StaticText* StaticText1;
    EditField* EditField1;
    PushButton* PushButton1;
    PushButton* PushButton2;
    StaticText* StaticText2;

    bool isItbook = false;

    // Answers whether the field refuses the key (anything but a digit that would change its text).
    bool EditField1_KeyDown(const QKeyEvent& event) const;
    void PushButton1_Action();
    void PushButton2_Action() { Close(); }
    bool Event_KeyDown(const QString& key) override;
    // Labels the dialog for book numbers (book) or Boolean numbers; n > -1 fills the field with n.
    void wakeup(bool book, int n);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The leading number of a text as the framework's Val reads it: 0 when it starts with none.
double leadingNumber(const QString& text);
