// Rules pages of the patience games (help context game number + 3000).
#include "shell/help_pages_patience.h"

namespace tessaro::shell {

namespace {

const char* const kFoundationsUp =
    R"(<h3>Winning</h3>
<p>Build the four foundations up in suit from Ace to King. The game is won when every card is on
them.</p>)";

const char* const kFreeCellPlay =
    R"(<p>A free cell holds one card, and any free card may be put there. Only the top card of a row
or a cell may move; several cards in sequence move together when there are enough empty cells and
rows to move them one by one.</p>)";

}  // namespace

const std::vector<PatiencePage>& patiencePages() {
    static const std::vector<PatiencePage> kPages = {
        {3002, "Klondike (by threes)",
         R"(<h3>The layout</h3>
<p>As in Klondike: seven rows of one to seven cards, the top card of each face up, and 24 cards in
the stock.</p>
<h3>How to play</h3>
<p>A click on the stock turns three cards at once onto the visible stock; only the uppermost of
them may be played. The stock may be formed again as often as you like. Rows build down in
alternating colours, face-down cards that come to the top are turned over, and only a King goes
into an empty row. Turning three at a time hides many cards, which makes the game much harder
than Klondike.</p>)",
         kFoundationsUp},
        {3003, "Thumb and Pouch",
         R"(<h3>The layout</h3>
<p>Klondike's seven rows of one to seven cards, the top card of each face up; 24 cards in the
stock.</p>
<h3>How to play</h3>
<p>Build the rows down by one rank in any suit except the card's own (a nine of clubs takes an
eight of hearts, diamonds or spades, not of clubs). Runs move together when every card of the run
follows that rule. Any card may go into an empty row. The stock is turned one card at a time and
is gone through only once.</p>)",
         kFoundationsUp},
        {3004, "Whitehead",
         R"(<h3>The layout</h3>
<p>Seven rows of one to seven cards, all face up; 24 cards in the stock.</p>
<h3>How to play</h3>
<p>Rows build down in the same colour (a red six on a red seven). A run moves together only when
all its cards are of one suit. Any card may go into an empty row. The stock is turned one card at
a time and gone through once.</p>)",
         kFoundationsUp},
        {3010, "FreeCell",
         R"(<h3>The layout</h3>
<p>All 52 cards are dealt face up into eight rows, four of seven cards and four of six. Above them
lie four free cells and the four foundations.</p>
<h3>How to play</h3>
<p>Rows build down in alternating colours. Any card may go into an empty row.</p>)",
         kFreeCellPlay, kFoundationsUp},
        {3011, "Baker's Game",
         R"(<h3>The layout</h3>
<p>As in FreeCell: eight rows of seven and six cards, all face up, four free cells.</p>
<h3>How to play</h3>
<p>Rows build down in suit, which makes the game stricter than FreeCell. Any card may go into an
empty row.</p>)",
         kFreeCellPlay, kFoundationsUp},
        {3012, "Eight Off",
         R"(<h3>The layout</h3>
<p>Eight rows of six cards, all face up, and eight free cells, four of which hold the four cards
left over.</p>
<h3>How to play</h3>
<p>Rows build down in suit, one card at a time. Only a King may go into an empty row. Any card may
go into an empty free cell.</p>)",
         kFoundationsUp},
        {3013, "Seahaven Towers",
         R"(<h3>The layout</h3>
<p>Ten rows of five cards, all face up; four cells, the two in the middle holding the last two
cards.</p>
<h3>How to play</h3>
<p>Rows build down in suit, one card at a time. Only a King may go into an empty row; any card may
go into an empty cell.</p>)",
         kFoundationsUp},
        {3020, "Yukon",
         R"(<h3>The layout</h3>
<p>Seven rows: the first holds one card, the others six to eleven cards, of which the top five are
face up. There is no stock.</p>
<h3>How to play</h3>
<p>A card goes on a card one rank higher of the other colour. Any face-up card may be moved with
all the cards lying on it, whether they are in sequence or not. Face-down cards that come to the
top are turned over. Only a King, with whatever lies on it, goes into an empty row.</p>)",
         kFoundationsUp},
        {3021, "Russian Solitaire",
         R"(<h3>The layout</h3>
<p>As in Yukon: seven rows of one and six to eleven cards, the top five of each face up.</p>
<h3>How to play</h3>
<p>As in Yukon, but a card goes only on the card one rank higher of its own suit. Any face-up card
moves with everything on it; only a King goes into an empty row.</p>)",
         kFoundationsUp},
        {3030, "Beleaguered Castle",
         R"(<h3>The layout</h3>
<p>The four Aces are laid out as foundations; the other 48 cards go face up into eight rows of
six.</p>
<h3>How to play</h3>
<p>Only the top card of a row moves, one at a time. It may go on a card one rank higher of any
suit, onto a foundation, or into an empty row, which takes any card.</p>)",
         kFoundationsUp},
        {3031, "Streets and Alleys",
         R"(<h3>The layout</h3>
<p>All 52 cards face up in eight rows, four of seven and four of six; the Aces are among them.</p>
<h3>How to play</h3>
<p>As in Beleaguered Castle: top cards move one at a time onto a card one rank higher of any suit,
onto a foundation or into an empty row.</p>)",
         kFoundationsUp},
        {3040, "Forty Thieves",
         R"(<h3>The layout</h3>
<p>Two decks. Ten rows of four cards face up; the other 64 cards form the stock.</p>
<h3>How to play</h3>
<p>Rows build down in suit, one card at a time. Any card may go into an empty row. Click the stock
to turn one card onto the visible stock; its top card may be played. The stock is gone through
only once.</p>
<h3>Winning</h3>
<p>Build the eight foundations up in suit from Ace to King, two for each suit.</p>)"},
        {3041, "Maria",
         R"(<h3>The layout</h3>
<p>Two decks. Nine rows of four cards face up; 68 cards in the stock.</p>
<h3>How to play</h3>
<p>As in Forty Thieves, but the rows build down in alternating colours. One card moves at a time,
any card may go into an empty row, and the stock is gone through once.</p>
<h3>Winning</h3>
<p>Build the eight foundations up in suit from Ace to King.</p>)"},
        {3042, "Lucas",
         R"(<h3>The layout</h3>
<p>Two decks. The eight Aces start the foundations; thirteen rows of three cards lie face up and the
other 57 cards form the stock.</p>
<h3>How to play</h3>
<p>As in Forty Thieves: rows build down in suit one card at a time, any card goes into an empty
row, and the stock is turned one card at a time and gone through once.</p>
<h3>Winning</h3>
<p>Build all eight foundations up in suit to the King.</p>)"},
        {3043, "Limited",
         R"(<h3>The layout</h3>
<p>Two decks. Twelve rows of three cards face up; 68 cards in the stock.</p>
<h3>How to play</h3>
<p>As in Forty Thieves: rows build down in suit one card at a time, any card goes into an empty
row, the stock is gone through once.</p>
<h3>Winning</h3>
<p>Build the eight foundations up in suit from Ace to King.</p>)"},
        {3050, "Canfield",
         R"(<h3>The layout</h3>
<p>A reserve of thirteen cards with its top card face up, four rows of one card each, and one card
on the first foundation. Its rank is the starting rank of all four foundations. The other 34
cards form the stock.</p>
<h3>How to play</h3>
<p>Foundations build up in suit from the starting rank, going on from King to Ace, thirteen cards
each. Rows build down in alternating colours, going on from Ace to King; a row moves either its
top card or all its cards at once. An empty row is filled at once with the top card of the
reserve; when the reserve is used up, any card may fill it. Click the stock to turn three cards
onto the visible stock; the stock may be formed again as often as you like.</p>
<h3>Winning</h3>
<p>The game is won when all 52 cards are on the foundations.</p>)"},
        {3060, "Golf",
         R"(<h3>The layout</h3>
<p>Seven rows of five cards face up. One card starts the discard pile; the other sixteen form the
stock.</p>
<h3>How to play</h3>
<p>Click the top card of a row to put it on the discard pile. It must be one rank above or below
the pile's top card, in any suit; an Ace and a King do not follow each other. When no card fits,
click the stock to turn its next card onto the discard pile.</p>
<h3>Winning</h3>
<p>The game is won when the rows and the stock are empty.</p>)"},
        {3070, "Calculation",
         R"(<h3>The layout</h3>
<p>An Ace, a Two, a Three and a Four start four foundations. The other 48 cards form the stock;
below the foundations lie four waste rows, empty at the start.</p>
<h3>How to play</h3>
<p>The foundations ignore suits and build up to the King in steps: the first by ones (A, 2, 3 ...),
the second by twos (2, 4, 6, 8, 10, Q, A, 3, 5, 7, 9, J, K), the third by threes (3, 6, 9, Q, 2, 5,
8, J, A, 4, 7, 10, K) and the fourth by fours (4, 8, Q, 3, 7, J, 2, 6, 10, A, 5, 9, K). Click the
stock to turn its next card; it must go onto a foundation or a waste row before the next card can
be turned. The top card of a waste row may go onto a foundation, never onto another row. Plan
where each card goes: a waste row is only worked off from the top.</p>
<h3>Winning</h3>
<p>The game is won when all four foundations reach their King.</p>)"},
        {3080, "Fourteen Out",
         R"(<h3>The layout</h3>
<p>Twelve rows, four of five cards and eight of four, all face up.</p>
<h3>How to play</h3>
<p>Click two top cards whose ranks add up to fourteen: an Ace and a King, a Two and a Queen, a Three
and a Jack, a Four and a Ten, and so on; a Jack counts 11, a Queen 12 and a King 13. The two cards
leave the table together. Click a selected card again to take it back.</p>
<h3>Winning</h3>
<p>The game is won when every row is empty.</p>)"},
        {3090, "Fan",
         R"(<h3>The layout</h3>
<p>Eighteen fans lie face up, seventeen of three cards and one of a single card.</p>
<h3>How to play</h3>
<p>Only the top card of a fan moves, one card at a time. It goes on the card one rank higher of its
own suit or onto a foundation. Only a King may go into an empty fan.</p>)",
         kFoundationsUp},
    };
    return kPages;
}

}  // namespace tessaro::shell
