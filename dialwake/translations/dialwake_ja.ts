<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
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
        <source>the running dialwake does not answer</source>
        <translation>実行中の dialwake が応答しません</translation>
    </message>
    <message>
        <source>the running dialwake did not take the arguments</source>
        <translation>実行中の dialwake が引数を受け取りませんでした</translation>
    </message>
    <message>
        <source>dialwake [CLOCK...]   (a CLOCK is a restart line such as &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</source>
        <translation>dialwake [時計...]   (時計は &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot; のような再起動行です)</translation>
    </message>
    <message>
        <source>later starts cannot reach this one (%1)</source>
        <translation>後から起動したものはこれに届きません (%1)</translation>
    </message>
</context>
<context>
    <name>DialwakeHost</name>
    <message>
        <source>New clock...</source>
        <comment>menu tray</comment>
        <translation>新しい時計...</translation>
    </message>
    <message>
        <source>Sounds...</source>
        <comment>menu tray</comment>
        <translation>サウンド...</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>menu tray</comment>
        <translation>終了</translation>
    </message>
    <message>
        <source>This desktop runs on Wayland without XWayland, where programs cannot place their windows: the clocks cannot keep their places or stay on top of other windows.</source>
        <translation>このデスクトップは XWayland のない Wayland で動いており、プログラムはウィンドウを配置できません。時計は位置を保つことも、ほかのウィンドウの上にとどまることもできません。</translation>
    </message>
</context>
<context>
    <name>SoundsWindow</name>
    <message>
        <source>Clock</source>
        <translation>時計</translation>
    </message>
    <message>
        <source>Tick every second</source>
        <translation>毎秒の時を刻む音</translation>
    </message>
    <message>
        <source>Bong on the hour</source>
        <translation>正時の鐘</translation>
    </message>
    <message>
        <source>Quarter chimes</source>
        <translation>15 分ごとのチャイム</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>アラーム</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>ベル</translation>
    </message>
    <message>
        <source>Measure of music</source>
        <translation>音楽 1 小節</translation>
    </message>
    <message>
        <source>Repeat until answered</source>
        <translation>応答するまで繰り返す</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>カウントダウン</translation>
    </message>
    <message>
        <source>Last ten seconds</source>
        <translation>最後の 10 秒</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>Click a sound to switch it on or off.</source>
        <translation>サウンドをクリックするとオン/オフを切り替えます。</translation>
    </message>
    <message>
        <source>Sound output ready: %1 s buffer at %2 Hz</source>
        <translation>サウンド出力の準備完了: バッファー %1 秒、%2 Hz</translation>
    </message>
    <message>
        <source>No sound output on this machine.</source>
        <translation>このコンピューターにはサウンド出力がありません。</translation>
    </message>
    <message>
        <source>&amp;Volume...</source>
        <translation>音量(&amp;V)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
</context>
</TS>
