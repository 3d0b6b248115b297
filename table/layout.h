#pragma once
// Table layout: turns the current game's layout codes into pixel positions for
// every pile, and prepares the table for a game (card size, display-size check,
// fan offsets). Headless: the window's measurements come in as plain values.
#include <string>

#include "table/layout_state.h"

namespace tessaro {

struct Context;

/// The working inputs of one layout run, in pixels.
struct LayoutInputs {
    int width = 0;         ///< W: usable width
    int height = 0;        ///< H: window height
    int bottom = 0;        ///< B: client bottom
    int top = 5;           ///< T: top edge below the visible toolbar
    int screenWidth = 0;
    int screenHeight = 0;
    int scrollPos = 0;     ///< position of the vertical scroll bar, taken at the end
};

/// Inputs of the main window: W = window width - scroll bar width, B = client
/// height - 1, T = bottom of the visible toolbar, or 5 when no toolbar shows
/// (toolbarBottom < 0).
LayoutInputs windowInputs(int windowWidth, int scrollBarWidth, int windowHeight, int clientHeight, int toolbarBottom,
                          int screenWidth, int screenHeight, int scrollPos = 0);
/// Inputs of the preview picture: W = its width, H = B = its height, T = 3.
LayoutInputs previewInputs(int pictureWidth, int pictureHeight, int screenWidth, int screenHeight);

/// What a game enables among the window's commands.
struct GameCommandStates {
    int autoplay = 0;       ///< state of the autoplay button (rule parameter 19)
    bool tutor = false;     ///< "Show a legal move" and "Demo"
    bool save = false;      ///< save, bookmark, hold-and-exit
    bool undoRedo = false;  ///< undo and redo buttons
};

/// What preparing the table asks of its surroundings (the window, the rules
/// file). The defaults do nothing, so tests override only what they watch.
class TableHost {
public:
    virtual ~TableHost() = default;
    /// Loads the current game's parameters into the (already cleared) table;
    /// by default from the rules file in the program folder.
    virtual void reloadRules(Context& ctx);
    /// The card size changed: reload the card images for it.
    virtual void cardSizeChanged(Context&) {}
    /// Lets the main window process its pending paint.
    virtual void processPaint() {}
    /// Enables the Customize command.
    virtual void enableCustomize() {}
    /// Sets the commands that depend on the game.
    virtual void setGameCommands(const GameCommandStates&) {}
};

/// Card size from the letter at register position 128: "B" 71x96, "M" 59x80,
/// "L" 25x32; any other letter keeps the size ("F", the fitted size, is
/// chosen by the layout).
void setCardSize(Context& ctx, TableHost& host);
/// Shadow depth: 9 unless register position 178 holds "N", then 0.
void setShadowDepth(Context& ctx);
/// Fan offsets for the current game's fan modes and the card size letter.
void setFanOffsets(Context& ctx);

/// Makes a catalogue game current in a context without a settings file, as
/// the preview generator, benchmarks and tests draw it: its rules loaded, big
/// standard faces with the given back, shadows on, no flight delay, the
/// default background, card size, shadow and fans set. Callers change what
/// differs afterwards.
void loadGameForDrawing(Context& ctx, const std::string& programFolder, int game, int cardBack = 1);

/// The display-size check with the small-screen substitution, its two
/// messages (at most once per run each) and the restoring of a saved choice.
void checkDisplaySize(Context& ctx, TableHost& host, int screenWidth);

/// Prepares the table for the current game: reloads the rules, checks the
/// display size, applies a changed card size, unsets every pile, sets the
/// game's commands, the fan offsets and the layout. Returns 1.
int prepareTable(Context& ctx, TableHost& host, const LayoutInputs& in);

/// The main window's smallest size, kept when it is resized: 635 pixels wide
/// on screens at most 700 pixels wide, else 780; 120 pixels high.
int minimumWindowWidth(int screenWidth);
inline constexpr int kMinimumWindowHeight = 120;

/// Computes every pile position from the layout codes of the current game;
/// with the fitted card size first chooses the card size (table/card_fit.h).
void layoutTable(Context& ctx, const LayoutInputs& in);
/// The same at the card size and fan offsets the layout holds.
void layoutAtCardSize(Context& ctx, const LayoutInputs& in);

/// One line "NAME x y" per pile on the table (table coordinates), in the
/// order Mazzo, Mazzo_Vis, Mazzo_Waste, Dest1.., Fila1.., Appogg1..; slots
/// that are not on the table are left out.
std::string placedPiles(const Layout& layout);

/// x of the column n places right of tableau row i, with 2-pixel gaps.
int columnX(const Context& ctx, int n, int i);

/// Rectangle tests shared with the drop-target search.
bool rectsOverlap(int left1, int top1, int right1, int bottom1, int left2, int top2, int right2, int bottom2);
int overlapArea(int left1, int top1, int right1, int bottom1, int left2, int top2, int right2, int bottom2);

}  // namespace tessaro
