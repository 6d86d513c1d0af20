<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>TFormMain</name>
    <message>
        <source>&amp;Check Now</source>
        <translation>Şimd&amp;i denetle</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Yard&amp;ım</translation>
    </message>
</context>
<context>
    <name>TAddAccountDialog</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ekle</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;E-posta adresi:</translation>
    </message>
</context>
</TS>
