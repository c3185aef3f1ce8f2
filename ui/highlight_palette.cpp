// SPDX-License-Identifier: GPL-3.0-or-later
#include "highlight_palette.h"

#include "core/contrast.h"

#include <Qsci/qscilexercss.h>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintillabase.h>

#include <algorithm>
#include <cmath>

namespace ui {

QColor readableOn(const QColor &colour, const QColor &background, double ratio)
{
    const quint32 paper = background.rgb();
    if (core::contrastRatio(colour.rgb(), paper) >= ratio)
        return colour;
    // Black or white, whichever contrasts more, reaches at least 4.58 against any background.
    const quint32 black = QColor(Qt::black).rgb(), white = QColor(Qt::white).rgb();
    const bool towardsBlack = core::contrastRatio(black, paper) >= core::contrastRatio(white, paper);
    const QColor end = towardsBlack ? QColor(Qt::black) : QColor(Qt::white);
    // Lighter or darker in the same hue and saturation, so that colours stay told apart.
    const QColor hsl = colour.toHsl();
    const double from = hsl.lightnessF(), to = end == Qt::white ? 1.0 : 0.0;
    for (int step = 1; step < 64; ++step) {
        const double l = from + (to - from) * step / 64.0;
        const QColor c = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), float(l)).toRgb();
        if (core::contrastRatio(c.rgb(), paper) >= ratio)
            return c;
    }
    return end;
}

namespace {

/// What a piece of text is, as far as its colour goes.
enum class Role { Text, Tag, Unknown, Attribute, Value, Comment, Entity, Doctype, Delimiter, Keyword, Number, Operator };

/// Calm colours for the white editor; each is made readable on the actual background.
QColor roleColour(Role role)
{
    switch (role) {
    case Role::Text: return QColor(0x20, 0x20, 0x20);
    case Role::Tag: return QColor(0x1a, 0x4f, 0x8b);
    case Role::Unknown: return QColor(0xb3, 0x26, 0x1e);
    case Role::Attribute: return QColor(0x8b, 0x4a, 0x0b);
    case Role::Value: return QColor(0x1e, 0x74, 0x38);
    case Role::Comment: return QColor(0x6a, 0x6f, 0x76);
    case Role::Entity: return QColor(0x9b, 0x2f, 0x7a);
    case Role::Doctype: return QColor(0x5a, 0x4f, 0x96);
    case Role::Delimiter: return QColor(0xb3, 0x47, 0x00);
    case Role::Keyword: return QColor(0x6f, 0x2d, 0xa8);
    case Role::Number: return QColor(0x0f, 0x6e, 0x7a);
    case Role::Operator: return QColor(0x3b, 0x3b, 0x3b);
    }
    return Qt::black;
}

Role cssRole(int style)
{
    using C = QsciLexerCSS;
    switch (style) {
    case C::Tag: return Role::Tag;
    case C::ClassSelector:
    case C::IDSelector:
    case C::PseudoClass:
    case C::PseudoElement:
    case C::ExtendedPseudoClass:
    case C::ExtendedPseudoElement: return Role::Tag;
    case C::UnknownPseudoClass:
    case C::UnknownProperty: return Role::Unknown;
    case C::Operator: return Role::Operator;
    case C::CSS1Property:
    case C::CSS2Property:
    case C::CSS3Property:
    case C::ExtendedCSSProperty:
    case C::Attribute:
    case C::Variable: return Role::Attribute;
    case C::Value:
    case C::DoubleQuotedString:
    case C::SingleQuotedString: return Role::Value;
    case C::Comment: return Role::Comment;
    case C::Important:
    case C::AtRule:
    case C::MediaRule: return Role::Keyword;
    default: return Role::Text;
    }
}

/// The role of a style of the HTML lexer (ASP, scripts and style blocks included).
Role htmlRole(int style)
{
    using H = QsciLexerHTML;
    if (style >= StyleBlockBase)
        return cssRole(style - StyleBlockBase);
    // JavaScript in scripts and in ASP blocks: the same layout from two starting numbers.
    for (int base : {int(H::JavaScriptStart), int(H::ASPJavaScriptStart)}) {
        switch (style - base) {
        case 2:
        case 3:
        case 4: return Role::Comment;
        case 5: return Role::Number;
        case 7: return Role::Keyword;
        case 8:
        case 9:
        case 11:
        case 12: return Role::Value;
        case 10: return Role::Operator;
        case 0:
        case 1:
        case 6: return Role::Text;
        default: break;
        }
    }
    for (int base : {int(H::VBScriptStart), int(H::ASPVBScriptStart)}) {
        switch (style - base) {
        case 2: return Role::Comment;
        case 3: return Role::Number;
        case 4: return Role::Keyword;
        case 5:
        case 7: return Role::Value;
        case 0:
        case 1:
        case 6: return Role::Text;
        default: break;
        }
    }
    switch (style) {
    case H::Tag:
    case H::XMLTagEnd: return Role::Tag;
    case H::UnknownTag:
    case H::UnknownAttribute:
    case H::SGMLError: return Role::Unknown;
    case H::Attribute: return Role::Attribute;
    case H::HTMLNumber: return Role::Number;
    case H::HTMLDoubleQuotedString:
    case H::HTMLSingleQuotedString:
    case H::HTMLValue:
    case H::SGMLDoubleQuotedString:
    case H::SGMLSingleQuotedString:
    case H::SGMLParameter: return Role::Value;
    case H::HTMLComment:
    case H::ASPXCComment:
    case H::CDATA:
    case H::SGMLComment:
    case H::SGMLParameterComment: return Role::Comment;
    case H::Entity:
    case H::SGMLEntity: return Role::Entity;
    case H::SGMLDefault:
    case H::SGMLCommand:
    case H::SGMLSpecial:
    case H::SGMLBlockDefault: return Role::Doctype;
    case H::XMLStart:
    case H::XMLEnd:
    case H::ASPAtStart:
    case H::ASPStart:
    case H::PHPStart: return Role::Delimiter;
    default: return Role::Text;
    }
}

} // namespace

QColor styleColour(Language language, int style, const QColor &background)
{
    Role role = Role::Text;
    if (style != QsciScintillaBase::STYLE_DEFAULT) // the default style: text where there is none
        role = language == Language::Css ? cssRole(style) : htmlRole(style);
    return readableOn(roleColour(role), background);
}

QColor markColour(const QColor &background) { return readableOn(roleColour(Role::Tag), background); }

} // namespace ui
