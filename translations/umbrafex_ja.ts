<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ClockWindow</name>
    <message>
        <source>デスクトップ日時計</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>現在時刻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自由設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示時刻 : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>真太陽時 / </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中央標準時 / </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>動作モード : </source>
        <translation type="unfinished"></translation>
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
        <source>Nodus</source>
        <translation>ノーダス</translation>
    </message>
    <message>
        <source>Print at 100 % if this bar is not 100 mm long.</source>
        <translation>この目盛りが100 mmでなければ、倍率100 %で印刷してください。</translation>
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
        <source>Cannot open %1.</source>
        <translation>%1を開くことができません。</translation>
    </message>
    <message>
        <source>Cannot save %1.</source>
        <translation>%1を保存することができません。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>ファイルにこれ以上データがありません。</translation>
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
    <name>FileDialogs</name>
    <message>
        <source> は既に存在します。
上書きしますか?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InfoWindow</name>
    <message>
        <source>計算条件一覧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コピー</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LocationDialog</name>
    <message>
        <source>地域の選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>地域と都市</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>地域(&amp;R):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>都市名の一部 (日本語または英語)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>検索(&amp;S):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>都市</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>都市(&amp;C):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>緯度:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>経度:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>備考:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>都市名を英語表記する(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>世界測地系に変換する(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Umbrafex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>地域</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前(&amp;N):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>度    分    秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>緯度(&amp;L):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>経度(&amp;G) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>標準時差(&amp;I):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>時    分    秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>磁気偏角(&amp;M):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>真太陽時(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中央標準時(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>時間間隔(&amp;P):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日付指定なし/現在時刻モード</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日付指定あり/自由設定モード</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日付</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日付(&amp;D):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>月    日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>均時差(&amp;E):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> に印刷しました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> に書き出しました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プリンタの設定(&amp;U)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷プレビュー(&amp;V)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF/SVG/PNGに書き出し...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ツール(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>地域の選択(&amp;L)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計算条件一覧(&amp;I)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デスクトップ日時計(&amp;C)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>オプション(&amp;O)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表・グラフ(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>均時差(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excelに出力(&amp;X)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルに出力(&amp;F)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>太陽赤緯(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>均時差・太陽赤緯のグラフ(&amp;G)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>目次(&amp;C)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ツールバー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上書き保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プリンタの設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷プレビュー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>地域の選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計算条件一覧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デスクトップ日時計</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>オプション</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>均時差</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>太陽赤緯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ポップヒント</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>オプション</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定項目(&amp;P):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォントが選択されていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サポートする全ての画像形式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メタファイル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ビットマップ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEGファイル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIFファイル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>拡張メタファイル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNGファイル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVGファイル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルの参照</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date lines and hour curves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solstices, equinoxes and the days between</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The 24 solar terms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First day of each month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The design&apos;s own day (when it has one)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole figure eights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two halves: January to June, July to December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour curves show mean standard time on every day. In true solar time the straight
hour lines are already exact, so no curves are drawn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 mm scale bar on every page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date lines:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour curves:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nodus height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm (empty: fits the solstice arcs to the face)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the nodus height in millimetres, up to 1000, or leave it empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色・フォント</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色・フォントを設定する項目</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォント:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>背景画像</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>背景画像のファイル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示オプション</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文字盤とノーモンを&amp;1ページに配置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>配置マーク(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>各種情報(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>線種適用(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>線幅(&amp;W):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ポイント</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>時刻表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短い形式(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>長い形式(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>昼または夜の設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像の表示(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>影を反転色(&amp;I)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイムゾーン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>システム設定に合わせる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GMT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>時差 時間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>時差 分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>標準時子午線:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>時差(時間:分):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前へ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次へ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>標準に戻す</source>
        <translation type="unfinished"></translation>
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
    <name>QObject</name>
    <message>
        <source>地域の選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計算条件一覧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>オプション</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色の設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォント</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文字の色(&amp;C):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ライン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>背景</source>
        <translation type="unfinished"></translation>
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
</context>
<context>
    <name>YearGraphWindow</name>
    <message>
        <source>均時差・太陽赤緯のグラフ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存(&amp;S)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>グラフの保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG 画像 (*.png);;SVG 画像 (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmGraph</name>
    <message>
        <source>均時差・太陽赤緯のグラフ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
