#include "table/layout.h"

#include <algorithm>
#include <optional>
#include <string>

#include "engine/context.h"
#include "stores/catalogue.h"
#include "stores/rules_file.h"
#include "table/card_fit.h"
#include "table/rule_limits.h"

namespace tessaro {

LayoutInputs windowInputs(int windowWidth, int scrollBarWidth, int windowHeight, int clientHeight, int toolbarBottom,
                          int screenWidth, int screenHeight, int scrollPos) {
    LayoutInputs in;
    in.width = windowWidth - scrollBarWidth;
    in.height = windowHeight;
    in.bottom = clientHeight - 1;
    in.top = toolbarBottom >= 0 ? toolbarBottom : 5;
    in.screenWidth = screenWidth;
    in.screenHeight = screenHeight;
    in.scrollPos = scrollPos;
    return in;
}

LayoutInputs previewInputs(int pictureWidth, int pictureHeight, int screenWidth, int screenHeight) {
    LayoutInputs in;
    in.width = pictureWidth;
    in.height = pictureHeight;
    in.bottom = pictureHeight;
    in.top = 3;
    in.screenWidth = screenWidth;
    in.screenHeight = screenHeight;
    return in;
}

void TableHost::reloadRules(Context& ctx) { loadPlayableRules(ctx); }

// ---------------------------------------------------------------- card size

void setCardSize(Context& ctx, TableHost& host) {
    const std::string letter = ctx.reg.read(reg::CardSize);
    Layout& L = ctx.layout;
    if (letter == "B") {
        L.cardW = 71;
        L.cardH = 96;
    } else if (letter == "M") {
        L.cardW = 59;
        L.cardH = 80;
    } else if (letter == "L") {
        L.cardW = 25;
        L.cardH = 32;
    }
    host.cardSizeChanged(ctx);
}

void setShadowDepth(Context& ctx) { ctx.layout.shadow = ctx.reg.read(reg::CardsShadowed) == "N" ? 0 : 9; }

void setFanOffsets(Context& ctx) {
    if (fitToWindow(ctx)) {
        setFittedFanOffsets(ctx);
        return;
    }
    const RuleTable& P = ctx.P;
    FanOffsets& f = ctx.layout.fan;
    f.downUp = f.downDown = f.sideUp = f.sideDown = 0;
    f.reserveStep = f.reserveStep2 = 3;
    f.spread = 6;

    const std::string letter = ctx.reg.read(reg::CardSize);
    // Column of the size table: 0 "B", 1 "M", 2 "L", -1 any other letter.
    const int col = letter == "B" ? 0 : letter == "M" ? 1 : letter == "L" ? 2 : -1;
    auto pick = [col](int b, int m, int l, int other) { return col == 0 ? b : col == 1 ? m : col == 2 ? l : other; };

    if (P[3] == 1 || P[3] == 7 || P[5] == 1) {
        f.downUp = pick(18, 14, 3, 0);
        f.downDown = pick(4, 4, 3, 4);
    }
    if (P[3] == 2 || P[6] != 0 || P[5] == 2) {
        f.sideUp = pick(12, 10, 3, 0);
        f.sideDown = pick(4, 4, 3, 4);
    }
    if (P[3] == 6 && col >= 0) f.mode6First = f.mode6Second = pick(7, 5, 3, 0);
    if (col >= 0) {
        f.visFirst = pick(12, 8, 4, 0);
        f.visSecond = pick(8, 6, 3, 0);
    }
}

// ------------------------------------------------------- display-size check

namespace {

std::string messageSmall640(const std::string& game) {
    return "Your video card's display is 640x480 pixels. For the best graphics display the screen resolution should be "
           "set to 800x600 pixels or higher. However, it's possible to play " +
           game + " using a predefined cards set.";
}

std::string messageSmall800(const std::string& game) {
    return "Your video card's display is 800x600 pixels. For the best graphics display of this game the screen "
           "resolution should be set to 1024x768 pixels or higher. However, it's possible to play " +
           game + " using a predefined cards set.";
}

}  // namespace

void checkDisplaySize(Context& ctx, TableHost& host, int screenWidth) {
    Layout& L = ctx.layout;
    Register& r = ctx.reg;
    const int cls = ctx.P[38];
    const bool tooSmall = (screenWidth < 650 && cls == 1) || (screenWidth < 810 && cls == 2);
    if (tooSmall) {
        if (r.read(reg::CardSize) != "B") {
            L.adapted = true;
        } else {
            // Keep the player's choice so a larger screen gets it back.
            r.write(reg::SavedCardSize, r.read(reg::CardSize));
            r.write(reg::SavedFaceSet, r.read(reg::CardFaceSet));
            r.write(reg::SavedBack, r.read(reg::CardBack));
            r.write(reg::CardFaceSet, "003");
            r.write(reg::CardSize, "M");
            if (cls == 1 && !L.adapted) {
                L.adapted = true;
                if (!L.firstMessage) {
                    L.firstMessage = true;
                    ctx.dialogs->info(messageSmall640(r.read(reg::GameName)));
                }
            } else if (cls == 2 && !L.adapted) {
                L.adapted = true;
                if (!L.secondMessage) {
                    L.secondMessage = true;
                    ctx.dialogs->info(messageSmall800(r.read(reg::GameName)));
                }
            }
        }
        host.processPaint();
    } else {
        if (!r.read(reg::SavedFaceSet).empty()) {
            r.write(reg::CardSize, r.read(reg::SavedCardSize));
            r.write(reg::CardFaceSet, r.read(reg::SavedFaceSet));
            r.write(reg::CardBack, r.read(reg::SavedBack));
            r.write(reg::SavedCardSize, "");
            r.write(reg::SavedFaceSet, "");
            r.write(reg::SavedBack, "");
        }
        host.enableCustomize();
    }
}

int prepareTable(Context& ctx, TableHost& host, const LayoutInputs& in) {
    ctx.P.clear(487);
    host.reloadRules(ctx);
    const std::string letter = ctx.reg.read(reg::CardSize);

    checkDisplaySize(ctx, host, in.screenWidth);
    if (ctx.reg.read(reg::CardSize) != letter) setCardSize(ctx, host);

    ctx.layout.resetPositions();

    GameCommandStates cmds;
    cmds.autoplay = ctx.P[19];
    cmds.tutor = ctx.P[45] == 1;
    cmds.save = ctx.P[21] != 1;
    cmds.undoRedo = ctx.P[21] != 1;
    host.setGameCommands(cmds);

    setFanOffsets(ctx);
    layoutTable(ctx, in);
    return 1;
}

// ----------------------------------------------------------------- layout

int minimumWindowWidth(int screenWidth) { return screenWidth <= 700 ? 635 : 780; }

int columnX(const Context& ctx, int n, int i) {
    const Layout& L = ctx.layout;
    const int x = i >= 0 && i < kRows ? L.fila[static_cast<std::size_t>(i)].x : kUnsetFila;
    return x + n * L.cardW + 2 * n;
}

bool rectsOverlap(int left1, int top1, int right1, int bottom1, int left2, int top2, int right2, int bottom2) {
    auto in = [&](int x, int y) { return x >= left2 && x <= right2 && y >= top2 && y <= bottom2; };
    if (in(left1, top1)) return true;
    if (in(right1, bottom1)) return true;
    if (in(right1, top1) || in(left1, bottom1)) return true;
    const bool leftIn = left1 >= left2 && left1 <= right2;
    const bool rightIn = right1 >= left2 && right1 <= right2;
    if (!leftIn && !rightIn) return false;
    for (int y = top1; y <= bottom1; y += 50)
        if (y >= top2 && y <= bottom2) return true;
    return false;
}

int overlapArea(int left1, int top1, int right1, int bottom1, int left2, int top2, int right2, int bottom2) {
    auto in = [&](int x, int y) { return x >= left2 && x <= right2 && y >= top2 && y <= bottom2; };
    if (in(left1, top1)) return (right2 - left1) * (bottom2 - top1);
    if (in(right1, bottom1)) return (right1 - left2) * (bottom1 - top2);
    if (in(right1, top1)) return (bottom2 - top1) * (right1 - left2);
    if (in(left1, bottom1)) return (right2 - left1) * (bottom1 - top2);
    const bool leftIn = left1 >= left2 && left1 <= right2;
    const bool rightIn = right1 >= left2 && right1 <= right2;
    if (!leftIn && !rightIn) return 0;
    for (int y = top1; y <= bottom1; y += 50)
        if (y >= top2 && y <= bottom2) return (leftIn ? right2 - left1 : right1 - left2) * (bottom1 - top1);
    return 0;
}

namespace {

// A layout code: the row digit (first character of a parameter's decimal
// text) and the arrangement number (another parameter, 0-999; anything else
// matches no arrangement).
struct Code {
    char digit = '0';
    int arr = -1;
};

Code codeOf(const RuleTable& P, int digitParam, int arrParam) {
    Code c;
    c.digit = std::to_string(P[digitParam])[0];
    const int v = P[arrParam];
    c.arr = v >= 0 && v <= 999 ? v : -1;
    return c;
}

int atLeast(int v, int low) { return v < low ? low : v; }
int clamp4to20(int v) { return v < 4 ? 4 : v > 20 ? 20 : v; }
int truncd(double v) { return static_cast<int>(v); }

// One layout run. Positions are written straight into the Layout; the
// working values are members.
//
// choice: where an arrangement would divide by zero or reach outside its
// tables for values a rules file can hold (a pile count outside its family,
// grids with no rows or fewer piles than rows, rows beyond a row table, row
// digits with no header row, a gap no step has set, a foundation or reserve
// count wider than the tableau), the family is left unset, as for an
// arrangement number no table lists.
class Run {
public:
    Run(Context& ctx, const LayoutInputs& in) : ctx_(ctx), P(ctx.P), L(ctx.layout), in_(in) {
        cw = L.cardW;
        ch = L.cardH;
        stockC = codeOf(P, 355, 354);
        destC = codeOf(P, 357, 356);
        filaC = codeOf(P, 359, 358);
        resC = codeOf(P, 362, 361);
        wasteC = codeOf(P, 364, 363);
        nStock = P[365];
        nDest = P[366];
        nFila = P[367];
        nRes = P[368];
        nWaste = P[369];
        rows = P[360];
        screenW = in.screenWidth;
        screenH = in.screenHeight;
    }

    void run() {
        L.screenW = screenW;
        L.screenH = screenH;
        // Step 1.
        L.scroll = 0;
        s = 15;
        if (screenH < 500 && nDest > 4 && nStock > 1) s = 5;
        // Step 2.
        W = in_.width;
        H = in_.height;
        B = in_.bottom;
        T = in_.top;
        if (H < 500) W -= 10;
        W -= 2;
        g = H < 500 ? 5 : 10;

        // Steps 3 to 16. The overlap retry only moves arrangement 002, so any
        // other arrangement is laid out again at most once; 002 moves right of
        // the reserve each time. choice: a cap of 8 retries keeps a
        // pathological case finite.
        const int maxRetries = filaC.arr == 2 ? 8 : 1;
        for (int pass = 0;; ++pass) {
            if (!onePass()) break;  // the arrangement placed everything itself
            retryX = 0;             // step 15
            const std::optional<int> again = overlapRetry();
            if (!again || pass >= maxRetries) {
                fillIns();
                break;
            }
            retryX = *again;
        }
        // Step 18.
        for (std::size_t i = 0; i < L.stock.size(); ++i)
            L.stockSnap[i] = {L.stock[i].x, L.stock[i].y - L.scroll, L.stock[i].y};
        for (std::size_t i = 0; i < L.dest.size(); ++i)
            L.destSnap[i] = {L.dest[i].x, L.dest[i].y - L.scroll, L.dest[i].y};
        L.scroll = in_.scrollPos;
    }

private:
    Context& ctx_;
    const RuleTable& P;
    Layout& L;
    LayoutInputs in_;

    int cw = 0, ch = 0;
    Code stockC, destC, filaC, resC, wasteC;
    int nStock = 0, nDest = 0, nFila = 0, nRes = 0, nWaste = 0, rows = 0;
    int screenW = 0, screenH = 0;

    int W = 0, H = 0, B = 0, T = 0;
    int g = 10, s = 15, m = 5;
    std::optional<int> gap;   // set by the tableau arrangements that lay out a row
    std::optional<int> fgap;  // derived from gap in step 10, or set by foundation 001/002
    int retryX = 0;
    int hdr[6] = {};  // Row 1..4, bottom row, middle row
    int c3[3] = {};
    int c4[4] = {};

    // ---- slot access
    PilePos& fila(int i) { return L.fila[static_cast<std::size_t>(i)]; }
    PilePos& dest(int i) { return L.dest[static_cast<std::size_t>(i)]; }
    PilePos& res(int i) { return L.appogg[static_cast<std::size_t>(i)]; }
    PilePos& stock(int i) { return L.stock[static_cast<std::size_t>(i)]; }
    int tx(int i) const { return i >= 0 && i < kRows ? L.fila[static_cast<std::size_t>(i)].x : kUnsetFila; }

    void unsetFila() {
        for (auto& p : L.fila) p = {kUnsetFila, kUnsetFila};
    }
    void unsetDest() {
        for (auto& p : L.dest) p = {kUnsetDest, kUnsetDest};
    }
    void unsetRes() {
        for (auto& p : L.appogg) p = {kUnsetAppogg, kUnsetAppogg};
    }
    void unsetStock(int i) { stock(i) = {kUnsetStock, kUnsetStock}; }

    // Row of a digit: header row d - 1, index 0 for digit 0. Digits beyond the
    // six header rows (7 to 9, or a minus sign) have no row.
    std::optional<int> rowOf(char d) const {
        if (d < '0' || d > '9') return std::nullopt;
        int idx = d == '0' ? 0 : d - '1';
        return headerRow(idx);
    }
    std::optional<int> headerRow(int idx) const {
        if (idx < 0 || idx > 5) return std::nullopt;
        return hdr[idx];
    }
    static int digitValue(char d) { return d >= '0' && d <= '9' ? d - '0' : -1; }

    bool filaCountOk() const { return nFila >= 0 && nFila <= kRows; }
    bool destCountOk() const { return nDest >= 0 && nDest <= kFoundations; }
    bool resCountOk() const { return nRes >= 0 && nRes <= kReserves; }

    // Steps 3 to 14. Returns false when the tableau arrangement places only
    // what its own table row names (steps 9 to 17 do not run).
    bool onePass() {
        headerRows();
        centredBlocks();
        margins();
        gap.reset();
        fgap.reset();
        const int a = filaC.arr;
        const bool selfPlaced = a == 52 || a == 53 || a == 54 || (a >= 118 && a <= 130);
        // Step 7.
        if (!selfPlaced && a != 10 && a != 18) {
            if (auto y = rowOf(filaC.digit)) fila(0).y = *y;
            else {
                unsetFila();
                filaC.arr = -1;  // nothing of this family can be placed
            }
        }
        tableau();  // step 8
        if (selfPlaced) return false;
        if (nStock > 0) stockPiles();  // step 9
        foundations();                  // step 10
        if (filaC.arr == 20) respace020();  // step 11
        if (nRes > 0) reserves();           // step 12
        if (nWaste > 0) waste();            // step 13
        return true;
    }

    // Step 3.
    void headerRows() {
        hdr[0] = T + g + (stockC.digit == '1' ? 15 : 0);
        hdr[1] = hdr[0] + g + ch + (stockC.digit == '2' || stockC.arr == 3 ? 15 : 0);
        hdr[2] = hdr[1] + g + ch;
        hdr[3] = hdr[2] + g + ch;
        // H > 0.8 x screen height, compared exactly.
        hdr[4] = 5 * H > 4 * screenH ? H - 50 - ch : screenH - 30 - ch;
        hdr[5] = hdr[1] + (hdr[2] - hdr[1]) / 2;
        if (filaC.arr == 15) {
            hdr[0] = T + 15;
            hdr[1] = hdr[0] + 5 + ch;
            hdr[2] = hdr[1] + 5 + ch;
        }
    }

    // Step 4.
    void centredBlocks() {
        c3[0] = atLeast(T + (B - T - (3 * ch + 20)) / 2, T + 2);
        c3[1] = c3[0] + ch + 10;
        c3[2] = c3[1] + ch + 10;
        c4[0] = atLeast(T + (B - T - (4 * ch + 30)) / 2, T + 2);
        for (int i = 1; i < 4; ++i) c4[i] = c4[i - 1] + ch + 10;
    }

    // Step 5.
    void margins() {
        m = W < 650 ? 3 : 5;
        if (nStock > 0) {
            m += L.shadow;
            const int sa = stockC.arr;
            if (sa == 3 || sa == 4 || sa == 5 || sa == 16 || sa == 19 || wasteC.arr == 4) m += 15;
        }
    }

    // Lays out tableau slots 1..n-1 in a row after x[0] with the given gap.
    void row(int n, int step) {
        for (int i = 1; i < n; ++i) {
            fila(i).x = fila(i - 1).x + cw + step;
            fila(i).y = fila(0).y;
        }
    }

    // Step 8.
    void tableau() {
        const int a = filaC.arr;
        if (a < 0) return;
        if (!filaCountOk()) {
            unsetFila();
            return;
        }
        const int n = nFila;
        switch (a) {
        case 1:
        case 14:
        case 15: arrangement001(a, n); break;
        case 2: {
            gap = W < 650 ? 5 : 10;
            fila(0).x = atLeast(retryX != 0 ? retryX : (W - n * cw - (n - 1) * *gap) / 2, m);
            row(n, *gap);
            break;
        }
        case 3:
        case 11:
        case 12:
        case 21: arrangementSides(a, n); break;
        case 10: grid010(n); break;
        case 13: {
            int d = L.shadow < 1 ? 9 : L.shadow;
            if (screenH < 500) d = -11;
            gap = 4;
            fila(0).x = 2 * d + 30;
            row(n, *gap);
            break;
        }
        case 18: grid018(n); break;
        case 53: grid053(n); break;
        case 52: cross052(); break;
        case 118: column118(); break;
        case 54: staircase054(); break;
        case 123: grid123(); break;
        case 124: grid124(); break;
        case 125: grid125(); break;
        case 126: grid126(); break;
        case 127: stacked(4, 8, 6, H < 500 ? 2 : 5, hdr[0]); break;
        case 128: stacked(5, 10, 8, H < 500 ? 1 : 3, T + 5); break;
        case 129: stacked(3, 6, 4, H < 500 ? 2 : 5, T + 5); break;
        case 130: grid130(); break;
        default: break;  // 020 is placed in step 11; others stay unset
        }
    }

    void arrangementSides(int a, int n) {
        int sides = 1, units = 2;
        if (a == 3 || a == 12) {
            if (screenH < 500 && s > 10) {
                s = 10;
                m = 15;
            }
        } else {
            sides = 2;
            units = 1;
        }
        int gp = (W - (sides + n) * cw - units * s - 15 * sides) / (n + 4);
        if (gp < 4) gp = 4;
        else if (gp > 20) gp = 15;
        if (a == 21) gp = 4;
        gap = gp;
        int x0 = (W - 15 * sides - units * s - (sides + n) * cw - n * gp) / 2;
        if (nDest < 8 || (nDest == 8 && sides == 1)) x0 = atLeast(x0, m);
        else x0 = atLeast(x0, screenH < 500 ? -4 : 1);
        x0 += sides * cw + 15 * sides + units * s;
        if (a == 11 || a == 12) x0 += s;
        fila(0).x = x0;
        row(n, gp);
    }

    void arrangement001(int a, int n) {
        int gp = clamp4to20((W - n * cw) / (n + 1));
        const bool wide004 = stockC.arr == 4 || wasteC.arr == 4;
        if (a == 1 && wide004) gp = atLeast(gp, 15);
        int x0 = (W - n * cw - (n - 1) * gp) / 2;
        if (x0 < m) {
            if (a == 1) {
                x0 = m;
            } else {
                if (n - 1 == 0) {  // one pile: the squeeze would divide by zero
                    unsetFila();
                    return;
                }
                gp = clamp4to20(gp - truncd(static_cast<double>(m - x0) / (n - 1) + 0.99));
                x0 = screenW < 650 && (nDest == 8 || nFila == 10) ? m - 2 : m;
            }
        }
        gap = gp;
        fila(0).x = x0;
        const bool wideFirst = a != 1 && wide004 && gp < 15 && nStock > 0;
        for (int i = 1; i < n; ++i) {
            fila(i).x = fila(i - 1).x + cw + (wideFirst && i <= nStock ? 15 : gp);
            fila(i).y = fila(0).y;
        }
    }

    // Grid placement shared by 010, 018 and 053: rows of `per` piles starting
    // at x[0]; rowY(k) is the y of grid row k (nullopt beyond its table).
    template <class RowY>
    bool gridRows(int n, int gp, int firstRow, RowY rowY) {
        if (rows == 1) {
            row(n, gp);
            return true;
        }
        const int per = n / rows;
        int r = firstRow;
        for (int i = 1; i < n; ++i) {
            if (i % per == 0) {
                fila(i).x = fila(0).x;
                ++r;
            } else {
                fila(i).x = fila(i - 1).x + cw + gp;
            }
            const auto y = rowY(r);
            if (!y) return false;
            fila(i).y = *y;
        }
        return true;
    }
    // A grid needs at least one row and one pile per row.
    bool gridShapeOk(int n) const { return rows >= 1 && n >= rows; }

    void grid010(int n) {
        if (!gridShapeOk(n)) {
            unsetFila();
            return;
        }
        gap = truncd(0.85 * cw);
        fila(0).x = 15;
        // choice: with more than one row the first pile lines up with the rest
        // of its row (Row 1); a single row keeps the centred y.
        fila(0).y = rows == 1 ? c3[0] : hdr[0];
        if (!gridRows(n, *gap, 0, [this](int r) { return headerRow(r); })) unsetFila();
    }

    void grid018(int n) {
        const int first = digitValue(filaC.digit) - 1;
        if (!gridShapeOk(n) || first < 0 || first > 3) {
            unsetFila();
            return;
        }
        const int per = n / rows;
        gap = atLeast((W - per * cw - 2) / (per + 1), truncd(1.5 * cw));
        fila(0).x = screenH < 500 ? 15 : m + 10;
        fila(0).y = c4[first];
        auto y = [this](int r) -> std::optional<int> {
            if (r < 0 || r > 3) return std::nullopt;
            return c4[r];
        };
        if (!gridRows(n, *gap, first, y)) unsetFila();
    }

    void grid053(int n) {
        if (!gridShapeOk(n)) {
            unsetFila();
            return;
        }
        c4[0] = (B - T - (4 * ch + 30 + 15)) / 2 + T;
        c4[1] = c4[0] + ch + 10;
        c4[2] = c4[1] + ch + 10;
        c4[3] = c4[2] + ch + 25;
        const int per = n / rows;
        int gp = (W - per * cw - 2) / (per + 1);
        const bool small = screenH < 500;
        const int* block = small ? c3 : c4;
        const int blockRows = small ? 3 : 4;
        if (small) {
            gp = truncd(0.85 * cw);
            fila(0).x = 15;
        } else {
            gp = atLeast(gp, truncd(1.5 * cw));
            fila(0).x = m + 10;
        }
        gap = gp;
        fila(0).y = block[0];
        auto y = [block, blockRows](int r) -> std::optional<int> {
            if (r < 0 || r >= blockRows) return std::nullopt;
            return block[r];
        };
        if (!gridRows(n, gp, 0, y)) {
            unsetFila();
            return;
        }
        if (small) stock(kMazzoWaste) = {fila(n - 1).x + cw + gp, c3[2]};
        else stock(kMazzoWaste) = {fila(0).x, c4[3]};
    }

    void cross052() {
        const int p = H < 500 ? 25 : 35;
        int x1 = (W - 3 * cw - 2 * p) / 2;
        if (x1 < cw + 2 * p + 25) x1 = cw + 2 * p + 25;
        fila(1).x = x1;
        fila(0).x = x1 + cw + p;
        fila(2).x = fila(0).x;
        fila(3).x = fila(2).x + cw + p;
        fila(4).x = fila(0).x;
        fila(0).y = atLeast((B - T - (3 * ch + 2 * p)) / 2 + T, hdr[0]);
        fila(1).y = fila(0).y + p + ch;
        fila(2).y = fila(1).y;
        fila(3).y = fila(1).y;
        fila(4).y = fila(3).y + p + ch;
        stock(kMazzo) = {x1 - cw - 2 * p, fila(0).y};
        stock(kMazzoVis) = {x1 - cw - 2 * p, fila(1).y};
        dest(0) = {x1 + 7, fila(0).y + 7};
        dest(1) = {fila(3).x - 7, fila(0).y + 7};
        dest(2) = {x1 + 7, fila(4).y - 7};
        dest(3) = {fila(3).x - 7, fila(4).y - 7};
    }

    void column118() {
        gap = 10;
        const int y0 = truncd(T + static_cast<double>(B - 5 * ch - 30 - 15 - T) / 2);
        fila(0).y = atLeast(y0, T + 10);
        for (int i = 0; i < 4; ++i) fila(i).x = 5;
        for (int i = 1; i < 4; ++i) fila(i).y = fila(i - 1).y + ch + 10;
        stock(nWaste > 0 ? kMazzoWaste : kMazzo) = {columnX(ctx_, 6, 0), fila(3).y + ch + 16};
    }

    void staircase054() {
        const int sx = screenH < 500 ? 15 : 40;
        stock(kMazzo) = {sx, hdr[0]};
        stock(kMazzoVis) = {sx, hdr[1] + 10};
        const int st = cw / 2 + L.fan.spread / 2;
        int x0 = (W - cw) / 2;
        auto place = [&] {
            fila(0).x = x0;
            for (int i = 1; i <= 6; ++i) fila(i).x = fila(i - 1).x - st;
        };
        place();
        while (stock(kMazzo).x + cw + 3 >= fila(5).x) {
            x0 += 3;
            place();
        }
        const int edge = fila(5).x + 6 * cw + 5 * L.fan.spread;
        int wx = W - st - cw;
        if (wx < edge) wx = edge + 3;
        stock(kMazzoWaste) = {wx, hdr[0]};
        const int e = screenH < 500 ? 8 : -4;
        fila(0).y = hdr[0];
        for (int i = 1; i <= 7; ++i) fila(i).y = fila(i - 1).y + ch / 2 - e;
    }

    // Lays out piles first..first+count-1 of a grid row at (x, y), step cw + gp.
    void gridRow(int first, int count, int x, int y, int gp) {
        for (int k = 0; k < count; ++k) fila(first + k) = {x + k * (cw + gp), y};
    }

    // choice: the grids that show the put-away pile beside them place it only
    // when the game has one (parameter 369), as step 13 does.
    void grid123() {
        const bool withWaste = nWaste == 1;
        int gp = withWaste ? 5 : 10;
        if (H < 500) gp = 1;
        const int cols = withWaste ? 6 : 4;
        const int gaps = withWaste ? 4 : 3;
        const int x0 = atLeast((W - cols * cw - gaps * gp - 10) / 2, 25);
        const int y0 = (B - T - (4 * ch + 3 * gp)) / 2 + T;
        for (int r = 0; r < 4; ++r) gridRow(4 * r, 4, x0, y0 + r * (ch + gp), gp);
        if (withWaste) stock(kMazzoWaste) = {fila(3).x + gp + 2 * cw, fila(4).y + (ch + gp) / 2};
    }

    void grid124() {
        const int gp = H < 500 ? 10 : 15;
        const int x0 = atLeast((W - 3 * cw - 2 * gp) / 2, 25);
        const int y0 = (B - T - (3 * ch + 2 * gp)) / 2 + T;
        for (int r = 0; r < 3; ++r) gridRow(3 * r, 3, x0, y0 + r * (ch + gp), gp);
    }

    void grid125() {
        const bool withWaste = nWaste > 0;
        const int gp = H < 500 ? 1 : 3;
        const int cols = withWaste ? 7 : 5;
        const int gaps = withWaste ? 4 : 3;
        const int x0 = atLeast((W - cols * cw - gaps * gp) / 2, 25);
        const int y0 = (B - T - (5 * ch + 4 * gp)) / 2 + T;
        for (int r = 0; r < 5; ++r) gridRow(5 * r, 5, x0, y0 + r * (ch + gp), gp);
        if (withWaste) stock(kMazzoWaste) = {fila(4).x + gp + 2 * cw, fila(10).y};
    }

    void grid126() {
        const int gp = H < 500 ? 3 : 5;
        const int x4 = atLeast((W - 5 * cw - 4 * gp) / 2, 25);
        const int y0 = atLeast((B - T - (3 * ch + 2 * gp)) / 2 + T, hdr[0]);
        const int x0 = x4 + (cw + gp) / 2;
        gridRow(0, 4, x0, y0, gp);
        gridRow(4, 5, x4, y0 + ch + gp, gp);
        gridRow(9, 4, x0, y0 + 2 * (ch + gp), gp);
    }

    // 127, 128, 129: `count` rows stacked at one x, each spread sideways by
    // its fan mode; a block `widths` card widths and `gaps` gaps wide.
    void stacked(int count, int widths, int gaps, int gp, int minY) {
        const int x0 = atLeast((W - widths * cw - gaps * gp) / 2, 25);
        const int y0 = atLeast((B - T - (count * ch + (count - 1) * gp)) / 2 + T, minY);
        for (int i = 0; i < count; ++i) fila(i) = {x0, y0 + i * (ch + gp)};
        if (nWaste <= 0) return;
        switch (count) {
        case 4: stock(kMazzoWaste) = {x0 + 7 * cw + gp, fila(1).y + (ch + gp) / 2}; break;
        case 5: stock(kMazzoWaste) = {x0 + 9 * cw + gp, fila(2).y}; break;
        default: stock(kMazzoWaste) = {fila(1).x + 5 * cw + gp, fila(1).y}; break;
        }
    }

    void grid130() {
        const int gp = H < 500 ? 2 : 5;
        const int v = 15;
        const int fx = atLeast((W - 10 * cw - 9 * gp) / 2, 10);
        const int fy = atLeast((B - T - (3 * ch + 6 * v)) / 2 + T, T + 5);
        for (int i = 0; i < 10; ++i) {
            dest(i) = {fx + i * (cw + gp), fy};
            fila(i) = {dest(i).x, fy + ch + v};
        }
        for (int i = 10; i < 20; ++i) fila(i) = {fila(i - 10).x, fila(0).y + ch + 4 * v};
    }

    // Step 9.
    void stockPiles() {
        if (nStock > kStockPiles) {
            for (int i = 0; i < kStockPiles; ++i) unsetStock(i);
            return;
        }
        const auto y0 = rowOf(stockC.digit);
        if (!y0) return;
        stock(kMazzo).y = *y0;
        auto put = [&](int slot, int x) { stock(slot) = {x, *y0}; };
        switch (stockC.arr) {
        case 4:
            if (P[9] == 1 && P[10] == 1) {
                put(0, tx(0));
                put(1, tx(1));
            } else if (P[10] == 1) {
                put(1, tx(0));
            } else if (P[9] == 1) {
                put(0, tx(0));
            }
            break;
        case 5:
            put(0, m);
            for (int i = 1; i < nStock; ++i) put(i, stock(i - 1).x + m + cw);
            break;
        case 3:
            put(0, tx(0) - cw - 2 * s);
            if (P[10] == 1) stock(1) = {stock(0).x, hdr[1]};
            break;
        case 11:
            put(1, tx(0) - cw - 3 * s);
            put(0, stock(1).x - cw - s);
            break;
        case 13: {
            int d = L.shadow;
            if (d > 1) d /= 2;
            if (screenH < 500 && nDest == 8 && nStock > 1) d = -3;
            put(0, d + 15);
            if (nStock > 1) put(1, stock(0).x + cw + 15);
            break;
        }
        case 16:
        case 19: put(P[9] != 1 ? 1 : 0, tx(0) - cw - (stockC.arr == 16 ? 2 : 4) * s); break;
        case 21: {
            put(1, tx(0) - cw - s);
            const int e = screenH < 500 && nDest > 4 ? 0 : 5;
            put(0, stock(1).x - cw - 15 - e);
            break;
        }
        default: break;
        }
    }

    // Step 10.
    void foundations() {
        if (!destCountOk()) {
            unsetDest();
            return;
        }
        auto y0 = rowOf(destC.digit);
        if (!y0) return;
        const int n = nDest;
        const int tc = nFila;
        if (gap) fgap = atLeast(*gap / 3, 4);
        dest(0).y = *y0;
        bool ok = true;
        switch (destC.arr) {
        case 7:
            ok = tc - n >= 0 && tc <= kRows;
            for (int i = 0; ok && i < n; ++i) dest(i).x = tx(tc - n + i);
            break;
        case 9:
            ok = n >= 1 && tc >= 1 && tc <= kRows && fgap.has_value();
            if (!ok) break;
            dest(n - 1).x = tx(tc - 1);
            for (int i = n - 2; i >= 0; --i) dest(i).x = dest(i + 1).x - *fgap - cw;
            break;
        case 1:
            fgap = atLeast((W - n * cw - 2) / (n + 1), 1);
            for (int i = 0; i < n; ++i) dest(i).x = i == 0 ? *fgap : dest(i - 1).x + cw + *fgap;
            break;
        case 2:
            ok = gap.has_value();
            if (!ok) break;
            fgap = atLeast(*gap / 2, 4);
            for (int i = 0; i < n; ++i)
                dest(i).x = i == 0 ? (W - n * cw - (n - 1) * *fgap) / 2 : dest(i - 1).x + cw + *fgap;
            break;
        case 8:
            ok = n >= 1;
            if (!ok) break;
            dest(n - 1).x = W - cw - m - 5;
            for (int i = n - 2; i >= 0; --i) dest(i).x = dest(i + 1).x - m - cw;
            break;
        case 13:
            if (screenH < 500) {
                ok = n >= 1 && tc >= 1 && tc <= kRows;
                if (!ok) break;
                dest(n - 1).x = tx(tc - 1);
                for (int i = n - 2; i >= 0; --i) dest(i).x = dest(i + 1).x - cw - 2;
            } else {
                ok = n >= 1 && tc - n >= 0 && tc <= kRows;
                for (int i = 0; ok && i < n; ++i) dest(i).x = tx(tc - n + i);
            }
            break;
        case 17: {
            int a = 17, b = 4;
            if (screenH < 500) {
                if (nDest == 8 && nStock > 1) a = 4, b = 3;
                else a = 7, b = 3;
            }
            *y0 = stock(kMazzo).y;
            dest(0).y = *y0;
            for (int i = 0; i < n; ++i)
                dest(i).x = i == 0 ? stock(P[10] == 1 ? kMazzoVis : kMazzo).x + cw + a : dest(i - 1).x + b + cw;
            break;
        }
        case 22:
            for (int i = 0; i < n; ++i) dest(i).x = tx(i);
            break;
        default: return;
        }
        if (!ok) {
            unsetDest();
            return;
        }
        for (int i = 0; i < n; ++i) dest(i).y = *y0;
    }

    // Step 11: arrangement 020 spaces the tableau between the first and the
    // last foundation.
    void respace020() {
        const int n = nDest;
        const int tc = nFila;
        if (n < 1 || n > kFoundations || !filaCountOk() || tc < 1 || !dest(0).placed() || !dest(n - 1).placed()) {
            unsetFila();
            return;
        }
        const int d = (dest(n - 1).x + cw - dest(0).x - cw * tc - (tc - 1) * 10) / 2;
        fila(0).x = dest(0).x + d;
        row(tc, 10);
    }

    // Step 12.
    void reserves() {
        if (!resCountOk()) {
            unsetRes();
            return;
        }
        const int dv = digitValue(resC.digit);
        std::optional<int> y0;
        if (dv == 0) y0 = 0;
        else if (dv >= 1) y0 = headerRow(dv - 1);
        if (!y0) return;
        const int n = nRes;
        const int tc = nFila;
        res(0).y = *y0;
        int placed = 0;
        bool ok = true;
        switch (resC.arr) {
        case 6:
            ok = fgap.has_value();
            if (!ok) break;
            for (int i = 0; i < n; ++i) res(i).x = i == 0 ? tx(0) : res(i - 1).x + *fgap + cw;
            placed = n;
            break;
        case 4:
            for (int i = 0; i < n; ++i) res(i).x = tx(i);
            placed = n;
            break;
        case 5:
            for (int i = 0; i < n; ++i) res(i).x = i == 0 ? m : res(i - 1).x + m + cw;
            placed = n;
            break;
        case 7:
            ok = tc - n >= 0 && tc <= kRows;
            for (int i = 0; ok && i < n; ++i) res(i).x = tx(tc - n + i);
            placed = n;
            break;
        case 11:
            res(0).x = stock(kMazzoVis).x;
            placed = 1;
            break;
        case 12:
            res(0).x = tx(0) - cw - (nFila < 8 ? 3 * s : truncd(1.5 * s));
            placed = 1;
            break;
        case 23:
            res(0).x = stock(kMazzo).x;
            placed = 1;
            break;
        default: return;
        }
        if (!ok) {
            unsetRes();
            return;
        }
        for (int i = 0; i < placed; ++i) res(i).y = *y0;
    }

    // Step 13.
    void waste() {
        const int dv = digitValue(wasteC.digit);
        switch (wasteC.arr) {
        case 16: {
            std::optional<int> above;
            if (dv == 1) above = 0;
            else if (dv >= 2) above = headerRow(dv - 2);
            if (!above) return;
            stock(kMazzoWaste) = {stock(kMazzo).x, *above + ch + 20};
            break;
        }
        case 6:
        case 7: {
            const auto y = dv >= 1 ? headerRow(dv - 1) : std::nullopt;
            if (!y) return;
            if (wasteC.arr == 7 && (nFila < 1 || nFila > kRows)) return;
            stock(kMazzoWaste) = {wasteC.arr == 6 ? tx(1) : tx(nFila - 1), *y};
            break;
        }
        default: break;
        }
    }

    // Step 16: the last reserve must keep 85 pixels from every tableau pile.
    // Returns the x the tableau must move to, or nothing when no retry is due.
    // choice: piles that are not on the table take no part, so two unset
    // slots never "overlap" each other.
    std::optional<int> overlapRetry() {
        if (resC.arr != 5 || nRes <= 0 || !resCountOk()) return std::nullopt;
        const PilePos& r = res(nRes - 1);
        if (!r.placed()) return std::nullopt;
        for (int i = 0; i < kRows; ++i) {
            const PilePos& t = fila(i);
            if (!t.placed()) continue;
            if (rectsOverlap(r.x, r.y, r.x + cw, r.y + ch, t.x - 85, t.y, t.x + cw + 85, t.y + ch)) {
                const int x = r.x + cw + 86;
                return x > 0 ? x : m;
            }
        }
        return std::nullopt;
    }

    // Step 17.
    void fillIns() {
        if (stock(kMazzoVis).y == -10000) stock(kMazzoVis).y = stock(kMazzo).y;
        for (int i = 1; i <= 3; ++i)
            if (dest(i).y == -10000) dest(i).y = dest(0).y;
        for (int i = 1; i <= 6; ++i)
            if (fila(i).y == -10000) fila(i).y = fila(0).y;
    }
};

}  // namespace

std::string placedPiles(const Layout& L) {
    std::string out;
    auto line = [&out](const std::string& name, const PilePos& p) {
        if (p.placed()) out += name + ' ' + std::to_string(p.x) + ' ' + std::to_string(p.y) + '\n';
    };
    const char* stockNames[] = {"Mazzo", "Mazzo_Vis", "Mazzo_Waste"};
    for (std::size_t i = 0; i < L.stock.size(); ++i) line(stockNames[i], L.stock[i]);
    for (std::size_t i = 0; i < L.dest.size(); ++i) line("Dest" + std::to_string(i + 1), L.dest[i]);
    for (std::size_t i = 0; i < L.fila.size(); ++i) line("Fila" + std::to_string(i + 1), L.fila[i]);
    for (std::size_t i = 0; i < L.appogg.size(); ++i) line("Appogg" + std::to_string(i + 1), L.appogg[i]);
    return out;
}

void layoutAtCardSize(Context& ctx, const LayoutInputs& in) {
    Run run(ctx, in);
    run.run();
}

void layoutTable(Context& ctx, const LayoutInputs& in) {
    if (fitToWindow(ctx)) layoutFitted(ctx, in);
    else layoutAtCardSize(ctx, in);
}

void loadGameForDrawing(Context& ctx, const std::string& programFolder, int game, int cardBack) {
    ctx.reg.initialise(programFolder);
    buildCatalogue(ctx);
    ctx.reg.writePlain(reg::Game, game);
    ctx.reg.write(reg::GameName, ctx.mainGame.name(game));
    loadRules(ctx);
    applyRuleLimits(ctx.P);  // a picture of a game shows the table its play would
    ctx.P.saveChangeable();
    ctx.reg.write(reg::CardSize, "B");
    ctx.reg.write(reg::CardFaceSet, "001");
    ctx.reg.writePadded(reg::CardBack, cardBack);
    ctx.reg.write(reg::BackgroundDefault, "Y");
    ctx.reg.write(reg::CardsShadowed, "Y");
    ctx.reg.write(reg::SpeedMoveCard, "00");
    TableHost host;
    setCardSize(ctx, host);
    setShadowDepth(ctx);
    setFanOffsets(ctx);
}

}  // namespace tessaro
