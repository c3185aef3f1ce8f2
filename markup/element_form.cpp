// SPDX-License-Identifier: GPL-3.0-or-later
#include "element_form.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {

ui::Text Element::value(QStringView attribute) const
{
    const TagAttribute *a = tag.attribute(attribute);
    return a ? attributeValue(text, *a).toString() : ui::Text();
}

ui::Text Element::content() const
{
    return end ? text.mid(tag.to, end->first - tag.to).toString() : ui::Text();
}

ui::Text unquoted(const ui::Text &text)
{
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
        return text.mid(1, text.size() - 2);
    return text;
}

std::optional<Rewrite> rewriteElement(const Element &element, const std::vector<OwnedPart> &owned,
                                      const QStringList &changedUnits, QStringView output)
{
    const qsizetype lt = output.indexOf(u'<');
    const std::optional<Tag> out = lt < 0 ? std::nullopt : scanTag(output, lt);
    if (!out || out->closing)
        return std::nullopt;
    const Tag &tag = element.tag;
    const QStringView doc = element.text;
    const bool kindChanged = !out->named(tag.name);
    auto madeFromChanged = [&](QStringView attribute) {
        for (const OwnedPart &part : owned)
            if (part.attribute.compare(attribute, Qt::CaseInsensitive) == 0) {
                for (const QString &unit : part.units)
                    if (changedUnits.contains(unit))
                        return true;
                return false;
            }
        return false; // a fixed piece of the output
    };
    if (!kindChanged && changedUnits.isEmpty())
        return std::nullopt;
    auto isOwned = [&](QStringView attribute) {
        if (out->attribute(attribute))
            return true;
        for (const OwnedPart &part : owned)
            if (!part.attribute.isEmpty() && part.attribute.compare(attribute, Qt::CaseInsensitive) == 0)
                return true;
        return false;
    };
    auto span = [](QStringView text, qsizetype from, qsizetype to) { return text.mid(from, to - from).toString(); };

    bool attributeChanged = kindChanged;
    for (const OwnedPart &part : owned)
        if (!part.attribute.isEmpty())
            attributeChanged = attributeChanged || madeFromChanged(part.attribute);

    // The tag's name as written, unless the dialog wrote another element.
    ui::Text start = kindChanged ? span(output, out->from, out->nameTo) : span(doc, tag.from, tag.nameTo);
    for (const TagAttribute &a : out->attributes) {
        const TagAttribute *was = kindChanged ? nullptr : tag.attribute(a.name);
        if (!kindChanged && !madeFromChanged(a.name)) {
            if (was) // unchanged: as written; absent stays absent
                start += span(doc, was->space, was->to);
            continue;
        }
        start += (was ? span(doc, was->space, was->from) : u" "_s) + span(output, a.from, a.to);
    }
    for (const TagAttribute &a : tag.attributes) {
        // Owned attributes the output leaves out: kept unless the fields they come from changed.
        if (isOwned(a.name) && !out->attribute(a.name) && !kindChanged && !madeFromChanged(a.name))
            start += span(doc, a.space, a.to);
    }
    for (const TagAttribute &a : tag.attributes)
        if (!isOwned(a.name))
            start += span(doc, a.space, a.to);
    start += kindChanged ? span(output, out->tail, out->to) : span(doc, tag.tail, tag.to);
    if (!attributeChanged) // only the content changed: the start tag stays as it is
        start = span(doc, tag.from, tag.to);

    bool contentChanged = false;
    for (const OwnedPart &part : owned)
        if (part.attribute.isEmpty())
            for (const QString &unit : part.units)
                contentChanged = contentChanged || changedUnits.contains(unit);
    const qsizetype end = element.end ? element.end->second : tag.to;
    if (kindChanged || (contentChanged && element.end))
        return Rewrite{tag.from, end, start + output.mid(out->to).toString()};
    return Rewrite{tag.from, tag.to, start};
}

} // namespace markup
