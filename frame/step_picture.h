// The window's picture of one step of a recorded run (step_record.h), and
// the words the window writes over a picture.
#pragma once

#include "camera.h"
#include "step_record.h"

#include <string>
#include <vector>

// The input points and what the step shows of the algorithm's work, in the
// ten colours of the palette: the stack so far green (the earlier phase's
// cyan), edges found red, the pair, candidate or current edge orange, the
// turn tested magenta through its points, dropped and discarded points
// hollow (white in black), the point under test orange, a rejecting, farthest or tangent
// point magenta, pivots black, group hulls cyan, a dividing line purple.
// Points keep their size in pixels at every zoom; marked ones are larger.
void draw_step_scene(const StepState& state, const CameraView& camera, int height);

// Black text on light bands (white, the scene showing through): the lines at the top of the window, one below
// the other, and one line at its bottom (none if empty), in GLUT's 8 x 13
// bitmap font.
void draw_words(const std::vector<std::string>& top, const std::string& bottom, int width, int height);
