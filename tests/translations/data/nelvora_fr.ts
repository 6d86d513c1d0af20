<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>TFormMain</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;Send to Tray</source>
        <translation>&amp;Réduire</translation>
    </message>
    <message>
        <source>&amp;Check Now</source>
        <translation>&amp;&amp;Rafraîchir et &amp;vérifier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Quit Program</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>En&amp;registrer</translation>
    </message>
    <message>
        <source>This program is free to use!</source>
        <translation>Ce programme est gratuit !</translation>
    </message>
    <message>
        <source>Remind me with:</source>
        <translation>Me rappeler par&#xa0;:</translation>
    </message>
    <message>
        <source>Check mode is set back to &apos;Check Daily&apos;.
This option can be changed from the &apos;Options&apos; tab.</source>
        <translation>Le mode de vérification est remis à «&#xa0;Vérifier chaque jour&#xa0;».
Cette option peut être modifiée dans l&apos;onglet « Options ».</translation>
    </message>
</context>
</TS>
