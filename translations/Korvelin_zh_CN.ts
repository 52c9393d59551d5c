<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CustomLine</name>
    <message>
        <location filename="../src/items/CustomLine.cpp" line="112"/>
        <source>Line property</source>
        <translation>线属性</translation>
    </message>
</context>
<context>
    <name>Frame</name>
    <message>
        <location filename="../src/forms/Frame.ui" line="14"/>
        <source>Frame</source>
        <translation>主窗口</translation>
    </message>
</context>
<context>
    <name>LinePropertyDialog</name>
    <message>
        <location filename="../src/forms/LinePropertyDialog.ui" line="14"/>
        <source>Line property</source>
        <translation>线属性</translation>
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
        <translation>线宽:</translation>
    </message>
    <message>
        <location filename="../src/forms/LinePropertyDialog.ui" line="117"/>
        <source>Color:</source>
        <translation>颜色:</translation>
    </message>
    <message>
        <location filename="../src/items/LinePropertyDialog.cpp" line="58"/>
        <source>Select line color</source>
        <translation>选择线条颜色</translation>
    </message>
</context>
<context>
    <name>ccdSetDialog</name>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="6"/>
        <location filename="../src/hardware/ccdSetDialog.cpp" line="63"/>
        <source>Camera setting</source>
        <translation>相机设置</translation>
    </message>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="13"/>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="16"/>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="19"/>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="22"/>
        <source>HDR</source>
        <translation>HDR</translation>
    </message>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="25"/>
        <source>SE</source>
        <translation>SE</translation>
    </message>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="28"/>
        <source>AE</source>
        <translation>AE</translation>
    </message>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="29"/>
        <source>AWB</source>
        <translation>AWB</translation>
    </message>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="30"/>
        <location filename="../src/hardware/ccdSetDialog.cpp" line="64"/>
        <source>Lock</source>
        <translation>锁定</translation>
    </message>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="31"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="32"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../src/hardware/ccdSetDialog.cpp" line="64"/>
        <source>Unlock</source>
        <translation>解锁</translation>
    </message>
</context>
</TS>
