<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>CustomLine</name>
    <message>
        <location filename="../src/items/CustomLine.cpp" line="112"/>
        <source>Line property</source>
        <translation>線屬性</translation>
    </message>
</context>
<context>
    <name>Frame</name>
    <message>
        <location filename="../src/forms/Frame.ui" line="14"/>
        <source>Frame</source>
        <translation>主視窗</translation>
    </message>
</context>
<context>
    <name>LinePropertyDialog</name>
    <message>
        <location filename="../src/forms/LinePropertyDialog.ui" line="14"/>
        <source>Line property</source>
        <translation>線屬性</translation>
    </message>
    <message>
        <location filename="../src/forms/LinePropertyDialog.ui" line="31"/>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <location filename="../src/forms/LinePropertyDialog.ui" line="62"/>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <location filename="../src/forms/LinePropertyDialog.ui" line="88"/>
        <source>Width:</source>
        <translation>線寬:</translation>
    </message>
    <message>
        <location filename="../src/forms/LinePropertyDialog.ui" line="117"/>
        <source>Color:</source>
        <translation>顏色:</translation>
    </message>
    <message>
        <location filename="../src/items/LinePropertyDialog.cpp" line="58"/>
        <source>Select line color</source>
        <translation>選擇線條顏色</translation>
    </message>
</context>
</TS>
