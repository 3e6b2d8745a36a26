<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CClockDlg</name>
    <message>
        <source>Click to minimize.  RIGHT click for setup.</source>
        <translation>クリックで最小化。右クリックで設定。</translation>
    </message>
    <message>
        <source>Choose a city in your timezone.</source>
        <translation>お使いのタイムゾーンの都市を選んでください。</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>火曜日</translation>
    </message>
    <message>
        <source>Wenesday</source>
        <translation>水曜日</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>木曜日</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>金曜日</translation>
    </message>
    <message>
        <source>City, face and alarm...</source>
        <comment>menu clock</comment>
        <translation>都市、文字盤、アラーム...</translation>
    </message>
    <message>
        <source>Start at login</source>
        <comment>menu clock</comment>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>スヌーズ</translation>
    </message>
    <message>
        <source>Ring again in 10 minutes</source>
        <translation>10 分後にもう一度鳴らす</translation>
    </message>
    <message>
        <source>No timezone found for:</source>
        <translation>タイムゾーンが見つかりません:</translation>
    </message>
    <message>
        <source>Alarm now</source>
        <translation>アラーム中</translation>
    </message>
    <message>
        <source>Alarm in %1</source>
        <translation>アラームまで %1</translation>
    </message>
    <message>
        <source>Minimize</source>
        <comment>menu clock</comment>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Delete this clock...</source>
        <comment>menu clock</comment>
        <translation>この時計を削除...</translation>
    </message>
    <message>
        <source>Delete this clock?</source>
        <translation>この時計を削除しますか?</translation>
    </message>
    <message>
        <source>today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>明日</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>昨日</translation>
    </message>
    <message numerus="yes">
        <source>%n days earlier</source>
        <translation>
            <numerusform>%n 日前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days later</source>
        <translation>
            <numerusform>%n 日後</numerusform>
        </translation>
    </message>
    <message>
        <source>%1d</source>
        <comment>time to the alarm: days</comment>
        <translation>%1日</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>time to the alarm: hours</comment>
        <translation>%1時間</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>time to the alarm: minutes</comment>
        <translation>%1分</translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>time to the alarm: seconds</comment>
        <translation>%1秒</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours ahead of local time</comment>
        <translation>%1時間</translation>
    </message>
    <message>
        <source>%1y</source>
        <comment>time to the alarm: years</comment>
        <translation>%1年</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>menu File</comment>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>新しいドキュメントを作成します</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>menu File</comment>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>既存のドキュメントを開きます</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>menu File</comment>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>現在のドキュメントを保存します</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <comment>menu File</comment>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>現在のドキュメントを新しい名前で保存します</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>menu File</comment>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>アプリケーションを終了します。ドキュメントの保存を確認します</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>%1 への変更を保存しますか?</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>予期しないファイル形式です。</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>ファイル %1 を開けません。</translation>
    </message>
    <message>
        <source>Failed to save document %1.</source>
        <translation>ドキュメント %1 を保存できませんでした。</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>このドキュメントを開きます</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>最近使ったファイル</translation>
    </message>
</context>
<context>
    <name>CSetAllarm</name>
    <message>
        <source>Set Alarm</source>
        <translation>アラームの設定</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Enter message you wnat to see at Alarm time.</source>
        <translation>アラームの時刻に表示するメッセージを入力してください。</translation>
    </message>
    <message>
        <source>Set the alarm to trigger at given time.</source>
        <translation>指定した時刻に鳴るようにアラームを設定します。</translation>
    </message>
    <message>
        <source>Cancel the alarm.</source>
        <translation>アラームを取り消します。</translation>
    </message>
    <message>
        <source>Set date of alarm.</source>
        <translation>アラームの日付を設定します。</translation>
    </message>
    <message>
        <source>Set time of alarm.</source>
        <translation>アラームの時刻を設定します。</translation>
    </message>
    <message>
        <source>That date/time has already occured</source>
        <translation>その日時はすでに過ぎています</translation>
    </message>
    <message>
        <source>Occurs in %1 from now %2</source>
        <translation>今から %1 後に鳴ります (現在 %2)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Close without changing the alarm.</source>
        <translation>アラームを変更せずに閉じます。</translation>
    </message>
    <message>
        <source>That date/time has already passed. Choose a later time for the alarm.</source>
        <translation>その日時はすでに過ぎています。アラームにはもっと後の時刻を選んでください。</translation>
    </message>
</context>
<context>
    <name>CWhatCity</name>
    <message>
        <source>What city?</source>
        <translation>どの都市?</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>アラーム</translation>
    </message>
    <message>
        <source>Clasic</source>
        <translation>クラシック</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>モダン</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>アイコン</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>デジタル</translation>
    </message>
    <message>
        <source>24 Hour</source>
        <translation>24 時間</translation>
    </message>
    <message>
        <source>Select a city.</source>
        <translation>都市を選んでください。</translation>
    </message>
    <message>
        <source>Set current clock for selected city and close</source>
        <translation>この時計を選んだ都市に設定して閉じます</translation>
    </message>
    <message>
        <source>Create a new clock for selected city</source>
        <translation>選んだ都市の新しい時計を作成します</translation>
    </message>
    <message>
        <source>Delete the current clock and close</source>
        <translation>この時計を削除して閉じます</translation>
    </message>
    <message>
        <source>Setup an alarm time relitive to selected city</source>
        <translation>選んだ都市の時刻でアラームを設定します</translation>
    </message>
    <message>
        <source>Select clock appearance</source>
        <translation>時計の外観を選びます</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Type part of a city&apos;s name to find it.</source>
        <translation>都市名の一部を入力すると検索できます。</translation>
    </message>
    <message>
        <source>Close without making a clock</source>
        <translation>時計を作成せずに閉じます</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>usage:</source>
        <translation>使い方:</translation>
    </message>
    <message>
        <source>with</source>
        <translation>次と併用:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 または %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 が二度指定されています</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 には %2 が必要です</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 は値を取りません</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 は %2 と併用します</translation>
    </message>
    <message>
        <source>-- must be followed by a file</source>
        <translation>-- の後にはファイルが必要です</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>予期しない引数 %1</translation>
    </message>
    <message>
        <source>no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>ディスプレイがありません (DISPLAY も WAYLAND_DISPLAY も設定されていません)</translation>
    </message>
    <message>
        <source>cannot open display %1</source>
        <translation>ディスプレイ %1 を開けません</translation>
    </message>
    <message>
        <source>%1 (see %2 --help)</source>
        <translation>%1 (%2 --help を参照)</translation>
    </message>
</context>
<context>
    <name>Kestrum</name>
    <message>
        <source>Failed to write Restart command</source>
        <translation>再起動コマンドを書き込めませんでした</translation>
    </message>
    <message>
        <source>Failed to read Restart commands</source>
        <translation>再起動コマンドを読み込めませんでした</translation>
    </message>
    <message>
        <source>Error in rewriting Startup file</source>
        <translation>スタートアップファイルの書き換え中にエラーが発生しました</translation>
    </message>
    <message>
        <source>CreateSoundBuffer failed</source>
        <translation>CreateSoundBuffer に失敗しました</translation>
    </message>
    <message>
        <source>You are missing, TimeZones.txt, a required file.</source>
        <translation>必要なファイル TimeZones.txt がありません。</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>%1 を削除できません: %2</translation>
    </message>
</context>
</TS>
