// The main window under a seeded stream of random input, game after game of
// the catalogue. After every event: each card lies in exactly one place and
// none is lost or added within a deal, the window shows the card the engine
// has at a few sampled places, and the clock and score read-outs show the
// engine's values. A finding prints the seed and the shortest event list
// (delta-minimised) that still brings it back.
//
// TESSARO_MONKEY_SECONDS sets the time for the whole run (default 40),
// TESSARO_MONKEY_EVENTS a number of events per game (the time is then an
// upper bound; with a fixed seed a run sends the same events on any machine),
// TESSARO_MONKEY_SEED the seed (default: from the clock), TESSARO_MONKEY_GAME
// one game alone, TESSARO_MONKEY_SHOT a file for the window's picture at a
// picture finding, TESSARO_MONKEY_MINIMISE_SECONDS the time for shortening a
// finding's event list (default 60), TESSARO_MONKEY_VERBOSE=1 names slow events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <optional>

#include "engine/context.h"
#include "engine/memory.h"
#include "engine/selection.h"
#include "monkey/monkey.h"
#include "shell/card_table_area.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "support/temp_dir.h"
#include "table/hit.h"
#include "table/qt/card_images.h"

namespace tessaro::test {
namespace {

using Clock = std::chrono::steady_clock;
using monkey::Event;

int envInt(const char* name, int fallback) {
    const QByteArray v = qgetenv(name);
    bool ok = false;
    const int n = v.toInt(&ok);
    return ok ? n : fallback;
}

// Nothing to choose at the first activation: the game is opened by the run.
// One game in a fresh program folder: the start-up, the game opened with a
// fixed deal, and the events sent one by one with the checks after each.
class Session {
public:
    Session(int game, std::uint32_t seed) : game_(game), seed_(seed), dialogs_(answerer_) {
        namespace fs = std::filesystem;
        fs::copy_file(fs::path(TESSARO_BIN_DIR) / "GAMES.DAT", dir_.path("GAMES.DAT"));
        fs::copy_file(fs::path(TESSARO_BIN_DIR) / "VRA.RGF", dir_.path("VRA.RGF"));
        // A statistics file: the first activation deals the remembered game
        // instead of asking for one.
        dir_.write("Data/Stat_e00.dat", "");
        monkey::writeMonkeySettings(dir_.folder());
    }
    ~Session() { stop(); }

    void stop() {
        if (startup_ && fast_ && ctx().presentation == fast_.get()) ctx().presentation = &fast_->inner();
        fast_.reset();
        startup_.reset();
    }

    /// Starts the program (again, after the window was closed) and opens the game.
    bool start() {
        stop();
        shell::ShellEnvironment env;
        env.programFolder = QString::fromStdString(dir_.folder());
        env.screenSize = kScreen;
        env.dialogs = &dialogs_;
        env.sound = &ctx_sound_;
        startup_ = std::make_unique<shell::Startup>(env);
        if (!startup_->run()) {
            for (const std::string& e : dialogs_.errors) std::cerr << "monkey: start-up error: " << e << "\n";
            return false;
        }
        w().show();
        w().activateWindow();
        QCoreApplication::processEvents();
        ctx().rng.setSeed(seed_);
        const std::string name = ctx().mainGame.name(game_);
        answerer_.setAnswers(0);
        // The remembered game is already dealt: a new deal of it then.
        if (ctx().reg.readInt(reg::Game, -1) == game_) w().newGameCommand();
        else if (!w().openGame(game_, name, ctx().reg.read(reg::Player), 2, true)) {
            std::cerr << "monkey: game " << game_ << " did not open\n";
            return false;
        }
        speedUp();
        baseline_.clear();
        return true;
    }

    /// Sends one event and checks the window; the finding, if any.
    std::optional<std::string> step(const Event& e) {
        monkey::send(w(), e, answerer_);
        if (!w().isVisible() && !start()) return "the program did not start again after its window closed";
        speedUp();
        return check();
    }

    shell::MainWindow& w() { return *startup_->window(); }
    Context& ctx() { return startup_->context(); }
    int answered() const { return answerer_.answered(); }
    static constexpr QSize kScreen{1280, 1024};

private:
    void speedUp() {
        if (ctx().presentation == fast_.get() && fast_) return;
        fast_ = std::make_unique<monkey::FastPresentation>(*ctx().presentation, 20);
        ctx().presentation = fast_.get();
    }

    std::optional<std::string> check() {
        if (auto f = checkCards()) return f;
        if (auto f = checkReadouts()) return f;
        return checkPicture();
    }

    // Every card in one place; within one deal no card comes or goes.
    std::optional<std::string> checkCards() {
        std::map<int, std::string> seen;
        int count = 0;
        const auto scan = [&](PileKind kind, int n) -> std::optional<std::string> {
            for (int i = 0; i < n; ++i) {
                const PileRef pile{kind, i};
                // In the selection games Dest1 lists the selected cards, and
                // "Ace-To-King" keeps its run in Appogg1: those cards still
                // lie in their own piles.
                if (kind == PileKind::Foundation && i == 0 && selectionGame(ctx())) continue;
                if (kind == PileKind::Reserve && i == 0 && ctx().P[50] == 36) continue;
                const std::string& text = ctx().piles.text(pile);
                for (std::size_t at = 0; at + 3 <= text.size(); at += 3) {
                    const int card = std::atoi(text.substr(at, 3).c_str());
                    if (card == 0) continue;
                    ++count;
                    const auto [it, fresh] = seen.emplace(card, pileName(pile));
                    if (!fresh)
                        return "card " + std::to_string(card) + " lies in " + it->second + " and in " + pileName(pile);
                }
            }
            return std::nullopt;
        };
        for (const auto& [kind, n] : {std::pair{PileKind::Stock, kStockPiles}, std::pair{PileKind::Foundation, kFoundations},
                                      std::pair{PileKind::Row, kRows}, std::pair{PileKind::Reserve, kReserves}})
            if (auto f = scan(kind, n)) return f;
        const std::string deal = ctx().reg.read(reg::Game) + "/" + ctx().reg.read(reg::DealNumber);
        if (deal != baselineDeal_ || baseline_.empty()) {
            baselineDeal_ = deal;
            baseline_ = {count};
        } else if (count > baseline_.front() && ctx().P[50] == kForgetMeNot) {
            // "Forget me not" brings the twins of the cards to remember onto
            // the table when the preview ends.
            baseline_ = {count};
        } else if (count != baseline_.front()) {
            return "the table holds " + std::to_string(count) + " cards, the deal had " +
                   std::to_string(baseline_.front());
        }
        return std::nullopt;
    }

    std::optional<std::string> checkReadouts() {
        const std::string score = w().lblScore->text().toStdString();
        if (score != ctx().reg.read(reg::Score))
            return "the score read-out shows \"" + score + "\", the engine has \"" + ctx().reg.read(reg::Score) + "\"";
        const std::string clock = w().lblTempo->text().toStdString();
        if (clock != ctx().clockText)
            return "the clock read-out shows \"" + clock + "\", the engine has \"" + ctx().clockText + "\"";
        return std::nullopt;
    }

    // A few cards that lie open to view: the window's pixel at the card's
    // middle is the pixel of the picture the engine's face flag asks for.
    std::optional<std::string> checkPicture() {
        auto* area = dynamic_cast<shell::CardTableArea*>(w().table());
        if (!area) return std::nullopt;
        TableView* view = area->view();
        if (view->dragging() || view->peekCard() != 0 || !view->pressedPile().empty() ||
            ctx().run.isSet(Flag::AnimationRunning))
            return std::nullopt;
        const Register& r = ctx().reg;
        const std::string imagesKey = r.read(reg::CardSize) + r.read(reg::CardFaceSet) + r.read(reg::CardBack);
        if (imagesKey != imagesKey_) {
            images_ = CardImages{};
            loadCardImages(r, images_, false);
            imagesKey_ = imagesKey;
        }
        std::vector<PileRef> open;
        for (int i = 0; i < kStockPiles; ++i) open.push_back({PileKind::Stock, i});
        for (int i = 0; i < kRows; ++i) open.push_back({PileKind::Row, i});
        for (int i = 0; i < kReserves; ++i) open.push_back({PileKind::Reserve, i});
        int sampled = 0;
        for (std::size_t k = 0; k < open.size() && sampled < 4; ++k) {
            const PileRef pile = open[(k + static_cast<std::size_t>(sampleTurn_)) % open.size()];
            const int card = ctx().piles.top(pile);
            if (card <= 0) continue;
            const auto place = cardPlace(ctx(), card);
            if (!place || place->pile != pileName(pile)) continue;
            const bool up = ctx().cards.faceUp(card);
            const int index = isJoker(card) ? 52 : suit(card) * 13 + rank(card) - 1;
            const QImage& picture = up ? images_.faces[static_cast<std::size_t>(std::clamp(index, 0, 52))] : images_.back;
            const CardRect& rc = place->rect;
            if (picture.size() != QSize(rc.right - rc.left, rc.bottom - rc.top)) continue;
            const QPoint inCard(picture.width() / 2, picture.height() / 3);
            // Card places are window coordinates: the scroll offset is in them.
            const QPoint at(rc.left + inCard.x(), rc.top + inCard.y());
            if (!view->rect().contains(at)) continue;
            ++sampled;
            const QRgb want = picture.pixel(inCard) & 0xFFFFFF;
            const QRgb shown = view->grab(QRect(at, QSize(1, 1))).toImage().pixel(0, 0) & 0xFFFFFF;
            // A card the player selected is shown inverted.
            if (shown == want || shown == (~want & 0xFFFFFF)) continue;
            if (const QByteArray shot = qgetenv("TESSARO_MONKEY_SHOT"); !shot.isEmpty())
                w().grab().save(QString::fromLocal8Bit(shot));
            char text[160];
            std::snprintf(text, sizeof text, "card %d (%s) on %s: the window shows #%06x, its picture has #%06x", card,
                          up ? "face up" : "face down", place->pile.c_str(), shown, want);
            return std::string(text);
        }
        ++sampleTurn_;
        return std::nullopt;
    }

    int game_;
    std::uint32_t seed_;
    TempDir dir_;
    monkey::ModalAnswerer answerer_;
    monkey::MonkeyDialogs dialogs_;
    NullSound ctx_sound_;
    std::unique_ptr<shell::Startup> startup_;
    std::unique_ptr<monkey::FastPresentation> fast_;
    std::string baselineDeal_;
    std::vector<int> baseline_;
    CardImages images_;
    std::string imagesKey_;
    int sampleTurn_ = 0;
};

// Replays events in a fresh session; the finding, if they bring one.
std::optional<std::string> replay(int game, std::uint32_t seed, const std::vector<Event>& events) {
    Session s(game, seed);
    if (!s.start()) return "the program did not start";
    for (const Event& e : events)
        if (auto f = s.step(e)) return f;
    return std::nullopt;
}

// Delta debugging: the smallest list found (within the time given) whose
// replay still fails.
std::vector<Event> minimise(int game, std::uint32_t seed, std::vector<Event> events, Clock::time_point until) {
    std::size_t parts = 2;
    while (events.size() >= 2 && Clock::now() < until) {
        const std::size_t chunk = (events.size() + parts - 1) / parts;
        bool reduced = false;
        for (std::size_t start = 0; start < events.size() && Clock::now() < until; start += chunk) {
            std::vector<Event> rest(events.begin(), events.begin() + static_cast<long>(start));
            rest.insert(rest.end(), events.begin() + static_cast<long>(std::min(events.size(), start + chunk)),
                        events.end());
            if (!rest.empty() && replay(game, seed, rest)) {
                events = std::move(rest);
                parts = std::max<std::size_t>(parts - 1, 2);
                reduced = true;
                break;
            }
        }
        if (!reduced) {
            if (parts >= events.size()) break;
            parts = std::min(events.size(), parts * 2);
        }
    }
    return events;
}

TEST(Monkey, EveryGameTakesRandomInputWithoutLosingTrackOfItsCards) {
    const int seconds = envInt("TESSARO_MONKEY_SECONDS", 40);
    const auto eventsPerGame = static_cast<std::size_t>(std::max(0, envInt("TESSARO_MONKEY_EVENTS", 0)));
    const bool verbose = envInt("TESSARO_MONKEY_VERBOSE", 0) != 0;
    const int minimiseSeconds = envInt("TESSARO_MONKEY_MINIMISE_SECONDS", 60);
    const auto seed = static_cast<std::uint32_t>(
        envInt("TESSARO_MONKEY_SEED", static_cast<int>(Clock::now().time_since_epoch().count() & 0x7FFFFFFF)));
    std::vector<int> games;
    {
        Session probe(201, seed);
        ASSERT_TRUE(probe.start());
        const MainGame& catalogue = probe.ctx().mainGame;
        for (int i = 0; i < static_cast<int>(catalogue.lines().size()); ++i)
            if (catalogue.gameAt(i) >= 0) games.push_back(catalogue.gameAt(i));
    }
    if (const int only = envInt("TESSARO_MONKEY_GAME", -1); only >= 0) games = {only};
    ASSERT_FALSE(games.empty());
    std::cout << "monkey: seed " << seed << ", " << seconds << " s over " << games.size() << " games" << std::endl;

    const auto perGame = std::chrono::milliseconds(seconds * 1000 / static_cast<int>(games.size()));
    long total = 0;
    for (std::size_t g = 0; g < games.size(); ++g) {
        const int game = games[g];
        const std::uint32_t gameSeed = seed + static_cast<std::uint32_t>(g) * 7919u;
        std::mt19937 rng(gameSeed);
        Session s(game, gameSeed);
        ASSERT_TRUE(s.start()) << "game " << game;
        std::vector<Event> events;
        const auto until = Clock::now() + perGame;
        std::optional<std::string> finding;
        while (!finding && Clock::now() < until && (eventsPerGame == 0 || events.size() < eventsPerGame)) {
            events.push_back(monkey::randomEvent(rng, s.ctx(), s.w(), Session::kScreen));
            const auto sent = Clock::now();
            finding = s.step(events.back());
            if (verbose && Clock::now() - sent > std::chrono::milliseconds(300))
                std::cout << "monkey: slow (" << std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - sent).count()
                          << " ms): " << monkey::describe(events.back()) << std::endl;
        }
        total += static_cast<long>(events.size());
        std::cout << "monkey: game " << game << ": " << events.size() << " events, " << s.answered()
                  << " modal windows answered" << std::endl;
        if (!finding) continue;
        const std::vector<Event> shortest = minimise(game, gameSeed, events,
                                                     Clock::now() + std::chrono::seconds(minimiseSeconds));
        std::string list;
        for (const Event& e : shortest) list += "  " + monkey::describe(e) + "\n";
        ADD_FAILURE() << "game " << game << ", seed " << seed << " (game seed " << gameSeed << "): " << *finding
                      << "\nafter " << events.size() << " events; " << shortest.size() << " reproduce it:\n"
                      << list;
        return;
    }
    std::cout << "monkey: " << total << " events in all" << std::endl;
}

}  // namespace
}  // namespace tessaro::test

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
