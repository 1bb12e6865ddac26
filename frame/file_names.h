// The two files the programs meet through, in the current directory.
#pragma once

// Written by the generator, read by the hull programs.
inline constexpr const char* kPointFileName = "generator.test";
// One line appended by every run of a hull program.
inline constexpr const char* kTimingLogName = "statistika.out";
