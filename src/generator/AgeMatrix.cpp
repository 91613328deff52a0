// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/AgeMatrix.h"

#include "platform/GridModel.h"

#include <stdexcept>
#include <string>

namespace dravik {

namespace {

const std::vector<std::string>& matrixHeader()
{
    static const std::vector<std::string> header = {"Ges",     "Oud",    "60-100", "80-200", "400", "800",
                                                    "12/1500", "3/5000", "Stap",   "Hind",   "VS",  "DS",
                                                    "HS",      "PS",     "GS",     "DG",     "SG",  "HG"};
    return header;
}

void resetMatrix(GridModel& g)
{
    g.setCols(static_cast<int>(matrixHeader().size()));
    g.setRows(1);
    g.setHeader(matrixHeader());
}

} // namespace

std::vector<int> defaultMatrixAges(int ageRange)
{
    int from = 6, to = 19;
    switch (ageRange) {
    case agerange::Juniors:
        to = 13;
        break;
    case agerange::Seniors:
        from = 14;
        break;
    case agerange::All:
    case agerange::Open:
        break;
    default:
        throw std::invalid_argument("Age range " + std::to_string(ageRange) +
                                    " is none of 0 (6-13), 1 (14-19), 2 (6-19) and 3 (19 +).");
    }
    std::vector<int> ages;
    for (int age = from; age <= to; ++age)
        if (age != 18)
            ages.push_back(age);
    return ages;
}

void setupAgeMatrix(GridModel& flxNitems)
{
    flxNitems.beginUpdate();
    resetMatrix(flxNitems);
    for (const char* gender : {"S", "D"})
        for (int age = 6; age <= 19; ++age)
            flxNitems.addRow({gender, std::to_string(age)});
    flxNitems.endUpdate();
}

void showDefaultAgeRows(GridModel& flxNitems, int ageRange)
{
    std::vector<int> ages = defaultMatrixAges(ageRange);
    flxNitems.beginUpdate();
    resetMatrix(flxNitems);
    for (const char* gender : {"S", "D"})
        for (int age : ages)
            flxNitems.addItem(std::string(gender) + "\t" + std::to_string(age) + "\tx\tx");
    flxNitems.endUpdate();
}

} // namespace dravik
