// SPDX-License-Identifier: GPL-3.0-or-later
// A long run of plain characters is cut into segments found from each piece's end
// (BreakFinder::SafeSegmentPlain) instead of walking it from the start: the cuts must be those of
// Document::SafeSegment, to the byte, or the positions added up per segment would differ.
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <cmath>
#include <algorithm>
#include <iterator>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "Platform.h"
#include "ILoader.h"
#include "ILexer.h"
#include "Scintilla.h"
#include "Position.h"
#include "UniqueString.h"
#include "SplitVector.h"
#include "Partitioning.h"
#include "RunStyles.h"
#include "ContractionState.h"
#include "CellBuffer.h"
#include "KeyMap.h"
#include "Indicator.h"
#include "LineMarker.h"
#include "Style.h"
#include "ViewStyle.h"
#include "CharClassify.h"
#include "Decoration.h"
#include "CaseFolder.h"
#include "Document.h"
#include "UniConversion.h"
#include "Selection.h"
#include "PositionCache.h"

#include <gtest/gtest.h>

#include <random>

using Scintilla::BreakFinder;

namespace {

/// Plain text: ASCII (spaces, tabs, punctuation, letters) and characters of three bytes, in
/// stretches that make each rule decide somewhere: with spaces, without spaces but with
/// punctuation, with neither.
std::string plainText(std::mt19937 &rng, size_t bytes)
{
    static const char *const withSpaces[] = {"text ", "  ", "\t", "a\tb", "网页 ", "x"};
    static const char *const punctuation[] = {"<p>", "网页", "=", "编辑", "0", "link"};
    static const char *const neither[] = {"网", "页", "编", "表", "\xec\xbf\xbf", "\xe1\x80\x80", "A", "z"};
    std::string out;
    while (out.size() < bytes) {
        const int kind = std::uniform_int_distribution<int>(0, 2)(rng);
        const int count = std::uniform_int_distribution<int>(1, 60)(rng);
        for (int i = 0; i < count; ++i) {
            if (kind == 0)
                out += withSpaces[std::uniform_int_distribution<int>(0, 5)(rng)];
            else if (kind == 1)
                out += punctuation[std::uniform_int_distribution<int>(0, 5)(rng)];
            else
                out += neither[std::uniform_int_distribution<int>(0, 7)(rng)];
        }
    }
    return out;
}

} // namespace

TEST(SafeSegmentPlain, CutsWhereTheDocumentsWalkFromTheStartCuts)
{
    for (int codePage : {int(SC_CP_UTF8), 0}) {
        std::unique_ptr<Scintilla::Document> doc(new Scintilla::Document(SC_DOCUMENTOPTION_DEFAULT));
        doc->SetDBCSCodePage(codePage);
        std::mt19937 rng(61);
        for (int round = 0; round < 300; ++round) {
            std::string text = plainText(rng, 400);
            if (codePage == 0) // one byte a character: ASCII only
                for (char &c : text)
                    c = (c & 0x80) ? 'k' : c;
            // From every character start of the first 120 bytes, as the subdivision goes on.
            for (size_t start = 0; start < 120; ++start) {
                if ((static_cast<unsigned char>(text[start]) & 0xc0) == 0x80)
                    continue;
                const char *p = text.data() + start;
                const int length = int(text.size() - start);
                for (int segment : {100, 37, 3}) {
                    ASSERT_EQ(BreakFinder::SafeSegmentPlain(p, length, segment), doc->SafeSegment(p, length, segment))
                        << "code page " << codePage << ", from byte " << start << " of \"" << text << "\"";
                }
            }
            ASSERT_EQ(BreakFinder::SafeSegmentPlain(text.data(), 80, 100), doc->SafeSegment(text.data(), 80, 100));
        }
    }
}
