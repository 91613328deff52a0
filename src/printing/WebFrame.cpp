// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/WebFrame.h"

namespace dravik::printing {

void webPageStart(HtmlWriter& w, const WebFrame& frame, const std::string& title, const std::string& current,
                  const std::string& mainClass)
{
    const WebTexts& t = webTexts(frame.language);
    w.raw("<!DOCTYPE html>\n").open("html", attribute("lang", t.lang)).raw("\n<head>\n");
    w.raw("<meta charset=\"utf-8\">\n<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n");
    w.element("title", title).raw("\n<link rel=\"stylesheet\" href=\"style.css\">\n</head>\n<body>\n");
    w.open("header", " class=\"top\"");
    if (!frame.logoFile.empty())
        w.open("img", attribute("src", frame.logoFile) + " alt=\"\"");
    w.open("div");
    // The start page is headed by the meeting; every other page leads back to it
    // by the meeting's name and has a heading of its own.
    const std::string& meeting = frame.meeting.empty() ? title : frame.meeting;
    if (current == "index.html")
        w.element("h1", meeting);
    else
        w.open("p", " class=\"meeting\"").element("a", meeting, " href=\"index.html\"").close("p");
    if (!frame.venue.empty())
        w.element("p", frame.venue);
    w.element("p", frame.dates).close("div").close("header").raw("\n");
    if (frame.bar.size() > 1) {
        w.open("nav", " class=\"bar\"" + attribute("aria-label", t.siteNav)).open("ul");
        for (const WebLink& link : frame.bar) {
            w.open("li");
            const bool on = link.href == current;
            w.element("a", link.label, attribute("href", link.href) + (on ? " class=\"on\"" : ""));
            w.close("li");
        }
        w.close("ul").close("nav").raw("\n");
    }
    w.open("main", mainClass.empty() ? std::string() : attribute("class", mainClass)).raw("\n");
}

void webPageEnd(HtmlWriter& w, const WebFrame& frame)
{
    w.raw("\n</main>\n");
    w.open("footer", " class=\"foot\"").element("p", frame.published).close("footer");
    w.raw("\n</body>\n</html>\n");
}

} // namespace dravik::printing
