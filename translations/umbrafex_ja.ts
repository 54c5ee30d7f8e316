<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutBox</name>
    <message>
        <source>&lt;p&gt;This program is free software: you may redistribute and modify it under the GNU General Public License, version 3 or later (GPL-3.0-or-later). It comes with no warranty.&lt;/p&gt;&lt;p&gt;Place data: built from &lt;a href=&quot;https://www.geonames.org/&quot;&gt;GeoNames&lt;/a&gt; (CC BY 4.0), Unicode CLDR (Unicode License), the IANA time zone database, iso-codes and PROJ.&lt;/p&gt;&lt;p&gt;Uses Qt 6 (LGPL v3) and libxlsxwriter (BSD 2-Clause). See &lt;a href=&quot;help:credits&quot;&gt;Data Sources and Licenses&lt;/a&gt; for details.&lt;/p&gt;</source>
        <translation>&lt;p&gt;このプログラムはフリーソフトウェアです。GNU General Public License バージョン3またはそれ以降 (GPL-3.0-or-later) の条件で再配布・改変できます。無保証です。&lt;/p&gt;&lt;p&gt;地域データ: &lt;a href=&quot;https://www.geonames.org/&quot;&gt;GeoNames&lt;/a&gt; (CC BY 4.0)、Unicode CLDR (Unicode License)、IANA タイムゾーン データベース、iso-codes、PROJ をもとに作成しています。&lt;/p&gt;&lt;p&gt;Qt 6 (LGPL v3)、libxlsxwriter (BSD 2-Clause) を使用しています。詳しくは&lt;a href=&quot;help:credits&quot;&gt;データの出典とライセンス&lt;/a&gt;をご覧ください。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Umbrafex</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Designs horizontal sundials and prints them as paper models.</source>
        <translation>水平型日時計を設計し、紙の模型として印刷するプログラムです。</translation>
    </message>
</context>
<context>
    <name>AngleText</name>
    <message>
        <source>%1°%2′</source>
        <translation>%1度%2分</translation>
    </message>
    <message>
        <source>%1°%2′ W</source>
        <translation>西偏%1度%2分</translation>
    </message>
    <message>
        <source>%1°%2′ E</source>
        <translation>東偏%1度%2分</translation>
    </message>
</context>
<context>
    <name>AppIni</name>
    <message>
        <source>cannot write to the folder %1</source>
        <translation>フォルダ %1 に書き込めません</translation>
    </message>
    <message>
        <source>a folder has the same name</source>
        <translation>同じ名前のフォルダがあります</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>larger than 16 MB</source>
        <translation>16 MB を超えています</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>読み込めません</translation>
    </message>
    <message>
        <source>written in UTF-16, which cannot be read</source>
        <translation>UTF-16 で書かれていて読み込めません</translation>
    </message>
    <message>
        <source>read-only, so the settings cannot be saved</source>
        <translation>読み取り専用で、設定を保存できません</translation>
    </message>
</context>
<context>
    <name>ClockSubcommand</name>
    <message>
        <source>Cannot write the file %1.</source>
        <translation>ファイルに書き込めません。(%1)</translation>
    </message>
</context>
<context>
    <name>ClockWindow</name>
    <message>
        <source>Desktop Sundial</source>
        <translation>デスクトップ日時計</translation>
    </message>
    <message>
        <source>Real Time</source>
        <translation>現在時刻</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>自由設定</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>True solar time</source>
        <translation>真太陽時</translation>
    </message>
    <message>
        <source>Standard time</source>
        <translation>中央標準時</translation>
    </message>
    <message>
        <source>Time shown: %1 / Mode: %2</source>
        <translation>表示時刻 : %1 / 動作モード : %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>There is no display to open the window on. (%1)</source>
        <translation>ウィンドウを開くディスプレイがありません。(%1)</translation>
    </message>
    <message>
        <source>For the commands that need no screen, see umbrafex --help.</source>
        <translation>画面を使わないコマンドは umbrafex --help をご覧ください。</translation>
    </message>
    <message>
        <source>note: --date has no effect with %1</source>
        <translation>注意: %1 を指定したため --date は使われません</translation>
    </message>
    <message>
        <source>note: a true solar time dial has no hour curves; --hour-curves is ignored</source>
        <translation>注意: 真太陽時の日時計には時刻曲線がないため --hour-curves は使われません</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>余分な引数 %1</translation>
    </message>
    <message>
        <source>missing argument</source>
        <translation>引数が足りません</translation>
    </message>
    <message>
        <source>--date-lines must be none, seasons, terms, months or day</source>
        <translation>--date-lines には none、seasons、terms、months、day のいずれかを指定してください</translation>
    </message>
    <message>
        <source>--hour-curves must be none, full or halves</source>
        <translation>--hour-curves には none、full、halves のいずれかを指定してください</translation>
    </message>
    <message>
        <source>--nodus must be a height in millimetres from 0 to 1000, or auto</source>
        <translation>--nodus には 0 から 1000 までの高さ (mm) か auto を指定してください</translation>
    </message>
    <message>
        <source>--scale-bar must be on or off</source>
        <translation>--scale-bar には on か off を指定してください</translation>
    </message>
    <message>
        <source>--page must be 1 or 2</source>
        <translation>--page には 1 か 2 を指定してください</translation>
    </message>
    <message>
        <source>--dpi must be a whole number from 10 to 2400</source>
        <translation>--dpi には 10 から 2400 までの整数を指定してください</translation>
    </message>
    <message>
        <source>--page 2 needs a two-page job (--pages 2)</source>
        <translation>--page 2 は2ページの出力 (--pages 2) のときだけ使えます</translation>
    </message>
    <message>
        <source>--dpi must be at most %1 for a PNG of this paper (20000 pixels a side); an SVG takes up to 2400</source>
        <translation>この用紙のPNGでは --dpi は %1 までです (1辺20000ピクセルまで)。SVGなら2400まで使えます</translation>
    </message>
    <message>
        <source>--paper must be A3, A4, A5, B4, B5, Letter or Legal</source>
        <translation>--paper には A3、A4、A5、B4、B5、Letter、Legal のいずれかを指定してください</translation>
    </message>
    <message>
        <source>the output file must end in .csv: %1</source>
        <translation>出力ファイルの拡張子は .csv にしてください: %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 を書き込めません</translation>
    </message>
    <message>
        <source>--copies must be a whole number from 1 to 999</source>
        <translation>--copies には 1 から 999 までの整数を指定してください</translation>
    </message>
    <message>
        <source>--orientation must be portrait or landscape</source>
        <translation>--orientation には portrait か landscape を指定してください</translation>
    </message>
    <message>
        <source>--pages must be 1 or 2</source>
        <translation>--pages には 1 か 2 を指定してください</translation>
    </message>
    <message>
        <source>an output file ending in .png is needed (-o OUT.png)</source>
        <translation>拡張子 .png の出力ファイルを指定してください (-o OUT.png)</translation>
    </message>
    <message>
        <source>--at must read &quot;YYYY-MM-DD HH:MM&quot;</source>
        <translation>--at は &quot;YYYY-MM-DD HH:MM&quot; の形で指定してください</translation>
    </message>
    <message>
        <source>--size must be a whole number from 32 to 8000</source>
        <translation>--size には 32 から 8000 までの整数を指定してください</translation>
    </message>
    <message>
        <source>name the table: eot or declination</source>
        <translation>表の種類 (eot か declination) を指定してください</translation>
    </message>
    <message>
        <source>give the output file with -o, ending in .csv or .xlsx</source>
        <translation>拡張子 .csv か .xlsx の出力ファイルを -o で指定してください</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>不明なコマンド &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; — did you mean &apos;%2&apos;?</source>
        <translation>不明なコマンド &apos;%1&apos; — &apos;%2&apos; のことですか?</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>不明なオプション: %1</translation>
    </message>
    <message>
        <source>--save needs a file name ending in .ufx</source>
        <translation>--save には拡張子 .ufx のファイル名を指定してください</translation>
    </message>
    <message>
        <source>note: %1 does not keep %2; opening it gives the document&apos;s own values</source>
        <translation>注意: %1 には %2 は保存されません。開くと設定ファイル自身の値になります</translation>
    </message>
    <message>
        <source>wall needs --lat, --lon, --tz and --date</source>
        <translation>wall には --lat、--lon、--tz、--date が必要です</translation>
    </message>
    <message>
        <source>--time needs the clock time as HH:MM, 00:00 to 23:59</source>
        <translation>--time には時刻を HH:MM (00:00～23:59) で指定してください</translation>
    </message>
    <message>
        <source>--nail needs the nail&apos;s length in mm, above 0</source>
        <translation>--nail には釘の長さ (mm、0より大きい値) を指定してください</translation>
    </message>
    <message>
        <source>--offset needs the shadow&apos;s offset in mm</source>
        <translation>--offset には影の先のずれ (mm) を指定してください</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>オプション %1 には値が必要です</translation>
    </message>
    <message>
        <source>option %1: line breaks and other control characters are not allowed</source>
        <translation>オプション %1: 改行などの制御文字は使えません</translation>
    </message>
    <message>
        <source>option %1: invalid value &quot;%2&quot;</source>
        <translation>オプション %1: 値 &quot;%2&quot; は使えません</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>only one document may be given</source>
        <translation>設定ファイルは1つだけ指定できます</translation>
    </message>
    <message>
        <source>an output file is needed (-o OUT.pdf|OUT.svg|OUT.png|OUT.dxf)</source>
        <translation>出力ファイルを指定してください (-o OUT.pdf|OUT.svg|OUT.png|OUT.dxf)</translation>
    </message>
    <message>
        <source>the output file must end in .pdf, .svg, .png or .dxf: %1</source>
        <translation>出力ファイルの拡張子は .pdf、.svg、.png、.dxf のいずれかにしてください: %1</translation>
    </message>
    <message>
        <source>--summer-time must be yes or no</source>
        <translation>--summer-time には yes か no を指定してください</translation>
    </message>
    <message>
        <source>--dial must be gnomon or analemmatic</source>
        <translation>--dial には gnomon か analemmatic を指定してください</translation>
    </message>
    <message>
        <source>--major must be from 10 to 20000 mm</source>
        <translation>--major は 10 から 20000 mm の範囲で指定してください</translation>
    </message>
    <message>
        <source>note: an analemmatic dial&apos;s size is its --major; --size is ignored</source>
        <translation>注意: アナレンマ日時計の大きさは --major で決まるため、--size は使われません</translation>
    </message>
    <message>
        <source>--size must be a width from 10 to 20000 mm</source>
        <translation>--size には 10 から 20000 までの幅(mm)を指定してください</translation>
    </message>
    <message>
        <source>--tiles prints on sheets of paper (PDF, PNG or SVG); a DXF is drawn whole at the face&apos;s size</source>
        <translation>--tiles は用紙に分けて出力する指定です(PDF、PNG、SVG)。DXF は文字盤の大きさのまま1つの図面になります</translation>
    </message>
    <message>
        <source>An analemmatic dial has no hour lines to meet an edge; leave out --edges for its hour points.</source>
        <translation>アナレンマ日時計には文字盤の縁と交わる時刻線がありません。時刻点を出力するには --edges を付けずに実行してください。</translation>
    </message>
    <message>
        <source>--tiles must be yes or no</source>
        <translation>--tiles には yes か no を指定してください</translation>
    </message>
</context>
<context>
    <name>Compass</name>
    <message>
        <source>N</source>
        <translation>北</translation>
    </message>
    <message>
        <source>NNE</source>
        <translation>北北東</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>北東</translation>
    </message>
    <message>
        <source>ENE</source>
        <translation>東北東</translation>
    </message>
    <message>
        <source>E</source>
        <translation>東</translation>
    </message>
    <message>
        <source>ESE</source>
        <translation>東南東</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>南東</translation>
    </message>
    <message>
        <source>SSE</source>
        <translation>南南東</translation>
    </message>
    <message>
        <source>S</source>
        <translation>南</translation>
    </message>
    <message>
        <source>SSW</source>
        <translation>南南西</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>南西</translation>
    </message>
    <message>
        <source>WSW</source>
        <translation>西南西</translation>
    </message>
    <message>
        <source>W</source>
        <translation>西</translation>
    </message>
    <message>
        <source>WNW</source>
        <translation>西北西</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>北西</translation>
    </message>
    <message>
        <source>NNW</source>
        <translation>北北西</translation>
    </message>
</context>
<context>
    <name>DialTexts</name>
    <message>
        <source>Jan–Jun</source>
        <translation>1～6月</translation>
    </message>
    <message>
        <source>Jul–Dec</source>
        <translation>7～12月</translation>
    </message>
    <message>
        <source>Print at 100 % if this bar is not 100 mm long.</source>
        <translation>100 mmでなければ、倍率100 %で印刷してください。</translation>
    </message>
    <message>
        <source>%1°%2′%3″</source>
        <extracomment>Degrees, minutes and seconds of an angle.</extracomment>
        <translation>%1度%2分%3秒</translation>
    </message>
    <message>
        <source>%1h %2m %3s</source>
        <extracomment>Hours, minutes and seconds of a time difference.</extracomment>
        <translation>%1時間%2分%3秒</translation>
    </message>
    <message>
        <source>%1 N</source>
        <translation>北緯%1</translation>
    </message>
    <message>
        <source>%1 S</source>
        <translation>南緯%1</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>指定なし</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>日付 : %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>地域 : %1</translation>
    </message>
    <message>
        <source>Latitude: %1</source>
        <translation>緯度 : %1</translation>
    </message>
    <message>
        <source>Longitude: %1</source>
        <translation>経度 : %1</translation>
    </message>
    <message>
        <source>Time shown: apparent solar time</source>
        <translation>表示時刻 : 真太陽時</translation>
    </message>
    <message>
        <source>Time shown: standard time</source>
        <translation>表示時刻 : 中央標準時</translation>
    </message>
    <message>
        <source>Magnetic declination: %1</source>
        <translation>磁気偏角 : %1</translation>
    </message>
    <message>
        <source>Equation of time: %1</source>
        <translation>均時差 : %1</translation>
    </message>
    <message>
        <source>Nodus height: %1</source>
        <translation>ノーダスの高さ : %1</translation>
    </message>
    <message>
        <source>The dial shows standard time.</source>
        <translation>日時計の時刻は中央標準時です。</translation>
    </message>
    <message>
        <source>Standard time is the dial&apos;s time %1.</source>
        <translation>日時計の時刻%1が中央標準時です。</translation>
    </message>
    <message>
        <source>Corrected for the equation of time on %1.</source>
        <translation>%1の均時差による補正を行っています。</translation>
    </message>
    <message>
        <source>Correct it for the equation of time on the day you read it.</source>
        <translation>ただし、観測日の均時差による補正が必要です。</translation>
    </message>
    <message>
        <source>Turn the dial %1 east of magnetic north.</source>
        <translation>磁北に対して東に%1回転して設置します。</translation>
    </message>
    <message>
        <source>Turn the dial %1 west of magnetic north.</source>
        <translation>磁北に対して西に%1回転して設置します。</translation>
    </message>
    <message>
        <source>Page %1/%2</source>
        <translation>Page %1/%2</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <extracomment>Two days whose date lines coincide.</extracomment>
        <translation>%1・%2</translation>
    </message>
    <message>
        <source>Start of spring</source>
        <translation>立春</translation>
    </message>
    <message>
        <source>Spring equinox</source>
        <translation>春分</translation>
    </message>
    <message>
        <source>Start of summer</source>
        <translation>立夏</translation>
    </message>
    <message>
        <source>Summer solstice</source>
        <translation>夏至</translation>
    </message>
    <message>
        <source>Start of autumn</source>
        <translation>立秋</translation>
    </message>
    <message>
        <source>Autumn equinox</source>
        <translation>秋分</translation>
    </message>
    <message>
        <source>Start of winter</source>
        <translation>立冬</translation>
    </message>
    <message>
        <source>Winter solstice</source>
        <translation>冬至</translation>
    </message>
    <message>
        <source>Glue flap</source>
        <translation>のりしろ</translation>
    </message>
    <message>
        <source>Cut line</source>
        <translation>切り取り線</translation>
    </message>
    <message>
        <source>Fold line</source>
        <translation>折り線</translation>
    </message>
    <message>
        <source>Mountain fold</source>
        <translation>山折り線</translation>
    </message>
    <message>
        <source>Valley fold</source>
        <translation>谷折り線</translation>
    </message>
    <message>
        <source>Gnomon — mountain fold — for %1</source>
        <translation>ノーモン — 山折り  %1用</translation>
    </message>
    <message>
        <source>Gnomon: a straight pin of %1 mm through the centre</source>
        <translation>ノーモン : 長さ %1 mm のまっすぐなピンを中心に通す</translation>
    </message>
    <message>
        <source>Nodus %1 mm</source>
        <translation>ノーダス %1 mm</translation>
    </message>
    <message>
        <source>Set the faces parallel to the equator, the upper face looking %1 and tilted %2° from the horizontal.</source>
        <translation>文字盤を赤道面と平行に置きます。上の面は%1向き、水平から%2°傾けます。</translation>
    </message>
    <message>
        <source>Fix the face on a wall that faces %1° (%2), noon line vertical.</source>
        <translation>%1°(%2)向きの壁に、正午の線を鉛直にして取り付けます。</translation>
    </message>
    <message>
        <source>Fix the face looking %1° (%2), tilted %3° from the horizontal, the top edge uppermost.</source>
        <translation>文字盤を%1°(%2)向き、水平から%3°傾け、上端を上にして取り付けます。</translation>
    </message>
    <message>
        <source>Facing: %1</source>
        <translation>面の向き : %1</translation>
    </message>
    <message>
        <source>Tilt: %1</source>
        <translation>傾き : %1</translation>
    </message>
    <message>
        <source>Style height: %1</source>
        <translation>スタイルの高さ : %1</translation>
    </message>
    <message>
        <source>Substyle distance: %1</source>
        <translation>サブスタイルの振れ : %1</translation>
    </message>
    <message>
        <source>Substyle hour angle: %1</source>
        <translation>サブスタイルの時角 : %1</translation>
    </message>
    <message>
        <source>Upper face (spring and summer)</source>
        <translation>上の面(春・夏)</translation>
    </message>
    <message>
        <source>Lower face (autumn and winter)</source>
        <translation>下の面(秋・冬)</translation>
    </message>
    <message>
        <source>Cut along the solid outlines, fold along the dashed lines, and glue the gnomon&apos;s flaps along the thick line on the face.</source>
        <translation>実線で切り抜き、破線で折り、ノーモンののりしろを文字盤の太線に沿って貼ります。</translation>
    </message>
    <message>
        <source>Lay the face level, its top edge toward true north.</source>
        <translation>文字盤を水平に置き、上端を真北に向けます。</translation>
    </message>
    <message>
        <source>The small circle marks the style&apos;s root.</source>
        <translation>小さな丸はスタイルの根元です。</translation>
    </message>
    <message>
        <source>The style&apos;s root lies %1 mm beyond the face, where the arrow on the substyle points.</source>
        <translation>スタイルの根元は、サブスタイル上の矢印の方向に文字盤から %1 mm 先にあります。</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1日</translation>
    </message>
    <message>
        <source>15th</source>
        <translation>15日</translation>
    </message>
    <message>
        <source>Clock time = dial + minutes</source>
        <translation>時計の時刻 = 日時計 + 分</translation>
    </message>
    <message>
        <source>Summer time (+1 h)</source>
        <translation>夏時間 (+1時間)</translation>
    </message>
    <message>
        <source>N</source>
        <translation>北</translation>
    </message>
    <message>
        <source>at the centre</source>
        <translation>中心</translation>
    </message>
    <message>
        <source>%1 north of the centre</source>
        <translation>中心から北へ%1</translation>
    </message>
    <message>
        <source>%1 south of the centre</source>
        <translation>中心から南へ%1</translation>
    </message>
    <message>
        <source>Analemmatic dial</source>
        <translation>アナレンマ型日時計</translation>
    </message>
    <message>
        <source>Semi-major axis M (east-west): %1</source>
        <translation>長半径M(東西):%1</translation>
    </message>
    <message>
        <source>Semi-minor axis (north-south): %1</source>
        <translation>短半径(南北):%1</translation>
    </message>
    <message>
        <source>This sheet: %1</source>
        <translation>この用紙の縮尺:%1</translation>
    </message>
    <message>
        <source>Desk model: lay the sheet level, the arrow toward true north, and stand a pencil upright on the date scale at %1 (%2); its shadow points to the hour.</source>
        <translation>卓上模型:用紙を水平に置いて矢印を真北に向け、日付目盛りの%1の位置(%2)に鉛筆をまっすぐ立てます。鉛筆の影が指す点が時刻です。</translation>
    </message>
    <message>
        <source>On the ground at full size a person is the gnomon: on %1 stand on the date scale %2. From a height of %3 the shadow reaches the hour points all year; a shorter person&apos;s shadow still points toward them.</source>
        <translation>原寸で地面に描いたときは、人がノーモンになります。%1には日付目盛りの%2に立ちます。高さ%3からの影なら一年中時刻の点に届きます。背がそれより低くても、影は時刻の点の方向を指します。</translation>
    </message>
    <message>
        <source>An analemmatic dial needs a latitude of at least %1° north or south: nearer the equator its ellipse flattens into a line.</source>
        <translation>アナレンマ型日時計には北緯または南緯%1度以上の緯度が必要です。赤道に近いと楕円がつぶれて線になってしまいます。</translation>
    </message>
    <message>
        <source>full size</source>
        <translation>原寸</translation>
    </message>
</context>
<context>
    <name>DialView</name>
    <message>
        <source>Dial view</source>
        <translation>文字盤ビュー</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>時計の時刻</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>現在</translation>
    </message>
</context>
<context>
    <name>DialViewModel</name>
    <message>
        <source>The sun is below the horizon: no shadow.</source>
        <translation>太陽が地平線の下にあるため、影はできません。</translation>
    </message>
    <message>
        <source>Sun %1° high, azimuth %2°: behind the face, no shadow.</source>
        <translation>太陽の高度 %1°、方位 %2°: 文字盤の裏側にあるため、影はできません。</translation>
    </message>
    <message>
        <source>true solar time</source>
        <translation>真太陽時</translation>
    </message>
    <message>
        <source>standard time</source>
        <translation>標準時</translation>
    </message>
    <message>
        <source>Sun %1° high, azimuth %2° (%3). The dial reads %4 (%5).</source>
        <translation>太陽の高度 %1°、方位 %2°(%3)。日時計の示す時刻は %4(%5)です。</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>cannot connect to DISPLAY=%1</source>
        <translation>DISPLAY=%1 に接続できません</translation>
    </message>
    <message>
        <source>cannot connect to WAYLAND_DISPLAY=%1</source>
        <translation>WAYLAND_DISPLAY=%1 に接続できません</translation>
    </message>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>DISPLAY も WAYLAND_DISPLAY も設定されていません</translation>
    </message>
</context>
<context>
    <name>Documents</name>
    <message>
        <source>This type of file cannot be opened.</source>
        <translation>この形式のファイルは開くことができません。</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>ファイルが見つかりません。</translation>
    </message>
    <message>
        <source>Invalid path.</source>
        <translation>パス名が無効です。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>ファイルにこれ以上データがありません。</translation>
    </message>
    <message>
        <source>Cannot open %1.</source>
        <translation>%1を開くことができません。</translation>
    </message>
    <message>
        <source>Cannot save %1.</source>
        <translation>%1を保存することができません。</translation>
    </message>
    <message>
        <source>%1 %2=%3: %4</source>
        <translation>%1 %2=%3 : %4</translation>
    </message>
    <message>
        <source>must name a file in the program&apos;s folder</source>
        <translation>プログラムのフォルダー内のファイルを指定してください</translation>
    </message>
    <message>
        <source>must be gnomon or analemmatic</source>
        <translation>gnomon か analemmatic を指定してください</translation>
    </message>
</context>
<context>
    <name>DrawTarget</name>
    <message>
        <source>Invalid property value. (%1)</source>
        <translation>プロパティの値が不正です。 (%1)</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument.</source>
        <translation>プロシージャの呼び出し、または引数が不正です。</translation>
    </message>
</context>
<context>
    <name>Drawing</name>
    <message>
        <source>Internal error.</source>
        <translation>内部エラーです。</translation>
    </message>
</context>
<context>
    <name>EngineErrors</name>
    <message>
        <source>The end time is not after the start time.</source>
        <translation>計算終了時刻が計算開始時刻以前に指定されています。</translation>
    </message>
    <message>
        <source>Invalid time interval.</source>
        <translation>計算時間間隔に不正な時間が指定されています。</translation>
    </message>
    <message>
        <source>Invalid latitude.</source>
        <translation>不正な緯度の値が指定されています。</translation>
    </message>
    <message>
        <source>Invalid longitude.</source>
        <translation>不正な経度の値が指定されています。</translation>
    </message>
    <message>
        <source>Invalid standard meridian.</source>
        <translation>不正な標準時子午線の値が指定されています。</translation>
    </message>
    <message>
        <source>Invalid time zone.</source>
        <translation>不正なタイムゾーンの値が指定されています。</translation>
    </message>
    <message>
        <source>Invalid day of the year.</source>
        <translation>不正な通算日数が指定されています。</translation>
    </message>
    <message>
        <source>Invalid solar declination.</source>
        <translation>不正な太陽赤緯の値が指定されています。</translation>
    </message>
    <message>
        <source>Invalid equation of time.</source>
        <translation>不正な均時差の値が指定されています。</translation>
    </message>
    <message>
        <source>Invalid index or key.</source>
        <translation>不正なインデックスキーが指定されています。</translation>
    </message>
    <message>
        <source>Invalid call or argument.</source>
        <translation>プロシージャの呼び出し、または引数が不正です。</translation>
    </message>
    <message>
        <source>Overflow.</source>
        <translation>オーバーフローしました。</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>メモリが不足しています。</translation>
    </message>
    <message>
        <source>Index out of range.</source>
        <translation>インデックスが有効範囲にありません。</translation>
    </message>
    <message>
        <source>This key is already in the collection.</source>
        <translation>このキーは既にこのコレクションの要素に割り当てられています。</translation>
    </message>
    <message>
        <source>Invalid date.</source>
        <translation>不正な日付が指定されています。</translation>
    </message>
    <message>
        <source>Invalid year.</source>
        <translation>不正な年(西暦)が指定されています。</translation>
    </message>
    <message>
        <source>Invalid season number.</source>
        <translation>不正な季節番号が指定されています。</translation>
    </message>
    <message>
        <source>Polar night: the sun neither rises nor sets.</source>
        <translation>極夜です。日の出・日の入時刻を算出できません。</translation>
    </message>
    <message>
        <source>A place name may have at most 200 characters.</source>
        <translation>地名は200文字以内にしてください。</translation>
    </message>
</context>
<context>
    <name>ExportChoice</name>
    <message>
        <source>The dial cannot be exported on this paper size.</source>
        <translation>この用紙サイズには書き出せません。</translation>
    </message>
    <message>
        <source>Choose the paper orientation.</source>
        <translation>用紙の向きを選んでください。</translation>
    </message>
    <message>
        <source>The number of pages must be 1 or 2.</source>
        <translation>ページ数は 1 か 2 にしてください。</translation>
    </message>
    <message>
        <source>There is no such page to export.</source>
        <translation>書き出すページがありません。</translation>
    </message>
    <message>
        <source>The resolution must be from 10 to 2400 dpi.</source>
        <translation>解像度は 10 から 2400 dpi にしてください。</translation>
    </message>
</context>
<context>
    <name>ExportOptionsDialog</name>
    <message>
        <source>Export to PDF/SVG/PNG</source>
        <translation>PDF/SVG/PNGに書き出し</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>縦</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>横</translation>
    </message>
    <message>
        <source>1 sheet (dial and gnomon)</source>
        <translation>1枚 (文字盤とノーモン)</translation>
    </message>
    <message>
        <source>2 sheets (dial / gnomon)</source>
        <translation>2枚 (文字盤 / ノーモン)</translation>
    </message>
    <message>
        <source>All (one file per page)</source>
        <translation>すべて (ページごとのファイル)</translation>
    </message>
    <message>
        <source>Page 1</source>
        <translation>1ページ目</translation>
    </message>
    <message>
        <source>Page 2</source>
        <translation>2ページ目</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>用紙(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>向き(&amp;O):</translation>
    </message>
    <message>
        <source>&amp;Sheets:</source>
        <translation>枚数(&amp;N):</translation>
    </message>
    <message>
        <source>Pa&amp;ge:</source>
        <translation>ページ(&amp;G):</translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation>解像度(&amp;R):</translation>
    </message>
    <message>
        <source>&amp;Tiles: the face&apos;s size on several sheets</source>
        <translation>分割(&amp;T): 文字盤の大きさで複数の用紙に印刷</translation>
    </message>
</context>
<context>
    <name>ExportPagesCommand</name>
    <message>
        <source>Export to PDF/SVG/PNG</source>
        <translation>PDF/SVG/PNGに書き出し</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;SVG pictures (*.svg);;PNG pictures (*.png);;DXF drawings (*.dxf)</source>
        <translation>PDF ファイル (*.pdf);;SVG 画像 (*.svg);;PNG 画像 (*.png);;DXF 図面 (*.dxf)</translation>
    </message>
    <message>
        <source>The file name must end in .pdf, .svg, .png or .dxf.</source>
        <translation>ファイル名の拡張子は .pdf、.svg、.png、.dxf のいずれかにしてください。</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既に存在します。
上書きしますか?</translation>
    </message>
</context>
<context>
    <name>InfoListing</name>
    <message>
        <source>Magnetic declination</source>
        <translation>磁気偏角</translation>
    </message>
    <message>
        <source>Start of spring</source>
        <translation>立春</translation>
    </message>
    <message>
        <source>Spring equinox</source>
        <translation>春分</translation>
    </message>
    <message>
        <source>Start of summer</source>
        <translation>立夏</translation>
    </message>
    <message>
        <source>Summer solstice</source>
        <translation>夏至</translation>
    </message>
    <message>
        <source>Start of autumn</source>
        <translation>立秋</translation>
    </message>
    <message>
        <source>Autumn equinox</source>
        <translation>秋分</translation>
    </message>
    <message>
        <source>Start of winter</source>
        <translation>立冬</translation>
    </message>
    <message>
        <source>Winter solstice</source>
        <translation>冬至</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>季節</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>日の出時刻</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>日の入時刻</translation>
    </message>
    <message>
        <source>Day length</source>
        <translation>可照時間</translation>
    </message>
    <message>
        <source>Polar night</source>
        <translation>極夜</translation>
    </message>
    <message>
        <source>Midnight sun</source>
        <translation>白夜</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>地域</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>緯度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>経度</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>タイムゾーン</translation>
    </message>
    <message>
        <source>Solar declination</source>
        <translation>太陽赤緯</translation>
    </message>
    <message>
        <source>Equation of time</source>
        <translation>均時差</translation>
    </message>
    <message>
        <source>Difference from standard time</source>
        <translation>標準時差</translation>
    </message>
    <message>
        <source>Time system</source>
        <translation>時刻方式</translation>
    </message>
    <message>
        <source>True solar time</source>
        <translation>真太陽時</translation>
    </message>
    <message>
        <source>Mean standard time</source>
        <translation>中央標準時</translation>
    </message>
    <message>
        <source>Facing</source>
        <translation>面の向き</translation>
    </message>
    <message>
        <source>Tilt</source>
        <translation>傾き</translation>
    </message>
    <message>
        <source>Style height</source>
        <translation>スタイルの高さ</translation>
    </message>
    <message>
        <source>Substyle distance</source>
        <translation>サブスタイルの振れ</translation>
    </message>
    <message>
        <source>Substyle hour angle</source>
        <translation>サブスタイルの時角</translation>
    </message>
    <message>
        <source>Sunrise and sunset (almanac)</source>
        <extracomment>The upper limb of the sun on the horizon, with refraction.</extracomment>
        <translation>日の出・日の入(暦)</translation>
    </message>
    <message>
        <source>%1 (geometric)</source>
        <extracomment>The sun&apos;s centre on the horizon, without refraction.</extracomment>
        <translation>%1 (幾何学的)</translation>
    </message>
    <message>
        <source>%1, the clock behind the sundial</source>
        <translation>%1 (時計が日時計より遅れる)</translation>
    </message>
    <message>
        <source>%1, the clock ahead of the sundial</source>
        <translation>%1 (時計が日時計より進む)</translation>
    </message>
</context>
<context>
    <name>InfoWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Calculation Conditions</source>
        <translation>計算条件一覧</translation>
    </message>
    <message>
        <source>Calculation conditions</source>
        <translation>計算条件一覧</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
</context>
<context>
    <name>LocationDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The location database cannot be opened.</source>
        <translation>経緯度情報データベースを開くことができません。</translation>
    </message>
    <message>
        <source>Region and city</source>
        <translation>地域と都市</translation>
    </message>
    <message>
        <source>&amp;Region:</source>
        <translation>地域(&amp;R):</translation>
    </message>
    <message>
        <source>Part of a city name, in Japanese or English</source>
        <translation>都市名の一部 (日本語または英語)</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>検索(&amp;S):</translation>
    </message>
    <message>
        <source>Cities</source>
        <translation>都市</translation>
    </message>
    <message>
        <source>&amp;City:</source>
        <translation>都市(&amp;C):</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>緯度:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>経度:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>備考:</translation>
    </message>
    <message>
        <source>Show city names in &amp;English</source>
        <translation>都市名を英語表記する(&amp;E)</translation>
    </message>
    <message>
        <source>Use the &amp;world geodetic system</source>
        <translation>世界測地系に変換する(&amp;W)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The latitude is not valid.</source>
        <translation>不正な緯度の値が指定されています。</translation>
    </message>
    <message>
        <source>Choose Location</source>
        <translation>地域の選択</translation>
    </message>
</context>
<context>
    <name>MagneticDeclination</name>
    <message>
        <source>west of true north</source>
        <translation>西偏</translation>
    </message>
    <message>
        <source>east of true north</source>
        <translation>東偏</translation>
    </message>
</context>
<context>
    <name>MainFormModel</name>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>上書き保存</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Umbrafex settings files (*.ufx)</source>
        <translation>Umbrafex設定ファイル (*.ufx)</translation>
    </message>
    <message>
        <source>The current settings have not been saved yet. Save them?</source>
        <translation>現在の設定はまだ保存されていません。保存しますか?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>保存の確認</translation>
    </message>
    <message>
        <source>Opening the file...</source>
        <translation>ファイルを開いています...</translation>
    </message>
    <message>
        <source>Cannot open %1.</source>
        <translation>%1を開くことができません。</translation>
    </message>
    <message>
        <source>Saving the file...</source>
        <translation>ファイルを保存しています...</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既に存在します。
上書きしますか?</translation>
    </message>
    <message>
        <source>The latitude must be from −89°59′59″ to 89°59′59″ and not 0°00′00″.</source>
        <translation>-89度59分59秒以上89度59分59秒以下でかつ
0度00分00秒以外の緯度を入力してください。</translation>
    </message>
    <message>
        <source>The longitude must be from −180°00′00″ to 180°00′00″.</source>
        <translation>-180度00分00秒以上180度00分00秒以下の経度を入力してください。</translation>
    </message>
    <message>
        <source>The date must be a valid date from January 1 to December 31.</source>
        <translation>1月1日から12月31日までの正しい日付を入力してください。</translation>
    </message>
    <message>
        <source>°    ′    ″</source>
        <translation>度    分    秒</translation>
    </message>
    <message>
        <source>Time shown: true solar time</source>
        <translation>表示時刻 : 真太陽時</translation>
    </message>
    <message>
        <source>Time shown: standard time / equation of time: corrected</source>
        <translation>表示時刻 : 中央標準時 / 均時差 : 補正あり</translation>
    </message>
    <message>
        <source>Time shown: standard time / equation of time: not corrected</source>
        <translation>表示時刻 : 中央標準時 / 均時差 : 補正なし</translation>
    </message>
    <message>
        <source>The facing must be a number of degrees from 0 to 360 (south is 180).</source>
        <translation>0度以上360度以下の向きを入力してください(南は180度)。</translation>
    </message>
    <message>
        <source>The tilt must be a number of degrees from 0 (horizontal) to 180 (a wall is 90).</source>
        <translation>0度(水平)以上180度以下の傾きを入力してください(壁は90度)。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>°    ′    ″</source>
        <translation>度    分    秒</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>度</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>h    m    s</source>
        <translation>時    分    秒</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>時</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>accessible name: a row and the unit of one of its boxes</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>地域</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Latitude:</source>
        <translation>緯度(&amp;L):</translation>
    </message>
    <message>
        <source>Lon&amp;gitude:</source>
        <translation>経度(&amp;G) :</translation>
    </message>
    <message>
        <source>&amp;Magnetic declination:</source>
        <translation>磁気偏角(&amp;M):</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示方法</translation>
    </message>
    <message>
        <source>True &amp;solar time</source>
        <translation>真太陽時(&amp;S)</translation>
    </message>
    <message>
        <source>Standard &amp;clock time</source>
        <translation>中央標準時(&amp;C)</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1分</translation>
    </message>
    <message>
        <source>Inte&amp;rval:</source>
        <translation>時間間隔(&amp;P):</translation>
    </message>
    <message>
        <source>No date (current time mode)</source>
        <translation>日付指定なし/現在時刻モード</translation>
    </message>
    <message>
        <source>Fixed date (free setting mode)</source>
        <translation>日付指定あり/自由設定モード</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>日付(&amp;D):</translation>
    </message>
    <message>
        <source>month    day</source>
        <translation>月    日</translation>
    </message>
    <message>
        <source>month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>&amp;Equation of time:</source>
        <translation>均時差(&amp;E):</translation>
    </message>
    <message>
        <source>The language changes when Umbrafex starts again.</source>
        <translation>言語は Umbrafex を次に起動したときに切り替わります。</translation>
    </message>
    <message>
        <source>Printed on %1</source>
        <translation>%1 に印刷しました</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>%1 に書き出しました</translation>
    </message>
    <message>
        <source>Calculation Info</source>
        <translation>計算条件一覧</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>印刷(&amp;P)</translation>
    </message>
    <message>
        <source>Printer Set&amp;up...</source>
        <translation>プリンタの設定(&amp;U)...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>印刷プレビュー(&amp;V)...</translation>
    </message>
    <message>
        <source>&amp;Export to PDF/SVG/PNG...</source>
        <translation>PDF/SVG/PNGに書き出し...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>ツール(&amp;T)</translation>
    </message>
    <message>
        <source>Choose &amp;Location...</source>
        <translation>地域の選択(&amp;L)...</translation>
    </message>
    <message>
        <source>Calculation &amp;Info...</source>
        <translation>計算条件一覧(&amp;I)...</translation>
    </message>
    <message>
        <source>Desktop &amp;Sundial...</source>
        <translation>デスクトップ日時計(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>オプション(&amp;O)...</translation>
    </message>
    <message>
        <source>Ta&amp;bles</source>
        <translation>表・グラフ(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Equation of Time</source>
        <translation>均時差(&amp;E)</translation>
    </message>
    <message>
        <source>To E&amp;xcel Workbook...</source>
        <translation>Excelに出力(&amp;X)...</translation>
    </message>
    <message>
        <source>To &amp;File...</source>
        <translation>ファイルに出力(&amp;F)...</translation>
    </message>
    <message>
        <source>Solar &amp;Declination</source>
        <translation>太陽赤緯(&amp;S)</translation>
    </message>
    <message>
        <source>Equation of Time and Declination &amp;Graph...</source>
        <translation>均時差・太陽赤緯のグラフ(&amp;G)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>目次(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;About Umbrafex...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>上書き保存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>プリンタの設定</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>印刷プレビュー</translation>
    </message>
    <message>
        <source>Choose Location</source>
        <translation>地域の選択</translation>
    </message>
    <message>
        <source>Desktop Sundial</source>
        <translation>デスクトップ日時計</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Equation of Time</source>
        <translation>均時差</translation>
    </message>
    <message>
        <source>Solar Declination</source>
        <translation>太陽赤緯</translation>
    </message>
    <message>
        <source>Pop Hints</source>
        <translation>ポップヒント</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Dial plane</source>
        <translation>文字盤の面</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>水平型</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>垂直型</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>極型</translation>
    </message>
    <message>
        <source>Equatorial</source>
        <translation>赤道型</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自由設定</translation>
    </message>
    <message>
        <source>&amp;Plane:</source>
        <translation>種類(&amp;K):</translation>
    </message>
    <message>
        <source>F&amp;acing:</source>
        <translation>向き(&amp;A):</translation>
    </message>
    <message>
        <source>°</source>
        <translation>度</translation>
    </message>
    <message>
        <source>Tilt from hori&amp;zontal:</source>
        <translation>水平からの傾き(&amp;Z):</translation>
    </message>
    <message>
        <source>Measure the &amp;wall...</source>
        <translation>壁の向きを測る(&amp;W)...</translation>
    </message>
    <message>
        <source>Dial view</source>
        <translation>文字盤ビュー</translation>
    </message>
    <message>
        <source>&amp;Dial View</source>
        <translation>文字盤ビュー(&amp;D)</translation>
    </message>
    <message>
        <source>Dial View</source>
        <translation>文字盤ビュー</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;O)</translation>
    </message>
    <message>
        <source>Standard − solar t&amp;ime:</source>
        <translation>標準時差(&amp;I):</translation>
    </message>
    <message>
        <source>Kind of dial</source>
        <translation>日時計の種類</translation>
    </message>
    <message>
        <source>Gnomon</source>
        <translation>ノーモン型</translation>
    </message>
    <message>
        <source>Analemmatic</source>
        <translation>アナレンマ型</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>日時計の型(&amp;J):</translation>
    </message>
</context>
<context>
    <name>NodusChecks</name>
    <message>
        <source>The nodus at %1 mm stands higher than the gnomon (%2 mm).</source>
        <translation>指時点の高さ %1 mm がノーモンの高さ (%2 mm) を超えています。</translation>
    </message>
    <message>
        <source>With the nodus at %1 mm no date line crosses the noon line
between the hour lines&apos; inner ends and the rim.</source>
        <translation>指時点の高さが %1 mm では、時刻線の内側の端から外周までの間で
正午線と交わる日付線がありません。</translation>
    </message>
    <message>
        <source>Go on with %1 anyway?</source>
        <translation>このまま%1を実行しますか?</translation>
    </message>
</context>
<context>
    <name>OptionPickers</name>
    <message>
        <source>Choose Colour</source>
        <translation>色の設定</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Text &amp;colour:</source>
        <translation>文字の色(&amp;C):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Date lines and hour curves</source>
        <translation>日付線と時刻曲線</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Solstices, equinoxes and the days between</source>
        <translation>二至二分と四立</translation>
    </message>
    <message>
        <source>The 24 solar terms</source>
        <translation>二十四節気</translation>
    </message>
    <message>
        <source>First day of each month</source>
        <translation>毎月1日</translation>
    </message>
    <message>
        <source>The design&apos;s own day (when it has one)</source>
        <translation>設計の日付 (指定がある場合)</translation>
    </message>
    <message>
        <source>Whole figure eights</source>
        <translation>8の字全体</translation>
    </message>
    <message>
        <source>Two halves: January to June, July to December</source>
        <translation>前後半に分割 (1月～6月と7月～12月)</translation>
    </message>
    <message>
        <source>Hour curves show mean standard time on every day. In true solar time the straight
hour lines are already exact, so no curves are drawn.</source>
        <translation>時刻曲線は毎日の中央標準時を示します。真太陽時では直線の時刻線が
そのまま正確なため、曲線は描きません。</translation>
    </message>
    <message>
        <source>auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>100 mm scale bar on every page</source>
        <translation>各ページに100 mmのスケールバー</translation>
    </message>
    <message>
        <source>Date lines:</source>
        <translation>日付線:</translation>
    </message>
    <message>
        <source>Hour curves:</source>
        <translation>時刻曲線:</translation>
    </message>
    <message>
        <source>Nodus height:</source>
        <translation>ノーダスの高さ:</translation>
    </message>
    <message>
        <source>mm (empty: fits the solstice arcs to the face)</source>
        <translation>mm (空欄: 夏至・冬至の曲線を文字盤に合わせる)</translation>
    </message>
    <message>
        <source>Enter the nodus height in millimetres, up to 1000, or leave it empty.</source>
        <translation>ノーダスの高さを1000 mm以下で入力するか、空欄にしてください。</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>GMT</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>ライン</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>&amp;Page:</source>
        <translation>設定項目(&amp;P):</translation>
    </message>
    <message>
        <source>All supported pictures</source>
        <translation>サポートする全ての画像形式</translation>
    </message>
    <message>
        <source>Metafiles</source>
        <translation>メタファイル</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>ビットマップ</translation>
    </message>
    <message>
        <source>JPEG files</source>
        <translation>JPEGファイル</translation>
    </message>
    <message>
        <source>GIF files</source>
        <translation>GIFファイル</translation>
    </message>
    <message>
        <source>Enhanced metafiles</source>
        <translation>拡張メタファイル</translation>
    </message>
    <message>
        <source>PNG files</source>
        <translation>PNGファイル</translation>
    </message>
    <message>
        <source>SVG files</source>
        <translation>SVGファイル</translation>
    </message>
    <message>
        <source>Choose a Background Picture</source>
        <translation>ファイルの参照</translation>
    </message>
    <message>
        <source>Colours and fonts</source>
        <translation>色・フォント</translation>
    </message>
    <message>
        <source>Items with colours and fonts</source>
        <translation>色・フォントを設定する項目</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>色:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>フォント:</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>背景画像</translation>
    </message>
    <message>
        <source>Background picture file</source>
        <translation>背景画像のファイル</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>ファイルの参照</translation>
    </message>
    <message>
        <source>Display options</source>
        <translation>表示オプション</translation>
    </message>
    <message>
        <source>Dial and gnomon on &amp;1 page</source>
        <translation>文字盤とノーモンを&amp;1ページに配置</translation>
    </message>
    <message>
        <source>Pl&amp;acement marks</source>
        <translation>配置マーク(&amp;A)</translation>
    </message>
    <message>
        <source>In&amp;formation</source>
        <translation>各種情報(&amp;F)</translation>
    </message>
    <message>
        <source>Apply line &amp;types</source>
        <translation>線種適用(&amp;T)</translation>
    </message>
    <message>
        <source>Line &amp;width:</source>
        <translation>線幅(&amp;W):</translation>
    </message>
    <message>
        <source>points</source>
        <translation>ポイント</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>時刻表示</translation>
    </message>
    <message>
        <source>&amp;Short form</source>
        <translation>短い形式(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Long form</source>
        <translation>長い形式(&amp;L)</translation>
    </message>
    <message>
        <source>Day or night settings</source>
        <translation>昼または夜の設定</translation>
    </message>
    <message>
        <source>Show pict&amp;ure</source>
        <translation>画像の表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Invert the shadow</source>
        <translation>影を反転色(&amp;I)</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>タイムゾーン</translation>
    </message>
    <message>
        <source>Use the computer&apos;s setting</source>
        <translation>システム設定に合わせる</translation>
    </message>
    <message>
        <source>Standard meridian:</source>
        <translation>標準時子午線:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>前へ</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>標準に戻す</translation>
    </message>
    <message>
        <source>Dial face (outer)</source>
        <translation>文字盤(外部)</translation>
    </message>
    <message>
        <source>Dial face (inner)</source>
        <translation>文字盤(内部)</translation>
    </message>
    <message>
        <source>Compass points</source>
        <translation>方位</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>時刻(時)</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>時刻(分)</translation>
    </message>
    <message>
        <source>Gnomon</source>
        <translation>ノーモン</translation>
    </message>
    <message>
        <source>Placement marks</source>
        <translation>配置マーク</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>各種情報</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>影</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>時計</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Enter a time from -12:00 to 12:00.</source>
        <translation>-12:00以上12:00以下の時間を入力してください。</translation>
    </message>
    <message>
        <source>Enter a line width of at least 0.0 points and less than 100.0 points.</source>
        <translation>0.0ポイント以上100.0ポイント未満の線幅を入力してください。</translation>
    </message>
    <message>
        <source>No font is selected.</source>
        <translation>フォントが選択されていません。</translation>
    </message>
    <message>
        <source>Sundial 1</source>
        <translation>日時計1</translation>
    </message>
    <message>
        <source>Sundial 2</source>
        <translation>日時計2</translation>
    </message>
    <message>
        <source>Desktop sundial</source>
        <translation>デスクトップ日時計</translation>
    </message>
    <message>
        <source>Daytime settings</source>
        <translation>昼の設定</translation>
    </message>
    <message>
        <source>Night settings</source>
        <translation>夜の設定</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>Cannot be shown</source>
        <translation>表示できません</translation>
    </message>
    <message>
        <source>UTC offset, hours</source>
        <translation>時差 時間</translation>
    </message>
    <message>
        <source>UTC offset, minutes</source>
        <translation>時差 分</translation>
    </message>
    <message>
        <source>UTC offset (hours:minutes):</source>
        <translation>時差(時間:分):</translation>
    </message>
    <message>
        <source>Summer time: a second row of hour numbers, one hour later</source>
        <translation>夏時間: 1時間後の時刻の数字をもう1列描く</translation>
    </message>
    <message>
        <source>Face size:</source>
        <translation>文字盤の大きさ:</translation>
    </message>
    <message>
        <source>mm across at 100 % (empty: fitted to the paper)</source>
        <translation>mm (100 % の幅。空欄: 用紙に合わせる)</translation>
    </message>
    <message>
        <source>Enter the face&apos;s width in millimetres, 10 to 20000, or leave it empty.</source>
        <translation>文字盤の幅を 10 から 20000 までのミリメートルで入力するか、空欄にしてください。</translation>
    </message>
</context>
<context>
    <name>OutputChecks</name>
    <message>
        <source>Polar night (the sun does not rise all day):
no sundial can be made.</source>
        <translation>極夜(1日中太陽が昇らない)のため、
日時計を作成することはできません。</translation>
    </message>
    <message>
        <source>No usable printer was found.</source>
        <translation>有効なプリンタが見つかりません。</translation>
    </message>
    <message>
        <source>The selected paper size is not supported.
Continue with %1 on the current paper size?</source>
        <translation>選択された用紙サイズはサポートしていません。
現在の用紙サイズのまま%1を実行しますか?</translation>
    </message>
    <message>
        <source>The dial may not fit the printable area.
Split dial and gnomon onto two pages for %1?</source>
        <translation>印刷範囲からはみ出る可能性があります。
文字盤とノーモンを2ページに分けて%1しますか?</translation>
    </message>
    <message>
        <source>The background picture was not found.
Continue with %1 without it?</source>
        <translation>指定された背景画像が見つかりません。
背景画像なしで%1を実行しますか?</translation>
    </message>
    <message>
        <source>The longitude is more than 15° from the standard meridian.
The time zone may be set wrongly.
Continue with %1 in the current time zone?</source>
        <translation>経度と標準時子午線との差が15度を超えています。
タイムゾーンが正しく設定されていない可能性があります。
現在のタイムゾーン設定のまま%1を実行しますか?</translation>
    </message>
    <message>
        <source>At high latitudes a horizontal sundial
may not work properly.</source>
        <translation>水平型日時計の仕組み上、高緯度地域では
正常な日時計が作成できない場合があります。</translation>
    </message>
    <message>
        <source>At low latitudes a horizontal sundial
may not work properly.</source>
        <translation>水平型日時計の仕組み上、低緯度地域では
正常な日時計が作成できない場合があります。</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>印刷プレビュー</translation>
    </message>
    <message>
        <source>Desktop Sundial</source>
        <translation>デスクトップ日時計</translation>
    </message>
    <message>
        <source>Export to PDF/SVG/PNG</source>
        <translation>PDF/SVG/PNGに書き出し</translation>
    </message>
    <message>
        <source>The sun never shines on a face that looks this way:
no hour line can be drawn.</source>
        <translation>この向きの面には日が当たりません。
時刻線を描けません。</translation>
    </message>
    <message>
        <source>The background picture cannot be read as a picture.
Continue with %1 without it?</source>
        <translation>指定された背景画像は画像として読み込めません。
背景画像なしで%1を実行しますか?</translation>
    </message>
</context>
<context>
    <name>OutputErrors</name>
    <message>
        <source>Cannot write the file %1.</source>
        <translation>ファイルに書き込めません。(%1)</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Invalid picture.</source>
        <translation>ピクチャが不正です。</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>ファイルが見つかりません。</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Cannot save the settings to %1 (%2).
The settings at exit will not be saved.</source>
        <translation>設定ファイル %1 に設定を保存できません(%2)。
終了するときの設定は保存されません。</translation>
    </message>
    <message>
        <source>Cannot use the settings file %1 (%2).
Continuing with the default settings, which will not be saved.</source>
        <translation>設定ファイル %1 を使えません(%2)。
既定の設定で続けます。設定は保存されません。</translation>
    </message>
    <message>
        <source>Cannot save the settings to %1.</source>
        <translation>設定ファイル %1 に設定を保存できません。</translation>
    </message>
    <message>
        <source>Cannot save the settings to %1 (%2).</source>
        <translation>設定ファイル %1 に設定を保存できません(%2)。</translation>
    </message>
</context>
<context>
    <name>PreviewModel</name>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>none</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>縦</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>横</translation>
    </message>
    <message>
        <source>Printer: %1 / Paper: %2 %3</source>
        <translation>プリンタ : %1 / 用紙 : %2 %3</translation>
    </message>
    <message>
        <source>Page %1/%2</source>
        <translation>%1/%2ページ</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>Print Preview</source>
        <translation>印刷プレビュー</translation>
    </message>
    <message>
        <source>Printed on %1</source>
        <translation>%1 に印刷しました</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>プリンタの設定</translation>
    </message>
    <message>
        <source>Page Split</source>
        <translation>ページ分割</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>次のページ</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>前のページ</translation>
    </message>
    <message>
        <source>Show Margins</source>
        <translation>余白の表示</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Split Pages</source>
        <translation>ページの分割</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>ズームイン</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>ズームアウト</translation>
    </message>
    <message>
        <source>Whole Page</source>
        <translation>ページ全体表示</translation>
    </message>
    <message>
        <source>Fit Page Width</source>
        <translation>ページ幅に合わせる</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>前のページ(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>次のページ(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>移動(&amp;M)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>ズームイン(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>ズームアウト(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Whole Page</source>
        <translation>ページ全体(&amp;A)</translation>
    </message>
    <message>
        <source>Fit Page Wi&amp;dth</source>
        <translation>ページ幅に合わせる(&amp;W)</translation>
    </message>
    <message>
        <source>Show Mar&amp;gins</source>
        <translation>余白の表示(&amp;G)</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>No usable printer was found.</source>
        <translation>有効なプリンタが見つかりません。</translation>
    </message>
    <message>
        <source>Printing on %1...</source>
        <translation>%1に印刷しています...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>This sundial does not fit on A5 paper.
Choose a larger paper.</source>
        <translation>この日時計はA5用紙に収まりません。
より大きな用紙を選択してください。</translation>
    </message>
</context>
<context>
    <name>PrintSubcommand</name>
    <message>
        <source>The printer &quot;%1&quot; was not found.</source>
        <translation>プリンタ「%1」が見つかりません。</translation>
    </message>
    <message>
        <source>The printer does not take this paper.</source>
        <translation>プリンタがこの用紙に対応していません。</translation>
    </message>
</context>
<context>
    <name>PrinterDevice</name>
    <message>
        <source>Cannot print on %1.</source>
        <translation>プリンタに出力できません。(%1)</translation>
    </message>
</context>
<context>
    <name>PrinterSetupCommand</name>
    <message>
        <source>Printer Setup</source>
        <translation>プリンタの設定</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Changing the printer settings...</source>
        <translation>プリンタの設定を変更しています...</translation>
    </message>
    <message>
        <source>The selected paper size is not supported.</source>
        <translation>選択された用紙サイズはサポートしていません。</translation>
    </message>
</context>
<context>
    <name>ProgramModule</name>
    <message>
        <source>The program&apos;s windows cannot be loaded (%1).
Reinstall umbrafex.</source>
        <translation>プログラムのウィンドウ部分を読み込めません (%1)。
umbrafex を入れ直してください。</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Invalid property value.</source>
        <translation>プロパティの値が不正です。</translation>
    </message>
    <message>
        <source>Type mismatch.</source>
        <translation>型が一致しません。</translation>
    </message>
    <message>
        <source>must be above %1 and below %2</source>
        <translation>%1より大きく%2未満の値を指定してください</translation>
    </message>
    <message>
        <source>must be above %1 and at most %2</source>
        <translation>%1より大きく%2以下の値を指定してください</translation>
    </message>
    <message>
        <source>must be at least %1 and below %2</source>
        <translation>%1以上%2未満の値を指定してください</translation>
    </message>
    <message>
        <source>must be from %1 to %2</source>
        <translation>%1～%2の範囲で指定してください</translation>
    </message>
    <message>
        <source>must be 10, 15, 20, 30 or 60</source>
        <translation>10、15、20、30、60のいずれかを指定してください</translation>
    </message>
</context>
<context>
    <name>SheetFit</name>
    <message>
        <source>A face of %1 mm does not fit on this paper.
Print it on several sheets: --tiles yes, or Tiles in the export dialog.</source>
        <translation>%1 mm の文字盤はこの用紙に入りません。
複数の用紙に分けて印刷してください(--tiles yes、または書き出しダイアログの「分割」)。</translation>
    </message>
</context>
<context>
    <name>StandardOutput</name>
    <message>
        <source>Cannot write to standard output.</source>
        <translation>ファイルに書き込めません。(標準出力)</translation>
    </message>
</context>
<context>
    <name>TableCommands</name>
    <message>
        <source>Comma-separated files (*.csv)</source>
        <translation>カンマ区切りファイル (*.csv)</translation>
    </message>
    <message>
        <source>Writing the file...</source>
        <translation>ファイルに出力しています...</translation>
    </message>
    <message>
        <source>Writing the spreadsheet...</source>
        <translation>Excelに出力しています...</translation>
    </message>
    <message>
        <source>No spreadsheet program responded or could be started.

The table was saved in this file:
%1</source>
        <translation>Excelが応答しないか、起動できません。

表は次のファイルに保存してあります:
%1</translation>
    </message>
</context>
<context>
    <name>TableWorkbook</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>mmm d</source>
        <translation>m月d日</translation>
    </message>
    <message>
        <source>The workbook cannot be written: the spreadsheet library (libxlsxwriter) is not installed.</source>
        <translation>ブックを書き出せません。表計算ライブラリ (libxlsxwriter) がインストールされていません。</translation>
    </message>
</context>
<context>
    <name>TileSheets</name>
    <message>
        <source>of %1 rows x %2 columns</source>
        <translation>%1 行 × %2 列</translation>
    </message>
    <message>
        <source>Assembly map: %1 sheets</source>
        <translation>組み立て図: %1 枚</translation>
    </message>
    <message>
        <source>Neighbouring sheets overlap by 10 mm.</source>
        <translation>隣り合う用紙は10 mm 重なります。</translation>
    </message>
    <message>
        <source>Trim each sheet at its crop marks on the left and top, lay it over its</source>
        <translation>各用紙の左と上をトンボで切り、合わせマーク(+)が重なるように</translation>
    </message>
    <message>
        <source>neighbours so that the crosses meet, and tape it.</source>
        <translation>隣の用紙に重ねて、テープで留めます。</translation>
    </message>
    <message>
        <source>Where the hour lines meet the face&apos;s edge (mm from the style&apos;s root)</source>
        <translation>時刻線と文字盤の縁の交点(グノモンの根元から mm)</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>距離</translation>
    </message>
</context>
<context>
    <name>TiledJob</name>
    <message>
        <source>Printing on several sheets needs the face&apos;s size (--size).</source>
        <translation>複数の用紙に分けて印刷するには、文字盤の大きさ(--size)が必要です。</translation>
    </message>
    <message>
        <source>An analemmatic dial is drawn to scale on one sheet; --major sets its size on the ground.</source>
        <translation>アナレンマ日時計は縮尺をつけて1枚に描きます。地面での大きさは --major で指定してください。</translation>
    </message>
    <message>
        <source>This size needs %1 sheets; at most %2 are printed. Choose a smaller size or a larger paper.</source>
        <translation>この大きさには %1 枚の用紙が必要です。印刷できるのは %2 枚までです。小さい大きさか大きい用紙を選んでください。</translation>
    </message>
</context>
<context>
    <name>WallCommand</name>
    <message>
        <source>The sun is below the horizon at that moment.</source>
        <translation>その時刻には太陽が地平線の下にあります。</translation>
    </message>
    <message>
        <source>Sun: azimuth %1, altitude %2</source>
        <translation>太陽 : 方位角 %1、高度 %2</translation>
    </message>
    <message>
        <source>Facing: %1 (%2)</source>
        <translation>壁の向き : %1 (%2)</translation>
    </message>
</context>
<context>
    <name>WallModel</name>
    <message>
        <source>standard time (%1)</source>
        <translation>標準時 (%1)</translation>
    </message>
    <message>
        <source>Enter a date of this year: a month from 1 to 12 and a day of that month.</source>
        <translation>今年の日付を入力してください。月は1〜12、日はその月にある日です。</translation>
    </message>
    <message>
        <source>Enter the time as hours and minutes, from 00:00 to 23:59.</source>
        <translation>時刻を「時:分」の形で、00:00 から 23:59 までで入力してください。</translation>
    </message>
    <message>
        <source>The sun is below the horizon at that moment.</source>
        <translation>その時刻には太陽が地平線の下にあります。</translation>
    </message>
    <message>
        <source>Enter the nail&apos;s length in millimetres, more than 0.</source>
        <translation>釘の長さを 0 より大きい mm の値で入力してください。</translation>
    </message>
    <message>
        <source>Enter the offset in millimetres: + where the shadow&apos;s tip falls right of the nail, − where it falls left.</source>
        <translation>影の先端のずれを mm で入力してください。釘の右にずれたら +、左なら − です。</translation>
    </message>
    <message>
        <source>Facing: %1° (%2)</source>
        <translation>向き: %1° (%2)</translation>
    </message>
</context>
<context>
    <name>WallWindow</name>
    <message>
        <source>Measure the Wall</source>
        <translation>壁の向きを測る</translation>
    </message>
    <message>
        <source>Hold a nail square to the wall in the sun and mark where the tip of its shadow falls. Enter the moment and the two lengths.</source>
        <translation>日の当たる壁に釘を直角に当て、影の先端の位置に印を付けます。その日時と、2つの長さを入力してください。</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>場所:</translation>
    </message>
    <message>
        <source>Date, month</source>
        <translation>日付 月</translation>
    </message>
    <message>
        <source>Date, day</source>
        <translation>日付 日</translation>
    </message>
    <message>
        <source>month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>日付(&amp;D):</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>時刻(&amp;T):</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>&amp;Nail&apos;s length:</source>
        <translation>釘の長さ(&amp;N):</translation>
    </message>
    <message>
        <source>Nail&apos;s length, millimetres</source>
        <translation>釘の長さ (mm)</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Shadow tip&apos;s &amp;offset:</source>
        <translation>影の先端のずれ(&amp;O):</translation>
    </message>
    <message>
        <source>Shadow tip&apos;s offset, millimetres</source>
        <translation>影の先端のずれ (mm)</translation>
    </message>
    <message>
        <source>mm (right +, left −)</source>
        <translation>mm (右 +、左 −)</translation>
    </message>
    <message>
        <source>Sun&apos;s azimuth:</source>
        <translation>太陽の方位角:</translation>
    </message>
    <message>
        <source>Sun&apos;s altitude:</source>
        <translation>太陽の高度:</translation>
    </message>
    <message>
        <source>&amp;Use this facing</source>
        <translation>この向きを使う(&amp;U)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>YearGraph</name>
    <message>
        <source>Jan</source>
        <translation>1月</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>2月</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>3月</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>4月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>5月</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>6月</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>7月</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>8月</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>9月</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>10月</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>11月</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>12月</translation>
    </message>
    <message>
        <source>January</source>
        <translation>1月</translation>
    </message>
    <message>
        <source>February</source>
        <translation>2月</translation>
    </message>
    <message>
        <source>March</source>
        <translation>3月</translation>
    </message>
    <message>
        <source>April</source>
        <translation>4月</translation>
    </message>
    <message>
        <source>June</source>
        <translation>6月</translation>
    </message>
    <message>
        <source>July</source>
        <translation>7月</translation>
    </message>
    <message>
        <source>August</source>
        <translation>8月</translation>
    </message>
    <message>
        <source>September</source>
        <translation>9月</translation>
    </message>
    <message>
        <source>October</source>
        <translation>10月</translation>
    </message>
    <message>
        <source>November</source>
        <translation>11月</translation>
    </message>
    <message>
        <source>December</source>
        <translation>12月</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>month name, day</comment>
        <translation>%1%2日</translation>
    </message>
    <message>
        <source>Equation of time %1 min</source>
        <translation>均時差 %1 分</translation>
    </message>
    <message>
        <source>Solar declination %1°</source>
        <translation>太陽赤緯 %1 度</translation>
    </message>
    <message>
        <source>Equation of time (min)</source>
        <translation>均時差(分)</translation>
    </message>
    <message>
        <source>Solar declination (°)</source>
        <translation>太陽赤緯(度)</translation>
    </message>
    <message>
        <source>Design day</source>
        <translation>設計日</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>Start of spring</source>
        <translation>立春</translation>
    </message>
    <message>
        <source>Spring equinox</source>
        <translation>春分</translation>
    </message>
    <message>
        <source>Start of summer</source>
        <translation>立夏</translation>
    </message>
    <message>
        <source>Summer solstice</source>
        <translation>夏至</translation>
    </message>
    <message>
        <source>Start of autumn</source>
        <translation>立秋</translation>
    </message>
    <message>
        <source>Autumn equinox</source>
        <translation>秋分</translation>
    </message>
    <message>
        <source>Start of winter</source>
        <translation>立冬</translation>
    </message>
    <message>
        <source>Winter solstice</source>
        <translation>冬至</translation>
    </message>
</context>
<context>
    <name>YearGraphWindow</name>
    <message>
        <source>Equation of Time and Solar Declination</source>
        <translation>均時差・太陽赤緯のグラフ</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>保存(&amp;S)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Save Graph</source>
        <translation>グラフの保存</translation>
    </message>
    <message>
        <source>PNG pictures (*.png);;SVG pictures (*.svg)</source>
        <translation>PNG 画像 (*.png);;SVG 画像 (*.svg)</translation>
    </message>
</context>
<context>
    <name>YearTables</name>
    <message>
        <source>Save Equation of Time Table As</source>
        <translation>名前を付けて均時差表の保存</translation>
    </message>
    <message>
        <source>equation-of-time</source>
        <translation>均時差表</translation>
    </message>
    <message>
        <source>Date,Equation of time (min)</source>
        <translation>日付,均時差(分)</translation>
    </message>
    <message>
        <source>Equation of Time (Table)</source>
        <translation>均時差(表)</translation>
    </message>
    <message>
        <source>Making the equation of time table. Please wait...</source>
        <translation>均時差の表を作成しています。しばらくお待ち下さい...</translation>
    </message>
    <message>
        <source>Equation of time (min)</source>
        <translation>均時差(分)</translation>
    </message>
    <message>
        <source>Making the equation of time chart. Please wait...</source>
        <translation>均時差のグラフを作成しています。しばらくお待ち下さい...</translation>
    </message>
    <message>
        <source>Equation of Time (Chart)</source>
        <translation>均時差(グラフ)</translation>
    </message>
    <message>
        <source>Equation of time by approximation (minutes)</source>
        <translation>近似計算による均時差(単位:分)のグラフ</translation>
    </message>
    <message>
        <source>Equation of time by approximation</source>
        <translation>近似計算による均時差</translation>
    </message>
    <message>
        <source>Equation of Time Chart in a Spreadsheet</source>
        <translation>Excelに均時差グラフの出力</translation>
    </message>
    <message>
        <source>Save Solar Declination Table As</source>
        <translation>名前を付けて太陽赤緯表の保存</translation>
    </message>
    <message>
        <source>solar-declination</source>
        <translation>太陽赤緯表</translation>
    </message>
    <message>
        <source>Date,Solar declination (deg)</source>
        <translation>日付,太陽赤緯(度)</translation>
    </message>
    <message>
        <source>Solar Declination (Table)</source>
        <translation>太陽赤緯(表)</translation>
    </message>
    <message>
        <source>Making the solar declination table. Please wait...</source>
        <translation>太陽赤緯の表を作成しています。しばらくお待ち下さい...</translation>
    </message>
    <message>
        <source>Solar declination (deg)</source>
        <translation>太陽赤緯(度)</translation>
    </message>
    <message>
        <source>Making the solar declination chart. Please wait...</source>
        <translation>太陽赤緯のグラフを作成しています。しばらくお待ち下さい...</translation>
    </message>
    <message>
        <source>Solar Declination (Chart)</source>
        <translation>太陽赤緯(グラフ)</translation>
    </message>
    <message>
        <source>Solar declination by approximation (degrees)</source>
        <translation>近似計算による太陽赤緯(単位:度)のグラフ</translation>
    </message>
    <message>
        <source>Solar declination by approximation</source>
        <translation>近似計算による太陽赤緯</translation>
    </message>
    <message>
        <source>Solar Declination Chart in a Spreadsheet</source>
        <translation>Excelに太陽赤緯グラフの出力</translation>
    </message>
    <message>
        <source>Cannot save %1.</source>
        <translation>%1を保存することができません。</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Introduction</source>
        <translation>はじめに</translation>
    </message>
    <message>
        <source>What Is a Horizontal Sundial?</source>
        <translation>水平型日時計とは</translation>
    </message>
    <message>
        <source>Making a Sundial Step by Step</source>
        <translation>日時計を作る手順</translation>
    </message>
    <message>
        <source>Solar Time and Standard Time</source>
        <translation>真太陽時と中央標準時</translation>
    </message>
    <message>
        <source>The Equation of Time and the Date</source>
        <translation>均時差と日付指定</translation>
    </message>
    <message>
        <source>Printing and Splitting Pages</source>
        <translation>印刷とページの分割</translation>
    </message>
    <message>
        <source>Cutting Out and Assembling</source>
        <translation>切り抜きと組み立て</translation>
    </message>
    <message>
        <source>Setting Up the Sundial</source>
        <translation>日時計の設置</translation>
    </message>
    <message>
        <source>The Main Window</source>
        <translation>メイン画面</translation>
    </message>
    <message>
        <source>Menus and Toolbar</source>
        <translation>メニューとツールバー</translation>
    </message>
    <message>
        <source>Choosing a Location</source>
        <translation>地域の選択</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>印刷プレビュー</translation>
    </message>
    <message>
        <source>The Desktop Sundial</source>
        <translation>デスクトップ日時計</translation>
    </message>
    <message>
        <source>Tables and Graph</source>
        <translation>均時差・太陽赤緯の表とグラフ</translation>
    </message>
    <message>
        <source>The Summary</source>
        <translation>計算条件一覧</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Files and the Command Line</source>
        <translation>設定ファイルとコマンドライン</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>困ったときは</translation>
    </message>
    <message>
        <source>Data Sources and Licenses</source>
        <translation>データの出典とライセンス</translation>
    </message>
    <message>
        <source>Umbrafex Help</source>
        <translation>Umbrafex ヘルプ</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>ヘルプの本文</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目次</translation>
    </message>
    <message>
        <source>The link cannot be opened.</source>
        <translation>リンク先を開くことができません。</translation>
    </message>
    <message>
        <source>Dials on Any Plane</source>
        <translation>いろいろな面の日時計</translation>
    </message>
    <message>
        <source>Measuring and Mounting a Wall Dial</source>
        <translation>壁の向きの測り方と取り付け</translation>
    </message>
</context>
</TS>
