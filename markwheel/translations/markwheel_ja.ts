<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>Markwheel Files (*.mkw)</source>
        <translation>Markwheel ファイル (*.mkw)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>menu File</comment>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Clear the InUse list
InUse</source>
        <translation>使用中のファイルの一覧を消去します
使用中</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>menu bar</comment>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>menu Edit</comment>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>直前の操作を元に戻します
元に戻す</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <comment>menu Edit</comment>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>選択範囲を切り取ってクリップボードに置きます
切り取り</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <comment>menu Edit</comment>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>選択範囲をクリップボードにコピーします
コピー</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <comment>menu Edit</comment>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>クリップボードの内容を挿入します
貼り付け</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>menu Edit</comment>
        <translation>変更</translation>
    </message>
    <message>
        <source>Change current target date
Date</source>
        <translation>現在の目標日時を変更します
日付</translation>
    </message>
    <message>
        <source>Format</source>
        <comment>menu bar</comment>
        <translation>表示形式</translation>
    </message>
    <message>
        <source>Count down</source>
        <comment>menu Format</comment>
        <translation>カウントダウン</translation>
    </message>
    <message>
        <source>Calendar clock</source>
        <comment>menu Format</comment>
        <translation>カレンダー時計</translation>
    </message>
    <message>
        <source>Calendar Clock AM/PM</source>
        <comment>menu Format</comment>
        <translation>カレンダー時計 (午前/午後)</translation>
    </message>
    <message>
        <source>Solar Time</source>
        <comment>menu Format</comment>
        <translation>太陽時</translation>
    </message>
    <message>
        <source>Count down/up to target date/time
or up</source>
        <translation>目標日時までカウントダウンまたはカウントアップします
またはアップ</translation>
    </message>
    <message>
        <source>Day, Date and Time
Today</source>
        <translation>曜日、日付と時刻
今日</translation>
    </message>
    <message>
        <source>Same as Calendar Clock with AM PM indecators\m
AM PM</source>
        <translation>カレンダー時計と同じで、午前/午後を表示します\m
午前/午後</translation>
    </message>
    <message>
        <source>At 12 Noon sun is directly overhead
 Sun Dial</source>
        <translation>正午 12 時に太陽が南中します
 日時計</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Markwheel...</source>
        <comment>menu Help</comment>
        <translation>Markwheel について(&amp;A)...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>プログラムの情報、バージョン番号、著作権を表示します
バージョン情報</translation>
    </message>
    <message>
        <source>About Markwheel</source>
        <translation>Markwheel について</translation>
    </message>
    <message>
        <source>Markwheel Version 1.0</source>
        <translation>Markwheel バージョン 1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CMarkwheelDoc</name>
    <message>
        <source>Year %d</source>
        <translation>%d年</translation>
    </message>
</context>
<context>
    <name>CMarkwheelView</name>
    <message>
        <source>%1 solar</source>
        <translation>太陽時 %1</translation>
    </message>
</context>
<context>
    <name>CSetTargetDlg</name>
    <message>
        <source>Set Target Date</source>
        <translation>目標日時の設定</translation>
    </message>
    <message>
        <source>Shown as the window title while counting</source>
        <translation>カウント中にウィンドウのタイトルとして表示されます</translation>
    </message>
    <message>
        <source>Year of the target; negative years are before year 1</source>
        <translation>目標の年。負の年は西暦 1 年より前です</translation>
    </message>
    <message>
        <source>Month, 1 to 12</source>
        <translation>月 (1～12)</translation>
    </message>
    <message>
        <source>Day of the month, 1 to 31</source>
        <translation>日 (1～31)</translation>
    </message>
    <message>
        <source>Hour, 0 to 23 (local time)</source>
        <translation>時 (0～23、現地時刻)</translation>
    </message>
    <message>
        <source>Minute, 0 to 59</source>
        <translation>分 (0～59)</translation>
    </message>
    <message>
        <source>Second, 0 to 59</source>
        <translation>秒 (0～59)</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>時</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>整数を入力してください。</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>%1 から %2 までの整数を入力してください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit (also -h)</source>
        <translation>このヘルプを表示して終了 (-h も可)</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>バージョンを表示して終了</translation>
    </message>
    <message>
        <source>markwheel [TARGET.mkw]</source>
        <translation>markwheel [目標.mkw]</translation>
    </message>
</context>
</TS>
