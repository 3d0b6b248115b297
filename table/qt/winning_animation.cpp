#include "table/qt/winning_animation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "engine/context.h"
#include "table/qt/table_view.h"

namespace tessaro {

namespace {

class Run {
public:
    Run(Context& ctx, TableView& view, int seconds, int top)
        : ctx_(ctx), view_(view), durationMs_(static_cast<long long>(std::max(0, seconds)) * 1000), top_(top) {
        timer_.start();
        const std::string s = ctx.reg.read(reg::SpeedMoveCard);
        speed_ = std::atoi(s.c_str());
        w_ = view.width();
        h_ = view.height();
        cw_ = ctx.layout.cardW;
        ch_ = ctx.layout.cardH;
    }

    /// False once the time is up or the flag was cleared; clears the flag when the time is up.
    bool going() {
        if (!ctx_.run.isSet(Flag::AnimationRunning)) return false;
        if (timer_.elapsed() >= durationMs_) {
            ctx_.run.setFlag(Flag::AnimationRunning, 0);
            return false;
        }
        return true;
    }
    int pick() { return ctx_.rng.next(51) + 1; }
    void stamp(int card, int x, int y) {
        view_.stampCard(card, x, y);
        ++stamped_;
    }
    void pause(int ms) {
        if (ms > 0) view_.wait(ms, Wait::Pumping);
    }
    void pump() { QCoreApplication::processEvents(); }
    int half() const { return speed_ / 2; }

    Context& ctx_;
    TableView& view_;
    QElapsedTimer timer_;
    long long durationMs_;
    int top_;
    int speed_ = 0;
    int w_ = 0, h_ = 0, cw_ = 0, ch_ = 0;
    int stamped_ = 0;
};

void openOrder(Run& r) {
    const int dx = r.cw_ / 2;
    const int dy = r.ch_ / 2;
    int n = 0;
    do {
        const int y = r.ctx_.rng.next(r.h_ + dy) - dy;
        const int x = r.ctx_.rng.next(r.w_ + dx) - dx;
        r.stamp(r.pick(), x, y);
        if (++n % 5 == 0) {
            r.pause(r.half());
            r.pump();
        }
    } while (r.going());
}

// Left to right and up to down: the same walk with the axes exchanged.
void sweep(Run& r, bool across) {
    const int along = across ? r.w_ : r.h_;
    const int side = across ? r.h_ : r.w_;
    const int size = across ? r.cw_ : r.ch_;
    const int sideSize = across ? r.ch_ : r.cw_;
    const int step = static_cast<int>(size / (across ? 5.8 : 5.3));
    const int lineStep = across ? 35 : static_cast<int>(r.cw_ / 1.5);
    int a = across ? -20 : -10;
    int b = across ? r.top_ : r.top_;
    int rows = 0;
    int c = 0;
    int n = 0;
    auto restart = [&] { return rows % 2 == 1 ? -(size / 3) : -(size / 4); };
    do {
        if (across) r.stamp(r.pick(), a, b);
        else r.stamp(r.pick(), b, a);
        ++n;
        if (across ? n % 5 == 0 : n % 2 == 0) r.pause(r.half());
        if (n % 5 == 0) r.pump();
        a += std::max(1, step);
        if (a >= along) {
            ++rows;
            a = restart();
            r.pause(700);
            b += lineStep;
        }
        if (b + sideSize >= side || (!across && b >= side)) {
            a = restart();
            c += 35;
            b = c;
            if (b >= side) c = across ? r.top_ + 35 : 35, b = c;
        }
    } while (r.going());
}

void lines(Run& r) {
    const int p = r.speed_;
    int x = std::min(r.ctx_.rng.next(r.w_), r.w_ - r.cw_);
    int y = r.top_;
    int dx = 0;
    int dy = 0;
    int n = 0;
    do {
        dx = (r.ctx_.rng.next(8) + 4) * (dx < 0 ? -1 : 1);
        dy = std::abs(dx) * (dy < 0 ? -1 : 1);
        const int card = r.pick();
        if (x + dx <= 0) dx = -dx;
        else if (x + dx + r.cw_ >= r.w_) dx = -dx;
        if (y + dy <= r.top_) dy = -dy;
        else if (y + dy + r.ch_ >= r.h_) dy = -dy;
        do {
            r.stamp(card, x, y);
            x += dx;
            y += dy;
            ++n;
            if (n % 2 == 0) r.pause(p);
            r.pause(5);
            if (n % 4 == 0) r.pump();
            if (!r.going()) return;
        } while (!(x <= 0 || x + r.cw_ >= r.w_ || y <= r.top_ || y + r.ch_ >= r.h_));
    } while (r.going());
}

std::vector<QPoint> circlePoints() {
    QImage pic(300, 300, QImage::Format_RGB32);
    pic.fill(Qt::white);
    {
        QPainter p(&pic);
        p.setPen(Qt::black);
        p.drawEllipse(0, 0, 299, 299);
    }
    std::vector<QPoint> found;
    for (int y = 0; y < 300; ++y)
        for (int x = 150; x < 300; ++x)
            if (pic.pixel(x, y) == qRgb(0, 0, 0)) {
                found.push_back({x - 150, y - 150});
                break;
            }
    for (int y = 299; y >= 0; --y)
        for (int x = 149; x >= 0; --x)
            if (pic.pixel(x, y) == qRgb(0, 0, 0)) {
                found.push_back({x - 150, y - 150});
                break;
            }
    std::vector<QPoint> out;
    for (std::size_t i = 0; i < found.size() && out.size() < 300; i += 4) out.push_back(found[i]);
    return out;
}

void circles(Run& r) {
    static const std::vector<QPoint> points = circlePoints();
    do {
        int cy = r.ctx_.rng.next(r.h_);
        if (cy > r.h_ - 150) cy = r.h_ - 150 - (cy - (r.h_ - 150));
        int cx = r.ctx_.rng.next(r.w_);
        if (cx > r.w_ - 150) cx = r.w_ - 150 - (cx - (r.w_ - 150));
        const int card = r.pick();
        int k = 0;
        for (const QPoint& pt : points) {
            const int x = cx + pt.x();
            const int y = cy + pt.y();
            const bool xs = (x >= 0 && x < r.w_) || (x + r.cw_ >= 0 && x + r.cw_ < r.w_);
            const bool ys = (y >= 0 && y < r.h_) || (y + r.ch_ >= 0 && y + r.ch_ < r.h_);
            if (xs && ys) {
                r.stamp(card, x, y);
                if (!r.going()) return;
            }
            if (++k % 4 == 0) {
                r.pause(r.half());
                r.pump();
            }
        }
    } while (r.going());
}

// Festoons: vertical step runs of our own. A card falls faster and faster,
// bounces in ever lower arcs and rolls away sideways.
void festoons(Run& r) {
    static const std::vector<std::vector<int>> arcs = {
        {3, 5, 7, 9, 11, 13, 15, 17, 19},  {-17, -13, -9, -5, -3, -1, 1, 3, 5, 9, 13, 17},
        {-13, -9, -5, -2, 2, 5, 9, 13},     {-9, -6, -3, -1, 1, 3, 6, 9},
        {-7, -4, -2, 2, 4, 7},              {-5, -2, 2, 5},
        {-3, -1, 1, 3},                     {-2, 2},
        {-1, 1},                            {0, 0}};
    do {
        int x = std::min(r.ctx_.rng.next(r.w_), r.w_ - r.cw_);
        int y = r.top_ - 50 + r.ctx_.rng.next(40);
        const int h = (r.ctx_.rng.next(5) + 2) * (r.ctx_.rng.next(2) ? 1 : -1);
        const int card = r.pick();
        int n = 0;
        auto step = [&](int dy) {
            r.stamp(card, x, y);
            x += h;
            y = std::min(y + dy, r.h_ - r.ch_);
            if (++n % 4 == 0) {
                r.pause(r.half());
                r.pump();
            }
            return r.going();
        };
        // The fall: the first arc repeats until the card reaches the floor.
        while (y + r.ch_ < r.h_)
            for (int dy : arcs[0]) {
                if (!step(dy)) return;
                if (y + r.ch_ >= r.h_) break;
            }
        // The bounces, then the roll until the card leaves the window.
        for (std::size_t a = 1; a < arcs.size() && r.going(); ++a) {
            for (int dy : arcs[a])
                if (!step(dy)) return;
            r.pump();
        }
        while (x < r.w_ && x > -r.cw_)
            if (!step(0)) return;
    } while (r.going());
}

}  // namespace

std::string chooseWinningAnimation(Context& ctx, std::string_view name) {
    for (const char* known : kWinningAnimations)
        if (name == known) return known;
    return kWinningAnimations[ctx.rng.next(3)];
}

int playWinningAnimation(Context& ctx, TableView& view, std::string_view name, int seconds, int top) {
    const std::string chosen = chooseWinningAnimation(ctx, name);
    ctx.run.setFlag(Flag::AnimationRunning, 1);
    view.setFocus();
    Run r(ctx, view, seconds, top);
    if (chosen == "Open order") openOrder(r);
    else if (chosen == "Left to right") sweep(r, true);
    else if (chosen == "Up to down") sweep(r, false);
    else if (chosen == "Lines") lines(r);
    else if (chosen == "Circles") circles(r);
    else festoons(r);
    ctx.run.setFlag(Flag::AnimationRunning, 0);
    view.refreshWindow();
    return r.stamped_;
}

}  // namespace tessaro
