#pragma once
// Every modal question the program asks goes through one seam: message boxes, message dialogs
// with named buttons, the open-file dialog, the colour picker, page setup and the printer dialog.
// The Qt implementation shows real dialogs, each centred over the window it belongs to
// (dialogOwner); tests install ScriptedDialogs, which answers from a queue and records what was
// shown and over which window.
// Opening a web address in the browser goes through the seam too, so no test starts a browser.
// With the environment variable YARROWEN_UNATTENDED set (a run of the whole program by a test),
// the Qt dialogs show nothing: they write their text to standard error and take their defaults.
#include "platform/Types.h"

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <deque>
#include <optional>

class QPrinter;
class PrinterSetup;

// A modal message dialog with up to three named buttons.
struct MessageDialog {
    int Icon = 0;  // 0 note, 1 caution, 2 stop, 3 question
    QString Message;
    QString Explanation;
    QString ActionButtonCaption = "OK";
    bool CancelButtonVisible = false;
    QString CancelButtonCaption = "Cancel";
    bool AlternateActionButtonVisible = false;
    QString AlternateActionButtonCaption;
};

enum class DialogButton { Action, Cancel, AlternateAction };

class DialogSeam {
public:
    virtual ~DialogSeam() = default;
    virtual void msgBox(const QString& text) = 0;
    virtual DialogButton showMessageDialog(const MessageDialog& dialog) = 0;
    // The chosen file's path, or empty when the user cancelled. `fileType` names the filter.
    virtual QString openFile(const QString& fileType) = 0;
    // The chosen colour, or nothing when the user cancelled.
    virtual std::optional<Color> selectColor(const Color& initial, const QString& prompt) = 0;
    // Page setup for `setup`; true when the user confirmed it, the setup then holding the choice.
    virtual bool pageSetup(PrinterSetup& setup) = 0;
    // The printer dialog for `printer`; true when the user chose to print.
    virtual bool printerDialog(QPrinter& printer) = 0;
    // Hands the address to the user's browser (or whatever opens it); false when nothing could.
    virtual bool showURL(const QString& url) = 0;
};

// The seam in use (the Qt one unless a test installed another).
DialogSeam& dialogs();
void setDialogs(DialogSeam* seam);  // nullptr restores the Qt dialogs

// Shorthands the program calls. A text whose lines are joined by CR (13) shows as separate lines.
void MsgBox(const QString& text);
DialogButton ShowModal(const MessageDialog& dialog);
QString GetOpenFolderItem(const QString& fileType);
std::optional<Color> SelectColor(const Color& initial, const QString& prompt);

// Turns CR line ends into the line ends Qt shows.
QString displayLines(const QString& text);

// The test stand-in: answers from queues and records every dialog shown. Installs itself while it
// lives.
class ScriptedDialogs : public DialogSeam {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    std::deque<DialogButton> buttons;          // answers of message dialogs (default: Action)
    std::deque<QString> files;                 // answers of the open-file dialog (default: cancel)
    std::deque<std::optional<Color>> colours;  // answers of the colour picker (default: cancel)
    // Answers of page setup: the setup string the user confirms, or nothing to cancel (default:
    // cancel).
    std::deque<std::optional<QString>> pageSetups;
    // Answers of the printer dialog: the PDF file to print to, or empty to cancel (default:
    // cancel).
    std::deque<QString> printTargets;

    QStringList messages;                  // every MsgBox text, in order
    std::vector<MessageDialog> questions;  // every message dialog shown
    QStringList fileTypes;                 // the filter of every open-file dialog
    QStringList colourPrompts;             // the prompt of every colour picker shown
    std::vector<Color> colourInitials;     // the colour every colour picker opened with
    QStringList pageSetupsShown;           // the setup string each page setup opened with
    int printerDialogsShown = 0;
    QStringList urls;                      // every address handed to the browser
    bool urlsOpen = true;                  // whether something opens them
    // The window every dialog above was shown over (nullptr: none, the dialog centred on the
    // screen), and that window's centre then, which is the dialog's centre; in the order shown.
    std::vector<QPointer<QWidget>> owners;
    QList<QPoint> ownerCentres;

    void msgBox(const QString& text) override;
    DialogButton showMessageDialog(const MessageDialog& dialog) override;
    QString openFile(const QString& fileType) override;
    std::optional<Color> selectColor(const Color& initial, const QString& prompt) override;
    bool pageSetup(PrinterSetup& setup) override;
    bool printerDialog(QPrinter& printer) override;
    bool showURL(const QString& url) override;

private:
    void noteOwner();
    DialogSeam* previous;
};
