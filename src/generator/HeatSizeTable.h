// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace dravik {

class GridModel;

// Rows of the heat-size table flxNBane: the estimate reads the "Aantal" of a
// kind of race by its row number.
enum class HeatClass {
    UpTo100 = 1,        // "Tot 100m"
    UpTo200 = 2,        // "150m-200m"
    UpTo400 = 3,        // "300m-400m"
    Middle = 4,         // "Middel"
    HurdlesUpTo110 = 5, // "Tot 110mH"
    HurdlesUpTo200 = 6, // "150m-200mH"
    HurdlesUpTo400 = 7, // "300m-400mH"
};

// Sets flxNBane to its header "Item" | "Aantal" and the seven rows with their
// default heat sizes.
void setupHeatSizeTable(GridModel& flxNBane);

// Athletes per heat for a class: the number in the "Aantal" column of its row,
// which the user may have edited. Throws GeneratorError naming the row when it
// is missing or holds no number above 0 (a heat count would divide by it).
double heatSize(const GridModel& flxNBane, HeatClass cls);

} // namespace dravik
