#include "duel/replay_format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

namespace {
constexpr char kMagic[] = "vantrax-replay";
// Longer than any duel can last; a time beyond it is a damaged file.
constexpr uint32_t kLongestDuelMs = 24u * 3600u * 1000u;
// A long duel's ticks and inputs, with room to spare, within kReplayMaxBytes.
constexpr size_t kMostEvents = 400000;

const char* InputWord(ReplayInput k) {
    switch (k) {
        case ReplayInput::Key:
            return "key";
        case ReplayInput::Click:
            return "click";
        case ReplayInput::Drop:
            return "drop";
        case ReplayInput::Hit:
            return "hit";
        case ReplayInput::Tick:
            return "tick";
        case ReplayInput::Clock:
            break;
    }
    return "clock";
}

QString Damaged(int line) {
    return QStringLiteral("リプレイファイルが壊れているため再生できません（%1 行目）。").arg(line);
}

// A whole decimal number in [lo, hi], nothing else.
bool Number(const QByteArray& word, int64_t lo, int64_t hi, int64_t& out) {
    bool ok = false;
    const qlonglong v = word.toLongLong(&ok);
    if (!ok || v < lo || v > hi || word.startsWith('+')) return false;
    out = v;
    return true;
}

bool Unsigned64(const QByteArray& word, uint64_t& out) {
    bool ok = false;
    out = word.toULongLong(&ok);
    return ok && !word.startsWith('+') && !word.startsWith('-');
}
}  // namespace

QByteArray WriteReplay(const Replay& r) {
    QByteArray out;
    out += kMagic;
    out += ' ' + QByteArray::number(r.version) + '\n';
    out += "seed " + QByteArray::number(r.seed) + ' ' + QByteArray::number(r.reseeds) + '\n';
    out += "mode " + QByteArray::number(r.gameMode) + ' ' + QByteArray::number(r.stageNo) + '\n';
    out += "foe " + QByteArray::number(r.face) + ' ' + QByteArray::number(r.paramA) + ' ' +
           QByteArray::number(r.paramB) + ' ' + QByteArray::number(r.paramC) + ' ' + QByteArray::number(r.music) + ' ' +
           r.foeName.toUtf8() + '\n';
    out += "device " + QByteArray::number(r.inputDevice) + '\n';
    out += "keys";
    for (int32_t k : r.keys) out += ' ' + QByteArray::number(k);
    out += '\n';
    for (const ReplayEvent& e : r.events) {
        out += InputWord(e.kind);
        out += ' ' + QByteArray::number(e.t);
        if (e.kind == ReplayInput::Tick) out += ' ' + QByteArray::number(e.a);
        if (e.kind == ReplayInput::Tick || e.kind == ReplayInput::Clock) {
            out += '\n';
            continue;
        }
        out += ' ' + QByteArray::number(e.ticks) + ' ' + QByteArray::number(e.a);
        if (e.kind == ReplayInput::Key || e.kind == ReplayInput::Drop) out += ' ' + QByteArray::number(e.b);
        out += '\n';
    }
    if (r.end) {
        out += "end " + QByteArray::number(r.end->won ? 1 : 0) + ' ' + QByteArray::number(r.end->score) + ' ' +
               QByteArray::number(r.end->myCount) + ' ' + QByteArray::number(r.end->foeCount);
        for (int32_t v : r.end->table) out += ' ' + QByteArray::number(v);
        out += '\n';
    }
    return out;
}

ReplayRead ParseReplay(const QByteArray& bytes) {
    if (bytes.size() > kReplayMaxBytes) return {std::nullopt, QStringLiteral("リプレイファイルが大きすぎます。")};
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.pop_back();
    for (QByteArray& l : lines)
        if (l.endsWith('\r')) l.chop(1);
    if (lines.isEmpty()) return {std::nullopt, QStringLiteral("リプレイファイルではありません。")};

    const QList<QByteArray> head = lines[0].split(' ');
    int64_t version = 0;
    if (head.size() != 2 || head[0] != kMagic || !Number(head[1], 1, INT32_MAX, version))
        return {std::nullopt, QStringLiteral("リプレイファイルではありません。")};
    if (version > kReplayVersion)
        return {std::nullopt, QStringLiteral("このリプレイは新しい版の Vantrax で記録されたため再生できません"
                                             "（形式 %1、この版が読めるのは %2 まで）。")
                                  .arg(version)
                                  .arg(kReplayVersion)};

    Replay r;
    r.version = static_cast<int32_t>(version);
    bool seen[5] = {};  // seed, mode, foe, device, keys
    uint32_t lastT = 0;
    uint64_t lastTicks = 0;
    for (int i = 1; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        const QByteArray& line = lines[i];
        if (r.end) return {std::nullopt, Damaged(lineNo)};  // nothing follows the end
        const int space = line.indexOf(' ');
        const QByteArray word = line.left(space);
        int64_t v[14] = {};
        auto fields = [&](int n, const std::array<std::pair<int64_t, int64_t>, 14>& ranges) {
            const QList<QByteArray> w = line.split(' ');
            if (w.size() != n + 1) return false;
            for (int j = 0; j < n; ++j)
                if (!Number(w[j + 1], ranges[static_cast<size_t>(j)].first, ranges[static_cast<size_t>(j)].second,
                            v[j]))
                    return false;
            return true;
        };
        using R = std::array<std::pair<int64_t, int64_t>, 14>;
        const std::pair<int64_t, int64_t> shortRange{INT16_MIN, INT16_MAX}, byteRange{0, 255};
        const std::pair<int64_t, int64_t> timeRange{0, kLongestDuelMs};
        // Even the 1 ms redraw timer ticks fewer times than a duel has milliseconds.
        const std::pair<int64_t, int64_t> tickRange{0, 16LL * kLongestDuelMs};
        if (word == "seed") {
            const QList<QByteArray> w = line.split(' ');
            if (seen[0] || w.size() != 3 || !Unsigned64(w[1], r.seed) || !Unsigned64(w[2], r.reseeds))
                return {std::nullopt, Damaged(lineNo)};
            seen[0] = true;
        } else if (word == "mode") {
            if (seen[1] || !fields(2, R{byteRange, byteRange})) return {std::nullopt, Damaged(lineNo)};
            r.gameMode = static_cast<int32_t>(v[0]);
            r.stageNo = static_cast<int32_t>(v[1]);
            seen[1] = true;
        } else if (word == "foe") {
            // The name is the rest of the line and may hold spaces.
            const QList<QByteArray> w = line.split(' ');
            if (seen[2] || w.size() < 7) return {std::nullopt, Damaged(lineNo)};
            const R ranges{std::pair<int64_t, int64_t>{0, 28}, byteRange, byteRange, byteRange, shortRange};
            for (int j = 0; j < 5; ++j)
                if (!Number(w[j + 1], ranges[static_cast<size_t>(j)].first, ranges[static_cast<size_t>(j)].second,
                            v[j]))
                    return {std::nullopt, Damaged(lineNo)};
            int at = 0;
            for (int j = 0; j < 6; ++j) at = line.indexOf(' ', at) + 1;
            const QByteArray name = line.mid(at);
            const QString text = QString::fromUtf8(name);
            if (text.toUtf8() != name || name.size() > 200) return {std::nullopt, Damaged(lineNo)};
            r.face = static_cast<int32_t>(v[0]);
            r.paramA = static_cast<int32_t>(v[1]);
            r.paramB = static_cast<int32_t>(v[2]);
            r.paramC = static_cast<int32_t>(v[3]);
            r.music = static_cast<int32_t>(v[4]);
            r.foeName = text;
            seen[2] = true;
        } else if (word == "device") {
            if (seen[3] || !fields(1, R{std::pair<int64_t, int64_t>{0, 1}})) return {std::nullopt, Damaged(lineNo)};
            r.inputDevice = static_cast<int32_t>(v[0]);
            seen[3] = true;
        } else if (word == "keys") {
            if (seen[4] || !fields(6, R{shortRange, shortRange, shortRange, shortRange, shortRange, shortRange}))
                return {std::nullopt, Damaged(lineNo)};
            for (size_t j = 0; j < 6; ++j) r.keys[j] = static_cast<int32_t>(v[j]);
            seen[4] = true;
        } else if ((word == "tick" || word == "clock") && r.version >= 2) {
            ReplayEvent e;
            const bool tick = word == "tick";
            const bool ok = tick ? fields(2, R{timeRange, std::pair<int64_t, int64_t>{0, kReplayTimers - 1}})
                                 : fields(1, R{timeRange});
            // The clock never runs back.
            if (!ok || static_cast<uint32_t>(v[0]) < lastT || r.events.size() >= kMostEvents)
                return {std::nullopt, Damaged(lineNo)};
            e.kind = tick ? ReplayInput::Tick : ReplayInput::Clock;
            e.t = lastT = static_cast<uint32_t>(v[0]);
            e.a = static_cast<int32_t>(v[1]);
            r.events.push_back(e);
        } else if (word == "key" || word == "click" || word == "drop" || word == "hit") {
            ReplayEvent e;
            bool ok = false;
            const std::pair<int64_t, int64_t> card{1, 10};
            if (word == "key") {
                ok = fields(4, R{timeRange, tickRange, shortRange, std::pair<int64_t, int64_t>{0, 7}});
                e.kind = ReplayInput::Key;
            } else if (word == "click") {
                ok = fields(3, R{timeRange, tickRange, card});
                e.kind = ReplayInput::Click;
            } else if (word == "drop") {
                ok = fields(4, R{timeRange, tickRange, card, card});
                e.kind = ReplayInput::Drop;
            } else {
                ok = fields(3, R{timeRange, tickRange, std::pair<int64_t, int64_t>{1, 4}});
                e.kind = ReplayInput::Hit;
            }
            // Inputs come in the order they were given.
            if (!ok || static_cast<uint32_t>(v[0]) < lastT || static_cast<uint64_t>(v[1]) < lastTicks ||
                r.events.size() >= kMostEvents)
                return {std::nullopt, Damaged(lineNo)};
            e.t = lastT = static_cast<uint32_t>(v[0]);
            e.ticks = lastTicks = static_cast<uint64_t>(v[1]);
            e.a = static_cast<int32_t>(v[2]);
            e.b = static_cast<int32_t>(v[3]);
            r.events.push_back(e);
        } else if (word == "end") {
            const R ranges{std::pair<int64_t, int64_t>{0, 1},  std::pair<int64_t, int64_t>{INT32_MIN, INT32_MAX},
                           std::pair<int64_t, int64_t>{0, 26}, std::pair<int64_t, int64_t>{0, 26},
                           std::pair<int64_t, int64_t>{0, 52}, std::pair<int64_t, int64_t>{0, 52},
                           std::pair<int64_t, int64_t>{0, 52}, std::pair<int64_t, int64_t>{0, 52},
                           std::pair<int64_t, int64_t>{0, 52}, std::pair<int64_t, int64_t>{0, 52},
                           std::pair<int64_t, int64_t>{0, 52}, std::pair<int64_t, int64_t>{0, 52},
                           std::pair<int64_t, int64_t>{0, 52}, std::pair<int64_t, int64_t>{0, 52}};
            if (!fields(14, ranges)) return {std::nullopt, Damaged(lineNo)};
            ReplayEnd end;
            end.won = v[0] == 1;
            end.score = static_cast<int32_t>(v[1]);
            end.myCount = static_cast<int32_t>(v[2]);
            end.foeCount = static_cast<int32_t>(v[3]);
            for (size_t j = 0; j < 10; ++j) end.table[j] = static_cast<int32_t>(v[j + 4]);
            r.end = end;
        } else {
            return {std::nullopt, Damaged(lineNo)};
        }
    }
    for (bool s : seen)
        if (!s) return {std::nullopt, Damaged(static_cast<int>(lines.size()) + 1)};
    return {std::move(r), QString()};
}

ReplayRead ReadReplayFile(const QString& path) {
    const QFileInfo info(path);
    // A pipe or a device could feed the reader for ever.
    if (!info.isFile())
        return {std::nullopt,
                QStringLiteral("リプレイファイル %1 が見つかりません。").arg(QDir::toNativeSeparators(path))};
    if (info.size() > kReplayMaxBytes) return {std::nullopt, QStringLiteral("リプレイファイルが大きすぎます。")};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {std::nullopt, QStringLiteral("リプレイファイル %1 を読めません: %2").arg(path, f.errorString())};
    return ParseReplay(f.read(kReplayMaxBytes + 1));
}
