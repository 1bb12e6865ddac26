#include "point_file.h"

#include "file_kind.h"
#include "input_error.h"
#include "scene.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr ColorCode kArrayColor = 9;
constexpr ColorCode kSceneBlue = 2;

// The separators between values: blank, tab, line feed, vertical tab, form
// feed and carriage return, looked up in a table (the tokenizer's hot path).
constexpr auto kSpaceTable = [] {
    std::array<bool, 256> table{};
    for (const unsigned char c : {' ', '\t', '\n', '\v', '\f', '\r'}) table[c] = true;
    return table;
}();

bool is_space(char c) {
    return kSpaceTable[static_cast<unsigned char>(c)];
}

// Drops one leading '+', which the numeric parsers below do not take.
std::string_view without_plus(std::string_view token) {
    if (token.size() > 1 && token.front() == '+' && token[1] != '-' && token[1] != '+') token.remove_prefix(1);
    return token;
}

// A plain decimal integer of at most seven digits (all that the generator
// writes) is an exact float: it is read directly, the same value that the
// general conversion would give, only faster.
bool read_small_integer(std::string_view token, float& value) {
    const bool negative = !token.empty() && token.front() == '-';
    if (negative) token.remove_prefix(1);
    if (token.empty() || token.size() > 7) return false;
    std::int32_t magnitude = 0;
    for (const char c : token) {
        const unsigned digit = static_cast<unsigned char>(c) - static_cast<unsigned>('0');
        if (digit > 9) return false;
        magnitude = magnitude * 10 + static_cast<std::int32_t>(digit);
    }
    value = negative ? -static_cast<float>(magnitude) : static_cast<float>(magnitude);
    return true;
}

std::string quoted(std::string_view token) {
    constexpr std::size_t kShown = 40;
    std::string shown(1, '\'');
    shown += printable(token.substr(0, kShown));
    if (token.size() > kShown) shown += "...";
    shown += '\'';
    return shown;
}

// Bytes read from the file at a time.
constexpr std::size_t kReadSize = 1 << 16;
static_assert(kReadSize > kMaxValueLength, "a value of the longest length fits the buffer with room to read");

}  // namespace

PointFile::PointFile(std::string name) : name_(std::move(name)) {
    // O_NONBLOCK: opening a FIFO without a writer would otherwise wait forever.
    fd_ = ::open(name_.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) throw InputError("Greska: ne mogu da otvorim datoteku " + printable(name_) + " za citanje.");
    struct stat st {};
    std::string problem;
    // A directory has no text to read: it gets the message of a failed read,
    // as every other unreadable file.
    if (::fstat(fd_, &st) != 0 || S_ISDIR(st.st_mode)) {
        problem = "citanje datoteke nije uspelo";
    } else if (!S_ISREG(st.st_mode)) {
        // Only a regular file ends: a device such as /dev/zero or a FIFO may
        // never do.
        problem = std::string("to nije obicna datoteka nego ") + non_regular_kind(st.st_mode);
    }
    if (!problem.empty()) {
        close();
        fail(problem);
    }
    buffer_.resize(kReadSize + 1);
    buffer_[end_] = ' ';
}

PointFile::PointFile(std::string name, std::string text) : name_(std::move(name)) {
    buffer_.assign(text.begin(), text.end());
    end_ = buffer_.size();
    buffer_.push_back(' ');
    at_end_ = true;
}

PointFile::~PointFile() { close(); }

void PointFile::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

void PointFile::fail(const std::string& problem) const {
    throw InputError("Greska: " + printable(name_) + ": " + problem + ".");
}

void PointFile::fail_too_long(const std::string& what, std::string_view token) const {
    fail(what + ": " + quoted(token) + " ima vise od " + std::to_string(kMaxValueLength) + " znakova");
}

PointFileHeader PointFile::read_header(std::int32_t point_capacity) {
    PointFileHeader header{};
    header.n = read_integer("broj tacaka n");
    const bool n_alone = rest_of_line_blank();
    header.repetitions = read_integer("broj ponavljanja R");
    // n alone on its line, and R sharing its line with a value: that line is
    // the first point's, and the file has no R.
    if (n_alone && !rest_of_line_blank()) {
        fail("u prvom redu je samo n = " + std::to_string(header.n) +
             ", bez broja ponavljanja R; prvi red sadrzi n i R (npr. '" + std::to_string(header.n) +
             " 1'), zatim slede parovi x y");
    }
    if (header.n < 0 || header.n > point_capacity) {
        fail("broj tacaka n = " + std::to_string(header.n) + " je van dozvoljenog opsega 0.." +
             std::to_string(point_capacity));
    }
    if (header.repetitions < 1) {
        fail("broj ponavljanja R = " + std::to_string(header.repetitions) + " mora biti najmanje 1");
    }
    return header;
}

// Drops the bytes before keep_from, moves the rest to the front and reads
// what fits after them.
void PointFile::refill(std::size_t keep_from) {
    const std::size_t kept = end_ - keep_from;
    std::memmove(buffer_.data(), buffer_.data() + keep_from, kept);
    pos_ -= keep_from;
    end_ = kept;
    ssize_t got;
    do {
        got = ::read(fd_, buffer_.data() + end_, kReadSize - end_);
    } while (got < 0 && errno == EINTR);
    if (got < 0) fail("citanje datoteke nije uspelo");
    if (got == 0) at_end_ = true;
    end_ += static_cast<std::size_t>(got);
    buffer_[end_] = ' ';
}

bool PointFile::rest_of_line_blank() {
    for (;;) {
        while (pos_ < end_ && buffer_[pos_] != '\n' && is_space(buffer_[pos_])) ++pos_;
        if (pos_ < end_) return buffer_[pos_] == '\n';
        if (at_end_) return true;
        refill(pos_);
    }
}

bool PointFile::next_token(std::string_view& token) {
    for (;;) {
        while (pos_ < end_ && is_space(buffer_[pos_])) ++pos_;
        if (pos_ < end_ || at_end_) break;
        refill(pos_);
    }
    std::size_t start = pos_;
    for (;;) {
        while (!is_space(buffer_[pos_])) ++pos_;  // stops at the blank after the data at the latest
        if (pos_ < end_ || at_end_ || pos_ - start > kMaxValueLength) break;
        // The value goes on past the bytes read so far.
        refill(start);
        start = 0;
    }
    too_long_ = pos_ - start > kMaxValueLength;
    token = std::string_view(buffer_.data() + start, pos_ - start);
    return !token.empty();
}

std::int32_t PointFile::read_integer(const char* what) {
    std::string_view token;
    if (!next_token(token)) fail(std::string("nedostaje ") + what + " (kraj datoteke)");
    if (too_long_) fail_too_long(what, token);
    const std::string_view digits = without_plus(token);
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec == std::errc::result_out_of_range) fail(std::string(what) + ": " + quoted(token) + " je van opsega celih brojeva");
    if (ec != std::errc() || end != digits.data() + digits.size()) fail(std::string(what) + ": " + quoted(token) + " nije ceo broj");
    return value;
}

float PointFile::read_coordinate(const char* axis, std::int32_t index, std::int32_t n) {
    // The value's name for a message; built only when there is one to give.
    const auto what = [&] {
        return std::string("koordinata ") + axis + " tacke " + std::to_string(index + 1) + " od " + std::to_string(n);
    };
    std::string_view token;
    if (!next_token(token)) {
        // Pairs come whole: one value short, the likely cause is the header.
        const std::string odd = std::string_view(axis) == "y"
                                    ? "; posle n i R stoji neparan broj vrednosti, a prvi red sadrzi n i R, "
                                      "zatim slede parovi x y"
                                    : "";
        fail("nedostaje " + what() + " (kraj datoteke)" + odd);
    }
    const std::string_view number = without_plus(token);
    float value = 0.0f;
    if (read_small_integer(number, value)) return value;
    if (too_long_) fail_too_long(what(), token);
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (end != number.data() + number.size() || (ec != std::errc() && ec != std::errc::result_out_of_range)) {
        fail(what() + ": " + quoted(token) + " nije broj");
    }
    if (ec == std::errc::result_out_of_range) {
        // Too large for a float, or so small that it rounds to zero or to a
        // subnormal: let the C library round it as the scan would.
        value = std::strtof(std::string(number).c_str(), nullptr);
    }
    if (!std::isfinite(value)) fail(what() + ": " + quoted(token) + " nije konacan broj u opsegu jednostruke preciznosti");
    return value;
}

Point PointFile::read_point(std::int32_t index, std::int32_t n) {
    Point p;
    p.x = read_coordinate("x", index, n);
    p.y = read_coordinate("y", index, n);
    return p;
}

void read_points(PointFile& file, Point* points, std::int32_t n) {
    for (std::int32_t i = 0; i < n; ++i) {
        Point p = file.read_point(i, n);
        p.color = kArrayColor;
        points[i] = p;
        add_point(p, kSceneBlue);
    }
}
