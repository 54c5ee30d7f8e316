<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
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
    <name>CommandLine</name>
    <message>
        <source>There is no display to open the window on. (%1)</source>
        <translation>ウィンドウを開くディスプレイがありません。(%1)</translation>
    </message>
    <message>
        <source>For the commands that need no screen, see umbrafex --help.</source>
        <translation>画面を使わないコマンドは umbrafex --help をご覧ください。</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print at 100 % if this bar is not 100 mm long.</source>
        <translation type="unfinished"></translation>
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
    <name>FileDialogs</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既に存在します。
上書きしますか?</translation>
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
        <source>T&amp;ime difference:</source>
        <translation>標準時差(&amp;I):</translation>
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
    <name>StandardOutput</name>
    <message>
        <source>Cannot write to standard output.</source>
        <translation>ファイルに書き込めません。(標準出力)</translation>
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
</context>
</TS>
