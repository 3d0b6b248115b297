#pragma once
// The card table on screen: a widget that holds the back buffer (the whole
// table in table coordinates, one screen high and wide) and the background
// buffer, draws cards, marks and piles into it at the places of the layout,
// animates the deal and flying cards, and turns mouse presses, moves,
// releases and double clicks on the table into the engine's move input.
//
// It is the engine's Presentation: every engine step that draws comes here.
// Animations are busy waits that repaint the widget at once for every frame;
// a blocking wait lets no user input through, a pumping wait does.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <QCursor>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/ports.h"
#include "table/hit.h"
#include "table/qt/card_images.h"
#include "table/qt/highlights.h"

namespace tessaro {

struct Context;

/// One point of a card's flight.
struct FlightStep {
    int x = 0;
    int y = 0;
    friend bool operator==(const FlightStep&, const FlightStep&) = default;
};

/// The points a flying card passes from (x0, y0) to (x1, y1), the last one the
/// target. The dominant axis advances by the step trunc(D / (D / 50 x 100 /
/// 6.25 x 4 / 100 + 4) + 0.5) (0.9 of it when fast), the other follows in
/// proportion. A target coordinate below -9999 becomes -3 card widths or
/// heights: the card flies off the table. A flight whose start is its target
/// has the target as its only point.
std::vector<FlightStep> flightPath(int x0, int y0, int x1, int y1, int cardW, int cardH, bool fast);

/// The piles a dragged card or run may land on, best first: every pile on the
/// table whose top card (or empty place) overlaps `dragged`, by overlap area,
/// largest first; at most four. The pile the run came from is left out.
std::vector<std::string> findDropTargets(const Context& ctx, const CardRect& dragged, const std::string& source);

/// Corner size of a card: 1 pixel for the small cards (25 wide), else 3.
int cornerSize(int cardWidth);

class TableView : public QWidget, public Presentation {
    Q_OBJECT
public:
    /// Creates the view with buffers the size of `screen` (the screen's size
    /// when empty) and installs itself as the context's presentation.
    explicit TableView(Context& ctx, QWidget* parent = nullptr, QSize screen = {});
    ~TableView() override;

    /// Loads the card pictures of the current card size, set and back.
    void loadImages();
    /// Draws the background into the background buffer; the next table draw
    /// copies it to the back buffer.
    void prepareBackground();
    /// Takes the background from a picture another part of the window draws
    /// (the main window's table area) instead of drawing it itself.
    void setBackgroundSource(std::function<const QImage&()> source) { backgroundSource_ = std::move(source); }
    /// Redraws every pile into the back buffer over the background.
    void renderTable();

    const QImage& backBuffer() const { return back_; }
    const QImage& backgroundBuffer() const { return background_; }
    /// The largest y + card height (+ scroll offset) drawn since the last whole-table draw.
    int lowestDrawnBottom() const { return lowest_; }
    /// Called after every whole-table draw (the window sizes its scroll bar
    /// from the lowest drawn bottom then).
    void setTableDrawnHook(std::function<void()> hook) { tableDrawn_ = std::move(hook); }
    /// The table cursors by number (10-15, 20-25); without it the arrow.
    void setCursorSource(std::function<QCursor(int)> source) { cursorSource_ = std::move(source); }
    /// Shows the table from row `offset` of the back buffer (the position of
    /// the window's scroll bar); the drawing stays in table coordinates.
    void setScroll(int offset);
    /// The card drawn whole over its row while the right button is held; 0 when none.
    int peekCard() const { return peekCard_; }
    /// The pile shown pressed (the stock pressed by a press that only waits
    /// for its release); empty when none.
    const std::string& pressedPile() const { return pressedPile_; }
    /// The last point of the last flight (window coordinates), for tests.
    QPoint lastFlightEnd() const { return lastFlightEnd_; }
    bool dragging() const { return dragging_; }

    // Drawing primitives on the back buffer; y in window coordinates (the
    // scroll offset is added). Positions below -9999 draw nothing.
    void drawCardFace(int card, int x, int y, bool shadowed);
    void drawCardBack(int x, int y, bool shadowed);
    void drawEmptyMark(int type, int x, int y, int index);
    /// Draws the card at `depth` (0 the bottom) of a pile, or its empty mark.
    void drawPileCard(PileRef pile, int depth, bool shadowed);
    /// Copies the back buffer to the window at once.
    void refreshWindow();
    /// One frame of a flight: shows `image` at window point `at`, painting
    /// only its old and its new place.
    void flightFrame(const QImage& image, QPoint at);
    /// Stamps a card face (no shadow) at a window point, on the back buffer
    /// and the window: the trail of the winning animations.
    void stampCard(int card, int x, int y);

    // Presentation
    void drawPile(PileRef pile) override;
    void drawCard(int card, bool animate) override;
    void flyCard(int card, PileRef to) override;
    void flyDroppedCard(int card, PileRef to) override;
    void drawTable(bool background, bool dealAnimation) override;
    void showScore() override {}
    void showClock() override {}
    void wait(int ms, Wait how) override;
    void invertCard(int card, bool selected) override;
    void showJokerCaption(int foundation, int suit, int rank) override;
    void markCard(int card) override;
    void markWrongCard(int card) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    /// Tab and Shift+Tab move the focus on the table, not out of it.
    bool focusNextPrevChild(bool) override { return false; }

private:
    /// A table key (arrows, Tab, Space, Return, Escape) through the engine's
    /// keyboard input; false when the key is not one of them.
    bool tableKeyPress(QKeyEvent* event);
    /// The keyboard focus frame, and the frame of a card held by keys.
    void drawFocusFrames();
    /// Tells assistive technology what the focus is on, when it changed.
    void announceFocus();
    int scroll() const;
    int cardSpeed() const;
    bool shadowsOn() const;
    /// Overwrites the corner pixels of a card image before it is copied.
    void mendCorners(QImage& img, int x, int yBuffer, bool shadowed, bool sideways, bool mirrored) const;
    void blitCard(const QImage& src, int x, int y, bool shadowed);
    void drawShadow(int x, int yBuffer);
    void noteBottom(int yWindow);
    void renderPiles();
    /// Flies an image from one window point to another, frame by frame.
    void fly(const QImage& image, QPoint from, QPoint to, bool fast);
    /// Builds the drag image of `card` and the cards above it in its pile.
    bool startDrag(int card, QPoint press);
    void endDrag();
    /// Where a card lies outside the foundations (rows, reserve cells, stock
    /// piles), in window coordinates: the place of a selected card.
    std::optional<QRect> placeOutsideFoundations(int card) const;
    /// What is drawn over the piles: selected cards inverted, marked cards,
    /// joker captions, the pressed stock and the card shown whole.
    void renderOverlays();
    void invertRect(const QRect& windowRect);
    void drawPressedLook(PileRef pile);
    /// The table cursor while a card is held (true) or the resting one.
    void applyCursor(bool holding);
    void drawTableBody(bool background, bool dealAnimation);
    /// Makes the buffers tall enough for everything drawn, with a margin, and
    /// at least as wide and high as the view.
    bool growBuffers();
    /// High-DPI: the buffers hold `ratio_` x `ratio_` device pixels for each
    /// table pixel and carry that device pixel ratio, so painters on them work
    /// in table pixels; pixel-wise work scales its rectangles with onDevice.
    void makeBuffers(QSize tableSize);
    QSize tableSize() const;
    QRect onDevice(const QRect& r) const;
    /// The ratio the table is drawn at: the screen's, rounded up to a whole
    /// number, for fitted cards; 1 for the library's fixed sizes.
    int wantedRatio() const;

    Context& ctx_;
    CardImages images_;
    std::string imagesKey_;  // what the pictures in images_ were loaded for
    QImage back_;
    QImage background_;
    int ratio_ = 1;
    std::function<const QImage&()> backgroundSource_;
    int lowest_ = 0;

    // Cards left out of the back buffer: the dragged run, or cards still to
    // arrive during the deal or a flight.
    std::set<int> hidden_;
    // Where each card was drawn last (window coordinates): the start of its next flight.
    std::vector<QRect> lastRect_;
    bool recordPlaces_ = true;

    // Drag or flight image over the back buffer.
    QImage dragImage_;
    QPoint dragPos_;
    bool dragShown_ = false;
    bool dragging_ = false;
    QPoint grabOffset_;
    std::string dragSource_;
    QRect dragHome_;
    /// The image the player let go, where, and the cards it shows, while the
    /// engine decides where it goes.
    struct DropFlight {
        QImage image;
        QPoint at;
        std::set<int> run;
    };
    std::optional<DropFlight> dropFlight_;
    QPoint lastFlightEnd_;

    std::function<void()> tableDrawn_;
    std::function<QCursor(int)> cursorSource_;
    int peekCard_ = 0;
    std::string pressedPile_;
    std::set<int> marked_;
    std::set<int> wrongMarked_;  ///< wrong answers, crossed out
    HighlightStyle markStyle_{1, 0};
    std::map<int, std::pair<int, int>> jokerCaptions_;  // foundation -> (suit, rank)
    JokerCaptions captions_;
    bool keyBusy_ = false;  ///< a table key is being played (its waits may let keys through)
};

}  // namespace tessaro
