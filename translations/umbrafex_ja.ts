<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
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
    <name>DialTexts</name>
    <message>
        <source>Nodus height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jan–Jun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jul–Dec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nodus</source>
        <translation>ノーモン</translation>
    </message>
    <message>
        <source>Print at 100 % if this bar is not 100 mm long.</source>
        <translation type="unfinished"></translation>
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
</context>
<context>
    <name>ExportPagesCommand</name>
    <message>
        <source>Export to PDF/SVG/PNG</source>
        <translation>PDF/SVG/PNGに書き出し</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;SVG pictures (*.svg);;PNG pictures (*.png)</source>
        <translation>PDF ファイル (*.pdf);;SVG 画像 (*.svg);;PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>The file name must end in .pdf, .svg or .png.</source>
        <translation>ファイル名の拡張子は .pdf、.svg、.png のいずれかにしてください。</translation>
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
        <translation type="unfinished">OK</translation>
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
        <translation type="unfinished">OK</translation>
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
        <translation type="unfinished">%1%2日 {1分?}</translation>
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
    <name>NodusChecks</name>
    <message>
        <source>Near the equator the gnomon&apos;s style lies almost flat:
the date lines and hour curves run off the dial face.</source>
        <translation>赤道付近ではノーモンの斜辺がほぼ水平になるため、
日付線と時刻曲線が文字盤からはみ出します。</translation>
    </message>
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
        <translation type="unfinished">OK</translation>
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
</context>
<context>
    <name>OutputErrors</name>
    <message>
        <source>Cannot write the file %1.</source>
        <translation>ファイルに書き込めません。(%1)</translation>
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
        <translation type="unfinished">OK</translation>
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
        <source>Spring</source>
        <comment>start of spring, early February</comment>
        <translation>立春</translation>
    </message>
    <message>
        <source>Equinox</source>
        <comment>March equinox</comment>
        <translation>春分</translation>
    </message>
    <message>
        <source>Summer</source>
        <comment>start of summer, early May</comment>
        <translation>立夏</translation>
    </message>
    <message>
        <source>Solstice</source>
        <comment>June solstice</comment>
        <translation>夏至</translation>
    </message>
    <message>
        <source>Autumn</source>
        <comment>start of autumn, early August</comment>
        <translation>立秋</translation>
    </message>
    <message>
        <source>Equinox</source>
        <comment>September equinox</comment>
        <translation>秋分</translation>
    </message>
    <message>
        <source>Winter</source>
        <comment>start of winter, early November</comment>
        <translation>立冬</translation>
    </message>
    <message>
        <source>Solstice</source>
        <comment>December solstice</comment>
        <translation>冬至</translation>
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
</TS>
