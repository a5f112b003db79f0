#include "scene_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace quillmere {
namespace {

using testing_support::completeSettings;
using testing_support::fishKeys;

struct RunResult {
    int exitCode = -1;
    std::vector<std::string> lines;
    std::vector<std::string> errorLines;
};

std::vector<std::string> readLines(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class TraceTool : public testing_support::SettingsFolder {
protected:
    RunResult run(const std::string& arguments) const {
        const std::filesystem::path out = m_folder.string() + ".out";
        const std::filesystem::path err = m_folder.string() + ".err";
        const std::string command = std::string("'") + QUILLMERE_TRACE_PATH + "' " + arguments + " >'" +
                                    out.string() + "' 2>'" + err.string() + "'";
        const int status = std::system(command.c_str());
        RunResult result;
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.lines = readLines(out);
        result.errorLines = readLines(err);
        std::filesystem::remove(out);
        std::filesystem::remove(err);
        return result;
    }
    std::string dirArgument() const { return "--dir '" + m_folder.string() + "'"; }
};

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST_F(TraceTool, BadArgumentsExitWithTwoAndOneLine) {
    for (const std::string& arguments :
         {std::string(), std::string("--frames 3"), dirArgument(), dirArgument() + " --frames",
          dirArgument() + " --frames -1", dirArgument() + " --frames 3x", dirArgument() + " --frames 3 --x 1",
          dirArgument() + " --frames 3 --frames 4", std::string("--dir --frames 3")}) {
        const RunResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments;
        EXPECT_TRUE(result.lines.empty()) << arguments;
        EXPECT_EQ(result.errorLines.size(), 1u) << arguments;
    }
}

TEST_F(TraceTool, UnusableFolderExitsWithTwo) {
    const RunResult missing = run("--dir '" + (m_folder / "absent").string() + "' --frames 1");
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.errorLines.size(), 1u);
    std::filesystem::create_directories(m_folder / "QuillmereSet.ini");
    const RunResult notAFile = run(dirArgument() + " --frames 1");
    EXPECT_EQ(notAFile.exitCode, 2);
    EXPECT_EQ(notAFile.errorLines.size(), 1u);
}

TEST_F(TraceTool, PrintsTheSetUpAndOneLinePerFrame) {
    writeSettings(completeSettings(fishKeys({2, 0, 3})));
    const RunResult result = run(dirArgument() + " --frames 3");
    ASSERT_EQ(result.exitCode, 0);
    ASSERT_EQ(result.lines.size(), 4u);
    const std::string& setup = result.lines[0];
    EXPECT_EQ(
        setup.rfind("{\"setup\": {\"counts\": [2,0,3,0,0,0,0,0,0,0,0,0,0,0,0], \"bubbleOrigin\": [-5,-25.40",
                    0),
        0u)
        << setup;
    EXPECT_NE(setup.find("\"terrain\": {\"0,0\": [-90,2,-50], \"85,10\": [-5,-1.595"), std::string::npos);
    EXPECT_NE(setup.find("\"179,48\": [89,"), std::string::npos);
    EXPECT_NE(setup.find("\"fish\": [["), std::string::npos);
    EXPECT_NE(setup.find("\"bubbles\": [["), std::string::npos);
    EXPECT_NE(setup.find("\"pellets\": [["), std::string::npos);
    EXPECT_NE(setup.find("\"seed\": "), std::string::npos);
    EXPECT_EQ(setup.substr(setup.size() - 2), "}}");
    // 3 terrain vertices + origin + 50 fish + 10 bubbles + 10 pellets, plus the enclosing lists.
    EXPECT_EQ(count(setup, "["), 1 + 1 + 3 + 1 + 50 + 1 + 10 + 1 + 10);

    for (int k = 1; k <= 3; ++k) {
        const std::string& line = result.lines[k];
        EXPECT_EQ(line.rfind("{\"frame\": " + std::to_string(k) + ", \"seed\": ", 0), 0u) << line;
        EXPECT_NE(line.find(", \"eye\": ["), std::string::npos);
        EXPECT_EQ(count(line, "["), 1 + 1 + 50 + 1 + 10 + 1 + 5);
        EXPECT_EQ(line.back(), '}');
    }
    EXPECT_NE(result.lines[1].find("\"eye\": [0.0299999993,-5.03000021]"), std::string::npos);
}

TEST_F(TraceTool, SameFolderSameTrace) {
    writeSettings(completeSettings(fishKeys({5, 5, 5})));
    const RunResult first = run(dirArgument() + " --frames 20");
    const RunResult second = run(dirArgument() + " --frames 20");
    ASSERT_EQ(first.exitCode, 0);
    EXPECT_EQ(first.lines, second.lines);
}

TEST_F(TraceTool, RepairsMissingKeysLikeTheStartUp) {
    writeSettings("[Fish Number]\nFish0=1\n");
    const RunResult result = run(dirArgument() + " --frames 0");
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.lines.size(), 1u);
    std::ifstream in(m_folder / "QuillmereSet.ini");
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("QIPAONUM=100"), std::string::npos);
    EXPECT_NE(text.str().find("Fish14="), std::string::npos);
}

} // namespace
} // namespace quillmere
