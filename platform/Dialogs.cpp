#include "platform/Dialogs.h"

#include "platform/Printing.h"
#include "platform/Window.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <cstdio>

namespace {

bool unattended() { return !qEnvironmentVariableIsEmpty("YARROWEN_UNATTENDED"); }

void report(const QString& kind, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(kind), qPrintable(displayLines(text)));
    std::fflush(stderr);
}

// A message box over the window it belongs to; one that belongs to no window (a message at
// start-up) shows centred on the screen, where the window manager would otherwise put it in a
// corner.
class MessageBox : public QMessageBox {
public:
    MessageBox() : QMessageBox(dialogOwner()) {}

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);  // takes its size for its texts
        if (parentWidget()) return;
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen) return;
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
};

class QtDialogs : public DialogSeam {
public:
    void msgBox(const QString& text) override {
        if (unattended()) return report("MsgBox", text);
        MessageBox box;
        box.setText(displayLines(text));
        box.exec();
    }

    DialogButton showMessageDialog(const MessageDialog& dialog) override {
        if (unattended()) {
            report("MessageDialog", dialog.Message);
            return DialogButton::Action;
        }
        MessageBox box;
        static const QMessageBox::Icon icons[] = {QMessageBox::Information, QMessageBox::Warning,
                                                  QMessageBox::Critical, QMessageBox::Question};
        box.setIcon(dialog.Icon >= 0 && dialog.Icon <= 3 ? icons[dialog.Icon] : QMessageBox::NoIcon);
        box.setText(displayLines(dialog.Message));
        box.setInformativeText(displayLines(dialog.Explanation));
        QPushButton* action = box.addButton(dialog.ActionButtonCaption, QMessageBox::AcceptRole);
        QPushButton* cancel = nullptr;
        QPushButton* alternate = nullptr;
        if (dialog.AlternateActionButtonVisible)
            alternate = box.addButton(dialog.AlternateActionButtonCaption, QMessageBox::DestructiveRole);
        if (dialog.CancelButtonVisible) {
            cancel = box.addButton(dialog.CancelButtonCaption, QMessageBox::RejectRole);
            box.setEscapeButton(cancel);
        }
        box.setDefaultButton(action);
        box.exec();
        if (cancel && box.clickedButton() == cancel) return DialogButton::Cancel;
        if (alternate && box.clickedButton() == alternate) return DialogButton::AlternateAction;
        return DialogButton::Action;
    }

    QString openFile(const QString& fileType) override {
        // The database file has no extension: the filter names the type and shows every file.
        if (unattended()) return QString();
        const QString filter = fileType.isEmpty() ? QString() : fileType + " (*)";
        return QFileDialog::getOpenFileName(dialogOwner(), QString(), QString(), filter);
    }

    std::optional<Color> selectColor(const Color& initial, const QString& prompt) override {
        if (unattended()) return std::nullopt;
        const QColor chosen = QColorDialog::getColor(initial, dialogOwner(), prompt);
        if (!chosen.isValid()) return std::nullopt;
        return chosen;
    }

    bool pageSetup(PrinterSetup& setup) override {
        if (unattended()) return false;
        QPrinter printer;
        printer.setPageLayout(setup.layout);
        QPageSetupDialog dialog(&printer, dialogOwner());
        if (dialog.exec() != QDialog::Accepted) return false;
        setup.layout = printer.pageLayout();
        return true;
    }

    bool printerDialog(QPrinter& printer) override {
        if (unattended()) return false;
        QPrintDialog dialog(&printer, dialogOwner());
        return dialog.exec() == QDialog::Accepted;
    }

    bool showURL(const QString& url) override {
        if (unattended()) {
            report("ShowURL", url);
            return true;
        }
        return QDesktopServices::openUrl(QUrl(url));
    }
};

QtDialogs qtDialogs;
DialogSeam* current = &qtDialogs;

}  // namespace

DialogSeam& dialogs() { return *current; }
void setDialogs(DialogSeam* seam) { current = seam ? seam : &qtDialogs; }

void MsgBox(const QString& text) { dialogs().msgBox(text); }
DialogButton ShowModal(const MessageDialog& dialog) { return dialogs().showMessageDialog(dialog); }
QString GetOpenFolderItem(const QString& fileType) { return dialogs().openFile(fileType); }
std::optional<Color> SelectColor(const Color& initial, const QString& prompt) {
    return dialogs().selectColor(initial, prompt);
}

QString displayLines(const QString& text) {
    QString shown = text;
    shown.replace("\r\n", "\n");
    shown.replace(CR, QChar('\n'));
    return shown;
}

ScriptedDialogs::ScriptedDialogs() : previous(&dialogs()) { setDialogs(this); }
ScriptedDialogs::~ScriptedDialogs() { setDialogs(previous == this ? nullptr : previous); }

void ScriptedDialogs::noteOwner() {
    Window* owner = dialogOwner();
    owners.push_back(owner);
    ownerCentres << (owner ? owner->geometry().center() : QPoint());
}

void ScriptedDialogs::msgBox(const QString& text) {
    noteOwner();
    messages << text;
}

DialogButton ScriptedDialogs::showMessageDialog(const MessageDialog& dialog) {
    noteOwner();
    questions.push_back(dialog);
    if (buttons.empty()) return DialogButton::Action;
    const DialogButton answer = buttons.front();
    buttons.pop_front();
    return answer;
}

QString ScriptedDialogs::openFile(const QString& fileType) {
    noteOwner();
    fileTypes << fileType;
    if (files.empty()) return QString();
    const QString answer = files.front();
    files.pop_front();
    return answer;
}

bool ScriptedDialogs::showURL(const QString& url) {
    urls << url;
    return urlsOpen;
}

std::optional<Color> ScriptedDialogs::selectColor(const Color& initial, const QString& prompt) {
    noteOwner();
    colourPrompts << prompt;
    colourInitials.push_back(initial);
    if (colours.empty()) return std::nullopt;
    const auto answer = colours.front();
    colours.pop_front();
    return answer;
}

bool ScriptedDialogs::pageSetup(PrinterSetup& setup) {
    noteOwner();
    pageSetupsShown << setup.SetupString();
    if (pageSetups.empty()) return false;
    const std::optional<QString> answer = pageSetups.front();
    pageSetups.pop_front();
    return answer && setup.setSetupString(*answer);
}

bool ScriptedDialogs::printerDialog(QPrinter& printer) {
    noteOwner();
    ++printerDialogsShown;
    if (printTargets.empty()) return false;
    const QString file = printTargets.front();
    printTargets.pop_front();
    if (file.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    return true;
}
