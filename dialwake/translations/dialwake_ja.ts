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
</context>
<context>
    <name>DialwakeHost</name>
    <message>
        <source>New clock...</source>
        <translation>新しい時計...</translation>
    </message>
    <message>
        <source>Sounds...</source>
        <translation>サウンド...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
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
