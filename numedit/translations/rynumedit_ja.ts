<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="ja_JP">
<context>
    <name>TRyNumEdit</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
</context>
</TS>
