<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>TRyNumEditPlugin</name>
    <message>
        <source>Numeric edit: a formatted number with digit limits, separators, marks and calculator-style entry</source>
        <translation>数値エディット: 桁数の制限、桁区切り、マーク、電卓式の入力を備えた書式付きの数値</translation>
    </message>
    <message>
        <source>A single-line control that holds one number as text and shows it formatted: integer and decimal digit limits, thousands separators, an optional sign, fixed zeros, marks before and after the number, margins and alignment. Digits and the point are appended as on a pocket calculator; the selection is all or nothing. Text holds the plain number, without separators or marks.</source>
        <translation>1 つの数値を文字列として保持し、書式を付けて表示する 1 行のコントロールです。整数部と小数部の桁数の制限、桁区切り、符号の有無、固定のゼロ、数値の前後のマーク、余白と配置を設定できます。数字と小数点は電卓のように末尾に追加され、選択は全体か無しのどちらかです。Text には桁区切りもマークも含まない数値だけが入ります。</translation>
    </message>
</context>
</TS>
