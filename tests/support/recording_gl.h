// A stand-in for OpenGL, GLU and GLUT that records every call, so the viewer
// can be tested without a display. Linked instead of the real libraries.
#pragma once

#include <string>
#include <vector>

struct GlRecording {
    std::vector<std::string> calls;  // e.g. "glVertex2f 1 2", "glBegin lines"
    int glut_argc_seen = -1;
    void clear() { *this = GlRecording{}; }
};

extern GlRecording gl_recording;

// Calls made since the last clear, joined by "; ", optionally only those whose name starts with prefix.
std::string recorded(const std::string& prefix = "");
