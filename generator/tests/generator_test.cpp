#include "generator.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kN = "Unesi n: ";
const std::string kKol = "Unesite koliko puta zelite da vam se izvrsi algoritam: ";
const std::string kBadN = "Neispravan unos: ocekuje se ceo broj od 0 do 20001.\n";
const std::string kBadKol = "Neispravan unos: ocekuje se ceo broj veci od 0.\n";

std::FILE* file_with(const std::string& text) {
    std::FILE* f = std::tmpfile();
    std::fputs(text.c_str(), f);
    std::rewind(f);
    return f;
}

std::string read_all(std::FILE* f) {
    std::rewind(f);
    std::string s;
    for (int c; (c = std::getc(f)) != EOF;) s += static_cast<char>(c);
    return s;
}

std::string read_file(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream s(text);
    for (std::string l; std::getline(s, l);) lines.push_back(l);
    return lines;
}

// Every line after the header must be "x y" with both in 0..299.
void expect_points(const std::string& text, int n, int kol) {
    const auto lines = lines_of(text);
    ASSERT_EQ(lines.size(), static_cast<size_t>(n) + 1);
    EXPECT_EQ(lines[0], std::to_string(n) + " " + std::to_string(kol));
    for (size_t i = 1; i < lines.size(); ++i) {
        int x = -1, y = -1;
        char extra;
        ASSERT_EQ(std::sscanf(lines[i].c_str(), "%d %d%c", &x, &y, &extra), 2) << lines[i];
        EXPECT_TRUE(x >= 0 && x < 300 && y >= 0 && y < 300) << lines[i];
    }
}

TEST(ReadInt, AcceptsSignedIntsAcrossWhitespaceAndLines) {
    std::FILE* in = file_with("  7\n\n-12 +3\t2147483647 -2147483648\n");
    for (int want : {7, -12, 3, INT_MAX, INT_MIN}) {
        const gen::Answer a = gen::read_int(in);
        EXPECT_EQ(a.status, gen::ReadStatus::ok);
        EXPECT_EQ(a.value, want);
    }
    EXPECT_EQ(gen::read_int(in).status, gen::ReadStatus::end);
    std::fclose(in);
}

TEST(ReadInt, RejectsBadTokensAndSkipsRestOfLine) {
    for (const char* bad : {"2147483648", "-2147483649", "99999999999999999999999",
                            "12abc 9", "-", "+ 9", "x1", "--1", "1.5"}) {
        std::FILE* in = file_with(std::string(bad) + "\n5");
        EXPECT_EQ(gen::read_int(in).status, gen::ReadStatus::invalid) << bad;
        const gen::Answer next = gen::read_int(in);
        EXPECT_EQ(next.status, gen::ReadStatus::ok) << bad;
        EXPECT_EQ(next.value, 5) << bad;
        std::fclose(in);
    }
    std::FILE* in = file_with("abc");
    EXPECT_EQ(gen::read_int(in).status, gen::ReadStatus::invalid);
    EXPECT_EQ(gen::read_int(in).status, gen::ReadStatus::end);
    std::fclose(in);
}

class Generator : public ::testing::Test {
protected:
    void SetUp() override {
        std::string t = (fs::temp_directory_path() / "gen-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(t.data()), nullptr);
        dir = t;
        target = dir / "generator.test";
        tmp = dir / "generator.test.tmp";
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    struct Result {
        int status;
        std::string out;
    };
    Result run(const std::string& input, unsigned seed = 42) {
        return run_at(target, input, seed);
    }
    Result run_at(const fs::path& path, const std::string& input, unsigned seed = 42) {
        std::FILE* in = file_with(input);
        std::FILE* out = std::tmpfile();
        const int status =
            gen::run_generator(in, out, path.string(), [seed] { return seed; });
        Result r{status, read_all(out)};
        std::fclose(in);
        std::fclose(out);
        return r;
    }
    std::string end_of_input() const {
        return "\nKraj ulaza: " + target.string() + " nije napravljen.\n";
    }
    void write_old_file() { std::ofstream(target) << "old\n"; }

    fs::path dir, target, tmp;
};

TEST_F(Generator, WritesHeaderAndPoints) {
    Result r = run("0\n7\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, kN + kKol);
    EXPECT_EQ(read_file(target), "0 7\n");
    EXPECT_FALSE(fs::exists(tmp));

    r = run("3\n5\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, kN + kKol);
    expect_points(read_file(target), 3, 5);

    // Both answers on one line, and the largest n the hull programs take.
    EXPECT_EQ(run("20001 1\n").status, 0);
    expect_points(read_file(target), 20001, 1);
}

TEST_F(Generator, SameSeedGivesSameFileWithXFromSecondDraw) {
    ASSERT_EQ(run("50\n2\n", 7).status, 0);
    const std::string first = read_file(target);
    ASSERT_EQ(run("50\n2\n", 7).status, 0);
    EXPECT_EQ(read_file(target), first);
    ASSERT_EQ(run("50\n2\n", 8).status, 0);
    EXPECT_NE(read_file(target), first);

    std::srand(7);
    const int a = std::rand() % 300;
    const int b = std::rand() % 300;
    EXPECT_EQ(lines_of(first)[1], std::to_string(b) + " " + std::to_string(a));
}

TEST_F(Generator, BadAnswersAreReportedAndAskedAgain) {
    const std::string again_n = kN + kBadN + kN + kKol;
    for (const char* in : {"abc\n0\n1\n", "-1\n0\n1\n", "20002\n0\n1\n",
                           "2147483648\n0\n1\n", "7x 8\n0\n1\n"}) {
        const Result r = run(in);
        EXPECT_EQ(r.status, 0) << in;
        EXPECT_EQ(r.out, again_n) << in;
        EXPECT_EQ(read_file(target), "0 1\n") << in;
    }
    const Result r = run("0\n0\n-3\nx\n4\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, kN + kKol + kBadKol + kKol + kBadKol + kKol + kBadKol + kKol);
    EXPECT_EQ(read_file(target), "0 4\n");
}

TEST_F(Generator, EndOfInputLeavesNoFile) {
    Result r = run("");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, kN + end_of_input());
    r = run("bad\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, kN + kBadN + kN + end_of_input());
    r = run("4\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, kN + kKol + end_of_input());
    EXPECT_FALSE(fs::exists(target));
    EXPECT_FALSE(fs::exists(tmp));
}

TEST_F(Generator, EndOfInputBeforeKolKeepsEarlierFile) {
    write_old_file();
    const Result r = run("4\n0\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, kN + kKol + kBadKol + kKol + end_of_input());
    EXPECT_EQ(read_file(target), "old\n");
    EXPECT_FALSE(fs::exists(tmp));
}

TEST_F(Generator, UncreatableFileIsReportedBeforeKol) {
    fs::create_directory(target);
    Result r = run("3\n5\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, kN + "Neuspleo kreiranje file-a " + target.string() + "!\n");
    EXPECT_FALSE(fs::exists(tmp));

    const fs::path missing = dir / "nema" / "generator.test";
    r = run_at(missing, "3\n5\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, kN + "Neuspleo kreiranje file-a " + missing.string() + "!\n");
}

TEST_F(Generator, FailedWriteRemovesPartialFileAndKeepsEarlier) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    // n = 0 fails only when fclose flushes; n = 20001 fails mid-way.
    for (const char* in : {"0\n1\n", "20001\n1\n"}) {
        write_old_file();
        fs::create_symlink("/dev/full", tmp);
        const Result r = run(in);
        EXPECT_EQ(r.status, 1) << in;
        EXPECT_EQ(r.out, kN + kKol + "Neuspleo upis u file " + target.string() + "!\n");
        EXPECT_EQ(read_file(target), "old\n");
        EXPECT_FALSE(fs::exists(fs::symlink_status(tmp))) << in;
    }
}

// Runs the real program in `work` with `input` piped to its stdin.
class Program : public Generator {
protected:
    void SetUp() override {
        Generator::SetUp();
        work = dir / "w";
        fs::create_directory(work);
        target = work / "generator.test";
    }
    Result exec(const std::string& input) {
        std::ofstream(dir / "in.txt", std::ios::binary) << input;
        const std::string cmd = "cd '" + work.string() + "' && cat ../in.txt | '" +
                                GENERATOR_BIN + "' > ../out.txt";
        const int st = std::system(cmd.c_str());
        EXPECT_TRUE(WIFEXITED(st));
        return {WEXITSTATUS(st), read_file(dir / "out.txt")};
    }
    fs::path work;
};

TEST_F(Program, WritesGeneratorTestInCurrentDirectory) {
    const Result r = exec("3\n5\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, kN + kKol);
    expect_points(read_file(target), 3, 5);
}

TEST_F(Program, ReportsUncreatableFileOnStdout) {
    fs::create_directory(target);
    const Result r = exec("3\n5\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Unesi n: Neuspleo kreiranje file-a generator.test!\n");
}

}  // namespace
