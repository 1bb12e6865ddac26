// How long the current measurement has run, on standard error, for the
// measurements that print nothing for minutes (one call of the
// straightforward brute force on 10000 points takes about 2.5 minutes).
//
// On a terminal one line is updated in place once a second after the first
// five seconds and cleared when the measurement ends, before its result is
// printed; elsewhere a line is written once a minute.
#pragma once

// Starts and stops the thread that writes the line.
void start_progress_line();
void stop_progress_line();

// Marks one measurement, from construction to destruction.
class MeasurementUnderway {
public:
    MeasurementUnderway();
    ~MeasurementUnderway();
    MeasurementUnderway(const MeasurementUnderway&) = delete;
    MeasurementUnderway& operator=(const MeasurementUnderway&) = delete;
};
