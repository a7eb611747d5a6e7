// The balance report: human-like scripted players duel every stage's opponents
// at every level in virtual time, and a campaign is run many times over from
// the duels' results. Writes a Markdown report and a plot; changes no rule.
//
//   bench_balance OUT_DIR [DUELS_PER_OPPONENT] [SEED]
//   bench_balance --stage LEVEL STAGE [DUELS] [SEED]   (one stage's table, for checks)
#include "app/forms.h"
#include "app/shared_procedures.h"
#include "app/state.h"
#include "bench_game.h"
#include "campaign/stages.h"
#include "duel/vantra_form.h"
#include "kit/duel_hands.h"
#include "platform/program_folder.h"
#include "platform/random.h"
#include "platform/settings_store.h"
#include "platform/timer.h"
#include "platform/virtual_time.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <map>
#include <memory>
#include <random>
#include <vector>

namespace {

// A player that keeps to human pace: it looks at the table for a reaction
// time before each move, presses the keys of a move some time apart, and
// hammers a contest at a steady rate. Its own generator keeps its pace apart
// from the game's draws.
class HumanPlayer : public QObject {
public:
    HumanPlayer(VantraForm& form, int hitsPerSecond, uint64_t seed)
        : form_(&form), hitMs_(1000 / hitsPerSecond), rng_(seed), timer_(this, 300, [this] { Tick(); }) {
        timer_.setEnabled(true);
    }
    int contests = 0, contestsWon = 0;

private:
    int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    void Tick() {
        if (!form_ || form_->unloaded()) {
            timer_.setEnabled(false);
            return;
        }
        VantraForm& f = *form_;
        const bool contest = f.Picture5->isVisible();
        if (contest) {
            if (!inContest_) ++contests;
            inContest_ = true;
            myHits_ = f.MyHits;
            foeHits_ = f.FoeHits;
            pending_.clear();
            if (f.Label9->text() == QStringLiteral("Go!!")) duel_hands::ReleaseKey(PlayKeys[0]);
            timer_.setInterval(hitMs_);
            return;
        }
        if (inContest_) {
            inContest_ = false;
            if (myHits_ > foeHits_) ++contestsWon;
        }
        const bool playing = f.Picture1->isVisible() && f.Image2->isHidden();
        if (!playing) {
            pending_.clear();
            timer_.setInterval(100);
            return;
        }
        if (!pending_.empty()) {
            duel_hands::ReleaseKey(pending_.front());
            pending_.pop_front();
            timer_.setInterval(pending_.empty() ? Between(250, 450) : Between(80, 280));
            return;
        }
        Plan(f);
        timer_.setInterval(pending_.empty() ? Between(250, 450) : Between(80, 280));
        if (!pending_.empty()) {
            duel_hands::ReleaseKey(pending_.front());
            pending_.pop_front();
        }
    }

    // The same choice of move as the tests' scripted player: merge, lay, draw.
    void Plan(VantraForm& f) {
        auto key = [](int k) { return PlayKeys[static_cast<size_t>(k + 1)]; };
        auto pileKey = [](int p) { return PlayKeys[static_cast<size_t>(p - kLeftPile)]; };
        if (f.Selected != 0) {
            pending_ = {key(f.Selected)};
            return;
        }
        for (int a = 1; a <= 4; ++a)
            for (int b = 1; b <= 4; ++b)
                if (a != b && SameRank(f.shown(a), f.shown(b))) {
                    pending_ = {key(a), key(b)};
                    return;
                }
        for (int k = 1; k <= 4; ++k)
            for (int p : {kLeftPile, kRightPile})
                if (CanMove(f.shown(p), f.shown(k))) {
                    pending_ = {key(k), pileKey(p)};
                    return;
                }
        for (int k = 1; k <= 4; ++k)
            if (f.shown(k) == 0 && f.MyCount >= 2) {
                pending_ = {key(k)};
                return;
            }
    }

    QPointer<VantraForm> form_;
    int hitMs_;
    std::mt19937_64 rng_;
    host::Timer timer_;
    std::deque<int16_t> pending_;
    bool inContest_ = false;
    int myHits_ = 0, foeHits_ = 0;
};

struct Duel {
    bool won = false;
    int32_t score = 0;
    double seconds = 0;
    int contests = 0, contestsWon = 0;
};

constexpr int kRates[] = {6, 10, 15};

struct Opponent {
    int stage, position, face;
};

std::vector<Opponent> Opponents(int stage) {
    std::vector<Opponent> out;
    if (const auto g = campaign::FirstCastleGroup(stage))
        for (int i = 0; i < g->count; ++i) out.push_back({stage, i, g->firstFace + i});
    else if (const auto n = campaign::NewCastleOpponent(stage))
        out.push_back({stage, 0, n->face});
    return out;
}

std::vector<int> DuelStages() {
    std::vector<int> out;
    for (int s = campaign::kFirstStage; s <= campaign::kLastStage; ++s)
        if (!Opponents(s).empty()) out.push_back(s);
    return out;
}

Duel PlayOne(int level, const Opponent& o, int rate, uint64_t seed) {
    host::VirtualScheduler time;
    host::installRandomSource(std::make_unique<host::SeededRandom>(seed));
    StageNo = static_cast<int16_t>(o.stage);
    GameMode = 0;  // nobody to hand back to: the duel ends with its window
    const campaign::Strength s =
        campaign::HandOverStrength(static_cast<int16_t>(level), static_cast<int16_t>(o.stage), o.position);
    StartDuel(QStringLiteral("相手"), static_cast<int16_t>(o.face), s.x, s.y, s.z, campaign::DuelMusicFor(o.stage));
    HumanPlayer player(*Forms::Find<VantraForm>(), rate, seed * 7919 + 1);
    time.waitUntil([] { return !Forms::IsLoaded<VantraForm>(); });
    time.advance(0);
    Duel d;
    d.won = LastDuelOutcome().won;
    d.score = LastDuelOutcome().score;
    d.seconds = static_cast<double>(time.elapsed()) / 1000.0;
    d.contests = player.contests;
    d.contestsWon = player.contestsWon;
    return d;
}

// Results by level, stage, position and mash rate.
using Key = std::tuple<int, int, int, int>;
using Results = std::map<Key, std::vector<Duel>>;

void PlayStage(int level, int stage, int duels, uint64_t seed, Results& into) {
    for (const Opponent& o : Opponents(stage))
        for (int rate : kRates)
            for (int i = 0; i < duels; ++i) {
                const uint64_t s = seed ^ (static_cast<uint64_t>(level) << 40) ^ (static_cast<uint64_t>(stage) << 32) ^
                                   (static_cast<uint64_t>(o.position) << 24) ^ (static_cast<uint64_t>(rate) << 16) ^
                                   static_cast<uint64_t>(i);
                into[{level, stage, o.position, rate}].push_back(PlayOne(level, o, rate, s));
            }
}

// A whole run, drawn from the duels played: the roulette's choice of
// opponent, a lost duel costing that opponent, the clear points of the first
// castle, and the new castle's stages, where a loss ends the run.
bool RunCampaign(int level, int rate, const Results& r, std::mt19937_64& rng) {
    int16_t stage = campaign::kFirstStage;
    int32_t points = 0;
    while (stage < campaign::kEndingStage) {
        const std::vector<Opponent> foes = Opponents(stage);
        if (foes.empty()) {
            ++stage;  // the passage to the new castle
            continue;
        }
        auto draw = [&](const Opponent& o) {
            const std::vector<Duel>& ds = r.at({level, stage, o.position, rate});
            return ds[std::uniform_int_distribution<size_t>(0, ds.size() - 1)(rng)];
        };
        if (stage >= campaign::kNewCastleFirst) {
            if (!draw(foes[0]).won) return false;
            ++stage;
            continue;
        }
        std::vector<Opponent> left = foes;
        bool cleared = false;
        while (!left.empty() && !cleared) {
            const size_t pick = std::uniform_int_distribution<size_t>(0, left.size() - 1)(rng);
            const Duel d = draw(left[pick]);
            left.erase(left.begin() + static_cast<long>(pick));
            if (!d.won) continue;
            points += d.score;
            if (campaign::GetClearPoint(static_cast<int16_t>(level), stage) <= points) cleared = true;
        }
        if (!cleared) return false;
        stage = campaign::NextStage(static_cast<int16_t>(level), stage, points);
    }
    return true;
}

struct Summary {
    int duels = 0, wins = 0, contests = 0, contestsWon = 0;
    double seconds = 0;
};

Summary Sum(const Results& r, int level, int stage, int rate) {
    Summary s;
    for (const auto& [k, ds] : r) {
        if (std::get<0>(k) != level || std::get<1>(k) != stage || (rate && std::get<3>(k) != rate)) continue;
        for (const Duel& d : ds) {
            ++s.duels;
            s.wins += d.won;
            s.contests += d.contests;
            s.contestsWon += d.contestsWon;
            s.seconds += d.seconds;
        }
    }
    return s;
}

QString Pct(int part, int whole) {
    return whole ? QString::number(100.0 * part / whole, 'f', 0) + QStringLiteral(" %") : QStringLiteral("–");
}

void Plot(const Results& r, const std::vector<int>& stages, const QString& path) {
    const int w = 900, h = 420, left = 60, right = 20, top = 40, bottom = 50;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 8, w, 24), Qt::AlignCenter, QStringLiteral("Win rate by stage (all mash rates)"));
    const int pw = w - left - right, ph = h - top - bottom;
    p.drawRect(left, top, pw, ph);
    for (int pct = 0; pct <= 100; pct += 25) {
        const int y = top + ph - ph * pct / 100;
        p.setPen(QColor(220, 220, 220));
        p.drawLine(left, y, left + pw, y);
        p.setPen(Qt::black);
        p.drawText(QRect(0, y - 8, left - 6, 16), Qt::AlignRight | Qt::AlignVCenter, QString::number(pct) + "%");
    }
    const auto x = [&](size_t i) { return left + static_cast<int>((i + 0.5) * pw / stages.size()); };
    for (size_t i = 0; i < stages.size(); ++i)
        p.drawText(QRect(x(i) - 20, top + ph + 4, 40, 16), Qt::AlignCenter, QString::number(stages[i]));
    p.drawText(QRect(0, h - 22, w, 18), Qt::AlignCenter, QStringLiteral("stage"));
    const QColor colours[] = {QColor(40, 110, 200), QColor(230, 140, 20), QColor(200, 40, 40)};
    for (int level = 1; level <= 3; ++level) {
        p.setPen(QPen(colours[level - 1], 2));
        QPoint last;
        for (size_t i = 0; i < stages.size(); ++i) {
            const Summary s = Sum(r, level, stages[i], 0);
            const QPoint pt(x(i), top + ph - static_cast<int>(ph * (s.duels ? double(s.wins) / s.duels : 0)));
            if (i) p.drawLine(last, pt);
            p.drawEllipse(pt, 3, 3);
            last = pt;
        }
        // The legend sits low, where no stage is ever that hard.
        p.drawText(QRect(left + 10 + (level - 1) * 140, top + ph - 22, 130, 16), Qt::AlignLeft,
                   QStringLiteral("level ") + QString::number(level));
    }
    p.end();
    img.save(path);
}

// Off screen, every duel window's raise() is refused with a warning: some
// thousand lines a run that say nothing about the balance.
void QuietAboutRaise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QStringLiteral("does not support raise()"))) return;
    std::fprintf(stderr, "%s\n", qUtf8Printable(qFormatLogMessage(type, context, text)));
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("VANTRAX_AUDIO", "null");
    qInstallMessageHandler(QuietAboutRaise);
    QApplication app(argc, argv);
    // Taken before the game makes its program folder the current one.
    const QStringList args = app.arguments();
    const QString out = args.size() > 1 ? QDir(args[1]).absolutePath() : QString();
    QTemporaryDir config;
    SetUpBenchGame(config);

    if (args.size() >= 4 && args[1] == QStringLiteral("--stage")) {
        const int level = args[2].toInt(), stage = args[3].toInt();
        const int duels = args.size() > 4 ? args[4].toInt() : 2;
        const uint64_t seed = args.size() > 5 ? args[5].toULongLong() : 1;
        Results r;
        PlayStage(level, stage, duels, seed, r);
        for (const auto& [k, ds] : r)
            for (const Duel& d : ds)
                std::printf("%d %d %d %d: %s %d %.3f %d %d\n", std::get<0>(k), std::get<1>(k), std::get<2>(k),
                            std::get<3>(k), d.won ? "won" : "lost", d.score, d.seconds, d.contests, d.contestsWon);
        return 0;
    }
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: bench_balance OUT_DIR [DUELS_PER_OPPONENT] [SEED]\n");
        return 2;
    }
    const int duels = args.size() > 2 ? args[2].toInt() : 10;
    const uint64_t seed = args.size() > 3 ? args[3].toULongLong() : 20261210;
    const std::vector<int> stages = DuelStages();
    Results r;
    for (int level = 1; level <= 3; ++level)
        for (int stage : stages) {
            PlayStage(level, stage, duels, seed, r);
            std::fprintf(stderr, "# level %d stage %d done\n", level, stage);
        }

    QString md;
    md += QStringLiteral("# Balance report\n\n");
    md += QStringLiteral(
              "Written by `scripts/balance` (seed %1, %2 duels per opponent and mash rate). Scripted players "
              "on the keyboard look at the table for 250–450 ms before each move, press the keys of a move "
              "80–280 ms apart, and hammer a contest at 6, 10 or 15 hits a second. Every duel runs in virtual "
              "time against the opponent's values as a campaign hands them over. A duel's length runs from "
              "its start to its hand-back, countdown and result included; a contest counts as won when the "
              "player's bar was ahead at the player's last look before the contest closed.\n\n")
              .arg(seed)
              .arg(duels);
    md += QStringLiteral("![Win rate by stage](balance.png)\n\n");
    for (int level = 1; level <= 3; ++level) {
        md += QStringLiteral("## Level %1 (%2)\n\n").arg(level).arg(QString::fromUtf8(campaign::LevelName(level)));
        md += QStringLiteral(
            "| stage | duels | won (6/s) | won (10/s) | won (15/s) | won (all) | mean length | contests per duel "
            "| contests won |\n|---|---|---|---|---|---|---|---|---|\n");
        for (int stage : stages) {
            const Summary all = Sum(r, level, stage, 0);
            md += QStringLiteral("| %1 | %2 |").arg(stage).arg(all.duels);
            for (int rate : kRates) {
                const Summary s = Sum(r, level, stage, rate);
                md += QStringLiteral(" %1 |").arg(Pct(s.wins, s.duels));
            }
            md += QStringLiteral(" %1 | %2 s | %3 | %4 |\n")
                      .arg(Pct(all.wins, all.duels))
                      .arg(all.duels ? all.seconds / all.duels : 0, 0, 'f', 0)
                      .arg(all.duels ? double(all.contests) / all.duels : 0, 0, 'f', 1)
                      .arg(Pct(all.contestsWon, all.contests));
        }
        md += QStringLiteral("\n");
    }
    const int runs = 2000;
    md += QStringLiteral(
              "## Whole campaigns\n\nHow often a run from stage 1 reaches the ending, out of %1 runs per level "
              "and player, each duel of a run drawn from the duels above against the same opponent: the "
              "roulette picks among the opponents left, a lost duel costs that opponent, a first-castle "
              "stage is cleared by its clear points, a new-castle stage by a win.\n\n"
              "| level | 6 hits/s | 10 hits/s | 15 hits/s |\n|---|---|---|---|\n")
              .arg(runs);
    std::mt19937_64 rng(seed);
    for (int level = 1; level <= 3; ++level) {
        md += QStringLiteral("| %1 |").arg(level);
        for (int rate : kRates) {
            int finished = 0;
            for (int i = 0; i < runs; ++i) finished += RunCampaign(level, rate, r, rng);
            md += QStringLiteral(" %1 |").arg(QString::number(100.0 * finished / runs, 'f', 1) + QStringLiteral(" %"));
        }
        md += QStringLiteral("\n");
    }
    QDir().mkpath(out);
    QFile f(QDir(out).filePath(QStringLiteral("balance.md")));
    if (!f.open(QIODevice::WriteOnly)) return 1;
    f.write(md.toUtf8());
    f.close();
    Plot(r, stages, QDir(out).filePath(QStringLiteral("balance.png")));
    return 0;
}
