// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ExchangeTemplate.h"

#include "platform/StoreError.h"

#include <zip.h>

#include <string>
#include <utility>
#include <vector>

namespace dravik {

namespace {

const char* const kContentTypes =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">
<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>
<Default Extension="xml" ContentType="application/xml"/>
<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>
<Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>
<Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>
<Override PartName="/xl/sharedStrings.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/>
<Override PartName="/docProps/app.xml" ContentType="application/vnd.openxmlformats-officedocument.extended-properties+xml"/>
</Types>)";

const char* const kPackageRels =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>
<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties" Target="docProps/app.xml"/>
</Relationships>)";

const char* const kAppProperties =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Properties xmlns="http://schemas.openxmlformats.org/officeDocument/2006/extended-properties"><Application>Dravik Sport - Program</Application></Properties>)";

const char* const kWorkbook =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">
<bookViews><workbookView activeTab="0"/></bookViews>
<sheets><sheet name="Program" sheetId="1" r:id="rId1"/></sheets>
</workbook>)";

const char* const kWorkbookRels =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>
<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>
<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/>
</Relationships>)";

// Style 0 plain, 1 bold headings, 2 the worked-out columns in grey.
const char* const kStyles =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">
<fonts count="3"><font><sz val="10"/><name val="Arial"/></font><font><b/><sz val="10"/><name val="Arial"/></font><font><sz val="10"/><color rgb="FF606060"/><name val="Arial"/></font></fonts>
<fills count="2"><fill><patternFill patternType="none"/></fill><fill><patternFill patternType="gray125"/></fill></fills>
<borders count="1"><border><left/><right/><top/><bottom/><diagonal/></border></borders>
<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>
<cellXfs count="3"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/><xf numFmtId="0" fontId="1" fillId="0" borderId="0" xfId="0" applyFont="1"/><xf numFmtId="0" fontId="2" fillId="0" borderId="0" xfId="0" applyFont="1"/></cellXfs>
<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>
</styleSheet>)";

std::string escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// The heading texts, kept in the workbook's shared-strings part as spreadsheet programs do.
class Texts {
public:
    std::string cell(const std::string& ref, const std::string& text, int style)
    {
        texts_.push_back(text);
        return "<c r=\"" + ref + "\" s=\"" + std::to_string(style) + "\" t=\"s\"><v>" +
               std::to_string(texts_.size() - 1) + "</v></c>";
    }
    std::string partXml() const
    {
        std::string x = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                        "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" count=\"" +
                        std::to_string(texts_.size()) + "\" uniqueCount=\"" + std::to_string(texts_.size()) + "\">";
        for (const auto& t : texts_)
            x += "<si><t xml:space=\"preserve\">" + escaped(t) + "</t></si>";
        return x + "</sst>";
    }

private:
    std::vector<std::string> texts_;
};

std::string sheetXml(Texts& texts)
{
    auto textCell = [&](const std::string& ref, const std::string& text, int style) {
        return texts.cell(ref, text, style);
    };
    // Column widths in characters, columns 1 to 16.
    static const int widths[] = {6, 5, 6, 7, 12, 9, 6, 30, 24, 10, 14, 16, 7, 26, 8, 5};
    static const char* headings[] = {"No",    "Sub",    "Place", "Time",    "Level", "Gender", "Age",   "Event - Code",
                                     "Event", "Record", "Name",  "Surname", "Year",  "Team",   "Table", "Day"};
    std::string x = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">
<sheetViews><sheetView workbookViewId="0"><pane ySplit="5" topLeftCell="A6" activePane="bottomLeft" state="frozen"/></sheetView></sheetViews>
<sheetFormatPr defaultRowHeight="13"/>
<cols>)";
    for (int c = 0; c < 16; ++c)
        x += "<col min=\"" + std::to_string(c + 1) + "\" max=\"" + std::to_string(c + 1) + "\" width=\"" +
             std::to_string(widths[c]) + "\" customWidth=\"1\"/>";
    x += "</cols>\n<sheetData>\n";
    x += "<row r=\"1\">" + textCell("A1", "Dravik Sport - Program", 1) + "</row>\n";
    x += "<row r=\"2\">" + textCell("A2", "Events from row 6, one a row; the list ends at the first empty No.", 0) +
         "</row>\n";
    x += "<row r=\"3\">" +
         textCell("A3",
                  "Level: F... final, S... semi-final, any other quarter-final, or a level's full name. "
                  "Gender: M... male, any other female.",
                  0) +
         "</row>\n";
    x += "<row r=\"4\">" +
         textCell("A4",
                  "Event - Code: the event name, \" - \" and the four-digit event definition number; "
                  "Event and Table are worked out from it.",
                  0) +
         "</row>\n";
    x += "<row r=\"5\">";
    for (int c = 0; c < 16; ++c) {
        std::string ref(1, static_cast<char>('A' + c));
        x += textCell(ref + "5", headings[c], 1);
    }
    x += "</row>\n";
    for (int r = exchangetemplate::FirstEventRow; r <= exchangetemplate::LastEventRow; ++r) {
        std::string n = std::to_string(r), h = "H" + n;
        x += "<row r=\"" + n + "\"><c r=\"I" + n + "\" s=\"2\" t=\"str\"><f>IF(LEN(" + h + ")&gt;7,LEFT(" + h +
             ",LEN(" + h + ")-7),\"\")</f><v></v></c><c r=\"O" + n + "\" s=\"2\" t=\"str\"><f>IF(LEN(" + h +
             ")&gt;7,VALUE(RIGHT(" + h + ",4)),\"\")</f><v></v></c></row>\n";
    }
    x += "</sheetData>\n"
         R"(<pageMargins left="0.5" right="0.5" top="0.75" bottom="0.75" header="0.3" footer="0.3"/>)"
         "\n<pageSetup orientation=\"landscape\"/>\n</worksheet>";
    return x;
}

} // namespace

void writeExchangeTemplate(const std::string& file)
{
    int code = 0;
    zip_t* zip = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!zip) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        std::string reason = zip_error_strerror(&error);
        zip_error_fini(&error);
        throw StoreError("Cannot write the exchange template \"" + file + "\": " + reason);
    }
    // The sources point into these strings until zip_close has written them.
    Texts texts;
    const std::vector<std::pair<const char*, std::string>> parts = {
        {"[Content_Types].xml", kContentTypes},        {"_rels/.rels", kPackageRels},
        {"docProps/app.xml", kAppProperties},          {"xl/workbook.xml", kWorkbook},
        {"xl/_rels/workbook.xml.rels", kWorkbookRels}, {"xl/styles.xml", kStyles},
        {"xl/worksheets/sheet1.xml", sheetXml(texts)}, {"xl/sharedStrings.xml", texts.partXml()},
    };
    for (const auto& [name, data] : parts) {
        zip_source_t* src = zip_source_buffer(zip, data.data(), data.size(), 0);
        if (!src || zip_file_add(zip, name, src, ZIP_FL_ENC_UTF_8) < 0) {
            if (src)
                zip_source_free(src);
            std::string reason = zip_strerror(zip);
            zip_discard(zip);
            throw StoreError("Cannot write the exchange template \"" + file + "\": " + reason);
        }
    }
    if (zip_close(zip) != 0) {
        std::string reason = zip_strerror(zip);
        zip_discard(zip);
        throw StoreError("Cannot write the exchange template \"" + file + "\": " + reason);
    }
}

} // namespace dravik
