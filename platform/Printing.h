#pragma once
// Page setup and the printer. A PrinterSetup is a Qt page layout (page size, orientation,
// margins) with the resolution the program draws at; its setup string is our own text form of
// those values. The printer's drawing context is a Graphics scaled to 72 units per inch.
#include <QPageLayout>
#include <QString>
#include <memory>

class Graphics;

class PrinterSetup {
public:
    // The platform's defaults: A4 portrait, half-inch margins, 72 units per inch.
    PrinterSetup();

    // "yarrowen-page-setup;size=A4;orientation=portrait;margins=36,36,36,36;resolution=72,72",
    // sizes and margins in points; a size that has no name is written "WIDTHxHEIGHT".
    QString SetupString() const;
    // Takes the values of a setup string. A text that is not a whole, valid setup string changes
    // nothing and answers false.
    bool setSetupString(const QString& setup);

    // The printable area (the page inside its margins) in units of 1/72 inch: the size of the
    // printer's drawing area.
    int Width() const;
    int Height() const;
    // The whole sheet in units of 1/72 inch.
    int PageWidth() const;
    int PageHeight() const;

    // Units per inch that the program draws in.
    int HorizontalResolution = 72;
    int VerticalResolution = 72;

    QPageLayout layout;
};

// Shows the page-setup dialog for the setup; true when the user confirmed it (the setup then
// holds the choice).
bool PageSetupDialog(PrinterSetup& setup);

// Shows the printer dialog for a printer set up with the page of `setup` (the defaults when it is
// null). Gives the drawing context of the print job, or nullptr when the user cancelled (then
// `cancelled`, when given, is set true) or the job could not start. The page stays the one of
// `setup` whatever the dialog chose, so what was measured is what prints.
std::shared_ptr<Graphics> OpenPrinterDialog(const PrinterSetup* setup, bool* cancelled = nullptr);
