#include "platform/sound_font_subset.h"

#include "platform/byte_order.h"

#include <fluidsynth.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

namespace audio {

namespace {

void set16(uint8_t* p, size_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
void put32(std::vector<uint8_t>& out, size_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// The nine tables of the list, in the order they must come, with the size of
// one record. Each ends with a terminal record.
enum Part { Phdr, Pbag, Pmod, Pgen, Inst, Ibag, Imod, Igen, Shdr, kParts };
constexpr std::array<const char*, kParts> kNames{"phdr", "pbag", "pmod", "pgen", "inst",
                                                 "ibag", "imod", "igen", "shdr"};
constexpr std::array<size_t, kParts> kRecord{38, 4, 10, 4, 22, 4, 10, 4, 46};
constexpr uint16_t kInstrumentGen = 41;

struct Table {
    const uint8_t* data = nullptr;
    size_t count = 0;  // with the terminal record
    size_t size = 0;
    const uint8_t* at(size_t i) const { return data + i * size; }
};

class Writer {
public:
    size_t count(Part p) const { return tables_[p].size() / kRecord[p]; }
    uint8_t* add(Part p, const uint8_t* record) {
        std::vector<uint8_t>& t = tables_[p];
        t.insert(t.end(), record, record + kRecord[p]);
        return t.data() + t.size() - kRecord[p];
    }
    std::vector<uint8_t> list() const {
        std::vector<uint8_t> out{'L', 'I', 'S', 'T', 0, 0, 0, 0, 'p', 'd', 't', 'a'};
        for (int p = 0; p < kParts; ++p) {
            out.insert(out.end(), kNames[p], kNames[p] + 4);
            put32(out, tables_[p].size());
            out.insert(out.end(), tables_[p].begin(), tables_[p].end());
        }
        const size_t body = out.size() - 8;
        for (int i = 0; i < 4; ++i) out[4 + i] = static_cast<uint8_t>(body >> (8 * i));
        return out;
    }

private:
    std::array<std::vector<uint8_t>, kParts> tables_;
};

// Copies the zones [first, end) of a bag table with their generators and
// modulators, pointing the copies at where those land. `onGen` sees each
// generator copied.
template <typename OnGen>
bool copyZones(const std::array<Table, kParts>& in, Writer& out, Part bag, Part mod, Part gen, size_t first, size_t end,
               OnGen onGen) {
    if (first > end || end >= in[bag].count) return false;
    for (size_t z = first; z < end; ++z) {
        const uint8_t* b = in[bag].at(z);
        const uint8_t* next = in[bag].at(z + 1);
        const size_t g0 = le16(b), g1 = le16(next), m0 = le16(b + 2), m1 = le16(next + 2);
        if (g0 > g1 || g1 >= in[gen].count || m0 > m1 || m1 >= in[mod].count) return false;
        uint8_t* copy = out.add(bag, b);
        set16(copy, out.count(gen));
        set16(copy + 2, out.count(mod));
        for (size_t m = m0; m < m1; ++m) out.add(mod, in[mod].at(m));
        for (size_t g = g0; g < g1; ++g)
            if (!onGen(out.add(gen, in[gen].at(g)))) return false;
    }
    return true;
}

}  // namespace

std::optional<std::vector<uint8_t>> CutPresetList(const uint8_t* list, size_t size, const std::set<Preset>& keep) {
    if (!list || size < 12 || std::memcmp(list, "LIST", 4) != 0 || std::memcmp(list + 8, "pdta", 4) != 0)
        return std::nullopt;
    const size_t end = std::min<size_t>(size, 8 + static_cast<size_t>(le32(list + 4)));
    std::array<Table, kParts> in;
    size_t pos = 12;
    for (int p = 0; p < kParts; ++p) {
        if (end - pos < 8 || std::memcmp(list + pos, kNames[p], 4) != 0) return std::nullopt;
        const size_t bytes = le32(list + pos + 4);
        pos += 8;
        if (end - pos < bytes || bytes % kRecord[p] != 0 || bytes < kRecord[p]) return std::nullopt;
        in[p] = Table{list + pos, bytes / kRecord[p], kRecord[p]};
        pos += bytes;
    }

    Writer out;
    std::map<size_t, size_t> instruments;  // old index to new, in order of first use
    std::vector<size_t> order;
    bool any = false;
    for (size_t i = 0; i + 1 < in[Phdr].count; ++i) {
        const uint8_t* h = in[Phdr].at(i);
        if (!keep.count({le16(h + 22), le16(h + 20)})) continue;
        any = true;
        uint8_t* copy = out.add(Phdr, h);
        set16(copy + 24, out.count(Pbag));
        const bool ok =
            copyZones(in, out, Pbag, Pmod, Pgen, le16(h + 24), le16(in[Phdr].at(i + 1) + 24), [&](uint8_t* g) {
                if (le16(g) != kInstrumentGen) return true;
                const size_t old = le16(g + 2);
                if (old + 1 >= in[Inst].count) return false;
                auto [it, added] = instruments.emplace(old, order.size());
                if (added) order.push_back(old);
                set16(g + 2, it->second);
                return true;
            });
        if (!ok) return std::nullopt;
    }
    if (!any) return std::nullopt;
    set16(out.add(Phdr, in[Phdr].at(in[Phdr].count - 1)) + 24, out.count(Pbag));

    const auto terminalBag = [&](Part bag, Part mod, Part gen) {
        uint8_t* t = out.add(bag, in[bag].at(in[bag].count - 1));
        set16(t, out.count(gen));
        set16(t + 2, out.count(mod));
        out.add(mod, in[mod].at(in[mod].count - 1));
        out.add(gen, in[gen].at(in[gen].count - 1));
    };
    terminalBag(Pbag, Pmod, Pgen);

    for (size_t old : order) {
        const uint8_t* h = in[Inst].at(old);
        set16(out.add(Inst, h) + 20, out.count(Ibag));
        if (!copyZones(in, out, Ibag, Imod, Igen, le16(h + 20), le16(in[Inst].at(old + 1) + 20),
                       [](uint8_t*) { return true; }))
            return std::nullopt;
    }
    set16(out.add(Inst, in[Inst].at(in[Inst].count - 1)) + 20, out.count(Ibag));
    terminalBag(Ibag, Imod, Igen);
    // Samples keep their numbers: the instruments name them by index.
    for (size_t s = 0; s < in[Shdr].count; ++s) out.add(Shdr, in[Shdr].at(s));
    return out.list();
}

namespace {

// A cut as FluidSynth reads it: the original file up to its preset list,
// then the new list, with the RIFF header's size set to match.
struct Cut {
    std::string path;
    size_t listAt = 0;  // where the preset list starts, in both files
    std::vector<uint8_t> list;
    std::array<uint8_t, 4> riffSize{};
    size_t size() const { return listAt + list.size(); }
};

constexpr char kCutPrefix[] = "vantrax-cut:";

std::mutex& cutsMutex() {
    static std::mutex m;
    return m;
}
// Every cut made this run by name. A synth reads its samples from the cut
// for as long as it lives; a cut is a few kilobytes.
std::map<std::string, std::shared_ptr<const Cut>>& cuts() {
    static auto* all = new std::map<std::string, std::shared_ptr<const Cut>>;
    return *all;
}

struct OpenFile {
    FILE* file = nullptr;
    std::shared_ptr<const Cut> cut;  // none for a plain file
    long long pos = 0;
    long long size = 0;
};

void* openFile(const char* name) {
    auto f = std::make_unique<OpenFile>();
    std::string path = name;
    if (path.rfind(kCutPrefix, 0) == 0) {
        std::lock_guard lock(cutsMutex());
        auto it = cuts().find(path);
        if (it == cuts().end()) return nullptr;
        f->cut = it->second;
        path = f->cut->path;
    }
    f->file = std::fopen(path.c_str(), "rb");
    if (!f->file) return nullptr;
    if (f->cut) {
        f->size = static_cast<long long>(f->cut->size());
    } else if (fseeko(f->file, 0, SEEK_END) != 0 || (f->size = ftello(f->file)) < 0) {
        std::fclose(f->file);
        return nullptr;
    }
    return f.release();
}

int readFile(void* buf, fluid_long_long_t count, void* handle) {
    auto* f = static_cast<OpenFile*>(handle);
    if (count < 0 || count > f->size - f->pos) return FLUID_FAILED;
    auto* out = static_cast<uint8_t*>(buf);
    long long pos = f->pos;
    long long left = count;
    const long long fromFile =
        f->cut ? std::min<long long>(left, std::max<long long>(0, static_cast<long long>(f->cut->listAt) - pos)) : left;
    if (fromFile > 0) {
        if (fseeko(f->file, static_cast<off_t>(pos), SEEK_SET) != 0 ||
            std::fread(out, 1, static_cast<size_t>(fromFile), f->file) != static_cast<size_t>(fromFile))
            return FLUID_FAILED;
        // The header's size is the cut's.
        if (f->cut)
            for (long long i = std::max(pos, 4LL); i < std::min(pos + fromFile, 8LL); ++i)
                out[i - pos] = f->cut->riffSize[static_cast<size_t>(i - 4)];
        out += fromFile;
        pos += fromFile;
        left -= fromFile;
    }
    if (left > 0)
        std::memcpy(out, f->cut->list.data() + (pos - static_cast<long long>(f->cut->listAt)),
                    static_cast<size_t>(left));
    f->pos += count;
    return FLUID_OK;
}

int seekFile(void* handle, fluid_long_long_t offset, int origin) {
    auto* f = static_cast<OpenFile*>(handle);
    long long to = offset;
    if (origin == SEEK_CUR)
        to += f->pos;
    else if (origin == SEEK_END)
        to += f->size;
    else if (origin != SEEK_SET)
        return FLUID_FAILED;
    if (to < 0 || to > f->size) return FLUID_FAILED;
    f->pos = to;
    return FLUID_OK;
}

fluid_long_long_t tellFile(void* handle) {
    return static_cast<OpenFile*>(handle)->pos;
}

int closeFile(void* handle) {
    auto* f = static_cast<OpenFile*>(handle);
    std::fclose(f->file);
    delete f;
    return FLUID_OK;
}

}  // namespace

std::optional<std::string> PrepareSoundFontCut(const std::string& path, const std::set<Preset>& keep) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return std::nullopt;
    std::unique_ptr<FILE, int (*)(FILE*)> closer(file, &std::fclose);
    uint8_t head[12];
    if (std::fread(head, 1, 12, file) != 12 || std::memcmp(head, "RIFF", 4) != 0 ||
        std::memcmp(head + 8, "sfbk", 4) != 0)
        return std::nullopt;
    // The preset list must be the file's last chunk, as it is in every
    // SoundFont written by the usual tools: the cut replaces the file's tail.
    const long long riffEnd = 8LL + le32(head + 4);
    long long at = 12;
    while (at + 12 <= riffEnd) {
        uint8_t chunk[12];
        if (fseeko(file, static_cast<off_t>(at), SEEK_SET) != 0 || std::fread(chunk, 1, 12, file) != 12)
            return std::nullopt;
        const long long size = le32(chunk + 4);
        const long long next = at + 8 + size + (size & 1);
        if (std::memcmp(chunk, "LIST", 4) == 0 && std::memcmp(chunk + 8, "pdta", 4) == 0) {
            if (next < riffEnd) return std::nullopt;
            std::vector<uint8_t> list(static_cast<size_t>(8 + size));
            if (fseeko(file, static_cast<off_t>(at), SEEK_SET) != 0 ||
                std::fread(list.data(), 1, list.size(), file) != list.size())
                return std::nullopt;
            std::optional<std::vector<uint8_t>> cut = CutPresetList(list.data(), list.size(), keep);
            if (!cut) return std::nullopt;
            auto c = std::make_shared<Cut>();
            c->path = path;
            c->listAt = static_cast<size_t>(at);
            c->list = std::move(*cut);
            const size_t riffSize = c->size() - 8;
            for (int i = 0; i < 4; ++i) c->riffSize[static_cast<size_t>(i)] = static_cast<uint8_t>(riffSize >> (8 * i));
            std::lock_guard lock(cutsMutex());
            const std::string name = kCutPrefix + std::to_string(cuts().size()) + ":" + path;
            cuts().emplace(name, std::move(c));
            return name;
        }
        at = next;
    }
    return std::nullopt;
}

void LetSynthReadCuts(fluid_synth_t* synth, fluid_settings_t* settings) {
    fluid_sfloader_t* loader = new_fluid_defsfloader(settings);
    if (!loader) return;
    fluid_sfloader_set_callbacks(loader, &openFile, &readFile, &seekFile, &tellFile, &closeFile);
    fluid_synth_add_sfloader(synth, loader);
}

}  // namespace audio
