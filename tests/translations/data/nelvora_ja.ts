<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>TFormMain</name>
    <message>
        <source>&amp;Save Changes</source>
        <translation>&amp;保存</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Check Now</source>
        <translation>今すぐ確認</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>設定(&amp;O)</translation>
    </message>
</context>
<context>
    <name>TAddAccountDialog</name>
    <message>
        <source>&amp;Server:</source>
        <translation>サーバー(&amp;S):</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>追加されませんでした: ％１</translation>
    </message>
</context>
<context>
    <name>TReminder</name>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>%n 日後</numerusform>
            <numerusform>%n 日後</numerusform>
        </translation>
    </message>
</context>
</TS>
