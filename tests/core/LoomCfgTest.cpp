// loomcfg as a user runs it: output, exit statuses, safe writing.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "LoomCfg.h"
#include "core/TestSupport.h"

namespace netloom {
namespace {

class LoomCfgTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/loomcfg-test-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + m_dir + "'").c_str()); }

    std::string Write(const std::string& name, const std::string& content) {
        const std::string path = m_dir + "/" + name;
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    int Run(std::vector<std::string> args) {
        m_out.str("");
        m_err.str("");
        return RunLoomCfg(args, m_out, m_err);
    }

    std::string m_dir;
    std::ostringstream m_out;
    std::ostringstream m_err;
};

TEST_F(LoomCfgTest, CheckPrintsMessagesInReadingOrderAcrossFiles) {
    const std::string good = Write("good.cfg", "DefineAdapter\nEndAdapter\n");
    const std::string bad = Write("bad.cfg", "DefineAdapter\nFoo 1\nUniVersion 9\nEndAdapter\n");
    EXPECT_EQ(Run({"check", good}), 0);
    EXPECT_EQ(m_out.str(), "");
    EXPECT_EQ(Run({"check", bad, good, m_dir + "/missing.cfg"}), 2);
    EXPECT_EQ(m_out.str(),
              bad + ":2: In \"Adapter\" definition: Illegal keyword \"Foo\" ignored.\n" + bad +
                  ":3: Illegal Value \"9\" for keyword \"UniVersion\" ignored.\n");
    EXPECT_EQ(m_err.str(), "loomcfg: " + m_dir + "/missing.cfg: No such file or directory\n");
    EXPECT_EQ(Run({"check", good, bad}), 1);
    EXPECT_EQ(Run({"check", m_dir}), 2);
    EXPECT_EQ(m_err.str(), "loomcfg: " + m_dir + ": Is a directory\n");
}

TEST_F(LoomCfgTest, LintPrintsMessagesThenFindingsWithExitStatuses) {
    const std::string clean = Write("clean.cfg", "DefineAdapter\nEndAdapter\n");
    const std::string warned = Write("warned.cfg",
                                     "DefineAdapter\nDefineVirtualAdapter LanEmulation\n"
                                     "EndVirtualAdapter\nDefinePvc\nVpi 3\nUserInstance 0\n"
                                     "EndPvc\nEndAdapter\n");
    const std::string both = Write("both.cfg", "DefineAdapter\nFoo\nMaxVpiBits 7\nEndAdapter\n");
    EXPECT_EQ(Run({"lint", clean}), 0);
    EXPECT_EQ(m_out.str(), "");
    EXPECT_EQ(Run({"lint", clean, warned}), 1);
    EXPECT_EQ(m_out.str(), warned +
                               ":5: warning: \"Pvc 0: Vpi/Vci 3/32 - Data Direct\": Vpi 3 "
                               "becomes 0, since MaxVpiBits is 0.\n");
    EXPECT_EQ(Run({"lint", both, m_dir + "/missing.cfg", clean}), 2);
    EXPECT_EQ(m_out.str(),
              both + ":2: In \"Adapter\" definition: Illegal keyword \"Foo\" ignored.\n" + both +
                  ":1: warning: \"Physical ATM Adapter 0\": MaxVciBits 10 is refused on the "
                  "\"Advanced\" page: Please enter an integer between 7 and 3.\n" +
                  both +
                  ":3: warning: \"Physical ATM Adapter 0\": MaxVpiBits 7 is refused on the "
                  "\"Advanced\" page: Please enter an integer between 0 and 5.\n");
    EXPECT_EQ(m_err.str(), "loomcfg: " + m_dir + "/missing.cfg: No such file or directory\n");
    EXPECT_EQ(Run({"check", both}), 1);  // check itself does not look further
    EXPECT_EQ(m_out.str(),
              both + ":2: In \"Adapter\" definition: Illegal keyword \"Foo\" ignored.\n");
}

// On every configuration file of the source tree, lint prints exactly what check prints, then
// only warnings, each with a line of the file.
TEST_F(LoomCfgTest, LintBeginsWithWhatCheckPrintsOnEveryTestFile) {
    const std::string root = NETLOOM_SOURCE_DIR;
    std::vector<std::string> files = {root + "/examples/ka-210x.cfg"};
    for (const char* dir : {"/fuzz/corpus/cfgfile", "/tests/reliability/data"}) {
        const std::string list = m_dir + "/list";
        std::system(("ls " + root + dir + "/*.cfg > " + list).c_str());
        std::istringstream names(Read(list));
        for (std::string name; std::getline(names, name);)
            files.push_back(name);
    }
    ASSERT_GT(files.size(), 10u);
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const int checkStatus = Run({"check", file});
        const std::string checked = m_out.str();
        const int lintStatus = Run({"lint", file});
        const std::string linted = m_out.str();
        ASSERT_EQ(linted.substr(0, checked.size()), checked);
        std::istringstream rest(linted.substr(checked.size()));
        const long lines = test::CountLines(Read(file));
        bool warned = false;
        for (std::string line; std::getline(rest, line);) {
            ASSERT_EQ(line.rfind(file + ":", 0), 0u) << line;
            const std::string after = line.substr(file.size() + 1);
            const long number = std::atol(after.c_str());
            EXPECT_GE(number, 1) << line;
            EXPECT_LE(number, lines) << line;
            EXPECT_NE(after.find(": warning: \""), std::string::npos) << line;
            warned = true;
        }
        EXPECT_EQ(lintStatus, checkStatus == 0 && !warned ? 0 : 1);
    }
}

TEST_F(LoomCfgTest, FormatWritesWhatSaveWrites) {
    const std::string in = Write(
        "in.cfg", "DefineAdapter\nDefineVirtualAdapter Rfc1483\nEndVirtualAdapter\nEndAdapter\n");
    EXPECT_EQ(Run({"format", in}), 0);
    const std::string text = m_out.str();
    EXPECT_EQ(text.rfind("; Physical ATM Adapter 0\r\nDefineAdapter\r\n", 0), 0u);
    EXPECT_NE(text.find("DefineVirtualAdapter MultiProtocolEncapsulation\r\n"), std::string::npos);

    const std::string out = m_dir + "/out.cfg";
    EXPECT_EQ(Run({"format", in, "-o", out}), 0);
    EXPECT_EQ(Read(out), text);
    EXPECT_EQ(m_out.str(), "");

    // Messages go to standard error; the output is still written.
    const std::string messy = Write("messy.cfg", "DefineAdapter\nFoo\nEndAdapter\n");
    EXPECT_EQ(Run({"format", messy}), 1);
    EXPECT_EQ(m_err.str(),
              messy + ":2: In \"Adapter\" definition: Illegal keyword \"Foo\" ignored.\n");
    EXPECT_NE(m_out.str().find("DefineAdapter"), std::string::npos);

    // A text of many megabytes is made in room of its own: formatting what was formatted keeps
    // every byte, and its numbering runs on across the whole file.
    const std::string example = test::SourceFile("examples/ka-210x.cfg");
    ASSERT_FALSE(example.empty());
    std::string many;
    size_t adapters = 0;
    for (; many.size() < (size_t{12} << 20); adapters += 2)  // the example has two
        many += example;
    EXPECT_EQ(Run({"format", Write("many.cfg", many), "-o", out}), 0);
    const std::string formatted = Read(out);
    EXPECT_EQ(Run({"format", out}), 0);
    EXPECT_TRUE(m_out.str() == formatted);  // no diff of megabytes on failure
    EXPECT_NE(formatted.find("; Physical ATM Adapter " + std::to_string(adapters - 1) + "\r\n"),
              std::string::npos);
}

TEST_F(LoomCfgTest, FormatOutputIsWrittenSafely) {
    const std::string in = Write("in.cfg", "DefineAdapter\nEndAdapter\n");
    // Keeps the old file's mode and writes through a symbolic link.
    const std::string target = Write("target.cfg", "old");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    const std::string link = m_dir + "/link.cfg";
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    EXPECT_EQ(Run({"format", in, "-o", link}), 0);
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_NE(Read(target).find("DefineAdapter"), std::string::npos);

    // A folder that cannot be written: the old file stays, the reason is given.
    if (::geteuid() != 0) {
        const std::string locked = m_dir + "/locked";
        ASSERT_EQ(::mkdir(locked.c_str(), 0755), 0);
        const std::string old = locked + "/old.cfg";
        std::ofstream(old) << "keep me";
        ASSERT_EQ(::chmod(locked.c_str(), 0555), 0);
        EXPECT_EQ(Run({"format", in, "-o", old}), 2);
        EXPECT_EQ(Read(old), "keep me");
        EXPECT_NE(m_err.str().find("Permission denied"), std::string::npos);
        ::chmod(locked.c_str(), 0755);
    }
    EXPECT_EQ(Run({"format", in, "-o", m_dir + "/no/such/dir/x.cfg"}), 2);
    EXPECT_NE(m_err.str().find("No such file or directory"), std::string::npos);
}

// loomcfg reads and writes only what Netloom does, refusing the rest with Netloom's words and
// leaving it as it was: a pipe or a device is neither opened nor replaced.
TEST_F(LoomCfgTest, RefusesWhatCannotBeAConfigurationFile) {
    const std::string in = Write("in.cfg", "DefineAdapter\nEndAdapter\n");
    const std::string fifo = m_dir + "/fifo.cfg";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const std::string fifoLink = m_dir + "/fifo-link.cfg";
    ASSERT_EQ(::symlink("fifo.cfg", fifoLink.c_str()), 0);
    // Sparse: one byte over the limit costs no disk.
    const std::string large = Write("large.cfg", "");
    ASSERT_EQ(::truncate(large.c_str(), 512 * 1024 * 1024 + 1), 0);
    const std::string notARegularFile = "It is not a regular file.";
    struct Case {
        std::vector<std::string> args;
        std::string path;
        std::string reason;
    };
    std::vector<Case> cases = {
        {{"check", fifo}, fifo, notARegularFile},
        {{"lint", fifoLink}, fifoLink, notARegularFile},
        {{"tree", "/dev/null"}, "/dev/null", notARegularFile},
        {{"format", m_dir}, m_dir, "Is a directory"},
        {{"check", large}, large, "The file is larger than 512 MB."},
        {{"format", in, "-o", fifoLink}, fifoLink, notARegularFile},
        {{"format", in, "-o", "/dev/null"}, "/dev/null", notARegularFile},
        {{"format", in, "-o", m_dir}, m_dir, "Is a directory"},
    };
    // Only root may write a file without a write bit; a save must not replace it by renaming.
    const std::string readOnly = Write("read-only.cfg", "keep me");
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
    if (::geteuid() != 0)
        cases.push_back({{"format", in, "-o", readOnly}, readOnly, "Permission denied"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args.back());
        EXPECT_EQ(Run(c.args), 2);
        EXPECT_EQ(m_out.str(), "");
        EXPECT_EQ(m_err.str(), "loomcfg: " + c.path + ": " + c.reason + "\n");
    }
    struct stat st {};
    ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    ASSERT_EQ(::lstat(fifoLink.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(Read(readOnly), "keep me");
}

// The file written is the one the links lead to, which may not exist yet; it keeps the old
// file's whole mode, and a new file gets the usual one under the umask.
TEST_F(LoomCfgTest, FormatOutputFollowsLinksAndKeepsTheMode) {
    const std::string in = Write("in.cfg", "DefineAdapter\nEndAdapter\n");
    ASSERT_EQ(Run({"format", in}), 0);
    const std::string text = m_out.str();
    ASSERT_EQ(::mkdir((m_dir + "/real").c_str(), 0755), 0);
    struct Case {
        std::string file;                // below m_dir
        mode_t before;                   // 0: no file yet
        mode_t after;                    // under the umask 027
        std::vector<std::string> links;  // each names the next, the last the file
    };
    const Case cases[] = {
        {"real/group.cfg", 02640, 02640, {}},
        {"real/sticky.cfg", 01604, 01604, {"sticky-link"}},
        {"real/chained.cfg", 0600, 0600, {"first", "second"}},
        {"real/created.cfg", 0, 0640, {"dangling", "real/../real/dangling-too"}},
    };
    const mode_t umask = ::umask(027);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string file = m_dir + "/" + c.file;
        if (c.before != 0) {
            Write(c.file, "old");
            ASSERT_EQ(::chmod(file.c_str(), c.before), 0);
        }
        std::string next = c.file;
        for (auto link = c.links.rbegin(); link != c.links.rend(); ++link) {
            // Relative to the folder the link is in.
            const std::string up = link->find('/') == std::string::npos ? "" : "../";
            ASSERT_EQ(::symlink((up + next).c_str(), (m_dir + "/" + *link).c_str()), 0);
            next = *link;
        }
        EXPECT_EQ(Run({"format", in, "-o", m_dir + "/" + next}), 0) << m_err.str();
        EXPECT_EQ(Read(file), text);
        struct stat st {};
        ASSERT_EQ(::stat(file.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.after);
        for (const std::string& link : c.links) {
            ASSERT_EQ(::lstat((m_dir + "/" + link).c_str(), &st), 0);
            EXPECT_TRUE(S_ISLNK(st.st_mode)) << link;
        }
    }
    ::umask(umask);
}

TEST_F(LoomCfgTest, TreeShowsTheNodesOfTheView) {
    const std::string in = Write("t.cfg",
                                 "DefineAdapter\nDefineTrafficProfile\nEndTrafficProfile\n"
                                 "DefineVirtualAdapter Rfc1483\nEndVirtualAdapter\n"
                                 "DefineVirtualAdapter ClassicalIp\nEndVirtualAdapter\n"
                                 "DefinePvc\nUserInstance 1\nEndPvc\nEndAdapter\n");
    EXPECT_EQ(Run({"tree", in}), 0);
    EXPECT_EQ(m_out.str(), in + "\n"
                                "  Physical ATM Adapter 0\n"
                                "    Traffic Profiles\n"
                                "      Tp0: UBR (Best Effort), PCR 353208 Cells\n"
                                "    Virtual Adapters\n"
                                "      Virtual Adapter 0 - Token-Ring MultiProtocolEncapsulation\n"
                                "        Permanent Virtual Connections\n"
                                "      Virtual Adapter 1 - ClassicalIp (As Token-Ring NIC)\n"
                                "        Permanent Virtual Connections\n"
                                "          Pvc 0: Vpi/Vci 0/32\n"
                                "        Traffic Profile Mappings\n");
    EXPECT_EQ(Run({"tree", "--hide-profiles", in}), 0);
    EXPECT_EQ(m_out.str().find("Traffic Profile"), std::string::npos);

    // A relative name is shown as an absolute, cleaned path.
    char cwd[4096];
    ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
    ASSERT_EQ(::chdir(m_dir.c_str()), 0);
    EXPECT_EQ(Run({"tree", "./sub/../t.cfg"}), 2);  // sub does not exist: the path does not resolve
    EXPECT_EQ(Run({"tree", "./t.cfg"}), 0);
    EXPECT_EQ(m_out.str().substr(0, in.size() + 1), in + "\n");
    ASSERT_EQ(::chdir(cwd), 0);
}

TEST_F(LoomCfgTest, UsageErrors) {
    EXPECT_EQ(Run({}), 2);
    EXPECT_NE(m_err.str().find("Usage: loomcfg"), std::string::npos);
    EXPECT_EQ(Run({"frobnicate", "x"}), 2);
    EXPECT_EQ(Run({"check"}), 2);
    EXPECT_EQ(Run({"lint"}), 2);
    EXPECT_EQ(Run({"format", "a", "b"}), 2);
    EXPECT_EQ(Run({"format", "a", "-o"}), 2);
    EXPECT_EQ(Run({"tree", "--bogus", "a"}), 2);
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_NE(m_out.str().find("Usage: loomcfg"), std::string::npos);
    EXPECT_NE(m_out.str().find("loomcfg lint FILE..."), std::string::npos);
    EXPECT_EQ(Run({"--version"}), 0);
    EXPECT_NE(m_out.str().find("loomcfg (Netloom) "), std::string::npos);
}

}  // namespace
}  // namespace netloom
