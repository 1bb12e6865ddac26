// The point file: "n R" (two integers), then n pairs "x y" of numbers in
// integer or decimal notation. Whitespace of any kind separates the values
// (n and R may stand on one line or on two); text after the n-th pair is
// ignored and never read.
//
// The file is read through a fixed buffer, so memory stays the same however
// long the file is; a value may be at most kMaxValueLength bytes long.
#pragma once

#include "point.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The longest value accepted, in bytes: far more than any number needs
// (a float has at most a few dozen significant characters), small enough
// that a file of one endless value is refused at once.
inline constexpr std::size_t kMaxValueLength = 4096;

struct PointFileHeader {
    std::int32_t n;            // points that follow
    std::int32_t repetitions;  // how many times the hull is computed (R)
};

class PointFile {
public:
    // Opens the file for reading, without waiting on it; InputError if it
    // cannot be opened or is not a regular file (a FIFO, a device such as
    // /dev/zero, a directory).
    explicit PointFile(std::string name);
    // Parses text as the contents of a file; name only names it in messages.
    PointFile(std::string name, std::string text);
    ~PointFile();
    PointFile(const PointFile&) = delete;
    PointFile& operator=(const PointFile&) = delete;

    // Parses n and R. InputError unless both are integers with
    // 0 <= n <= point_capacity and R >= 1, and unless R is missing by the
    // look of the lines: n alone on the first line, and R sharing its line
    // with another value, as a point's x does.
    PointFileHeader read_header(std::int32_t point_capacity);

    // The next pair as a point of the default colour; InputError if it is
    // missing or a value is not a finite single-precision number. index and
    // n only name the point in the message.
    Point read_point(std::int32_t index, std::int32_t n);

    void close();

private:
    bool next_token(std::string_view& token);
    // Whether the line of the last value holds nothing more after it.
    bool rest_of_line_blank();
    void refill(std::size_t keep_from);
    std::int32_t read_integer(const char* what);
    float read_coordinate(const char* axis, std::int32_t index, std::int32_t n);
    [[noreturn]] void fail(const std::string& problem) const;
    [[noreturn]] void fail_too_long(const std::string& what, std::string_view token) const;

    std::string name_;
    int fd_ = -1;
    // Unread bytes are buffer_[pos_, end_); buffer_[end_] is always a blank,
    // so the scan of a value needs no bounds test of its own.
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool at_end_ = false;      // nothing more to read after buffer_[end_ - 1]
    bool too_long_ = false;    // the last value exceeded kMaxValueLength
};

// Reads n points into points[0 .. n-1] (colour 9) and adds each to the scene in blue.
void read_points(PointFile& file, Point* points, std::int32_t n);
