// SPDX-License-Identifier: GPL-3.0-or-later
#include "templates.h"

using namespace Qt::Literals::StringLiterals;

namespace document {

const Pieces &newPageTemplate()
{
    static const Pieces pieces = {
        u"<html>\r\n"_s,
        u"<head>\r\n"_s,
        u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n"_s,
        u"<meta name=\"GENERATOR\" content=\"orlen\">\r\n"_s,
        u"<meta http-equiv=\"ProgId\" content=\"orlen.Editor.Document\">\r\n"_s,
        u"<title>New Page 1</title>\r\n"_s,
        u"</head>\r\n"_s,
        u"\r\n"_s,
        u"<body>\r\n"_s,
        u"\r\n"_s,
        u"</body>\r\n"_s,
        u"</html>\r\n"_s,
    };
    return pieces;
}

const Pieces &aspTemplate()
{
    static const Pieces pieces = {u"<%\r\n"_s, u"\r\n"_s, u"%>"_s};
    return pieces;
}

const Pieces &cssTemplate()
{
    static const Pieces pieces = {u"<Style Type=text/css>\r\n"_s, u"\r\n"_s, u"</Style>"_s};
    return pieces;
}

} // namespace document
