// The outline of a line drawn with a thick pen: how hollow letters and
// digits are made from their centre lines. Icons set along an outline keep
// their distance where a single stroke would crowd them.
#pragma once

#include <vector>

#include "authoring/geometry.h"

namespace orbilux::authoring {

// An open centre line gives one closed outline with round ends; a closed
// one gives two closed outlines (outside and inside). The centre line must
// not bend tighter than half the width, or the inner side folds over.
std::vector<Polyline> StrokeOutline(const Polyline& centreLine, double width);

}  // namespace orbilux::authoring
