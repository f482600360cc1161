// SPDX-License-Identifier: GPL-3.0-or-later
// Loads arbitrary bytes as a profile, as loadProfile does once it has read a file: converted to text,
// then read by the one-pass reader of the written form or, for any other text, by the document reader.
// Whatever the one-pass reader takes, the document reader must load alike: loaded, nothing skipped,
// and the same libraries, colours, keys and press counters. A load that fails leaves the store as it
// was. Nothing touches the disk.
#include "model/ConfigStore.h"
#include "model/KeyboardVariant.h"
#include "model/profile/ProfileContent.h"
#include "model/profile/ProfileFile.h"
#include "model/profile/WrittenProfileReader.h"
#include "model/profile/XmlDocument.h"
#include "model/profile/XmlEncoding.h"
#include "model/profile/XmlReport.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

std::unique_ptr<CConfigStore> makeStore() {
    auto made = std::make_unique<CConfigStore>("/nonexistent/qelec-fuzz-keyboard.txt");
    made->deviceVariant = KeyboardVariant::kRgb;
    made->buildCatalogue();
    made->resetToDefaults();
    return made;
}

// Every field and item of two lists and of their children, view fields included.
bool sameList(const ActionList& a, const ActionList& b) {
    if (a.SizeOfView != b.SizeOfView || a.ViewStartAt != b.ViewStartAt || a.CursorPos != b.CursorPos ||
        a.Cycles != b.Cycles || a.IsAutoInterval != b.IsAutoInterval || a.Delay != b.Delay ||
        a.PlayMode != b.PlayMode || a.items() != b.items() || a.children().size() != b.children().size())
        return false;
    for (std::size_t i = 0; i < a.children().size(); ++i) {
        if (!sameList(a.children()[i], b.children()[i]))
            return false;
    }
    return true;
}

// Whether two stores hold the same of everything a profile load replaces.
bool sameLoadedContent(const CConfigStore& a, const CConfigStore& b) {
    for (const LibrarySection& section : kLibrarySections) {
        if (!sameList(a.*section.library, b.*section.library))
            return false;
    }
    if (a.lightArea != b.lightArea || a.keyKind != b.keyKind || a.keyCode != b.keyCode ||
        a.pressCounts != b.pressCounts || a.highestKey != b.highestKey || a.lowestKey != b.lowestKey)
        return false;
    for (int slot = 0; slot < kKeySlots; ++slot) {
        for (int table = 0; table < kTables; ++table) {
            if (!sameList(a.keyActions[slot][table], b.keyActions[slot][table]))
                return false;
        }
    }
    return true;
}

// Puts back into store what a profile load replaced, as the pristine store holds it.
void restoreLoadedContent(CConfigStore& store, const CConfigStore& pristine) {
    for (const LibrarySection& section : kLibrarySections)
        store.*section.library = pristine.*section.library;
    store.lightArea = pristine.lightArea;
    store.keyKind = pristine.keyKind;
    store.keyCode = pristine.keyCode;
    store.keyActions = pristine.keyActions;
}

// The text loadProfile reads from a file of these bytes.
std::string decodedText(const std::uint8_t* data, std::size_t size) {
    int markFlags = 0;
    std::string report;
    XmlReport reporter(report);
    return xml::decodeFile(std::string(reinterpret_cast<const char*>(data), size), markFlags, reporter);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::unique_ptr<CConfigStore> untouched = makeStore();
    static const std::unique_ptr<CConfigStore> quick = makeStore();
    static const std::unique_ptr<CConfigStore> document = makeStore();
    // Kept from one input to the next, as the index keeps its first block: a document of its own for
    // every input would cost a fresh index block each.
    static XmlDocument doc;

    const std::string text = decodedText(data, size);
    doc.setDoc(text);
    const ProfileLoadReport documentReport = loadProfileDocument(*document, doc);
    // loadProfileText takes what the one-pass reader takes and leaves the rest to the document reader;
    // the reader is called here itself, so that the document is parsed once.
    const std::unique_ptr<ProfileContent> content = emptyContentFor(*quick);
    if (readWrittenProfile(text, KeyboardVariant::name(quick->deviceVariant), *content)) {
        replaceStoreContent(*quick, *content);
        const bool alike = documentReport.loaded() && documentReport.skipped.empty() &&
                           documentReport.rootName.empty() && sameLoadedContent(*quick, *document);
        if (!alike)
            std::abort();
        restoreLoadedContent(*quick, *untouched);
    }
    if (documentReport.loaded())
        restoreLoadedContent(*document, *untouched);
    else if (!sameLoadedContent(*document, *untouched))
        std::abort();
    return 0;
}
