// SPDX-License-Identifier: GPL-3.0-or-later
#include "snippets.h"

#include "document/session.h"

using namespace Qt::Literals::StringLiterals;

namespace markup {
namespace {

using document::Pieces;

/// The site address the favourite and home-page links point at; a reserved example domain,
/// since the user is meant to put their own site there.
const QString HomeAddress = u"http://www.example.com/"_s;

} // namespace

std::vector<ui::UnitBinding> snippetCommands(document::Session &s)
{
    const auto inserting = [&s](const QString &unit, Pieces pieces) -> ui::UnitBinding {
        return {unit, ui::Event::Clicked,
                [&s, pieces = std::move(pieces)](ui::UiRuntime &rt) { document::insertPieces(rt, s, pieces); }};
    };
    // Snippets reached from two triggers are defined once here.
    const Pieces table{
        u"<table border=\"\" align=\"\" width=\"\" height=\"\" cellspacing=\"\" cellpadding=\"\" bgcolor=\"\" bordercolor=\"\">\r\n"_s,
        u"<tr bgcolor=\"\">\r\n"_s,
        u"<td>\"1-1\"</td>\r\n"_s,
        u"</tr>\r\n"_s,
        u"</table>"_s,
    };
    const Pieces rule{u"<hr>"_s};
    const Pieces checkBox{u"<input type=\"checkbox\" value=\"ON\" checked name=\"C1\">"_s};
    const Pieces radioButton{u"<input type=\"radio\" value=\"V1\" checked name=\"R1\">"_s};
    const Pieces strong{u"<strong></strong>"_s};
    const Pieces emphasis{u"<em></em>"_s};

    return {
        // 插入
        inserting(u"插入/水平线"_s, rule),
        inserting(u"插入/编辑css"_s,
                  {u"<style type=\"text/css\">"_s, u"/*<![CDATA[*/"_s, u"/*]]>*/"_s, u"</style>"_s}),
        inserting(u"插入/表格/表格"_s, table),
        inserting(u"插入/表格/TR"_s, {u"<TR></TR>"_s}),
        inserting(u"插入/表格/TH"_s, {u"<TH></TH>"_s}),
        inserting(u"插入/表格/TD"_s, {u"<TD></TD>"_s}),
        inserting(u"插入/表单/复选框"_s, checkBox),
        inserting(u"插入/表单/单选框"_s, radioButton),
        inserting(u"插入/脚本对象/插入noscript"_s, {u"<noscript></noscript>"_s}),
        inserting(u"插入/时间标签"_s, {u"<!--%TimeStamp%-->2005-05-31 21:31<!---->"_s}),

        // java特效
        inserting(u"java特效/加入收藏夹"_s,
                  {u"<a href=javascript:void(0);onclick=window.external.AddFavorite(\""_s + HomeAddress +
                   u"\",\"Orlen开发系统\");>[加入收藏]</a>"_s}),
        inserting(u"java特效/设为首页"_s,
                  {u"<a href style=\"cursor:hand\" onClick=\"this.style.behavior='url(#default#homepage)';this.setHomePage('"_s +
                   HomeAddress + u"');\">设为首页</a>"_s}),
        inserting(u"java特效/调整窗体大小"_s,
                  {u"<input type=button value=调节到宽200高300 onclick=window.resizeTo(200,300)>"_s}),
        inserting(u"java特效/IE按钮"_s,
                  {u"<input type=button value=后退 onclick=history.go(-1)><input type=button value=刷新 onclick=history.go(-0)><input type=button value=前进 onclick=history.go(+1)>"_s}),
        inserting(u"java特效/分时问候"_s,
                  {
                      u"<script language=\"javaScript\">\r\n"_s,
                      u"<!--\r\n"_s,
                      u"now = new Date(),hour = now.getHours()\r\n"_s,
                      u"if(hour < 6){document.write(\"凌晨好!\")}\r\n"_s,
                      u"else if (hour < 9){document.write(\"早上好!\")}\r\n"_s,
                      u"else if (hour < 12){document.write(\"上午好!\")}\r\n"_s,
                      u"else if (hour < 14){document.write(\"中午好!\")}\r\n"_s,
                      u"else if (hour < 17){document.write(\"下午好!\")}\r\n"_s,
                      u"else if (hour < 19){document.write(\"傍晚好!\")}\r\n"_s,
                      u"else if (hour < 22){document.write(\"晚上好!\")}\r\n"_s,
                      u"else {document.write(\"夜里好!\")}\r\n"_s,
                      u"// -->\r\n"_s,
                      u"</script>\r\n"_s,
                  }),
        inserting(u"java特效/前后退按钮"_s,
                  {
                      u"<FORM>\r\n"_s,
                      u"<INPUT TYPE=\"button\" VALUE=\"<<后退\" onClick=\"history.go(-1)\">\r\n"_s,
                      u"<INPUT TYPE=\"button\" VALUE=\"前进>>\" onClick=\"history.go(1)\">\r\n"_s,
                      u"</FORM>"_s,
                  }),
        inserting(u"java特效/检测浏览器"_s,
                  {u"<script>document.write(\"当前浏览器：\"+navigator.appName+\" \"+navigator.appVersion);</script>"_s}),
        inserting(u"java特效/防止网页被他人调用"_s,
                  {
                      u"<SCRIPT LANGUAGE=JAVASCRIPT>\r\n"_s,
                      u"if (top.location !== self.location)\r\n"_s,
                      u"{\r\n"_s,
                      u"top.location=self.location;\r\n"_s,
                      u"}\r\n"_s,
                      u"</SCRIPT>\r\n"_s,
                  }),
        inserting(u"java特效/IE浏览器滚动条设置"_s,
                  {
                      u"<style>\r\n"_s,
                      u"BODY {\r\n"_s,
                      u"SCROLLBAR-FACE-COLOR: #80EE80;\r\n"_s,
                      u"SCROLLBAR-HIGHLIGHT-COLOR: #C0C0C0;\r\n"_s,
                      u"SCROLLBAR-SHADOW-COLOR: #A0A0A0;\r\n"_s,
                      u"SCROLLBAR-3DLIGHT-COLOR: #C0FFC0;\r\n"_s,
                      u"SCROLLBAR-DARKSHADOW-COLOR: #C0FFC0;\r\n"_s,
                      u"SCROLLBAR-ARROW-COLOR: #108810;\r\n"_s,
                      u"SCROLLBAR-TRACK-COLOR: #C0FFC0;\r\n"_s,
                      u"SCROLLBAR-BASE-COLOR: #000000;\r\n"_s,
                      u"}\r\n"_s,
                      u"</style>\r\n"_s,
                  }),

        // SQL: the four filters insert their own caption; the rest are skeletons to fill in.
        inserting(u"SQL/筛选/SELECT*FROM..WHERE"_s, {u"SELECT*FROM..WHERE"_s}),
        inserting(u"SQL/筛选/SELECT*FROM..WHERE..LIKE"_s, {u"SELECT*FROM..WHERE..LIKE"_s}),
        inserting(u"SQL/筛选/SELECT*FROM..WHERE..IN"_s, {u"SELECT*FROM..WHERE..IN"_s}),
        inserting(u"SQL/筛选/SELECT*FROM..WHERE..BETWEEN"_s, {u"SELECT*FROM..WHERE..BETWEEN"_s}),
        inserting(u"SQL/排序/递增"_s, {u"SELECT*FROM 表 ORDER BY 字段 ASC"_s}),
        inserting(u"SQL/排序/递减"_s, {u"SELECT*FROM 表 ORDER BY 字段 DESC"_s}),
        inserting(u"SQL/增加记录"_s, {u"INSERT INTO 表名称 (字段1,字段2,字段3,...)VALUES(数据1,数据2,数据3,...)"_s}),
        inserting(u"SQL/更新记录"_s, {u"UPDATE 表名称 SET 字段1=数据1,字段2=数据2 WHERE 条件"_s}),
        inserting(u"SQL/删除记录"_s, {u"DELETE*FROM 表名称 WHERE 条件"_s}),

        // Toolbar, page 常用
        inserting(u"超级按钮21"_s, table),
        inserting(u"超级按钮26"_s, rule),
        inserting(u"超级按钮28"_s, {u"<!--       -->"_s}),

        // Page 文本: the selection is replaced, not wrapped.
        inserting(u"超级按钮1"_s, strong),
        inserting(u"超级按钮2"_s, emphasis),
        inserting(u"超级按钮3"_s, strong),
        inserting(u"超级按钮4"_s, emphasis),
        inserting(u"超级按钮5"_s, {u"<p></p>"_s}),
        inserting(u"超级按钮6"_s, {u"<blockquote></blockquote>"_s}),
        inserting(u"超级按钮7"_s, {u"<pre></pre>"_s}),
        inserting(u"超级按钮8"_s, {u"<h1></h1>"_s}),
        inserting(u"超级按钮9"_s, {u"<h2></h2>"_s}),
        inserting(u"超级按钮10"_s, {u"<h3></h3>"_s}),
        inserting(u"超级按钮11"_s, {u"<ul></ul>"_s}),
        inserting(u"超级按钮12"_s, {u"<ol></ol>"_s}),
        inserting(u"超级按钮13"_s, {u"<li></li>"_s}),
        inserting(u"超级按钮14"_s, {u"<dl></dl>"_s}),
        inserting(u"超级按钮15"_s, {u"<dt></dt>"_s}),
        inserting(u"超级按钮16"_s, {u"<dd></dd>"_s}),

        // Page 表单
        inserting(u"超级按钮32"_s, radioButton),
        inserting(u"超级按钮33"_s, checkBox),

        // Page 特殊字符
        inserting(u"超级按钮17"_s, {u"&#8482;"_s}),
        inserting(u"超级按钮23"_s, {u"&reg;"_s}),
        inserting(u"超级按钮39"_s, {u"&copy;"_s}),
        inserting(u"超级按钮40"_s, {u"&para;"_s}),
        inserting(u"超级按钮41"_s, {u"&pound;"_s}),
        inserting(u"超级按钮42"_s, {u"&cent;"_s}),
        inserting(u"超级按钮43"_s, {u"&yen;"_s}),
        inserting(u"超级按钮44"_s, {u"&sect;"_s}),
        inserting(u"超级按钮45"_s, {u"&#8240;"_s}),
    };
}

} // namespace markup
