#pragma once
// The cipher disk on paper, to cut out: a large disk with the plain
// characters round its edge and a smaller one with the cipher characters,
// each with its cutting line and a centre mark for the paper fastener that
// holds the small one on the large one.

#include <string>

class SheetCanvas;

// Both disks, one under the other, in the area (millimetres) as large as it
// allows; the alphabet is the table's row 0 (the blank drawn as "␣").
void PaintCutOutDisks(const SheetCanvas& canvas, double left, double top, double width,
                      double height, const std::string& alphabet);
