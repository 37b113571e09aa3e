#pragma once
// The display window: the program's main window. It holds the chain of hexagrams, lays it out as a
// drawing (with the selection frame in an overlay), lets a click select a hexagram or a
// transition, loads and edits the chain, and speaks it in Talk mode. Its canvas paints the part of
// the drawing it shows at the scroll offsets; the window keeps its bounds in ProgramPrefs
// (DisplayW) and opens the input window when it opens.
#include "display/ChainLogic.h"
#include "display/ChainPicture.h"
#include "platform/Controls.h"
#include "platform/Window.h"
#include "platform/WindowRegistry.h"

#include <memory>
#include <vector>

class DragItem;
class Graphics;
class Group2D;
class RectShape;
class StringShape;

class displayWindow : public Window, public RefreshableWindow {
    Q_OBJECT
public:
    // The open display window, or a new, empty one. There is never more than one.
    static displayWindow* instance();

    displayWindow();

    Canvas* Canvas1;
    ScrollBar* scrollbarH;
    ScrollBar* ScrollBarV;

    // The chain shown: entry k - 1 holds hexagram k, for k = 1..virevcount; empty while the
    // window is.
    HexagramList virev;
    int virevcount = 0;
    // The drawn chain, made at open one column wide and 500 high; the selection overlay is painted
    // over it.
    std::shared_ptr<ChainPicture> drawbuffer;
    // The captions and the name of column k at entry k - 1, made anew by each drawing of it.
    std::vector<std::shared_ptr<StringShape>> abovestr;
    std::vector<std::shared_ptr<StringShape>> belowstr;
    std::vector<std::shared_ptr<StringShape>> namestr;
    // Where the drawing's top left lies on the canvas: minus the scroll bars' values.
    int offsetH = 0;
    std::shared_ptr<RectShape> RectSel;
    // The shapes painted over the drawing, clipped to it: the selection frame while something is
    // selected. A new drawing comes with an empty one.
    std::shared_ptr<Group2D> selbuffer;
    // The chain string: "code,mask" links joined by ";", the last mask 0; empty while the window is.
    QString theHexChain;
    // The selection: hexagram recordtoedit, or the transition after it when recordtoeditis6and9.
    // recordtoedit is 0 before the first click and -1 after a deselection. Only a click changes it;
    // readers ask ChainLogic::selectionIsValid (through hasValidSelection) before they use it.
    int recordtoedit = 0;
    bool recordtoeditis6and9 = false;
    bool isrecordtoedit = false;
    int CopyTextSize = 0;
    int offsetV = 0;

    void Event_Open() override;
    void Event_Close() override;
    void Event_Activate() override;
    void Event_Resized() override;
    void Event_EnableMenuItems() override;
    void AddMenuHandlers() override;

    void Canvas1_Open();
    void fitCanvasAbove(bool horizontalBar);
    void Canvas1_Paint(Graphics& g);
    // A click at canvas point (X, Y) selects, deselects and, in Talk mode, speaks.
    bool Canvas1_MouseDown(int X, int Y);
    void scrollbarH_ValueChanged();
    void ScrollBarV_ValueChanged();

    bool _FileHelp_Action();
    // Switches Talk mode: on speaks the selection (or the chain), off says "Bye".
    bool _OptionsTalk_Action();

    // Shows hexagram n at the end of the chain: appended (addToChain) or in place of the last one.
    // Refused silently when n equals the last hexagram (appending) or the one before the last
    // (replacing), and with a message when appending to a chain of ChainLogic::MaxChainLength;
    // when the hexagram cannot be read nothing changes.
    void newhex(int n, bool addToChain);
    // Draws the chain's last change and rebuilds theHexChain.
    void dopicture();
    // Draws a chain of one hexagram.
    void drawone();
    // Draws the transition to hexagram n and hexagram n's column, growing the drawing as needed, and
    // rebuilds theHexChain from hexagrams 1..n.
    void drawmany(int n);
    // Sets both scroll bars up for the sizes of drawbuffer and the canvas; an empty window has none.
    void checkscrollbarH();
    // Makes the selection frame for hexagram k, or for the transition after it.
    void newrect(int k, bool isTransition);
    // Redraws every column with the drawing settings in force.
    void redrawchain();
    // Replaces the chain by the one whose stored form ("width,height;" and the chain string) is
    // given; a form that holds no chain, or more links than ChainLogic::MaxChainLength, is refused
    // with a message and changes nothing. An open saved-chains window is closed first, in either
    // case.
    void DoLoadHexChain(const QString& chain);
    // Puts hexagram n in place of the selected one: all False rewrites its two links.
    void doHexEdit(int n, bool all);
    void doHexEditChangeOne(int n);
    void doHexEditChangeAll(int n);
    // Gives the selected transition the changing lines of mask (isShort; the long form is not
    // available).
    void Do6and9Edit(int mask, bool isShort);
    void Do6and9EditShort(int mask);
    void Do6and9EditLong(int mask);
    // Cuts the empty bottom off the drawing.
    void trimwindowpicheight();
    // Speaks the selected transition or hexagram, or the whole chain when nothing is selected.
    void doSpeech();
    // The changing-line texts of hexagram j + 1, lines 1 to 6, each followed by a Tab.
    QString gettransition(int j) const;
    // Removes the selected hexagram from the chain, joining its neighbours.
    void deleteHex();
    // Rebuilds the drawing from scratch with the settings in force.
    void doupdate();

    // The selection names something of the current chain: hexagram recordtoedit, or (asTransition)
    // the transition after it.
    bool hasValidSelection(bool asTransition) const;

    // Reads the chain's hexagrams again from the tables now in use and redraws them; the chain and
    // the selection stay.
    void refreshAfterTablesChanged() override;

    // Commands: menu handlers, the drop of a hexagram, the settings window.
    void Event_DropObject(DragItem& obj, int action) override;
    bool _Optionsinput_Action();
    bool _bookprevious_Action();
    bool _booknext_Action();
    bool _bookfirst_Action();
    bool _booklast_Action();
    bool _OptionsText_Action();
    bool _HexChainssave_Action();
    bool _HexChainsLoad_Action();
    bool _HexChainsDelete_Action();
    void showSavedChains(int mode);
    bool _EditeditHex_Action();
    bool _OptionsChainWindow_Action();
    bool _editcopy_Action();
    bool _Copysymbol_Action();
    bool _Optionstrimwindow_Action();
    bool _FilePrint_Action();
    bool _EditDeleteHexagram_Action();
    bool _editdisplay_Action();

private:
    const Hexagram* lastHexagram() const;
    void showBookNumber(int number);

    // A new drawing of width x height and an empty overlay.
    void newPictures(int width, int height);
    // Draws column k: figure, captions (kept in abovestr, belowstr, namestr) and texts, growing
    // the drawing to hold the texts.
    void drawColumn(int k);
    // Draws the transition to hexagram n and hexagram n's column, growing the drawing as needed.
    void drawTransitionAndColumn(int n);
    // Draws columns 1..virevcount and their transitions, and rebuilds theHexChain.
    void drawChain();
    // Hexagram n of the table in use; nullptr (after a message) when it cannot be read.
    std::shared_ptr<Hexagram> readHexagram(int n);
    // The texts of the drawing, each laid out once.
    ChainDrawing::TextLayouts layouts;
    // Shows the refusal of an edit, or loads the edited chain behind a header of width x height.
    void applyEdit(const ChainLogic::ChainEdit& edit, int width, int height);
};
