// SPDX-License-Identifier: GPL-3.0-or-later
#include "keywords.h"

using namespace Qt::Literals::StringLiterals;

namespace reference {

// The empty rows at the ends of some lists are real rows: they show as blank lines and insert nothing.

const QStringList &vbKeywords()
{
    static const QStringList items{
        u"\")"_s, u"<%%>"_s, u"%>"_s, u"(\""_s, u"<%"_s, u"="_s, u"Eof"_s, u"Bof"_s, u"Loop"_s, u"abandon"_s,
        u"addheader"_s, u"all_http"_s, u"all_raw"_s, u"appendtolog"_s, u"appl_md_path"_s,
        u"appl_physical_path"_s, u"application"_s, u"application_onend"_s, u"application_onstart"_s,
        u"auth_password"_s, u"auth_type"_s, u"auth_user"_s, u"binarywrite"_s, u"browsertype"_s, u"buffer"_s,
        u"cachecontrol"_s, u"cert_cookie"_s, u"cert_flags"_s, u"cert_issuer"_s, u"cert_keysize"_s,
        u"cert_secretkeysize"_s, u"cert_serialnumber"_s, u"cert_server_issuer"_s, u"cert_server_subject"_s,
        u"cert_subject"_s, u"charset"_s, u"clear"_s, u"clientcertificate"_s, u"codepage"_s, u"collection"_s,
        u"content_length"_s, u"content_typecontents"_s, u"contents"_s, u"contenttype"_s, u"cookies"_s,
        u"createobject"_s, u"domain"_s, u"dsn"_s, u"enablesessionstate"_s, u"end"_s, u"expires"_s,
        u"expiresabsolute"_s, u"false"_s, u"flush"_s, u"function"_s, u"gateway_interface"_s, u"haskeys"_s,
        u"htmlencode"_s, u"http_accept"_s, u"http_accept_language"_s, u"http_connection"_s, u"http_cookie"_s,
        u"http_host"_s, u"http_language"_s, u"http_pragma"_s, u"http_ua_color"_s, u"http_ua_cpu"_s,
        u"http_ua_os"_s, u"http_ua_pixels"_s, u"http_ua_useragent"_s, u"https"_s, u"https_keysize"_s,
        u"https_secretkeysize"_s, u"https_server_issuer"_s, u"https_server_subject"_s, u"include"_s,
        u"instance_id"_s, u"instance_meta_path"_s, u"isclientconnected"_s, u"javascript"_s, u"jscript"_s,
        u"language"_s, u"lcid"_s, u"local_addr"_s, u"lock"_s, u"logon_user"_s, u"mappath"_s, u"mswc"_s,
        u"objectcontext"_s, u"ontransactionabort"_s, u"ontransactioncommit"_s, u"path"_s, u"path_info"_s,
        u"path_translated"_s, u"pics"_s, u"procedure"_s, u"pw"_s, u"query_string"_s, u"querystring"_s,
        u"redirect"_s, u"rem"_s, u"remote_addr"_s, u"remote_host"_s, u"remote_user"_s, u"request"_s,
        u"request_method"_s, u"response"_s, u"runat"_s, u"script_map"_s, u"script_name"_s, u"scripttimeout"_s,
        u"secure"_s, u"server"_s, u"server_name"_s, u"server_port"_s, u"server_port_secure"_s,
        u"server_protocol"_s, u"server_software"_s, u"servervariables"_s, u"session"_s, u"session_onend"_s,
        u"session_onstart"_s, u"sessionid"_s, u"set"_s, u"setabort"_s, u"setcomplete"_s, u"staticobjects"_s,
        u"status"_s, u"sub"_s, u"timeout"_s, u"transaction"_s, u"true"_s, u"uid"_s, u"unlock"_s, u"url"_s,
        u"urlencode"_s, u"virtual"_s, u"write"_s, {}, {},
    };
    return items;
}

const QStringList &htmlKeywords()
{
    // A reserved example domain: the user puts their own address in.
    const QString address = u"webmaster@example.com"_s;
    const QString emailLink = u"<a href=\"mailto:"_s + address + u"\">"_s + address + u"</a>"_s;
    static const QStringList items{
        u"<!doctype>"_s, u"<a href=\"http://\" target=\"_Blank\" ></a>"_s, u"<abbrev></abbrev>"_s,
        u"<acronym></acronym>"_s, u"<address></address>"_s, u"<applet></applet>"_s, u"<area>"_s, u"<au></au>"_s,
        u"<b></b>"_s, u"<banner></banner>"_s, u"<base>"_s, u"<basefont>"_s, u"<bgsound src=\"\" loop=\"0\">"_s,
        u"<big></big>"_s, u"<blink></blink>"_s, u"<blockquote></blockquote>"_s, u"<body></body>"_s,
        u"<bq></bq>"_s, u"<br>"_s, u"<caption></caption>"_s, u"<center></center>"_s, u"<cite></cite>"_s,
        u"<code></code>"_s, u"<col></col>"_s, u"<colgroup></colgroup>"_s, u"<comment></comment>"_s, u"<dd>"_s,
        u"<del></del>"_s, u"<dfn></dfn>"_s, u"<dir></dir>"_s, u"<div></div>"_s, u"<dl></dl>"_s, u"<dt>"_s,
        u"<em></em>"_s, u"<embed>"_s, u"<fig></fig>"_s, u"<fn></fn>"_s, u"<font face=\"Verdana\"></font>"_s,
        u"<form></form>"_s, u"<frame></frame>"_s, u"<frameset></frameset>"_s, u"<h1></h1>"_s, u"<h2></h2>"_s,
        u"<h3></h3>"_s, u"<h4></h4>"_s, u"<h5></h5>"_s, u"<h6></h6>"_s, u"<head></head>"_s, u"<hr>"_s,
        u"<html></html>"_s, u"<i></i>"_s, u"<iframe></iframe>"_s, u"<img src=\"\" Alt=\"\" border=\"0\">"_s,
        u"<input type=></input>"_s, u"<ins></ins>"_s, u"<isindex>"_s, u"<kbd></kbd>"_s, u"<li>"_s, u"<link>"_s,
        u"<listing></listing>"_s, emailLink, u"<map></map>"_s,
        u"<marquee  direction=left  behaviour= slide >text</marquee>"_s, u"<menu></menu>"_s,
        u"<multicol></multicol>"_s, u"<nextid>"_s, u"<nobr></nobr>"_s, u"<noframes></noframes>"_s,
        u"<noscript></noscript>"_s, u"<note></note>"_s, u"<object></object>"_s, u"<ol></ol>"_s, u"<option>"_s,
        u"<overlay>"_s, u"<p></p>"_s, u"<param></param>"_s, u"<person></person>"_s,
        u"<plaintext></plaintext>"_s, u"<pre></pre>"_s, u"<range>"_s, u"<s></s>"_s, u"<samp></samp>"_s,
        u"<script></script>"_s, u"<select></select>"_s, u"<small></small>"_s, u"<spacer>"_s, u"<span></span>"_s,
        u"<spot>"_s, u"<strike></strike>"_s, u"<strong></strong>"_s, u"<style></style>"_s, u"<sub></sub>"_s,
        u"<sup></sup>"_s, u"<tab>"_s, u"<tbody></tbody>"_s, u"<td></td>"_s, u"<textarea></textarea>"_s,
        u"<tfoot></tfoot>"_s, u"<th></th>"_s, u"<thead></thead>"_s, u"<title></title>"_s, u"<tr></tr>"_s,
        u"<tt></tt>"_s, u"<u></u>"_s, u"<ul></ul>"_s, u"<var></var>"_s, u"<wbr></wbr>"_s, u"<xmp></xmp>"_s,
    };
    return items;
}

const QStringList &ihtmlKeywords()
{
    static const QStringList items{
        u"<!ihtml>"_s, u"<iabs>"_s, u"<iaddheader>"_s, u"<iasc>"_s, u"<iassign>"_s, u"<iauthor></iauthor>"_s,
        u"<ibanner>"_s, u"<ibannerlog>"_s, u"<ibaseconv>"_s, u"<ibeep>"_s, u"<ibit>"_s, u"<ibreak>"_s,
        u"<icase></icase>"_s, u"<iceil>"_s, u"<icgi>"_s, u"<ichr>"_s, u"<iclassc>"_s, u"<iclean>"_s,
        u"<iclear>"_s, u"<iconfig>"_s, u"<icontent>"_s, u"<icookie>"_s, u"<icopyfile>"_s, u"<icounter>"_s,
        u"<icrdate>"_s, u"<icrdatetime>"_s, u"<icrtime>"_s, u"<idate>"_s, u"<idatediff>"_s, u"<idateext>"_s,
        u"<idatetime>"_s, u"<idbcolumn>"_s, u"<idbloop></idbloop>"_s, u"<idbquery></idbquery>"_s,
        u"<idbresults></idbresults>"_s, u"<idbtable></idbtable>"_s, u"<idefault>"_s, u"<idir>"_s,
        u"<idotdot>"_s, u"<idownload>"_s, u"<idsn>"_s, u"<idtstruct>"_s, u"<ielse>"_s, u"<ielseif>"_s,
        u"<ieq>"_s, u"<ierror></ierror>"_s, u"<ierrorpage>"_s, u"<ieval>"_s, u"<ifax></ifax>"_s, u"<ifile>"_s,
        u"<ifileinfo>"_s, u"<ifinger>"_s, u"<ifloor>"_s, u"<iftp>"_s, u"<iftp></iftp>"_s, u"<iftpaction>"_s,
        u"<ifunccall>"_s, u"<ifunction></ifunction>"_s, u"<igetmimefile>"_s, u"<igetmimename>"_s,
        u"<igmtime>"_s, u"<iheapdump>"_s, u"<ihtml>"_s, u"<ihtmldecode>"_s, u"<ihttp>"_s, u"<ihtx>"_s,
        u"<iif></iif>"_s, u"<iimagearc>"_s, u"<iimageclearcolor>"_s, u"<iimagecopy>"_s, u"<iimagecreate>"_s,
        u"<iimagedestroy>"_s, u"<iimagefill>"_s, u"<iimagefromfile>"_s, u"<iimagegetcolor>"_s,
        u"<iimagegetcomponent>"_s, u"<iimagegetinfo>"_s, u"<iimagegetpixel>"_s, u"<iimageline>"_s,
        u"<iimagerect>"_s, u"<iimagesetbrush>"_s, u"<iimagesetinterlace>"_s, u"<iimagesetpixel>"_s,
        u"<iimagesetstyle>"_s, u"<iimagesettransparent>"_s, u"<iimagestretch>"_s, u"<iimagetext>"_s,
        u"<iimagewithin>"_s, u"<iimagewrite>"_s, u"<iinclude>"_s, u"<iip>"_s, u"<iisalpha>"_s, u"<iisdate>"_s,
        u"<iisdef>"_s, u"<iisdigit>"_s, u"<iisformat>"_s, u"<iisleap>"_s, u"<iistime>"_s, u"<iistrue>"_s,
        u"<ilink>"_s, u"<ilistcreate>"_s, u"<ilistget>"_s, u"<ilistinsert>"_s, u"<iloop></iloop>"_s,
        u"<imail></imail>"_s, u"<imath>"_s, u"<imax>"_s, u"<imin>"_s, u"<imultipartt>"_s, u"<inap>"_s,
        u"<inumtext>"_s, u"<ipager>"_s, u"<ipay>"_s, u"<ipeek>"_s, u"<iping>"_s, u"<ipop></ipop>"_s,
        u"<ipopfetch>"_s, u"<ipopheader>"_s, u"<iport></iport>"_s, u"<iportaction>"_s, u"<iprintf>"_s,
        u"<ipush>"_s, u"<irandom>"_s, u"<iredir>"_s, u"<irefresh>"_s, u"<iregexfind>"_s, u"<iregexlist>"_s,
        u"<iregexreplace>"_s, u"<iregkey>"_s, u"<iregval>"_s, u"<irem>"_s, u"<iremblock></iremblock>"_s,
        u"<ireplace><irndnum>"_s, u"<ischedule>"_s, u"<iset></isql>"_s, u"<ishift>"_s, u"<isql>"_s,
        u"<isqlcolumns>"_s, u"<isqlfetch>"_s, u"<isqlmore>"_s, u"<isqlnextset>"_s, u"<isqlproccolumns>"_s,
        u"<isqlprocs>"_s, u"<isqltables>"_s, u"<isqltrans></islqtrans>"_s, u"<istop>"_s, u"<istrcat>"_s,
        u"<istrcmp>"_s, u"<istrcspan>"_s, u"<istricmp>"_s, u"<istrin>"_s, u"<istripchr>"_s, u"<istrjust>"_s,
        u"<istrkeep>"_s, u"<istrleft>"_s, u"<istrlen>"_s, u"<istrlpad>"_s, u"<istrlwdt>"_s, u"<istrlwr>"_s,
        u"<istrncmp>"_s, u"<istrnicmp>"_s, u"<istrrem>"_s, u"<istrrev>"_s, u"<istrright>"_s, u"<istrrpad>"_s,
        u"<istrspan>"_s, u"<istrtrim>"_s, u"<istrupr>"_s, u"<istrwith>"_s, u"<isvc>"_s,
        u"<iswitch></iswitch>"_s, u"<itelget>"_s, u"<itelnet></itelnet>"_s, u"<itelset>"_s, u"<itempname>"_s,
        u"<ithreads>"_s, u"<itime>"_s, u"<itimediff>"_s, u"<itimeslot>"_s, u"<iundefine>"_s,
        u"<iundefineset>"_s, u"<iurlencode>"_s, u"<ival>"_s, u"<ividcap>"_s, u"<iviewfile>"_s,
        u"<iwhile></iwhile>"_s, {}, {},
    };
    return items;
}

const QStringList &aspKeywords()
{
    static const QStringList items{
        u"HTTP_REFERER"_s, u"ALL_HTTP"_s, u"AUTH_PASS"_s, u"AUTH_TYPE"_s, u"CONTENT_LENGTH"_s,
        u"CONTENT_TYPE"_s, u"GATEWAY_INTERFACE"_s, u"PATH_INFO"_s, u"PATH_TRANSLATED"_s, u"QUERY_STRING"_s,
        u"REMOTE_ADDR"_s, u"REMOTE_HOST"_s, u"REMOTE_IDENT"_s, u"REMOTE_USER"_s, u"REQUEST_BODY"_s,
        u"REQUEST_METHOD"_s, u"SCRIPT_NAME"_s, u"SERVER_NAME"_s, u"SERVER_PORT"_s, u"SERVER_PROTOCOL"_s,
        u"SERVER_SOFTWARE"_s, {}, {}, {},
    };
    return items;
}

} // namespace reference
