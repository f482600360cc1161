// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/DiffReport.h"

#include "model/ConfigStore.h"
#include "model/KeyboardVariant.h"
#include "tools/cli/KeyLegends.h"
#include "tools/ctl/AssignmentDescription.h"
#include "tools/ctl/HexColour.h"
#include "tools/ctl/KeyboardPicture.h"
#include "tools/ctl/PrintableText.h"
#include "tools/ctl/ProfileDiff.h"

namespace {

// The main window's labels of the three programs and the three layers.
constexpr int kProgramLabelIds[kPrograms] = {80, 81, 82};
constexpr int kLayerLabelIds[kLayers] = {77, 79, 78};
// Longer changes of a key show each side on a line of its own.
constexpr std::size_t kLongestOneLineChange = 100;

std::string variantText(int variant) {
    return std::string(KeyboardVariant::name(variant));
}

std::string tableName(int table) {
    return KeyboardPicture::labelCaption(kProgramLabelIds[table / kLayers]) + " " +
           KeyboardPicture::labelCaption(kLayerLabelIds[table % kLayers]);
}

std::string counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string header(const ProfileDifferences& differences, const ComparedSides& sides) {
    std::string text = "--- " + sides.before + " (" + variantText(differences.variantBefore) + ")\n" +
                       "+++ " + sides.after + " (" + variantText(differences.variantAfter) + ")\n";
    if (differences.variantsDiffer())
        text += "The variants differ: " + sides.before + " is for " + variantText(differences.variantBefore) +
                ", " + sides.after + " for " + variantText(differences.variantAfter) +
                "; what both hold is compared.\n";
    return text;
}

// One key's change: on one line when it reads well so, else the two sides on lines of their own.
std::string assignmentChange(const AssignmentDifference& difference, int variant) {
    const std::string key = "    " + KeyLegends::keyLabel(variant, difference.key) + ":";
    const std::string before = printable(difference.before);
    const std::string after = printable(difference.after);
    const std::string oneLine = key + " " + before + " -> " + after;
    if (oneLine.size() <= kLongestOneLineChange && difference.firstItemDifference.empty())
        return oneLine + "\n";
    std::string text = key + "\n      - " + before + "\n      + " + after + "\n";
    if (!difference.firstItemDifference.empty())
        text += "        first difference at " + printable(difference.firstItemDifference) + "\n";
    return text;
}

std::string assignmentLines(const ProfileDifferences& differences) {
    if (differences.assignments.empty())
        return {};
    std::string text =
        "Key assignments (" + counted(differences.assignments.size(), "differs", "differ") + "):\n";
    int table = -1;
    for (const AssignmentDifference& difference : differences.assignments) {
        if (difference.table != table) {
            table = difference.table;
            text += "  " + tableName(table) + ":\n";
        }
        text += assignmentChange(difference, differences.variantAfter);
    }
    return text;
}

std::string entryName(const LibraryDifference& difference) {
    std::string text = libraryName(difference.kind) + " \"" + difference.name + "\"";
    if (difference.nameRepeats)
        text += " (entry " + std::to_string(difference.position) + ")";
    return text;
}

std::string libraryLine(const LibraryDifference& difference) {
    using Change = LibraryDifference::Change;
    switch (difference.change) {
    case Change::Added:
        return entryName(difference) + " added: " + difference.after;
    case Change::Removed:
        return entryName(difference) + " removed: " + difference.before;
    case Change::Renamed:
        return entryName(difference) + " renamed to \"" + difference.newName + "\": " + difference.before;
    case Change::Changed:
        break;
    }
    std::string line = entryName(difference) + " changed";
    line += difference.before == difference.after ? " (" + difference.before + ")"
                                                  : ": " + difference.before + " -> " + difference.after;
    if (!difference.firstItemDifference.empty())
        line += "; first difference at " + difference.firstItemDifference;
    return line;
}

std::string libraryLines(const ProfileDifferences& differences) {
    if (!differences.librariesCompared)
        return "Libraries: not compared, a keyboard holds none.\n";
    if (differences.libraries.empty())
        return {};
    std::string text =
        "Libraries (" + counted(differences.libraries.size(), "entry differs", "entries differ") + "):\n";
    // The report's own words hold no control character, so the whole line is made printable.
    for (const LibraryDifference& difference : differences.libraries)
        text += "  " + printable(libraryLine(difference)) + "\n";
    return text;
}

std::string lightLines(const ProfileDifferences& differences) {
    if (!differences.lightsCompared) {
        const int without = KeyboardVariant::hasColourLighting(differences.variantBefore)
                                ? differences.variantAfter
                                : differences.variantBefore;
        return "Lights: not compared, " + variantText(without) + " has no colour lighting.\n";
    }
    if (differences.lights.empty())
        return {};
    std::size_t keys = 0;
    for (const LightDifference& group : differences.lights)
        keys += group.keys.size();
    std::string text = "Lights (" + counted(keys, "key differs", "keys differ") + "):\n";
    for (const LightDifference& group : differences.lights)
        text += "  " + keyList(group.keys, differences.variantAfter) + ": " + hexColour(group.before) +
                " -> " + hexColour(group.after) + "\n";
    return text;
}

// "key assignments, libraries and lights", leaving out what was not compared.
std::string comparedParts(const ProfileDifferences& differences) {
    if (differences.librariesCompared && differences.lightsCompared)
        return "key assignments, libraries and lights";
    if (differences.librariesCompared)
        return "key assignments and libraries";
    if (differences.lightsCompared)
        return "key assignments and lights";
    return "key assignments";
}

} // namespace

std::string keyList(const std::vector<int>& keys, int variant) {
    if (keys.size() == 1)
        return KeyLegends::keyLabel(variant, keys.front());
    std::string text = "keys ";
    for (std::size_t first = 0; first < keys.size();) {
        std::size_t last = first;
        while (last + 1 < keys.size() && keys[last + 1] == keys[last] + 1)
            ++last;
        if (first > 0)
            text += ", ";
        text += std::to_string(keys[first]);
        if (last > first)
            text += "-" + std::to_string(keys[last]);
        first = last + 1;
    }
    return text;
}

std::string diffReport(const ProfileDifferences& differences, const ComparedSides& named) {
    const ComparedSides sides{printable(named.before), printable(named.after)};
    if (differences.same()) {
        std::string text =
            sides.before + " and " + sides.after + " hold the same " + comparedParts(differences) + ".\n";
        if (!differences.librariesCompared)
            text += libraryLines(differences);
        if (!differences.lightsCompared)
            text += lightLines(differences);
        return text;
    }
    return header(differences, sides) + assignmentLines(differences) + libraryLines(differences) +
           lightLines(differences);
}
