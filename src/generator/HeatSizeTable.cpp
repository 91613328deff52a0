// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/HeatSizeTable.h"

#include "generator/GeneratorError.h"
#include "platform/GridModel.h"
#include "platform/TextNumber.h"

#include <string>

namespace dravik {

namespace {

struct DefaultRow {
    const char* item;
    const char* count;
};

const DefaultRow kDefaults[] = {
    {"Tot 100m", "10"},  {"150m-200m", "8"},  {"300m-400m", "8"},  {"Middel", "16"},
    {"Tot 110mH", "10"}, {"150m-200mH", "8"}, {"300m-400mH", "8"},
};

} // namespace

void setupHeatSizeTable(GridModel& flxNBane)
{
    flxNBane.beginUpdate();
    flxNBane.setCols(2);
    flxNBane.setRows(1);
    flxNBane.setHeader({"Item", "Aantal"});
    for (const auto& row : kDefaults)
        flxNBane.addRow({row.item, row.count});
    flxNBane.endUpdate();
}

double heatSize(const GridModel& flxNBane, HeatClass cls)
{
    int row = static_cast<int>(cls);
    const char* item = kDefaults[row - 1].item;
    if (row >= flxNBane.rows() || flxNBane.cols() < 2)
        throw GeneratorError(std::string("The heat-size table has no row for \"") + item +
                                 "\"; set it up again before reading the items.",
                             GeneratorError::Kind::NoHeatSizeRow, {item});
    const std::string& text = flxNBane.cell(row, 1);
    double size = textToNumber(text);
    if (!(size > 0))
        throw GeneratorError(std::string("The heat size for \"") + item + "\" is \"" + text +
                                 "\"; type the number of athletes per heat (above 0).",
                             GeneratorError::Kind::BadHeatSize, {item, text});
    return size;
}

} // namespace dravik
