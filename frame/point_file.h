// The point file: "n R" (two integers), then n pairs "x y" of numbers in
// integer or decimal notation. Whitespace of any kind separates the values;
// text after the n-th pair is ignored.
#pragma once

#include "point.h"

#include <cstdint>
#include <cstdio>
#include <string>

struct PointFileHeader {
    std::int32_t n;            // points that follow
    std::int32_t repetitions;  // how many times the hull is computed (R)
};

class PointFile {
public:
    // Opens the file for reading; InputError if it cannot be opened.
    explicit PointFile(std::string name);
    // Parses text as the contents of a file; name only names it in messages.
    PointFile(std::string name, std::string text);
    ~PointFile();
    PointFile(const PointFile&) = delete;
    PointFile& operator=(const PointFile&) = delete;

    // Reads the whole file and parses n and R. InputError unless both are
    // integers with 0 <= n <= point_capacity and R >= 1.
    PointFileHeader read_header(std::int32_t point_capacity);

    // The next pair as a point of the default colour; InputError if it is
    // missing or a value is not a finite single-precision number. index and
    // n only name the point in the message.
    Point read_point(std::int32_t index, std::int32_t n);

    void close();

private:
    bool next_token(std::string_view& token);
    std::int32_t read_integer(const char* what);
    float read_coordinate(const char* axis, std::int32_t index, std::int32_t n);
    [[noreturn]] void fail(const std::string& problem) const;

    std::string name_;
    std::FILE* file_ = nullptr;
    std::string text_;
    std::size_t pos_ = 0;
};

// Reads n points into points[0 .. n-1] (colour 9) and adds each to the scene in blue.
void read_points(PointFile& file, Point* points, std::int32_t n);
