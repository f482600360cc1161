// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/profile/ProfileFile.h"

#include "device/AtomicFileWrite.h"
#include "model/ConfigStore.h"
#include "model/KeyAssignmentCodec.h"
#include "model/KeyboardVariant.h"
#include "model/profile/ActionListXml.h"
#include "model/profile/ProfileContent.h"
#include "model/profile/WrittenProfileReader.h"
#include "model/profile/XmlDocument.h"
#include "model/profile/XmlReport.h"
#include "model/profile/XmlTextFile.h"

#include <array>
#include <exception>
#include <memory>
#include <string_view>
#include <utility>

namespace {

constexpr char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";

// The text is built as XmlDocument builds it when each element is added after the one before or
// into an empty parent: every element on a line of its own, lines joined by "\r\n", and one more
// after the root element.
void writeLibraries(TextWriter& out, const CConfigStore& store) {
    for (const LibrarySection& section : kLibrarySections) {
        out.put("\r\n<");
        out.put(section.name);
        out.put(">\r\n");
        writeActionListText(out, store.*section.library);
        out.put("\r\n</");
        out.put(section.name);
        out.put(">");
    }
}

void writeLights(TextWriter& out, const CConfigStore& store) {
    out.put("\r\n<BackgroundLightSettings>");
    for (int id = kFirstKey; id <= kLastKey; ++id) {
        out.put("\r\n<AREA ID=\"");
        out.putNumber(id);
        out.put("\" Red=\"");
        out.putNumber(store.lightArea[id][0]);
        out.put("\" Green=\"");
        out.putNumber(store.lightArea[id][1]);
        out.put("\" Blue=\"");
        out.putNumber(store.lightArea[id][2]);
        out.put("\"/>");
    }
    out.put("\r\n</BackgroundLightSettings>");
}

void writeKeys(TextWriter& out, const CConfigStore& store) {
    out.put("\r\n<CurrentSettings>");
    for (int id = kFirstKey; id <= kLastKey; ++id) {
        for (int level = 0; level < kTables; ++level) {
            out.put("\r\n<KEY ID=\"");
            out.putNumber(id);
            out.put("\" Level=\"");
            out.putNumber(level);
            out.put("\" Mode=\"");
            out.putNumber(store.keyKind[id][level]);
            out.put("\" HWCode=\"");
            out.putNumber(store.keyCode[id][level]);
            out.put("\">\r\n<ComboKey>\r\n");
            writeActionListText(out, store.keyActions[id][level]);
            out.put("\r\n</ComboKey>\r\n</KEY>");
        }
    }
    out.put("\r\n</CurrentSettings>");
}

// "AREA with ID 1: Red 300, Green -5 (colours run 0..255; set to 255, 0, 255)"
std::string colourReport(int id, const std::array<int, 3>& colour, const std::array<int, 3>& bounded) {
    static constexpr const char* kNames[] = {"Red", "Green", "Blue"};
    std::string text = "AREA with ID " + std::to_string(id) + ": ";
    const char* separator = "";
    for (std::size_t i = 0; i < colour.size(); ++i) {
        if (colour[i] == bounded[i])
            continue;
        text += separator + std::string(kNames[i]) + " " + std::to_string(colour[i]);
        separator = ", ";
    }
    return text + " (colours run 0..255; set to " + std::to_string(bounded[0]) + ", " +
           std::to_string(bounded[1]) + ", " + std::to_string(bounded[2]) + ")";
}

void readLibraries(XmlDocument& doc, ProfileContent& content, ActionListReadState& state) {
    for (std::size_t i = 0; i < std::size(kLibrarySections); ++i) {
        if (!doc.findElem(kLibrarySections[i].name))
            continue;
        doc.intoElem();
        readActionList(doc, content.libraries[i], state);
        doc.outOfElem();
    }
}

void readLights(XmlDocument& doc, ProfileContent& content, ActionListReadState& state) {
    if (!doc.findElem("BackgroundLightSettings"))
        return;
    doc.intoElem();
    static constexpr XmlAttribNames kAreaAttribs{"ID", "Red", "Green", "Blue"};
    std::string_view values[4];
    while (doc.findElem("AREA")) {
        doc.getRawAttribs(kAreaAttribs, values);
        const int id = XmlDocument::attribInt(values[0]);
        if (!isKeySlot(id)) {
            state.skip("AREA with ID " + std::to_string(id) + " (keys run 1..85)");
            continue;
        }
        const std::array<int, 3> colour = {XmlDocument::attribInt(values[1]),
                                           XmlDocument::attribInt(values[2]),
                                           XmlDocument::attribInt(values[3])};
        content.lightArea[id] = boundedColour(colour);
        if (content.lightArea[id] != colour)
            state.skip(colourReport(id, colour, content.lightArea[id]));
    }
    doc.outOfElem();
}

void readKeys(XmlDocument& doc, ProfileContent& content, ActionListReadState& state) {
    if (!doc.findElem("CurrentSettings"))
        return;
    doc.intoElem();
    static constexpr XmlAttribNames kKeyAttribs{"ID", "Level", "Mode", "HWCode"};
    std::string_view values[4];
    while (doc.findElem("KEY")) {
        doc.getRawAttribs(kKeyAttribs, values);
        const int id = XmlDocument::attribInt(values[0]);
        const int level = XmlDocument::attribInt(values[1]);
        // Only a skipped key needs its description; most keys are read without one.
        const auto where = [id, level] {
            return "KEY with ID " + std::to_string(id) + " and Level " + std::to_string(level);
        };
        if (!isKeySlot(id) || level < 0 || level >= kTables) {
            state.skip(where() + " (keys run 1..85, levels 0..8)");
            continue;
        }
        const int mode = XmlDocument::attribInt(values[2]);
        const int code = XmlDocument::attribInt(values[3]);
        ActionList& actions = content.keyActions[id][level];
        doc.intoElem();
        if (doc.findElem("ComboKey")) {
            doc.intoElem();
            readActionList(doc, actions, state);
            doc.outOfElem();
        }
        doc.outOfElem();
        // A key that could not be sent as the file gives it is left not set; its list is kept as the
        // file has it, rewritten in no way.
        std::string problem;
        if (!isValidAssignment(mode, code))
            problem = "Mode " + std::to_string(mode) + " with HWCode " + std::to_string(code);
        else
            problem = assignmentProblem(mode, actions);
        if (problem.empty()) {
            content.keyKind[id][level] = mode;
            content.keyCode[id][level] = code;
        } else {
            state.skip(where() + ": " + problem + " (left not set)");
            content.keyKind[id][level] = kKindNotSet;
            content.keyCode[id][level] = 0;
        }
    }
    doc.outOfElem();
}

ProfileLoadReport readDocument(CConfigStore& store, XmlDocument& doc) {
    ProfileLoadReport report;
    const std::string rootName(KeyboardVariant::name(store.deviceVariant));
    doc.resetPos();
    if (!doc.findElem(rootName)) {
        report.status = ProfileLoadReport::Status::WrongVariant;
        doc.resetPos();
        if (doc.findElem(""))
            report.rootName = doc.getTagName();
        return report;
    }
    const std::unique_ptr<ProfileContent> content = emptyContentFor(store);
    ActionListReadState state{kMaxGapItems, &report.skipped, kMaxSkippedReported};
    state.roomItemsLeft = kMaxGapItems;
    doc.intoElem();
    readLibraries(doc, *content, state);
    readLights(doc, *content, state);
    readKeys(doc, *content, state);
    replaceStoreContent(store, *content);
    report.status = ProfileLoadReport::Status::Loaded;
    return report;
}

// Reads a text in the written form that loads whole in one pass (see readWrittenProfile); false,
// with the store as it was, for any other text.
bool loadWrittenForm(CConfigStore& store, std::string_view text) {
    const std::unique_ptr<ProfileContent> content = emptyContentFor(store);
    if (!readWrittenProfile(text, KeyboardVariant::name(store.deviceVariant), *content))
        return false;
    replaceStoreContent(store, *content);
    return true;
}

// Rough size of the text of a list (a little more than its usual length), to reserve for the text.
std::size_t listTextEstimate(const ActionList& list) {
    constexpr std::size_t kListTag = 128;
    constexpr std::size_t kItemTags = 32;
    std::size_t size = kListTag;
    const auto& items = list.items();
    const auto& children = list.children();
    for (std::size_t i = 0; i < items.size(); ++i)
        size += kItemTags + items[i].size() + listTextEstimate(children[i]);
    return size;
}

std::size_t documentTextEstimate(const CConfigStore& store) {
    constexpr std::size_t kFixedText = 1024;
    constexpr std::size_t kAreaTag = 64;
    constexpr std::size_t kKeyTags = 96;
    std::size_t size = kFixedText + kKeySlots * kAreaTag;
    for (const LibrarySection& section : kLibrarySections)
        size += listTextEstimate(store.*section.library);
    for (const auto& tables : store.keyActions) {
        for (const ActionList& actions : tables)
            size += kKeyTags + listTextEstimate(actions);
    }
    return size + size / 8;
}

std::string buildText(const CConfigStore& store) {
    const std::string_view root = KeyboardVariant::name(store.deviceVariant);
    TextWriter out(documentTextEstimate(store));
    out.put(kDeclaration);
    out.put("<");
    out.put(root);
    out.put(">");
    writeLibraries(out, store);
    writeLights(out, store);
    writeKeys(out, store);
    out.put("\r\n</");
    out.put(root);
    out.put(">\r\n");
    return out.take();
}

} // namespace

std::string profileText(const CConfigStore& store) {
    return buildText(store);
}

bool saveProfile(const CConfigStore& store, const std::string& path, std::string* error) {
    std::string text;
    try {
        text = buildText(store);
    } catch (const std::exception&) {
        if (error != nullptr)
            *error = "out of memory";
        return false;
    }
    return writeFileAtomically(path, text, error);
}

ProfileLoadReport loadProfile(CConfigStore& store, const std::string& path) {
    ProfileLoadReport report;
    xml::TextFile file;
    std::string fileReport; // the XML layer's account of the read, which a profile load does not show
    XmlReport fileReporter(fileReport);
    if (!xml::readTextFile(path, kMaxProfileBytes, file, fileReporter)) {
        report.status = ProfileLoadReport::Status::Unreadable;
        report.reason = file.error;
        return report;
    }
    // A profile is UTF-8 (or UTF-16 with its zero bytes where they belong): zero bytes that had to be
    // removed mean text read in the wrong encoding, whose names would load garbled.
    if (file.nullsRemoved > 0) {
        report.status = ProfileLoadReport::Status::Unreadable;
        report.reason = "it holds " + std::to_string(file.nullsRemoved) +
                        " zero bytes, so it is not UTF-8 text (UTF-16 without a byte-order mark?)";
        return report;
    }
    if (loadWrittenForm(store, file.text)) {
        report.status = ProfileLoadReport::Status::Loaded;
        return report;
    }
    XmlDocument doc;
    doc.takeDoc(std::move(file.text));
    return loadProfileDocument(store, doc);
}

ProfileLoadReport loadProfileText(CConfigStore& store, const std::string& text) {
    if (loadWrittenForm(store, text)) {
        ProfileLoadReport report;
        report.status = ProfileLoadReport::Status::Loaded;
        return report;
    }
    XmlDocument doc;
    doc.setDoc(text);
    return loadProfileDocument(store, doc);
}

ProfileLoadReport loadProfileDocument(CConfigStore& store, XmlDocument& doc) {
    if (!doc.isWellFormed()) {
        ProfileLoadReport report;
        report.status = ProfileLoadReport::Status::NotWellFormed;
        return report;
    }
    return readDocument(store, doc);
}
