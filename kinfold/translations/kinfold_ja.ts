<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AccountSync</name>
    <message>
        <source>%1 at %2</source>
        <translation>%2 の %1</translation>
    </message>
    <message>
        <source>no password for %1 (none in the secret store; give it with --sync --password-stdin)</source>
        <translation>%1 のパスワードがありません (キーリングにありません。--sync --password-stdin で指定してください)</translation>
    </message>
    <message>
        <source>--add-account needs --user NAME</source>
        <translation>--add-account には --user NAME が必要です</translation>
    </message>
    <message>
        <source>--add-account needs the server&apos;s address</source>
        <translation>--add-account にはサーバーのアドレスが必要です</translation>
    </message>
    <message>
        <source>--user goes with --add-account</source>
        <translation>--user は --add-account と一緒に使います</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>予期しない引数 %1</translation>
    </message>
    <message>
        <source>only one document can be synced (got %1)</source>
        <translation>同期できる文書は 1 つだけです (%1 が指定されました)</translation>
    </message>
    <message>
        <source>--remove-account: &quot;%1&quot; is no account number (see kinfold --accounts)</source>
        <translation>--remove-account: 「%1」はアカウント番号ではありません (kinfold --accounts を参照)</translation>
    </message>
    <message>
        <source>%1; the account was not added</source>
        <translation>%1。アカウントは追加されませんでした</translation>
    </message>
    <message>
        <source>no address book at %1 and nothing to publish; the account was not added</source>
        <translation>%1 にアドレス帳がなく、公開するものもありません。アカウントは追加されませんでした</translation>
    </message>
    <message>
        <source>%1 is account %2 already</source>
        <translation>%1 はすでにアカウント %2 です</translation>
    </message>
    <message>
        <source>the password was not kept (%1); give it at each sync with --sync --password-stdin</source>
        <translation>パスワードは保存されませんでした (%1)。同期のたびに --sync --password-stdin で指定してください</translation>
    </message>
    <message>
        <source>account %1: %2, 1 address book</source>
        <translation>アカウント %1: %2、アドレス帳 1 件</translation>
    </message>
    <message numerus="yes">
        <source>account %1: %2, %n address books</source>
        <translation>
            <numerusform>アカウント %1: %2、アドレス帳 %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes to &quot;Birthdays&quot;</source>
        <translation>、「Birthdays」に公開</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>すべてのアドレス帳</translation>
    </message>
    <message>
        <source>--remove-account: there is no account %1 (see kinfold --accounts)</source>
        <translation>--remove-account: アカウント %1 はありません (kinfold --accounts を参照)</translation>
    </message>
    <message>
        <source>account %1 (%2) removed</source>
        <translation>アカウント %1 (%2) を削除しました</translation>
    </message>
    <message>
        <source>there is no account to sync (add one with --add-account)</source>
        <translation>同期するアカウントがありません (--add-account で追加してください)</translation>
    </message>
    <message>
        <source>%1: 1 card could not be read and was left out</source>
        <translation>%1: カード 1 件を読み取れず、除外しました</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n cards could not be read and were left out</source>
        <translation>
            <numerusform>%1: カード %n 件を読み取れず、除外しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n address books</source>
        <translation>
            <numerusform>アドレス帳 %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>--add-account: the address must not hold the password; give it on standard input</source>
        <translation>--add-account: アドレスにパスワードを含めないでください。パスワードは標準入力で指定してください</translation>
    </message>
</context>
<context>
    <name>BirthdayImport</name>
    <message>
        <source>%1 is neither a GEDCOM file (&quot;0 HEAD&quot;) nor a vCard file (&quot;BEGIN:VCARD&quot;).</source>
        <translation>%1 は GEDCOM ファイル (「0 HEAD」) でも vCard ファイル (「BEGIN:VCARD」) でもありません。</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>このファイル</translation>
    </message>
</context>
<context>
    <name>BirthdayList</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>予期しないファイル形式です。</translation>
    </message>
</context>
<context>
    <name>CAccountEditDlg</name>
    <message>
        <source>Add Account</source>
        <translation>アカウントの追加</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>アカウントの編集</translation>
    </message>
    <message>
        <source>The server&apos;s address (https://dav.example.org/), or the address of one address book.</source>
        <translation>サーバーのアドレス (https://dav.example.org/)、または 1 つのアドレス帳のアドレス。</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>変更なし</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s secret store, never in a file.</source>
        <translation>デスクトップのキーリングに保存され、ファイルには保存されません。</translation>
    </message>
    <message>
        <source>Publish the birthdays to the calendar &quot;Birthdays&quot;</source>
        <translation>誕生日をカレンダー「Birthdays」に公開する</translation>
    </message>
    <message>
        <source>The address books read; when all are ticked, new ones are read too.</source>
        <translation>読み込むアドレス帳。すべてにチェックを入れると、新しいアドレス帳も読み込みます。</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>アドレス帳を検索(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>サーバー(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>ユーザー名(&amp;U):</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>パスワード(&amp;P):</translation>
    </message>
    <message>
        <source>Address books:</source>
        <translation>アドレス帳:</translation>
    </message>
    <message>
        <source>Please give the server&apos;s address and your user name.</source>
        <translation>サーバーのアドレスとユーザー名を入力してください。</translation>
    </message>
    <message>
        <source>(no address book on this server)</source>
        <translation>(このサーバーにアドレス帳はありません)</translation>
    </message>
    <message>
        <source>Please tick an address book, or publish the birthdays.</source>
        <translation>アドレス帳にチェックを入れるか、誕生日を公開してください。</translation>
    </message>
    <message>
        <source>The password cannot be kept: %1. Kinfold will ask for it at each sync.</source>
        <translation>パスワードを保存できません: %1。同期のたびに Kinfold がパスワードを尋ねます。</translation>
    </message>
    <message>
        <source>Please take the password out of the server&apos;s address and give it under Password.</source>
        <translation>サーバーのアドレスからパスワードを取り除き、[パスワード] 欄に入力してください。</translation>
    </message>
</context>
<context>
    <name>CAccountsDlg</name>
    <message>
        <source>Accounts</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>Address books read into the list, and calendars the birthdays are published to.</source>
        <translation>一覧に読み込むアドレス帳と、誕生日を公開するカレンダー。</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>追加(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>編集(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Remove the account %1? The entries it brought stay in the list.</source>
        <translation>アカウント %1 を削除しますか? このアカウントから取り込んだ項目は一覧に残ります。</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>すべてのアドレス帳</translation>
    </message>
    <message numerus="yes">
        <source>%n address book(s)</source>
        <translation>
            <numerusform>アドレス帳 %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes &quot;Birthdays&quot;</source>
        <translation>、「Birthdays」を公開</translation>
    </message>
    <message>
        <source>There is no account yet: add one with File &gt; Accounts...</source>
        <translation>アカウントがまだありません: [ファイル] &gt; [アカウント...] で追加してください</translation>
    </message>
    <message>
        <source>Syncing with the accounts...</source>
        <translation>アカウントと同期しています...</translation>
    </message>
    <message>
        <source>The server refused the password of %1. Password:</source>
        <translation>サーバーが %1 のパスワードを拒否しました。パスワード:</translation>
    </message>
    <message>
        <source>Password of %1:</source>
        <translation>%1 のパスワード:</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>今すぐ同期</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n card(s) could not be read and were left out.</source>
        <translation>
            <numerusform>%1: カード %n 件を読み取れず、除外しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Sync failed</source>
        <translation>同期に失敗しました</translation>
    </message>
    <message>
        <source>Synced: %1</source>
        <translation>同期しました: %1</translation>
    </message>
    <message>
        <source>The sync did not finish; the list keeps what was read, and the next sync goes on from there.</source>
        <translation>同期は完了しませんでした。一覧には読み込んだ分が残り、次回の同期はそこから続きます。</translation>
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
        <translation>生まれた年。</translation>
    </message>
    <message>
        <source>Birth month.</source>
        <translation>生まれた月。</translation>
    </message>
    <message>
        <source>Birth day of month.</source>
        <translation>生まれた日。</translation>
    </message>
    <message>
        <source>Marriage year.</source>
        <translation>結婚した年。</translation>
    </message>
    <message>
        <source>Marriage month.</source>
        <translation>結婚した月。</translation>
    </message>
    <message>
        <source>Marriage day of month.</source>
        <translation>結婚した日。</translation>
    </message>
    <message>
        <source>Death year.</source>
        <translation>亡くなった年。</translation>
    </message>
    <message>
        <source>Death month.</source>
        <translation>亡くなった月。</translation>
    </message>
    <message>
        <source>Death day of month.</source>
        <translation>亡くなった日。</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>誕生</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>結婚</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>死去</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
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
        <translation>検索</translation>
    </message>
    <message>
        <source>Show only the entries whose text or date holds these letters.</source>
        <translation>テキストまたは日付にこれらの文字を含む項目だけを表示します。</translation>
    </message>
    <message>
        <source>A date of this entry cannot be: Edit to mend it.</source>
        <translation>この項目の日付はありえません: [編集] で直してください。</translation>
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
        <translation>国を選んでください。</translation>
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
        <translation>カレンダーのエクスポート</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>含めるもの</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>誕生日</translation>
    </message>
    <message>
        <source>The birthdays of the people in the list.</source>
        <translation>一覧にいる人の誕生日。</translation>
    </message>
    <message>
        <source>Anniversaries</source>
        <translation>結婚記念日</translation>
    </message>
    <message>
        <source>The wedding days of couples (&quot;Anniversary&quot; on the calendar).</source>
        <translation>夫婦の結婚記念日 (カレンダーの「結婚記念日」)。</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>The dated notes (&quot;Notes&quot; on the calendar).</source>
        <translation>日付付きのメモ (カレンダーの「メモ」)。</translation>
    </message>
    <message>
        <source>Birthdays after the death date</source>
        <translation>亡くなった後の誕生日</translation>
    </message>
    <message>
        <source>Off: a birthday ends at the death date (&quot;Dead&quot; on the calendar).</source>
        <translation>オフ: 誕生日は亡くなった日で終わります (カレンダーの「故人」)。</translation>
    </message>
    <message>
        <source>Reminders as alarms</source>
        <translation>リマインダーをアラームとして</translation>
    </message>
    <message>
        <source>One alarm per lead day of the reminders, at their time of day.</source>
        <translation>リマインダーの事前通知日ごとに 1 つのアラームを、その時刻に。</translation>
    </message>
    <message>
        <source>1 event; %1.</source>
        <translation>予定 1 件、%1。</translation>
    </message>
    <message numerus="yes">
        <source>%n events; %1.</source>
        <translation>
            <numerusform>予定 %n 件、%1。</numerusform>
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
        <translation>固定日。週末なら前の金曜日か次の月曜日も (振替)</translation>
    </message>
    <message>
        <source>Day the season begins (equinox or solstice)</source>
        <translation>季節が始まる日 (春分・秋分または夏至・冬至)</translation>
    </message>
    <message>
        <source>A holiday on a Sunday: the next free day</source>
        <translation>日曜日の祝日: 次の休日</translation>
    </message>
    <message>
        <source>A day between two holidays</source>
        <translation>2 つの祝日にはさまれた日</translation>
    </message>
    <message>
        <source>Not on the date in one year (moved)</source>
        <translation>ある年だけその日付ではない (移動)</translation>
    </message>
    <message>
        <source>As the United States observe their federal holidays.</source>
        <translation>米国が連邦の祝日を守るやり方です。</translation>
    </message>
    <message>
        <source>Choose March or September for the equinoxes, June or December for the solstices.</source>
        <translation>春分・秋分には 3 月か 9 月、夏至・冬至には 6 月か 12 月を選んでください。</translation>
    </message>
    <message>
        <source>For the whole list, as Japan keeps its holidays; the name is the day&apos;s.</source>
        <translation>一覧全体に。日本が祝日を守るやり方で、名前はその日のものです。</translation>
    </message>
    <message>
        <source>For the whole list; the day of week chosen is left out.</source>
        <translation>一覧全体に。選んだ曜日は除かれます。</translation>
    </message>
    <message>
        <source>The holiday of this name is not kept on the date in the year given.</source>
        <translation>この名前の祝日は、指定した年にはその日付ではありません。</translation>
    </message>
    <message>
        <source>Hours from UT of the local time (Japan 9).</source>
        <translation>現地時刻の UT からの時差 (日本は 9)。</translation>
    </message>
    <message>
        <source>Hours from UT</source>
        <translation>UT からの時差</translation>
    </message>
    <message>
        <source>First year the holiday is kept; empty for always.</source>
        <translation>祝日が守られる最初の年。空欄ならいつも。</translation>
    </message>
    <message>
        <source>Last year the holiday is kept; empty for always.</source>
        <translation>祝日が守られる最後の年。空欄ならいつも。</translation>
    </message>
    <message>
        <source>Kept from year</source>
        <translation>守られる年: </translation>
    </message>
    <message>
        <source>to</source>
        <translation>から</translation>
    </message>
    <message>
        <source>The last year comes before the first.</source>
        <translation>最後の年が最初の年より前です。</translation>
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
        <translation>ファイルから...</translation>
    </message>
    <message>
        <source>Add the all-day events of a calendar file (.ics).</source>
        <translation>カレンダーファイル (.ics) の終日の予定を追加します。</translation>
    </message>
    <message>
        <source>Replace your holidays by those of %1?

Yes replaces the list, No adds them at its end.</source>
        <translation>祝日を %1 の祝日に置き換えますか?

[はい] で一覧を置き換え、[いいえ] で末尾に追加します。</translation>
    </message>
    <message>
        <source>From file</source>
        <translation>ファイルから</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics *.ical);;All files (*)</source>
        <translation>iCalendar ファイル (*.ics *.ical);;すべてのファイル (*)</translation>
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
        <translation>
            <numerusform>%1 (一覧に %n 項目)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event written to %1; %2</source>
        <translation>予定 1 件を %1 に書き出しました。%2</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1; %2</source>
        <translation>
            <numerusform>予定 %n 件を %1 に書き出しました。%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Upcoming...</source>
        <translation>近日の予定...</translation>
    </message>
    <message>
        <source>List the birthdays, anniversaries and notes of the next 30 days
Upcoming</source>
        <translation>今後 30 日間の誕生日・結婚記念日・メモを一覧表示
近日の予定</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 に書き込めません</translation>
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
        <translation>&lt;h3&gt;グレゴリオ暦&lt;/h3&gt;&lt;p&gt;現在、日常に使われている暦では、平年は 365 日、うるう年は 366 日です。4 で割り切れる年はうるう年ですが、100 で割り切れる年は 400 で割り切れる場合に限りうるう年です。1900 年はうるう年ではなく、2000 年はうるう年でした。&lt;/p&gt;&lt;p&gt;グレゴリオ暦はユリウス暦に代わるものです。ユリウス暦は 4 年ごとにうるう年を置いたため、400 年でおよそ 3 日、季節より先に進んでしまいました。1582 年 10 月の改暦では 10 日が省かれ、10 月 4 日 (木) の翌日は 10 月 15 日 (金) となりました。Kinfold は 1582 年 10 月までの月を自動的にユリウス暦で表示し、「ユリウス暦」と題を付けます。旧暦法の暦は、改暦が遅れた地域 (英国とその植民地は 1752 年に切り替え) で使われていたとおりに各月を表示します。旧暦法では年が 3 月に始まったため、1 月から 3 月には 2月 1699/0 のように両方の年が付きます。&lt;/p&gt;&lt;p&gt;月暦では、各月が新月の翌日に始まります。新月が 13 回ある年は 「ブルームーン」で終わります。巳年の暦は同じ月を使い、各年をその年の動物で呼びます。&lt;/p&gt;</translation>
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
        <translation>アカウント...</translation>
    </message>
    <message>
        <source>Add, change or remove the address books read and the calendar published to</source>
        <translation>読み込むアドレス帳と公開先のカレンダーを追加・変更・削除します</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>今すぐ同期</translation>
    </message>
    <message>
        <source>Read the accounts&apos; address books into the list and publish its birthdays</source>
        <translation>アカウントのアドレス帳を一覧に読み込み、その誕生日を公開します</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAPS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>menu bar</comment>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>ヘルプ(&amp;H)</translation>
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
        <translation>(既定)</translation>
    </message>
    <message>
        <source>%1, %2 pt</source>
        <translation>%1、%2 pt</translation>
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
        <translation>リマインダー</translation>
    </message>
    <message>
        <source>Remind me of birthdays, anniversaries and notes</source>
        <translation>誕生日・結婚記念日・メモを知らせる</translation>
    </message>
    <message>
        <source>Desktop notifications at login and every hour.</source>
        <translation>ログイン時と 1 時間ごとのデスクトップ通知。</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>知らせるタイミング</translation>
    </message>
    <message>
        <source>On the day</source>
        <translation>当日</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 日前</translation>
    </message>
    <message>
        <source>3 days before</source>
        <translation>3 日前</translation>
    </message>
    <message>
        <source>7 days before</source>
        <translation>7 日前</translation>
    </message>
    <message>
        <source>14 days before</source>
        <translation>14 日前</translation>
    </message>
    <message>
        <source>30 days before</source>
        <translation>30 日前</translation>
    </message>
    <message>
        <source>From this time of day:</source>
        <translation>この時刻から:</translation>
    </message>
    <message>
        <source>A day&apos;s reminders come from this time on.</source>
        <translation>その日のリマインダーはこの時刻から届きます。</translation>
    </message>
    <message>
        <source>Document watched</source>
        <translation>見張る文書</translation>
    </message>
    <message>
        <source>The last one used</source>
        <translation>最後に使った文書</translation>
    </message>
    <message>
        <source>This one:</source>
        <translation>この文書:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Choose the document to be reminded of.</source>
        <translation>リマインダーの対象にする文書を選びます。</translation>
    </message>
    <message>
        <source>Birthday list (*.kfd);;All files (*)</source>
        <translation>誕生日一覧 (*.kfd);;すべてのファイル (*)</translation>
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
        <translation>死去</translation>
    </message>
    <message>
        <source>Married</source>
        <translation>結婚</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>誕生</translation>
    </message>
</context>
<context>
    <name>CUpcomingDlg</name>
    <message>
        <source>Upcoming</source>
        <translation>近日の予定</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>予定</translation>
    </message>
    <message>
        <source>When</source>
        <translation>いつ</translation>
    </message>
    <message>
        <source>The birthdays, anniversaries and notes of today and the next 30 days.</source>
        <translation>今日と今後 30 日間の誕生日・結婚記念日・メモ。</translation>
    </message>
    <message>
        <source>Nothing in the next 30 days</source>
        <translation>今後 30 日間は何もありません</translation>
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
        <translation>%1 から %2 までの年を入力してください。</translation>
    </message>
</context>
<context>
    <name>CalendarDate</name>
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
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>%1 (birthday)</source>
        <translation>%1 (誕生日)</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>%1 年生まれ</translation>
    </message>
    <message>
        <source>%1 (anniversary)</source>
        <translation>%1 (結婚記念日)</translation>
    </message>
    <message>
        <source>Married %1</source>
        <translation>%1 年結婚</translation>
    </message>
    <message>
        <source>1 birthday</source>
        <translation>誕生日 1 件</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays</source>
        <translation>
            <numerusform>誕生日 %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>1 anniversary</source>
        <translation>結婚記念日 1 件</translation>
    </message>
    <message numerus="yes">
        <source>%n anniversaries</source>
        <translation>
            <numerusform>結婚記念日 %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note</source>
        <translation>メモ 1 件</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>メモ %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>除外: %1</translation>
    </message>
    <message>
        <source>nothing left out</source>
        <translation>除外なし</translation>
    </message>
    <message>
        <source>1 birthday ends at the death date</source>
        <translation>誕生日 1 件は亡くなった日で終わります</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays end at the death date</source>
        <translation>
            <numerusform>誕生日 %n 件は亡くなった日で終わります</numerusform>
        </translation>
    </message>
    <message>
        <source>--export-ics needs the name of the calendar file to write</source>
        <translation>--export-ics には書き出すカレンダーファイルの名前が必要です</translation>
    </message>
    <message>
        <source>--export-ics writes an iCalendar file, not &quot;%1&quot; (give OUT.ics, then the document)</source>
        <translation>--export-ics は iCalendar ファイルを書き出します。「%1」ではありません (OUT.ics、次に文書を指定してください)</translation>
    </message>
    <message>
        <source>no DOC.kfd given, and the last document cannot be read: %1</source>
        <translation>DOC.kfd が指定されず、最後の文書を読み込めません: %1</translation>
    </message>
    <message>
        <source>1 event written to %1 (from %2)</source>
        <translation>予定 1 件を %1 に書き出しました (元: %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1 (from %2)</source>
        <translation>
            <numerusform>予定 %n 件を %1 に書き出しました (元: %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is the document itself; the PDF would replace it</source>
        <translation>%1 は文書そのものです。PDF で置き換えられてしまいます</translation>
    </message>
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
        <translation>リマインダーのアラームを予定に含めない</translation>
    </message>
    <message>
        <source>Print the events of today and the next DAYS days (default 14, at most 366) of DOC.kfd (or the last document)</source>
        <translation>DOC.kfd (または最後の文書) の今日と今後 DAYS 日間 (既定 14、最大 366) の予定を出力する</translation>
    </message>
    <message>
        <source>Show a desktop notification for every reminder of DOC.kfd (or the watched document) now due</source>
        <translation>DOC.kfd (または見張る文書) の、今期限になったリマインダーごとにデスクトップ通知を表示する</translation>
    </message>
    <message>
        <source>Take this local date and time (00:00 without one) for now</source>
        <translation>この現地の日付と時刻 (時刻なしは 00:00) を現在とみなす</translation>
    </message>
    <message>
        <source>Print each holiday of YEAR (-9900 to 11400) as &quot;YYYY-MM-DD name&quot;, from the stored list</source>
        <translation>YEAR (-9900 から 11400) の祝日を保存した一覧から「YYYY-MM-DD 名前」の形で出力する</translation>
    </message>
    <message>
        <source>Add the all-day events of an iCalendar file to the stored holiday list (timed events are skipped)</source>
        <translation>iCalendar ファイルの終日の予定を保存した祝日一覧に追加する (時刻付きの予定は飛ばす)</translation>
    </message>
    <message>
        <source>Holidays of country set CODE (see --holiday-sets) for this run only; with --upcoming also &quot;stored&quot;</source>
        <translation>国別セット CODE (--holiday-sets を参照) の祝日を今回だけ使う。--upcoming では「stored」も可</translation>
    </message>
    <message>
        <source>Add a CardDAV/CalDAV account (a server&apos;s root or one collection); the password is read from standard input</source>
        <translation>CardDAV/CalDAV アカウント (サーバーのルートまたは 1 つのコレクション) を追加する。パスワードは標準入力から読む</translation>
    </message>
    <message>
        <source>The account&apos;s user name</source>
        <translation>アカウントのユーザー名</translation>
    </message>
    <message>
        <source>Only read the address books, publish no calendar</source>
        <translation>アドレス帳を読むだけで、カレンダーは公開しない</translation>
    </message>
    <message>
        <source>List the accounts, one a line, with their numbers</source>
        <translation>アカウントを番号付きで 1 行に 1 つずつ一覧表示する</translation>
    </message>
    <message>
        <source>Remove account N (see --accounts) and its password</source>
        <translation>アカウント N (--accounts を参照) とそのパスワードを削除する</translation>
    </message>
    <message>
        <source>Read every account&apos;s address books into DOC.kfd (or the last document) and publish its birthdays</source>
        <translation>各アカウントのアドレス帳を DOC.kfd (または最後の文書) に読み込み、その誕生日を公開する</translation>
    </message>
    <message>
        <source>Read the accounts&apos; passwords from standard input, one a line, instead of the secret store</source>
        <translation>アカウントのパスワードをキーリングではなく標準入力から 1 行に 1 つずつ読む</translation>
    </message>
    <message>
        <source>only one document can be merged into (got %1)</source>
        <translation>統合先にできる文書は 1 つだけです (%1 が指定されました)</translation>
    </message>
    <message>
        <source>only one document can be exported (got %1)</source>
        <translation>エクスポートできる文書は 1 つだけです (%1 が指定されました)</translation>
    </message>
    <message>
        <source>--list-holidays reads no document (got %1)</source>
        <translation>--list-holidays は文書を読みません (%1 が指定されました)</translation>
    </message>
    <message>
        <source>--holiday-sets reads no document (got %1)</source>
        <translation>--holiday-sets は文書を読みません (%1 が指定されました)</translation>
    </message>
    <message>
        <source>--print-pdf writes a PDF file, not &quot;%1&quot; (give OUT.pdf, then the document)</source>
        <translation>--print-pdf は PDF ファイルを書き出します。「%1」ではありません (OUT.pdf、次に文書を指定してください)</translation>
    </message>
    <message>
        <source>--import-holidays reads no document (got %1)</source>
        <translation>--import-holidays は文書を読みません (%1 が指定されました)</translation>
    </message>
    <message>
        <source>%1 (see kinfold --help)</source>
        <translation>%1 (kinfold --help を参照)</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 と %2 は一緒に使えません</translation>
    </message>
    <message>
        <source>unknown option %1 (see kinfold --help)</source>
        <translation>不明なオプション %1 (kinfold --help を参照)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a year</source>
        <translation>%1: 「%2」は年ではありません</translation>
    </message>
    <message>
        <source>%1: there is no year 0 (1 BC is year -1)</source>
        <translation>%1: 0 年はありません (紀元前 1 年は -1 年です)</translation>
    </message>
    <message>
        <source>%1: %2 is outside the years shown, %3 to %4</source>
        <translation>%1: %2 は表示できる年 (%3 から %4) の範囲外です</translation>
    </message>
    <message>
        <source>--holidays: no country set &quot;%1&quot; (see kinfold --holiday-sets)</source>
        <translation>--holidays: 国別セット「%1」はありません (kinfold --holiday-sets を参照)</translation>
    </message>
    <message>
        <source>--print-pdf needs an output file name</source>
        <translation>--print-pdf には出力ファイル名が必要です</translation>
    </message>
    <message>
        <source>--calendar: &quot;%1&quot; is none of 0 (Current), 1 (Old style), 2 (Moon), 3 (Year of the Snake)</source>
        <translation>--calendar: 「%1」は 0 (現行暦)、1 (旧暦法)、2 (月暦)、3 (巳年) のどれでもありません</translation>
    </message>
    <message>
        <source>--month: &quot;%1&quot; is no month from 1 to 12, or 13 in a moon year of 13 months</source>
        <translation>--month: 「%1」は 1 から 12 の月でも、13 か月ある月暦年の 13 でもありません</translation>
    </message>
    <message>
        <source>--month: month 13 is only in the moon calendars (--calendar 2 or 3)</source>
        <translation>--month: 13 月は月暦 (--calendar 2 または 3) にしかありません</translation>
    </message>
    <message>
        <source>--month: moon year %1 has 12 months</source>
        <translation>--month: 月暦年 %1 は 12 か月です</translation>
    </message>
    <message>
        <source>--months-per-page: &quot;%1&quot; is none of 1, 6 or 12</source>
        <translation>--months-per-page: 「%1」は 1、6、12 のどれでもありません</translation>
    </message>
    <message>
        <source>--paper: unknown paper &quot;%1&quot; (try Letter, Legal, A4, A3, A5)</source>
        <translation>--paper: 不明な用紙「%1」(Letter、Legal、A4、A3、A5 を試してください)</translation>
    </message>
    <message>
        <source>--portrait and --landscape cannot be used together</source>
        <translation>--portrait と --landscape は一緒に使えません</translation>
    </message>
    <message>
        <source>only one document can be printed (got %1)</source>
        <translation>印刷できる文書は 1 つだけです (%1 が指定されました)</translation>
    </message>
    <message>
        <source>--now: &quot;%1&quot; is no date YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation>--now: 「%1」は日付 YYYY-MM-DD または YYYY-MM-DDTHH:MM ではありません</translation>
    </message>
    <message>
        <source>--upcoming: &quot;%1&quot; is no number of days from 0 to 366</source>
        <translation>--upcoming: 「%1」は 0 から 366 の日数ではありません</translation>
    </message>
    <message>
        <source>only one document can be listed (got %1)</source>
        <translation>一覧表示できる文書は 1 つだけです (%1 が指定されました)</translation>
    </message>
    <message>
        <source>--upcoming: no DOC.kfd given and no document used before</source>
        <translation>--upcoming: DOC.kfd が指定されず、以前に使った文書もありません</translation>
    </message>
    <message>
        <source>only one document can be watched (got %1)</source>
        <translation>見張れる文書は 1 つだけです (%1 が指定されました)</translation>
    </message>
    <message>
        <source>--remind: no document used yet, so no reminders</source>
        <translation>--remind: まだ文書が使われていないので、リマインダーはありません</translation>
    </message>
    <message>
        <source>%1; the reminders follow on standard output</source>
        <translation>%1。リマインダーは標準出力に続きます</translation>
    </message>
</context>
<context>
    <name>CountrySets</name>
    <message>
        <source>United Kingdom</source>
        <translation>イギリス</translation>
    </message>
    <message>
        <source>United Kingdom, Scotland</source>
        <translation>イギリス、スコットランド</translation>
    </message>
    <message>
        <source>United Kingdom, Northern Ireland</source>
        <translation>イギリス、北アイルランド</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>アイルランド</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>オーストリア</translation>
    </message>
    <message>
        <source>France</source>
        <translation>フランス</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>オランダ</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>スウェーデン</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>イタリア</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>ギリシャ</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>ドイツ</translation>
    </message>
    <message>
        <source>Germany, Brandenburg</source>
        <translation>ドイツ、ブランデンブルク州</translation>
    </message>
    <message>
        <source>Germany, Berlin</source>
        <translation>ドイツ、ベルリン</translation>
    </message>
    <message>
        <source>Germany, Baden-Württemberg</source>
        <translation>ドイツ、バーデン＝ヴュルテンベルク州</translation>
    </message>
    <message>
        <source>Germany, Bavaria</source>
        <translation>ドイツ、バイエルン州</translation>
    </message>
    <message>
        <source>Germany, Bremen</source>
        <translation>ドイツ、ブレーメン</translation>
    </message>
    <message>
        <source>Germany, Hesse</source>
        <translation>ドイツ、ヘッセン州</translation>
    </message>
    <message>
        <source>Germany, Hamburg</source>
        <translation>ドイツ、ハンブルク</translation>
    </message>
    <message>
        <source>Germany, Mecklenburg-Vorpommern</source>
        <translation>ドイツ、メクレンブルク＝フォアポンメルン州</translation>
    </message>
    <message>
        <source>Germany, Lower Saxony</source>
        <translation>ドイツ、ニーダーザクセン州</translation>
    </message>
    <message>
        <source>Germany, North Rhine-Westphalia</source>
        <translation>ドイツ、ノルトライン＝ヴェストファーレン州</translation>
    </message>
    <message>
        <source>Germany, Rhineland-Palatinate</source>
        <translation>ドイツ、ラインラント＝プファルツ州</translation>
    </message>
    <message>
        <source>Germany, Schleswig-Holstein</source>
        <translation>ドイツ、シュレースヴィヒ＝ホルシュタイン州</translation>
    </message>
    <message>
        <source>Germany, Saarland</source>
        <translation>ドイツ、ザールラント州</translation>
    </message>
    <message>
        <source>Germany, Saxony</source>
        <translation>ドイツ、ザクセン州</translation>
    </message>
    <message>
        <source>Germany, Saxony-Anhalt</source>
        <translation>ドイツ、ザクセン＝アンハルト州</translation>
    </message>
    <message>
        <source>Germany, Thuringia</source>
        <translation>ドイツ、テューリンゲン州</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>日本</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>スペイン</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>ポルトガル</translation>
    </message>
    <message>
        <source>Portugal, Azores</source>
        <translation>ポルトガル、アゾレス諸島</translation>
    </message>
    <message>
        <source>Portugal, Madeira</source>
        <translation>ポルトガル、マデイラ</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>ポーランド</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>デンマーク</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>フィンランド</translation>
    </message>
    <message>
        <source>Finland, Åland</source>
        <translation>フィンランド、オーランド</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>ノルウェー</translation>
    </message>
    <message>
        <source>Czechia</source>
        <translation>チェコ</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>ベルギー</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>スイス</translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translation>ルクセンブルク</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>アメリカ合衆国</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>カナダ</translation>
    </message>
    <message>
        <source>Canada, Alberta</source>
        <translation>カナダ、アルバータ州</translation>
    </message>
    <message>
        <source>Canada, British Columbia</source>
        <translation>カナダ、ブリティッシュコロンビア州</translation>
    </message>
    <message>
        <source>Canada, Manitoba</source>
        <translation>カナダ、マニトバ州</translation>
    </message>
    <message>
        <source>Canada, New Brunswick</source>
        <translation>カナダ、ニューブランズウィック州</translation>
    </message>
    <message>
        <source>Canada, Newfoundland and Labrador</source>
        <translation>カナダ、ニューファンドランド・ラブラドール州</translation>
    </message>
    <message>
        <source>Canada, Nova Scotia</source>
        <translation>カナダ、ノバスコシア州</translation>
    </message>
    <message>
        <source>Canada, Northwest Territories</source>
        <translation>カナダ、ノースウエスト準州</translation>
    </message>
    <message>
        <source>Canada, Nunavut</source>
        <translation>カナダ、ヌナブト準州</translation>
    </message>
    <message>
        <source>Canada, Ontario</source>
        <translation>カナダ、オンタリオ州</translation>
    </message>
    <message>
        <source>Canada, Prince Edward Island</source>
        <translation>カナダ、プリンスエドワードアイランド州</translation>
    </message>
    <message>
        <source>Canada, Quebec</source>
        <translation>カナダ、ケベック州</translation>
    </message>
    <message>
        <source>Canada, Saskatchewan</source>
        <translation>カナダ、サスカチュワン州</translation>
    </message>
    <message>
        <source>Canada, Yukon</source>
        <translation>カナダ、ユーコン準州</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>オーストラリア</translation>
    </message>
    <message>
        <source>Australia, Australian Capital Territory</source>
        <translation>オーストラリア、オーストラリア首都特別地域</translation>
    </message>
    <message>
        <source>Australia, New South Wales</source>
        <translation>オーストラリア、ニューサウスウェールズ州</translation>
    </message>
    <message>
        <source>Australia, Northern Territory</source>
        <translation>オーストラリア、ノーザンテリトリー</translation>
    </message>
    <message>
        <source>Australia, Queensland</source>
        <translation>オーストラリア、クイーンズランド州</translation>
    </message>
    <message>
        <source>Australia, South Australia</source>
        <translation>オーストラリア、南オーストラリア州</translation>
    </message>
    <message>
        <source>Australia, Tasmania</source>
        <translation>オーストラリア、タスマニア州</translation>
    </message>
    <message>
        <source>Australia, Victoria</source>
        <translation>オーストラリア、ビクトリア州</translation>
    </message>
    <message>
        <source>Australia, Western Australia</source>
        <translation>オーストラリア、西オーストラリア州</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>ニュージーランド</translation>
    </message>
    <message>
        <source>Spain, Andalusia</source>
        <translation>スペイン、アンダルシア州</translation>
    </message>
    <message>
        <source>Spain, Aragon</source>
        <translation>スペイン、アラゴン州</translation>
    </message>
    <message>
        <source>Spain, Asturias</source>
        <translation>スペイン、アストゥリアス州</translation>
    </message>
    <message>
        <source>Spain, Balearic Islands</source>
        <translation>スペイン、バレアレス諸島州</translation>
    </message>
    <message>
        <source>Spain, Canary Islands</source>
        <translation>スペイン、カナリア諸島州</translation>
    </message>
    <message>
        <source>Spain, Cantabria</source>
        <translation>スペイン、カンタブリア州</translation>
    </message>
    <message>
        <source>Spain, Castile and León</source>
        <translation>スペイン、カスティーリャ・イ・レオン州</translation>
    </message>
    <message>
        <source>Spain, Castilla-La Mancha</source>
        <translation>スペイン、カスティーリャ＝ラ・マンチャ州</translation>
    </message>
    <message>
        <source>Spain, Catalonia</source>
        <translation>スペイン、カタルーニャ州</translation>
    </message>
    <message>
        <source>Spain, Extremadura</source>
        <translation>スペイン、エストレマドゥーラ州</translation>
    </message>
    <message>
        <source>Spain, Galicia</source>
        <translation>スペイン、ガリシア州</translation>
    </message>
    <message>
        <source>Spain, Madrid</source>
        <translation>スペイン、マドリード州</translation>
    </message>
    <message>
        <source>Spain, Murcia</source>
        <translation>スペイン、ムルシア州</translation>
    </message>
    <message>
        <source>Spain, Navarre</source>
        <translation>スペイン、ナバーラ州</translation>
    </message>
    <message>
        <source>Spain, Basque Country</source>
        <translation>スペイン、バスク州</translation>
    </message>
    <message>
        <source>Spain, La Rioja</source>
        <translation>スペイン、ラ・リオハ州</translation>
    </message>
    <message>
        <source>Spain, Valencian Community</source>
        <translation>スペイン、バレンシア州</translation>
    </message>
    <message>
        <source>Spain, Ceuta</source>
        <translation>スペイン、セウタ</translation>
    </message>
    <message>
        <source>Spain, Melilla</source>
        <translation>スペイン、メリリャ</translation>
    </message>
    <message>
        <source>Switzerland, Aargau</source>
        <translation>スイス、アールガウ州</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Innerrhoden</source>
        <translation>スイス、アッペンツェル・インナーローデン準州</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Ausserrhoden</source>
        <translation>スイス、アッペンツェル・アウサーローデン準州</translation>
    </message>
    <message>
        <source>Switzerland, Bern</source>
        <translation>スイス、ベルン州</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Landschaft</source>
        <translation>スイス、バーゼル＝ラント準州</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Stadt</source>
        <translation>スイス、バーゼル＝シュタット準州</translation>
    </message>
    <message>
        <source>Switzerland, Fribourg</source>
        <translation>スイス、フリブール州</translation>
    </message>
    <message>
        <source>Switzerland, Geneva</source>
        <translation>スイス、ジュネーヴ州</translation>
    </message>
    <message>
        <source>Switzerland, Glarus</source>
        <translation>スイス、グラールス州</translation>
    </message>
    <message>
        <source>Switzerland, Graubünden</source>
        <translation>スイス、グラウビュンデン州</translation>
    </message>
    <message>
        <source>Switzerland, Jura</source>
        <translation>スイス、ジュラ州</translation>
    </message>
    <message>
        <source>Switzerland, Lucerne</source>
        <translation>スイス、ルツェルン州</translation>
    </message>
    <message>
        <source>Switzerland, Neuchâtel</source>
        <translation>スイス、ヌーシャテル州</translation>
    </message>
    <message>
        <source>Switzerland, Nidwalden</source>
        <translation>スイス、ニトヴァルデン準州</translation>
    </message>
    <message>
        <source>Switzerland, Obwalden</source>
        <translation>スイス、オプヴァルデン準州</translation>
    </message>
    <message>
        <source>Switzerland, St. Gallen</source>
        <translation>スイス、ザンクト・ガレン州</translation>
    </message>
    <message>
        <source>Switzerland, Schaffhausen</source>
        <translation>スイス、シャフハウゼン州</translation>
    </message>
    <message>
        <source>Switzerland, Solothurn</source>
        <translation>スイス、ゾロトゥルン州</translation>
    </message>
    <message>
        <source>Switzerland, Schwyz</source>
        <translation>スイス、シュヴィーツ州</translation>
    </message>
    <message>
        <source>Switzerland, Thurgau</source>
        <translation>スイス、トゥールガウ州</translation>
    </message>
    <message>
        <source>Switzerland, Ticino</source>
        <translation>スイス、ティチーノ州</translation>
    </message>
    <message>
        <source>Switzerland, Uri</source>
        <translation>スイス、ウーリ州</translation>
    </message>
    <message>
        <source>Switzerland, Vaud</source>
        <translation>スイス、ヴォー州</translation>
    </message>
    <message>
        <source>Switzerland, Valais</source>
        <translation>スイス、ヴァレー州</translation>
    </message>
    <message>
        <source>Switzerland, Zug</source>
        <translation>スイス、ツーク州</translation>
    </message>
    <message>
        <source>Switzerland, Zurich</source>
        <translation>スイス、チューリッヒ州</translation>
    </message>
</context>
<context>
    <name>DateCheck</name>
    <message>
        <source>1 entry left out, as its date cannot be (mend it with Edit &gt; List)</source>
        <translation>日付がありえないため 1 項目を除外しました ([編集] &gt; [一覧] で直してください)</translation>
    </message>
    <message numerus="yes">
        <source>%n entries left out, as their dates cannot be (mend them with Edit &gt; List)</source>
        <translation>
            <numerusform>日付がありえないため %n 項目を除外しました ([編集] &gt; [一覧] で直してください)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DavClient</name>
    <message>
        <source>cannot reach %1 (no network, or no such server): %2</source>
        <translation>%1 に接続できません (ネットワークがないか、そのようなサーバーがありません): %2</translation>
    </message>
    <message>
        <source>%1 refused the connection: no server runs there</source>
        <translation>%1 が接続を拒否しました: サーバーが動いていません</translation>
    </message>
    <message>
        <source>%1 did not answer within 30 seconds</source>
        <translation>%1 が 30 秒以内に応答しませんでした</translation>
    </message>
    <message>
        <source>the secure connection to %1 failed, %2 (not accepted)</source>
        <translation>%1 への安全な接続に失敗しました。%2 (受け入れられません)</translation>
    </message>
    <message>
        <source>%1 broke off the connection: %2</source>
        <translation>%1 が接続を切りました: %2</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>%1 がユーザー名またはパスワードを拒否しました</translation>
    </message>
    <message>
        <source>%1 does not allow %2 (403 Forbidden)</source>
        <translation>%1 は %2 を許可しません (403 Forbidden)</translation>
    </message>
    <message>
        <source>%1 does not exist on the server (404 Not Found)</source>
        <translation>%1 はサーバーにありません (404 Not Found)</translation>
    </message>
    <message>
        <source>%1 has no room left for %2 (507 Insufficient Storage)</source>
        <translation>%1 には %2 のための空きがありません (507 Insufficient Storage)</translation>
    </message>
    <message>
        <source>%1 answered %2 with status %3</source>
        <translation>%1 は %2 に状態 %3 で応答しました</translation>
    </message>
    <message>
        <source>status %1 instead of a WebDAV multistatus</source>
        <translation>WebDAV マルチステータスではなく状態 %1</translation>
    </message>
    <message>
        <source>the answer of %1 to %2 makes no sense: %3</source>
        <translation>%2 に対する %1 の応答が不正です: %3</translation>
    </message>
    <message>
        <source>no CardDAV or CalDAV server answers at %1</source>
        <translation>%1 で応答する CardDAV/CalDAV サーバーがありません</translation>
    </message>
    <message>
        <source>the server keeps no calendars for this user, so the birthdays cannot be published</source>
        <translation>サーバーにはこのユーザーのカレンダーがないため、誕生日を公開できません</translation>
    </message>
    <message>
        <source>%1 is in the way of the calendar &quot;Birthdays&quot; and is no calendar</source>
        <translation>%1 がカレンダー「Birthdays」の場所をふさいでいて、カレンダーではありません</translation>
    </message>
    <message>
        <source>someone else keeps changing %1 on the server; it was left as it is</source>
        <translation>他の誰かがサーバー上の %1 を変更し続けています。そのままにしました</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 removed, 1 event published</source>
        <translation>追加 %1、変更 %2、削除 %3、公開した予定 1 件</translation>
    </message>
    <message numerus="yes">
        <source>%1 added, %2 changed, %3 removed, %n events published</source>
        <translation>
            <numerusform>追加 %1、変更 %2、削除 %3、公開した予定 %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not XML (%1)</source>
        <translation>XML ではありません (%1)</translation>
    </message>
    <message>
        <source>it is no WebDAV multistatus</source>
        <translation>WebDAV マルチステータスではありません</translation>
    </message>
    <message>
        <source>its XML is broken (%1)</source>
        <translation>XML が壊れています (%1)</translation>
    </message>
    <message>
        <source>no secret service runs on this desktop</source>
        <translation>このデスクトップではシークレットサービスが動いていません</translation>
    </message>
    <message>
        <source>the server</source>
        <translation>サーバー</translation>
    </message>
    <message>
        <source>the certificate of &quot;%1&quot;: %2</source>
        <translation>「%1」の証明書: %2</translation>
    </message>
</context>
<context>
    <name>DayCell</name>
    <message>
        <source>%1 Birthday</source>
        <translation>%1 の誕生日</translation>
    </message>
    <message>
        <source>%1 Anniversary</source>
        <translation>%1 の結婚記念日</translation>
    </message>
    <message>
        <source>%1 %2 Birthday</source>
        <translation>%1 の %2 回目の誕生日</translation>
    </message>
    <message>
        <source>%1 %2 Anniversary</source>
        <translation>%1 の結婚 %2 周年</translation>
    </message>
</context>
<context>
    <name>FileBytes</name>
    <message>
        <source>Cannot read &quot;%1&quot;: it is a folder.</source>
        <translation>「%1」を読み込めません: フォルダーです。</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>「%1」を開けません: %2。</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>「%1」を読み込めません。</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>「%1」に書き込めません: %2。</translation>
    </message>
</context>
<context>
    <name>Holiday</name>
    <message>
        <source>(not on %1)</source>
        <translation>(%1 を除く)</translation>
    </message>
    <message>
        <source>(from %1)</source>
        <translation>(%1 から)</translation>
    </message>
    <message>
        <source>(until %1)</source>
        <translation>(%1 まで)</translation>
    </message>
    <message>
        <source>(substitute day)</source>
        <translation>(振替休日)</translation>
    </message>
    <message>
        <source>(observed)</source>
        <translation>(振替)</translation>
    </message>
</context>
<context>
    <name>HolidayImport</name>
    <message>
        <source>1 all-day event</source>
        <translation>終日の予定 1 件</translation>
    </message>
    <message numerus="yes">
        <source>%n all-day events</source>
        <translation>
            <numerusform>終日の予定 %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holiday from %1</source>
        <translation>%1 から祝日 1 件</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays from %1</source>
        <translation>
            <numerusform>%1 から祝日 %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 timed event skipped</source>
        <translation>、時刻付きの予定 1 件を飛ばしました</translation>
    </message>
    <message numerus="yes">
        <source>, %n timed events skipped</source>
        <translation>
            <numerusform>、時刻付きの予定 %n 件を飛ばしました</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 event cut at %1 days</source>
        <translation>、予定 1 件を %1 日で切りました</translation>
    </message>
    <message numerus="yes">
        <source>, %n events cut at %1 days</source>
        <translation>
            <numerusform>、予定 %n 件を %1 日で切りました</numerusform>
        </translation>
    </message>
    <message>
        <source>is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)</source>
        <translation>は iCalendar ファイルではありません (BEGIN:VCALENDAR で始まっていません)</translation>
    </message>
    <message>
        <source>is cut short: its END:VCALENDAR is missing</source>
        <translation>は途中で切れています: END:VCALENDAR がありません</translation>
    </message>
    <message>
        <source>is not an iCalendar file libical can read</source>
        <translation>は libical が読める iCalendar ファイルではありません</translation>
    </message>
    <message>
        <source>has parts libical cannot read (X-LIC-PARSEERROR)</source>
        <translation>には libical が読めない部分があります (X-LIC-PARSEERROR)</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>祝日</translation>
    </message>
</context>
<context>
    <name>HolidayList</name>
    <message>
        <source>New Years Day</source>
        <translation>元日</translation>
    </message>
    <message>
        <source>Martin Luther King Day</source>
        <translation>キング牧師記念日</translation>
    </message>
    <message>
        <source>Presidents Day</source>
        <translation>大統領の日</translation>
    </message>
    <message>
        <source>Lincoln&apos;s BirthDay</source>
        <translation>リンカーン誕生日</translation>
    </message>
    <message>
        <source>Valentines Day</source>
        <translation>バレンタインデー</translation>
    </message>
    <message>
        <source>Washington&apos;s BirthDay</source>
        <translation>ワシントン誕生日</translation>
    </message>
    <message>
        <source>St. Patrick&apos;s Day</source>
        <translation>聖パトリックの祝日</translation>
    </message>
    <message>
        <source>Tax Day</source>
        <translation>納税日</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>母の日</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>戦没者追悼記念日</translation>
    </message>
    <message>
        <source>Flag Day</source>
        <translation>国旗制定記念日</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>父の日</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>独立記念日</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>レイバー・デー</translation>
    </message>
    <message>
        <source>Columbus Day</source>
        <translation>コロンブス・デー</translation>
    </message>
    <message>
        <source>Holloween</source>
        <translation>ハロウィン</translation>
    </message>
    <message>
        <source>Veterans Day</source>
        <translation>退役軍人の日</translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation>感謝祭</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>クリスマス</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>&quot;%1&quot; is not a Kinfold document or is damaged.</source>
        <translation>「%1」は Kinfold の文書ではないか、壊れています。</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 が 2 回指定されています</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>予期しない引数「%1」</translation>
    </message>
    <message>
        <source>no document to save to: give DOC.kfd or --save OUT.kfd</source>
        <translation>保存先の文書がありません: DOC.kfd または --save OUT.kfd を指定してください</translation>
    </message>
    <message>
        <source>%1 is the file being imported; --save needs another name</source>
        <translation>%1 は読み込むファイルです。--save には別の名前を指定してください</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a GEDCOM file nor a vCard file</source>
        <translation>「%1」は GEDCOM ファイルでも vCard ファイルでもありません</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries saved to %2)</source>
        <translation>
            <numerusform>%1 (%2 に %n 項目を保存しました)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportTexts</name>
    <message>
        <source>%1 added, %2 merged, %3 conflicts kept</source>
        <translation>追加 %1、統合 %2、競合を保持 %3</translation>
    </message>
    <message>
        <source>, 1 date with a year outside %1..%2 left out</source>
        <translation>、%1..%2 の範囲外の年を持つ日付 1 件を除外</translation>
    </message>
    <message numerus="yes">
        <source>, %n dates with a year outside %1..%2 left out</source>
        <translation>
            <numerusform>、%1..%2 の範囲外の年を持つ日付 %n 件を除外</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonDate</name>
    <message>
        <source> NM</source>
        <translation> 新月</translation>
    </message>
    <message>
        <source> FQ</source>
        <translation> 上弦</translation>
    </message>
    <message>
        <source> FM</source>
        <translation> 満月</translation>
    </message>
    <message>
        <source> LQ</source>
        <translation> 下弦</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>冬</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>春</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>夏</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>秋</translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation>寒い月</translation>
    </message>
    <message>
        <source>Bony Moon</source>
        <translation>骨の月</translation>
    </message>
    <message>
        <source>Windy Moon</source>
        <translation>風の月</translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation>花の月</translation>
    </message>
    <message>
        <source>Planting Moon</source>
        <translation>種まきの月</translation>
    </message>
    <message>
        <source>Green Corn Moon</source>
        <translation>青いトウモロコシの月</translation>
    </message>
    <message>
        <source>Ripe Corn Moon</source>
        <translation>熟したトウモロコシの月</translation>
    </message>
    <message>
        <source>Fruit Moon</source>
        <translation>果実の月</translation>
    </message>
    <message>
        <source>Nut Moon</source>
        <translation>木の実の月</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>収穫の月</translation>
    </message>
    <message>
        <source>Trading Moon</source>
        <translation>交易の月</translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation>雪の月</translation>
    </message>
    <message>
        <source>Blue Moon</source>
        <translation>ブルームーン</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>子</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>丑</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>寅</translation>
    </message>
    <message>
        <source>Hare</source>
        <translation>卯</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>辰</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>巳</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>午</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>未</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>申</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>酉</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>戌</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>亥</translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>BC</source>
        <translation>紀元前</translation>
    </message>
    <message>
        <source>Julian</source>
        <translation>ユリウス暦</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>month title: the month&apos;s name, the year</comment>
        <translation>%2年%1</translation>
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
        <translation>整数を入力してください。</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>%1 から %2 までの整数を入力してください。</translation>
    </message>
    <message>
        <source>The month must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>月は 1 から 12、または不明なら日 0 と共に 0 にしてください。</translation>
    </message>
    <message>
        <source>The month must be 1 to 12.</source>
        <translation>月は 1 から 12 にしてください。</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>「%1」の月は 1 から 12、または不明なら日 0 と共に 0 にしてください。</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12.</source>
        <translation>「%1」の月は 1 から 12 にしてください。</translation>
    </message>
    <message>
        <source>%1 without a year</source>
        <translation>%1 (年なし)</translation>
    </message>
    <message>
        <source>The day cannot be %1: %2 has %3 days.</source>
        <translation>日を %1 にはできません: %2 は %3 日までです。</translation>
    </message>
    <message>
        <source>The day of &quot;%1&quot; cannot be %2: %3 has %4 days.</source>
        <translation>「%1」の日を %2 にはできません: %3 は %4 日までです。</translation>
    </message>
    <message>
        <source>Use value as currently set.</source>
        <translation>現在の設定値を使います。</translation>
    </message>
    <message>
        <source>Use original value.</source>
        <translation>元の値を使います。</translation>
    </message>
    <message>
        <source>Use original values.</source>
        <translation>元の値を使います。</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>明日</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>%n 日後</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays and events coming</source>
        <translation>
            <numerusform>誕生日と予定 %n 件が近づいています</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>how far off, the day</comment>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>Upcoming</name>
    <message>
        <source>%1 Anniversary</source>
        <translation>%1 の結婚記念日</translation>
    </message>
</context>
</TS>
