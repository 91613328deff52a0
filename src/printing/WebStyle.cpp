#include "printing/WebStyle.h"

namespace dravik::printing {

// Columns are fractions with no minimum, so a long name wraps inside its cell and
// the page never grows wider than the window.
const char* webPageStyle()
{
    return R"css(
*{box-sizing:border-box}
html{-webkit-text-size-adjust:100%}
body{margin:0;font:16px/1.45 system-ui,-apple-system,"Segoe UI",Roboto,"DejaVu Sans",Arial,sans-serif;color:#1c2421;background:#eef2f0;overflow-wrap:anywhere}
.top{display:flex;gap:14px;align-items:center;padding:14px 16px;background:#1f5f3a;color:#fff}
.top img{width:64px;height:auto;flex:none;border-radius:6px;background:#fff}
.top h1{margin:0;font-size:1.5rem;line-height:1.2}
.top p{margin:2px 0 0}
nav{display:flex;gap:6px;padding:8px 12px;background:#174a2d}
nav a{color:#fff;padding:6px 12px;border-radius:16px;text-decoration:none}
nav a.on{background:#fff;color:#174a2d;font-weight:600}
main{max-width:1200px;margin:0 auto;padding:8px 8px 24px}
h2{margin:18px 4px 8px;font-size:1.2rem;color:#1f5f3a}
h3{margin:10px 0 4px;font-size:1rem}
.symbols ul{margin:0 0 4px;padding-left:24px}
.head{display:none}
details.event{margin:6px 0;background:#fff;border:1px solid #cfd8d3;border-radius:8px}
details.event[open]{border-color:#1f5f3a}
summary{display:grid;grid-template-columns:3.2rem minmax(0,1fr) auto;grid-template-areas:"no ev n" "time meta meta" "recs recs recs";gap:2px 10px;padding:10px 12px;cursor:pointer;list-style:none}
summary::-webkit-details-marker{display:none}
summary:focus-visible{outline:3px solid #c84b31}
.no{grid-area:no;font-weight:700}
.ev{grid-area:ev;font-weight:600}
.time{grid-area:time;color:#46534d}
.meta{grid-area:meta;color:#46534d}
.meta span+span::before{content:" \00b7  "}
.recs{grid-area:recs;color:#7a2c1c}
.rl{display:block}
.rl span+span::before{content:" \00b7  "}
.n{grid-area:n;color:#46534d;white-space:nowrap}
.n::after{content:" \25b8";display:inline-block;margin-left:4px}
details[open] .n::after{transform:rotate(90deg)}
.start{padding:0 12px 12px;border-top:1px solid #e1e7e4}
.none{margin:10px 0 0;color:#46534d}
table{border-collapse:collapse;width:100%}
th,td{padding:5px 8px;text-align:left;vertical-align:top;border-bottom:1px solid #e1e7e4}
th{background:#f3f6f4}
.sl{table-layout:fixed}
.sl th,.sl td{overflow-wrap:break-word}
.sl .lane{width:4.2rem}
.sl .id{width:4.6rem}
.sl .team{width:34%}
.scroll{overflow-x:auto;background:#fff;border:1px solid #cfd8d3;border-radius:8px}
.scroll th,.scroll td{white-space:nowrap}
.right{text-align:right}
@media (min-width:48rem),print{
 .head{display:grid;padding:6px 12px;font-weight:700;color:#1f5f3a;border-bottom:2px solid #1f5f3a}
 summary,.head{grid-template-areas:none;gap:0 10px;grid-template-columns:minmax(0,3fr) minmax(0,3.5fr) minmax(0,7fr) minmax(0,11fr) minmax(0,3.5fr) minmax(0,6fr) 2.6rem}
 .r1 summary,.r1 .head{grid-template-columns:minmax(0,3fr) minmax(0,3.5fr) minmax(0,7fr) minmax(0,11fr) minmax(0,3.5fr) minmax(0,6fr) minmax(0,8fr) 2.6rem}
 .r4 summary,.r4 .head{grid-template-columns:minmax(0,3fr) minmax(0,3.5fr) minmax(0,7fr) minmax(0,10fr) minmax(0,3.5fr) minmax(0,6fr) minmax(0,7fr) minmax(0,7fr) minmax(0,7fr) minmax(0,4fr) 2.6rem}
 .r5 summary,.r5 .head{grid-template-columns:minmax(0,3fr) minmax(0,3.5fr) minmax(0,7fr) minmax(0,10fr) minmax(0,3.5fr) minmax(0,6fr) minmax(0,7fr) minmax(0,7fr) minmax(0,7fr) minmax(0,4fr) minmax(0,5fr) 2.6rem}
 .no,.time,.gen,.ev,.place,.lvl,.recs,.n{grid-row:1}
 .no{grid-column:1}.time{grid-column:2}.gen{grid-column:3}.ev{grid-column:4}.place{grid-column:5}.lvl{grid-column:6}
 .meta,.rl{display:contents}
 .meta span+span::before,.rl span+span::before{content:none}
 .recs{grid-column:7/-2;display:grid;grid-template-columns:subgrid;gap:0 10px}
 .head .recs{color:inherit}
 .n{grid-column:-2/-1;text-align:right}
 details.event{margin:0;border-width:0 0 1px;border-radius:0}
 details.event:nth-of-type(even){background:#f7faf8}
 .start{padding:4px 12px 14px calc(12px + 3rem)}
 .sl{max-width:44rem}
}
@media print{
 body{background:#fff;font-size:10pt}
 .top{background:none;color:#000;padding:0 0 8px}
 nav,.n{display:none}
 main{padding:0;max-width:none}
 details.event{break-inside:avoid}
 summary{padding:3px 0}
 .scroll{overflow:visible;border:none}
}
)css";
}

} // namespace dravik::printing
