#include <ZetoCom.h>
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "scratch_folder.h"
#include "system_text_for_test.h"

namespace {

// A stamp "[YYYY/MM/DD hh:mm:ss] " at the start of a log line.
const std::regex kStamp(R"(^\[\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2}\] )");

// The text in code page 932, as the runtime writes it in the fixture's locale.
std::string Narrow(const std::wstring& text) {
    std::string out(text.size() * 2, '\0');
    out.resize(WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), out.data(),
                                   static_cast<int>(out.size()), nullptr, nullptr));
    return out;
}

// What a system text becomes in the log: CRs removed, then every LF written as CR LF.
std::string AsLogged(const std::wstring& system) {
    std::string out;
    for (char c : Narrow(system)) {
        if (c == '\r') continue;
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

// The runtime converts the wide lines to the multibyte code of the current locale: the host sets
// the Japanese one, as every host of the library does before it logs Japanese text.
class ErrorLog : public ::testing::Test {
protected:
    void SetUp() override { setlocale(LC_ALL, ".932"); }
    void TearDown() override {
        Cm_CloseErrorFile();
        setlocale(LC_ALL, "C");
    }
    ScratchFolder folder;
    std::wstring log = folder / L"error.log";
};

TEST_F(ErrorLog, WritesNothingWhileClosed) {
    EXPECT_EQ(Cm_WriteErrorString(L"lost"), 0);
    EXPECT_EQ(Cm_WriteErrorMessage(5, 5), 5);
    EXPECT_EQ(Cm_WriteErrorMessage(2, 0), 2);
}

TEST_F(ErrorLog, HostTextIsOneStampedLineFlushedAtOnce) {
    ASSERT_EQ(Cm_OpenErrorFile(log.c_str(), 0), 1);
    SYSTEMTIME before, after;
    GetLocalTime(&before);
    EXPECT_EQ(Cm_WriteErrorString(L"disk full"), 22 + 9 + 1);
    GetLocalTime(&after);
    std::string bytes = ReadFileBytes(log);  // read while the log is still open
    std::smatch stamp;
    ASSERT_TRUE(std::regex_search(bytes, stamp, kStamp)) << bytes;
    EXPECT_EQ(bytes.substr(22), "disk full\r\n");
    EXPECT_EQ(Cm_WriteErrorString(nullptr), 22 + 1) << "a null text is an empty one";
    EXPECT_EQ(ReadFileBytes(log).substr(bytes.size() + 22), "\r\n");
    // Local time (nine hours ahead of UTC here), taken at the write.
    auto text = [](const SYSTEMTIME& t) {
        char stamp[32];
        wsprintfA(stamp, "%04d/%02d/%02d %02d:%02d:%02d", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
        return std::string(stamp);
    };
    EXPECT_LE(text(before), bytes.substr(1, 19));
    EXPECT_GE(text(after), bytes.substr(1, 19));
}

TEST_F(ErrorLog, ErrorLineWaitsForTheNextFlush) {
    ASSERT_EQ(Cm_OpenErrorFile(log.c_str(), 0), 1);
    EXPECT_EQ(Cm_WriteErrorMessage(2, 0), 2);
    EXPECT_EQ(ReadFileBytes(log), "");
    Cm_CloseErrorFile();
    std::string bytes = ReadFileBytes(log);
    ASSERT_TRUE(std::regex_search(bytes, kStamp)) << bytes;
    // The system text's CR is dropped and its LF comes back as CR LF through the text mode.
    EXPECT_EQ(bytes.substr(22), "[Error:2] " + AsLogged(SystemTextOf(2)));
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

TEST_F(ErrorLog, WriteErrorStringFlushesPendingErrorLines) {
    ASSERT_EQ(Cm_OpenErrorFile(log.c_str(), 0), 1);
    Cm_WriteErrorMessage(5, 0);
    Cm_WriteErrorString(L"after");
    std::string bytes = ReadFileBytes(log);
    EXPECT_NE(bytes.find("[Error:5] "), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 7), "after\r\n");
}

TEST_F(ErrorLog, NoErrorCodeWritesNothingAndGivesZero) {
    ASSERT_EQ(Cm_OpenErrorFile(log.c_str(), 0), 1);
    SetLastError(0);
    EXPECT_EQ(Cm_WriteErrorMessage(-1, 0), 0);
    EXPECT_EQ(Cm_WriteErrorMessage(7, 7), 0);
    SetLastError(ERROR_ACCESS_DENIED);
    EXPECT_EQ(Cm_WriteErrorMessage(-1, 0), 5);
    Cm_CloseErrorFile();
    std::string bytes = ReadFileBytes(log);
    ASSERT_TRUE(std::regex_search(bytes, kStamp)) << bytes;
    EXPECT_EQ(bytes.substr(22), "[Error:5] " + AsLogged(SystemTextOf(5))) << "the one line of the only error";
}

TEST_F(ErrorLog, TruncatesOrAppends) {
    folder.WriteFile(L"error.log", "old line\r\n");
    ASSERT_EQ(Cm_OpenErrorFile(log.c_str(), 1), 1);
    Cm_WriteErrorString(L"second");
    Cm_CloseErrorFile();
    std::string appended = ReadFileBytes(log);
    EXPECT_EQ(appended.substr(0, 10), "old line\r\n");
    EXPECT_EQ(appended.substr(appended.size() - 8), "second\r\n");

    ASSERT_EQ(Cm_OpenErrorFile(log.c_str(), 0), 1);
    Cm_CloseErrorFile();
    EXPECT_EQ(ReadFileBytes(log), "");

    std::wstring fresh = folder / L"new.log";  // append mode makes a missing log
    ASSERT_EQ(Cm_OpenErrorFile(fresh.c_str(), 1), 1);
    Cm_WriteErrorString(L"first");
    Cm_CloseErrorFile();
    EXPECT_EQ(ReadFileBytes(fresh).substr(22), "first\r\n");
}

TEST_F(ErrorLog, ReopeningClosesTheCurrentLog) {
    std::wstring second = folder / L"second.log";
    ASSERT_EQ(Cm_OpenErrorFile(log.c_str(), 0), 1);
    Cm_WriteErrorMessage(2, 0);
    ASSERT_EQ(Cm_OpenErrorFile(second.c_str(), 0), 1);
    EXPECT_NE(ReadFileBytes(log).find("[Error:2] "), std::string::npos);  // flushed by the close
    Cm_WriteErrorString(L"there");
    EXPECT_EQ(ReadFileBytes(log).find("there"), std::string::npos);
    EXPECT_NE(ReadFileBytes(second).find("there"), std::string::npos);
}

TEST_F(ErrorLog, NullPathOrFailedOpenLeavesNoLog) {
    ASSERT_EQ(Cm_OpenErrorFile(log.c_str(), 0), 1);
    Cm_WriteErrorMessage(2, 0);
    EXPECT_EQ(Cm_OpenErrorFile(nullptr, 0), 0);
    EXPECT_EQ(Cm_WriteErrorString(L"gone"), 0);
    EXPECT_NE(ReadFileBytes(log).find("[Error:2] "), std::string::npos);

    ASSERT_EQ(Cm_OpenErrorFile(log.c_str(), 1), 1);
    std::wstring impossible = folder / L"missing\\folder\\x.log";
    EXPECT_EQ(Cm_OpenErrorFile(impossible.c_str(), 0), 0);
    EXPECT_EQ(Cm_WriteErrorString(L"gone"), 0);
}

TEST_F(ErrorLog, JapaneseTextReachesTheFileInShiftJis) {
    ASSERT_EQ(Cm_OpenErrorFile(log.c_str(), 0), 1);
    Cm_WriteErrorString(L"\u3042");
    Cm_CloseErrorFile();
    EXPECT_EQ(ReadFileBytes(log).substr(22), "\x82\xa0\r\n");
}

}  // namespace
