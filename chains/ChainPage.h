#pragma once
// The chain page: a whole chain as a page of small hexagram figures, one 72 x 72 cell each, eight
// to a row, above a text area that lists them by their place ("row.column:  name"). Clicking a
// cell frames it and shows that hexagram's texts instead; clicking it again, or where no hexagram
// is, brings the list back. A splitter bar divides the page from the text area.
#include "display/HexSettings.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/Window.h"
#include "platform/WindowRegistry.h"

#include <memory>
#include <vector>

class Hexagram;
class RectShape;

namespace ChainPageLayout {

constexpr int CellSize = 72;
constexpr int CellsPerRow = 8;

// Rows and pixel size of the page for a number of hexagrams: one row when fewer than nine.
struct PageSize {
    int lines = 0;
    int width = 0;
    int height = 0;
};
PageSize pageSize(int count);

// Index into the page's hexagrams of the cell under the page point, -1 where no hexagram is.
int hexagramAt(int pageX, int pageY, int count);

// The numbered list: "row.column:  name" per hexagram, each line ended by a carriage return.
QString pageList(const std::vector<std::shared_ptr<Hexagram>>& hexagrams);

// The selected hexagram's texts: name with its trigrams, description and judgement, then its
// changing lines, lowest first.
QString hexagramText(const Hexagram& h);

}  // namespace ChainPageLayout

class ChainPage : public Window, public RefreshableWindow, public ShortNameWindow {
    Q_OBJECT
public:
    // The open chain page, or a new one.
    static ChainPage* instance();

    ChainPage();
    ~ChainPage() override;

    Canvas* Canvas1;
    EditField* EditField1;
    ScrollBar* SBV;
    ScrollBar* SBH;
    ImageWell* Windowsplit;

    QString mychain;  // the chain string without its header
    int chaincount = 0;
    int linecount = 0;
    std::shared_ptr<Picture> thepic;  // the page: figures and the selection frame in its Objects
    std::vector<std::shared_ptr<Hexagram>> theHexs;
    std::shared_ptr<RectShape> rectsel;
    int selXrow = -1;
    int selHex = -1;
    int selYline = -1;
    QString chainstring;
    int selhexnumber = -1;
    int OffsetV = 0;
    int offsetH = 0;
    QString TOTALCHAIN;  // the last chain handed to wakeup, header included

    // Builds the page for a chain header followed by a chain string, and brings the window to
    // the front.
    void wakeup(const QString& chain);
    // Builds the page again from the same chain, with the tables and fonts in force.
    void UPDATE() override;
    void refreshAfterTablesChanged() override { UPDATE(); }

    void Canvas1_Paint(Graphics& g);
    bool Canvas1_MouseDown(int x, int y);
    void SBV_ValueChanged();
    void SBH_ValueChanged();
    bool Windowsplit_MouseDown(int x, int y);
    void Windowsplit_MouseDrag(int x, int y);
    void Windowsplit_MouseUp(int x, int y);
    void EditField1_Open();

    // Both scroll bars back to 0 for the current page, each shown only when the page overflows.
    void checkSBH();
    // Frames the cell (counted from 0).
    void newrect(int col, int row);
    // Shows the selected hexagram's texts in the text area.
    void dotext();

    void AddMenuHandlers() override;
    void Event_Open() override;
    void Event_Close() override;
    void Event_Activate() override;
    void Event_Resized() override;
    bool Event_KeyDown(const QString& key) override;
    void Event_EnableMenuItems() override;
    void applyTextFont() override;
    bool _editcopy_Action();
    bool _OptionsChainWindow_Action();
    bool _FileHelp_Action();

private:
    // Fits the controls to the window around the splitter.
    void placeControls();
    void clearSelection();
};
