#include "peers.h"

#include <csv.h>
#include <fcntl.h>
#include <iconv.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unicode/ucnv.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace bench {

std::size_t Iconv(const char* to, const char* from, const std::string& in, std::vector<char>& out) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return 0;
    char* src = const_cast<char*>(in.data());
    std::size_t left = in.size(), room = out.size();
    char* dst = out.data();
    while (left && iconv(cd, &src, &left, &dst, &room) == static_cast<std::size_t>(-1) && errno == EILSEQ) {
        ++src;
        --left;
    }
    iconv(cd, nullptr, nullptr, &dst, &room);
    iconv_close(cd);
    return out.size() - room;
}

std::size_t Icu(const char* to, const char* from, const std::string& in, std::vector<char>& out) {
    UErrorCode error = U_ZERO_ERROR;
    int32_t written = ucnv_convert(to, from, out.data(), static_cast<int32_t>(out.size()), in.data(),
                                   static_cast<int32_t>(in.size()), &error);
    return U_FAILURE(error) ? 0 : static_cast<std::size_t>(written);
}

bool HaveNkf() { return access("/usr/bin/nkf", X_OK) == 0; }

double NkfSeconds(const char* options, const std::string& inputFile) {
    pid_t child = fork();
    if (child < 0) return -1;
    if (child == 0) {
        int in = open(inputFile.c_str(), O_RDONLY), out = open("/dev/null", O_WRONLY);
        if (in < 0 || out < 0) _exit(127);
        dup2(in, 0);
        dup2(out, 1);
        execl("/usr/bin/nkf", "nkf", options, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

namespace {

struct CsvSink {
    std::vector<std::string>* blocks;
    std::size_t slot = 0, fields = 0;
};

void OnField(void* field, std::size_t length, void* data) {
    auto* sink = static_cast<CsvSink*>(data);
    if (sink->slot < sink->blocks->size()) (*sink->blocks)[sink->slot++].assign(static_cast<const char*>(field), length);
    ++sink->fields;
}

void OnRecord(int, void* data) { static_cast<CsvSink*>(data)->slot = 0; }

}  // namespace

std::size_t LibcsvSplit(const std::string& text, std::vector<std::string>& blocks) {
    csv_parser parser;
    if (csv_init(&parser, 0) != 0) return 0;
    CsvSink sink{&blocks};
    csv_parse(&parser, text.data(), text.size(), OnField, OnRecord, &sink);
    csv_fini(&parser, OnField, OnRecord, &sink);
    csv_free(&parser);
    return sink.fields;
}

}  // namespace bench
