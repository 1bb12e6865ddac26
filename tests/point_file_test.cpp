#include "file_names.h"
#include "capacities.h"
#include "input_error.h"
#include "point_file.h"
#include "point_file_check.h"
#include "support/fuzz_inputs.h"
#include "support/scene_reset.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Parsed {
    PointFileHeader header;
    std::vector<Point> points;
};

Parsed parse(const std::string& text, std::int32_t capacity = kHullBrutePointCapacity) {
    reset_scene();
    ScratchDir dir;
    dir.write(kPointFileName, text);
    PointFile file((dir / kPointFileName).string());
    Parsed parsed{file.read_header(capacity), {}};
    parsed.points.resize(static_cast<std::size_t>(parsed.header.n));
    read_points(file, parsed.points.data(), parsed.header.n);
    return parsed;
}

// The message of the refusal, with the file named as the programs name it.
std::string refusal(const std::string& text, std::int32_t capacity = kHullBrutePointCapacity) {
    try {
        parse(text, capacity);
    } catch (const InputError& e) {
        std::string message = e.what();
        const std::size_t dir_end = message.find(std::string("/") + kPointFileName);
        if (dir_end != std::string::npos) message.erase(message.find('/'), dir_end + 1 - message.find('/'));
        return message;
    }
    return "(accepted)";
}

TEST(PointFile, ReadsHeaderPointsAndFillsScene) {
    const Parsed p = parse("3 7\n1.5 2.25\n-4 +5\n\t6e1\r\n0.5  trailing text 1 2\n");
    EXPECT_EQ(p.header.n, 3);
    EXPECT_EQ(p.header.repetitions, 7);
    ASSERT_EQ(p.points.size(), 3u);
    EXPECT_EQ(p.points[0].x, 1.5f);
    EXPECT_EQ(p.points[0].y, 2.25f);
    EXPECT_EQ(p.points[1].x, -4.0f);
    EXPECT_EQ(p.points[1].y, 5.0f);
    EXPECT_EQ(p.points[2].x, 60.0f);
    EXPECT_EQ(p.points[2].y, 0.5f);
    for (const Point& q : p.points) EXPECT_EQ(q.color, 9);
    ASSERT_EQ(scene_points.size(), 3u);
    for (const Point& q : scene_points) EXPECT_EQ(q.color, 2);
    reset_scene();
}

TEST(PointFile, HeaderAloneOnOneOrTwoLines) {
    EXPECT_EQ(parse("0 1").header.n, 0);
    EXPECT_EQ(parse("2\n3\n0 0 1 1").header.repetitions, 3);
    // A value below the least float rounds like the scan would (to 0 here).
    EXPECT_EQ(parse("1 1 1e-50 3").points[0].x, 0.0f);
}

TEST(PointFile, RefusesBadHeader) {
    EXPECT_EQ(refusal(""), "Greska: generator.test: nedostaje broj tacaka n (kraj datoteke).");
    EXPECT_EQ(refusal("5"), "Greska: generator.test: nedostaje broj ponavljanja R (kraj datoteke).");
    EXPECT_EQ(refusal("abc 1"), "Greska: generator.test: broj tacaka n: 'abc' nije ceo broj.");
    EXPECT_EQ(refusal("2.5 1"), "Greska: generator.test: broj tacaka n: '2.5' nije ceo broj.");
    EXPECT_EQ(refusal("3 x"), "Greska: generator.test: broj ponavljanja R: 'x' nije ceo broj.");
    EXPECT_EQ(refusal("99999999999 1"), "Greska: generator.test: broj tacaka n: '99999999999' je van opsega celih brojeva.");
    EXPECT_EQ(refusal("-1 1"), "Greska: generator.test: broj tacaka n = -1 je van dozvoljenog opsega 0..10000.");
    EXPECT_EQ(refusal(std::to_string(kHullBrutePointCapacity + 1) + " 1"), "Greska: generator.test: broj tacaka n = 10001 je van dozvoljenog opsega 0..10000.");
    EXPECT_EQ(refusal(std::to_string(kHullChainPointCapacity + 1) + " 1", kHullChainPointCapacity), "Greska: generator.test: broj tacaka n = 20002 je van dozvoljenog opsega 0..20001.");
    EXPECT_EQ(refusal("1 0 1 1"), "Greska: generator.test: broj ponavljanja R = 0 mora biti najmanje 1.");
    // Written by hand without R, with the pairs that n asks for or one more.
    for (const char* text : {"3\n0 0\n10 0\n0 10\n", "3\r\n5 0\r\n10 0\n0 10\n5 5\n"}) {
        EXPECT_EQ(refusal(text), "Greska: generator.test: u prvom redu je samo n = 3, bez broja ponavljanja R; prvi "
                                 "red sadrzi n i R (npr. '3 1'), zatim slede parovi x y.");
    }
}

TEST(PointFile, RefusesMissingAndBadCoordinates) {
    EXPECT_EQ(refusal("3 1\n0 0\n1 1\n"), "Greska: generator.test: nedostaje koordinata x tacke 3 od 3 (kraj datoteke).");
    EXPECT_EQ(refusal("2 1\n0 0\n1"), "Greska: generator.test: nedostaje koordinata y tacke 2 od 2 (kraj datoteke); "
                                      "posle n i R stoji neparan broj vrednosti, a prvi red sadrzi n i R, zatim slede "
                                      "parovi x y.");
    EXPECT_EQ(refusal("2 1\n0 0\n1,5 2"), "Greska: generator.test: koordinata x tacke 2 od 2: '1,5' nije broj.");
    EXPECT_EQ(refusal("1 1\n0x10 2"), "Greska: generator.test: koordinata x tacke 1 od 1: '0x10' nije broj.");
    for (const char* value : {"nan", "inf", "-inf", "1e39", "-3.5e38"}) {
        EXPECT_EQ(refusal(std::string("1 1\n0 ") + value),
                  std::string("Greska: generator.test: koordinata y tacke 1 od 1: '") + value +
                      "' nije konacan broj u opsegu jednostruke preciznosti.");
    }
}

TEST(PointFile, ValuesAcrossTheReadBufferAreWhole) {
    // Over 64 KB of values, each of a length that does not divide the
    // buffer, then a long run of blanks: every value is met whole wherever
    // the reads cut the file.
    std::string text = "9000 1\n";
    for (int i = 0; i < 9000; ++i) text += std::to_string(i * 7 % 1000) + ".25 -" + std::to_string(i) + "\n";
    text.insert(text.rfind('\n', text.size() - 2) + 1, std::string(100000, ' '));
    const Parsed p = parse(text);
    ASSERT_EQ(p.points.size(), 9000u);
    for (int i = 0; i < 9000; ++i) {
        ASSERT_EQ(p.points[i].x, static_cast<float>(i * 7 % 1000) + 0.25f) << i;
        ASSERT_EQ(p.points[i].y, static_cast<float>(-i)) << i;
    }
    reset_scene();
}

TEST(PointFile, ValueLengthLimit) {
    // The longest value accepted, placed to cross the first read.
    const std::string longest = "0." + std::string(kMaxValueLength - 3, '0') + "5";
    const std::string padding(65536 - 100, ' ');
    EXPECT_EQ(parse("1 1" + padding + longest + " 2").points[0].x, 0.0f);
    EXPECT_EQ(refusal("1 1" + padding + longest + "0 2"),
              "Greska: generator.test: koordinata x tacke 1 od 1: '0.00000000000000000000000000000000000000...' ima vise od 4096 znakova.");
    EXPECT_EQ(refusal(std::string(5000, '7') + " 1"),
              "Greska: generator.test: broj tacaka n: '7777777777777777777777777777777777777777...' ima vise od 4096 znakova.");
}

TEST(PointFile, RefusesMissingFile) {
    ScratchDir dir;
    const std::string name = (dir / kPointFileName).string();
    try {
        PointFile file(name);
        FAIL() << "opened a missing file";
    } catch (const InputError& e) {
        EXPECT_EQ(std::string(e.what()), "Greska: ne mogu da otvorim datoteku " + name + " za citanje.");
    }
}

// Every text the point-file fuzzer kept (fuzz/corpus/point_file), through
// the check the fuzzer runs: refused naming the file, or read whole.
TEST(PointFile, FuzzCorpusIsReadOrRefusedAsTheFuzzerChecks) {
    const std::vector<FuzzInput> inputs = kept_fuzz_inputs("point_file");
    EXPECT_FALSE(inputs.empty());
    for (const FuzzInput& input : inputs) {
        EXPECT_EQ(check_point_file_bytes(input.bytes.data(), input.bytes.size()), "") << input.file;
    }
}

}  // namespace
