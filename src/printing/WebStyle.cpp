// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/WebStyle.h"

namespace dravik::printing {

// Columns are fractions with no minimum, so a long name wraps inside its cell and
// the page never grows wider than the window. A closed event shows its start list
// when it is the address's target and on paper, without any script.
const char* webPageStyle()
{
    return R"css(
*{box-sizing:border-box}
html{-webkit-text-size-adjust:100%}
body{margin:0;font:16px/1.45 system-ui,-apple-system,"Segoe UI",Roboto,"DejaVu Sans",Arial,sans-serif;color:#1c2421;background:#eef2f0;overflow-wrap:anywhere}
a{color:#17603a}
.vh,.sep{position:absolute;width:1px;height:1px;overflow:hidden;clip:rect(0 0 0 0);clip-path:inset(50%);white-space:nowrap}
.top{display:flex;gap:14px;align-items:center;padding:14px 16px;background:#1f5f3a;color:#fff}
.top img{width:56px;height:auto;flex:none;border-radius:6px;background:#fff}
.top h1,.top .meeting{margin:0;font-size:1.5rem;line-height:1.2;font-weight:700;color:#fff}
.top .meeting a{color:#fff;text-decoration:none}
.top p{margin:2px 0 0}
.bar{background:#174a2d;padding:6px 8px}
.bar ul,.az ul,.pages ul,.lists{display:flex;flex-wrap:wrap;gap:4px 6px;margin:0;padding:0;list-style:none}
.bar a{display:block;color:#fff;padding:4px 10px;border-radius:16px;text-decoration:none;white-space:nowrap}
.bar a.on{background:#fff;color:#174a2d;font-weight:600}
main{max-width:1200px;margin:0 auto;padding:8px 8px 24px}
h1{margin:14px 4px 8px;font-size:1.35rem;color:#1f5f3a}
h2{margin:18px 4px 8px;font-size:1.2rem;color:#1f5f3a}
h3{margin:10px 0 4px;font-size:1rem}
.symbols{margin:0 4px 8px;color:#46534d}
.symbols p{display:inline;margin:0 8px 0 0;font-weight:600}
.symbols ul{display:inline;margin:0;padding:0;list-style:none}
.symbols li{display:inline;margin-right:12px}
.days ul{list-style:none;margin:0;padding:0;display:grid;gap:8px}
.days li{background:#fff;border:1px solid #cfd8d3;border-radius:8px;padding:12px 14px}
.days li a{display:block;font-size:1.1rem;font-weight:700}
.about{color:#46534d}
.lists{margin:12px 4px}
.lists a,.az a,.pages a{display:block;padding:6px 12px;background:#fff;border:1px solid #cfd8d3;border-radius:16px;text-decoration:none}
.az,.pages{margin:8px 0}
.az a{min-width:2.4rem;text-align:center;font-weight:600}
.pages a.on{background:#1f5f3a;color:#fff}
.teams{margin:0;padding:0;list-style:none;display:grid;gap:6px}
.teams li{background:#fff;border:1px solid #cfd8d3;border-radius:8px;padding:8px 12px}
.teams li a{font-weight:600;margin-right:8px}
.races{background:#fff;border:1px solid #cfd8d3}
.who th{background:#e6eeea;font-weight:400;border-top:2px solid #cfd8d3}
.who:target th{background:#fde9e3}
.head{display:none}
details.event{margin:6px 0;background:#fff;border:1px solid #cfd8d3;border-radius:8px;scroll-margin-top:8px}
details.event[open],details.event:target{border-color:#1f5f3a}
details.event:target{outline:3px solid #c84b31;outline-offset:-1px}
details.event:target::details-content{content-visibility:visible;display:block}
summary{position:relative;display:grid;grid-template-columns:3.2rem minmax(0,1fr) auto;grid-template-areas:"no ev n" "time meta meta" "recs recs recs";gap:2px 10px;padding:10px 12px;cursor:pointer;list-style:none}
summary::-webkit-details-marker{display:none}
summary:focus-visible{outline:3px solid #c84b31}
.no{grid-area:no;font-weight:700}
.ev{grid-area:ev;font-weight:600}
.time{grid-area:time;color:#46534d}
.meta{grid-area:meta;color:#46534d}
.meta span:not(.sep)~span:not(.sep)::before{content:" \00b7  "}
.recs{grid-area:recs;color:#7a2c1c}
.rl{display:block}
.rl span:not(.sep)~span:not(.sep)::before{content:" \00b7  "}
.n{grid-area:n;color:#46534d;white-space:nowrap}
.n::after{content:" \25b8";display:inline-block;margin-left:4px}
details[open] .n::after,details:target .n::after{transform:rotate(90deg)}
.start{padding:0 12px 12px;border-top:1px solid #e1e7e4}
.none{margin:10px 0 0;color:#46534d}
table{border-collapse:collapse;width:100%}
th,td{padding:5px 8px;text-align:left;vertical-align:top;border-bottom:1px solid #e1e7e4}
th{background:#f3f6f4}
.sl,.races{table-layout:fixed}
.sl th,.sl td{overflow-wrap:break-word}
.sl .lane{width:4.6rem}
.sl .id{width:4.6rem}
.sl .team{width:34%}
.races .rday{width:7.5rem}.races .rtime{width:4rem}.races .rheat{width:5.5rem}.races .rpos{width:6.5rem}
.scroll{background:#fff;border:1px solid #cfd8d3;border-radius:8px}
.right{text-align:right}
.foot{max-width:1200px;margin:0 auto;padding:8px 12px 20px;color:#46534d;font-size:.9rem}
@media (max-width:47.99rem){
 .top{padding:10px 12px;gap:10px}
 .top img{width:44px}
 .top h1,.top .meeting{font-size:1.2rem}
 .top p{font-size:.9rem}
 .races,.races tbody,.rec,.rec tbody{display:block}
 .races thead,.rec thead{display:none}
 .races tr{display:grid;grid-template-columns:auto auto 1fr auto;grid-template-areas:"ev ev ev ev" "day time heat pos";gap:0 10px;padding:6px 10px;border-bottom:1px solid #e1e7e4}
 .races td,.races th{border:0;padding:0;width:auto}
 .races .who tr:first-child,.races .who th{display:block;padding:6px 10px}
 .races .who th{padding:0}
 .races td:nth-child(1){grid-area:day}.races td:nth-child(2){grid-area:time}.races td:nth-child(3){grid-area:ev}.races td:nth-child(4){grid-area:heat}.races td:nth-child(5){grid-area:pos}
 .rec tr{display:block;padding:8px 12px;border-bottom:1px solid #cfd8d3}
 .rec td{display:grid;grid-template-columns:minmax(0,2fr) minmax(0,3fr);gap:10px;border:0;padding:1px 0;text-align:left}
 .rec td::before{content:attr(data-label);color:#46534d}
 .rec td:first-child{font-weight:600}
}
@media (min-width:48rem){
 .scroll{overflow-x:auto}
 .scroll th,.scroll td{white-space:nowrap}
}
@media (min-width:48rem),print{
 .head{display:grid;padding:6px 12px;font-weight:700;color:#1f5f3a;border-bottom:2px solid #1f5f3a}
 summary,.head{grid-template-areas:none;gap:0 10px;grid-template-columns:minmax(0,3fr) minmax(0,3.5fr) minmax(0,7fr) minmax(0,11fr) minmax(0,3.5fr) minmax(0,6fr) 2.6rem}
 .r1 summary,.r1 .head{grid-template-columns:minmax(0,3fr) minmax(0,3.5fr) minmax(0,7fr) minmax(0,11fr) minmax(0,3.5fr) minmax(0,6fr) minmax(0,8fr) 2.6rem}
 .r4 summary,.r4 .head{grid-template-columns:minmax(0,3fr) minmax(0,3.5fr) minmax(0,7fr) minmax(0,10fr) minmax(0,3.5fr) minmax(0,6fr) minmax(0,7fr) minmax(0,7fr) minmax(0,7fr) minmax(0,4fr) 2.6rem}
 .r5 summary,.r5 .head{grid-template-columns:minmax(0,3fr) minmax(0,3.5fr) minmax(0,7fr) minmax(0,10fr) minmax(0,3.5fr) minmax(0,6fr) minmax(0,7fr) minmax(0,7fr) minmax(0,7fr) minmax(0,4fr) minmax(0,5fr) 2.6rem}
 .no,.time,.gen,.ev,.place,.lvl,.recs,.n{grid-row:1}
 .no{grid-column:1}.time{grid-column:2}.gen{grid-column:3}.ev{grid-column:4}.place{grid-column:5}.lvl{grid-column:6}
 .meta,.rl{display:contents}
 .meta span:not(.sep)~span:not(.sep)::before,.rl span:not(.sep)~span:not(.sep)::before{content:none}
 .recs{grid-column:7/-2;display:grid;grid-template-columns:subgrid;gap:0 10px}
 .head .recs{color:inherit}
 .n{grid-column:-2/-1;text-align:right}
 details.event{margin:0;border-width:0 0 1px;border-radius:0}
 details.event:nth-of-type(even){background:#f7faf8}
 .start{padding:4px 12px 14px calc(12px + 3rem)}
 .sl{max-width:44rem}
 .days ul{grid-template-columns:repeat(auto-fill,minmax(16rem,1fr))}
 .teams{grid-template-columns:repeat(auto-fill,minmax(18rem,1fr))}
}
@media print{
 body{background:#fff;font-size:10pt}
 .top{background:none;color:#000;padding:0 0 8px}
 .top .meeting a{color:#000}
 .bar,.az,.pages,.n::after{display:none}
 main{padding:0;max-width:none}
 details.event::details-content{content-visibility:visible;display:block}
 details.event:target{outline:none}
 .start{break-inside:avoid}
 summary{padding:3px 0;break-after:avoid}
 .scroll{overflow:visible;border:none}
 .who{break-inside:avoid}
}
)css";
}

} // namespace dravik::printing
