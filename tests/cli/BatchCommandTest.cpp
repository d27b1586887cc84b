// SPDX-License-Identifier: GPL-3.0-or-later
// taxilo-cli batch on the bundled script set: a folder of good, damaged and wrong-year
// declarations gives, for every good one, the document `replay ... xml` prints; the bad ones
// land in the summary with their errors; any number of workers gives the same files; an
// interrupted batch leaves only complete files behind.
#include "ScriptSetCases.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <map>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace taxilo::test {
namespace {

namespace fs = std::filesystem;

void SaveAs(const std::string& path, const Answers& answers)
{
    TParser parser;
    for (const auto& [name, value] : answers)
        parser.SetVar(W(name), Value::MakeText(W(value)));
    parser.SaveVariables(path, 14, "");
}

// Single employee, 50 000 zł, 1% for an organisation: tax due 3 624, overpaid 2 376, 1% 36,20
// (worked out in ReplayCasesTest).
Answers Employee()
{
    return With(BaseAnswers(),
                {{"ROK", "2016"},
                 {"PIT37_6_1", "1"},
                 {"PIT37_37", "50000"},
                 {"KOSZTY_PRACA_P", "1335"},
                 {"PIT37_41", "6000"},
                 {"SKL_SPOL_P", "6855"},
                 {"SKL_ZDR_P", "3345,5"},
                 {"OPP_TAK", "1"},
                 {"OPP_WYBOR", "Fundacja Wielka Orkiestra Świątecznej Pomocy KRS:0000030897"},
                 {"PIT37_140", "1"}});
}

// Single parent of three children: tax due 0, overpaid 2 000, PIT/O attached.
Answers Parent()
{
    return With(BaseAnswers(),
                {{"ROK", "2016"},
                 {"PIT36_11", "Łęcka; \"Żaneta\""},
                 {"PIT37_6_1", "0"},
                 {"PIT37_6_4", "1"},
                 {"DZ_LICZBA", "3"},
                 {"PIT37_37", "30000"},
                 {"KOSZTY_PRACA_P", "1335"},
                 {"PIT37_41", "2000"},
                 {"SKL_SPOL_P", "4113"},
                 {"SKL_ZDR_P", "2006,24"},
                 {"DZ1_PESEL", "10210112343"},
                 {"DZ1_CALY", "1"},
                 {"DZ2_PESEL", "12220112348"},
                 {"DZ2_CALY", "1"},
                 {"DZ3_IMIE", "Ola"},
                 {"DZ3_NAZWISKO", "Kowalska"},
                 {"DZ3_DATA", "01-06-2016"},
                 {"DZ3_CALY", "1"}});
}

// Too little advance paid: 90 000 zł with 5 000 zł of advances leaves something to pay.
Answers Underpaid()
{
    return With(BaseAnswers(),
                {{"ROK", "2016"},
                 {"PIT37_6_1", "1"},
                 {"PIT37_37", "90000"},
                 {"KOSZTY_PRACA_P", "1335"},
                 {"PIT37_41", "5000"},
                 {"SKL_SPOL_P", "12339"},
                 {"SKL_ZDR_P", "6018,73"}});
}

// The folder of the acceptance case: three good declarations and five that cannot be used.
void FillFolder(const std::string& dir)
{
    SaveAs(dir + "employee.dpit", Employee());
    SaveAs(dir + "parent.dpit", Parent());
    SaveAs(dir + "underpaid.DPIT", Underpaid());
    auto lastYear = Employee();
    for (auto& [name, value] : lastYear)
        if (name == "ROK")
            value = "2015";
    SaveAs(dir + "year2015.dpit", lastYear);
    SaveAs(dir + "noyear.dpit", BaseAnswers());
    WriteBytes(dir + "picture.dpit", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    WriteBytes(dir + "cut.dpit", "\r\nzz\r\n");
    WriteBytes(dir + "empty.dpit", "");
    WriteBytes(dir + "notes.txt", "not a declaration\r\n");
}

// Files of a folder, name -> bytes.
std::map<std::string, std::string> Contents(const std::string& dir)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(dir))
        files[entry.path().filename().string()] = ReadBytes(entry.path().string());
    return files;
}

// The summary's rows, split at ";" (no field of these cases needs quotes but the name).
std::vector<std::vector<std::string>> Rows(const std::string& csv)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(csv);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::vector<std::string> fields;
        std::string field;
        bool quoted = false;
        for (size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"')
                field += line[++i];
            else if (c == '"')
                quoted = !quoted;
            else if (c == ';' && !quoted)
                fields.push_back(std::exchange(field, {}));
            else
                field += c;
        }
        fields.push_back(field);
        rows.push_back(fields);
    }
    return rows;
}

// The standalone file of a document as `replay ... xml` prints it: the XML declaration in
// place of the database's envelope.
std::string Standalone(std::string replayed)
{
    const std::string open = "<data>\r\n", close = "</data>\r\n";
    EXPECT_EQ(replayed.rfind(open, 0), 0u);
    EXPECT_EQ(replayed.size() >= close.size() ? replayed.substr(replayed.size() - close.size()) : "", close);
    replayed = replayed.substr(open.size(), replayed.size() - open.size() - close.size());
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n" + replayed;
}

std::string Batch(const std::string& source, const std::string& out, const std::string& more, int& status)
{
    const auto r = Cli(ProgramBase() + "batch " + ShellQuote(source) + " --out " + ShellQuote(out) + " " + more);
    status = r.status;
    return r.out;
}

TEST(BatchCommand, FolderOfGoodDamagedAndWrongYearDeclarations)
{
    TempDir dir;
    const std::string in = dir.File("in/");
    fs::create_directories(in);
    FillFolder(in);
    int status1 = -1, status4 = -1;
    Batch(in, dir.File("out1"), "--xml --jobs 1 --summary " + ShellQuote(dir.File("s1.csv")), status1);
    Batch(in, dir.File("out4"), "--xml --jobs 4 --summary " + ShellQuote(dir.File("s4.csv")), status4);
    EXPECT_EQ(status1, 1); // some failed
    EXPECT_EQ(status4, 1);

    // Only the good ones have files, each exactly the document the replay prints.
    const auto out1 = Contents(dir.File("out1"));
    std::vector<std::string> names;
    for (const auto& [name, bytes] : out1)
        names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"employee.PIT-37.xml", "parent.PIT-37.xml", "underpaid.PIT-37.xml"}));
    for (const std::string stem : {"employee", "parent"}) {
        const auto replayed = Cli(ProgramBase() + "replay " + ShellQuote(in + stem + ".dpit") + " xml PIT-37");
        ASSERT_EQ(replayed.status, 0);
        EXPECT_EQ(out1.at(stem + ".PIT-37.xml"), Standalone(replayed.out)) << stem;
    }
    const auto replayed = Cli(ProgramBase() + "replay " + ShellQuote(in + "underpaid.DPIT") + " xml PIT-37");
    EXPECT_EQ(out1.at("underpaid.PIT-37.xml"), Standalone(replayed.out));
    EXPECT_NE(out1.at("parent.PIT-37.xml").find("<zo3x:Zalacznik_PIT_O"), std::string::npos);

    // One worker or four: the same files, byte for byte, and the same summary.
    EXPECT_EQ(Contents(dir.File("out4")), out1);
    const std::string csv = ReadBytes(dir.File("s1.csv"));
    EXPECT_EQ(ReadBytes(dir.File("s4.csv")), csv);

    ASSERT_EQ(csv.rfind("\xEF\xBB\xBF", 0), 0u) << "UTF-8 with a byte-order mark for spreadsheets";
    const auto rows = Rows(csv.substr(3));
    ASSERT_EQ(rows.size(), 9u) << csv; // header + eight .dpit files, notes.txt left out
    EXPECT_EQ(rows[0],
              (std::vector<std::string>{"plik", "formularze", "identyfikator", "nazwisko i imię", "podatek należny",
                                        "do zapłaty", "nadpłata", "kwota 1%", "status"}));
    std::map<std::string, std::vector<std::string>> byFile;
    for (size_t i = 1; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), 9u) << csv;
        byFile[rows[i][0]] = rows[i];
    }
    // In name order, as the folder lists them.
    EXPECT_EQ(rows[1][0], "cut.dpit");
    EXPECT_EQ(rows[8][0], "year2015.dpit");
    EXPECT_EQ(byFile["employee.dpit"],
              (std::vector<std::string>{"employee.dpit", "PIT-37", "80030512340", "Kowalski Jan", "3624,00", "0,00",
                                        "2376,00", "36,20", "OK"}));
    EXPECT_EQ(byFile["parent.dpit"],
              (std::vector<std::string>{"parent.dpit", "PIT-37, PIT/O", "80030512340", "Łęcka; \"Żaneta\" Jan", "0,00",
                                        "0,00", "2000,00", "0,00", "OK"}));
    // 90 000 - 1 335 = 88 665 - 12 339 = 76 326 -> 76 326 x 18% - 556,02 = 13 182,66; less health
    // 6 018,73 = 7 163,93 -> 7 164; advances 5 000 -> to pay 2 164.
    EXPECT_EQ(byFile["underpaid.DPIT"],
              (std::vector<std::string>{"underpaid.DPIT", "PIT-37", "80030512340", "Kowalski Jan", "7164,00", "2164,00",
                                        "0,00", "0,00", "OK"}));

    const auto status = [&byFile](const std::string& file) { return byFile[file].back(); };
    EXPECT_NE(status("year2015.dpit").find("rok 2015"), std::string::npos) << status("year2015.dpit");
    EXPECT_NE(status("noyear.dpit").find("ROK"), std::string::npos) << status("noyear.dpit");
    EXPECT_NE(status("picture.dpit").find("pierwszy wiersz"), std::string::npos) << status("picture.dpit");
    for (const std::string bad : {"cut.dpit", "empty.dpit"}) {
        EXPECT_NE(status(bad), "OK") << bad;
        EXPECT_FALSE(status(bad).empty()) << bad;
        EXPECT_EQ(byFile[bad][1], "") << "no forms for a file that could not be read";
    }
}

// A list names its files relative to itself; a missing file and a second file of the same
// name are reported, the rest are written.
TEST(BatchCommand, ListOfDeclarations)
{
    TempDir dir;
    fs::create_directories(dir.File("a"));
    fs::create_directories(dir.File("b"));
    SaveAs(dir.File("a/kowalski.dpit"), Employee());
    SaveAs(dir.File("b/kowalski.dpit"), Parent());
    WriteBytes(dir.File("lista.lst"), "# biuro, kwiecień\r\na/kowalski.dpit\r\n\r\nb/kowalski.dpit\r\nbrak.dpit\r\n");
    int status = -1;
    Batch(dir.File("lista.lst"), dir.File("out"), "--summary " + ShellQuote(dir.File("s.csv")), status);
    EXPECT_EQ(status, 1);
    const auto rows = Rows(ReadBytes(dir.File("s.csv")).substr(3));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1][0], "a/kowalski.dpit");
    EXPECT_EQ(rows[1].back(), "OK");
    EXPECT_EQ(rows[2][0], "b/kowalski.dpit");
    EXPECT_NE(rows[2].back().find("a/kowalski.dpit"), std::string::npos) << rows[2].back();
    EXPECT_EQ(rows[3][0], "brak.dpit");
    EXPECT_NE(rows[3].back().find("brak.dpit"), std::string::npos) << rows[3].back();
    const auto out = Contents(dir.File("out"));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out.begin()->first, "kowalski.PIT-37.xml");
    EXPECT_NE(out.begin()->second.find("<P_129>2376</P_129>"), std::string::npos) << "the first of the two";

    // One declaration named directly.
    Batch(dir.File("b/kowalski.dpit"), dir.File("one"), "", status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(ReadBytes(dir.File("one/kowalski.PIT-37.xml")).find("<P_129>2000</P_129>"), std::string::npos);

    // Usage errors stop before anything is read.
    EXPECT_EQ(Cli(ProgramBase() + "batch " + ShellQuote(dir.File("lista.lst"))).status, 1);
    EXPECT_EQ(Cli(ProgramBase() + "batch " + ShellQuote(dir.File("lista.lst")) + " --out x --jobs 0").status, 1);
    EXPECT_EQ(Cli(ProgramBase() + "batch " + ShellQuote(dir.File("nie-ma.lst")) + " --out " + ShellQuote(dir.File("o"))).status,
              1);
}

// PDFs of every kept preview tab, the same with one worker and with four.
TEST(BatchCommand, PrintedFormsWithAnyNumberOfWorkers)
{
    TempDir dir;
    fs::create_directories(dir.File("in"));
    SaveAs(dir.File("in/parent.dpit"), Parent());
    SaveAs(dir.File("in/employee.dpit"), Employee());
    int status1 = -1, status4 = -1;
    Batch(dir.File("in"), dir.File("out1"), "--pdf --jobs 1", status1);
    Batch(dir.File("in"), dir.File("out4"), "--pdf --xml --jobs 4", status4);
    EXPECT_EQ(status1, 0);
    EXPECT_EQ(status4, 0);
    auto out1 = Contents(dir.File("out1"));
    auto out4 = Contents(dir.File("out4"));
    std::vector<std::string> names;
    for (const auto& [name, bytes] : out1)
        names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"employee.PIT-37.pdf", "parent.PIT-37.pdf", "parent.PIT-O.pdf"}));
    EXPECT_EQ(out4.size(), 5u); // and the two documents
    for (const auto& [name, bytes] : out1)
        EXPECT_EQ(out4[name], bytes) << name;

    // The printed form is the one the replay prints.
    int s = 0;
    const std::string batchText = RunCommand("pdftotext -layout " + ShellQuote(dir.File("out1/parent.PIT-O.pdf")) + " -",
                                             s);
    const Pdf replayed = ReplayPdf(dir, dir.File("in/parent.dpit"), "PITO");
    ASSERT_EQ(replayed.status, 0);
    EXPECT_EQ(batchText, replayed.text);
    EXPECT_NE(batchText.find("ŁĘCKA"), std::string::npos) << batchText;
}

// Ctrl+C in the middle: the declarations being written are finished, the others are not
// started, no temporary or half-written file stays, and the summary says what was not done.
TEST(BatchCommand, InterruptedBatchLeavesOnlyCompleteFiles)
{
    TempDir dir;
    fs::create_directories(dir.File("in"));
    SaveAs(dir.File("in/d0000.dpit"), Employee());
    const std::string one = ReadBytes(dir.File("in/d0000.dpit"));
    constexpr int kCount = 400;
    for (int i = 1; i < kCount; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "in/d%04d.dpit", i);
        WriteBytes(dir.File(name), one);
    }
    const std::string out = dir.File("out");
    const std::string summary = dir.File("s.csv");
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        ::execl(TAXILO_CLI, TAXILO_CLI, "--base", TAXILO_PROGRAM_DIR, "batch", dir.File("in").c_str(), "--out",
                out.c_str(), "--jobs", "2", "--summary", summary.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    // Interrupt once the first files are there.
    int raw = 0;
    bool ended = false;
    for (;;) {
        std::error_code ec;
        if (fs::is_directory(out, ec) && std::distance(fs::directory_iterator(out), fs::directory_iterator()) >= 3)
            break;
        if (::waitpid(pid, &raw, WNOHANG) == pid) {
            ended = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_FALSE(ended) << "the batch ended before it could be interrupted";
    ::kill(pid, SIGINT);
    ASSERT_EQ(::waitpid(pid, &raw, 0), pid);
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 130);

    const auto expected = Cli(ProgramBase() + "replay " + ShellQuote(dir.File("in/d0000.dpit")) + " xml PIT-37");
    const std::string document = Standalone(expected.out);
    const auto files = Contents(out);
    EXPECT_GE(files.size(), 3u);
    EXPECT_LT(files.size(), static_cast<size_t>(kCount));
    for (const auto& [name, bytes] : files) {
        EXPECT_TRUE(name.ends_with(".PIT-37.xml")) << "a stray file: " << name;
        EXPECT_EQ(bytes, document) << name;
    }
    const auto rows = Rows(ReadBytes(summary).substr(3));
    ASSERT_EQ(rows.size(), static_cast<size_t>(kCount + 1));
    size_t ok = 0, notReached = 0;
    for (size_t i = 1; i < rows.size(); ++i) {
        ok += rows[i].back() == "OK";
        notReached += rows[i].back().find("Przerwano") != std::string::npos;
    }
    EXPECT_EQ(ok, files.size());
    EXPECT_EQ(ok + notReached, static_cast<size_t>(kCount));
}

} // namespace
} // namespace taxilo::test
