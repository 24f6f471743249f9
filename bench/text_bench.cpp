// text_bench [megabytes] [corpus]: MB/s of the kanji conversions beside glibc iconv, ICU and nkf on
// three texts (the man-page corpus, or generated text without it; its ASCII; its double-byte
// characters), of both CSV splitters beside a bare memchr+memcpy split and libcsv, and of the
// integer text beside snprintf. Every figure is the CPU time of the measuring thread (of the child
// for nkf), best of five passes, with memcpy of the same bytes measured in the same run.
#include <malloc.h>
#include <time.h>
#include <unicode/uvernum.h>
#include <unistd.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench_text.h"
#include "floors.h"
#include "peers.h"
#include "text_api.h"

namespace {

constexpr int kPasses = 5;

double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

// MB/s of the given input size, best of the timed passes.
double Rate(std::size_t bytes, const std::function<void()>& prepare, const std::function<void()>& pass) {
    double best = 1e30;
    for (int i = 0; i < kPasses; ++i) {
        prepare();
        double start = ThreadSeconds();
        pass();
        best = std::min(best, ThreadSeconds() - start);
    }
    return bytes / best / 1e6;
}

double Rate(std::size_t bytes, const std::function<void()>& pass) { return Rate(bytes, [] {}, pass); }

// An output buffer of a worst-case size, far larger than what is written. Its pages are first
// touched by the first of the passes, so the best pass does not pay for them.
struct Buffer {
    explicit Buffer(std::size_t size) : bytes(static_cast<unsigned char*>(std::malloc(size))) {}
    ~Buffer() { std::free(bytes); }
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;
    char* chars() { return reinterpret_cast<char*>(bytes); }
    unsigned char* bytes;
};

double MemcpyRate(const std::string& text) {
    std::vector<char> copy(text.size());
    return Rate(text.size(), [&] { std::memcpy(copy.data(), text.data(), text.size()); });
}

struct Peer {
    const char* name;
    double rate;
};

void Check(bool ok, const char* what) {
    if (!ok) std::printf("  %s: DIFFERS\n", what);
}

// One line: ours, each peer, then ours against the fastest peer and against memcpy.
void Row(const char* what, double ours, const std::vector<Peer>& peers, double memcpyRate, double peerTarget,
         double memcpyTarget) {
    const Peer* fastest = nullptr;
    std::printf("  %-12s %7.0f |", what, ours);
    for (const Peer& peer : peers) {
        if (peer.rate > 0) std::printf(" %s %5.0f", peer.name, peer.rate);
        else std::printf(" %s     -", peer.name);
        if (peer.rate > 0 && (!fastest || peer.rate > fastest->rate)) fastest = &peer;
    }
    double byPeer = fastest ? ours / fastest->rate : 0, byMemcpy = ours / memcpyRate;
    std::printf(" | memcpy %5.0f | x%-5s %6.2f (>= %g)%s | of memcpy %.2f", memcpyRate, fastest ? fastest->name : "-",
                byPeer, peerTarget, byPeer >= peerTarget ? "" : " BELOW", byMemcpy);
    if (memcpyTarget > 0) std::printf(" (>= %.2f)%s", memcpyTarget, byMemcpy >= memcpyTarget ? "" : " BELOW");
    std::printf("\n");
}

// A temporary file holding text, for nkf; removed with the object.
struct TempFile {
    explicit TempFile(const std::string& text) {
        char name[] = "/tmp/text_bench_XXXXXX";
        int fd = mkstemp(name);
        path = name;
        if (fd >= 0) {
            for (std::size_t at = 0; at < text.size();) {
                ssize_t n = write(fd, text.data() + at, text.size() - at);
                if (n <= 0) break;
                at += static_cast<std::size_t>(n);
            }
            close(fd);
        }
    }
    ~TempFile() { unlink(path.c_str()); }
    std::string path;
};

double NkfRate(const char* options, const std::string& text) {
    if (!bench::HaveNkf()) return 0;
    TempFile file(text);
    double best = 1e30;
    for (int i = 0; i < kPasses; ++i) {
        double seconds = bench::NkfSeconds(options, file.path);
        if (seconds < 0) return 0;
        best = std::min(best, seconds);
    }
    return text.size() / best / 1e6;
}

// A stripped-down loop over a copy of text with room before and after it; MB/s of the text.
double FloorRate(const std::string& text, std::size_t (*loop)(const unsigned char*, std::size_t, unsigned char*)) {
    std::vector<unsigned char> padded(text.size() + 128, 0), out(2 * text.size() + 128);
    std::memcpy(padded.data() + 64, text.data(), text.size());
    std::size_t written = 0;
    double rate = Rate(text.size(), [&] { written += loop(padded.data() + 64, text.size(), out.data()); });
    return written ? rate : 0;
}

enum class Floors { kNone, kLineEnds, kEscapes };

// Both conversions of one Shift_JIS text. The peers convert the same bytes: code page 932 to
// ISO-2022-JP, and our JIS back. Only ours maps CR LF to LF and back.
void KanjiRows(const char* name, const std::string& sjis, bool memcpyTargets, Floors floors) {
    std::printf("%s, %.1f MB (MB/s)\n", name, sjis.size() / 1e6);
    Buffer jis(7 * sjis.size() + 1), peerOut(7 * sjis.size() + 1);
    std::vector<char> peerJis(3 * sjis.size() + 16);
    auto src = reinterpret_cast<const unsigned char*>(sjis.c_str());
    double ours = Rate(sjis.size(), [&] { Cm_SJisToJis(src, jis.bytes); });
    std::vector<Peer> peers = {
        {"iconv", Rate(sjis.size(), [&] { bench::Iconv("ISO-2022-JP", "CP932", sjis, peerJis); })},
        {"ICU", Rate(sjis.size(), [&] { bench::Icu("ISO-2022-JP", "windows-31j", sjis, peerJis); })},
        {"nkf", NkfRate("-Sj -m0", sjis)},
    };
    double copy = MemcpyRate(sjis);
    Row("SJIS->JIS", ours, peers, copy, 10, memcpyTargets ? 1.0 / 3 : 0);

    std::string jisText(jis.chars());
    Buffer back(2 * jisText.size() + 1);
    std::vector<char> peerSjis(2 * jisText.size() + 16);
    auto jsrc = reinterpret_cast<const unsigned char*>(jisText.c_str());
    ours = Rate(jisText.size(), [&] { Cm_JisToSJis(jsrc, back.bytes); });
    peers = {
        {"iconv", Rate(jisText.size(), [&] { bench::Iconv("CP932", "ISO-2022-JP", jisText, peerSjis); })},
        {"ICU", Rate(jisText.size(), [&] { bench::Icu("windows-31j", "ISO-2022-JP", jisText, peerSjis); })},
        {"nkf", NkfRate("-Js -m0", jisText)},
    };
    copy = MemcpyRate(jisText);
    Row("JIS->SJIS", ours, peers, copy, 4, memcpyTargets ? 1.0 / 3 : 0);
    Check(sjis == back.chars(), "round trip");
    // The peers' Shift_JIS of our JIS is the source, but for the line ends they leave alone.
    std::size_t iconvBytes = bench::Iconv("CP932", "ISO-2022-JP", jisText, peerSjis);
    std::string lf;
    for (char c : sjis)
        if (c != '\r') lf += c;
    Check(std::string(peerSjis.data(), iconvBytes) == lf, "iconv's Shift_JIS of our JIS");
    if (floors == Floors::kLineEnds)
        std::printf("  line ends alone, stripped-down loops: CR LF->LF %.0f MB/s, LF->CR LF %.0f MB/s\n",
                    FloorRate(sjis, bench::DropReturns), FloorRate(jisText, bench::AddReturns));
    if (floors == Floors::kEscapes)
        std::printf("  run switches alone, no conversion: escapes written around the Shift_JIS runs %.0f MB/s, "
                    "JIS runs copied and escapes dropped %.0f MB/s\n",
                    FloorRate(sjis, bench::MarkRuns), FloorRate(jisText, bench::SkipEscapes));
}

// The lines of a text one after another, each with its LF and a terminator, as a host reads them
// with fgets; each pass splits a copy restored from the original, untimed.
template <class Ch>
struct Lines {
    explicit Lines(const std::string& text) {
        for (std::size_t at = 0; at < text.size();) {
            std::size_t end = text.find('\n', at);
            end = end == std::string::npos ? text.size() : end + 1;
            starts.push_back(original.size());
            original.append(text.begin() + at, text.begin() + end);
            original.push_back(0);
            at = end;
        }
    }
    void Restore() { work = original; }
    Ch* Line(std::size_t i) { return &work[starts[i]]; }
    std::basic_string<Ch> original, work;
    std::vector<std::size_t> starts;
};

// About the least a splitter of these records can do with the C library: cut the LF, then memchr
// for each comma and memcpy each field into its block. No quotes, no slots emptied; the block's
// size is asked of the allocator only when askSize is set (the library must ask it for every
// field), and never acted on.
int MemchrSplit(char* line, char** fields, int count, bool askSize) {
    char* end = line + std::strlen(line);
    if (end > line && end[-1] == '\n') *--end = 0;
    int n = 0;
    for (char* start = line; n < count;) {
        char* comma = static_cast<char*>(std::memchr(start, ',', static_cast<std::size_t>(end - start)));
        char* stop = comma ? comma : end;
        if (askSize && malloc_usable_size(fields[n]) == 0) break;
        std::memcpy(fields[n], start, static_cast<std::size_t>(stop - start));
        fields[n++][stop - start] = 0;
        if (!comma) break;
        start = comma + 1;
    }
    std::memset(line, 0, 4);
    return n;
}

// Both splitters on records of about 107 bytes as fgets gives them, beside the bare split and
// libcsv; all in MB/s of the Shift_JIS records (the wide splitter splits the same records widened
// unit by unit, twice the bytes for the same characters).
void CsvRows(std::size_t bytes) {
    std::string records = bench::CsvRecords(bytes);
    std::printf("CSV records, %.1f MB, %s (MB/s)\n", records.size() / 1e6, "Cm_CSVAnalyze on the same records as UTF-16");
    double copy = MemcpyRate(records);

    Lines<char> lines(records);
    char* fields[16];
    Cm_CSVAlloc(reinterpret_cast<zc::WideUnit**>(fields), 16);
    std::size_t total = 0;
    double sjis = Rate(records.size(), [&] { lines.Restore(); }, [&] {
        for (std::size_t i = 0; i < lines.starts.size(); ++i) total += Cm_CSVAnalyzeSjis(lines.Line(i), fields, 16, ',', '"');
    });
    auto memchrRate = [&](bool askSize) {
        return Rate(records.size(), [&] { lines.Restore(); }, [&] {
            for (std::size_t i = 0; i < lines.starts.size(); ++i) total += MemchrSplit(lines.Line(i), fields, 16, askSize);
        });
    };
    double bare = memchrRate(false), asking = memchrRate(true);
    std::vector<std::string> blocks(16);
    double libcsv = Rate(records.size(), [&] { total += bench::LibcsvSplit(records, blocks); });

    std::u16string wide(records.begin(), records.end());
    Lines<char16_t> wideLines(records);
    char16_t* wideFields[16];
    Cm_CSVAlloc(wideFields, 16);
    double wideRate = Rate(records.size(), [&] { wideLines.Restore(); }, [&] {
        for (std::size_t i = 0; i < wideLines.starts.size(); ++i) total += Cm_CSVAnalyze(wideLines.Line(i), wideFields, 16, ',', '"');
    });
    Cm_CSVFree(wideFields, 16);

    auto row = [&](const char* what, double ours) {
        std::printf("  %-17s %6.0f | bare split %5.0f | libcsv %5.0f | memcpy %5.0f | x bare %.2f (>= 0.85)%s | x libcsv %.2f "
                    "(>= 2.5)%s | of memcpy %.2f\n",
                    what, ours, bare, libcsv, copy, ours / bare, ours / bare >= 0.85 ? "" : " BELOW", ours / libcsv,
                    ours / libcsv >= 2.5 ? "" : " BELOW", ours / copy);
    };
    row("Cm_CSVAnalyzeSjis", sjis);
    row("Cm_CSVAnalyze", wideRate);
    std::printf("  bare split asking each block's size (as the block growth rule must): %.0f MB/s\n", asking);

    // One 1 MB quoted field full of ソ (83 5C) with 0x5C as the quote, beside a plain 1 MB field.
    std::string wall = "\x5C";
    while (wall.size() < (1u << 20)) wall += "\x83\x5C";
    wall += "\x5C,end\n";
    std::string plainLine(wall.size(), 'x'), buffer;
    double plain = Rate(wall.size(), [&] { buffer = plainLine; }, [&] { Cm_CSVAnalyzeSjis(&buffer[0], fields, 16, ',', '\x5C'); });
    double quoted = Rate(wall.size(), [&] { buffer = wall; }, [&] { total += Cm_CSVAnalyzeSjis(&buffer[0], fields, 16, ',', '\x5C'); });
    Cm_CSVFree(reinterpret_cast<zc::WideUnit**>(fields), 16);
    std::printf("  1 MB quoted field of kanji whose trail byte is the quote: %.0f MB/s (plain 1 MB field %.0f MB/s); %zu fields\n",
                quoted, plain, total);
}

void IntegerRow() {
    constexpr int kCount = 5'000'000;
    std::vector<std::int64_t> values(kCount);
    std::uint64_t x = 88172645463325252ull;
    for (auto& v : values) {
        x ^= x << 13, x ^= x >> 7, x ^= x << 17;
        v = static_cast<std::int64_t>(x) >> (x % 48);
    }
    std::size_t sum = 0;
    zc::NumberText text;
    char buffer[64];
    double start = ThreadSeconds();
    for (auto v : values) sum += zc::FormatCommaInt(v, text);
    double ours = kCount / (ThreadSeconds() - start) / 1e6;
    start = ThreadSeconds();
    for (auto v : values) sum += std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(v));
    double theirs = kCount / (ThreadSeconds() - start) / 1e6;
    std::printf("%-28s %9.1f M/s    %-22s %9.1f M/s    ratio %6.2f  (with separators; checksum %zu)\n", "zc::FormatCommaInt",
                ours, "snprintf(\"%lld\")", theirs, ours / theirs, sum);
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 64;
    if (megabytes == 0) megabytes = 1;
    std::string corpus = argc > 2 ? bench::ReadFile(argv[2]) : std::string();
    bool real = !corpus.empty();
    if (!real) corpus = bench::MixedSjis(1 << 20, false);  // glibc's ISO-2022-JP has no half-width katakana
    std::printf("text_bench: %zu MB inputs, CPU time of the measuring thread, best of %d passes; peers: glibc iconv, ICU %s, "
                "nkf %s\n",
                megabytes, kPasses, U_ICU_VERSION, bench::HaveNkf() ? "(child process, file to /dev/null)" : "missing");
    std::size_t bytes = megabytes << 20;
    KanjiRows(real ? "man pages (manpages-ja, code page 932, CR LF)" : "generated mixed text (no corpus given)",
              bench::Repeat(corpus, bytes), false, Floors::kEscapes);
    KanjiRows("pure ASCII (its ASCII-only lines)", bench::Repeat(bench::AsciiOf(corpus), bytes), true, Floors::kLineEnds);
    KanjiRows("pure kanji (its double-byte characters)", bench::Repeat(bench::KanjiOf(corpus), bytes), false, Floors::kNone);
    CsvRows(bytes);
    IntegerRow();
    return 0;
}
