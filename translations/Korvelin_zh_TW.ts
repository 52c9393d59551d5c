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
<context>
    <name>Menu</name>
    <message>
        <location filename="../src/forms/Menu.ui" line="40"/>
        <source>Calibration</source>
        <translation>標定</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="109"/>
        <source>Main Tools</source>
        <translation>主要工具</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="307"/>
        <source>Custom Lines</source>
        <translation>自訂線</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="342"/>
        <location filename="../src/forms/Menu.ui" line="378"/>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="391"/>
        <source>Read</source>
        <translation>讀取</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="404"/>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="418"/>
        <source>Assist Tools</source>
        <translation>輔助工具</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="608"/>
        <source>up</source>
        <translation>升級</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="41"/>
        <source>line</source>
        <translation>直線</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="42"/>
        <source>horizontal line</source>
        <translation>水平線</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="43"/>
        <source>vertical line</source>
        <translation>垂直線</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="44"/>
        <source>distance between parallel lines</source>
        <translation>平行線間距</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="45"/>
        <source>distance between custom parallel lines</source>
        <translation>自訂平行線間距</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="46"/>
        <source>distance from point to line</source>
        <translation>點到線距離</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="47"/>
        <source>angle</source>
        <translation>角度</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="48"/>
        <source>rectangle</source>
        <translation>矩形</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="49"/>
        <source>polygon</source>
        <translation>多邊形</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="50"/>
        <source>dual parallel lines</source>
        <translation>雙平行線</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="51"/>
        <source>radian</source>
        <translation>圓弧</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="52"/>
        <source>circle</source>
        <translation>圓</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="53"/>
        <source>distance from point to center of circle</source>
        <translation>點到圓心距離</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="54"/>
        <source>distance from line to center of circle</source>
        <translation>線到圓心距離</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="55"/>
        <source>distance between center of circles</source>
        <translation>圓心距</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="56"/>
        <source>concentric circles</source>
        <translation>同心圓</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="57"/>
        <source>distance between center of parallel lines</source>
        <translation>平行線中線間距</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="103"/>
        <location filename="../src/panel/Menu.cpp" line="707"/>
        <source>pixel,mm,um,inch,mil</source>
        <translation>像素,mm,um,inch,mil</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="163"/>
        <source>cross line</source>
        <translation>十字線</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="222"/>
        <location filename="../src/panel/Menu.cpp" line="379"/>
        <source>index</source>
        <translation>序號</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="222"/>
        <location filename="../src/panel/Menu.cpp" line="379"/>
        <source>item</source>
        <translation>項目</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="222"/>
        <location filename="../src/panel/Menu.cpp" line="379"/>
        <source>value</source>
        <translation>數值</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="285"/>
        <source>delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="286"/>
        <source>delete all</source>
        <translation>全部刪除</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="305"/>
        <location filename="../src/panel/Menu.cpp" line="324"/>
        <location filename="../src/panel/Menu.cpp" line="382"/>
        <location filename="../src/panel/Menu.cpp" line="396"/>
        <location filename="../src/panel/Menu.cpp" line="401"/>
        <location filename="../src/panel/Menu.cpp" line="406"/>
        <location filename="../src/panel/Menu.cpp" line="411"/>
        <location filename="../src/panel/Menu.cpp" line="572"/>
        <location filename="../src/panel/Menu.cpp" line="624"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="305"/>
        <source>Are you sure to delete this result?</source>
        <translation>確定刪除此結果嗎？</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="324"/>
        <source>Are you sure to delete the all results?</source>
        <translation>確定刪除全部結果嗎？</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="362"/>
        <source>Save Excel File</source>
        <translation>儲存表格檔案</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="362"/>
        <source>Files (*.csv)</source>
        <translation>檔案 (*.csv)</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="382"/>
        <location filename="../src/panel/Menu.cpp" line="406"/>
        <location filename="../src/panel/Menu.cpp" line="572"/>
        <source>Can&apos;t open file for writing!</source>
        <translation>無法寫入檔案！</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="396"/>
        <location filename="../src/panel/Menu.cpp" line="624"/>
        <source>U disk isn&apos;t exists! Please insert U disk!</source>
        <translation>隨身碟不存在！請插入隨身碟！</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="401"/>
        <source>U disk space is insufficient! Please change another U disk!</source>
        <translation>隨身碟空間不足！請更換隨身碟！</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="412"/>
        <source>No free file name is left in %1. Please move or delete old files.</source>
        <translation>%1 中已沒有可用的檔名。請移走或刪除舊檔案。</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="566"/>
        <source>Save Configuration File</source>
        <translation>儲存設定檔</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="566"/>
        <location filename="../src/panel/Menu.cpp" line="583"/>
        <source>Files (*.ini)</source>
        <translation>檔案 (*.ini)</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="581"/>
        <source>Open Configuration File</source>
        <translation>開啟設定檔</translation>
    </message>
</context>
</TS>
