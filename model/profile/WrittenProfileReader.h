// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/profile/ProfileContent.h"

#include <string_view>

// Reads a profile text laid out as saveProfile writes it, in one pass over the text, without parsing
// it into a document first. True when the text has that form and loads whole: the declaration (or
// none), the root element named rootName holding the three libraries, the colours and the keys in
// file order, every tag with the attributes the writer gives it in its order, only white space
// between tags; colours in their range, keys among the 85 that can be sent as the file gives them,
// list items numbered from 0 in order, lists no deeper than the document reader takes. content then
// holds what the document reader reads from that text, which is well-formed and has nothing to skip.
// False for any other text, with content partly filled; such a text is for the document reader.
bool readWrittenProfile(std::string_view text, std::string_view rootName, ProfileContent& content);
