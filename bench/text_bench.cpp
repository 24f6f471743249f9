// text_bench [megabytes]: MB/s of the kanji conversions against glibc iconv, of both CSV
// splitters against memcpy of the same bytes, and of the integer text against snprintf.
#include <iconv.h>
#include <malloc.h>

#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "bench_text.h"
#include "text_api.h"

namespace {

using Clock = std::chrono::steady_clock;

// Best of three timed passes, in MB/s of the given input size.
double MegabytesPerSecond(std::size_t bytes, const std::function<void()>& prepare, const std::function<void()>& pass) {
    double best = 1e30;
    for (int i = 0; i < 3; ++i) {
        prepare();
        auto start = Clock::now();
        pass();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return bytes / best / 1e6;
}

void Row(const char* what, double ours, const char* rivalName, double rival, double target) {
    std::printf("%-28s %9.0f MB/s   %-22s %9.0f MB/s   ratio %6.2f  (target %.2f)%s\n", what, ours, rivalName, rival,
                ours / rival, target, ours / rival >= target ? "" : "  BELOW TARGET");
}

std::size_t Iconv(const char* to, const char* from, const std::string& in, std::vector<char>& out) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return 0;
    char* src = const_cast<char*>(in.data());
    std::size_t left = in.size(), room = out.size();
    char* dst = out.data();
    iconv(cd, &src, &left, &dst, &room);
    iconv(cd, nullptr, nullptr, &dst, &room);
    iconv_close(cd);
    return out.size() - room;
}

void KanjiRows(std::size_t bytes) {
    std::string sjis = bench::MixedSjis(bytes, false);  // glibc's ISO-2022-JP has no half-width katakana
    std::vector<char> jis(sjis.size() * 7 + 1), back(sjis.size() * 7 + 1);
    std::vector<char> ijis(sjis.size() * 7 + 1), iback(sjis.size() * 7 + 1);
    auto none = [] {};
    double ours = MegabytesPerSecond(sjis.size(), none, [&] {
        Cm_SJisToJis(reinterpret_cast<const unsigned char*>(sjis.c_str()), reinterpret_cast<unsigned char*>(jis.data()));
    });
    std::size_t ijisBytes = 0;
    double theirs = MegabytesPerSecond(sjis.size(), none, [&] { ijisBytes = Iconv("ISO-2022-JP", "SHIFT_JIS", sjis, ijis); });
    Row("Cm_SJisToJis", ours, "iconv SJIS->2022-JP", theirs, 5.0);

    std::string jisText(jis.data());
    std::string ijisText(ijis.data(), ijisBytes);
    ours = MegabytesPerSecond(jisText.size(), none, [&] {
        Cm_JisToSJis(reinterpret_cast<const unsigned char*>(jisText.c_str()), reinterpret_cast<unsigned char*>(back.data()));
    });
    theirs = MegabytesPerSecond(jisText.size(), none, [&] { Iconv("SHIFT_JIS", "ISO-2022-JP", ijisText, iback); });
    Row("Cm_JisToSJis", ours, "iconv 2022-JP->SJIS", theirs, 1.0);
    // iconv has no CR LF rule: compare the round trip with our own.
    std::printf("  round trip %s; mixed text %zu MB without half-width katakana (iconv refuses them)\n",
                std::strcmp(back.data(), sjis.c_str()) == 0 ? "exact" : "DIFFERS", sjis.size() >> 20);
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

void CsvRows(std::size_t bytes) {
    // Records, then one 1 MB quoted field full of ソ (83 5C) with 0x5C as the quote.
    std::string records = bench::CsvRecords(bytes);
    std::string wall = "\x5C";
    while (wall.size() < (1u << 20)) wall += "\x83\x5C";
    wall += "\x5C,end\n";

    std::vector<char> copy(records.size() + wall.size() + 16);
    double memcpyRate = MegabytesPerSecond(records.size(), [] {}, [&] { std::memcpy(copy.data(), records.data(), records.size()); });

    // Shift_JIS: every line as its own zero-terminated string in one buffer.
    Lines<char> lines(records);
    char* fields[16];
    Cm_CSVAlloc(reinterpret_cast<zc::WideUnit**>(fields), 16);
    std::size_t total = 0;
    double sjisRate = MegabytesPerSecond(records.size(), [&] { lines.Restore(); }, [&] {
        for (std::size_t i = 0; i < lines.starts.size(); ++i) total += Cm_CSVAnalyzeSjis(lines.Line(i), fields, 16, ',', '"');
    });
    Row("Cm_CSVAnalyzeSjis", sjisRate, "memcpy", memcpyRate, 1.0 / 3);
    auto memchrRate = [&](bool askSize) {
        return MegabytesPerSecond(records.size(), [&] { lines.Restore(); }, [&] {
            for (std::size_t i = 0; i < lines.starts.size(); ++i) total += MemchrSplit(lines.Line(i), fields, 16, askSize);
        });
    };
    double bare = memchrRate(false), asking = memchrRate(true);
    std::printf("  memchr+memcpy split of the same lines, commas only: %.0f MB/s (ratio %.2f); asking each block's size: "
                "%.0f MB/s (ratio %.2f)\n",
                bare, bare / memcpyRate, asking, asking / memcpyRate);

    double plain, quoted;
    {
        std::string plainLine(wall.size(), 'x');
        std::string buffer;
        plain = MegabytesPerSecond(wall.size(), [&] { buffer = plainLine; }, [&] { Cm_CSVAnalyzeSjis(&buffer[0], fields, 16, ',', '\x5C'); });
        quoted = MegabytesPerSecond(wall.size(), [&] { buffer = wall; }, [&] { total += Cm_CSVAnalyzeSjis(&buffer[0], fields, 16, ',', '\x5C'); });
    }
    std::printf("  1 MB quoted field of kanji whose trail byte is the quote: %.0f MB/s (plain 1 MB field %.0f MB/s)\n",
                quoted, plain);
    Cm_CSVFree(reinterpret_cast<zc::WideUnit**>(fields), 16);

    // Wide: the same records widened byte by byte (the splitter does not care about the code).
    std::u16string wide(records.begin(), records.end());
    Lines<char16_t> wideLines(records);
    std::vector<char16_t> wideCopy(wide.size());
    double wideMemcpy = MegabytesPerSecond(wide.size() * 2, [] {}, [&] { std::memcpy(wideCopy.data(), wide.data(), wide.size() * 2); });
    char16_t* wideFields[16];
    Cm_CSVAlloc(wideFields, 16);
    double wideRate = MegabytesPerSecond(wide.size() * 2, [&] { wideLines.Restore(); }, [&] {
        for (std::size_t i = 0; i < wideLines.starts.size(); ++i) total += Cm_CSVAnalyze(wideLines.Line(i), wideFields, 16, ',', '"');
    });
    Cm_CSVFree(wideFields, 16);
    Row("Cm_CSVAnalyze", wideRate, "memcpy", wideMemcpy, 1.0 / 3);
    std::printf("  %zu MB of records, %zu lines, %zu fields split\n", records.size() >> 20, lines.starts.size(), total);
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
    auto start = Clock::now();
    for (auto v : values) sum += zc::FormatCommaInt(v, text);
    double ours = kCount / std::chrono::duration<double>(Clock::now() - start).count() / 1e6;
    start = Clock::now();
    for (auto v : values) sum += std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(v));
    double theirs = kCount / std::chrono::duration<double>(Clock::now() - start).count() / 1e6;
    std::printf("%-28s %9.1f M/s    %-22s %9.1f M/s    ratio %6.2f  (with separators; checksum %zu)\n", "zc::FormatCommaInt",
                ours, "snprintf(\"%lld\")", theirs, ours / theirs, sum);
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 64;
    if (megabytes == 0) megabytes = 1;
    std::printf("text_bench: %zu MB inputs, best of three passes\n", megabytes);
    KanjiRows(megabytes << 20);
    CsvRows(megabytes << 20);
    IntegerRow();
    return 0;
}
