#pragma once

#include "dynamics/billiard_state.h"
#include "geometry/table_geometry.h"

#include <cstdio>
#include <memory>
#include <string>

inline constexpr const char* kRunDataFileName = "adat.dat";

// "adat.dat": opened and headed by each launch, closed at the end of the run
// after it. Writing while nothing is open does nothing.
struct RunDataFile {
    std::FILE* stream = nullptr;
    // Set when the last open failed; the front end reports it once after the run.
    bool openFailed = false;
    std::string failedPath;
    // When set, an open writes here instead of the named file (the trace
    // command writes the file's text to standard output).
    std::FILE* redirect = nullptr;
    // Rows are gathered here and handed to the stream in large blocks: a
    // stdio call per row would cost more than the bounce itself.
    std::unique_ptr<char[]> rows;
    std::size_t rowsUsed = 0;
};

bool openRunDataFile(RunDataFile& file, const std::string& path);
void closeRunDataFile(RunDataFile& file);
inline bool isOpen(const RunDataFile& file) { return file.stream != nullptr; }

// The circle parameters and the four corners: what a launch writes first.
void writeRunDataHeader(RunDataFile& file, const TableGeometry& geometry, double bTyped);
// The launch point and direction lines.
void writeRunDataLaunch(RunDataFile& file, const BilliardState& state);
// One bounce: hit x, hit y, s, theta as "%+e    %+e    %+e    %+e\n".
void writeRunDataRow(RunDataFile& file, double hitX, double hitY, double s, double theta);

// Formats one row into buf (at least 64 bytes); returns its length. Shared by
// the file writer and the trace command so both stay byte-identical.
int formatRunDataRow(char* buf, double hitX, double hitY, double s, double theta);
std::string runDataHeaderText(const TableGeometry& geometry, double bTyped);
std::string runDataLaunchText(const BilliardState& state);
