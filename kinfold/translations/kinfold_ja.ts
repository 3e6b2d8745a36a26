<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AccountSync</name>
    <message>
        <source>%1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no password for %1 (none in the secret store; give it with --sync --password-stdin)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--add-account needs --user NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--add-account needs the server&apos;s address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--user goes with --add-account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only one document can be synced (got %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--remove-account: &quot;%1&quot; is no account number (see kinfold --accounts)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; the account was not added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no address book at %1 and nothing to publish; the account was not added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is account %2 already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the password was not kept (%1); give it at each sync with --sync --password-stdin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>account %1: %2, 1 address book</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>account %1: %2, %n address books</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes to &quot;Birthdays&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every address book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--remove-account: there is no account %1 (see kinfold --accounts)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>account %1 (%2) removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no account to sync (add one with --add-account)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 1 card could not be read and was left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n cards could not be read and were left out</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n address books</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BirthdayImport</name>
    <message>
        <source>%1 is neither a GEDCOM file (&quot;0 HEAD&quot;) nor a vCard file (&quot;BEGIN:VCARD&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BirthdayList</name>
    <message>
        <source>Unexpected file format.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAccountEditDlg</name>
    <message>
        <source>Add Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s address (https://dav.example.org/), or the address of one address book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s secret store, never in a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish the birthdays to the calendar &quot;Birthdays&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address books read; when all are ticked, new ones are read too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address books:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please give the server&apos;s address and your user name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no address book on this server)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please tick an address book, or publish the birthdays.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password cannot be kept: %1. Kinfold will ask for it at each sync.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAccountsDlg</name>
    <message>
        <source>Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address books read into the list, and calendars the birthdays are published to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the account %1? The entries it brought stay in the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every address book</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n address book(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes &quot;Birthdays&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no account yet: add one with File &gt; Accounts...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing with the accounts...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server refused the password of %1. Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password of %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n card(s) could not be read and were left out.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Sync failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synced: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sync did not finish; the list keeps what was read, and the next sync goes on from there.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBirthdayEditDlg</name>
    <message>
        <source>Birthday Edit</source>
        <translation>誕生日の編集</translation>
    </message>
    <message>
        <source>Choose type of object.</source>
        <translation>項目の種類を選んでください。</translation>
    </message>
    <message>
        <source>Delete this item</source>
        <translation>この項目を削除</translation>
    </message>
    <message>
        <source>Remove this object.</source>
        <translation>この項目を削除します。</translation>
    </message>
    <message>
        <source>Display Text</source>
        <translation>表示テキスト</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>Name if individual</source>
        <translation>個人の名前</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>End</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Individual birthday</source>
        <translation>個人の誕生日</translation>
    </message>
    <message>
        <source>Couple (Joe+Mary) Wedding date</source>
        <translation>夫婦 (太郎+花子) の結婚記念日</translation>
    </message>
    <message>
        <source>Note (Dr at 4PM) display date</source>
        <translation>メモ (午後 4 時に医者) の表示日</translation>
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
        <source>Birth year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth day of month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marriage year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marriage month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marriage day of month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Death year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Death month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Death day of month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Death</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBirthdayNamesDlg</name>
    <message>
        <source>Birthday Names</source>
        <translation>誕生日の一覧</translation>
    </message>
    <message>
        <source>The List of Birthdays.</source>
        <translation>誕生日の一覧です。</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Modify object.</source>
        <translation>項目を変更します。</translation>
    </message>
    <message>
        <source>Delete selected object.</source>
        <translation>選んだ項目を削除します。</translation>
    </message>
    <message>
        <source>Create a new object.</source>
        <translation>新しい項目を作成します。</translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show only the entries whose text or date holds these letters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A date of this entry cannot be: Edit to mend it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCountrySetDlg</name>
    <message>
        <source>Country</source>
        <translation>国</translation>
    </message>
    <message>
        <source>The public holidays of which country.</source>
        <translation>どの国の祝日か。</translation>
    </message>
    <message>
        <source>Please choose a country.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
</context>
<context>
    <name>CEditDateDlg</name>
    <message>
        <source>Enter Date</source>
        <translation>日付の入力</translation>
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
        <source>Set desired year, do not abbreviate.</source>
        <translation>年を省略せずに入力してください。</translation>
    </message>
    <message>
        <source>Set month number (1-12).</source>
        <translation>月の番号を入力してください (1～12)。</translation>
    </message>
    <message>
        <source>Set day of month (1-31).</source>
        <translation>日を入力してください (1～31)。</translation>
    </message>
</context>
<context>
    <name>CExportCalendarDlg</name>
    <message>
        <source>Export Calendar</source>
        <translation type="unfinished">カレンダーのエクスポート</translation>
    </message>
    <message>
        <source>Include</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The birthdays of the people in the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anniversaries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wedding days of couples (&quot;Anniversary&quot; on the calendar).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished">メモ</translation>
    </message>
    <message>
        <source>The dated notes (&quot;Notes&quot; on the calendar).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthdays after the death date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off: a birthday ends at the death date (&quot;Dead&quot; on the calendar).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders as alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One alarm per lead day of the reminders, at their time of day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 event; %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n events; %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFontColorDlg</name>
    <message>
        <source>Color...</source>
        <translation>色...</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
</context>
<context>
    <name>CHolidayEditDlg</name>
    <message>
        <source>Edit Holliday</source>
        <translation>祝日の編集</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>For example Christmas.</source>
        <translation>例: クリスマス。</translation>
    </message>
    <message>
        <source>Legale definition.</source>
        <translation>法律上の定義。</translation>
    </message>
    <message>
        <source>Good Friday -2, Easter Monday 1, Ascension 39, Whit Monday 50.</source>
        <translation>聖金曜日 -2、復活祭月曜日 1、昇天祭 39、聖霊降臨祭月曜日 50。</translation>
    </message>
    <message>
        <source>As the United Kingdom keeps Christmas and Boxing Day.</source>
        <translation>英国がクリスマスとボクシング デーを祝うように。</translation>
    </message>
    <message>
        <source>Choose month.</source>
        <translation>月を選んでください。</translation>
    </message>
    <message>
        <source>Choose which week (1st..Last).</source>
        <translation>週を選んでください (第 1～最終)。</translation>
    </message>
    <message>
        <source>Choose day of week.</source>
        <translation>曜日を選んでください。</translation>
    </message>
    <message>
        <source>Looking for a number here.</source>
        <translation>ここには数値を入力してください。</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>週</translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation>曜日</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>西方教会</translation>
    </message>
    <message>
        <source>Orthodox</source>
        <translation>正教会</translation>
    </message>
    <message>
        <source>Which churches&apos; Easter.</source>
        <translation>どの教会の復活祭か。</translation>
    </message>
    <message>
        <source>Days after Easter Sunday, or before it when negative.</source>
        <translation>復活祭の日曜日から後の日数 (負の値なら前)。</translation>
    </message>
    <message>
        <source>The one year the holiday is kept.</source>
        <translation>この祝日がある唯一の年。</translation>
    </message>
    <message>
        <source>When the date falls on this day of week, the date itself.</source>
        <translation>日付がこの曜日に当たるときは、その日付そのもの。</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>復活祭</translation>
    </message>
    <message>
        <source>Days from Easter</source>
        <translation>復活祭からの日数</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Date itself on</source>
        <translation>この曜日なら日付そのもの</translation>
    </message>
    <message>
        <source>Fixed date</source>
        <translation>固定日</translation>
    </message>
    <message>
        <source>Fixed day of week</source>
        <translation>固定曜日</translation>
    </message>
    <message>
        <source>Next business day after</source>
        <translation>指定日の翌営業日</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the next free weekday</source>
        <translation>固定日、週末に当たるときは次の平日も休み</translation>
    </message>
    <message>
        <source>Fixed date, on a Sunday the Saturday before</source>
        <translation>固定日、日曜日に当たるときは前の土曜日</translation>
    </message>
    <message>
        <source>Day of week on or after the date</source>
        <translation>日付以降の最初の指定曜日</translation>
    </message>
    <message>
        <source>Day of week on or before the date</source>
        <translation>日付以前の最後の指定曜日</translation>
    </message>
    <message>
        <source>Date in one year only</source>
        <translation>1 年だけの日付</translation>
    </message>
    <message>
        <source>Day of week on or after the date, or the date itself on</source>
        <translation>日付以降の最初の指定曜日、または指定の曜日なら日付そのもの</translation>
    </message>
    <message>
        <source>FBD after</source>
        <translation>指定日の翌営業日</translation>
    </message>
    <message>
        <source>First</source>
        <translation>第 1</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>第 2</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>第 3</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>第 4</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>第 5</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>最終</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the Friday before or Monday after (observed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day the season begins (equinox or solstice)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A holiday on a Sunday: the next free day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A day between two holidays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not on the date in one year (moved)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the United States observe their federal holidays.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose March or September for the equinoxes, June or December for the solstices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For the whole list, as Japan keeps its holidays; the name is the day&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For the whole list; the day of week chosen is left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The holiday of this name is not kept on the date in the year given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours from UT of the local time (Japan 9).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours from UT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First year the holiday is kept; empty for always.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last year the holiday is kept; empty for always.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept from year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last year comes before the first.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHolidayListDlg</name>
    <message>
        <source>Edit Holliday list</source>
        <translation>祝日一覧の編集</translation>
    </message>
    <message>
        <source>List of hollidays.</source>
        <translation>祝日の一覧です。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Country...</source>
        <translation>国...</translation>
    </message>
    <message>
        <source>Screen to change currently selected holliday.</source>
        <translation>選んだ祝日を変更します。</translation>
    </message>
    <message>
        <source>Screen to enter a new holliday.</source>
        <translation>新しい祝日を入力します。</translation>
    </message>
    <message>
        <source>Remove selected holliday.</source>
        <translation>選んだ祝日を削除します。</translation>
    </message>
    <message>
        <source>Put in the initial factory settings.</source>
        <translation>出荷時の設定に戻します。</translation>
    </message>
    <message>
        <source>Put in the public holidays of a country.</source>
        <translation>ある国の祝日を取り込みます。</translation>
    </message>
    <message>
        <source>From file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the all-day events of a calendar file (.ics).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace your holidays by those of %1?

Yes replaces the list, No adds them at its end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCalendar files (*.ics *.ical);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CKinfoldView</name>
    <message>
        <source> Month&gt;</source>
        <translation> 月&gt;</translation>
    </message>
    <message>
        <source>Advance Month
Next Month</source>
        <translation>1 か月進めます
翌月</translation>
    </message>
    <message>
        <source>&lt;Month</source>
        <translation>&lt;月</translation>
    </message>
    <message>
        <source>Sets Month to previous
Last Month</source>
        <translation>1 か月戻します
前月</translation>
    </message>
    <message>
        <source>Year&gt;&gt;</source>
        <translation>年&gt;&gt;</translation>
    </message>
    <message>
        <source>Advance Year
Next Year</source>
        <translation>1 年進めます
翌年</translation>
    </message>
    <message>
        <source>&lt;&lt;Year</source>
        <translation>&lt;&lt;年</translation>
    </message>
    <message>
        <source>Gets previous year
Last Year</source>
        <translation>1 年戻します
前年</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>Sets Year and Month to current
This Month this Year</source>
        <translation>今年の今月に移動します
今年の今月</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Type in Any year any month
Any Year Any Month</source>
        <translation>任意の年と月を入力します
任意の年と月</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目標日</translation>
    </message>
    <message>
        <source>Display count of days until (or since) a given date
Day Number</source>
        <translation>指定した日までの (または指定した日からの) 日数を表示します
日数</translation>
    </message>
    <message>
        <source>Dead</source>
        <translation>故人</translation>
    </message>
    <message>
        <source>Birthdays after death date
Birthdays</source>
        <translation>亡くなった日の後の誕生日
誕生日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜始まり</translation>
    </message>
    <message>
        <source>Monday as first day of the week
Start Week</source>
        <translation>週の最初の日を月曜日にします
週の始まり</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>名のみ</translation>
    </message>
    <message>
        <source>Display first name only
Birthday</source>
        <translation>名だけを表示します
誕生日</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>結婚記念日</translation>
    </message>
    <message>
        <source>Display anniversaries
Marriage</source>
        <translation>結婚記念日を表示します
結婚</translation>
    </message>
    <message>
        <source>Day Count</source>
        <translation>日数カウンター</translation>
    </message>
    <message>
        <source>Days from target\Countdown</source>
        <translation>目標日からの日数\カウントダウン</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Use pictures for calandar background
Background</source>
        <translation>画像をカレンダーの背景に使います
背景</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Notes
View notes on calendar</source>
        <translation>メモ
カレンダーにメモを表示します</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>月相</translation>
    </message>
    <message>
        <source>Show start of moon quarter
Quarter</source>
        <translation>月の四分の一周期の始まりを表示します
弦</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>季節</translation>
    </message>
    <message>
        <source>Start of seasons
Season</source>
        <translation>季節の始まり
季節</translation>
    </message>
    <message>
        <source>Week Numbers</source>
        <translation>週番号</translation>
    </message>
    <message>
        <source>Show the number of each week in its first day
Week Numbers</source>
        <translation>各週の番号をその最初の日に表示します
週番号</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>One month per page/nNormal</source>
        <translation>1 ページに 1 か月/n標準</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>Six months per page
six minths</source>
        <translation>1 ページに 6 か月
6 か月</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>Twelve months per page
Year</source>
        <translation>1 ページに 12 か月
1 年</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>現行暦</translation>
    </message>
    <message>
        <source>Our current calendar
Current</source>
        <translation>現在使われている暦
現行暦</translation>
    </message>
    <message>
        <source>Old style</source>
        <translation>旧暦法</translation>
    </message>
    <message>
        <source>used until 1400 or 1700
Old style</source>
        <translation>1400 年または 1700 年まで使われた暦
旧暦法</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>月暦</translation>
    </message>
    <message>
        <source>Each month starts at new moon
Moon</source>
        <translation>各月が新月で始まります
月暦</translation>
    </message>
    <message>
        <source>Year of the Snake</source>
        <translation>巳年</translation>
    </message>
    <message>
        <source>Chinise callendar for fun
Year of the Snake</source>
        <translation>お楽しみの中国の暦
巳年</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Brings up the Opions Setting Dialog box
Persistent Options</source>
        <translation>オプション設定のダイアログを開きます
保存されるオプション</translation>
    </message>
    <message>
        <source>Apply Profile</source>
        <translation>プロファイルを適用</translation>
    </message>
    <message>
        <source>Set options to last saved profile
Apply options</source>
        <translation>オプションを最後に保存したプロファイルに戻します
オプションを適用</translation>
    </message>
    <message>
        <source>List</source>
        <translation>一覧</translation>
    </message>
    <message>
        <source>See and edit list of Names
Edit names</source>
        <translation>名前の一覧を表示・編集します
名前の編集</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Load birthdays from a Gedcom file generated by a Genealogy program, or from a vCard address book
Import</source>
        <translation>家系図ソフトが作成した GEDCOM ファイルまたは vCard アドレス帳から誕生日を読み込みます
インポート</translation>
    </message>
    <message>
        <source>Export Calendar...</source>
        <translation>カレンダーのエクスポート...</translation>
    </message>
    <message>
        <source>Save the birthdays, anniversaries and notes shown as an iCalendar file for phone and web calendars
Export Calendar</source>
        <translation>表示中の誕生日、結婚記念日、メモを、電話や Web のカレンダー用に iCalendar ファイルとして保存します
カレンダーのエクスポート</translation>
    </message>
    <message>
        <source>Holliday</source>
        <translation>祝日</translation>
    </message>
    <message>
        <source>add change or delete hollidays
Holliday list</source>
        <translation>祝日を追加、変更、削除します
祝日一覧</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>印刷(&amp;P)...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active Calendar
Print</source>
        <translation>カレンダーを印刷します
印刷</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>印刷プレビュー(&amp;V)</translation>
    </message>
    <message>
        <source>Display Calendar as printed
Print Preview</source>
        <translation>印刷されるとおりにカレンダーを表示します
印刷プレビュー</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>印刷設定(&amp;R)...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>プリンターと印刷オプションを変更します
印刷設定</translation>
    </message>
    <message>
        <source>&amp;About Birthdays...</source>
        <translation>誕生日について(&amp;A)...</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>印刷プレビュー</translation>
    </message>
    <message>
        <source>Birthday files (*.ged *.vcf *.vcard);;Gedcom file (*.ged);;vCard address book (*.vcf *.vcard);;All files (*)</source>
        <translation>誕生日ファイル (*.ged *.vcf *.vcard);;GEDCOM ファイル (*.ged);;vCard アドレス帳 (*.vcf *.vcard);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Name list is not empty.  Do you want to merge the file into your current list?</source>
        <translation>名前の一覧は空ではありません。このファイルを現在の一覧に統合しますか?</translation>
    </message>
    <message>
        <source>You may save the current list by selecting save or save as on the file menu then clear the curren list by selecting new in the file menu.</source>
        <translation>[ファイル] メニューの [保存] または [名前を付けて保存] で現在の一覧を保存してから、[ファイル] メニューの [新規] で一覧を空にできます。</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>カレンダーのエクスポート</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics);;All files (*)</source>
        <translation>iCalendar ファイル (*.ics);;すべてのファイル (*)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries in the list)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 event written to %1; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1; %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Upcoming...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the birthdays, anniversaries and notes of the next 30 days
Upcoming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Kinfold Files (*.kfd)</source>
        <translation>Kinfold ファイル (*.kfd)</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>ヘルプを表示するには F1 キーを押してください</translation>
    </message>
    <message>
        <source>Create a new birthday list</source>
        <translation>新しい誕生日一覧を作成します</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Open an existing birthday list</source>
        <translation>既存の誕生日一覧を開きます</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save the active birthday list</source>
        <translation>現在の誕生日一覧を保存します</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save the active birthday list with a new name</source>
        <translation>現在の誕生日一覧を新しい名前で保存します</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Quit the program; prompts to save birthday list</source>
        <translation>プログラムを終了します。誕生日一覧の保存を確認します</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>直前の操作を元に戻します</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>選択範囲を切り取ってクリップボードに置きます</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>選択範囲をクリップボードにコピーします</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>クリップボードの内容を挿入します</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>ツールバー(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>ツールバーの表示/非表示を切り替えます</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>ステータス バー(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>ステータス バーの表示/非表示を切り替えます</translation>
    </message>
    <message>
        <source>Months/page</source>
        <translation>月数/ページ</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>暦</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Help Index</source>
        <translation>ヘルプの索引</translation>
    </message>
    <message>
        <source>Search help Index</source>
        <translation>ヘルプの索引を検索します</translation>
    </message>
    <message>
        <source>Help index</source>
        <translation>ヘルプの索引</translation>
    </message>
    <message>
        <source>Gregorian Calendar</source>
        <translation>グレゴリオ暦</translation>
    </message>
    <message>
        <source>Disertation on the current calendar in use today</source>
        <translation>現在使われている暦についての解説</translation>
    </message>
    <message>
        <source>World Calendar</source>
        <translation>世界暦</translation>
    </message>
    <message>
        <source>About Kinfold</source>
        <translation>Kinfold について</translation>
    </message>
    <message>
        <source>Future Plans</source>
        <translation>今後の予定</translation>
    </message>
    <message>
        <source>My plans for upgrades and other stuff</source>
        <translation>機能追加などの今後の予定</translation>
    </message>
    <message>
        <source>Your Dreaming</source>
        <translation>夢</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Gregorian calendar&lt;/h3&gt;&lt;p&gt;The calendar in civil use today counts 365 days in a common year and 366 in a leap year. A year is a leap year when it divides by 4, except the century years, which are leap years only when they divide by 400: 1900 was not a leap year, 2000 was.&lt;/p&gt;&lt;p&gt;It replaced the Julian calendar, which made every fourth year a leap year and so ran ahead of the seasons by about three days in four hundred years. When the reform came in October 1582, ten days were left out: Thursday 4 October was followed by Friday 15 October. Kinfold shows months up to October 1582 in the Julian calendar by itself and titles them &quot;Julian&quot;; the Old style calendar shows any month as it would have been kept where the reform came late (Britain and its colonies changed in 1752). In the Old style the year began in March, so January to March carry both years, as in February 1699/0.&lt;/p&gt;&lt;p&gt;The Moon calendar starts every month on the day after a new moon; a year that holds thirteen new moons ends with a Blue Moon. The Year of the Snake calendar uses the same months and names each year by its animal.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;グレゴリオ暦&lt;/h3&gt;&lt;p&gt;現在、日常に使われている暦では、平年は 365 日、うるう年は 366 日です。4 で割り切れる年はうるう年ですが、100 で割り切れる年は 400 で割り切れる場合に限りうるう年です。1900 年はうるう年ではなく、2000 年はうるう年でした。&lt;/p&gt;&lt;p&gt;グレゴリオ暦はユリウス暦に代わるものです。ユリウス暦は 4 年ごとにうるう年を置いたため、400 年でおよそ 3 日、季節より先に進んでしまいました。1582 年 10 月の改暦では 10 日が省かれ、10 月 4 日 (木) の翌日は 10 月 15 日 (金) となりました。Kinfold は 1582 年 10 月までの月を自動的にユリウス暦で表示し、「Julian」と題を付けます。旧暦法の暦は、改暦が遅れた地域 (英国とその植民地は 1752 年に切り替え) で使われていたとおりに各月を表示します。旧暦法では年が 3 月に始まったため、1 月から 3 月には February 1699/0 のように両方の年が付きます。&lt;/p&gt;&lt;p&gt;月暦では、各月が新月の翌日に始まります。新月が 13 回ある年は Blue Moon で終わります。巳年の暦は同じ月を使い、各年をその年の動物で呼びます。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold keeps a list of birthdays, wedding anniversaries and dated notes and draws them into month calendars: one, six or twelve months to a page, on the screen and on paper.&lt;/p&gt;&lt;p&gt;Each day shows its number, the holiday of the day on the bottom line and above it the people of the day with their ages. The corner of a day can show the start of a season or a quarter of the moon, or the days to or from a target date.&lt;/p&gt;&lt;p&gt;Use the buttons on the menu bar to move by month and year, the View menu to choose what is shown, and the Edit menu to change the list and the holidays. Lists are saved as .kfd files and can take in people from a GEDCOM file of a genealogy program.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold は誕生日、結婚記念日、日付付きのメモの一覧を管理し、それを月ごとのカレンダーに描きます。1 ページに 1、6、または 12 か月を、画面にも紙にも表示できます。&lt;/p&gt;&lt;p&gt;各日には日付の数字、いちばん下の行にその日の祝日、その上にその日の人々と年齢が表示されます。日の隅には、季節や月の弦の始まり、または目標日までの (目標日からの) 日数を表示できます。&lt;/p&gt;&lt;p&gt;メニュー バーのボタンで月や年を移動し、[表示] メニューで表示する内容を選び、[編集] メニューで一覧と祝日を変更します。一覧は .kfd ファイルとして保存され、家系図ソフトの GEDCOM ファイルから人を取り込むこともできます。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Future plans&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Printing the list of names as well as the calendar.&lt;/li&gt;&lt;li&gt;Reminders a few days before a birthday.&lt;/li&gt;&lt;li&gt;More calendars, and holidays that follow Easter.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;今後の予定&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;カレンダーだけでなく名前の一覧も印刷する。&lt;/li&gt;&lt;li&gt;誕生日の数日前に知らせる。&lt;/li&gt;&lt;li&gt;暦を増やし、復活祭に連動する祝日にも対応する。&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Kinfold Help</source>
        <translation>Kinfold ヘルプ</translation>
    </message>
    <message>
        <source>Accounts...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add, change or remove the address books read and the calendar published to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the accounts&apos; address books into the list and publish its birthdays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptions</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
</context>
<context>
    <name>CPPFont</name>
    <message>
        <source>Press button to change the indicated font, size, and color.</source>
        <translation>ボタンを押すと、そのフォント、サイズ、色を変更できます。</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>線の色</translation>
    </message>
    <message>
        <source>Month and Year</source>
        <translation>年月</translation>
    </message>
    <message>
        <source>Day of Week Name</source>
        <translation>曜日名</translation>
    </message>
    <message>
        <source>Day number</source>
        <translation>日付の数字</translation>
    </message>
    <message>
        <source>Day counter</source>
        <translation>日数カウンター</translation>
    </message>
    <message>
        <source>Name of person</source>
        <translation>人の名前</translation>
    </message>
    <message>
        <source>(default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 pt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPPMargins</name>
    <message>
        <source>Margins</source>
        <translation>余白</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下</translation>
    </message>
</context>
<context>
    <name>CPPNames</name>
    <message>
        <source>Week Days</source>
        <translation>曜日</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
</context>
<context>
    <name>CPPOptions</name>
    <message>
        <source>29 February in other years:</source>
        <translation>うるう年以外の 2 月 29 日:</translation>
    </message>
    <message>
        <source>Show on 28 February</source>
        <translation>2 月 28 日に表示</translation>
    </message>
    <message>
        <source>Show on 1 March</source>
        <translation>3 月 1 日に表示</translation>
    </message>
    <message>
        <source>Show in leap years only</source>
        <translation>うるう年だけ表示</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Display Ages</source>
        <translation>年齢を表示</translation>
    </message>
    <message>
        <source>Display Ages when under 18</source>
        <translation>18 歳未満の年齢を表示</translation>
    </message>
    <message>
        <source>Do not display ages</source>
        <translation>年齢を表示しない</translation>
    </message>
    <message>
        <source>Include birthdays of the dead</source>
        <translation>故人の誕生日も含める</translation>
    </message>
    <message>
        <source>Start the week on Monday rather than Sunday</source>
        <translation>週を日曜日ではなく月曜日から始める</translation>
    </message>
    <message>
        <source>Use first name only</source>
        <translation>名だけを使う</translation>
    </message>
    <message>
        <source>Show anniversary</source>
        <translation>結婚記念日を表示</translation>
    </message>
    <message>
        <source>Show day count (to or from target date)</source>
        <translation>日数を表示 (目標日まで、または目標日から)</translation>
    </message>
    <message>
        <source>Show pictures</source>
        <translation>画像を表示</translation>
    </message>
    <message>
        <source>Show Notes</source>
        <translation>メモを表示</translation>
    </message>
    <message>
        <source>Show Moon Phase</source>
        <translation>月相を表示</translation>
    </message>
    <message>
        <source>Show Seasons</source>
        <translation>季節を表示</translation>
    </message>
    <message>
        <source>Show week numbers</source>
        <translation>週番号を表示</translation>
    </message>
</context>
<context>
    <name>CPPReminders</name>
    <message>
        <source>Reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind me of birthdays, anniversaries and notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop notifications at login and every hour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 days before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7 days before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14 days before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 days before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From this time of day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A day&apos;s reminders come from this time on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document watched</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last one used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This one:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the document to be reminded of.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthday list (*.kfd);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPleaseChooseDlg</name>
    <message>
        <source>Please Choose</source>
        <translation>選択してください</translation>
    </message>
    <message>
        <source>Two dates given for</source>
        <translation>2 つの日付が指定されています:</translation>
    </message>
    <message>
        <source>Please choose the correct one.</source>
        <translation>正しい方を選んでください。</translation>
    </message>
    <message>
        <source>Death</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Married</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUpcomingDlg</name>
    <message>
        <source>Upcoming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The birthdays, anniversaries and notes of today and the next 30 days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing in the next 30 days</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CYearDlg</name>
    <message>
        <source>Choose a Year</source>
        <translation>年の選択</translation>
    </message>
    <message>
        <source>Select a year to use</source>
        <translation>使う年を選んでください</translation>
    </message>
    <message>
        <source>No Change</source>
        <translation>変更しない</translation>
    </message>
    <message>
        <source>Select month.</source>
        <translation>月を選んでください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Enter a year from %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalendarDate</name>
    <message>
        <source>Jan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nov</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dec</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>%1 (birthday)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (anniversary)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Married %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 anniversary</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n anniversaries</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 note</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 birthday ends at the death date</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays end at the death date</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>--export-ics needs the name of the calendar file to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export-ics writes an iCalendar file, not &quot;%1&quot; (give OUT.ics, then the document)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no DOC.kfd given, and the last document cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 event written to %1 (from %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1 (from %2)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit</source>
        <translation>このヘルプを表示して終了</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>バージョンを表示して終了</translation>
    </message>
    <message>
        <source>Merge a GEDCOM or vCard file into DOC.kfd (or a new list) without a window</source>
        <translation>ウィンドウを開かずに GEDCOM または vCard ファイルを DOC.kfd (または新しい一覧) に統合</translation>
    </message>
    <message>
        <source>Save the merged list to OUT.kfd instead of DOC.kfd</source>
        <translation>統合した一覧を DOC.kfd ではなく OUT.kfd に保存</translation>
    </message>
    <message>
        <source>Write the entries the calendar shows of DOC.kfd (or the last document) as yearly iCalendar events</source>
        <translation>DOC.kfd (または最後のドキュメント) のうちカレンダーに表示される項目を、毎年の iCalendar イベントとして書き出す</translation>
    </message>
    <message>
        <source>Print twelve months of DOC.kfd (or an empty list) to a PDF file without a window</source>
        <translation>ウィンドウを開かずに DOC.kfd (または空の一覧) の 12 か月分を PDF ファイルに印刷</translation>
    </message>
    <message>
        <source>First year printed, -9900 to 11400; from January unless --month is given</source>
        <translation>印刷する最初の年 (-9900～11400)。--month がなければ 1 月から</translation>
    </message>
    <message>
        <source>First month printed: 1-12, or 13 in a moon year of 13 months</source>
        <translation>印刷する最初の月: 1～12、または 13 か月ある月暦の年では 13</translation>
    </message>
    <message>
        <source>1, 6 or 12 months a page</source>
        <translation>1 ページに 1、6、または 12 か月</translation>
    </message>
    <message>
        <source>0 Current, 1 Old style, 2 Moon, 3 Year of the Snake</source>
        <translation>0 現行暦、1 旧暦法、2 月暦、3 巳年</translation>
    </message>
    <message>
        <source>Paper size: Letter, Legal, A4, A3, A5 and other standard names; the locale&apos;s (Letter or A4) when not given</source>
        <translation>用紙サイズ: Letter、Legal、A4、A3、A5 などの標準名。指定しなければロケールの用紙 (Letter または A4)</translation>
    </message>
    <message>
        <source>Upright pages</source>
        <translation>縦向きのページ</translation>
    </message>
    <message>
        <source>Sideways pages, the default</source>
        <translation>横向きのページ、既定</translation>
    </message>
    <message>
        <source>Each week row&apos;s number in its first cell</source>
        <translation>各週の行の番号を最初のセルに表示</translation>
    </message>
    <message>
        <source>List the built-in country holiday sets, one a line: code, a blank, the name</source>
        <translation>組み込みの国別祝日セットを 1 行に 1 つずつ一覧表示 (コード、空白、名前)</translation>
    </message>
    <message>
        <source>Leave the reminders&apos; alarms out of the events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the events of today and the next DAYS days (default 14, at most 366) of DOC.kfd (or the last document)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show a desktop notification for every reminder of DOC.kfd (or the watched document) now due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take this local date and time (00:00 without one) for now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print each holiday of YEAR (-9900 to 11400) as &quot;YYYY-MM-DD name&quot;, from the stored list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the all-day events of an iCalendar file to the stored holiday list (timed events are skipped)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holidays of country set CODE (see --holiday-sets) for this run only; with --upcoming also &quot;stored&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a CardDAV/CalDAV account (a server&apos;s root or one collection); the password is read from standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account&apos;s user name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only read the address books, publish no calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the accounts, one a line, with their numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove account N (see --accounts) and its password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read every account&apos;s address books into DOC.kfd (or the last document) and publish its birthdays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the accounts&apos; passwords from standard input, one a line, instead of the secret store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only one document can be merged into (got %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only one document can be exported (got %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--list-holidays reads no document (got %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--import-holidays reads no document (got %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (see kinfold --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1 (see kinfold --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: there is no year 0 (1 BC is year -1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is outside the years shown, %3 to %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--holidays: no country set &quot;%1&quot; (see kinfold --holiday-sets)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--print-pdf needs an output file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--calendar: &quot;%1&quot; is none of 0 (Current), 1 (Old style), 2 (Moon), 3 (Year of the Snake)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--month: &quot;%1&quot; is no month from 1 to 12, or 13 in a moon year of 13 months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--month: month 13 is only in the moon calendars (--calendar 2 or 3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--month: moon year %1 has 12 months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--months-per-page: &quot;%1&quot; is none of 1, 6 or 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--paper: unknown paper &quot;%1&quot; (try Letter, Legal, A4, A3, A5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--portrait and --landscape cannot be used together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only one document can be printed (got %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--now: &quot;%1&quot; is no date YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--upcoming: &quot;%1&quot; is no number of days from 0 to 366</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only one document can be listed (got %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--upcoming: no DOC.kfd given and no document used before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only one document can be watched (got %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--remind: no document used yet, so no reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; the reminders follow on standard output</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DateCheck</name>
    <message>
        <source>1 entry left out, as its date cannot be (mend it with Edit &gt; List)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n entries left out, as their dates cannot be (mend them with Edit &gt; List)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DavClient</name>
    <message>
        <source>cannot reach %1 (no network, or no such server): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 refused the connection: no server runs there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not answer within 30 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the secure connection to %1 failed, %2 (not accepted)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 broke off the connection: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not allow %2 (403 Forbidden)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist on the server (404 Not Found)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no room left for %2 (507 Insufficient Storage)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 answered %2 with status %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>status %1 instead of a WebDAV multistatus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the answer of %1 to %2 makes no sense: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no CardDAV or CalDAV server answers at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server keeps no calendars for this user, so the birthdays cannot be published</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in the way of the calendar &quot;Birthdays&quot; and is no calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>someone else keeps changing %1 on the server; it was left as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 removed, 1 event published</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 added, %2 changed, %3 removed, %n events published</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>it is not XML (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is no WebDAV multistatus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its XML is broken (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no secret service runs on this desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the certificate of &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DayCell</name>
    <message>
        <source>%1 Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Anniversary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 Anniversary</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileBytes</name>
    <message>
        <source>Cannot read &quot;%1&quot;: it is a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Holiday</name>
    <message>
        <source>(not on %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(from %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(until %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(substitute day)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(observed)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HolidayImport</name>
    <message>
        <source>1 all-day event</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n all-day events</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 holiday from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n holidays from %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 timed event skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>, %n timed events skipped</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 event cut at %1 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>, %n events cut at %1 days</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is cut short: its END:VCALENDAR is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not an iCalendar file libical can read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has parts libical cannot read (X-LIC-PARSEERROR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HolidayList</name>
    <message>
        <source>New Years Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Martin Luther King Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presidents Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lincoln&apos;s BirthDay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valentines Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Washington&apos;s BirthDay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St. Patrick&apos;s Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flag Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columbus Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holloween</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veterans Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>&quot;%1&quot; is not a Kinfold document or is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no document to save to: give DOC.kfd or --save OUT.kfd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a GEDCOM file nor a vCard file</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries saved to %2)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportTexts</name>
    <message>
        <source>%1 added, %2 merged, %3 conflicts kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, 1 date with a year outside %1..%2 left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>, %n dates with a year outside %1..%2 left out</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonDate</name>
    <message>
        <source> NM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> FQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> FM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> LQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bony Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windy Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planting Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green Corn Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ripe Corn Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fruit Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nut Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trading Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pig</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>BC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Julian</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The month must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The month must be 1 to 12.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 without a year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The day cannot be %1: %2 has %3 days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The day of &quot;%1&quot; cannot be %2: %3 has %4 days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use value as currently set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use original value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use original values.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays and events coming</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Upcoming</name>
    <message>
        <source>%1 Anniversary</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
