// SPDX-License-Identifier: GPL-3.0-or-later
#include "element_form.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {

core::Text Element::value(QStringView attribute) const
{
    const TagAttribute *a = tag.attribute(text, attribute);
    return a ? attributeValue(text, *a).toString() : core::Text();
}

core::Text Element::content() const
{
    return end ? text.mid(tag.to, end->first - tag.to).toString() : core::Text();
}

core::Text unquoted(const core::Text &text)
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
    if (!out || out->kind != Tag::StartTag)
        return std::nullopt;
    const Tag &tag = element.tag;
    const QStringView doc = element.text;
    const bool kindChanged = !out->named(output, tag.name(doc));
    auto part = [&](QStringView attribute) -> const OwnedPart * {
        for (const OwnedPart &p : owned)
            if (!p.attribute.isEmpty() && p.attribute.compare(attribute, Qt::CaseInsensitive) == 0)
                return &p;
        return nullptr;
    };
    auto fieldsChanged = [&](const OwnedPart &p) {
        for (const QString &unit : p.units)
            if (changedUnits.contains(unit))
                return true;
        return false;
    };
    bool attributeChanged = kindChanged;
    for (const OwnedPart &p : owned)
        if (!p.attribute.isEmpty())
            attributeChanged = attributeChanged || fieldsChanged(p);
    // An attribute the output has but no part names can only come from a field's text (a value
    // typed with a quote in it): it goes with the other changed attributes.
    auto madeFromChanged = [&](QStringView attribute) {
        const OwnedPart *p = part(attribute);
        return p ? fieldsChanged(*p) : attributeChanged;
    };
    if (!kindChanged && changedUnits.isEmpty())
        return std::nullopt;
    auto isOwned = [&](QStringView attribute) {
        if (out->attribute(output, attribute))
            return true;
        return part(attribute) != nullptr;
    };
    auto span = [](QStringView text, qsizetype from, qsizetype to) { return text.mid(from, to - from).toString(); };

    // The tag's name as written, unless the dialog wrote another element.
    core::Text start = kindChanged ? span(output, out->from, out->nameTo) : span(doc, tag.from, tag.nameTo);
    for (const TagAttribute &a : out->attributes) {
        const QStringView name = attributeName(output, a);
        const TagAttribute *was = kindChanged ? nullptr : tag.attribute(doc, name);
        if (!kindChanged && !madeFromChanged(name)) {
            if (was) // unchanged: as written; absent stays absent
                start += span(doc, was->space, was->to);
            continue;
        }
        start += was ? span(doc, was->space, was->from) + span(output, a.from, a.to) : span(output, a.space, a.to);
    }
    for (const TagAttribute &a : tag.attributes) {
        // Owned attributes the output leaves out: kept unless the fields they come from changed.
        const QStringView name = attributeName(doc, a);
        if (isOwned(name) && !out->attribute(output, name) && !kindChanged && !madeFromChanged(name))
            start += span(doc, a.space, a.to);
    }
    for (const TagAttribute &a : tag.attributes)
        if (!isOwned(attributeName(doc, a)))
            start += span(doc, a.space, a.to);
    start += kindChanged ? span(output, out->tail, out->to) : span(doc, tag.tail, tag.to);
    if (!attributeChanged) // only the content changed: the start tag stays as it is
        start = span(doc, tag.from, tag.to);

    bool contentChanged = false;
    for (const OwnedPart &p : owned)
        if (p.attribute.isEmpty())
            contentChanged = contentChanged || fieldsChanged(p);
    const qsizetype end = element.end ? element.end->second : tag.to;
    if (kindChanged || (contentChanged && element.end))
        return Rewrite{tag.from, end, start + output.mid(out->to).toString()};
    return Rewrite{tag.from, tag.to, start};
}

} // namespace markup
