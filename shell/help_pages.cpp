// The pages of the program's help: the contents and the rules of each game.
#include <QString>
#include <map>

#include "shell/help_pages_patience.h"
#include "shell/help_window.h"

namespace tessaro::shell {

namespace {

struct Page {
    const char* title;
    const char* body;
};

const char* const kPairsScoring =
    R"(<h3>Scoring</h3>
<p>The score starts at &minus;52. Every pair found adds 10 points; every miss (two cards that do not
match) takes 2 points away. The score is shown on the toolbar while you play, and its tool tip
shows the score to win.</p>)";

const char* const kPairsPlay =
    R"(<h3>The cards</h3>
<p>The cards come from two identical decks, so every card has exactly one twin: the same rank and
the same suit. They are dealt face down in a grid.</p>
<h3>How to play</h3>
<p>Click a face-down card to turn it over, then click a second one. When the two cards are twins
they are a pair: both leave the grid and go face up onto the pile of found pairs, and their places
stay empty. When they are not twins, both cards are turned face down again after a short moment;
remember where they lie. Cards of the same rank but of different suits are <i>not</i> a pair.</p>)";

const std::map<int, Page>& pages() {
    static const std::map<int, Page> kPages = {
        {3001, {"Klondike",
                R"(<h3>The layout</h3>
<p>One deck. Seven rows of one to seven cards, the top card of each face up; the remaining 24 cards
form the stock.</p>
<h3>How to play</h3>
<p>Build the rows down in alternating colours (a red nine on a black ten). A face-down card that
comes to the top of a row is turned over. Only a King may go into an empty row. Click the stock to
turn its cards one at a time onto the visible stock; when it is empty it may be formed again from the
visible stock as often as you like.</p>
<h3>Winning</h3>
<p>Build the four foundations up in suit from Ace to King. The game is won when the stock, the
visible stock and every row are empty.</p>)"}},
        {3200, {"Memory-Up (4x3)",
                R"(<p>Twelve cards, six pairs, in a grid of four cards by three rows.</p>
<h3>Winning</h3>
<p>The game ends when no face-down card is left. It is won with a final score of &minus;4 or more,
that is with at most six misses.</p>)"}},
        {3201, {"Memory-Up (6x4)",
                R"(<p>Twenty-four cards, twelve pairs, in a grid of six cards by four rows.</p>
<h3>Winning</h3>
<p>The game ends when no face-down card is left. It is won with a final score of 44 or more,
that is with at most twelve misses.</p>)"}},
        {3202, {"Memory-Up (8x5)",
                R"(<p>Forty cards, twenty pairs, in a grid of eight cards by five rows.</p>
<h3>Winning</h3>
<p>The game ends when no face-down card is left. It is won with a final score of 108 or more,
that is with at most twenty misses.</p>)"}},
        {3203, {"Ace-To-King",
                R"(<h3>The cards</h3>
<p>Thirteen cards of one deck, one of each rank from Ace to King, are dealt face down.</p>
<h3>How to play</h3>
<p>Turn the cards over in ascending order: first the Ace, then the Two, then the Three and so on up
to the King. Click a face-down card to turn it. As long as each card is exactly one rank above the
one before, the cards stay face up and your run grows. When you turn a card that does not continue
the run (or anything but an Ace to start), that is a miss: every face-up card is turned face down
again and you start over with the Ace. The cards never move, so remember what you have seen.</p>
<h3>Scoring</h3>
<p>The score starts at &minus;52. Each card of the run counts 15 points and each miss costs 1
point.</p>
<h3>Winning</h3>
<p>The game ends when all thirteen cards are face up, Ace to King, which scores 143 less the misses.
It is won with a final score of 130 or more, that is with at most thirteen misses.</p>)"}},
        {3204, {"Forget me not",
                R"(<h3>The cards</h3>
<p>Ten cards are shown face up in a line at the top of the table. Below them are ten empty answer
rows.</p>
<h3>How to play</h3>
<p>Memorise the ten cards and their order. After ten seconds they are turned face down, and a copy
of each of them (the same card from a second deck) is scattered face up over the lower part of the
table. Drag each copy into the answer row below the place where its original lies, so that the
answer rows repeat the order of the hidden line.</p>
<h3>Scoring</h3>
<p>When all ten answer rows hold a card, the hidden cards are shown again and every correct answer
is marked. Each correct answer row counts 10 points; the score starts at &minus;52.</p>
<h3>Winning</h3>
<p>The game is won with a final score of 28 or more, that is with eight or more correct
answers.</p>)"}},
        {3205, {"Concentration",
                R"(<h3>The cards</h3>
<p>A whole deck of 52 cards is dealt face down in five rows.</p>
<h3>How to play</h3>
<p>Click a face-down card to turn it over, then click a second one. Two cards of the same rank are a
pair, whatever their suits: both leave the table and go onto the pile of found pairs, and their
places stay empty. Cards of different ranks are turned face down again after a short moment.</p>
<h3>Scoring</h3>
<p>The score starts at &minus;52. Every pair found adds 7 points; every miss takes 1 point
away.</p>
<h3>Winning</h3>
<p>The game ends when no face-down card is left. It is won with a final score of 104 or more, that
is with at most twenty-six misses.</p>)"}},
    };
    return kPages;
}

QString wrap(const QString& title, const QString& body) {
    return QStringLiteral("<html><body><h2>%1</h2>%2<p><a href=\"topic:0\">Contents</a></p></body></html>")
        .arg(title, body);
}

}  // namespace

QString helpPage(int context) {
    const auto it = pages().find(context);
    if (it == pages().end()) {
        for (const PatiencePage& p : patiencePages())
            if (p.context == context)
                return wrap(QString::fromUtf8(p.title), QString::fromUtf8(p.body) + QString::fromUtf8(p.more ? p.more : "") +
                                                            QString::fromUtf8(p.last ? p.last : ""));
        return {};
    }
    QString body = QString::fromUtf8(it->second.body);
    // The three sizes of Memory-Up share their rules; each states its own target.
    if (context >= 3200 && context <= 3202) {
        const int winning = body.indexOf(QStringLiteral("<h3>Winning</h3>"));
        body.insert(winning, QString::fromUtf8(kPairsPlay) + QString::fromUtf8(kPairsScoring));
    }
    return wrap(QString::fromUtf8(it->second.title), body);
}

QString helpContentsPage() {
    QString list;
    for (const auto& [context, page] : pages())
        list += QStringLiteral("<li><a href=\"topic:%1\">%2</a></li>").arg(context).arg(QString::fromUtf8(page.title));
    for (const PatiencePage& p : patiencePages())
        list += QStringLiteral("<li><a href=\"topic:%1\">%2</a></li>").arg(p.context).arg(QString::fromUtf8(p.title));
    return QStringLiteral(
               "<html><body><h2>Tessaro Help</h2>"
               "<p>Tessaro is a Memory card game: the cards lie face down and you turn them over to find "
               "the ones that belong together. Choose a game with <b>File &gt; Open a game...</b> (Ctrl+F12), "
               "deal again with <b>File &gt; New game</b> (F2), and press F1 during a game to read its "
               "rules.</p><h3>Rules of the games</h3><ul>%1</ul></body></html>")
        .arg(list);
}

}  // namespace tessaro::shell
