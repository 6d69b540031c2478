// The INI file as the program writes it, against the system's own profile
// functions: what they read back, what a write costs, and what a killed
// writer leaves behind.
#include "app/BrowserApp.h"
#include "core/FileReplace.h"
#include "core/IniDocument.h"
#include "core/Settings.h"
#include "core/SavedTabs.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {
std::string TestFile(const char* name)
{
    return g_strStartDir.str() + name;
}

// Every section the file holds, each as the one-pass section read gives it,
// followed by every key of it as read one at a time.
std::string EverythingRead(const std::string& path)
{
    std::vector<char> names(65536);
    const DWORD got = ::GetPrivateProfileSectionNamesA(names.data(), static_cast<DWORD>(names.size()), path.c_str());
    std::string all;
    for (const char* name = names.data(); name < names.data() + got && *name; name += std::strlen(name) + 1) {
        std::vector<char> block(65536), keys(65536), value(4096);
        const DWORD size = ::GetPrivateProfileSectionA(name, block.data(), static_cast<DWORD>(block.size()), path.c_str());
        all += std::string("[") + name + "]" + std::string(block.data(), size) + "|";
        const DWORD keySize = ::GetPrivateProfileStringA(name, nullptr, "", keys.data(), static_cast<DWORD>(keys.size()), path.c_str());
        for (const char* key = keys.data(); key < keys.data() + keySize && *key; key += std::strlen(key) + 1) {
            ::GetPrivateProfileStringA(name, key, "<none>", value.data(), static_cast<DWORD>(value.size()), path.c_str());
            all += std::string(key) + "=" + value.data() + "\n";
        }
    }
    return all;
}

// A change as the program makes it: a value, or null to remove the key.
struct Change {
    const char* section;
    const char* key;
    const char* value;
};

void WriteThroughProfileFunctions(const std::string& path, const std::vector<Change>& changes)
{
    for (const Change& c : changes)
        ::WritePrivateProfileStringA(c.section, c.key, c.value, path.c_str());
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
}

bool WriteThroughDocument(const std::string& path, const std::vector<Change>& changes)
{
    std::string text;
    IniDocument doc;
    if (!ReadWholeFile(path, text) || !doc.Parse(text))
        return false;
    for (const Change& c : changes) {
        if (c.value)
            doc.Set(c.section, c.key, c.value);
        else
            doc.Remove(c.section, c.key);
    }
    return ReplaceFileContent(path, doc.Serialize());
}

// Settings and a tab set of count addresses, as the program writes them.
std::string ProgramFile(const std::string& old, int count, const char* site)
{
    IniDocument doc;
    doc.Parse(old);
    Settings().Save(doc);
    doc.WriteInt("TAB", "COUNT", count);
    for (int i = 0; i < count; ++i)
        doc.Set("TAB", TabUrlKey(i), std::string("http://") + site + "/page/" + std::to_string(i));
    return doc.Serialize();
}

double Milliseconds(LARGE_INTEGER start)
{
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

const char kOddFile[] =
    "; comment\r\n"
    "[ Other ]\r\n"
    "[Broken\r\n"
    "k=v\r\n"
    "Foo = Bar \r\n"
    "\r\n"
    "  [setting]  \r\n"
    "  savelasttab =  0 \r\n"
    "Unknown=\"quoted\"\r\n"
    "novalue\r\n"
    "\r\n"
    "[tab] ; the set\n"
    "a key = spaced  value\n"
    "=orphan\n"
    "count = 3\n"
    "url000=  http://old.example/0\n"
    "URL002=http://old.example/2\n"
    "[SETTING]\r\n"
    "PRIORITY=3\r\n"
    "\tTRAYICON\t=\t2";
}

// Keys whose reads are compared, the missing and the odd ones among them.
const Change kReadProbes[] = {
    { "SETTING", "SAVELASTTAB", nullptr }, { "setting", "novalue", nullptr }, { "SETTING", "Unknown", nullptr },
    { "SETTING", "PRIORITY", nullptr },    { "SETTING", "TRAYICON", nullptr }, { "SETTING", "missing", nullptr },
    { "TAB", "a key", nullptr },           { "tab", "COUNT", nullptr },        { "TAB", "url000", nullptr },
    { "TAB", "URL001", nullptr },          { "TAB", "URL002", nullptr },       { "Other", "foo", nullptr },
    { "Broken", "k", nullptr },            { "Other", "k", nullptr },          { "Fresh", "key", nullptr },
    { "SETTING", "AUTOHIDETIME", nullptr }, { "SETTING", "BOOKMARKFILE", nullptr }, { "Nowhere", "k", nullptr },
};

// Changes made through the document and through the profile functions read
// back the same, key by key and section by section, from a file with odd
// spacing and letter case; the document reads every key as they do.
TEST(IniFileWin32, ReadsBackAsTheProfileFunctionsWouldHaveWritten)
{
    const std::vector<Change> changes = {
        { "SETTING", "SAVELASTTAB", "1" },    { "SETTING", "TRAYICON", "5" },
        { "SETTING", "BOOKMARKFILE", "C:\\My Files\\b.htm" }, { "SETTING", "AUTOHIDETIME", "'2.50'" },
        { "TAB", "COUNT", "2" },             { "TAB", "URL000", "http://new.example/a?b=c" },
        { "TAB", "URL001", "  http://new.example/ x " }, { "TAB", "URL002", nullptr },
        { "Other", "foo", nullptr },         { "Fresh", "Key", "v=1" },
    };
    const std::string byDocument = TestFile("doc.ini"), byFunctions = TestFile("api.ini");
    ASSERT_TRUE(WriteWholeFile(byDocument, kOddFile));
    ASSERT_TRUE(WriteWholeFile(byFunctions, kOddFile));
    ASSERT_TRUE(WriteThroughDocument(byDocument, changes));
    WriteThroughProfileFunctions(byFunctions, changes);
    EXPECT_EQ(EverythingRead(byDocument), EverythingRead(byFunctions));

    // The program reads through the document: it must find what the
    // profile functions find, in the odd file as in the one it wrote.
    for (const std::string& path : { byFunctions, TestFile("odd.ini") }) {
        if (path != byFunctions) {
            ASSERT_TRUE(WriteWholeFile(path, kOddFile));
        }
        std::string text;
        IniDocument doc;
        ASSERT_TRUE(ReadWholeFile(path, text) && doc.Parse(text));
        for (const Change& probe : kReadProbes) {
            char value[4096];
            ::GetPrivateProfileStringA(probe.section, probe.key, "<none>", value, sizeof value, path.c_str());
            EXPECT_EQ(doc.ReadString(probe.section, probe.key, "<none>"), value) << probe.section << "/" << probe.key;
            EXPECT_EQ(doc.ReadInt(probe.section, probe.key, -7),
                      static_cast<int>(::GetPrivateProfileIntA(probe.section, probe.key, -7, path.c_str())))
                << probe.section << "/" << probe.key;
        }
        ::DeleteFileA(TestFile("odd.ini").c_str());
    }
    ::DeleteFileA(byDocument.c_str());
    ::DeleteFileA(byFunctions.c_str());
}

// One write of the settings and 256 addresses, key by key through the
// profile functions and whole through the document.
TEST(IniFileWin32, WritingTheSettingsAnd256AddressesTakesMilliseconds)
{
    const std::string path = TestFile("cost.ini");
    std::vector<Change> changes;
    IniDocument keys;
    Settings().Save(keys);
    std::vector<std::string> urls, names;
    for (int i = 0; i < 256; ++i) {
        names.push_back(TabUrlKey(i));
        urls.push_back("http://www.example.com/some/page/" + std::to_string(i) + ".html");
    }
    for (int i = 0; i < kSettingKeyCount; ++i)
        changes.push_back({ "SETTING", kSettingKeys[i].key, keys.Find("SETTING", kSettingKeys[i].key)->c_str() });
    changes.push_back({ "TAB", "COUNT", "256" });
    for (int i = 0; i < 256; ++i)
        changes.push_back({ "TAB", names[i].c_str(), urls[i].c_str() });

    ::DeleteFileA(path.c_str());
    LARGE_INTEGER start;
    ::QueryPerformanceCounter(&start);
    WriteThroughProfileFunctions(path, changes);
    const double before = Milliseconds(start);
    const std::string expected = EverythingRead(path);
    ::QueryPerformanceCounter(&start);
    ASSERT_TRUE(WriteThroughDocument(path, changes));
    const double after = Milliseconds(start);
    EXPECT_EQ(EverythingRead(path), expected);
    std::printf("one write of the settings and 256 addresses: profile functions %.1f ms, whole file %.1f ms\n",
                before, after);
    EXPECT_LT(after, 200.0);
    ::DeleteFileA(path.c_str());
}

// The writer of the test below, run in a child process: writes the file
// again and again, each time whole, until it is killed.
TEST(IniFileWin32, DISABLED_KilledWriter)
{
    const char* path = std::getenv("QUENVO_KILL_FILE");
    ASSERT_NE(path, nullptr);
    std::string old;
    ASSERT_TRUE(ReadWholeFile(path, old));
    const std::string versions[2] = { ProgramFile(old, 256, "a.example"), ProgramFile(old, 256, "b.example") };
    HANDLE ready = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, "QuenvoKillTestReady");
    ASSERT_NE(ready, nullptr);
    ::SetEvent(ready);
    for (int i = 0;; ++i)
        ReplaceFileContent(path, versions[i % 2]);
}

// A writer killed at random moments while it writes leaves the file whole:
// the old content or one of the new ones, never a mixture.
TEST(IniFileWin32, AKilledWriterLeavesTheOldOrTheNewFile)
{
    const int kills = std::getenv("QUENVO_KILL_COUNT") ? std::atoi(std::getenv("QUENVO_KILL_COUNT")) : 40;
    const std::string path = TestFile("kill.ini");
    const std::string old = ProgramFile(kOddFile, 3, "old.example");
    const std::string wholes[3] = { old, ProgramFile(old, 256, "a.example"), ProgramFile(old, 256, "b.example") };
    ASSERT_TRUE(WriteWholeFile(path, old));
    ::SetEnvironmentVariableA("QUENVO_KILL_FILE", path.c_str());
    char exe[MAX_PATH];
    ::GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string command = std::string("\"") + exe +
                          "\" --gtest_also_run_disabled_tests --gtest_filter=IniFileWin32.DISABLED_KilledWriter";
    HANDLE ready = ::CreateEventA(nullptr, FALSE, FALSE, "QuenvoKillTestReady");
    // The writer's report goes nowhere.
    SECURITY_ATTRIBUTES inherit = { sizeof inherit, nullptr, TRUE };
    HANDLE nul = ::CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    char temp[MAX_PATH] = "";
    ::GetTempPathA(sizeof temp, temp);
    std::mt19937 random(12345);
    int replaced = 0, interrupted = 0;
    for (int i = 0; i < kills; ++i) {
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdOutput = si.hStdError = nul;
        PROCESS_INFORMATION pi = {};
        ASSERT_TRUE(::CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) << i;
        const DWORD began = ::WaitForSingleObject(ready, 60000);
        if (began == WAIT_OBJECT_0)
            ::Sleep(random() % 40);
        ::TerminateProcess(pi.hProcess, 9);
        ::WaitForSingleObject(pi.hProcess, INFINITE);
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
        ASSERT_EQ(began, WAIT_OBJECT_0) << "writer " << i << " never began";
        // A killed test program leaves its start directory behind, empty.
        ::RemoveDirectoryA((temp + std::string("quenvo-tests-") + std::to_string(pi.dwProcessId)).c_str());
        // The temporary file is there from the start of a write to its end;
        // a killed writer's own is left behind.
        interrupted += ::DeleteFileA(TemporaryFilePath(path, pi.dwProcessId).c_str()) != FALSE;
        std::string text;
        ASSERT_TRUE(ReadWholeFile(path, text)) << "after kill " << i << ", errno " << errno;
        ASSERT_TRUE(text == wholes[0] || text == wholes[1] || text == wholes[2]) << "after kill " << i;
        replaced += text != wholes[0];
    }
    std::printf("%d kills, %d of them in the middle of a write: the file whole every time, %d times replaced\n",
                kills, interrupted, replaced);
    EXPECT_GT(replaced, 0);
    EXPECT_GT(interrupted, 0);
    ::CloseHandle(ready);
    ::CloseHandle(nul);
    ::SetEnvironmentVariableA("QUENVO_KILL_FILE", nullptr);
    ::DeleteFileA(path.c_str());
}
