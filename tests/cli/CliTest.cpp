#include <gtest/gtest.h>

#include <sys/wait.h>
#include <array>
#include <cstdio>
#include <fstream>

#include "cli/CliOptions.h"
#include "cli/ConsoleText.h"
#include "tests/TempDir.h"

namespace cli {
namespace {

const std::string kTool = std::string(STANJOMER_BINARY_DIR) + "/bin/stanjomer-cli";
const std::string kSamples = std::string(STANJOMER_SOURCE_DIR) + "/samples/";

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// Runs the tool through the shell; standard error goes to a file of the test's folder.
Outcome runTool(const std::string& arguments, const test::TempDir& dir) {
    const std::string errFile = (dir.path() / "stderr.txt").string();
    const std::string command = "LC_ALL=C " + kTool + " " + arguments + " 2>'" + errFile + "'";
    Outcome outcome{};
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer{};
    size_t got = 0;
    while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        outcome.out.append(buffer.data(), got);
    outcome.status = WEXITSTATUS(pclose(pipe));
    std::ifstream err(errFile);
    outcome.err.assign(std::istreambuf_iterator<char>(err), {});
    return outcome;
}

TEST(ClipboardTextForConsole, WritesUtf8WithLineFeeds) {
    EXPECT_EQ(clipboardTextForConsole("A\tB\r\n\x8a\x81"), "A\tB\n\xc5\xa0\xc2\x81\n");
    EXPECT_EQ(clipboardTextForConsole("Caption\r\n"), "Caption\n");
    EXPECT_EQ(clipboardTextForConsole("A\rB"), "A\rB\n");
}

TEST(ParseCommandLine, AcceptsTheDocumentedOptionsOnly) {
    const auto parsed =
        parseCommandLine({"--page", "ranking", "--changed-only", "--first-12", "a", "b"});
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->page, workflow::Page::Redosled);
    EXPECT_TRUE(parsed.options->changedOnly);
    EXPECT_TRUE(parsed.options->firstTwelve);
    EXPECT_EQ(parsed.options->newFile, "b");
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"a"},
                                                {"a", "b", "c"},
                                                {"--page", "x", "a", "b"},
                                                {"--page"},
                                                {"--bogus", "a", "b"}}) {
        EXPECT_FALSE(parseCommandLine(bad).options);
    }
    EXPECT_TRUE(parseCommandLine({"--", "-a", "b"}).options);
}

TEST(StanjomerCli, PrintsTheChosenGridAndReportsByExitStatus) {
    test::TempDir dir;
    const std::string oldFile = "'" + kSamples + "staro-stanje.htm'";
    const std::string newFile = "'" + kSamples + "novo-stanje.htm'";
    const auto empty = dir.write("empty.htm", "<html></html>");

    Outcome changes = runTool(oldFile + " " + newFile, dir);
    EXPECT_EQ(changes.status, 0) << changes.err;
    EXPECT_TRUE(
        changes.out.starts_with("Akcionar\tStaro\tNovo\tRazlika\tAkcionar\tStaro\tNovo\tRazlika\n"
                                "INVESTICIONA GRUPA SAVA A.D.\t\t12.000\t12.000\tOBRADOVI\xc4\x86 "
                                "MILAN\t9.800\t\t-9.800\n"))
        << changes.out;

    Outcome ranking =
        runTool("--page ranking --changed-only --first-12 " + oldFile + " " + newFile, dir);
    EXPECT_EQ(ranking.status, 0);
    EXPECT_EQ(std::count(ranking.out.begin(), ranking.out.end(), '\n'), 13);

    Outcome same = runTool(newFile + " " + newFile, dir);
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "Akcionar\tStaro\tNovo\tRazlika\tAkcionar\tStaro\tNovo\tRazlika\n");
    EXPECT_NE(same.err.find("Nema razlika izmedju starog i novog stanja."), std::string::npos);

    Outcome noTable = runTool("'" + empty.string() + "' " + newFile, dir);
    EXPECT_EQ(noTable.status, 3);
    EXPECT_NE(noTable.err.find("Datoteka ne sadr\xc5\xbei tabelu akcionara: " + empty.string()),
              std::string::npos);
    EXPECT_FALSE(noTable.out.empty());

    Outcome missing = runTool("'' " + newFile, dir);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Nije izabrana datoteka."), std::string::npos);

    Outcome folder = runTool(oldFile + " '" + dir.path().string() + "'", dir);
    EXPECT_EQ(folder.status, 1);
    EXPECT_NE(folder.err.find("Datoteka ne postoji."), std::string::npos);
    EXPECT_NE(folder.err.find(dir.path().string()), std::string::npos);

    const auto workbook = dir.path() / "izvestaj.xls";
    Outcome saved = runTool(
        "--xls '" + (dir.path() / "izvestaj.txt").string() + "' " + oldFile + " " + newFile, dir);
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out, workbook.string() + "\n");
    EXPECT_TRUE(std::filesystem::exists(workbook));

    Outcome unwritable = runTool(
        "--xls '" + (dir.path() / "no" / "x.xls").string() + "' " + oldFile + " " + newFile, dir);
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("Can't create the export output file"), std::string::npos);
    EXPECT_TRUE(unwritable.out.empty());

    Outcome usage = runTool("--page sideways a b", dir);
    EXPECT_EQ(usage.status, 2);
    EXPECT_NE(usage.err.find("usage:"), std::string::npos);
}

}  // namespace
}  // namespace cli
