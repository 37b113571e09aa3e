// Page setup: the confirmed setup string is kept in the shared state for the rest of the run.
#include "app/App.h"
#include "core/M_globals.h"
#include "platform/Printing.h"

bool App::dopagesetup() {
    M_globals::Printer_ps = std::make_shared<PrinterSetup>();
    if (M_globals::isprintersetup) M_globals::Printer_ps->setSetupString(M_globals::printsettings);
    if (!PageSetupDialog(*M_globals::Printer_ps)) return false;
    M_globals::printsettings = M_globals::Printer_ps->SetupString();
    M_globals::isprintersetup = true;
    return true;
}
